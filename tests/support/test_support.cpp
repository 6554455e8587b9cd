#include "tests/support/test_support.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "text/cp1251.h"

namespace vellex::test {
namespace fs = std::filesystem;

std::string cp(std::string_view utf8) {
    const auto r = cp1251::fromUtf8(utf8);
    EXPECT_TRUE(r.ok()) << "not CP1251: " << utf8;
    return r.bytes;
}

std::string u8(std::string_view cp1251) {
    return cp1251::toUtf8(cp1251);
}

fs::path dataFile(std::string_view name) {
    const char* dir = std::getenv("VELLEX_TEST_DATA");
    fs::path base = dir ? fs::path(dir) : fs::path(VELLEX_SOURCE_DIR) / "tests" / "data";
    return base / std::string(name);
}

TempDir::TempDir() {
    std::string tmpl = (fs::temp_directory_path() / "vellex-test-XXXXXX").string();
    if (!::mkdtemp(tmpl.data()))
        throw std::runtime_error("mkdtemp failed");
    path_ = tmpl;
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

std::string readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const fs::path& p, std::string_view bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

int runCommand(const std::string& command, std::string* output) {
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return -1;
    std::string out;
    char buf[4096];
    while (std::size_t n = fread(buf, 1, sizeof buf, pipe))
        out.append(buf, n);
    const int status = pclose(pipe);
    if (output)
        *output = std::move(out);
    return status;
}

std::string commandOutput(const std::string& command) {
    std::string out;
    runCommand(command, &out);
    return out;
}

}  // namespace vellex::test

#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vellex::test {

// A Russian literal written in UTF-8 in the test source, as the core holds it: CP1251.
// Fails the current test when the text has a character CP1251 cannot hold.
std::string cp(std::string_view utf8);

// CP1251 back to UTF-8, for readable assertion messages.
std::string u8(std::string_view cp1251);

// tests/data/<name>.
std::filesystem::path dataFile(std::string_view name);

// A fresh empty folder, removed when the object goes out of scope.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const {
        return path_ / std::string(name);
    }

  private:
    std::filesystem::path path_;
};

std::string readFile(const std::filesystem::path& p);
void writeFile(const std::filesystem::path& p, std::string_view bytes);

// Runs `command` through the shell: its exit status as pclose gives it (-1 if it could not
// start), its standard output in `output` when asked for.
int runCommand(const std::string& command, std::string* output = nullptr);
// The standard output of `command`.
std::string commandOutput(const std::string& command);

}  // namespace vellex::test

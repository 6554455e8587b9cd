#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/test_support.h"

namespace vellex {

struct PrintRun {
    int exit = -1;
    std::string out, err;
};

inline std::string binDir() {
    const char* dir = std::getenv("VELLEX_BIN_DIR");
    return dir ? dir : ".";
}

inline std::string quote(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Runs vellex-print as a batch job would: no display, its own program folder.
class VellexPrint : public testing::Test {
  protected:
    void SetUp() override { chmod(runtime_.path().c_str(), 0700); }

    // `environment`: further VAR=value words, e.g. a display that cannot be reached;
    // `prefix`: a command the program runs under (e.g. "timeout 60"); `program`: the
    // program beside vellex-print to run instead.
    PrintRun run(const std::vector<std::string>& args, const std::string& environment = {},
                 const std::string& prefix = {}, const std::string& program = "vellex-print") {
        std::string cmd = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR=" +
                          quote(runtime_.path().string()) +
                          " VELLEX_PROGRAM_DIR=" + quote(programDir_.path().string()) + " " +
                          environment + " " + prefix + " " + quote(binDir() + "/" + program);
        for (const auto& a : args)
            cmd += " " + quote(a);
        const auto out = dir_ / "stdout", err = dir_ / "stderr";
        cmd += " >" + quote(out.string()) + " 2>" + quote(err.string());
        const int status = std::system(cmd.c_str());
        PrintRun r;
        r.exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        r.out = test::readFile(out);
        r.err = test::readFile(err);
        return r;
    }

    std::string path(std::string_view name) const { return (dir_ / name).string(); }

    test::TempDir runtime_, programDir_, dir_;
};

}  // namespace vellex

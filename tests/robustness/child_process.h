#pragma once

#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <string>

// Work done in a forked child process: killed at will, or given a file system of its own.
namespace vellex::test {

struct ChildOutcome {
    bool skipped = false;
    std::string message;  // why it was skipped, or what failed; empty when all held
};

// Runs `work` in a forked child. `work` returns an empty string when its checks held and
// a description of the failure otherwise; a child that dies counts as a failure.
ChildOutcome runInChild(const std::function<std::string()>& work);

// As runInChild, with a fresh tmpfs of `bytes` bytes mounted over `dir` in a private
// mount namespace (the rest of the system never sees it). Skipped, with the reason, where
// the system allows no mount namespace to this user.
ChildOutcome runOnOwnDisk(const std::filesystem::path& dir, std::size_t bytes,
                          const std::function<std::string()>& work);

// Starts a child that runs `step` over and over until it is killed.
pid_t startRepeating(const std::function<void()>& step);

// SIGKILL and reap.
void killChild(pid_t pid);

}  // namespace vellex::test

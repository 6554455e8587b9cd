#include "tests/robustness/child_process.h"

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fstream>

namespace vellex::test {
namespace {

// The child's verdict travels through a pipe: one letter (O ok, F failed, S skipped), then
// the message.
void report(int fd, char verdict, const std::string& message) {
    const std::string out = verdict + message;
    std::size_t done = 0;
    while (done < out.size()) {
        const ssize_t n = ::write(fd, out.data() + done, out.size() - done);
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
}

bool writeProcFile(const char* path, const std::string& text) {
    std::ofstream out(path);
    out << text;
    out.close();
    return static_cast<bool>(out);
}

// Enters a mount namespace of its own; for a user other than root through a user
// namespace in which it is root.
std::string enterMountNamespace() {
    if (::geteuid() == 0) {
        if (::unshare(CLONE_NEWNS) != 0)
            return std::string("unshare(CLONE_NEWNS): ") + std::strerror(errno);
    } else {
        const uid_t uid = ::geteuid();
        const gid_t gid = ::getegid();
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
            return std::string("unshare(CLONE_NEWUSER): ") + std::strerror(errno);
        if (!writeProcFile("/proc/self/setgroups", "deny") ||
            !writeProcFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
            !writeProcFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1"))
            return "user namespace maps refused";
    }
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return std::string("private mounts: ") + std::strerror(errno);
    return {};
}

ChildOutcome runForked(const std::function<ChildOutcome()>& child) {
    int fds[2];
    if (::pipe(fds) != 0)
        return {false, "pipe failed"};
    const pid_t pid = ::fork();
    if (pid < 0)
        return {false, "fork failed"};
    if (pid == 0) {
        ::close(fds[0]);
        const ChildOutcome outcome = child();
        report(fds[1],
               outcome.skipped           ? 'S'
               : outcome.message.empty() ? 'O'
                                         : 'F',
               outcome.message);
        ::_exit(0);
    }
    ::close(fds[1]);
    std::string text;
    char buf[512];
    for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) != 0;) {
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            break;
        text.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (text.empty())
        return {false, "the child died (status " + std::to_string(status) + ")"};
    if (text[0] == 'S')
        return {true, text.substr(1)};
    return {false, text.substr(1)};
}

}  // namespace

ChildOutcome runInChild(const std::function<std::string()>& work) {
    return runForked([&] { return ChildOutcome{false, work()}; });
}

ChildOutcome runOnOwnDisk(const std::filesystem::path& dir, std::size_t bytes,
                          const std::function<std::string()>& work) {
    return runForked([&] {
        std::string why = enterMountNamespace();
        if (why.empty()) {
            const std::string options = "size=" + std::to_string(bytes) + ",mode=0755";
            if (::mount("tmpfs", dir.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) != 0)
                why = std::string("mount tmpfs: ") + std::strerror(errno);
        }
        if (!why.empty())
            return ChildOutcome{true, "no file system of our own here (" + why + ")"};
        return ChildOutcome{false, work()};
    });
}

pid_t startRepeating(const std::function<void()>& step) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        for (;;)
            step();
    }
    return pid;
}

void killChild(pid_t pid) {
    if (pid <= 0)
        return;
    ::kill(pid, SIGKILL);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
}

}  // namespace vellex::test

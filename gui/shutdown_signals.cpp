#include "gui/shutdown_signals.h"

#include <fcntl.h>
#include <unistd.h>
#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>

namespace vellex {

namespace {

constexpr std::array kSignals = {SIGTERM, SIGHUP, SIGINT};
int pipeFds[2] = {-1, -1};

extern "C" void onSignal(int signalNumber) {
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    // Nothing to do on failure: a full pipe already holds a wake-up.
    [[maybe_unused]] const ssize_t written = ::write(pipeFds[1], &byte, 1);
    errno = saved;
}

}  // namespace

ShutdownSignals::ShutdownSignals(QObject* parent) : QObject(parent) {
    if (::pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;  // without the pipe the default handlers stay: the program ends as before
    }
    notifier_ = new QSocketNotifier(pipeFds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &ShutdownSignals::readPipe);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int s : kSignals) {
        ::sigaction(s, &action, nullptr);
    }
}

ShutdownSignals::~ShutdownSignals() {
    if (!notifier_) {
        return;
    }
    for (const int s : kSignals) {
        std::signal(s, SIG_DFL);
    }
    delete notifier_;
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
    pipeFds[0] = pipeFds[1] = -1;
}

void ShutdownSignals::readPipe() {
    unsigned char byte = 0;
    while (::read(pipeFds[0], &byte, 1) == 1) {
        emit received(byte);
    }
}

}  // namespace vellex

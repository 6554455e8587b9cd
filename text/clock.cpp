#include "text/clock.h"

#include <ctime>

namespace vellex {

Date SystemClock::today() const {
    const std::time_t now = std::time(nullptr);
    // The program has one thread, so the shared buffer of localtime is not raced.
    const std::tm* local = std::localtime(&now);
    if (local == nullptr)
        return {};
    return {local->tm_year + 1900, local->tm_mon + 1, local->tm_mday};
}

const Clock& systemClock() {
    static const SystemClock clock;
    return clock;
}

}  // namespace vellex

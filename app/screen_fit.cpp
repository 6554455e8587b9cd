#include "app/screen_fit.h"

#include <algorithm>

namespace vellex {

QSize fitToScreen(QSize wanted, const QRect& available) {
    if (available.isEmpty()) {
        return wanted;  // no screen to ask (a test's platform)
    }
    return {std::min(wanted.width(), available.width() - kFrameWidth),
            std::min(wanted.height(), available.height() - kFrameHeight)};
}

QSize firstStartSize(const QRect& available) {
    // The widest page is 880 wide; with the student box and the scroll bar 1000 holds it.
    return fitToScreen({1000, 720}, available);
}

}  // namespace vellex

#include "gui/screen_fit.h"

#include <algorithm>

#include "gui/page_layout.h"

namespace vellex {

QSize fitToScreen(QSize wanted, const QRect& available) {
    if (available.isEmpty()) {
        return wanted;  // no screen to ask (a test's platform)
    }
    return {std::min(wanted.width(), available.width() - kFrameWidth),
            std::min(wanted.height(), available.height() - kFrameHeight)};
}

QSize firstStartSize(const QRect& available) {
    // The widest page, its scroll area's frame and vertical scroll bar, the tabs' frame.
    int widest = 0;
    for (const PageLayout& page : pageLayouts()) {
        widest = std::max(widest, page.width);
    }
    return fitToScreen({std::max(1000, widest + 40), 720}, available);
}

}  // namespace vellex

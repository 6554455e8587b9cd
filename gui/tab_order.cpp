#include "gui/tab_order.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace vellex {
namespace {

constexpr int kTallest = 40;  // a higher widget spans lines (a memo)

bool takesTab(const QWidget* w, const QWidget* panel) {
    if ((w->focusPolicy() & Qt::TabFocus) == 0 || w->focusProxy() ||
        qobject_cast<const QLabel*>(w)) {
        return false;
    }
    // Direct items of the page and the buttons of its radio groups; parts of a compound
    // widget (a memo's scroll bars) are reached through their owner.
    const QWidget* parent = w->parentWidget();
    return parent == panel ||
           (qobject_cast<const QGroupBox*>(parent) && parent->parentWidget() == panel);
}

// Watches a page and sets its order again, once per turn of the event loop.
class TabOrderKeeper final : public QObject {
  public:
    explicit TabOrderKeeper(QWidget* panel) : QObject(panel), panel_(panel) {
        setObjectName(QStringLiteral("tabOrderKeeper"));
        panel_->installEventFilter(this);
        reorder();
    }

    bool eventFilter(QObject* watched, QEvent* e) override {
        switch (e->type()) {
            case QEvent::ChildAdded:
            case QEvent::ChildRemoved:
                if (watched == panel_) {
                    schedule();
                }
                break;
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::ShowToParent:
            case QEvent::HideToParent:
                if (watched != panel_) {
                    schedule();
                }
                break;
            default:
                break;
        }
        return false;
    }

  private:
    void schedule() {
        if (!pending_) {
            pending_ = true;
            QTimer::singleShot(0, this, [this] { reorder(); });
        }
    }

    void reorder() {
        pending_ = false;
        for (QWidget* w : panel_->findChildren<QWidget*>()) {
            if (takesTab(w, panel_) || qobject_cast<QGroupBox*>(w)) {
                w->installEventFilter(this);  // once, however often it is called
            }
        }
        orderTabsByPosition(panel_);
    }

    QWidget* panel_;
    bool pending_ = false;
};

}  // namespace

QRect rectOnPanel(const QWidget* w, const QWidget* panel) {
    return {w->mapTo(panel, QPoint(0, 0)), w->size()};
}

std::vector<QWidget*> screenOrder(QWidget* panel) {
    struct Placed {
        QWidget* w;
        QRect r;
    };
    std::vector<Placed> items;
    std::vector<QWidget*> hidden;
    for (QWidget* w : panel->findChildren<QWidget*>()) {
        if (!takesTab(w, panel)) {
            continue;
        }
        if (w->isVisibleTo(panel)) {
            items.push_back({w, rectOnPanel(w, panel)});
        } else {
            hidden.push_back(w);
        }
    }
    std::stable_sort(items.begin(), items.end(), [](const Placed& a, const Placed& b) {
        const int ay = a.r.center().y();
        const int by = b.r.center().y();
        return ay != by ? ay < by : a.r.left() < b.r.left();
    });
    // A line: the widgets whose middle lies within the height of the line's first one
    // (captions and check boxes sit a few pixels off the fields beside them). A memo
    // spanning several lines joins the line of its middle but gathers none: the fields
    // beside it are read line by line.
    std::vector<QWidget*> order;
    order.reserve(items.size());
    for (size_t start = 0; start < items.size();) {
        const QRect first = items[start].r;
        size_t end = start + 1;
        while (end < items.size() && first.height() <= kTallest &&
               items[end].r.center().y() <= first.bottom()) {
            ++end;
        }
        std::stable_sort(items.begin() + static_cast<std::ptrdiff_t>(start),
                         items.begin() + static_cast<std::ptrdiff_t>(end),
                         [](const Placed& a, const Placed& b) { return a.r.left() < b.r.left(); });
        for (size_t i = start; i < end; ++i) {
            order.push_back(items[i].w);
        }
        start = end;
    }
    // Hidden widgets may stand anywhere; they must not split the lines of the shown ones.
    order.insert(order.end(), hidden.begin(), hidden.end());
    return order;
}

void orderTabsByPosition(QWidget* panel) {
    if (!panel) {
        return;
    }
    const std::vector<QWidget*> order = screenOrder(panel);
    for (size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void keepTabsInScreenOrder(QWidget* panel) {
    if (panel &&
        !panel->findChild<QObject*>(QStringLiteral("tabOrderKeeper"), Qt::FindDirectChildrenOnly)) {
        new TabOrderKeeper(panel);
    }
}

}  // namespace vellex

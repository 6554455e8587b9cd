#pragma once

#include <QRect>
#include <vector>

class QWidget;

namespace vellex {

// The widgets of a page the keyboard reaches, in the order the user reads them on screen:
// lines top to bottom, each line left to right. Widgets inside a radio group count at
// their place on the page. Hidden widgets follow at the end.
std::vector<QWidget*> screenOrder(QWidget* panel);

// Sets the keyboard order of a page to its screen order.
void orderTabsByPosition(QWidget* panel);

// Keeps a page's keyboard order in its screen order from now on: whenever a widget of the
// page moves, appears, disappears or is created (a blank switch, a line mode, a new row
// count), the order is set again once the event loop runs.
void keepTabsInScreenOrder(QWidget* panel);

// A widget's rectangle in the page's coordinates.
QRect rectOnPanel(const QWidget* w, const QWidget* panel);

}  // namespace vellex

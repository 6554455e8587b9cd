#pragma once

#include <QString>

#include "gui/page_builder.h"

namespace vellex {

// The name a screen reader or desktop automation finds for a table cell:
// «2-я страница, строка 5, оценка».
QString cellAccessibleName(Table t, int row, Column c);

// Gives every field, cell, choice, check box and button of the pages an accessible name
// taken from its caption. Widgets that already have one keep it, so it is cheap to call
// again after a table is rebuilt.
void nameForScreenReaders(const PageWidgets& widgets);

}  // namespace vellex

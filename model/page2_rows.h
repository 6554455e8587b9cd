#pragma once

#include <optional>

// Changing the page-2 row mode.
namespace vellex {

// Rows `first`…`last` (1-based) that hold text and would be dropped.
struct DroppedRows {
    int first = 0;
    int last = 0;
    bool operator==(const DroppedRows&) const = default;
};

// Rows 1…min(old, new) are kept; the user is asked only when a smaller table would drop
// rows up to `lastFilled`, the last row with text (0: none).
std::optional<DroppedRows> rowsDroppedByResize(int oldRows, int newRows, int lastFilled);

}  // namespace vellex

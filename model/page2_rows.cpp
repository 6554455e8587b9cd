#include "model/page2_rows.h"

namespace vellex {

std::optional<DroppedRows> rowsDroppedByResize(int oldRows, int newRows, int lastFilled) {
    if (newRows < oldRows && lastFilled > newRows) {
        return DroppedRows{newRows + 1, lastFilled};
    }
    return std::nullopt;
}

}  // namespace vellex

#include "model/blank_place.h"

namespace vellex {

Placement placeOnBlank(const DesignedPlace& designed, bool caption,
                       const std::optional<BlankPlace>& place) {
    Placement out{designed.rect, caption ? designed.wrapWidth : 0};
    if (!place) {
        return out;
    }
    out.rect.x = place->x;
    out.rect.y = place->y;
    if (place->width > 0) {
        if (caption) {
            out.wrapWidth = place->width;
        } else {
            out.rect.width = place->width;
        }
    }
    return out;
}

}  // namespace vellex

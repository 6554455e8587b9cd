#pragma once

#include <optional>

// Where a component of a page stands under the blank version the page shows.
namespace vellex {

struct PlaceRect {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const PlaceRect&) const = default;
};

// A component's place as designed, kept the first time a blank version moves it so that
// every later switch starts from it. `wrapWidth` is a caption's wrapping width (0: one
// line).
struct DesignedPlace {
    PlaceRect rect;
    int wrapWidth = 0;
};

// What a blank version says for a component: its top-left corner, and a width (0: the
// designed one) that a caption wraps at and any other component takes.
struct BlankPlace {
    int x = 0, y = 0, width = 0;
};

struct Placement {
    PlaceRect rect;
    int wrapWidth = 0;  // captions only
    bool operator==(const Placement&) const = default;
};

// A component the blank does not place goes back to its designed place.
Placement placeOnBlank(const DesignedPlace& designed, bool caption,
                       const std::optional<BlankPlace>& place);

}  // namespace vellex

#pragma once

#include <optional>
#include <vector>

#include "model/document.h"

// Which lines the line-count choices show, and how far fewer qualification lines move
// the specialty lines up under them.
namespace vellex {

struct LineModeLayout {
    struct Line {
        Field field;
        bool shown;
    };
    // Lines whose visibility follows a choice; a line not listed is left as it is.
    std::vector<Line> lines;
    // How far the specialty lines (and their caption) stand below their designed place;
    // empty when the blank has none to move.
    std::optional<int> specialtyDropSpo;
    std::optional<int> specialtyDropNpo;
};

// `spoVersion` and `npoVersion` are the blank versions the two supplement pages show.
// Under the 2010 blank (version 2) "3 строки" leaves the qualification lines as the
// blank laid them out, and the specialty lines stand elsewhere.
LineModeLayout lineModeLayout(const Document& doc, int spoVersion, int npoVersion);

// Under the blanks before 2010 the diploma's extra top line shows only while its flag is
// ticked; the 2010 blank decides for itself (empty).
std::optional<bool> diplomaTopLineShown(const Document& doc, int diplomaVersion);

}  // namespace vellex

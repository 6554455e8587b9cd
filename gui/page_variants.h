#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "model/document.h"

// What each page shows under each blank edition ("VellexVersion" 0 "1997 - 2006",
// 1 "2007 / 2008", 2 "2010 / 2011"), as tables: one row per component of the page with
// its caption and visibility per edition. The window applies a page's rows when the page
// is switched; fields are only shown or hidden, never emptied.
namespace vellex {

inline constexpr int kVersionCount = 3;

enum class Shown : std::uint8_t {
    Keep,  // as it stands
    Show,
    Hide,
    LineUp,  // follows the "Строчка сверху" flag
};

struct VariantRow {
    const char* name;  // component name; "Disciplines4"/"Disciplines7": the whole table
    std::array<const char*, kVersionCount> text;  // UTF-8 caption; nullptr: unchanged
    std::array<Shown, kVersionCount> shown;
};

// A caption's type under an edition (point size 0: the window's usual size).
struct VariantFont {
    const char* name;
    int version;
    int pointSize;
    bool bold, italic;
};

// A radio group laid out in this many columns under an edition.
struct VariantColumns {
    const char* name;
    std::array<int, kVersionCount> columns;
};

// Where a component stands under a blank version when not in its designed place: the
// 2010 blanks run in one column, the 2007 ones have extra lines (width 0: unchanged; for a
// caption, the width it wraps in).
struct VariantPlace {
    const char* name;
    int x, y, width;
};

// The signature block of pages 2 and 3 under version 2, below the table's clear
// buttons: each component's offset from the block's left and top.
struct SignatureSlot {
    const char* page2Name;
    const char* page3Name;
    int dx, dy, width;  // width 0: the caption's own
};
std::span<const SignatureSlot> signatureSlots();
inline constexpr int kSignatureBlockHeight = 90;  // the print button follows

// The rows of a page, in the order they apply.
std::span<const VariantRow> pageVariants(Page page);
std::span<const VariantFont> variantFonts(Page page);
std::span<const VariantColumns> variantColumns();
std::span<const VariantPlace> variantPlaces(Page page, int version);

// The captions the diploma type sets: page 2's heading (Label4), the diploma's heading
// (Label8) and its blank number (lDiplomNum); under version 2 page 3's Label87 and Label94
// repeat Label4 and Label8.
struct DiplomaTypeCaptions {
    const char* heading2;     // Label4
    const char* heading;      // Label8
    const char* blankNumber;  // lDiplomNum
};
DiplomaTypeCaptions diplomaTypeCaptions(int version, int profEduType);

// The academic page's type captions under version 2 (СПО or НПО by the diploma type).
std::span<const VariantRow> academicTypeRows(int profEduType);

// The page's state for a version outside 0..2: the nearest one.
int clampVersion(int version);

}  // namespace vellex

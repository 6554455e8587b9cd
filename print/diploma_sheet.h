#pragma once

#include "print/title_sheet_common.h"

// The diploma sheet: four blanks (rgProfEduType 0 portrait secondary, 1 portrait initial,
// 2 landscape secondary, 3 landscape initial) in three editions ("VellexVersion").
namespace vellex {

class Document;
struct Settings;

// The diploma variant a print uses: the item of rgProfEduType. No item chosen (-1) prints
// on the first blank, as the window shows it at start.
int diplomaVariant(const Document& doc);

// Placement stage: clears the report and places every box of the variant and edition,
// the duplicate mark first when "Дубликат" (cbCopySign) is ticked. The block shifts
// midDeltaYDiplom1…5 are part of the positions (editions 0 and 1).
SheetBoxes placeDiploma(TReport& report, const Document& doc, const Settings& settings, int variant,
                        int edition);

// Content stage on the boxes `placeDiploma` made: bold per block, italic, the sheet
// shift, block font sizes and the texts.
void fillDiploma(const SheetBoxes& boxes, const Document& doc, const Settings& settings,
                 int edition);

// Both stages for the variant chosen in `doc` and the edition of `settings`.
void layoutDiploma(const Document& doc, const Settings& settings, TReport& report);

}  // namespace vellex

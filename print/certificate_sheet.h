#pragma once

#include "print/title_sheet_common.h"

// The certificate of qualification level: a portrait and a landscape blank
// (rgProfEduTypeCert 0 and 1) in three editions, of which 0 and 1 print alike.
namespace vellex {

class Document;
struct Settings;
struct SheetOptions;

// Placement stage: clears the report and places every box of the variant and edition, the
// duplicate mark first when "Дубликат" (cbCopySignDbl) is ticked. The cumulative block
// shifts midDeltaYCert1…4 are part of the positions (editions 0 and 1).
SheetBoxes placeCertificate(TReport& report, const Document& doc, const Settings& settings,
                            int variant, int edition);

// Content stage on the boxes `placeCertificate` made: one bold and one italic switch for
// the sheet, the sheet shift, block font sizes and the texts.
void fillCertificate(const SheetBoxes& boxes, const Document& doc, const Settings& settings,
                     int edition, bool bold, bool italic);

// Both stages with the blank and the style switches of `doc`, unless `options` imposes
// them, and the edition of `settings`.
void layoutCertificate(const Document& doc, const Settings& settings, const SheetOptions& options,
                       TReport& report);

}  // namespace vellex

#pragma once

#include "model/document.h"

// The code a print command records for the sheet it prints.
namespace vellex {

// The diploma and the certificate record the blank chosen on their page (the diploma
// type, the certificate's orientation); every other page records its sheet number.
int printedSheetCode(Page page, const Document& doc);

}  // namespace vellex

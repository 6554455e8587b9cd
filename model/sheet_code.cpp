#include "model/sheet_code.h"

namespace vellex {

int printedSheetCode(Page page, const Document& doc) {
    switch (page) {
        case Page::Diploma:
            return doc.choice(Choice::rgProfEduType);
        case Page::Certificate:
            return doc.choice(Choice::rgProfEduTypeCert);
        default:
            return static_cast<int>(page);
    }
}

}  // namespace vellex

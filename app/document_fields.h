#pragma once

// Every text field of the document, once: VELLEX_FIELD(component name, sheet, kind).
// Order: the pages in tab order, each page's fields top to bottom, the run-time line
// groups where they stand on their page.
#define VELLEX_FIELDS(X)                                  \
    X(edTownDiplom0, Page::Diploma, FieldKind::Text)       \
    X(edTownDiplom, Page::Diploma, FieldKind::Text)        \
    X(edSurName, Page::SupplementSpo, FieldKind::Text)     \
    X(edName, Page::SupplementSpo, FieldKind::Text)        \
    X(edTrial1, Page::SupplementSpo, FieldKind::Text)      \
    X(edTimeLernNPO_0, Page::SupplementNpo, FieldKind::Placeholder) \
    X(memoExamMore, Page::SupplementSpo, FieldKind::Memo)
// (to be completed with every field of every page)

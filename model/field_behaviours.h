#pragma once

#include <span>
#include <vector>

#include "model/document.h"

// What the fields of the diploma and certificate pages do besides taking typed text:
// the font style their flags give them, "Строчка сверху", the "Очистить" buttons and the
// copy of a text into the still empty fields of other pages when a field is left.
namespace vellex {

// Leaving `source` copies its text into each of `targets` that is empty at that moment,
// in the listed order; `version2Only` rules apply under "VellexVersion" 2 only.
struct LeaveCopyRule {
    Field source;
    std::span<const Field> targets;
    bool version2Only = false;
};

std::span<const LeaveCopyRule> leaveCopyRules();

// Runs the rule of the field left, if it has one: returns the fields that were filled.
// A copy only sets the target's text; it does not run the target's own rule.
std::vector<Field> copyOnLeaving(Document& doc, Field left, int vellexVersion);

// "Очистить": every cell of the column empties; the other columns stay.
void clearTableColumn(Document& doc, Table t, Column c);

// "Строчка сверху": unticking discards the extra line's text.
void setAddLineUp(Document& doc, bool on);

// The on-screen font style of a field under the flags; plain for fields no flag covers.
struct FieldStyle {
    bool bold = false;
    bool italic = false;
    friend bool operator==(const FieldStyle&, const FieldStyle&) = default;
};
FieldStyle fieldStyle(const Document& doc, Field f, int vellexVersion);

// The fields whose style any flag may change, for the window to restyle.
std::span<const Field> styledFields();

}  // namespace vellex

#include "model/document.h"

#include <algorithm>
#include <cassert>

namespace vellex {
namespace {

struct FieldInfo {
    std::string_view name;
    Page page;
    FieldKind kind;
};

constexpr FieldInfo kFields[] = {
#define VELLEX_FIELD(name, page, kind) {#name, page, kind},
    VELLEX_FIELDS(VELLEX_FIELD)
#undef VELLEX_FIELD
};
static_assert(std::size(kFields) == kFieldCount);

// Field names sorted, for lookups by name (the document file and the window look up
// every field by name, so a linear scan per call would be quadratic overall).
struct NameIndexEntry {
    std::string_view name;
    Field field;
};

const std::vector<NameIndexEntry>& nameIndex() {
    static const std::vector<NameIndexEntry> index = [] {
        std::vector<NameIndexEntry> v;
        v.reserve(kFieldCount);
        for (int i = 0; i < kFieldCount; ++i) {
            v.push_back({kFields[i].name, static_cast<Field>(i)});
        }
        std::sort(v.begin(), v.end(),
                  [](const NameIndexEntry& a, const NameIndexEntry& b) { return a.name < b.name; });
        return v;
    }();
    return index;
}

struct GroupInfo {
    Group group;
    Field first;  // the field of line firstLine
    int firstLine;
    int lastLine;
};

// The line groups are contiguous in the field table, so a line is an offset from the
// group's first field.
constexpr GroupInfo kGroups[] = {
    {Group::edSchool, Field::edSchool1, 1, 6},
    {Group::edSpecRight, Field::edSpecRight1, 1, 5},
    {Group::edCourseWork, Field::edCourseWork1, 1, 4},
    {Group::edPraktic, Field::edPraktic1, 1, 4},
    {Group::edExamMore, Field::edExamMore1, 1, 10},
    {Group::edSchoolNPO, Field::edSchoolNPO1, 1, 6},
    {Group::edSpecRightNPO, Field::edSpecRightNPO1, 1, 5},
    {Group::edExamMoreNPO, Field::edExamMoreNPO2, 2, 7},
    {Group::edSchool4, Field::edSchool41, 1, 6},
    {Group::edReason4, Field::edReason41, 1, 6},
    {Group::edSchool7, Field::edSchool71, 1, 4},
    {Group::edQualify7, Field::edQualify71, 1, 6},
};

constexpr int distance(Field from, Field to) {
    return static_cast<int>(to) - static_cast<int>(from);
}
static_assert(distance(Field::edSchool1, Field::edSchool6) == 5);
static_assert(distance(Field::edSpecRight1, Field::edSpecRight5) == 4);
static_assert(distance(Field::edCourseWork1, Field::edCourseWork4) == 3);
static_assert(distance(Field::edPraktic1, Field::edPraktic4) == 3);
static_assert(distance(Field::edExamMore1, Field::edExamMore10) == 9);
static_assert(distance(Field::edSchoolNPO1, Field::edSchoolNPO6) == 5);
static_assert(distance(Field::edSpecRightNPO1, Field::edSpecRightNPO5) == 4);
static_assert(distance(Field::edExamMoreNPO2, Field::edExamMoreNPO7) == 5);
static_assert(distance(Field::edSchool41, Field::edSchool46) == 5);
static_assert(distance(Field::edReason41, Field::edReason46) == 5);
static_assert(distance(Field::edSchool71, Field::edSchool74) == 3);
static_assert(distance(Field::edQualify71, Field::edQualify76) == 5);

const GroupInfo& groupInfo(Group g) {
    const auto i = static_cast<std::size_t>(g);
    assert(i < std::size(kGroups) && kGroups[i].group == g);
    return kGroups[i];
}

constexpr std::string_view kTableNames[] = {"Disciplines", "Disciplines8", "Disciplines4",
                                            "Disciplines7"};
// Rows of the fixed tables; the page-2 table's count comes from the settings.
constexpr int kFixedRows[] = {0, 48, 26, 34};
constexpr std::string_view kColumnNames[] = {"Discipline", "AudTime", "Value"};
constexpr int kColumnCount = 3;

constexpr std::string_view kFlagNames[] = {
    "cbBold_Diplom",  "cbItalic_Diplom",    "cbAddLineUp_Diplom",   "cbCopySign",
    "cbBold_Diplom1", "cbBold_Diplom2",     "cbBold_Diplom3",       "cbBold_Diplom4",
    "cbBold_Diplom5", "cbBold_Certificate", "cbItalic_Certificate", "cbCopySignDbl",
};
static_assert(std::size(kFlagNames) == kFlagCount);

struct ChoiceInfo {
    std::string_view name;
    int items;
    int designedDefault;
};

constexpr ChoiceInfo kChoices[] = {
    {"rgProfEduType", 4, 0},       {"rgSchool", 2, 0},     {"rgQualify", 2, 0},
    {"rgSchoolNPO", 2, 0},         {"rgQualifyNPO", 2, 0}, {"rgProfEduTypeCert", 2, 0},
    {"rgProfEduTypeAcadem", 2, 0}, {"cbTrial", 2, -1},
};
static_assert(std::size(kChoices) == kChoiceCount);

// The SPO line-mode groups and their NPO twins always show the same item.
std::optional<Choice> twinOf(Choice c) {
    switch (c) {
        case Choice::rgSchool:
            return Choice::rgSchoolNPO;
        case Choice::rgSchoolNPO:
            return Choice::rgSchool;
        case Choice::rgQualify:
            return Choice::rgQualifyNPO;
        case Choice::rgQualifyNPO:
            return Choice::rgQualify;
        default:
            return std::nullopt;
    }
}

const std::string& emptyText() {
    static const std::string empty;
    return empty;
}

// CP1251 bytes of the designed texts.
constexpr const char* kPassedText = "\xEF\xF0\xEE\xF8\xE5\xEB";  // "прошел"
constexpr const char* kInvisibleText =
    "\xED\xE5\xE2\xE8\xE4\xE8\xEC\xFB\xE9\x20\xEE\xE1\xFA\xE5\xEA\xF2";  // "невидимый объект"

bool validField(Field f) {
    return static_cast<int>(f) < kFieldCount;
}

}  // namespace

std::string_view fieldName(Field f) {
    assert(validField(f));
    return validField(f) ? kFields[static_cast<int>(f)].name : std::string_view{};
}

std::optional<Field> fieldByName(std::string_view name) {
    const auto& index = nameIndex();
    const auto it =
        std::lower_bound(index.begin(), index.end(), name,
                         [](const NameIndexEntry& e, std::string_view n) { return e.name < n; });
    if (it == index.end() || it->name != name) {
        return std::nullopt;
    }
    return it->field;
}

Page fieldPage(Field f) {
    assert(validField(f));
    return validField(f) ? kFields[static_cast<int>(f)].page : Page::Diploma;
}

FieldKind fieldKind(Field f) {
    assert(validField(f));
    return validField(f) ? kFields[static_cast<int>(f)].kind : FieldKind::Text;
}

int groupFirstLine(Group g) {
    return groupInfo(g).firstLine;
}
int groupLastLine(Group g) {
    return groupInfo(g).lastLine;
}

Field groupLine(Group g, int line) {
    const GroupInfo& info = groupInfo(g);
    assert(line >= info.firstLine && line <= info.lastLine);
    // Clamped so that a wrong line number in a release build stays inside the group.
    const int clamped = std::clamp(line, info.firstLine, info.lastLine);
    return static_cast<Field>(static_cast<int>(info.first) + clamped - info.firstLine);
}

std::string_view tableName(Table t) {
    return kTableNames[static_cast<int>(t)];
}
std::string_view columnName(Column c) {
    return kColumnNames[static_cast<int>(c)];
}
std::string_view flagName(Flag f) {
    return kFlagNames[static_cast<int>(f)];
}
std::string_view choiceName(Choice c) {
    return kChoices[static_cast<int>(c)].name;
}

int rowsForMode(int modeNDiscipl) {
    switch (modeNDiscipl) {
        case 1:
            return 62;
        case 2:
            return 58;
        case 4:
        case 5:
            return 94;
        default:
            return 54;
    }
}

Document::Document(int rowsPage2) : texts_(kFieldCount) {
    texts_[static_cast<int>(Field::edTrial1)] = kPassedText;
    texts_[static_cast<int>(Field::edTimeLernNPO_0)] = kInvisibleText;
    for (int t = 1; t < 4; ++t) {
        tables_[t].assign(static_cast<std::size_t>(kFixedRows[t] * kColumnCount), std::string());
    }
    rebuildPage2(rowsPage2);
    for (int c = 0; c < kChoiceCount; ++c) {
        choices_[c] = kChoices[c].designedDefault;
    }
}

const std::string& Document::text(Field f) const {
    assert(validField(f));
    return validField(f) ? texts_[static_cast<int>(f)] : emptyText();
}

void Document::setText(Field f, std::string value) {
    assert(validField(f));
    if (validField(f)) {
        texts_[static_cast<int>(f)] = std::move(value);
    }
}

const std::string& Document::line(Group g, int line) const {
    const GroupInfo& info = groupInfo(g);
    assert(line >= info.firstLine && line <= info.lastLine);
    if (line < info.firstLine || line > info.lastLine) {
        return emptyText();
    }
    return text(groupLine(g, line));
}

void Document::setLine(Group g, int line, std::string value) {
    const GroupInfo& info = groupInfo(g);
    assert(line >= info.firstLine && line <= info.lastLine);
    if (line < info.firstLine || line > info.lastLine) {
        return;
    }
    setText(groupLine(g, line), std::move(value));
}

int Document::rowCount(Table t) const {
    return static_cast<int>(tables_[static_cast<int>(t)].size()) / kColumnCount;
}

const std::string& Document::cell(Table t, int row, Column c) const {
    const auto& cells = tables_[static_cast<int>(t)];
    assert(row >= 1 && row <= rowCount(t));
    if (row < 1 || row > rowCount(t)) {
        return emptyText();
    }
    return cells[static_cast<std::size_t>((row - 1) * kColumnCount + static_cast<int>(c))];
}

void Document::setCell(Table t, int row, Column c, std::string value) {
    auto& cells = tables_[static_cast<int>(t)];
    assert(row >= 1 && row <= rowCount(t));
    if (row < 1 || row > rowCount(t)) {
        return;
    }
    cells[static_cast<std::size_t>((row - 1) * kColumnCount + static_cast<int>(c))] =
        std::move(value);
}

void Document::rebuildPage2(int rows) {
    const int n = std::clamp(rows, 1, kMaxRowsPage2);
    auto& cells = tables_[static_cast<int>(Table::Disciplines)];
    // A rebuilt table starts empty: whatever the old one held is dropped.
    cells.clear();
    cells.resize(static_cast<std::size_t>(n * kColumnCount));
}

void Document::resizePage2(int rows) {
    const int n = std::clamp(rows, 1, kMaxRowsPage2);
    tables_[static_cast<int>(Table::Disciplines)].resize(
        static_cast<std::size_t>(n * kColumnCount));
}

int Document::lastFilledRow(Table t) const {
    const auto& cells = tables_[static_cast<int>(t)];
    for (std::size_t i = cells.size(); i > 0; --i) {
        if (!cells[i - 1].empty())
            return static_cast<int>((i - 1) / kColumnCount) + 1;
    }
    return 0;
}

bool Document::flag(Flag f) const {
    return flags_[static_cast<int>(f)];
}
void Document::setFlag(Flag f, bool on) {
    flags_[static_cast<int>(f)] = on;
    switch (f) {
        case Flag::cbCopySign:
            flags_[static_cast<int>(Flag::cbCopySignDbl)] = on;
            break;
        case Flag::cbCopySignDbl:
            flags_[static_cast<int>(Flag::cbCopySign)] = on;
            break;
        case Flag::cbBold_Diplom:
            for (Flag line : {Flag::cbBold_Diplom1, Flag::cbBold_Diplom2, Flag::cbBold_Diplom3,
                              Flag::cbBold_Diplom4, Flag::cbBold_Diplom5}) {
                flags_[static_cast<int>(line)] = on;
            }
            break;
        default:
            break;
    }
}

int Document::choice(Choice c) const {
    return choices_[static_cast<int>(c)];
}

void Document::setChoice(Choice c, int item) {
    // Values come from the settings file unchecked; an item past either end lands on the
    // nearest one, -1 meaning none.
    const int v = std::clamp(item, -1, kChoices[static_cast<int>(c)].items - 1);
    choices_[static_cast<int>(c)] = v;
    if (const auto twin = twinOf(c)) {
        choices_[static_cast<int>(*twin)] = v;
    }
}

}  // namespace vellex

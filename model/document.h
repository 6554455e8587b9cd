#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/document_fields.h"

// The document: everything the operator types in for one student, named by the
// components of the window (edSurName, edSchool3, Disciplines4 row 3 AudTime).
// Texts are CP1251 bytes. The window binds its widgets to this model; every command
// (open, save, copy, pick a student, print) works on it.
namespace vellex {

// Sheet numbers; the tab order of the window is Diploma, SupplementSpo, SupplementNpo,
// Page2, Page3, Academic, Certificate, CertSupplement.
enum class Page : std::uint8_t {
    SupplementSpo = 1,
    Page2 = 2,
    Diploma = 3,
    Academic = 4,
    SupplementNpo = 5,
    Certificate = 6,
    CertSupplement = 7,
    Page3 = 8,
};

enum class FieldKind : std::uint8_t {
    Text,         // a single-line edit, saved in the document file
    Memo,         // a multi-line free text, never saved
    Placeholder,  // a hidden design placeholder, never saved
};

// Every text field, the run-time line groups included (edSchool1 … edSchool6 are six
// enumerators), declared once in document_fields.h.
enum class Field : std::uint16_t {
#define VELLEX_FIELD(name, page, kind) name,
    VELLEX_FIELDS(VELLEX_FIELD)
#undef VELLEX_FIELD
};
inline constexpr int kFieldCount = 0
#define VELLEX_FIELD(name, page, kind) +1
    VELLEX_FIELDS(VELLEX_FIELD)
#undef VELLEX_FIELD
    ;

std::string_view fieldName(Field f);
std::optional<Field> fieldByName(std::string_view name);
Page fieldPage(Field f);
FieldKind fieldKind(Field f);

// The run-time line groups, addressed by their 1-based line number.
enum class Group : std::uint8_t {
    edSchool,        // 1..6
    edSpecRight,     // 1..5
    edCourseWork,    // 1..4
    edPraktic,       // 1..4
    edExamMore,      // 1..10
    edSchoolNPO,     // 1..6
    edSpecRightNPO,  // 1..5
    edExamMoreNPO,   // 2..7 (line 1 is the designed field edExamMoreNPO1)
    edSchool4,       // edSchool41 … edSchool46
    edReason4,       // edReason41 … edReason46
    edSchool7,       // edSchool71 … edSchool74
    edQualify7,      // edQualify71 … edQualify76
};
int groupFirstLine(Group g);
int groupLastLine(Group g);
// The field of line `line` of the group; `line` must lie in [first, last].
Field groupLine(Group g, int line);

enum class Table : std::uint8_t { Disciplines, Disciplines8, Disciplines4, Disciplines7 };
enum class Column : std::uint8_t { Discipline, AudTime, Value };
std::string_view tableName(Table t);
std::string_view columnName(Column c);

// Check boxes.
enum class Flag : std::uint8_t {
    cbBold_Diplom,
    cbItalic_Diplom,
    cbAddLineUp_Diplom,
    cbCopySign,
    cbBold_Diplom1,
    cbBold_Diplom2,
    cbBold_Diplom3,
    cbBold_Diplom4,
    cbBold_Diplom5,
    cbBold_Certificate,
    cbItalic_Certificate,
    cbCopySignDbl,
};
inline constexpr int kFlagCount = 12;
std::string_view flagName(Flag f);

// Radio groups and the cbTrial drop-down: the chosen item, -1 when none.
enum class Choice : std::uint8_t {
    rgProfEduType,  // "СПО", "НПО", "СПО (Альбомный лист)", "НПО (Альбомный лист)"
    rgSchool,       // "4 строки", "6 строк"
    rgQualify,      // "1 строка", "3 строки"
    rgSchoolNPO,    // "4 строки", "6 строк"
    rgQualifyNPO,   // "2 строки", "3 строки"
    rgProfEduTypeCert,    // "Книжный лист", "Альбомный лист"
    rgProfEduTypeAcadem,  // "СПО", "НПО"
    cbTrial,              // "прошел", "прошла"
};
inline constexpr int kChoiceCount = 8;
std::string_view choiceName(Choice c);

inline constexpr int kMaxRowsPage2 = 94;

// Rows of the page-2 table for a "mode_N_Discipl" value: 0 → 54, 1 → 62, 2 → 58,
// 3 → 54, 4 and 5 → 94, anything else → 54.
int rowsForMode(int modeNDiscipl);

class Document final {
  public:
    // A new document as the window has it at creation: every field empty except
    // edTrial1 ("прошел") and edTimeLernNPO_0 ("невидимый объект"), no choices made
    // (designed defaults: the radio groups on their first item), flags clear.
    explicit Document(int rowsPage2 = 54);

    const std::string& text(Field f) const;
    void setText(Field f, std::string value);

    // A line outside the group reads as empty and is not written.
    const std::string& line(Group g, int line) const;
    void setLine(Group g, int line, std::string value);

    int rowCount(Table t) const;
    // Rows are 1-based.
    const std::string& cell(Table t, int row, Column c) const;
    void setCell(Table t, int row, Column c, std::string value);

    // Frees the page-2 table and builds an empty one of `rows` rows (1..94, clamped).
    void rebuildPage2(int rows);
    // Gives the page-2 table `rows` rows (1..94, clamped), keeping rows 1…min(old, new)
    // with their texts: a change of the row mode must not drop what was typed.
    void resizePage2(int rows);
    // The last row of `t` with any text in it; 0 when the table is empty.
    int lastFilledRow(Table t) const;

    // Every field, cell, flag and choice equal.
    friend bool operator==(const Document&, const Document&) = default;

    bool flag(Flag f) const;
    // cbCopySign and cbCopySignDbl are one setting shown on two pages: setting either sets
    // both. cbBold_Diplom sets the five line flags cbBold_Diplom1 … cbBold_Diplom5 with it.
    void setFlag(Flag f, bool on);

    int choice(Choice c) const;
    // An item past either end lands on the nearest one (-1 is none). rgSchool/rgSchoolNPO
    // and rgQualify/rgQualifyNPO are twins: setting one sets the other to the same item.
    void setChoice(Choice c, int item);

  private:
    std::vector<std::string> texts_;
    std::array<std::vector<std::string>, 4> tables_;  // row-major: (row-1)*3 + column
    std::array<bool, kFlagCount> flags_{};
    std::array<int, kChoiceCount> choices_{};
};

}  // namespace vellex

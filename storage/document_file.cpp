#include "storage/document_file.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <span>
#include <string_view>
#include <system_error>

#include "report/field_captions.h"
#include "storage/settings.h"
#include "text/file_io.h"
#include "text/line_cursor.h"

namespace vellex {
namespace {

namespace fs = std::filesystem;

// A line longer than any field may be, found while reading.
struct CutField {
    std::string role;  // the field as the page model names it
    int line = 0;
    std::size_t length = 0;
};

std::string cutFieldWarning(const fs::path& path, const CutField& cut) {
    return "Документ «" + pathToUtf8(path) + "», строка " + std::to_string(cut.line) + ": поле «" +
           fieldCaption(cut.role) + "» длиннее " + std::to_string(kMaxFieldChars) + " символов (" +
           std::to_string(cut.length) + "): прочитаны первые " + std::to_string(kMaxFieldChars) +
           ". Файл не изменится, пока документ не сохранён.";
}

// Which variants of the file a block line belongs to.
enum class When : std::uint8_t {
    Always,
    CurrentLayout,         // lines the older layouts lack
    CurrentOrRelease4233,  // the fifth specialty/profession line: current layout and 4.2.3.338
    Version1,              // the 2007/2008 edition's extra lines of block 3
    NotVersion1,
};

enum class Kind : std::uint8_t { Fields, TrialChoice, DisciplineTable };

// One row of a block: a run of consecutive fields, the cbTrial line, or a whole table.
struct Item {
    Kind kind;
    Field first;
    Field last;
    Table table = Table::Disciplines;
    When when = When::Always;
};

constexpr Item F(Field f, When w = When::Always) {
    return {Kind::Fields, f, f, Table{}, w};
}
constexpr Item Run(Field a, Field b, When w = When::Always) {
    return {Kind::Fields, a, b, Table{}, w};
}
constexpr Item T(Table t) {
    return {Kind::DisciplineTable, Field{}, Field{}, t, When::Always};
}
constexpr Item Trial() {
    return {Kind::TrialChoice, Field{}, Field{}, Table{}, When::Always};
}

constexpr Item kDiploma[] = {
    F(Field::edTownDiplom0),
    F(Field::edTownDiplom),
    Run(Field::edSchoolDiplom1, Field::edSchoolDiplom2),
    F(Field::edPresentDateDiplom),
    Run(Field::edStudentDiplom1, Field::edStudentDiplom2),
    Run(Field::edQualifyDiplom1, Field::edQualifyDiplom3),
    Run(Field::edSpecDiplom1, Field::edSpecDiplom4),
    F(Field::edRegNoDiplom),
    F(Field::edDateOutDiplom),
    F(Field::edPredGosAttCom),
    F(Field::edRukObrazUch),
};

constexpr Item kCertificate[] = {
    F(Field::edTownCertificate0),
    F(Field::edTownCertificate),
    Run(Field::edSchoolCertificate1, Field::edSchoolCertificate2),
    F(Field::edPresentDateCertificate),
    Run(Field::edStudentCertificate1, Field::edStudentCertificate2),
    Run(Field::edQualifyCertificate1, Field::edQualifyCertificate5),
    F(Field::edRegNoCertificate),
    F(Field::edDateOutCertificate),
};

constexpr Item kSupplementSpo[] = {
    F(Field::edTown),
    Run(Field::edSchool1, Field::edSchool4),
    Run(Field::edSchool5, Field::edSchool6, When::CurrentLayout),
    Run(Field::edSurName, Field::edBirthDay),
    Trial(),
    Run(Field::edPrevDocum1, Field::edPrevDocum3),
    Run(Field::edEntry1, Field::edEntry3),
    Run(Field::edNumToDipl, Field::edDateOut),
    Run(Field::edEndLern1, Field::edEndLern3),
    F(Field::edPresentDate),
    Run(Field::edTimeLern, Field::edSpecialicy),
    Run(Field::edCourseWork1, Field::edCourseWork4),
    Run(Field::edPraktic1, Field::edPraktic3),
    F(Field::edPraktic4, When::NotVersion1),
    F(Field::edTimeLern2, When::Version1),
    Run(Field::edNameDiplPrj0, Field::edNameDiplPrj2),
    Run(Field::edResult1, Field::edExamen2),
    Run(Field::edExamMore1, Field::edExamMore6),
    Run(Field::edExamMore7, Field::edExamMore10, When::NotVersion1),
    Run(Field::edTrial1, Field::edTrial2, When::Version1),
    Run(Field::edSpecial2, Field::edSpecialicy2, When::Version1),
    F(Field::edQualify),
    Run(Field::edQualify2, Field::edQualify3, When::CurrentLayout),
    Run(Field::edSpecRight1, Field::edSpecRight4),
    F(Field::edSpecRight5, When::CurrentOrRelease4233),
};

constexpr Item kSupplementNpo[] = {
    F(Field::edTownNPO),
    Run(Field::edSchoolNPO1, Field::edSchoolNPO4),
    Run(Field::edSchoolNPO5, Field::edSchoolNPO6, When::CurrentLayout),
    Run(Field::edSurNameNPO, Field::edBirthDayNPO),
    Run(Field::edPrevDocumNPO1, Field::edPrevDocumNPO3),
    Run(Field::edEntryNPO1, Field::edEntryNPO3),
    Run(Field::edNumToDiplNPO, Field::edDateOutNPO),
    Run(Field::edEndLernNPO1, Field::edEndLernNPO3),
    F(Field::edPresentDateNPO),
    F(Field::edTimeLernNPO),
    Run(Field::edSpecialNPO1, Field::edExamenNPO3),
    Run(Field::edExamMoreNPO1, Field::edExamMoreNPO6),
    F(Field::edExamMoreNPO7, When::CurrentLayout),
    Run(Field::edQualifyNPO1, Field::edQualifyNPO2),
    F(Field::edQualifyNPO3, When::CurrentLayout),
    Run(Field::edSpecRightNPO1, Field::edSpecRightNPO4),
    F(Field::edSpecRightNPO5, When::CurrentOrRelease4233),
};

constexpr Item kAcademic[] = {
    Run(Field::edSurName4, Field::edBirthDay4),
    Run(Field::edPrevDocum41, Field::edPrevDocum43),
    F(Field::edEduDateFrom41),
    F(Field::edEduDateTo41),
    Run(Field::edEntry41, Field::edEntry44),
    F(Field::edFormOfEdu1),
    F(Field::edEduDateFrom42),
    F(Field::edEduDateTo42),
    Run(Field::edEducated41, Field::edEducated44),
    F(Field::edFormOfEdu2),
    Run(Field::edSpecial41, Field::edSpecial43),
    F(Field::edTown4),
    Run(Field::edSchool41, Field::edSchool46),
    Run(Field::edNumToDipl4, Field::edPresentDate4),
    Run(Field::edReason41, Field::edReason46),
    T(Table::Disciplines4),
};

constexpr Item kCertSupplement[] = {
    Run(Field::edSurName7, Field::edBirthDay7),
    Run(Field::edPrevDocum71, Field::edPrevDocum73),
    F(Field::edTown7),
    Run(Field::edSchool71, Field::edSchool74),
    Run(Field::edNumToDipl7, Field::edPresentDate7),
    Run(Field::edQualify71, Field::edQualify76),
    T(Table::Disciplines7),
};

constexpr Item kPage2[] = {
    T(Table::Disciplines),
    Run(Field::edRukObrazUch2, Field::edYearOut),
};

constexpr Item kDiplomaExtras[] = {
    F(Field::edStudentDiplom3),     F(Field::edSchoolDiplom3),      F(Field::edSchoolDiplom4),
    F(Field::edQualifyDiplom4),     F(Field::edQualifyDiplom5),     F(Field::edSpecDiplom5),
    F(Field::edPresentDateDiplom1), F(Field::edPresentDateDiplom2), F(Field::edDateOutDiplom1),
    F(Field::edDateOutDiplom2),     F(Field::edTimeLern2),
};

constexpr Item kPage3[] = {
    Run(Field::edNumToDiplSequel, Field::edRegNoSequel),
    T(Table::Disciplines8),
    Run(Field::edRukObrazUch8, Field::edYearOut8),
};

constexpr Item kCertificateExtras[] = {
    F(Field::edStudentCertificate3),
    Run(Field::edSchoolCertificate3, Field::edSchoolCertificate4),
    Run(Field::edDateOutCertificate1, Field::edDateOutCertificate2),
    Run(Field::edPresentDateCertificate1, Field::edPresentDateCertificate2),
    Run(Field::edPredGosAttComCert, Field::edRukObrazUchCert),
    F(Field::edAddName7),
    Run(Field::edDate1, Field::edDate3),
    Run(Field::edQualify5, Field::edQualify6),
    Run(Field::edNameDoc1, Field::edNameDoc2),
};

using Block = std::span<const Item>;

// Blocks 1..10 in the order of the current layout.
const Block kBlocks[] = {kDiploma,  kCertificate,      kSupplementSpo, kSupplementNpo,
                         kAcademic, kCertSupplement,   kPage2,         kDiplomaExtras,
                         kPage3,    kCertificateExtras};

// Block order per layout (indices into kBlocks).
constexpr int kCurrentOrder[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
constexpr int kRelease412Order[] = {2, 6, 0, 4, 3, 1, 5, 7, 8, 9};

std::span<const int> blockOrder(DocumentLayout layout) {
    if (layout == DocumentLayout::Release412)
        return kRelease412Order;
    return kCurrentOrder;
}

bool applies(When w, DocumentLayout layout, int version) {
    switch (w) {
        case When::Always:
            return true;
        case When::CurrentLayout:
            return layout == DocumentLayout::Current;
        case When::CurrentOrRelease4233:
            return layout == DocumentLayout::Current || layout == DocumentLayout::Release4233;
        case When::Version1:
            return version == 1;
        case When::NotVersion1:
            return version != 1;
    }
    return false;
}

constexpr Column kColumns[] = {Column::Discipline, Column::AudTime, Column::Value};

// cbTrial offers two items ("прошел", "прошла").
constexpr int kTrialItems = 2;

std::optional<int> parseDecimal(std::string_view s) {
    if (s.empty())
        return std::nullopt;
    const char* first = s.data();
    const char* last = first + s.size();
    if (*first == '+')
        ++first;
    int v = 0;
    const auto [ptr, ec] = std::from_chars(first, last, v);
    if (ec != std::errc() || ptr != last || first == last)
        return std::nullopt;
    return v;
}

// The file's lines one by one; past the end every line is empty.
class LineReader final {
  public:
    explicit LineReader(std::string_view text) : cursor_(text) {}

    std::string_view next() {
        std::string_view line;
        ++number_;
        return cursor_.next(line) ? line : std::string_view();
    }

    // The line number of the line `next` returned last, counted from 1.
    int number() const { return number_; }

  private:
    LineCursor cursor_;
    int number_ = 0;
};

class BlockReader final {
  public:
    BlockReader(std::string_view text, const DocumentReadOptions& o, Document& doc)
        : lines_(text), options_(o), doc_(doc) {}

    // Fields cut to kMaxFieldChars, in file order.
    const std::vector<CutField>& cutFields() const { return cut_; }

    void read(const Item& item) {
        if (!applies(item.when, options_.layout, options_.format.vellexVersion))
            return;
        switch (item.kind) {
            case Kind::Fields:
                for (int f = static_cast<int>(item.first); f <= static_cast<int>(item.last); ++f) {
                    const auto field = static_cast<Field>(f);
                    doc_.setText(field, fieldText(lines_.next(), [field] {
                                     return std::string(fieldName(field));
                                 }));
                }
                break;
            case Kind::TrialChoice: {
                const auto n = parseDecimal(lines_.next());
                doc_.setChoice(Choice::cbTrial, n && *n >= 0 && *n < kTrialItems ? *n : -1);
                break;
            }
            case Kind::DisciplineTable:
                readTable(item.table);
                break;
        }
    }

  private:
    void readTable(Table t) {
        const int rows = (t == Table::Disciplines && options_.rows86) ? 86 : doc_.rowCount(t);
        if (options_.format.saveStyle == 0) {
            for (Column c : kColumns) {
                for (int r = 1; r <= rows; ++r)
                    readCell(t, r, c);
            }
        } else if (options_.format.saveStyle == 1) {
            for (int r = 1; r <= rows; ++r) {
                for (Column c : kColumns)
                    readCell(t, r, c);
            }
        }
    }

    void readCell(Table t, int row, Column c) {
        const std::string line = fieldText(lines_.next(), [t, row, c] {
            return std::string(tableName(t)) + " row " + std::to_string(row) + " " +
                   std::string(columnName(c));
        });
        doc_.setCell(t, row, c, c == Column::Value ? gradeText(line) : line);
    }

    // No box shows more than a few hundred characters: a longer line is damage, and
    // keeping it whole would only make every layout of it slow.
    template <typename Role>
    std::string fieldText(std::string_view line, Role role) {
        if (line.size() <= kMaxFieldChars)
            return std::string(line);
        cut_.push_back({role(), lines_.number(), line.size()});
        return std::string(line.substr(0, kMaxFieldChars));
    }

    std::string gradeText(std::string_view line) const {
        if (options_.layout == DocumentLayout::Current || !options_.gradeList) {
            return std::string(line);
        }
        const auto n = parseDecimal(line);
        if (!n)
            return std::string(line);
        if (*n < 0)
            return {};
        if (static_cast<std::size_t>(*n) < options_.gradeList->size()) {
            return (*options_.gradeList)[static_cast<std::size_t>(*n)];
        }
        return std::string(line);
    }

    LineReader lines_;
    const DocumentReadOptions& options_;
    Document& doc_;
    std::vector<CutField> cut_;
};

class BlockWriter final {
  public:
    BlockWriter(const Document& doc, const DocumentFileFormat& f) : doc_(doc), format_(f) {}

    void write(const Item& item) {
        if (!applies(item.when, DocumentLayout::Current, format_.vellexVersion))
            return;
        switch (item.kind) {
            case Kind::Fields:
                for (int f = static_cast<int>(item.first); f <= static_cast<int>(item.last); ++f) {
                    line(doc_.text(static_cast<Field>(f)));
                }
                break;
            case Kind::TrialChoice:
                line(std::to_string(doc_.choice(Choice::cbTrial)));
                break;
            case Kind::DisciplineTable:
                writeTable(item.table);
                break;
        }
    }

    std::string take() { return std::move(out_); }

  private:
    void writeTable(Table t) {
        const int rows = doc_.rowCount(t);
        if (format_.saveStyle == 0) {
            for (Column c : kColumns) {
                for (int r = 1; r <= rows; ++r)
                    line(doc_.cell(t, r, c));
            }
        } else if (format_.saveStyle == 1) {
            for (int r = 1; r <= rows; ++r) {
                for (Column c : kColumns)
                    line(doc_.cell(t, r, c));
            }
        }
    }

    void line(std::string_view text) {
        const std::size_t start = out_.size();
        out_ += text;
        for (std::size_t i = start; i < out_.size(); ++i) {
            if (out_[i] == '\r' || out_[i] == '\n')
                out_[i] = ' ';
        }
        out_ += "\r\n";
    }

    const Document& doc_;
    const DocumentFileFormat& format_;
    std::string out_;
};

}  // namespace

DocumentFileFormat documentFileFormat(const Settings& s) {
    return {s.VellexVersion, s.SaveStyle, s.rowsPage2()};
}

int page2RowsAfterRead(const DocumentReadOptions& options) {
    int rows = std::clamp(options.format.rowsPage2, 1, kMaxRowsPage2);
    if (options.rows86 && rows < 86)
        rows = kMaxRowsPage2;
    return rows;
}

bool readDocumentText(const fs::path& path, std::string& text, std::string* error) {
    if (!readWholeFile(path, text, error, kMaxDocumentBytes))
        return false;
    if (text.find('\0') != std::string::npos) {
        if (error)
            *error = "Файл «" + pathToUtf8(path) +
                     "» не прочитан: в нём есть нулевые байты, это не текст.";
        return false;
    }
    // Only UTF-8 that spells Russian letters is refused: a document this program saved
    // must open even in the odd case that its other bytes happen to be valid UTF-8.
    if (looksLikeUtf8(text, true)) {
        if (error)
            *error = utf8FileMessage(path);
        return false;
    }
    if (const std::string_view other = otherRussianEncoding(text); !other.empty()) {
        if (error)
            *error = otherEncodingMessage(path, other);
        return false;
    }
    return true;
}

bool readDocument(const fs::path& path, const DocumentReadOptions& options, Document& doc,
                  std::string* error, std::vector<std::string>* warnings) {
    std::string text;
    if (!readDocumentText(path, text, error))
        return false;

    // Read into a copy so that nothing changes unless the whole read succeeds.
    Document copy = doc;
    const int rows = page2RowsAfterRead(options);
    if (copy.rowCount(Table::Disciplines) != rows)
        copy.rebuildPage2(rows);

    BlockReader reader(text, options, copy);
    for (int b : blockOrder(options.layout)) {
        for (const Item& item : kBlocks[b])
            reader.read(item);
    }
    doc = std::move(copy);
    if (warnings) {
        for (const CutField& cut : reader.cutFields())
            warnings->push_back(cutFieldWarning(path, cut));
    }
    return true;
}

std::string documentFileText(const Document& doc, const DocumentFileFormat& format) {
    BlockWriter writer(doc, format);
    for (int b : kCurrentOrder) {
        for (const Item& item : kBlocks[b])
            writer.write(item);
    }
    return writer.take();
}

bool writeDocument(const fs::path& path, const Document& doc, const DocumentFileFormat& format,
                   std::string* error) {
    return writeFileAtomically(path, documentFileText(doc, format), error);
}

int documentFileLineCount(DocumentLayout layout, const DocumentFileFormat& format, int rowsPage2) {
    const bool tables = format.saveStyle == 0 || format.saveStyle == 1;
    const Document shape(rowsPage2);
    int lines = 0;
    for (int b : blockOrder(layout)) {
        for (const Item& item : kBlocks[b]) {
            if (!applies(item.when, layout, format.vellexVersion))
                continue;
            switch (item.kind) {
                case Kind::Fields:
                    lines += static_cast<int>(item.last) - static_cast<int>(item.first) + 1;
                    break;
                case Kind::TrialChoice:
                    ++lines;
                    break;
                case Kind::DisciplineTable:
                    if (tables) {
                        lines += 3 * shape.rowCount(item.table);
                    }
                    break;
            }
        }
    }
    return lines;
}

int countDocumentLines(std::string_view text) {
    LineCursor cursor(text);
    std::string_view line;
    int lines = 0;
    while (cursor.next(line))
        ++lines;
    return lines;
}

int documentFileLineCount(const DocumentFileFormat& format, int rowsPage2) {
    const int tableRows = rowsPage2 + 48 + 26 + 34;
    const int tableLines = (format.saveStyle == 0 || format.saveStyle == 1) ? 3 * tableRows : 0;
    return 569 - 3 * (48 + 26 + 34) + tableLines;
}

}  // namespace vellex

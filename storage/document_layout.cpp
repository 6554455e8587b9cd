#include "storage/document_layout.h"

#include <array>
#include <system_error>

#include "model/document.h"
#include "storage/document_file.h"
#include "text/file_io.h"

namespace vellex {
namespace {

namespace fs = std::filesystem;

// Page-2 row counts of the row modes, and the 86 rows some 4.1.2 files hold.
constexpr std::array kModeRows = {54, 58, 62, 94};
constexpr int kOldRows = 86;

// No table lines at all: any "SaveStyle" but 0 and 1.
constexpr int kNoTables = 2;

const char* const kVersionNames[] = {"1997 - 2006", "2007 / 2008", "2010 / 2011"};
const char* const kRowModeNames[] = {"54 строки (весь лист)",
                                     "62 строки (весь лист)",
                                     "58 строк (сдвоенные)",
                                     "54 строки (2010)",
                                     "94 строки",
                                     "94 строки"};

std::string versionName(int v) {
    return v >= 0 && v < 3 ? kVersionNames[v] : std::to_string(v);
}

std::string rowModeName(int mode) {
    return mode >= 0 && mode < 6 ? kRowModeNames[mode] : "54 строки";
}

std::string saveStyleName(int style) {
    return style == 0 ? "Колонками" : style == 1 ? "Строками" : "без таблиц";
}

const char* releaseName(DocumentLayout layout) {
    switch (layout) {
        case DocumentLayout::Release412:
            return "4.1.2";
        case DocumentLayout::Release422:
            return "4.2.2";
        case DocumentLayout::Release4233:
            return "4.2.3.338";
        case DocumentLayout::Current:
            break;
    }
    return "";
}

bool hasTables(int style) {
    return style == 0 || style == 1;
}

bool isOlder(DocumentLayout layout) {
    return layout != DocumentLayout::Current;
}

// 4.1.2 and 4.2.2 files have the same line count: only the open command tells them apart.
bool countTwins(DocumentLayout a, DocumentLayout b) {
    auto twin = [](DocumentLayout l) {
        return l == DocumentLayout::Release412 || l == DocumentLayout::Release422;
    };
    return a == b || (twin(a) && twin(b));
}

// The row mode for `rows`: the given one when it has them, else the usual one.
int rowModeFor(int rows, int preferred) {
    if (rows == kOldRows)
        rows = kMaxRowsPage2;
    if (rowsForMode(preferred) == rows)
        return preferred;
    switch (rows) {
        case 62:
            return 1;
        case 58:
            return 2;
        case 94:
            return 4;
        default:
            return 3;
    }
}

struct Match {
    DocumentLayout layout;
    int style;
    int rows;
};

std::string joinCounts(const std::vector<int>& counts) {
    std::string out;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        if (i > 0)
            out += i + 1 == counts.size() ? " или " : ", ";
        out += std::to_string(counts[i]);
    }
    return out;
}

std::string quoted(const fs::path& p) {
    return "«" + pathToUtf8(p) + "»";
}

}  // namespace

DocumentOpenPlan planDocumentOpen(const fs::path& path, const Settings& current,
                                  DocumentLayout asked, bool rows86) {
    DocumentOpenPlan plan;
    plan.settings = current;

    std::string text;
    if (!readDocumentText(path, text, &plan.error))
        return plan;
    const int found = countDocumentLines(text);

    std::error_code ec;
    // The file's own settings say how it was written; the count below checks them.
    if (const auto companion = companionSettingsPath(path);
        companion && fs::is_regular_file(*companion, ec)) {
        Settings own = current;
        if (readSettings(*companion, false, own)) {
            plan.companionRead = true;
            if (current.EachSaveSet) {
                plan.settings = std::move(own);
            } else {
                plan.settings.VellexVersion = own.VellexVersion;
                plan.settings.SaveStyle = own.SaveStyle;
                plan.settings.mode_N_Discipl = own.mode_N_Discipl;
            }
        }
    }
    const DocumentFileFormat expected = documentFileFormat(plan.settings);

    // Which layouts to try, most likely first: the one asked for, then those whose
    // counts cannot be mistaken for another's.
    std::vector<DocumentLayout> layouts{asked};
    for (DocumentLayout l : {DocumentLayout::Current, DocumentLayout::Release4233,
                             DocumentLayout::Release412, DocumentLayout::Release422}) {
        if (l != asked)
            layouts.push_back(l);
    }
    const int otherStyle = hasTables(expected.saveStyle) ? kNoTables : 0;

    std::optional<Match> match;
    for (DocumentLayout l : layouts) {
        std::vector<int> rows;
        if (isOlder(l) && rows86)
            rows.push_back(kOldRows);
        rows.push_back(expected.rowsPage2);
        rows.insert(rows.end(), kModeRows.begin(), kModeRows.end());
        if (isOlder(l) && !rows86)
            rows.push_back(kOldRows);
        for (int style : {expected.saveStyle, otherStyle}) {
            for (int r : rows) {
                DocumentFileFormat f = expected;
                f.saveStyle = style;
                if (documentFileLineCount(l, f, r) == found) {
                    match = Match{l, style, r};
                    break;
                }
            }
            if (match)
                break;
        }
        if (match)
            break;
    }

    if (!match) {
        std::vector<int> counts;
        if (hasTables(expected.saveStyle)) {
            const int first = isOlder(asked) && rows86 ? kOldRows : expected.rowsPage2;
            counts.push_back(documentFileLineCount(asked, expected, first));
            for (int r : kModeRows) {
                const int n = documentFileLineCount(asked, expected, r);
                if (r != first && n != counts.front())
                    counts.push_back(n);
            }
        } else {
            counts.push_back(documentFileLineCount(asked, expected, expected.rowsPage2));
        }
        plan.error = "Файл " + quoted(path) +
                     " не открыт: он не похож на документ. Строк в нём: " + std::to_string(found) +
                     ", ожидалось: " + joinCounts(counts) + ".";
        return plan;
    }
    const bool twinFound = countTwins(match->layout, DocumentLayout::Release412);
    if (twinFound && !countTwins(asked, DocumentLayout::Release412)) {
        // A 4.1.2 or 4.2.2 file, by its count, opened by another command: the two differ in
        // block order, which no count shows.
        plan.error = "Файл " + quoted(path) + " (строк: " + std::to_string(found) +
                     ") записан версией 4.1.2 или 4.2.2. Откройте его командой «Открыть "
                     "данные из версии 4.1.2...» или «Открыть данные из версии 4.2.2...».";
        return plan;
    }

    plan.settings.SaveStyle = match->style;
    if (hasTables(match->style))
        plan.settings.mode_N_Discipl = rowModeFor(match->rows, plan.settings.mode_N_Discipl);

    plan.read.format = documentFileFormat(plan.settings);
    plan.read.layout = match->layout;
    plan.read.rows86 = hasTables(match->style) && match->rows == kOldRows;
    plan.ok = true;

    if (plan.settings.VellexVersion != current.VellexVersion) {
        plan.changes.push_back("издание бланков: " + versionName(current.VellexVersion) + " → " +
                               versionName(plan.settings.VellexVersion));
    }
    if (plan.settings.SaveStyle != current.SaveStyle &&
        (hasTables(plan.settings.SaveStyle) || hasTables(current.SaveStyle))) {
        plan.changes.push_back("таблицы в файле: " + saveStyleName(current.SaveStyle) + " → " +
                               saveStyleName(plan.settings.SaveStyle));
    }
    if (plan.settings.mode_N_Discipl != current.mode_N_Discipl) {
        plan.changes.push_back("строки 2-й страницы: " + rowModeName(current.mode_N_Discipl) +
                               " → " + rowModeName(plan.settings.mode_N_Discipl));
    }
    if (match->layout != asked || plan.read.rows86 != (isOlder(asked) && rows86)) {
        std::string line = isOlder(match->layout)
                               ? std::string("файл записан версией ") + releaseName(match->layout)
                               : std::string("файл записан в нынешнем формате");
        if (plan.read.rows86)
            line += ", 86 строк на 2-й странице";
        plan.changes.push_back(line);
    }
    return plan;
}

std::string documentSwitchMessage(const fs::path& path, const DocumentOpenPlan& plan) {
    if (plan.changes.empty())
        return {};
    std::string text = "Документ " + quoted(path.filename()) +
                       " записан с другими настройками; для него включено:";
    for (const std::string& line : plan.changes)
        text += "\n— " + line;
    return text;
}

bool documentNeedsOwnSettings(const fs::path& document, const Settings& now,
                              const Settings& program) {
    const DocumentFileFormat a = documentFileFormat(now);
    const DocumentFileFormat b = documentFileFormat(program);
    if (a.vellexVersion != b.vellexVersion || a.saveStyle != b.saveStyle ||
        now.mode_N_Discipl != program.mode_N_Discipl) {
        return true;
    }
    std::error_code ec;
    const auto companion = companionSettingsPath(document);
    return companion && fs::exists(*companion, ec);
}

}  // namespace vellex

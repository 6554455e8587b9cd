#include "lists/results_file.h"

#include "lists/list_fields.h"
#include "lists/list_file_name.h"
#include "lists/list_lines.h"
#include "lists/list_texts.h"
#include "text/file_io.h"
#include "text/string_utils.h"

namespace vellex {

std::optional<std::string> resultsFileName(const Document& doc, std::string_view listFileName) {
    const std::size_t separator = listFileName.rfind(kPathSeparator);
    if (separator == std::string_view::npos)
        return std::nullopt;
    const std::string name = doc.text(Field::edStudentDiplom1) + " " +
                             doc.text(Field::edStudentDiplom2) + " " +
                             doc.text(Field::edStudentDiplom3) + ".csv";
    return joinPath(listFileName.substr(0, separator), name);
}

UserMessages fillResults(Document& doc, std::string_view data, std::string_view separator) {
    UserMessages warnings;
    // The next free row of each table, page 2 first.
    struct Target {
        Table table;
        int next;
    };
    Target targets[] = {{Table::Disciplines, 1}, {Table::Disciplines8, 1}};
    auto freeTarget = [&]() -> Target* {
        for (Target& t : targets) {
            if (t.next <= doc.rowCount(t.table))
                return &t;
        }
        return nullptr;
    };

    std::vector<std::string> pieces;
    LineCursor cursor(data);
    std::string_view line;
    while (cursor.next(line)) {
        splitListLine(line, separator, pieces);
        Target* target = freeTarget();
        if (pieces.size() >= 3) {
            if (target == nullptr) {
                warnings.push_back(
                    {std::string(list_texts::kTooManyDisciplines), MessageIcon::Warning, false});
                continue;
            }
            doc.setCell(target->table, target->next, Column::Discipline, cleanListField(pieces[0]));
            doc.setCell(target->table, target->next, Column::AudTime, cleanListField(pieces[1]));
            doc.setCell(target->table, target->next, Column::Value, cleanListField(pieces[2]));
        } else {
            if (target == nullptr)
                continue;
            doc.setCell(target->table, target->next, Column::Discipline, std::move(pieces[0]));
            if (pieces.size() == 2)
                doc.setCell(target->table, target->next, Column::AudTime, std::move(pieces[1]));
        }
        ++target->next;
    }
    return warnings;
}

UserMessages loadResultsFile(Document& doc, std::string_view fileName, std::string_view separator) {
    std::string data;
    if (!readWholeFile(listFilePath(fileName), data, nullptr))
        return {{std::string(list_texts::kFileLocked), MessageIcon::Error, false}};
    return fillResults(doc, data, separator);
}

}  // namespace vellex

#include "lists/results_file.h"

#include "lists/list_fields.h"
#include "lists/list_file_name.h"
#include "lists/list_texts.h"
#include "text/file_io.h"
#include "text/line_cursor.h"
#include "text/string_utils.h"

namespace vellex {

std::vector<std::string> resultsFileNames(const Document& doc, std::string_view listFileName) {
    // A list named without a folder lies in the working folder, and so do the results.
    const std::size_t separator = listFileName.rfind(kPathSeparator);
    const std::string_view folder = separator == std::string_view::npos
                                        ? std::string_view()
                                        : listFileName.substr(0, separator);
    const std::string spaced = doc.text(Field::edStudentDiplom1) + " " +
                               doc.text(Field::edStudentDiplom2) + " " +
                               doc.text(Field::edStudentDiplom3);
    std::string joined;
    for (const Field f :
         {Field::edStudentDiplom1, Field::edStudentDiplom2, Field::edStudentDiplom3}) {
        if (doc.text(f).empty())
            continue;
        if (!joined.empty())
            joined += ' ';
        joined += doc.text(f);
    }
    auto inFolder = [folder](const std::string& name) {
        return folder.empty() ? name : joinPath(folder, name);
    };
    std::vector<std::string> names{inFolder(joined + ".csv")};
    if (joined != spaced)
        names.push_back(inFolder(spaced + ".csv"));
    return names;
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
    std::string error;
    if (!readTextFile(listFilePath(fileName), data, &error, kMaxListBytes))
        return {{error, MessageIcon::Error, false}};
    // The file is one student's results: rows an earlier, longer file filled would mix
    // another student's grades into this one's.
    for (const Table t : {Table::Disciplines, Table::Disciplines8}) {
        for (int row = 1; row <= doc.rowCount(t); ++row) {
            for (const Column c : {Column::Discipline, Column::AudTime, Column::Value})
                doc.setCell(t, row, c, {});
        }
    }
    // An empty file leaves the sheet without a single grade: the clerk must know.
    if (data.find_first_not_of(" \t\r\n") == std::string::npos)
        return {{"Файл с оценками студента «" + listFileNameForMessage(fileName) +
                     "» пуст: дисциплины, часы и оценки не заполнены.",
                 MessageIcon::Warning, false}};
    return fillResults(doc, data, separator);
}

}  // namespace vellex

#include "tests/robustness/sample_files.h"

#include <string>

#include "lists/student_list.h"
#include "tests/support/test_support.h"

namespace vellex::test {

DocumentFileFormat largeDocumentFormat() {
    DocumentFileFormat format;
    format.rowsPage2 = 94;
    return format;
}

Document largeDocument(int variant) {
    const DocumentFileFormat format = largeDocumentFormat();
    Document doc(format.rowsPage2);
    // Variant 1 is longer line by line, so a mixture differs from both in size or bytes.
    const std::string filler =
        cp(variant == 0 ? "Государственное профессиональное училище"
                        : "Областное бюджетное образовательное учреждение колледж");
    for (int i = 0; i < kFieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        if (fieldKind(field) == FieldKind::Text)
            doc.setText(field, std::to_string(i) + ' ' + filler + ' ' + filler);
    }
    for (const Table table :
         {Table::Disciplines, Table::Disciplines8, Table::Disciplines4, Table::Disciplines7}) {
        for (int row = 1; row <= doc.rowCount(table); ++row) {
            doc.setCell(table, row, Column::Discipline, std::to_string(row) + ' ' + filler);
            doc.setCell(table, row, Column::AudTime, std::to_string(row * (variant + 2)));
            doc.setCell(table, row, Column::Value, cp(variant == 0 ? "отлично" : "хорошо"));
        }
    }
    return doc;
}

Settings sampleSettings(int variant) {
    Settings s;
    s.Path2CSV = cp(variant == 0 ? "/home/college/списки/группа 101.csv"
                                 : "/srv/общие/выпуск 2026/все группы.csv");
    s.MaxSymbols = variant == 0 ? 80 : 112;
    s.DeltaX1 = variant == 0 ? 0 : -17;
    s.FontSizeAppSchool = variant == 0 ? 10 : 12;
    s.Bold_Diplom3 = variant != 0;
    s.AdjustTown = variant == 0 ? kAlignCenter : kAlignLeft;
    return s;
}

std::string largeStudentList() {
    std::vector<StudentRow> rows;
    for (int i = 0; i < kListStudents; ++i) {
        rows.push_back({cp("Иванов") + std::to_string(i), cp("Пётр"), cp("Сергеевич"), "05.03.85",
                        cp("г. Новосибирск")});
    }
    return composeStudentList(rows, kListSeparator);
}

}  // namespace vellex::test

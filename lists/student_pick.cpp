#include "lists/student_pick.h"

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <span>
#include <system_error>

#include "lists/list_file_name.h"
#include "lists/list_texts.h"
#include "lists/results_file.h"
#include "text/cp1251.h"
#include "text/dates.h"

namespace vellex {
namespace {

void copyTo(Document& doc, Field source, std::initializer_list<Field> targets) {
    for (const Field t : targets)
        doc.setText(t, doc.text(source));
}

const std::string& column(const StudentRow& row, int n) {
    static const std::string empty;
    const auto i = static_cast<std::size_t>(n - 1);
    return i < row.size() ? row[i] : empty;
}

constexpr Column kHoursAndGrades[] = {Column::AudTime, Column::Value};
constexpr Column kWholeRows[] = {Column::Discipline, Column::AudTime, Column::Value};

void clearResultColumns(Document& doc, std::span<const Column> columns) {
    for (const Table t : {Table::Disciplines, Table::Disciplines8}) {
        for (int row = 1; row <= doc.rowCount(t); ++row) {
            for (const Column c : columns)
                doc.setCell(t, row, c, {});
        }
    }
}

std::string fourDigits(int year) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d", year);
    return buf;
}

}  // namespace

void pickStudentNames(Document& doc, const StudentRow& row, int vellexVersion) {
    doc.setText(Field::edStudentDiplom1, column(row, 1));
    copyTo(doc, Field::edStudentDiplom1,
           {Field::edSurName, Field::edSurNameNPO, Field::edSurName4, Field::edSurName7,
            Field::edStudentCertificate1});
    if (vellexVersion == 2) {
        doc.setText(Field::edStudentDiplom2, column(row, 2));
        doc.setText(Field::edStudentDiplom3, column(row, 3));
    } else {
        doc.setText(Field::edStudentDiplom2, column(row, 2) + " " + column(row, 3));
    }
    copyTo(doc, Field::edStudentDiplom2,
           {Field::edName, Field::edNameNPO, Field::edName4, Field::edName7,
            Field::edStudentCertificate2});
    if (vellexVersion == 2) {
        // These are the patronymic lines of their pages in the 2010/2011 blanks.
        copyTo(doc, Field::edStudentDiplom3,
               {Field::edNameDiplPrj0, Field::edNameDiplPrjNPO0, Field::edOrder, Field::edAddName7,
                Field::edStudentCertificate3});
    }
}

bool pickStudentBirth(Document& doc, const StudentRow& row, int vellexVersion,
                      std::string_view birthDayFormat, const Clock& clock) {
    const int currentYear = clock.today().year;
    const std::string& birthDay = column(row, 4);
    std::optional<Date> date = parseDate(birthDay, birthDayFormat, currentYear);
    // A two-digit year is read into this century; a birth year still to come is the
    // last century's.
    if (date && date->year > currentYear)
        date->year -= 100;

    if (!date) {
        doc.setText(Field::edBirthDay, birthDay);
        if (vellexVersion == 2) {
            // The day and month boxes must not keep the previous student's date.
            doc.setText(Field::edEntry2, {});
            doc.setText(Field::edDateOut, {});
        }
    } else if (vellexVersion == 2) {
        // The 2010/2011 supplement writes day, month in words and year in three boxes.
        doc.setText(Field::edEntry2, std::to_string(date->day));
        doc.setText(Field::edDateOut, monthGenitive(date->month));
        doc.setText(Field::edBirthDay, fourDigits(date->year));
    } else {
        doc.setText(Field::edBirthDay, formatDate(*date, DateTextFormat::LongMonth));
    }

    if (vellexVersion == 2) {
        copyTo(doc, Field::edEntry2,
               {Field::edEntryNPO2, Field::edNumToDipl4, Field::edPresentDate7});
        copyTo(doc, Field::edDateOut, {Field::edDateOutNPO, Field::edDateOut4, Field::edDateOut7});
    }
    copyTo(doc, Field::edBirthDay, {Field::edBirthDayNPO, Field::edBirthDay4, Field::edBirthDay7});

    if (vellexVersion == 2) {
        // The town fields hold the birth place in the 2010/2011 blanks.
        doc.setText(Field::edTown, column(row, 5));
        copyTo(doc, Field::edTown, {Field::edTownNPO, Field::edTown4, Field::edTown7});
    }
    return date || birthDay.empty();
}

UserMessages pickStudent(Document& doc, const StudentRow& row, const Settings& settings,
                         std::string_view listFileName, const Clock& clock) {
    pickStudentNames(doc, row, settings.VellexVersion);
    UserMessages messages;
    if (!pickStudentBirth(doc, row, settings.VellexVersion, settings.DateFormatBirthDay, clock)) {
        // Printed as it stands the date would land in the year box of the 2010/2011
        // blanks: the clerk must see it before printing.
        messages.push_back({"Дата рождения «" + cp1251::toUtf8(column(row, 4)) +
                                "» не читается по формату «" +
                                cp1251::toUtf8(settings.DateFormatBirthDay) +
                                "» (Параметры списка); она перенесена как есть — проверьте её "
                                "перед печатью.",
                            MessageIcon::Warning, false});
    }
    const std::vector<std::string> candidates = resultsFileNames(doc, listFileName);
    const auto found = std::find_if(candidates.begin(), candidates.end(), [](const auto& name) {
        std::error_code ec;
        return std::filesystem::exists(listFilePath(name), ec);
    });
    // Whatever happens, nothing of the previous student's results may stay: a file
    // replaces the rows (even one that turns out unreadable), and without a file the hours
    // and grades go (the names stay: they come from the group's discipline list).
    clearResultColumns(doc, found == candidates.end() ? std::span<const Column>(kHoursAndGrades)
                                                      : std::span<const Column>(kWholeRows));
    if (found != candidates.end()) {
        for (UserMessage& m : loadResultsFile(doc, *found, settings.SplitField))
            messages.push_back(std::move(m));
    } else {
        std::string looked;
        for (const std::string& name : candidates) {
            looked += looked.empty() ? "«" : "» или «";
            looked += listFileNameForMessage(name);
        }
        messages.push_back({std::string(list_texts::kResultsNotFound) + looked + "»." +
                                std::string(list_texts::kResultsCleared),
                            MessageIcon::Warning, false});
    }
    messages.push_back({std::string(list_texts::kStudentPicked), MessageIcon::Information, false});
    return messages;
}

}  // namespace vellex

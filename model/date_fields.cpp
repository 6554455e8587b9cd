#include "model/date_fields.h"

#include <string>

namespace vellex {
namespace {

struct DatePartFields {
    Field day;
    Field month;
    Field year;
};

// Under version 2 these boxes print a date as day, month in words and year.
constexpr DatePartFields kDatePartFields[] = {
    {Field::edDateOutDiplom1, Field::edDateOutDiplom2, Field::edDateOutDiplom},
    {Field::edPresentDateDiplom1, Field::edPresentDateDiplom2, Field::edPresentDateDiplom},
    {Field::edEntry2, Field::edDateOut, Field::edBirthDay},
    {Field::edEndLern1, Field::edEndLern2, Field::edEndLern3},
    {Field::edEntryNPO2, Field::edDateOutNPO, Field::edBirthDayNPO},
    {Field::edEducationNPO1, Field::edEducationNPO2, Field::edEntryNPO3},
    {Field::edDayOut, Field::edMonthOut, Field::edYearOut},
    {Field::edDayOut8, Field::edMonthOut8, Field::edYearOut8},
    {Field::edNumToDipl4, Field::edDateOut4, Field::edBirthDay4},
    {Field::edDateOutCertificate1, Field::edDateOutCertificate2, Field::edDateOutCertificate},
    {Field::edPresentDateCertificate1, Field::edPresentDateCertificate2,
     Field::edPresentDateCertificate},
    {Field::edPresentDate7, Field::edDateOut7, Field::edBirthDay7},
    {Field::edDate1, Field::edDate2, Field::edDate3},
};

// Under version 2 these hold a year of their own.
constexpr Field kYearFields[] = {Field::edPrevDocum1, Field::edPrevDocumNPO1, Field::edPrevDocum41,
                                 Field::edEntry41,    Field::edEducated41,    Field::edPrevDocum71};

constexpr Field kFullDateFields[] = {Field::edDateOut, Field::edDateOut4, Field::edPresentDate4,
                                     Field::edDateOutNPO};
// Before version 2 these print the whole date.
constexpr Field kFullDateFieldsBeforeV2[] = {Field::edDateOutDiplom, Field::edPresentDateNPO};

}  // namespace

void fillStartupDateFields(Document& doc, int vellexVersion, const Date& today) {
    const std::string full = formatDate(today, dateFormatForEdition(vellexVersion));
    const std::string year = std::to_string(today.year);
    for (const Field f : kFullDateFields) {
        doc.setText(f, full);
    }
    doc.setText(Field::edPresentDate, year);
    if (vellexVersion != 2) {
        for (const Field f : kFullDateFieldsBeforeV2) {
            doc.setText(f, full);
        }
        return;
    }
    // Version 2 overwrites some of the full dates above with date parts.
    const std::string day = std::to_string(today.day);
    const std::string month = monthGenitive(today.month);
    for (const DatePartFields& box : kDatePartFields) {
        doc.setText(box.day, day);
        doc.setText(box.month, month);
        doc.setText(box.year, year);
    }
    for (const Field f : kYearFields) {
        doc.setText(f, year);
    }
}

}  // namespace vellex

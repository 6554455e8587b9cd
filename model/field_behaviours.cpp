#include "model/field_behaviours.h"

#include <algorithm>
#include <array>

namespace vellex {
namespace {

using F = Field;

// ---- Copy on leaving a field: the table of sources and their targets.
template <size_t N>
using Targets = std::array<Field, N>;

constexpr Targets<3> kToSurNames1{F::edSurName, F::edSurName4, F::edSurNameNPO};
constexpr Targets<3> kToSurNames2{F::edStudentDiplom1, F::edSurName4, F::edSurNameNPO};
constexpr Targets<3> kToSurNames3{F::edStudentDiplom1, F::edSurName, F::edSurNameNPO};
constexpr Targets<3> kToSurNames4{F::edStudentDiplom1, F::edSurName, F::edSurName4};
constexpr Targets<3> kToNames1{F::edName, F::edName4, F::edNameNPO};
constexpr Targets<3> kToNames2{F::edStudentDiplom2, F::edName4, F::edNameNPO};
constexpr Targets<3> kToNames3{F::edStudentDiplom2, F::edName, F::edNameNPO};
constexpr Targets<3> kToNames4{F::edStudentDiplom2, F::edName, F::edName4};
constexpr Targets<3> kToThird1{F::edNameDiplPrj0, F::edOrder, F::edNameDiplPrjNPO0};
constexpr Targets<3> kToThird2{F::edStudentDiplom3, F::edNameDiplPrj0, F::edNameDiplPrjNPO0};
constexpr Targets<3> kToThird3{F::edStudentDiplom3, F::edOrder, F::edNameDiplPrjNPO0};
constexpr Targets<3> kToThird4{F::edStudentDiplom3, F::edOrder, F::edNameDiplPrj0};
constexpr Targets<1> kToSurName7{F::edSurName7};
constexpr Targets<1> kToName7{F::edName7};
constexpr Targets<1> kToAddName7{F::edAddName7};
constexpr Targets<1> kToCert1{F::edStudentCertificate1};
constexpr Targets<1> kToCert2{F::edStudentCertificate2};
constexpr Targets<1> kToCert3{F::edStudentCertificate3};
constexpr Targets<3> kToHead1{F::edRukObrazUchCert, F::edRukObrazUch2, F::edRukObrazUch8};
constexpr Targets<3> kToHead2{F::edRukObrazUch, F::edRukObrazUchCert, F::edRukObrazUch8};
constexpr Targets<3> kToHead3{F::edRukObrazUch, F::edRukObrazUchCert, F::edRukObrazUch2};
constexpr Targets<3> kToHead4{F::edRukObrazUch, F::edRukObrazUch2, F::edRukObrazUch8};
constexpr Targets<2> kToNum1{F::edNumToDiplNPO, F::edNumToDiplSequel};
constexpr Targets<2> kToNum2{F::edNumToDipl, F::edNumToDiplSequel};
constexpr Targets<2> kToReg1{F::edRegNoNPO, F::edRegNoSequel};
constexpr Targets<2> kToReg2{F::edRegNo, F::edRegNoSequel};
constexpr Targets<2> kToDay1{F::edDateOutDiplom1, F::edDayOut8};
constexpr Targets<2> kToDay2{F::edDateOutDiplom1, F::edDayOut};
constexpr Targets<2> kToDay3{F::edDayOut, F::edDayOut8};
constexpr Targets<2> kToMonth1{F::edDateOutDiplom2, F::edMonthOut8};
constexpr Targets<2> kToMonth2{F::edDateOutDiplom2, F::edMonthOut};
constexpr Targets<2> kToMonth3{F::edMonthOut, F::edMonthOut8};
constexpr Targets<2> kToYear1{F::edDateOutDiplom, F::edYearOut8};
constexpr Targets<2> kToYear2{F::edDateOutDiplom, F::edYearOut};
constexpr Targets<2> kToYear3{F::edYearOut, F::edYearOut8};

constexpr LeaveCopyRule kLeaveCopy[] = {
    {F::edStudentDiplom1, kToSurNames1},
    {F::edSurName, kToSurNames2},
    {F::edSurName4, kToSurNames3},
    {F::edSurNameNPO, kToSurNames4},
    {F::edStudentDiplom2, kToNames1},
    {F::edName, kToNames2},
    {F::edName4, kToNames3},
    {F::edNameNPO, kToNames4},
    {F::edStudentDiplom3, kToThird1},
    {F::edOrder, kToThird2, true},
    {F::edNameDiplPrj0, kToThird3, true},
    {F::edNameDiplPrjNPO0, kToThird4, true},
    {F::edStudentCertificate1, kToSurName7},
    {F::edStudentCertificate2, kToName7},
    {F::edStudentCertificate3, kToAddName7},
    {F::edSurName7, kToCert1},
    {F::edName7, kToCert2},
    {F::edAddName7, kToCert3},
    {F::edRukObrazUch, kToHead1},
    {F::edRukObrazUch2, kToHead2},
    {F::edRukObrazUch8, kToHead3},
    {F::edRukObrazUchCert, kToHead4},
    {F::edNumToDipl, kToNum1},
    {F::edNumToDiplNPO, kToNum2},
    {F::edRegNo, kToReg1},
    {F::edRegNoNPO, kToReg2},
    {F::edDayOut, kToDay1},
    {F::edDayOut8, kToDay2},
    {F::edDateOutDiplom1, kToDay3},
    {F::edMonthOut, kToMonth1},
    {F::edMonthOut8, kToMonth2},
    {F::edDateOutDiplom2, kToMonth3},
    {F::edYearOut, kToYear1},
    {F::edYearOut8, kToYear2},
    {F::edDateOutDiplom, kToYear3},
};

// ---- Style flags: the fields each one covers.
constexpr Field kBold1[] = {F::edTownDiplom0,   F::edTownDiplom,    F::edSchoolDiplom1,
                            F::edSchoolDiplom2, F::edSchoolDiplom3, F::edSchoolDiplom4};
constexpr Field kBold2[] = {F::edPresentDateDiplom, F::edPresentDateDiplom1,
                            F::edPresentDateDiplom2};
constexpr Field kBold3[] = {F::edStudentDiplom1, F::edStudentDiplom2, F::edStudentDiplom3};
constexpr Field kBold4[] = {F::edQualifyDiplom1, F::edQualifyDiplom2, F::edQualifyDiplom3,
                            F::edQualifyDiplom4, F::edQualifyDiplom5};
constexpr Field kBold5[] = {F::edSpecDiplom1, F::edSpecDiplom2, F::edSpecDiplom3, F::edSpecDiplom4,
                            F::edSpecDiplom5};

struct BoldRow {
    Flag flag;
    std::span<const Field> fields;
};
constexpr BoldRow kDiplomaBold[] = {
    {Flag::cbBold_Diplom1, kBold1}, {Flag::cbBold_Diplom2, kBold2}, {Flag::cbBold_Diplom3, kBold3},
    {Flag::cbBold_Diplom4, kBold4}, {Flag::cbBold_Diplom5, kBold5},
};

// The date of issue takes the style of the presentation date, line for line, when italic.
struct DateTwin {
    Field dateOut, presentDate;
};
constexpr DateTwin kDateOutTwins[] = {
    {F::edDateOutDiplom1, F::edPresentDateDiplom1},
    {F::edDateOutDiplom2, F::edPresentDateDiplom2},
    {F::edDateOutDiplom, F::edPresentDateDiplom},
};

constexpr Field kNeverItalicDiploma[] = {F::edRegNoDiplom, F::edPredGosAttCom, F::edRukObrazUch};

constexpr Field kCertificate[] = {
    F::edTownCertificate0,    F::edTownCertificate,        F::edSchoolCertificate1,
    F::edSchoolCertificate2,  F::edPresentDateCertificate, F::edStudentCertificate1,
    F::edStudentCertificate2, F::edQualifyCertificate1,    F::edQualifyCertificate2,
    F::edQualifyCertificate3, F::edQualifyCertificate4,    F::edQualifyCertificate5,
};
constexpr Field kCertificateVersion2[] = {
    F::edSchoolCertificate3,      F::edSchoolCertificate4,      F::edStudentCertificate3,
    F::edPresentDateCertificate1, F::edPresentDateCertificate2,
};

template <size_t N>
bool contains(const Field (&list)[N], Field f) {
    return std::find(std::begin(list), std::end(list), f) != std::end(list);
}

bool diplomaBold(const Document& doc, Field f) {
    for (const BoldRow& row : kDiplomaBold) {
        if (std::find(row.fields.begin(), row.fields.end(), f) != row.fields.end()) {
            return doc.flag(row.flag);
        }
    }
    return false;
}

std::vector<Field> makeStyledFields() {
    std::vector<Field> all;
    for (int i = 0; i < kFieldCount; ++i) {
        const Field f = static_cast<Field>(i);
        const Page page = fieldPage(f);
        if ((page == Page::Diploma || page == Page::Certificate) &&
            fieldKind(f) == FieldKind::Text) {
            all.push_back(f);
        }
    }
    return all;
}

}  // namespace

std::span<const LeaveCopyRule> leaveCopyRules() {
    return kLeaveCopy;
}

std::vector<Field> copyOnLeaving(Document& doc, Field left, int vellexVersion) {
    std::vector<Field> filled;
    for (const LeaveCopyRule& rule : kLeaveCopy) {
        if (rule.source != left || (rule.version2Only && vellexVersion != 2)) {
            continue;
        }
        const std::string text = doc.text(left);
        if (text.empty()) {
            break;  // nothing to show; the targets stay as they are
        }
        for (Field target : rule.targets) {
            if (doc.text(target).empty()) {
                doc.setText(target, text);
                filled.push_back(target);
            }
        }
        break;
    }
    return filled;
}

void clearTableColumn(Document& doc, Table t, Column c) {
    for (int r = 1; r <= doc.rowCount(t); ++r) {
        doc.setCell(t, r, c, std::string());
    }
}

void setAddLineUp(Document& doc, bool on) {
    doc.setFlag(Flag::cbAddLineUp_Diplom, on);
    if (!on) {
        doc.setText(Field::edTownDiplom0, std::string());
    }
}

FieldStyle fieldStyle(const Document& doc, Field f, int vellexVersion) {
    FieldStyle style;
    switch (fieldPage(f)) {
        case Page::Diploma: {
            if (contains(kNeverItalicDiploma, f)) {
                return style;
            }
            style.italic = doc.flag(Flag::cbItalic_Diplom);
            style.bold = diplomaBold(doc, f);
            for (const DateTwin& twin : kDateOutTwins) {
                if (twin.dateOut == f && style.italic) {
                    style.bold = diplomaBold(doc, twin.presentDate);
                }
            }
            return style;
        }
        case Page::Certificate:
            if (contains(kCertificate, f) ||
                (vellexVersion == 2 && contains(kCertificateVersion2, f))) {
                style.bold = doc.flag(Flag::cbBold_Certificate);
                style.italic = doc.flag(Flag::cbItalic_Certificate);
            }
            return style;
        default:
            return style;
    }
}

std::span<const Field> styledFields() {
    static const std::vector<Field> all = makeStyledFields();
    return all;
}

}  // namespace vellex

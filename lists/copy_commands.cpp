#include "lists/copy_commands.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "text/split_text.h"
#include "text/string_utils.h"

namespace vellex {
namespace {

// SplitTextToLines is asked for even lines the same way by every copy.
constexpr int kTolerance = 5;
constexpr int kRatioLimit = 4;

using F = Field;

void copy(Document& doc, Field from, std::span<const Field> to) {
    for (const Field t : to)
        doc.setText(t, doc.text(from));
}

void copy(Document& doc, Field from, std::initializer_list<Field> to) {
    copy(doc, from, std::span<const Field>(to.begin(), to.size()));
}

// Pairwise: from[i] → to[i].
void copyLines(Document& doc, std::span<const Field> from, std::span<const Field> to) {
    for (std::size_t i = 0; i < from.size() && i < to.size(); ++i)
        doc.setText(to[i], doc.text(from[i]));
}

// The texts with one space between each two, then stripped of surrounding spaces.
std::string join(const Document& doc, std::span<const Field> fields, bool strip = true) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ' ';
        out += doc.text(fields[i]);
    }
    return strip ? trimChar(out, ' ') : out;
}

// The lines as one text: one space between two lines, however many spaces the lines
// end or begin with, and none for an empty line.
std::string joinLines(const Document& doc, std::span<const Field> fields) {
    std::string out;
    for (const Field f : fields) {
        const std::string line = trimChar(doc.text(f), ' ');
        if (line.empty())
            continue;
        if (!out.empty())
            out += ' ';
        out += line;
    }
    return out;
}

// Under the 2010/2011 blanks the supplements' date-out and town fields hold the birth
// month and the birth place, so the diploma's issue date and town never go there or
// come from there.
bool birthInDateOutFields(int version) {
    return version == 2;
}

bool holdsText(const std::string& s) {
    return !s.empty() && s != " ";
}

// ---------------------------------------------------------------------------------------
// Diploma ⇄ supplement first pages under the 2010/2011 blanks: the same entries, line by
// line, in the fields each page gives them.

struct FirstPageLines {
    Field patronymic;                // the third name line
    std::array<Field, 6> school;     // institution name
    std::array<Field, 3> date;       // day, month and year of the commission's decision
    std::array<Field, 4> qualify;    // qualification
    std::array<Field, 4> specialty;  // specialty or profession
};

constexpr FirstPageLines kSpoLines{
    F::edNameDiplPrj0,
    {F::edSchool1, F::edSchool2, F::edSchool3, F::edSchool4, F::edSchool5, F::edSchool6},
    {F::edEndLern1, F::edEndLern2, F::edEndLern3},
    {F::edExamen1, F::edQualify, F::edQualify2, F::edQualify3},
    {F::edSpecial, F::edSpecialicy, F::edNameDiplPrj1, F::edNameDiplPrj2},
};

constexpr FirstPageLines kNpoLines{
    F::edNameDiplPrjNPO0,
    {F::edSchoolNPO1, F::edSchoolNPO2, F::edSchoolNPO3, F::edSchoolNPO4, F::edSchoolNPO5,
     F::edSchoolNPO6},
    {F::edEducationNPO1, F::edEducationNPO2, F::edEntryNPO3},
    {F::edPrakticNPO1, F::edQualifyNPO1, F::edQualifyNPO2, F::edQualifyNPO3},
    {F::edSpecialNPO1, F::edSpecialNPO2, F::edNameDiplPrjNPO1, F::edNameDiplPrjNPO2},
};

constexpr std::array<Field, 6> kDiplomaSchool{F::edTownDiplom0,   F::edTownDiplom,
                                              F::edSchoolDiplom1, F::edSchoolDiplom2,
                                              F::edSchoolDiplom3, F::edSchoolDiplom4};
constexpr std::array<Field, 3> kDiplomaPresentDate{F::edPresentDateDiplom1, F::edPresentDateDiplom2,
                                                   F::edPresentDateDiplom};
constexpr std::array<Field, 5> kDiplomaQualify{F::edQualifyDiplom1, F::edQualifyDiplom2,
                                               F::edQualifyDiplom3, F::edQualifyDiplom4,
                                               F::edQualifyDiplom5};
constexpr std::array<Field, 5> kDiplomaSpecialty{
    F::edSpecDiplom1, F::edSpecDiplom2, F::edSpecDiplom3, F::edSpecDiplom4, F::edSpecDiplom5};
constexpr std::array<Field, 3> kDiplomaDateOut{F::edDateOutDiplom1, F::edDateOutDiplom2,
                                               F::edDateOutDiplom};
constexpr std::array<Field, 3> kPage2DateOut{F::edDayOut, F::edMonthOut, F::edYearOut};
constexpr std::array<Field, 3> kPage3DateOut{F::edDayOut8, F::edMonthOut8, F::edYearOut8};
constexpr std::array<Field, 6> kAcademicSchool{F::edSchool41, F::edSchool42, F::edSchool43,
                                               F::edSchool44, F::edSchool45, F::edSchool46};
constexpr std::array<Field, 6> kSpoSchool = kSpoLines.school;
constexpr std::array<Field, 6> kNpoSchool = kNpoLines.school;

constexpr Distribution kTransfer{.skipEmptySurplus = true, .stripLines = false};

void diplomaToFirstPage(Document& doc, const FirstPageLines& page, int full) {
    doc.setText(page.patronymic, doc.text(F::edStudentDiplom3));
    copyLines(doc, kDiplomaSchool, page.school);
    copyLines(doc, page.school, kAcademicSchool);
    copyLines(doc, kDiplomaPresentDate, page.date);
    distributeText(doc, join(doc, kDiplomaQualify), full, page.qualify, kTransfer);
    distributeText(doc, join(doc, kDiplomaSpecialty), full, page.specialty, kTransfer);

    // The head of the institution is typed once and fills the pages that lack it.
    for (const Field f : {F::edRukObrazUchCert, F::edRukObrazUch2, F::edRukObrazUch8}) {
        if (doc.text(f).empty())
            doc.setText(f, doc.text(F::edRukObrazUch));
    }
    copyLines(doc, kDiplomaDateOut, kPage2DateOut);
    copyLines(doc, kDiplomaDateOut, kPage3DateOut);
}

void firstPageToDiploma(Document& doc, const FirstPageLines& page, int half) {
    doc.setText(F::edStudentDiplom3, doc.text(page.patronymic));
    copyLines(doc, page.school, kDiplomaSchool);
    distributeText(doc, join(doc, page.qualify), half, kDiplomaQualify, kTransfer);
    distributeText(doc, join(doc, page.specialty), half, kDiplomaSpecialty, kTransfer);

    if (doc.text(F::edRukObrazUch).empty()) {
        const Field from =
            doc.text(F::edRukObrazUch2).empty() ? F::edRukObrazUch8 : F::edRukObrazUch2;
        for (const Field to :
             {F::edRukObrazUch, F::edRukObrazUchCert, F::edRukObrazUch2, F::edRukObrazUch8}) {
            if (to != from)
                doc.setText(to, doc.text(from));
        }
    }
    copyLines(doc, kPage2DateOut, kDiplomaDateOut);
}

// Under the older blanks the extra line above the town shows only with "Строчка сверху";
// the 2010/2011 diploma always has it.
bool upperTownLineShown(const Document& doc, int version) {
    return version == 2 || doc.flag(Flag::cbAddLineUp_Diplom);
}

// ---------------------------------------------------------------------------------------

void diplomaToSupplements(Document& doc, const CopyContext& c) {
    const int full = fullLineLength(c.maxSymbols);
    copy(doc, F::edRegNoDiplom, {F::edRegNo, F::edRegNoNPO});
    if (!birthInDateOutFields(c.vellexVersion))
        copy(doc, F::edDateOutDiplom, {F::edDateOut, F::edDateOutNPO});
    copy(doc, F::edStudentDiplom1, {F::edSurName, F::edSurNameNPO, F::edSurName4, F::edSurName7});
    copy(doc, F::edStudentDiplom2, {F::edName, F::edNameNPO, F::edName4, F::edName7});

    if (c.vellexVersion == 2) {
        diplomaToFirstPage(doc, kNpoLines, full);
        diplomaToFirstPage(doc, kSpoLines, full);
        return;
    }

    std::string school;
    if (upperTownLineShown(doc, c.vellexVersion) && holdsText(doc.text(F::edTownDiplom0))) {
        copy(doc, F::edTownDiplom0, {F::edTown, F::edTown4, F::edTownNPO});
        constexpr Field parts[] = {F::edTownDiplom, F::edSchoolDiplom1, F::edSchoolDiplom2};
        school = join(doc, parts);
    } else {
        copy(doc, F::edTownDiplom, {F::edTown, F::edTown4, F::edTownNPO});
        constexpr Field parts[] = {F::edSchoolDiplom1, F::edSchoolDiplom2};
        school = join(doc, parts);
    }
    if (!school.empty()) {
        distributeText(doc, school, full, kSpoSchool);
        copyLines(doc, kSpoSchool, kNpoSchool);
        // The academic certificate of the 1997-2006 blanks names the institution too.
        if (c.vellexVersion == 0)
            distributeText(doc, school, full, kAcademicSchool);
    }

    constexpr Field qualify[] = {F::edQualifyDiplom1, F::edQualifyDiplom2, F::edQualifyDiplom3};
    doc.setText(F::edQualify, join(doc, qualify));
    constexpr Field qualifyNpo[] = {F::edQualifyNPO1, F::edQualifyNPO2};
    distributeText(doc, doc.text(F::edQualify), full, qualifyNpo);

    constexpr Field specialty[] = {F::edSpecDiplom1, F::edSpecDiplom2, F::edSpecDiplom3,
                                   F::edSpecDiplom4};
    constexpr Field specRight[] = {F::edSpecRight1, F::edSpecRight2, F::edSpecRight3,
                                   F::edSpecRight4};
    constexpr Field specRightNpo[] = {F::edSpecRightNPO1, F::edSpecRightNPO2, F::edSpecRightNPO3,
                                      F::edSpecRightNPO4};
    copyLines(doc, specialty, specRight);
    copyLines(doc, specialty, specRightNpo);
}

// ---------------------------------------------------------------------------------------
// Between the two supplement first pages: one field from one field, the source chosen by
// the edition.

enum class Take : std::uint8_t {
    Nothing,        // the target is not touched
    Copy,           // a
    JoinRaw,        // a, one space, b, not stripped
    WithFollowing,  // a; when a holds text, followed by one space and b
};

struct Source {
    Take take = Take::Nothing;
    Field a{};
    Field b{};
};

constexpr Source from(Field a) {
    return {Take::Copy, a, a};
}
constexpr Source none() {
    return {};
}

struct CopyRow {
    Field target;
    Source older;    // blanks 1997-2006 and 2007/2008
    Source current;  // blanks 2010/2011
};

// A row whose source does not change with the edition.
constexpr CopyRow same(Field target, Field source) {
    return {target, from(source), from(source)};
}

constexpr CopyRow kSpoToNpo[] = {
    same(F::edTownNPO, F::edTown),
    same(F::edSchoolNPO1, F::edSchool1),
    same(F::edSchoolNPO2, F::edSchool2),
    same(F::edSchoolNPO3, F::edSchool3),
    same(F::edSchoolNPO4, F::edSchool4),
    same(F::edSchoolNPO5, F::edSchool5),
    same(F::edSchoolNPO6, F::edSchool6),
    same(F::edNumToDiplNPO, F::edNumToDipl),
    same(F::edRegNoNPO, F::edRegNo),
    same(F::edDateOutNPO, F::edDateOut),
    same(F::edPresentDateNPO, F::edPresentDate),
    same(F::edSurNameNPO, F::edSurName),
    same(F::edNameNPO, F::edName),
    same(F::edBirthDayNPO, F::edBirthDay),
    same(F::edQualifyNPO1, F::edQualify),
    {F::edQualifyNPO2, none(), from(F::edQualify2)},
    {F::edQualifyNPO3, none(), from(F::edQualify3)},
    same(F::edPrevDocumNPO1, F::edPrevDocum1),
    same(F::edPrevDocumNPO2, F::edPrevDocum2),
    same(F::edPrevDocumNPO3, F::edPrevDocum3),
    same(F::edEntryNPO1, F::edEntry1),
    same(F::edEntryNPO2, F::edEntry2),
    {F::edEntryNPO3, from(F::edEntry3), from(F::edEndLern3)},
    same(F::edEndLernNPO1, F::edEndLern1),
    same(F::edEndLernNPO2, F::edEndLern2),
    same(F::edEndLernNPO3, F::edEndLern3),
    same(F::edTimeLernNPO_0, F::edTimeLern),
    {F::edTimeLernNPO, from(F::edTimeLern2), from(F::edTimeLern)},
    same(F::edSpecialNPO1, F::edSpecial),
    {F::edSpecialNPO2, from(F::edSpecial2), from(F::edSpecialicy)},
    {F::edEducationNPO1, from(F::edSpecialicy), from(F::edEndLern1)},
    {F::edEducationNPO2, none(), from(F::edEndLern2)},
    {F::edPrakticNPO1, from(F::edPraktic1), from(F::edExamen1)},
    {F::edPrakticNPO2, from(F::edPraktic2), from(F::edResult1)},
    same(F::edSpecRightNPO1, F::edSpecialicy),
    same(F::edNameDiplPrjNPO0, F::edNameDiplPrj0),
    same(F::edNameDiplPrjNPO1, F::edNameDiplPrj1),
    same(F::edNameDiplPrjNPO2, F::edNameDiplPrj2),
    same(F::edExamenNPO1, F::edExamen1),
    same(F::edExamenNPO2, F::edExamen2),
    same(F::edExamMoreNPO1, F::edExamMore1),
    same(F::edExamMoreNPO2, F::edExamMore2),
    same(F::edExamMoreNPO3, F::edExamMore3),
    same(F::edExamMoreNPO4, F::edExamMore4),
    same(F::edExamMoreNPO5, F::edExamMore5),
    same(F::edExamMoreNPO6, F::edExamMore6),
};

constexpr Source kExamen2FromNpo{Take::WithFollowing, F::edExamenNPO2, F::edExamenNPO3};

constexpr CopyRow kNpoToSpo[] = {
    same(F::edTown, F::edTownNPO),
    same(F::edSchool1, F::edSchoolNPO1),
    same(F::edSchool2, F::edSchoolNPO2),
    same(F::edSchool3, F::edSchoolNPO3),
    same(F::edSchool4, F::edSchoolNPO4),
    same(F::edSchool5, F::edSchoolNPO5),
    same(F::edSchool6, F::edSchoolNPO6),
    same(F::edNumToDipl, F::edNumToDiplNPO),
    same(F::edRegNo, F::edRegNoNPO),
    same(F::edDateOut, F::edDateOutNPO),
    same(F::edPresentDate, F::edPresentDateNPO),
    same(F::edSurName, F::edSurNameNPO),
    same(F::edName, F::edNameNPO),
    same(F::edBirthDay, F::edBirthDayNPO),
    {F::edQualify, {Take::JoinRaw, F::edQualifyNPO1, F::edQualifyNPO2}, from(F::edQualifyNPO1)},
    {F::edQualify2, none(), from(F::edQualifyNPO2)},
    {F::edQualify3, none(), from(F::edQualifyNPO3)},
    same(F::edPrevDocum1, F::edPrevDocumNPO1),
    same(F::edPrevDocum2, F::edPrevDocumNPO2),
    same(F::edPrevDocum3, F::edPrevDocumNPO3),
    same(F::edEntry1, F::edEntryNPO1),
    same(F::edEntry2, F::edEntryNPO2),
    same(F::edEntry3, F::edEntryNPO3),
    {F::edEndLern1, from(F::edEndLernNPO1), from(F::edEducationNPO1)},
    {F::edEndLern2, from(F::edEndLernNPO2), from(F::edEducationNPO2)},
    {F::edEndLern3, from(F::edEndLernNPO3), from(F::edEntryNPO3)},
    {F::edTimeLern, from(F::edTimeLernNPO_0), from(F::edTimeLernNPO)},
    same(F::edTimeLern2, F::edTimeLernNPO),
    same(F::edSpecial, F::edSpecialNPO1),
    same(F::edSpecial2, F::edSpecialNPO2),
    {F::edSpecialicy, from(F::edSpecRightNPO1), from(F::edSpecialNPO2)},
    same(F::edPraktic1, F::edPrakticNPO1),
    same(F::edPraktic2, F::edPrakticNPO2),
    {F::edResult1, none(), from(F::edPrakticNPO2)},
    same(F::edNameDiplPrj0, F::edNameDiplPrjNPO0),
    same(F::edNameDiplPrj1, F::edNameDiplPrjNPO1),
    same(F::edNameDiplPrj2, F::edNameDiplPrjNPO2),
    {F::edExamen1, from(F::edExamenNPO1), from(F::edPrakticNPO1)},
    {F::edExamen2, kExamen2FromNpo, kExamen2FromNpo},
    same(F::edExamMore1, F::edExamMoreNPO1),
    same(F::edExamMore2, F::edExamMoreNPO2),
    same(F::edExamMore3, F::edExamMoreNPO3),
    same(F::edExamMore4, F::edExamMoreNPO4),
    same(F::edExamMore5, F::edExamMoreNPO5),
    same(F::edExamMore6, F::edExamMoreNPO6),
};

void applyRows(Document& doc, std::span<const CopyRow> rows, int version) {
    for (const CopyRow& row : rows) {
        const Source& s = version == 2 ? row.current : row.older;
        switch (s.take) {
            case Take::Nothing:
                break;
            case Take::Copy:
                doc.setText(row.target, doc.text(s.a));
                break;
            case Take::JoinRaw:
                doc.setText(row.target, doc.text(s.a) + " " + doc.text(s.b));
                break;
            case Take::WithFollowing:
                doc.setText(row.target, doc.text(s.a).empty()
                                            ? std::string()
                                            : doc.text(s.a) + " " + doc.text(s.b));
                break;
        }
    }
}

// ---------------------------------------------------------------------------------------

constexpr Field kDiplomaSchoolTwo[] = {F::edSchoolDiplom1, F::edSchoolDiplom2};
constexpr Field kDiplomaSchoolThree[] = {F::edTownDiplom, F::edSchoolDiplom1, F::edSchoolDiplom2};

void spoToDiploma(Document& doc, const CopyContext& c) {
    const bool birth = birthInDateOutFields(c.vellexVersion);
    if (!birth) {
        doc.setText(F::edTownDiplom, doc.text(F::edTown));
        doc.setText(F::edDateOutDiplom, doc.text(F::edDateOut));
    }
    distributeText(doc, joinLines(doc, kSpoSchool), halfLineLength(c.maxSymbols),
                   kDiplomaSchoolTwo);
    constexpr std::pair<Field, Field> kPairs[] = {
        {F::edSurName, F::edStudentDiplom1}, {F::edName, F::edStudentDiplom2},
        {F::edRegNo, F::edRegNoDiplom},      {F::edPresentDate, F::edPresentDateDiplom},
        {F::edQualify, F::edQualifyDiplom2}, {F::edSpecRight1, F::edSpecDiplom1},
        {F::edSpecRight2, F::edSpecDiplom2}, {F::edSpecRight3, F::edSpecDiplom3},
        {F::edSpecRight4, F::edSpecDiplom4},
    };
    for (const auto& [source, target] : kPairs)
        doc.setText(target, doc.text(source));
    if (c.vellexVersion == 2)
        firstPageToDiploma(doc, kSpoLines, halfLineLength(c.maxSymbols));
}

void npoToDiploma(Document& doc, const CopyContext& c) {
    const bool birth = birthInDateOutFields(c.vellexVersion);
    std::span<const Field> targets = kDiplomaSchoolTwo;
    if (upperTownLineShown(doc, c.vellexVersion)) {
        if (!birth)
            doc.setText(F::edTownDiplom0, doc.text(F::edTownNPO));
        targets = kDiplomaSchoolThree;
    } else {
        doc.setText(F::edTownDiplom, doc.text(F::edTownNPO));
    }
    if (!birth)
        doc.setText(F::edDateOutDiplom, doc.text(F::edDateOutNPO));
    distributeText(doc, joinLines(doc, kNpoSchool), halfLineLength(c.maxSymbols), targets);
    constexpr std::pair<Field, Field> kPairs[] = {
        {F::edSurNameNPO, F::edStudentDiplom1},  {F::edNameNPO, F::edStudentDiplom2},
        {F::edRegNoNPO, F::edRegNoDiplom},       {F::edPresentDateNPO, F::edPresentDateDiplom},
        {F::edQualifyNPO1, F::edQualifyDiplom2}, {F::edQualifyNPO2, F::edQualifyDiplom3},
        {F::edSpecRightNPO1, F::edSpecDiplom1},  {F::edSpecRightNPO2, F::edSpecDiplom2},
        {F::edSpecRightNPO3, F::edSpecDiplom3},  {F::edSpecRightNPO4, F::edSpecDiplom4},
    };
    for (const auto& [source, target] : kPairs)
        doc.setText(target, doc.text(source));
    if (c.vellexVersion == 2)
        firstPageToDiploma(doc, kNpoLines, halfLineLength(c.maxSymbols));
}

// ---------------------------------------------------------------------------------------

void certificateToSupplement(Document& doc, const CopyContext& c) {
    constexpr Field kSupplementSchool[] = {F::edSchool71, F::edSchool72, F::edSchool73,
                                           F::edSchool74};
    constexpr Field kSupplementQualify[] = {F::edQualify71, F::edQualify72, F::edQualify73,
                                            F::edQualify74, F::edQualify75, F::edQualify76};
    constexpr Field kCertificateQualify[] = {F::edQualifyCertificate1, F::edQualifyCertificate2,
                                             F::edQualifyCertificate3, F::edQualifyCertificate4,
                                             F::edQualifyCertificate5};
    if (c.vellexVersion == 2) {
        // The 2010/2011 supplement has the institution in the edQualify7x lines and the
        // qualification in the edSchool7x lines; they are copied line by line.
        constexpr Field kCertificateSchool[] = {F::edTownCertificate0,   F::edTownCertificate,
                                                F::edSchoolCertificate1, F::edSchoolCertificate2,
                                                F::edSchoolCertificate3, F::edSchoolCertificate4};
        constexpr Field kPresentDate[] = {F::edPresentDateCertificate1,
                                          F::edPresentDateCertificate2,
                                          F::edPresentDateCertificate};
        constexpr Field kDate[] = {F::edDate1, F::edDate2, F::edDate3};
        doc.setText(F::edAddName7, doc.text(F::edStudentCertificate3));
        copyLines(doc, kPresentDate, kDate);
        copyLines(doc, kCertificateSchool, kSupplementQualify);
        copyLines(doc, std::span(kCertificateQualify).first(4), kSupplementSchool);
        doc.setText(F::edQualify5, doc.text(F::edQualifyCertificate5));
        doc.setText(F::edQualify6, std::string());
    } else {
        const int full = fullLineLength(c.maxSymbols);
        std::string school;
        if (holdsText(doc.text(F::edTownCertificate0))) {
            doc.setText(F::edTown7, doc.text(F::edTownCertificate0));
            constexpr Field parts[] = {F::edTownCertificate, F::edSchoolCertificate1,
                                       F::edSchoolCertificate2};
            school = join(doc, parts);
        } else {
            doc.setText(F::edTown7, doc.text(F::edTownCertificate));
            constexpr Field parts[] = {F::edSchoolCertificate1, F::edSchoolCertificate2};
            school = join(doc, parts);
        }
        distributeText(doc, school, full, kSupplementSchool);
        doc.setText(F::edQualify71, join(doc, kCertificateQualify));
        distributeText(doc, doc.text(F::edQualify71), full, kSupplementQualify);
    }
    doc.setText(F::edRegNo7, doc.text(F::edRegNoCertificate));
    if (!birthInDateOutFields(c.vellexVersion))
        doc.setText(F::edDateOut7, doc.text(F::edDateOutCertificate));
    doc.setText(F::edSurName7, doc.text(F::edStudentCertificate1));
    doc.setText(F::edName7, doc.text(F::edStudentCertificate2));
}

// ---------------------------------------------------------------------------------------
// "<< Перенести": a free text spread over the examination lines (the institution lines
// of the 2010/2011 blanks).

constexpr int kFirstLineLength = 30;

struct Spread {
    bool npo;
    int version;
    std::optional<Field> firstLine;
    std::span<const Field> targets;
};

constexpr Field kExamMoreAll[] = {F::edExamMore1, F::edExamMore2, F::edExamMore3, F::edExamMore4,
                                  F::edExamMore5, F::edExamMore6, F::edExamMore7, F::edExamMore8,
                                  F::edExamMore9, F::edExamMore10};
constexpr Field kExamMoreNpo[] = {F::edExamMoreNPO2, F::edExamMoreNPO3, F::edExamMoreNPO4,
                                  F::edExamMoreNPO5, F::edExamMoreNPO6, F::edExamMoreNPO7};

const Spread kSpreads[] = {
    {false, 0, std::nullopt, kExamMoreAll},
    {false, 1, F::edExamMore1, std::span(kExamMoreAll).subspan(1, 5)},
    {true, 0, F::edExamMoreNPO1, kExamMoreNpo},
    {true, 1, F::edExamMoreNPO1, kExamMoreNpo},
    {false, 2, std::nullopt, kSpoSchool},
    {true, 2, std::nullopt, kNpoSchool},
};

void spreadMemo(Document& doc, bool npo, const CopyContext& c) {
    const Spread* spread = nullptr;
    for (const Spread& s : kSpreads) {
        if (s.npo == npo && s.version == c.vellexVersion)
            spread = &s;
    }
    if (spread == nullptr)
        return;
    std::string text =
        collapseSpaces(controlsToSpaces(doc.text(npo ? F::memoExamMoreNPO : F::memoExamMore)));
    if (spread->firstLine && text.size() > kFirstLineLength) {
        const std::string_view head = std::string_view(text).substr(0, kFirstLineLength);
        const std::size_t space = head.rfind(' ');
        const std::size_t cut = space == std::string_view::npos ? 0 : space;
        doc.setText(*spread->firstLine, trimChar(head.substr(0, cut), ' '));
        text.erase(0, cut);
    }
    distributeText(doc, text, fullLineLength(c.maxSymbols), spread->targets,
                   {.skipEmptySurplus = false, .stripLines = true});
}

}  // namespace

int fullLineLength(int maxSymbols) {
    return maxSymbols + 5;
}
int halfLineLength(int maxSymbols) {
    return maxSymbols / 2 + 5;
}

void distributeText(Document& doc, std::string_view text, int width, std::span<const Field> targets,
                    Distribution how) {
    if (text.empty() || targets.empty())
        return;
    std::vector<std::string> lines;
    SplitTextToLines(width, static_cast<int>(targets.size()), kTolerance, kRatioLimit, text, lines);
    const Field last = targets.back();
    for (std::size_t k = 0; k < lines.size(); ++k) {
        std::string line = how.stripLines ? trimChar(lines[k], ' ') : std::move(lines[k]);
        if (k < targets.size()) {
            doc.setText(targets[k], std::move(line));
        } else if (!(how.skipEmptySurplus && line.empty())) {
            doc.setText(last, doc.text(last) + " " + line);
        }
    }
}

void runCopyCommand(CopyCommand command, Document& doc, const CopyContext& context) {
    switch (command) {
        case CopyCommand::DiplomaToSupplements:
            diplomaToSupplements(doc, context);
            break;
        case CopyCommand::SpoToNpo:
            applyRows(doc, kSpoToNpo, context.vellexVersion);
            break;
        case CopyCommand::NpoToSpo:
            applyRows(doc, kNpoToSpo, context.vellexVersion);
            break;
        case CopyCommand::SpoToDiploma:
            spoToDiploma(doc, context);
            break;
        case CopyCommand::NpoToDiploma:
            npoToDiploma(doc, context);
            break;
        case CopyCommand::CertificateToSupplement:
            certificateToSupplement(doc, context);
            break;
        case CopyCommand::SpreadExamMoreSpo:
            spreadMemo(doc, false, context);
            break;
        case CopyCommand::SpreadExamMoreNpo:
            spreadMemo(doc, true, context);
            break;
    }
}

}  // namespace vellex

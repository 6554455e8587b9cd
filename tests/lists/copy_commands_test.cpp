#include <gtest/gtest.h>

#include "lists/copy_commands.h"
#include "tests/support/test_support.h"
#include "text/split_text.h"

namespace vellex {
namespace {

using test::cp;
using F = Field;

// Words of a qualification, repeated to any length.
std::string words(std::size_t length) {
    static const std::string kWords =
        cp("техник по специальности техническое обслуживание и ремонт автомобильного "
           "транспорта и наладка оборудования ");
    std::string out;
    while (out.size() < length)
        out += kWords;
    out.resize(length);
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

std::vector<std::string> splitAs(std::string_view text, int width, int lines) {
    std::vector<std::string> out;
    SplitTextToLines(width, lines, 5, 4, text, out);
    return out;
}

void run(CopyCommand c, Document& doc, int version, int maxSymbols = 80) {
    runCopyCommand(c, doc, CopyContext{version, maxSymbols});
}

// ---- line lengths and the surplus ------------------------------------------------------

TEST(CopyDistribution, FullLinesOnSupplementsHalfLinesOnTheDiploma) {
    const std::string school = words(120);
    Document doc;
    doc.setText(F::edSchoolDiplom1, school);
    run(CopyCommand::DiplomaToSupplements, doc, 1);
    // 85 characters a line: the 120 characters take two lines.
    const auto full = splitAs(school, 85, 6);
    ASSERT_EQ(full.size(), 2u);
    EXPECT_EQ(doc.text(F::edSchool1), full[0]);
    EXPECT_EQ(doc.text(F::edSchool2), full[1]);
    EXPECT_LE(doc.text(F::edSchool1).size(), 85u);
    EXPECT_EQ(doc.text(F::edSchool3), "");

    // Back onto two diploma lines of 45 characters: what does not fit is appended.
    Document back;
    back.setText(F::edSchool1, words(80));
    run(CopyCommand::SpoToDiploma, back, 1);
    const auto half = splitAs(words(80), 45, 2);
    EXPECT_EQ(back.text(F::edSchoolDiplom1), half[0]);
    EXPECT_LE(half[0].size(), 45u);
    std::string second = half[1];
    for (std::size_t k = 2; k < half.size(); ++k)
        second += " " + half[k];
    EXPECT_EQ(back.text(F::edSchoolDiplom2), second);
}

TEST(CopyDistribution, SixLinesOnAFourLineTargetEndOnTheFourth) {
    const std::string qualify = words(470);
    const auto lines = splitAs(qualify, 85, 4);
    ASSERT_EQ(lines.size(), 6u);
    Document doc;
    doc.setText(F::edQualifyDiplom1, qualify);
    run(CopyCommand::DiplomaToSupplements, doc, 2);
    for (const Field f : {F::edExamen1, F::edPrakticNPO1})
        EXPECT_EQ(doc.text(f), lines[0]);
    EXPECT_EQ(doc.text(F::edQualify2), lines[2]);
    EXPECT_EQ(doc.text(F::edQualify3), lines[3] + " " + lines[4] + " " + lines[5]);
    EXPECT_EQ(doc.text(F::edQualifyNPO3), lines[3] + " " + lines[4] + " " + lines[5]);
}

TEST(CopyDistribution, EmptyJoinLeavesTheTargetsButOneToOneCopiesCarryEmptiness) {
    Document doc;
    for (const Field f : {F::edSchool1, F::edSchool2, F::edQualifyDiplom1, F::edSchoolDiplom1,
                          F::edTownDiplom, F::edStudentDiplom1})
        doc.setText(f, "old");
    doc.setText(F::edSurName, "");
    // From an empty SPO page: the school lines are joined (empty) and distributed, so the
    // diploma keeps them; the name is copied one to one and becomes empty.
    for (const Field f : {F::edSchool1, F::edSchool2})
        doc.setText(f, "");
    run(CopyCommand::SpoToDiploma, doc, 1);
    EXPECT_EQ(doc.text(F::edSchoolDiplom1), "old");
    EXPECT_EQ(doc.text(F::edStudentDiplom1), "");
    EXPECT_EQ(doc.text(F::edTownDiplom), "");
}

// ---- diploma to supplements ------------------------------------------------------------

TEST(CopyDiplomaToSupplements, AcademicLinesUnderEdition0Only) {
    for (const int version : {0, 1}) {
        SCOPED_TRACE(version);
        Document doc;
        doc.setText(F::edSchoolDiplom1, cp("ГБОУ СПО"));
        doc.setText(F::edSchoolDiplom2, cp("Омский колледж"));
        doc.setText(F::edSchool42, "keep");
        run(CopyCommand::DiplomaToSupplements, doc, version);
        const std::string joined = cp("ГБОУ СПО Омский колледж");
        EXPECT_EQ(doc.text(F::edSchool1), joined);
        EXPECT_EQ(doc.text(F::edSchoolNPO1), joined);
        EXPECT_EQ(doc.text(F::edSchool41), version == 0 ? joined : "");
        EXPECT_EQ(doc.text(F::edSchool42), "keep");
    }
}

TEST(CopyDiplomaToSupplements, UpperTownLineUnderOlderEditions) {
    const struct {
        bool ticked;
        const char* upper;
        const char* town;
        const char* school;
    } cases[] = {
        {true, "Россия", "Россия", "г. Омск ГБОУ"},
        {true, " ", "г. Омск", "ГБОУ"},  // one space counts as empty
        {false, "Россия", "г. Омск", "ГБОУ"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.upper);
        Document doc;
        doc.setFlag(Flag::cbAddLineUp_Diplom, c.ticked);
        doc.setText(F::edTownDiplom0, cp(c.upper));
        doc.setText(F::edTownDiplom, cp("г. Омск"));
        doc.setText(F::edSchoolDiplom1, cp("ГБОУ"));
        run(CopyCommand::DiplomaToSupplements, doc, 0);
        for (const Field f : {F::edTown, F::edTown4, F::edTownNPO})
            EXPECT_EQ(doc.text(f), cp(c.town));
        EXPECT_EQ(doc.text(F::edSchool1), cp(c.school));
    }
}

TEST(CopyDiplomaToSupplements, Edition2LineByLineAndHeadOfInstitution) {
    Document doc;
    const Field diplomaSchool[] = {F::edTownDiplom0,   F::edTownDiplom,    F::edSchoolDiplom1,
                                   F::edSchoolDiplom2, F::edSchoolDiplom3, F::edSchoolDiplom4};
    for (int i = 0; i < 6; ++i)
        doc.setText(diplomaSchool[i], "s" + std::to_string(i + 1));
    doc.setText(F::edStudentDiplom3, cp("Иванович"));
    doc.setText(F::edPresentDateDiplom1, "5");
    doc.setText(F::edPresentDateDiplom2, cp("марта"));
    doc.setText(F::edPresentDateDiplom, "2026");
    doc.setText(F::edDateOutDiplom1, "7");
    doc.setText(F::edDateOutDiplom, "2026");
    doc.setText(F::edRukObrazUch, cp("Петров П.П."));
    doc.setText(F::edRukObrazUch8, cp("Другой"));
    run(CopyCommand::DiplomaToSupplements, doc, 2);

    EXPECT_EQ(doc.text(F::edNameDiplPrj0), cp("Иванович"));
    EXPECT_EQ(doc.text(F::edNameDiplPrjNPO0), cp("Иванович"));
    EXPECT_EQ(doc.text(F::edSchool1), "s1");
    EXPECT_EQ(doc.text(F::edSchoolNPO6), "s6");
    EXPECT_EQ(doc.text(F::edSchool46), "s6");
    EXPECT_EQ(doc.text(F::edEndLern2), cp("марта"));
    EXPECT_EQ(doc.text(F::edEducationNPO1), "5");
    EXPECT_EQ(doc.text(F::edEntryNPO3), "2026");
    // Only the empty head fields take the diploma's.
    EXPECT_EQ(doc.text(F::edRukObrazUch2), cp("Петров П.П."));
    EXPECT_EQ(doc.text(F::edRukObrazUchCert), cp("Петров П.П."));
    EXPECT_EQ(doc.text(F::edRukObrazUch8), cp("Другой"));
    EXPECT_EQ(doc.text(F::edDayOut), "7");
    EXPECT_EQ(doc.text(F::edYearOut8), "2026");
}

// ---- between the supplement first pages ------------------------------------------------

// Every source holds its own name, so a target shows where its text came from.
Document namedSources() {
    Document doc;
    for (int i = 0; i < kFieldCount; ++i) {
        const auto f = static_cast<Field>(i);
        doc.setText(f, std::string(fieldName(f)));
    }
    return doc;
}

TEST(CopyBetweenFirstPages, SourcesByEdition) {
    const struct {
        CopyCommand command;
        Field target;
        const char* older;    // editions 0 and 1; "=" means untouched
        const char* current;  // edition 2
    } cases[] = {
        {CopyCommand::SpoToNpo, F::edSchoolNPO4, "edSchool4", "edSchool4"},
        {CopyCommand::SpoToNpo, F::edQualifyNPO2, "=", "edQualify2"},
        {CopyCommand::SpoToNpo, F::edEntryNPO3, "edEntry3", "edEndLern3"},
        {CopyCommand::SpoToNpo, F::edTimeLernNPO, "edTimeLern2", "edTimeLern"},
        {CopyCommand::SpoToNpo, F::edEducationNPO1, "edSpecialicy", "edEndLern1"},
        {CopyCommand::SpoToNpo, F::edEducationNPO2, "=", "edEndLern2"},
        {CopyCommand::SpoToNpo, F::edPrakticNPO2, "edPraktic2", "edResult1"},
        {CopyCommand::SpoToNpo, F::edExamMoreNPO6, "edExamMore6", "edExamMore6"},
        {CopyCommand::SpoToNpo, F::edExamMoreNPO7, "=", "="},
        {CopyCommand::NpoToSpo, F::edQualify, "edQualifyNPO1 edQualifyNPO2", "edQualifyNPO1"},
        {CopyCommand::NpoToSpo, F::edQualify3, "=", "edQualifyNPO3"},
        {CopyCommand::NpoToSpo, F::edEndLern2, "edEndLernNPO2", "edEducationNPO2"},
        {CopyCommand::NpoToSpo, F::edTimeLern, "edTimeLernNPO_0", "edTimeLernNPO"},
        {CopyCommand::NpoToSpo, F::edSpecialicy, "edSpecRightNPO1", "edSpecialNPO2"},
        {CopyCommand::NpoToSpo, F::edResult1, "=", "edPrakticNPO2"},
        {CopyCommand::NpoToSpo, F::edExamen1, "edExamenNPO1", "edPrakticNPO1"},
        {CopyCommand::NpoToSpo, F::edExamen2, "edExamenNPO2 edExamenNPO3",
         "edExamenNPO2 edExamenNPO3"},
    };
    for (const auto& c : cases) {
        for (const int version : {0, 1, 2}) {
            SCOPED_TRACE(std::string(fieldName(c.target)) + " v" + std::to_string(version));
            Document doc = namedSources();
            run(c.command, doc, version);
            const std::string want = version == 2 ? c.current : c.older;
            EXPECT_EQ(doc.text(c.target), want == "=" ? fieldName(c.target) : want);
        }
    }
}

TEST(CopyBetweenFirstPages, EmptyExamenNpo2LeavesExamen2Empty) {
    Document doc;
    doc.setText(F::edExamen2, "old");
    doc.setText(F::edExamenNPO3, cp("защищена"));
    run(CopyCommand::NpoToSpo, doc, 1);
    EXPECT_EQ(doc.text(F::edExamen2), "");
    // Under the older editions the two qualification lines join without stripping.
    EXPECT_EQ(doc.text(F::edQualify), " ");
}

// ---- first pages to the diploma --------------------------------------------------------

TEST(CopyToDiploma, HeadOfInstitutionFromPage2OrPage3) {
    const struct {
        const char* uch;
        const char* uch2;
        const char* uch8;
        std::array<const char*, 4> want;  // edRukObrazUch, Cert, 2, 8
    } cases[] = {
        {"", "B", "C", {"B", "B", "B", "B"}},
        {"", "", "C", {"C", "C", "C", "C"}},
        {"A", "B", "C", {"A", "", "B", "C"}},
    };
    for (const auto& c : cases) {
        Document doc;
        doc.setText(F::edRukObrazUch, c.uch);
        doc.setText(F::edRukObrazUch2, c.uch2);
        doc.setText(F::edRukObrazUch8, c.uch8);
        run(CopyCommand::SpoToDiploma, doc, 2);
        EXPECT_EQ(doc.text(F::edRukObrazUch), c.want[0]);
        EXPECT_EQ(doc.text(F::edRukObrazUchCert), c.want[1]);
        EXPECT_EQ(doc.text(F::edRukObrazUch2), c.want[2]);
        EXPECT_EQ(doc.text(F::edRukObrazUch8), c.want[3]);
    }
}

TEST(CopyToDiploma, Edition2TakesTheFirstPageLineByLine) {
    Document doc;
    doc.setText(F::edSchoolNPO1, cp("Россия"));
    doc.setText(F::edSchoolNPO3, cp("ГБОУ"));
    doc.setText(F::edPrakticNPO1, cp("техник"));
    doc.setText(F::edQualifyNPO1, cp("механик"));
    doc.setText(F::edDayOut, "7");
    run(CopyCommand::NpoToDiploma, doc, 2);
    EXPECT_EQ(doc.text(F::edTownDiplom0), cp("Россия"));
    EXPECT_EQ(doc.text(F::edTownDiplom), "");
    EXPECT_EQ(doc.text(F::edSchoolDiplom1), cp("ГБОУ"));
    EXPECT_EQ(doc.text(F::edQualifyDiplom1), cp("техник механик"));
    EXPECT_EQ(doc.text(F::edDateOutDiplom1), "7");
}

TEST(CopyToDiploma, NpoSchoolOnThreeLinesWhenTheUpperLineShows) {
    for (const bool ticked : {false, true}) {
        Document doc;
        doc.setFlag(Flag::cbAddLineUp_Diplom, ticked);
        doc.setText(F::edTownNPO, cp("г. Омск"));
        doc.setText(F::edSchoolNPO1, words(100));
        run(CopyCommand::NpoToDiploma, doc, 0);
        EXPECT_EQ(doc.text(ticked ? F::edTownDiplom0 : F::edTownDiplom), cp("г. Омск"));
        const auto lines = splitAs(words(100), 45, ticked ? 3 : 2);
        EXPECT_EQ(doc.text(ticked ? F::edTownDiplom : F::edSchoolDiplom1), lines[0]);
    }
}

// ---- certificate -----------------------------------------------------------------------

TEST(CopyCertificate, Edition2LinesAndOlderDistribution) {
    Document doc = namedSources();
    run(CopyCommand::CertificateToSupplement, doc, 2);
    EXPECT_EQ(doc.text(F::edQualify71), "edTownCertificate0");
    EXPECT_EQ(doc.text(F::edQualify76), "edSchoolCertificate4");
    EXPECT_EQ(doc.text(F::edSchool74), "edQualifyCertificate4");
    EXPECT_EQ(doc.text(F::edQualify5), "edQualifyCertificate5");
    EXPECT_EQ(doc.text(F::edQualify6), "");
    EXPECT_EQ(doc.text(F::edDate2), "edPresentDateCertificate2");
    EXPECT_EQ(doc.text(F::edName7), "edStudentCertificate2");

    Document older;
    older.setText(F::edTownCertificate0, " ");
    older.setText(F::edTownCertificate, cp("г. Омск"));
    older.setText(F::edSchoolCertificate2, cp("училище"));
    older.setText(F::edQualifyCertificate1, cp("слесарь"));
    older.setText(F::edQualifyCertificate3, cp("3 разряда"));
    run(CopyCommand::CertificateToSupplement, older, 1);
    EXPECT_EQ(older.text(F::edTown7), cp("г. Омск"));
    EXPECT_EQ(older.text(F::edSchool71), cp("училище"));
    // The empty second line still brings its space into the join.
    EXPECT_EQ(older.text(F::edQualify71), cp("слесарь  3 разряда"));
}

// ---- birth data under edition 2 ---------------------------------------------------------

// Under the 2010/2011 blanks the supplements' date-out fields hold the birth month and the
// town fields the birth place: no copy command may put the issue date or the town there,
// nor take them from there (the issue date used to overwrite the birth month).
TEST(CopyKeepsBirthData, NoCommandMixesBirthFieldsWithIssueDateOrTown) {
    constexpr Field kBirth[] = {F::edDateOut, F::edDateOutNPO, F::edDateOut4, F::edDateOut7,
                                F::edEntry2,  F::edEntryNPO2,  F::edBirthDay, F::edBirthDayNPO,
                                F::edTown,    F::edTownNPO,    F::edTown4,    F::edTown7};
    constexpr CopyCommand kCommands[] = {CopyCommand::DiplomaToSupplements,
                                         CopyCommand::SpoToNpo,
                                         CopyCommand::NpoToSpo,
                                         CopyCommand::SpoToDiploma,
                                         CopyCommand::NpoToDiploma,
                                         CopyCommand::CertificateToSupplement};
    for (const CopyCommand command : kCommands) {
        SCOPED_TRACE(static_cast<int>(command));
        Document doc;
        // The same birth on both supplements, as a pick of a student leaves it.
        for (const Field f : kBirth)
            doc.setText(f, cp("рождение"));
        doc.setText(F::edDateOutDiplom, "15.06.2026");
        doc.setText(F::edDateOutCertificate, "16.06.2026");
        doc.setText(F::edTownDiplom, cp("г. Омск"));
        run(command, doc, 2);
        for (const Field f : kBirth)
            EXPECT_EQ(doc.text(f), cp("рождение")) << fieldName(f);
        for (const Field f : {F::edDateOutDiplom, F::edTownDiplom, F::edTownDiplom0})
            EXPECT_NE(doc.text(f), cp("рождение")) << fieldName(f);
    }
    // The older blanks hold the issue date there and get it.
    Document older;
    older.setText(F::edDateOutDiplom, "15.06.2026");
    run(CopyCommand::DiplomaToSupplements, older, 1);
    EXPECT_EQ(older.text(F::edDateOut), "15.06.2026");
    EXPECT_EQ(older.text(F::edDateOutNPO), "15.06.2026");
}

// Lines joined into the diploma get one space between them, never none or two
// («Московскийколледж» before).
TEST(CopyToDiploma, SchoolLinesJoinWithOneSpace) {
    for (const CopyCommand command : {CopyCommand::SpoToDiploma, CopyCommand::NpoToDiploma}) {
        const bool spo = command == CopyCommand::SpoToDiploma;
        Document doc;
        doc.setText(spo ? F::edSchool1 : F::edSchoolNPO1, cp("Московский"));
        doc.setText(spo ? F::edSchool2 : F::edSchoolNPO2, cp(" колледж "));
        doc.setText(spo ? F::edSchool4 : F::edSchoolNPO4, cp("связи"));
        run(command, doc, 0);
        EXPECT_EQ(doc.text(F::edSchoolDiplom1), cp("Московский колледж связи"));
    }
}

// ---- "<< Перенести" --------------------------------------------------------------------

TEST(SpreadMemo, FirstLineRuleAndTargetsByEdition) {
    const std::string shortText = cp("Русский язык - отлично");  // under 30 characters
    Document doc;
    doc.setText(F::edExamMoreNPO1, "keep");
    doc.setText(F::memoExamMoreNPO, shortText);
    run(CopyCommand::SpreadExamMoreNpo, doc, 0);
    EXPECT_EQ(doc.text(F::edExamMoreNPO1), "keep");
    EXPECT_EQ(doc.text(F::edExamMoreNPO2), shortText);

    // 100 characters, tabs and line breaks among them.
    const std::string longText =
        cp("Математика\t-  отлично\r\nФизика - хорошо\r\nХимия - "
           "удовлетворительно, Информатика - отлично, История");
    doc.setText(F::memoExamMoreNPO, longText);
    run(CopyCommand::SpreadExamMoreNpo, doc, 1);
    EXPECT_EQ(doc.text(F::edExamMoreNPO1), cp("Математика - отлично Физика -"));
    EXPECT_EQ(doc.text(F::edExamMoreNPO2),
              cp("хорошо Химия - удовлетворительно, Информатика - отлично, История"));

    // Under edition 2 the SPO memo fills the institution lines, no first-line rule.
    Document v2;
    v2.setText(F::memoExamMore, shortText);
    run(CopyCommand::SpreadExamMoreSpo, v2, 2);
    EXPECT_EQ(v2.text(F::edSchool1), shortText);
    EXPECT_EQ(v2.text(F::edExamMore1), "");
}

TEST(SpreadMemo, PressingTwiceGivesTheSameLines) {
    for (const int version : {0, 1, 2}) {
        Document doc;
        doc.setText(F::memoExamMore, words(900));
        run(CopyCommand::SpreadExamMoreSpo, doc, version);
        const Document once = doc;
        run(CopyCommand::SpreadExamMoreSpo, doc, version);
        for (int i = 0; i < kFieldCount; ++i)
            EXPECT_EQ(doc.text(static_cast<Field>(i)), once.text(static_cast<Field>(i)));
    }
}

}  // namespace
}  // namespace vellex

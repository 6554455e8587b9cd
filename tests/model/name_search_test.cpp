#include <gtest/gtest.h>

#include "model/name_search.h"
#include "tests/support/test_support.h"

namespace vellex {
namespace {

using test::cp;

TEST(NameSearch, EmptyDocumentGivesEmptyParts) {
    EXPECT_EQ(findNameParts(Document(), 2), NameParts{});
    EXPECT_EQ(findNameParts(Document(), 0), NameParts{});
}

TEST(NameSearch, OnlyTheCertificatePageFilled) {
    Document doc;
    doc.setText(Field::edStudentCertificate1, cp("Петров"));
    doc.setText(Field::edStudentCertificate2, cp("Пётр"));
    doc.setText(Field::edStudentCertificate3, cp("Петрович"));
    EXPECT_EQ(findNameParts(doc, 2), (NameParts{cp("Петров"), cp("Пётр"), cp("Петрович")}));
    // Before 2010 the third certificate line is no patronymic.
    EXPECT_EQ(findNameParts(doc, 1), (NameParts{cp("Петров"), cp("Пётр"), ""}));
}

TEST(NameSearch, EarlierPagesWinAndEmptyFieldsAreSkipped) {
    Document doc;
    doc.setText(Field::edSurName4, cp("Сидоров"));
    doc.setText(Field::edSurName7, cp("Другой"));
    doc.setText(Field::edName7, cp("Олег"));
    doc.setText(Field::edNameDiplPrjNPO0, cp("Олегович"));
    doc.setText(Field::edAddName7, cp("Иной"));
    EXPECT_EQ(findNameParts(doc, 2), (NameParts{cp("Сидоров"), cp("Олег"), cp("Олегович")}));
}

TEST(NameSearch, BeforeVersion2ThePatronymicIsTheLastWordOfTheName) {
    const struct {
        const char* name;
        const char* first;
        const char* patronymic;
    } cases[] = {
        {"Иван Петрович", "Иван", "Петрович"},
        {"Иван", "Иван", ""},
        {"Анна Мария Ивановна", "Анна Мария", "Ивановна"},
        {"Иван ", "Иван", ""},
        {" Петрович", "", "Петрович"},
    };
    for (const auto& c : cases) {
        Document doc;
        doc.setText(Field::edStudentDiplom2, cp(c.name));
        doc.setText(Field::edStudentDiplom3, cp("не отчество"));
        const NameParts p = findNameParts(doc, 0);
        EXPECT_EQ(p.firstName, cp(c.first)) << c.name;
        EXPECT_EQ(p.patronymic, cp(c.patronymic)) << c.name;
    }
}

}  // namespace
}  // namespace vellex

#include <gtest/gtest.h>

#include "render/overflow_check.h"
#include "tests/render/qt_app.h"

namespace vellex {
namespace {

using test::cp;

class Overflow : public testing::Test {
  protected:
    static void SetUpTestSuite() { test::ensureGuiApplication(); }

    TTextBox* box(std::size_t page, std::string role, int width, int height,
                  std::string_view utf8) {
        while (report_.pages.size() <= page)
            addPage(report_);
        TTextBox* b = addTextBox(pageByIndex(report_, page), std::move(role));
        setBounds(*b, 50, 50 + 40 * static_cast<int>(report_.pages[page]->objects.size()), width,
                  height);
        setText(*b, cp(utf8));
        return b;
    }

    TReport report_;
};

TEST_F(Overflow, NamesEveryBoxThatDoesNotFitByItsCaption) {
    box(0, "edSchool1", 600, 18, "Короткое название");
    const TTextBox* wrapped = box(0, "edSchool2", 120, 18,
                                  "Государственное бюджетное профессиональное образовательное "
                                  "учреждение");
    const TTextBox* cut = box(1, "edRegNo", 60, 18, "ОченьДлинныйНомерБезПробелов");
    const auto found = findOverflows(report_);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].box, wrapped);
    EXPECT_EQ(found[0].page, 0u);
    EXPECT_EQ(found[0].message, "Учебное заведение, строка 2: текст не помещается");
    EXPECT_EQ(found[1].box, cut);
    EXPECT_EQ(found[1].page, 1u);
    EXPECT_EQ(found[1].message, "Регистрационный номер: текст не помещается");
}

TEST_F(Overflow, EmptyAndFittingBoxesAreQuiet) {
    box(0, "edSurName", 300, 18, "");
    box(0, "edName", 300, 18, "Иван");
    EXPECT_TRUE(findOverflows(report_).empty());
}

}  // namespace
}  // namespace vellex

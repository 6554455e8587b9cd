#include "report/report.h"

#include <stdexcept>
#include <utility>

namespace vellex {

void clearPages(TReport& report) {
    report.pages.clear();
}

TReportPage& addPage(TReport& report) {
    report.pages.push_back(std::make_unique<TReportPage>());
    return *report.pages.back();
}

TReportPage& pageByIndex(TReport& report, std::size_t index) {
    if (index >= report.pages.size())
        throw std::out_of_range("report page index");
    return *report.pages[index];
}

const TReportPage& pageByIndex(const TReport& report, std::size_t index) {
    if (index >= report.pages.size())
        throw std::out_of_range("report page index");
    return *report.pages[index];
}

std::unique_ptr<TTextBox> createTextBox(std::string role) {
    auto box = std::make_unique<TTextBox>();
    box->role = std::move(role);
    return box;
}

TTextBox* addToPage(TReportPage& page, std::unique_ptr<TTextBox> box) {
    TTextBox* raw = box.get();
    page.objects.push_back(std::move(box));
    return raw;
}

TTextBox* addTextBox(TReportPage& page, std::string role) {
    return addToPage(page, createTextBox(std::move(role)));
}

void setBounds(TTextBox& box, std::int32_t left, std::int32_t top, std::int32_t width,
               std::int32_t height) {
    box.left = left;
    box.top = top;
    box.width = width;
    box.height = height;
}

void setCoordinate(TTextBox& box, Coordinate which, std::int32_t value) {
    switch (which) {
        case Coordinate::Left:
            box.left = value;
            break;
        case Coordinate::Top:
            box.top = value;
            break;
        case Coordinate::Width:
            box.width = value;
            break;
        case Coordinate::Height:
            box.height = value;
            break;
    }
}

std::int32_t coordinate(const TTextBox& box, Coordinate which) {
    switch (which) {
        case Coordinate::Left:
            return box.left;
        case Coordinate::Top:
            return box.top;
        case Coordinate::Width:
            return box.width;
        case Coordinate::Height:
            return box.height;
    }
    return 0;
}

void setAdjust(TTextBox& box, std::int32_t code) {
    box.adjust = code;
}
void setFontSize(TTextBox& box, int points) {
    box.fontSize = points;
}
void setFontStyle(TTextBox& box, FontStyle style) {
    box.fontStyle = style;
}

void setText(TTextBox& box, std::string_view text) {
    box.text.clear();
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t brk = text.find_first_of("\r\n", start);
        if (brk == std::string_view::npos) {
            box.text.emplace_back(text.substr(start));
            break;
        }
        box.text.emplace_back(text.substr(start, brk - start));
        start = brk + 1;
        if (text[brk] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
    }
}

void addTextLine(TTextBox& box, std::string line) {
    box.text.push_back(std::move(line));
}
void clearText(TTextBox& box) {
    box.text.clear();
}

TTextBox* findBox(TReportPage& page, std::string_view role) {
    for (auto& b : page.objects)
        if (b->role == role)
            return b.get();
    return nullptr;
}

const TTextBox* findBox(const TReportPage& page, std::string_view role) {
    for (const auto& b : page.objects)
        if (b->role == role)
            return b.get();
    return nullptr;
}

}  // namespace vellex

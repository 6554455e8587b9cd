#pragma once

#include <QFont>
#include <QString>

#include <optional>
#include <string>
#include <string_view>

#include "report/report.h"
#include "report/text_layout.h"

class QPainter;
class QPaintDevice;

// Draws report pages onto any paint device: the PDF writer, a printer in full-page
// mode, the preview. Coordinates are converted one by one from page units at the
// device's resolution (the painter is never scaled), and fonts are given in points, so
// Qt picks glyph sizes for the real device.
namespace vellex {

QString fromCp1251(std::string_view text);
QFont qtFont(const FontSpec& fontSpec);

// Measures with the font metrics of the device the text is drawn on.
class QtTextMeasurer final : public TextMeasurer {
  public:
    explicit QtTextMeasurer(QPaintDevice* device);
    double width(std::string_view text, const FontSpec& font, Axis axis) const override;

  private:
    QPaintDevice* device_;
    double dpiX_;
    double dpiY_;
    // Boxes of one page mostly share a font; keep the last one.
    mutable std::optional<FontSpec> lastSpec_;
    mutable QFont lastFont_;
};

// What a report must satisfy before it is drawn. Returns false with a Russian message
// (UTF-8) for a report that cannot be drawn.
bool prepareReport(const TReport& report, std::string* error);

// Draws one page; the painter must be active on a device whose origin is the paper's
// top-left corner.
void renderPage(const TReportPage& page, QPainter& painter);

// Draws every page of the report, starting a new device page between them.
// `newPage` is called before every page but the first.
template <typename NewPage>
void renderReport(const TReport& report, QPainter& painter, NewPage&& newPage) {
    for (std::size_t i = 0; i < report.pages.size(); ++i) {
        if (i > 0)
            newPage();
        renderPage(*report.pages[i], painter);
    }
}

}  // namespace vellex

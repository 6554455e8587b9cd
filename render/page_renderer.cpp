#include "render/page_renderer.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include "text/cp1251.h"

namespace vellex {

namespace {

// Font sizes a box may have; outside this range Qt either ignores the size or spends
// its time on glyphs larger than the sheet.
constexpr int kMinFontSize = 1;
constexpr int kMaxFontSize = 500;

bool sameFont(const FontSpec& a, const FontSpec& b) {
    return a.name == b.name && a.points == b.points && a.bold == b.bold && a.italic == b.italic &&
           a.underline == b.underline && a.strikeOut == b.strikeOut;
}

QColor qtColor(Rgb rgb) {
    return QColor::fromRgb((rgb >> 16) & 0xff, (rgb >> 8) & 0xff, rgb & 0xff);
}

std::string describeBox(const TTextBox& box, std::size_t index) {
    if (!box.role.empty())
        return "«" + box.role + "»";
    return "№ " + std::to_string(index + 1);
}

}  // namespace

QString fromCp1251(std::string_view text) {
    return QString::fromStdU16String(cp1251::toUtf16(text));
}

QFont qtFont(const FontSpec& fontSpec) {
    QFont f(fromCp1251(fontSpec.name));
    f.setPointSizeF(fontSpec.points);
    f.setBold(fontSpec.bold);
    f.setItalic(fontSpec.italic);
    f.setUnderline(fontSpec.underline);
    f.setStrikeOut(fontSpec.strikeOut);
    // Printer metrics everywhere, so the preview wraps exactly as the paper does.
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(true);
    return f;
}

QtTextMeasurer::QtTextMeasurer(QPaintDevice* device)
    : device_(device), dpiX_(device->logicalDpiX()), dpiY_(device->logicalDpiY()) {}

double QtTextMeasurer::width(std::string_view text, const FontSpec& font, Axis axis) const {
    if (!lastSpec_ || !sameFont(*lastSpec_, font)) {
        lastSpec_ = font;
        lastFont_ = QFont(qtFont(font), device_);
    }
    const QFontMetricsF fm(lastFont_, device_);
    const double px = fm.horizontalAdvance(fromCp1251(text));
    return axis == Axis::Horizontal ? px * units::kPerInchX / dpiX_ : px * units::kPerInchY / dpiY_;
}

bool prepareReport(const TReport& report, std::string* error) {
    auto fail = [&](std::string msg) {
        if (error)
            *error = std::move(msg);
        return false;
    };
    if (report.pages.empty())
        return fail("Отчёт пуст: нет ни одной страницы.");
    for (const auto& page : report.pages) {
        for (std::size_t i = 0; i < page->objects.size(); ++i) {
            const TTextBox& box = *page->objects[i];
            if (box.fontSize < kMinFontSize || box.fontSize > kMaxFontSize)
                return fail("Недопустимый размер шрифта " + std::to_string(box.fontSize) +
                            " в поле " + describeBox(box, i) + ": допустимо от " +
                            std::to_string(kMinFontSize) + " до " + std::to_string(kMaxFontSize) +
                            ".");
        }
    }
    return true;
}

void renderPage(const TReportPage& page, QPainter& painter) {
    QPaintDevice* device = painter.device();
    const double dpiX = device->logicalDpiX();
    const double dpiY = device->logicalDpiY();
    auto dx = [&](double u) { return units::toDeviceX(u, dpiX); };
    auto dy = [&](double u) { return units::toDeviceY(u, dpiY); };
    const QtTextMeasurer measurer(device);

    for (const auto& object : page.objects) {
        const TTextBox& box = *object;
        if (!box.visible || box.width <= 0 || box.height <= 0)
            continue;
        const QRectF rect(dx(box.left), dy(box.top), dx(box.width), dy(box.height));
        painter.save();
        if (box.fillColor)
            painter.fillRect(rect, qtColor(*box.fillColor));
        const BoxLayout lay = layoutBox(box, measurer);
        const FontSpec fontSpec = fontOf(box);
        const QFont font(qtFont(fontSpec), device);
        painter.setFont(font);
        painter.setPen(qtColor(box.fontColor));
        painter.setClipRect(rect, Qt::IntersectClip);
        // In the box frame "along" is device x for ordinary text and device y (upwards)
        // for turned text.
        double alongPerUnit = dx(1), acrossPerUnit = dy(1);
        painter.translate(rect.left(), rect.top());
        if (lay.turned) {
            painter.translate(0, rect.height());
            painter.rotate(-90);
            alongPerUnit = dy(1);
            acrossPerUnit = dx(1);
        }
        const double ascent = QFontMetricsF(font, device).ascent();
        const Axis axis = lay.turned ? Axis::Vertical : Axis::Horizontal;
        for (const LaidLine& line : lay.lines) {
            // A line wholly outside the box is not printed at all (the clip alone would
            // still leave the text in the PDF for copy and search).
            if (line.text.empty() || line.across >= lay.acrossSize ||
                line.across + lay.cellHeight <= 0)
                continue;
            const double baseline = line.across * acrossPerUnit + ascent;
            const double start = line.along * alongPerUnit;
            if (line.spaceExtra <= 0) {
                painter.drawText(QPointF(start, baseline), fromCp1251(line.text));
                continue;
            }
            // Justified: every word at its own place, the spaces widened.
            std::size_t wordStart = 0;
            int spacesBefore = 0;
            while (wordStart <= line.text.size()) {
                std::size_t wordEnd = line.text.find(' ', wordStart);
                if (wordEnd == std::string::npos)
                    wordEnd = line.text.size();
                if (wordEnd > wordStart) {
                    const double offset =
                        measurer.width(std::string_view(line.text).substr(0, wordStart), fontSpec,
                                       axis) +
                        spacesBefore * line.spaceExtra;
                    painter.drawText(QPointF(start + offset * alongPerUnit, baseline),
                                     fromCp1251(std::string_view(line.text).substr(
                                         wordStart, wordEnd - wordStart)));
                }
                if (wordEnd < line.text.size())
                    ++spacesBefore;
                wordStart = wordEnd + 1;
            }
        }
        painter.restore();
    }
}

}  // namespace vellex

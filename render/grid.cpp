#include "render/grid.h"

#include <QFont>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

namespace vellex {

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kLabelPoints = 6;
constexpr double kLineWidthMm = 0.15;

}  // namespace

std::vector<int> gridLinesMm(double paperMm) {
    std::vector<int> out;
    for (int mm = kGridStepMm; mm < paperMm; mm += kGridStepMm)
        out.push_back(mm);
    return out;
}

const std::vector<int>& gridVerticalLabelRowsMm() {
    // Halfway between two horizontal lines, so that no two labels meet.
    static const std::vector<int> rows{15, 145, 285};
    return rows;
}

const std::vector<int>& gridHorizontalLabelColumnsMm() {
    static const std::vector<int> columns{10, 100, 190};
    return columns;
}

void drawMillimetreGrid(QPainter& painter) {
    QPaintDevice* device = painter.device();
    const double pxPerMmX = device->logicalDpiX() / kMmPerInch;
    const double pxPerMmY = device->logicalDpiY() / kMmPerInch;
    const double width = kGridPaperWidthMm * pxPerMmX;
    const double height = kGridPaperHeightMm * pxPerMmY;

    painter.save();
    painter.setClipping(false);
    QPen pen(QColor(110, 110, 110));
    pen.setWidthF(kLineWidthMm * pxPerMmX);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    const std::vector<int> xs = gridLinesMm(kGridPaperWidthMm);
    const std::vector<int> ys = gridLinesMm(kGridPaperHeightMm);
    for (int x : xs)
        painter.drawLine(QPointF(x * pxPerMmX, 0), QPointF(x * pxPerMmX, height));
    for (int y : ys)
        painter.drawLine(QPointF(0, y * pxPerMmY), QPointF(width, y * pxPerMmY));

    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(kLabelPoints);
    font.setHintingPreference(QFont::PreferNoHinting);
    painter.setFont(QFont(font, device));
    painter.setPen(QColor(60, 60, 60));
    const double gapX = kGridLabelGapMm * pxPerMmX;
    const double gapY = kGridLabelGapMm * pxPerMmY;
    const double labelW = 8 * pxPerMmX;
    const double labelH = 4 * pxPerMmY;
    for (int x : xs)
        for (int row : gridVerticalLabelRowsMm())
            painter.drawText(QRectF(x * pxPerMmX + gapX, row * pxPerMmY, labelW, labelH),
                             Qt::AlignLeft | Qt::AlignTop, QString::number(x));
    for (int y : ys)
        for (int column : gridHorizontalLabelColumnsMm())
            painter.drawText(QRectF(column * pxPerMmX + gapX, y * pxPerMmY + gapY, labelW, labelH),
                             Qt::AlignLeft | Qt::AlignTop, QString::number(y));
    painter.restore();
}

}  // namespace vellex

#include "report/preview_dialog.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

#include "app/message_form.h"
#include "report/page_renderer.h"
#include "report/report_output.h"
#include "text/file_io.h"

namespace vellex {

namespace {

struct Zoom {
    const char16_t* caption;
    double factor;  // 0: one of the fit modes below
    QPrintPreviewWidget::ZoomMode mode;
    QPrintPreviewWidget::ViewMode view;
};

// The zoom list of the preview, in order.
const std::array<Zoom, 10> kZooms{{
    {u"200 %", 2.0, QPrintPreviewWidget::CustomZoom, QPrintPreviewWidget::SinglePageView},
    {u"150 %", 1.5, QPrintPreviewWidget::CustomZoom, QPrintPreviewWidget::SinglePageView},
    {u"100 %", 1.0, QPrintPreviewWidget::CustomZoom, QPrintPreviewWidget::SinglePageView},
    {u"75 %", 0.75, QPrintPreviewWidget::CustomZoom, QPrintPreviewWidget::SinglePageView},
    {u"50 %", 0.5, QPrintPreviewWidget::CustomZoom, QPrintPreviewWidget::SinglePageView},
    {u"25 %", 0.25, QPrintPreviewWidget::CustomZoom, QPrintPreviewWidget::SinglePageView},
    {u"10 %", 0.1, QPrintPreviewWidget::CustomZoom, QPrintPreviewWidget::SinglePageView},
    {u"По ширине страницы", 0, QPrintPreviewWidget::FitToWidth,
     QPrintPreviewWidget::SinglePageView},
    {u"Страница целиком", 0, QPrintPreviewWidget::FitInView, QPrintPreviewWidget::SinglePageView},
    {u"Две страницы", 0, QPrintPreviewWidget::FitInView, QPrintPreviewWidget::FacingPagesView},
}};
constexpr int kDefaultZoom = 8;  // the whole page

void showError(QWidget* parent, const std::string& text) {
    MessageForm::inform(parent, MessageForm::Kind::Error, QStringLiteral("Ошибка"),
                        QString::fromStdString(text));
}

}  // namespace

QStringList PreviewDialog::zoomChoices() {
    QStringList out;
    for (const Zoom& z : kZooms)
        out << QString::fromUtf16(z.caption);
    return out;
}

PreviewDialog::PreviewDialog(const TReport& report, QWidget* parent)
    : QDialog(parent), report_(report), printer_(QPrinter::HighResolution) {
    setWindowTitle(QStringLiteral("Предварительный просмотр"));
    setModal(true);
    setupPrinter(printer_);

    view_ = new QPrintPreviewWidget(&printer_, this);
    connect(view_, &QPrintPreviewWidget::paintRequested, this, &PreviewDialog::paintPages);

    zoom_ = new QComboBox(this);
    zoom_->setObjectName(QStringLiteral("zoom"));
    zoom_->addItems(zoomChoices());
    auto* print = new QPushButton(QStringLiteral("Печать…"), this);
    print->setObjectName(QStringLiteral("print"));
    auto* pdf = new QPushButton(QStringLiteral("Сохранить в PDF…"), this);
    pdf->setObjectName(QStringLiteral("savePdf"));
    auto* exit = new QPushButton(QStringLiteral("Выход"), this);
    exit->setObjectName(QStringLiteral("exit"));

    auto* bar = new QHBoxLayout;
    bar->addWidget(zoom_);
    bar->addWidget(print);
    bar->addWidget(pdf);
    bar->addStretch(1);
    bar->addWidget(exit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(view_, 1);

    connect(zoom_, &QComboBox::currentIndexChanged, this, &PreviewDialog::setZoomChoice);
    connect(print, &QPushButton::clicked, this, &PreviewDialog::printClicked);
    connect(pdf, &QPushButton::clicked, this, &PreviewDialog::savePdfClicked);
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);

    zoom_->setCurrentIndex(kDefaultZoom);
    setZoomChoice(kDefaultZoom);
    resize(900, 1000);
}

void PreviewDialog::setZoomChoice(int index) {
    if (index < 0 || index >= static_cast<int>(kZooms.size()))
        return;
    if (zoom_->currentIndex() != index)
        zoom_->setCurrentIndex(index);  // comes back here through the signal
    const Zoom& z = kZooms[static_cast<std::size_t>(index)];
    view_->setViewMode(z.view);
    view_->setZoomMode(z.mode);
    if (z.mode == QPrintPreviewWidget::CustomZoom)
        view_->setZoomFactor(z.factor);
}

int PreviewDialog::zoomChoice() const {
    return zoom_->currentIndex();
}

void PreviewDialog::paintPages(QPrinter* printer) {
    setupPrinter(*printer);
    QPainter painter(printer);
    renderReport(report_, painter, [&] { printer->newPage(); });
}

void PreviewDialog::printClicked() {
    QPrintDialog dialog(&printer_, this);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, true);
    dialog.setMinMax(1, static_cast<int>(report_.pages.size()));
    if (dialog.exec() != QDialog::Accepted)
        return;
    std::string error;
    if (!printReport(report_, printer_, &error))
        showError(this, error);
    // The dialog may have changed the page setup; the preview follows the printer.
    setupPrinter(printer_);
    view_->updatePreview();
}

void PreviewDialog::savePdfClicked() {
    const QString name = QFileDialog::getSaveFileName(
        this, QStringLiteral("Сохранить в PDF"), QString(), QStringLiteral("Документ PDF (*.pdf)"));
    if (name.isEmpty())
        return;
    QString path = name;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    std::string error;
    if (!writeReportPdf(report_, pathFromUtf8(path.toStdString()), &error))
        showError(this, error);
}

bool showReport(const TReport& report, QWidget* parent) {
    std::string error;
    if (!prepareReport(report, &error)) {
        showError(parent, error);
        return false;
    }
    PreviewDialog dialog(report, parent);
    dialog.exec();
    return true;
}

}  // namespace vellex

#include "gui/preview_dialog.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <array>

#include "gui/message_form.h"
#include "gui/screen_fit.h"
#include "render/grid.h"
#include "render/page_renderer.h"
#include "render/print_queue.h"
#include "render/report_output.h"
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

QSize& lastSize() {
    static QSize size(900, 1000);
    return size;
}

int& lastZoom() {
    static int zoom = kDefaultZoom;
    return zoom;
}

}  // namespace

PreviewDialog::Place PreviewDialog::lastPlace() {
    return {lastSize(), lastZoom()};
}

void PreviewDialog::setLastPlace(Place place) {
    if (place.size.isValid())
        lastSize() = place.size;
    if (place.zoom >= 0 && place.zoom < static_cast<int>(kZooms.size()))
        lastZoom() = place.zoom;
}

UnprintableMargins printerMargins(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        return {};
    }
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF m = layout.minimumMargins();
    if (m.isNull()) {
        return {};  // the printer does not say
    }
    return {m.left(), m.top(), m.right(), m.bottom()};
}

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
    grid_ = new QPushButton(QStringLiteral("Сетка"), this);
    grid_->setObjectName(QStringLiteral("grid"));
    grid_->setCheckable(true);
    grid_->setToolTip(QStringLiteral(
        "Сетка через 10 мм с отметками в миллиметрах от угла листа: в просмотре, в PDF и "
        "при печати на чистый лист"));
    auto* exit = new QPushButton(QStringLiteral("Выход"), this);
    exit->setObjectName(QStringLiteral("exit"));
    printStatus_ = new QLabel(this);
    printStatus_->setObjectName(QStringLiteral("printStatus"));

    auto* bar = new QHBoxLayout;
    bar->addWidget(zoom_);
    bar->addWidget(print);
    bar->addWidget(pdf);
    bar->addWidget(grid_);
    bar->addWidget(printStatus_);
    bar->addStretch(1);
    bar->addWidget(exit);
    // Before anything is printed: every entry that would be cut off on the blank.
    overflows_ = findOverflows(report_);
    const std::vector<OverflowBox> edges = findEdgeBoxes(report_, printerMargins(printer_));
    auto* overflowCaption = new QLabel(
        edges.empty()
            ? QStringLiteral("Текст не помещается (поля обведены красным только на экране):")
            : QStringLiteral("Проверьте перед печатью (поля обведены красным только на экране):"),
        this);
    overflows_.insert(overflows_.end(), edges.begin(), edges.end());
    overflowList_ = new QListWidget(this);
    overflowList_->setObjectName(QStringLiteral("overflowList"));
    for (const OverflowBox& o : overflows_) {
        QString line = QString::fromStdString(o.message);
        if (report_.pages.size() > 1)
            line = QStringLiteral("Стр. %1: ").arg(o.page + 1) + line;
        overflowList_->addItem(line);
    }
    overflowList_->setMaximumHeight(110);
    overflowCaption->setVisible(!overflows_.empty());
    overflowList_->setVisible(!overflows_.empty());

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(overflowCaption);
    layout->addWidget(overflowList_);
    layout->addWidget(view_, 1);

    connect(zoom_, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &PreviewDialog::setZoomChoice);
    connect(print, &QPushButton::clicked, this, &PreviewDialog::printClicked);
    connect(pdf, &QPushButton::clicked, this, &PreviewDialog::savePdfClicked);
    connect(grid_, &QPushButton::toggled, view_, &QPrintPreviewWidget::updatePreview);
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);

    zoom_->setCurrentIndex(lastZoom());
    setZoomChoice(lastZoom());
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    resize(fitToScreen(lastSize(), screen ? screen->availableGeometry() : QRect()));
}

// The next preview opens as the user left this one.
void PreviewDialog::done(int result) {
    lastSize() = size();
    lastZoom() = zoomChoice();
    QDialog::done(result);
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

bool PreviewDialog::gridShown() const {
    return grid_->isChecked();
}

void PreviewDialog::setGridShown(bool on) {
    grid_->setChecked(on);
}

// Only the preview comes through here: printing and saving draw the report themselves,
// so the red outlines never reach paper or PDF.
void PreviewDialog::paintPages(QPrinter* printer) {
    setupPrinter(*printer);
    QPainter painter(printer);
    const double dpiX = printer->logicalDpiX();
    const double dpiY = printer->logicalDpiY();
    for (std::size_t i = 0; i < report_.pages.size(); ++i) {
        if (i > 0)
            printer->newPage();
        renderPage(*report_.pages[i], painter);
        painter.save();
        QPen red(Qt::red);
        red.setWidthF(dpiX * 0.6 / 25.4);  // 0.6 mm: visible at every zoom
        painter.setPen(red);
        painter.setBrush(Qt::NoBrush);
        for (const OverflowBox& o : overflows_) {
            if (o.page != i)
                continue;
            const TTextBox& b = *o.box;
            painter.drawRect(QRectF(units::toDeviceX(b.left, dpiX), units::toDeviceY(b.top, dpiY),
                                    units::toDeviceX(b.width, dpiX),
                                    units::toDeviceY(b.height, dpiY)));
        }
        painter.restore();
        if (gridShown())
            drawMillimetreGrid(painter);
    }
}

void PreviewDialog::printClicked() {
    QPrintDialog dialog(&printer_, this);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, true);
    dialog.setMinMax(1, static_cast<int>(report_.pages.size()));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!confirmGridOnPaper())
        return;
    PrintChoice choice;
    if (printer_.outputFormat() == QPrinter::PdfFormat)
        choice.file = printer_.outputFileName();
    else
        choice.printer = printer_.printerName();
    choice.copies = printer_.copyCount();
    if (dialog.printRange() == QAbstractPrintDialog::PageRange) {
        // "1-2,4" where the dialog takes a list (Qt 6), otherwise its from..to.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        for (const QPageRanges::Range& r : printer_.pageRanges().toRangeList())
            choice.pages.ranges.emplace_back(r.from, r.to);
#endif
        if (choice.pages.ranges.empty())
            choice.pages = PageSelection::only(dialog.fromPage(), dialog.toPage());
    } else if (dialog.printRange() == QAbstractPrintDialog::CurrentPage) {
        choice.pages = PageSelection::only(view_->currentPage(), view_->currentPage());
    }
    print(choice);
    // The dialog may have changed the page setup; the preview follows the printer.
    setupPrinter(printer_);
    view_->updatePreview();
}

void PreviewDialog::print(const PrintChoice& choice) {
    printStatus_->clear();
    std::string error;
    if (!choice.file.isEmpty()) {
        if (!writeReportPdf(report_, pathFromUtf8(QFile::encodeName(choice.file).toStdString()),
                            &error, gridShown(), choice.pages))
            showError(this, error);
        return;
    }
    const std::string printer = choice.printer.toStdString();
    const QueueCheck queue = checkPrinterQueue(printer);
    if (queue.state == QueueCheck::State::Refused) {
        showError(this, queue.message);
        return;
    }
    if (queue.state == QueueCheck::State::Stopped &&
        !MessageForm::ask(this, QStringLiteral("Vellex"),
                          QString::fromStdString(queue.message + ". Отправить задание?")))
        return;
    std::string pdf;
    int jobId = 0;
    if (!renderReportPdf(report_, pdf, &error, gridShown(), choice.pages) ||
        !submitPdf(printer, pdf, choice.copies, "Vellex", jobId, &error)) {
        showError(this, error);
        return;
    }
    printStatus_->setText(QString::fromStdString(jobSentMessage(jobId, printer)));
}

QString PreviewDialog::printStatus() const {
    return printStatus_->text();
}

bool PreviewDialog::confirmGridOnPaper() {
    // A grid on a numbered blank spoils it; once the user said the sheet is plain, the
    // preview does not ask again.
    if (gridShown() && !gridOnPlainSheet_)
        gridOnPlainSheet_ = MessageForm::ask(
            this, QStringLiteral("Vellex"),
            QStringLiteral("Сетка печатается поверх бланка. Печатать на чистый лист?"));
    return !gridShown() || gridOnPlainSheet_;
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
    if (!writeReportPdf(report_, pathFromUtf8(QFile::encodeName(path).toStdString()), &error,
                        gridShown()))
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

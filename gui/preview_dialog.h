#pragma once

#include <QDialog>
#include <QPrinter>

#include <vector>

#include "render/overflow_check.h"
#include "render/report_output.h"
#include "report/report.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPrintPreviewWidget;
class QPushButton;

namespace vellex {

// The modal "Предварительный просмотр" window: the prepared page, a zoom list, print
// (through the standard print dialog), save as PDF, the "Сетка" switch (a millimetre grid
// over the page on screen, in the PDF and on paper) and exit. Boxes whose text does not
// fit are listed above the page and outlined in red on screen only. It only shows the
// report; the page model is built before it opens.
class PreviewDialog final : public QDialog {
    Q_OBJECT
  public:
    PreviewDialog(const TReport& report, QWidget* parent = nullptr);

    // The entries of the zoom list, in order (tests and the window use them).
    static QStringList zoomChoices();
    void setZoomChoice(int index);
    int zoomChoice() const;

    // Where the next preview opens: the size and zoom the last one was left with.
    struct Place {
        QSize size;
        int zoom;
    };
    static Place lastPlace();
    static void setLastPlace(Place place);

    bool gridShown() const;
    void setGridShown(bool on);
    // Before printing with the grid: false when the user does not print on a plain sheet.
    bool confirmGridOnPaper();
    // The boxes listed as not fitting, in the list's order.
    const std::vector<OverflowBox>& overflows() const { return overflows_; }

    // What the print dialog chose.
    struct PrintChoice {
        QString printer;  // the CUPS queue
        QString file;     // "print to file": the PDF is written here instead
        int copies = 1;
        PageSelection pages;
    };
    // Sends the chosen pages as the PDF "Сохранить в PDF…" writes, after asking the queue
    // whether it takes jobs. A job sent is named in the button bar (printStatus()); a
    // refusal shows an error box.
    void print(const PrintChoice& choice);
    QString printStatus() const;

  protected:
    void done(int result) override;

  private:
    void paintPages(QPrinter* printer);
    void printClicked();
    void savePdfClicked();

    const TReport& report_;
    QPrinter printer_;
    QPrintPreviewWidget* view_ = nullptr;
    QComboBox* zoom_ = nullptr;
    QPushButton* grid_ = nullptr;
    QListWidget* overflowList_ = nullptr;
    QLabel* printStatus_ = nullptr;
    std::vector<OverflowBox> overflows_;
    bool gridOnPlainSheet_ = false;  // the user confirmed the grid goes onto a plain sheet
};

// What the printer cannot print at the sheet's edges; 4 mm each for a PDF and when the
// printer does not say.
UnprintableMargins printerMargins(const QPrinter& printer);

// The show-report step of every print command: prepares the report and opens the
// preview modally. A report that cannot be prepared shows a box captioned "Ошибка"
// with the reason instead, and no preview opens. Returns whether the preview opened.
bool showReport(const TReport& report, QWidget* parent);

}  // namespace vellex

#pragma once

#include <QDialog>
#include <QPrinter>

#include "report/report.h"

class QComboBox;
class QPrintPreviewWidget;

namespace vellex {

// The modal "Предварительный просмотр" window: the prepared page, a zoom list, print
// (through the standard print dialog), save as PDF and exit. It only shows the report;
// the page model is built before it opens.
class PreviewDialog final : public QDialog {
    Q_OBJECT
  public:
    PreviewDialog(const TReport& report, QWidget* parent = nullptr);

    // The entries of the zoom list, in order (tests and the window use them).
    static QStringList zoomChoices();
    void setZoomChoice(int index);
    int zoomChoice() const;

  private:
    void paintPages(QPrinter* printer);
    void printClicked();
    void savePdfClicked();

    const TReport& report_;
    QPrinter printer_;
    QPrintPreviewWidget* view_ = nullptr;
    QComboBox* zoom_ = nullptr;
};

// The show-report step of every print command: prepares the report and opens the
// preview modally. A report that cannot be prepared shows a box captioned "Ошибка"
// with the reason instead, and no preview opens. Returns whether the preview opened.
bool showReport(const TReport& report, QWidget* parent);

}  // namespace vellex

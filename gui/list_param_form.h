#pragma once

#include <QDialog>
#include <string>

#include "storage/settings.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vellex {

// "Параметры": the field separator of the lists and the birth-date format of the student
// list. Whatever the dialog shows when it closes holds for every later list command; the
// settings file gets it when it is next written.
class TListParamForm final : public QDialog {
    Q_OBJECT
  public:
    explicit TListParamForm(Settings& settings, QWidget* parent = nullptr);
    ~TListParamForm() override;

    // Opens the dialog modally over `parent` and returns when it has closed.
    static void run(QWidget* parent, Settings& settings);

    void FormActivate();
    // Every way out (the button, Escape, the window's close request) keeps the values.
    void done(int result) override;

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    void edSplitFieldEdited(const QString& text);

    Settings& settings_;
    std::string separator_;  // the CP1251 text of edSplitField
    QLabel* lSplit_ = nullptr;
    QLineEdit* edSplitField_ = nullptr;
    QLabel* lDateFormatBirthDay_ = nullptr;
    QComboBox* cboxlDateFormatBirthDay_ = nullptr;
    QPushButton* btnClose_ = nullptr;
    bool activated_ = false;
};

}  // namespace vellex

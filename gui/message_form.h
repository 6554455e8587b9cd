#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

namespace vellex {

// The window's modal message boxes, in one place so that a test can answer them: with a
// hook set, the hook receives the box instead of the operator and returns the answer.
class MessageForm final {
  public:
    enum class Kind { Information, Warning, Error, Question, QuestionWithCancel };
    using Hook = std::function<QMessageBox::StandardButton(Kind, const QString& caption,
                                                           const QString& text)>;

    // Information, warning and error boxes have one OK button.
    static void inform(QWidget* parent, Kind kind, const QString& caption, const QString& text);
    // A yes/no question; true for "Да".
    static bool ask(QWidget* parent, const QString& caption, const QString& text);
    // «Да», «Нет» or «Отмена» (Yes, No, Cancel); closing the box is «Отмена».
    static QMessageBox::StandardButton askWithCancel(QWidget* parent, const QString& caption,
                                                     const QString& text);

    // Replaces the boxes with `hook` until reset with an empty hook.
    static void setHook(Hook hook);

  private:
    static QMessageBox::StandardButton show(QWidget* parent, Kind kind, const QString& caption,
                                            const QString& text);
};

}  // namespace vellex

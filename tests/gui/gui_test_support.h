#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>
#include <memory>
#include <vector>

#include "gui/main_form.h"
#include "gui/message_form.h"

namespace vellex::test {

// The one QApplication of the test program (offscreen).
void ensureApplication();

// Answers boxes shown while no MessageLog lives (set up by ensureApplication): the question
// about unsaved changes gets «Нет», any other box fails the test. Clear the hook
// (MessageForm::setHook({})) to see real boxes.
void setUnattendedHook();

// The modal dialog now shown: the active one, or else the visible modal window (offscreen
// Qt 5 does not always activate a dialog it shows).
QWidget* modalDialog();

// Lets a test go on after the window asked the application to quit (as on a signal).
void carryOnAfterQuit();

// A main window over `programDir`, shown, registering no file association.
std::unique_ptr<TMainForm> showMainForm(const std::filesystem::path& programDir, const Clock& clock,
                                        QStringList arguments = {});

// Answers every message box while alive and keeps what they said.
class MessageLog final {
  public:
    struct Entry {
        MessageForm::Kind kind;
        QString caption;
        QString text;
    };
    MessageLog();
    ~MessageLog();
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    const std::vector<Entry>& entries() const { return entries_; }
    void clear() {
        entries_.clear();
        answers_.clear();
    }
    // The answer to the next question (otherwise «Да», and «Нет» to unsaved changes).
    void answerNext(QMessageBox::StandardButton answer) { answers_.push_back(answer); }

  private:
    std::vector<Entry> entries_;
    std::vector<QMessageBox::StandardButton> answers_;
};

}  // namespace vellex::test

#pragma once

#include <QString>
#include <vector>

#include "app/message_form.h"

namespace vellex::test {

// The one QApplication of the test program (offscreen).
void ensureApplication();

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
    void clear() { entries_.clear(); }

  private:
    std::vector<Entry> entries_;
};

}  // namespace vellex::test

#pragma once

#include <string>
#include <vector>

// A message the list logic asks the window to show. The logic never opens a box itself:
// the dialog shows what it gets back, in order, and answers questions with yes or no.
namespace vellex {

enum class MessageIcon { Information, Warning, Error };

struct UserMessage {
    std::string text;  // UTF-8; a line break is "\r\n" as the boxes have always shown it
    MessageIcon icon = MessageIcon::Information;
    bool question = false;  // a yes/no question rather than one OK button

    friend bool operator==(const UserMessage&, const UserMessage&) = default;
};

using UserMessages = std::vector<UserMessage>;

}  // namespace vellex

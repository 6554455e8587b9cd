#pragma once

#include <string>

#include "model/document.h"

// The student's surname, first name and patronymic, wherever in the document the
// operator typed them. The save command proposes a file name from them and the student
// list records them.
namespace vellex {

struct NameParts {
    std::string surname;
    std::string firstName;
    std::string patronymic;
    friend bool operator==(const NameParts&, const NameParts&) = default;
};

// Each part is the text of the first non-empty field of its search order. Under blank
// version 2 the patronymic has fields of its own; under 0 and 1 it is the last word of
// the first name found ("Иван Петрович" → "Иван", "Петрович").
NameParts findNameParts(const Document& doc, int vellexVersion);

}  // namespace vellex

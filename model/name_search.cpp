#include "model/name_search.h"

namespace vellex {
namespace {

// The pages in the order their name fields are trusted: diploma first, certificate last.
constexpr Field kSurnameFields[] = {Field::edStudentDiplom1, Field::edSurName,
                                    Field::edSurNameNPO,     Field::edSurName4,
                                    Field::edSurName7,       Field::edStudentCertificate1};
constexpr Field kFirstNameFields[] = {Field::edStudentDiplom2, Field::edName,
                                      Field::edNameNPO,        Field::edName4,
                                      Field::edName7,          Field::edStudentCertificate2};
// Under version 2 these carry the patronymic line of their pages.
constexpr Field kPatronymicFields[] = {Field::edStudentDiplom3, Field::edNameDiplPrj0,
                                       Field::edNameDiplPrjNPO0, Field::edAddName7,
                                       Field::edStudentCertificate3};

template <std::size_t N>
std::string firstFilled(const Document& doc, const Field (&fields)[N]) {
    for (const Field f : fields) {
        if (!doc.text(f).empty()) {
            return doc.text(f);
        }
    }
    return {};
}

}  // namespace

NameParts findNameParts(const Document& doc, int vellexVersion) {
    NameParts parts;
    parts.surname = firstFilled(doc, kSurnameFields);
    parts.firstName = firstFilled(doc, kFirstNameFields);
    if (vellexVersion == 2) {
        parts.patronymic = firstFilled(doc, kPatronymicFields);
    } else if (const auto space = parts.firstName.rfind(' '); space != std::string::npos) {
        parts.patronymic = parts.firstName.substr(space + 1);
        parts.firstName.resize(space);
    }
    return parts;
}

}  // namespace vellex

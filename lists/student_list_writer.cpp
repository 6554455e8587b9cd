#include "lists/student_list_writer.h"

#include <system_error>

#include "lists/list_file_name.h"
#include "lists/list_texts.h"
#include "model/name_search.h"
#include "text/file_io.h"
#include "text/line_cursor.h"
#include "text/string_utils.h"

namespace vellex {
namespace fs = std::filesystem;
namespace {

UserMessage error(std::string text) {
    return UserMessage{std::move(text), MessageIcon::Error, false};
}

// The message the operator knows, followed by the file and the real cause.
UserMessage cannotWrite(const std::string& cause) {
    return error(std::string(list_texts::kCannotWriteList) + "\r\n" + cause);
}

// The birth place of the 2010/2011 blanks, the town of the older ones.
constexpr Field kTownFields[] = {Field::edTown, Field::edTownNPO, Field::edTown4, Field::edTown7};

std::string orSpace(std::string s) {
    return s.empty() ? std::string(" ") : s;
}

}  // namespace

std::string studentListLine(const Document& doc, int vellexVersion, std::string_view separator) {
    const NameParts name = findNameParts(doc, vellexVersion);
    if (name.surname.empty() && name.firstName.empty() && name.patronymic.empty())
        return {};
    std::string town;
    for (const Field f : kTownFields) {
        if (!doc.text(f).empty()) {
            town = doc.text(f);
            break;
        }
    }
    std::string line = orSpace(name.surname);
    for (const std::string& field :
         {orSpace(name.firstName), orSpace(name.patronymic), std::string(" "), town}) {
        line += separator;
        line += field;
    }
    return line;
}

UserMessages appendStudentToList(const Document& doc, const Settings& settings,
                                 std::string_view listFileName) {
    const std::string line = studentListLine(doc, settings.VellexVersion, settings.SplitField);
    if (line.empty())
        return {};

    const fs::path list = listFilePath(listFileName);
    std::error_code ec;
    const bool listExists = !listFileName.empty() && fs::exists(list, ec);
    if (!listExists) {
        if (listFileName.empty())
            return {error("Не указан файл со списком студентов.")};
        if (!list.has_parent_path()) {
            return {error("В имени файла со списком студентов не указана папка:\r\n" +
                          listFileNameForMessage(listFileName))};
        }
        std::string cause;
        if (!createFolderPath(list.parent_path(), &cause))
            return {error(cause)};
    }

    const std::string tmpName = std::string(listFileName) + ".tmp";
    const fs::path tmp = listFilePath(tmpName);
    const bool tmpExists = fs::exists(tmp, ec);
    if (ec) {
        return {
            error(std::string(list_texts::kErrorDeletingTemp) + listFileNameForMessage(tmpName))};
    }
    if (tmpExists && !fs::remove(tmp, ec)) {
        return {
            error(std::string(list_texts::kCannotDeleteTemp) + listFileNameForMessage(tmpName))};
    }

    std::string content;
    if (listExists) {
        std::string old;
        std::string cause;
        if (!readTextFile(list, old, &cause, kMaxListBytes))
            return {cannotWrite(cause)};
        content.reserve(old.size() + line.size() + 16);
        LineCursor cursor(old);
        std::string_view oldLine;
        while (cursor.next(oldLine)) {
            content += oldLine;
            content += "\r\n";
        }
    }
    content += line;
    content += "\r\n";

    // The complete new list first goes to "<list>.tmp"; should the list itself not take
    // it, the new list stays there and the old one is untouched.
    std::string cause;
    if (!writeFileAtomically(tmp, content, &cause))
        return {cannotWrite(cause)};
    if (!writeFileAtomically(list, content, &cause))
        return {cannotWrite(cause)};
    fs::remove(tmp, ec);
    return {};
}

}  // namespace vellex

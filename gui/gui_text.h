#pragma once

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

// The window's edge between Qt's Unicode texts and the core's CP1251 bytes.
namespace vellex {

QString toQString(std::string_view cp1251);

// UTF-8 texts of the core (messages, paths) for the window.
QString fromUtf8(std::string_view utf8);

// The CP1251 bytes of a text typed in the window. A character CP1251 cannot hold makes
// it fail: `out` is left alone and `refused` receives those characters.
bool toCp1251(const QString& text, std::string& out, QString* refused = nullptr);

// The Russian message for characters that cannot be kept in a document.
QString refusedCharactersMessage(const QString& refused);

QString pathToQString(const std::filesystem::path& path);
std::filesystem::path pathFromQString(const QString& path);

}  // namespace vellex

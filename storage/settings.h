#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/settings.h"

// Reading and writing the settings record: "App.ini" and the settings file beside a
// document.
namespace vellex {

// Whether `path` can serve as a settings file at all: a regular file within 1 MB without
// NUL bytes. Otherwise `error` says why, naming the file.
bool settingsFileReadable(const std::filesystem::path& path, std::string* error);

// Reads a settings file into `s`. `mainFile` is true for "App.ini": only then is
// EachSaveSet read (a per-document file never changes it). A missing key, or an integer
// key whose text is not a number, takes the table default.
// When the file is missing or cannot be read every value takes the table default except
// that DoubleStrDeltaY1/2 become 0 and DateFormatBirthDay, DisciplinesFileName and
// modePositionTab keep their values (an empty DisciplinesFileName becomes the default
// file, so the discipline list always has a place). The caller then unticks
// cbBold_Certificate and cbItalic_Certificate and resets rgProfEduTypeCert.
// Returns true when the file was read, false when the fallback defaults were taken.
// `warnings` gets a Russian line (naming the file) for each value that is not a number,
// saying which key and what was taken instead, and for a UTF-8 byte order mark.
bool readSettings(const std::filesystem::path& path, bool mainFile, Settings& s,
                  std::vector<std::string>* warnings = nullptr);

// Stores every key of `s` into the file, keeping its other lines, comments and key order;
// a new file starts with the line "[Settings]". EachSaveSet is written only when
// `mainFile`. On failure returns false, leaves the old file as it was and puts a Russian
// message naming the file into `error`.
bool writeSettings(const std::filesystem::path& path, bool mainFile, const Settings& s,
                   std::string* error);

// writeSettings for a file that another window may have changed since `before` was read
// from it or written to it: only the keys whose values differ from `before` are written,
// every other line stays as the file has it now. Without `before`, or when the file does
// not exist, every key is written.
bool writeSettingsChanges(const std::filesystem::path& path, bool mainFile, const Settings* before,
                          const Settings& s, std::string* error);

// The text writeSettingsChanges would write (the file's present lines with the keys
// changed); false with `error` when the present file cannot be read.
bool settingsFileText(const std::filesystem::path& path, bool mainFile, const Settings* before,
                      const Settings& s, std::string& out, std::string* error);

// The settings file kept beside a document: the extension of the file name replaced by
// "ini" ("ivanov.app" → "ivanov.ini", "ivanov" → "ivanov.ini"). None for a path of four
// characters or less.
std::optional<std::filesystem::path> companionSettingsPath(const std::filesystem::path& document);

// ProgramDir + "App.ini".
std::filesystem::path mainSettingsPath(const std::filesystem::path& programDir);

}  // namespace vellex

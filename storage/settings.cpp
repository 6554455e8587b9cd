#include "storage/settings.h"

#include <charconv>
#include <system_error>

#include "model/document.h"
#include "storage/ini_file.h"
#include "text/file_io.h"

namespace vellex {
namespace {

namespace fs = std::filesystem;

std::optional<int> parseInt(const std::optional<std::string>& text) {
    if (!text || text->empty())
        return std::nullopt;
    const char* first = text->data();
    const char* last = first + text->size();
    if (*first == '+')
        ++first;
    int v = 0;
    const auto [ptr, ec] = std::from_chars(first, last, v);
    if (ec != std::errc() || ptr != last)
        return std::nullopt;
    return v;
}

// What reading found wrong, said to the user with the file's name.
struct ReadNotes {
    const fs::path& file;
    std::vector<std::string>* out;

    void add(const std::string& text) const {
        if (out)
            out->push_back("Файл настроек «" + pathToUtf8(file) + "»: " + text);
    }
};

// Readers per key type: a missing or unreadable value keeps the table default; an
// unreadable one is noted with the value taken instead.
std::optional<int> readNumber(const IniFile& ini, const char* sec, const char* key,
                              const std::string& def, const ReadNotes& notes) {
    const std::optional<std::string> text = ini.value(sec, key);
    const std::optional<int> v = parseInt(text);
    if (!v && text && !text->empty())
        notes.add("у ключа " + std::string(key) + " значение «" + *text + "» не число; взято " +
                  def + ".");
    return v;
}
void readInt(const IniFile& ini, const char* sec, const char* key, int& out, int def,
             const ReadNotes& notes) {
    out = readNumber(ini, sec, key, std::to_string(def), notes).value_or(def);
}
void readBool(const IniFile& ini, const char* sec, const char* key, bool& out, bool def,
              const ReadNotes& notes) {
    const auto v = readNumber(ini, sec, key, def ? "1" : "0", notes);
    out = v ? *v != 0 : def;
}
void readStr(const IniFile& ini, const char* sec, const char* key, std::string& out,
             const char* def) {
    out = ini.value(sec, key).value_or(def);
}
int alignCode(bool centred) {
    return centred ? kAlignCenter : kAlignLeft;
}
void readAlign(const IniFile& ini, const char* sec, const char* key, int& out, bool def,
               const ReadNotes& notes) {
    bool b = def;
    readBool(ini, sec, key, b, def, notes);
    out = alignCode(b);
}

#define VELLEX_READ_Int(sec, key, def) readInt(ini, sec, #key, s.key, def, notes);
#define VELLEX_READ_Bool(sec, key, def)                      \
    if (mainFile || std::string_view(#key) != "EachSaveSet") \
        readBool(ini, sec, #key, s.key, def, notes);
#define VELLEX_READ_Str(sec, key, def) readStr(ini, sec, #key, s.key, def);
#define VELLEX_READ_Align(sec, key, def) readAlign(ini, sec, #key, s.key, def, notes);
#define VELLEX_READ_AlignRight(sec, key, def)        \
    readAlign(ini, sec, #key, s.key##1, def, notes); \
    s.key##4 = s.key##5 = s.key##7 = s.key##1;
#define VELLEX_READ(sec, key, type, def) VELLEX_READ_##type(sec, key, def)

void readKeys(const IniFile& ini, bool mainFile, Settings& s, const ReadNotes& notes) {
    if (ini.hadByteOrderMark())
        notes.add("в начале файла метка UTF-8 (BOM); она пропущена.");
    VELLEX_SETTINGS(VELLEX_READ)
    if (s.DisciplinesFileName.empty() && !ini.value("Program", "DisciplinesFileName")) {
        s.DisciplinesFileName = s.defaultDisciplinesFileName();
    }
}

// With `before`, only the keys whose value differs from it are written, so that another
// window's changes to the other keys stay in the file.
#define VELLEX_CHANGED(key) (!before || !(before->key == s.key))
#define VELLEX_WRITE_Int(sec, key, def) \
    if (VELLEX_CHANGED(key))            \
        ini.setValue(sec, #key, std::to_string(s.key));
#define VELLEX_WRITE_Bool(sec, key, def)                                              \
    if ((mainFile || std::string_view(#key) != "EachSaveSet") && VELLEX_CHANGED(key)) \
        ini.setValue(sec, #key, s.key ? "1" : "0");
#define VELLEX_WRITE_Str(sec, key, def) \
    if (VELLEX_CHANGED(key))            \
        ini.setValue(sec, #key, s.key);
#define VELLEX_WRITE_Align(sec, key, def) \
    if (VELLEX_CHANGED(key))              \
        ini.setValue(sec, #key, s.key == kAlignCenter ? "1" : "0");
#define VELLEX_WRITE_AlignRight(sec, key, def) \
    if (VELLEX_CHANGED(key##1))                \
        ini.setValue(sec, #key, s.key##1 == kAlignCenter ? "1" : "0");
#define VELLEX_WRITE(sec, key, type, def) VELLEX_WRITE_##type(sec, key, def)

void writeKeys(IniFile& ini, bool mainFile, const Settings& s, const Settings* before) {
    VELLEX_SETTINGS(VELLEX_WRITE)
}

// Step-3 defaults: the table, except the values a failed read keeps or zeroes.
void takeFallbackDefaults(bool mainFile, Settings& s) {
    Settings d;
    d.DateFormatBirthDay = std::move(s.DateFormatBirthDay);
    d.DisciplinesFileName = std::move(s.DisciplinesFileName);
    d.modePositionTab = s.modePositionTab;
    d.DoubleStrDeltaY1 = 0;
    d.DoubleStrDeltaY2 = 0;
    if (!mainFile)
        d.EachSaveSet = s.EachSaveSet;
    d.FontSizeApp5Praktic = s.FontSizeApp5Praktic;
    d.FontSizeApp5NameDiplPrj = s.FontSizeApp5NameDiplPrj;
    d.FontSizeApp5Examen = s.FontSizeApp5Examen;
    d.programDir = std::move(s.programDir);
    s = std::move(d);
    if (s.DisciplinesFileName.empty())
        s.DisciplinesFileName = s.defaultDisciplinesFileName();
}

}  // namespace

bool readSettings(const fs::path& path, bool mainFile, Settings& s,
                  std::vector<std::string>* warnings) {
    std::string text;
    std::error_code ec;
    const ReadNotes notes{path, warnings};
    std::string error;
    if (!fs::exists(path, ec) || !readWholeFile(path, text, &error, kMaxSmallFileBytes)) {
        // A missing file is a first start; one that is there but unreadable is said.
        if (!error.empty() && warnings)
            warnings->push_back(error + " Действуют настройки по умолчанию.");
        takeFallbackDefaults(mainFile, s);
        return false;
    }
    const IniFile ini = IniFile::parse(text);
    if (looksLikeUtf8(text.substr(ini.hadByteOrderMark() ? 3 : 0), true))
        notes.add(
            "он в кодировке UTF-8, а читается как Windows-1251: русские тексты и пути в "
            "нём будут искажены. Сохраните его в кодировке Windows-1251.");
    if (!ini.hasSection("Settings") && !ini.hasSection("Program") && !ini.hasSection("Adjust"))
        notes.add(
            "в нём нет разделов [Settings], [Program] и [Adjust]; действуют настройки по "
            "умолчанию.");
    readKeys(ini, mainFile, s, notes);
    return true;
}

bool settingsFileReadable(const fs::path& path, std::string* error) {
    std::string text;
    if (!readWholeFile(path, text, error, kMaxSmallFileBytes))
        return false;
    if (text.find('\0') != std::string::npos) {
        if (error)
            *error = "Файл настроек «" + pathToUtf8(path) +
                     "» не прочитан: в нём есть нулевые байты, это не текст.";
        return false;
    }
    return true;
}

bool writeSettings(const fs::path& path, bool mainFile, const Settings& s, std::string* error) {
    return writeSettingsChanges(path, mainFile, nullptr, s, error);
}

bool writeSettingsChanges(const fs::path& path, bool mainFile, const Settings* before,
                          const Settings& s, std::string* error) {
    std::string text;
    return settingsFileText(path, mainFile, before, s, text, error) &&
           writeFileAtomically(path, text, error);
}

bool settingsFileText(const fs::path& path, bool mainFile, const Settings* before,
                      const Settings& s, std::string& out, std::string* error) {
    IniFile ini;
    std::error_code ec;
    if (!fs::exists(path, ec)) {
        before = nullptr;  // a new file gets every key
    }
    if (fs::exists(path, ec)) {
        std::string text;
        // Never replace a file whose lines we could not read: they would be lost.
        if (!readWholeFile(path, text, error))
            return false;
        ini = IniFile::parse(text);
    } else {
        ini = IniFile::parse("[Settings]\r\n");
    }
    writeKeys(ini, mainFile, s, before);
    out = ini.serialize();
    return true;
}

std::optional<fs::path> companionSettingsPath(const fs::path& document) {
    const std::string full = document.string();
    if (full.size() <= 4)
        return std::nullopt;
    // Only a dot in the file name counts: a dot in a folder name must not move the
    // settings file out of the document's folder.
    std::string name = document.filename().string();
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos) {
        name += ".ini";
    } else {
        name.replace(dot + 1, std::string::npos, "ini");
    }
    return document.parent_path() / name;
}

fs::path mainSettingsPath(const fs::path& programDir) {
    return programDir / "App.ini";
}

}  // namespace vellex

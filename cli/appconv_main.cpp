// appconv: converts a document file written by an earlier release into the current
// layout, under the settings of a given "App.ini".
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "model/document.h"
#include "model/grade_list.h"
#include "model/program_folder.h"
#include "storage/document_file.h"
#include "storage/document_layout.h"
#include "storage/document_save.h"
#include "storage/settings.h"
#include "text/cp1251.h"
#include "text/file_io.h"

namespace {

namespace fs = std::filesystem;
using namespace vellex;

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

constexpr const char* kHelp =
    "Использование: appconv --from 1|2|3|86 [--ini App.ini] СТАРЫЙ.app НОВЫЙ.app\n"
    "\n"
    "Преобразует документ, сохранённый прежней версией программы, в формат текущей\n"
    "версии. Исходный файл не изменяется.\n"
    "\n"
    "  --from 1    файл версии 4.1.2\n"
    "  --from 2    файл версии 4.2.2\n"
    "  --from 3    файл версии 4.2.3.338\n"
    "  --from 86   файл версии 4.1.2 с 86 строками 2-й страницы приложения\n"
    "              (результат записывается с 94 строками 2-й страницы)\n"
    "  --ini ФАЙЛ  файл настроек, с которыми был сохранён документ (версия документа,\n"
    "              порядок сохранения таблиц, число строк 2-й страницы); рядом с ним\n"
    "              ищется список оценок eval.dat. Без него берётся App.ini программы\n"
    "              (тот же, что у vellex и vellex-print), а без App.ini — настройки\n"
    "              по умолчанию. Файл настроек документа (.ini рядом с ним) и число\n"
    "              строк файла важнее: документ читается так, как был записан.\n"
    "  --help      эта справка\n";

struct Arguments {
    std::optional<std::string> from;
    std::optional<std::string> ini;
    std::vector<std::string> files;
    bool help = false;
};

void fail(const std::string& message) {
    std::fprintf(stderr, "appconv: %s\n", message.c_str());
}

int usageError(const std::string& message) {
    fail(message);
    std::fputs("Справка: appconv --help\n", stderr);
    return kExitUsage;
}

// "--name value" or "--name=value". Returns false when `arg` is not this option; an
// option without its value sets `error`.
bool takeOption(std::string_view name, int argc, char** argv, int& i,
                std::optional<std::string>& out, std::optional<std::string>& error) {
    const std::string_view arg = argv[i];
    if (arg == name) {
        if (i + 1 >= argc) {
            error = "после " + std::string(name) + " нужно значение";
        } else {
            out = argv[++i];
        }
        return true;
    }
    if (arg.size() > name.size() && arg.substr(0, name.size()) == name && arg[name.size()] == '=') {
        out = std::string(arg.substr(name.size() + 1));
        return true;
    }
    return false;
}

// Parses by hand: the converter links the core only. Returns an error text or nothing.
std::optional<std::string> parse(int argc, char** argv, Arguments& a) {
    std::optional<std::string> error;
    for (int i = 1; i < argc && !error; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            a.help = true;
        } else if (takeOption("--from", argc, argv, i, a.from, error) ||
                   takeOption("--ini", argc, argv, i, a.ini, error)) {
            continue;
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "неизвестный параметр «" + std::string(arg) + "»";
        } else {
            a.files.emplace_back(arg);
        }
    }
    return error;
}

std::optional<DocumentReadOptions> layoutFor(const std::string& from) {
    DocumentReadOptions o;
    if (from == "1") {
        o.layout = DocumentLayout::Release412;
    } else if (from == "2") {
        o.layout = DocumentLayout::Release422;
    } else if (from == "3") {
        o.layout = DocumentLayout::Release4233;
    } else if (from == "86") {
        o.layout = DocumentLayout::Release412;
        o.rows86 = true;
    } else {
        return std::nullopt;
    }
    return o;
}

}  // namespace

int main(int argc, char** argv) {
    Arguments args;
    if (const auto error = parse(argc, argv, args))
        return usageError(*error);
    if (args.help) {
        std::fputs(kHelp, stdout);
        return kExitOk;
    }
    if (!args.from)
        return usageError("не указана версия исходного файла (--from 1|2|3|86)");
    auto options = layoutFor(*args.from);
    if (!options) {
        return usageError("неизвестная версия «" + *args.from + "»; допустимы 1, 2, 3 и 86");
    }
    if (args.files.size() != 2) {
        return usageError("нужно указать два файла: исходный и новый");
    }
    const fs::path in = pathFromUtf8(args.files[0]);
    const fs::path out = pathFromUtf8(args.files[1]);
    if (isSameFile(in, out)) {
        fail("новый файл совпадает с исходным «" + pathToUtf8(in) +
             "»; исходный файл не перезаписывается — укажите другое имя.");
        return kExitUsage;
    }

    Settings settings;
    GradeList grades = builtInGrades();
    // Without --ini the program's own "App.ini", when there is one, as the window reads it.
    const fs::path ownIni = mainSettingsPath(ownSettingsFolder());
    std::error_code ownEc;
    if (!args.ini && fs::exists(ownIni, ownEc))
        args.ini = pathToUtf8(ownIni);
    if (args.ini) {
        const fs::path ini = pathFromUtf8(*args.ini);
        std::error_code ec;
        if (!fs::exists(ini, ec)) {
            fail("файл настроек «" + pathToUtf8(ini) + "» не найден.");
            return kExitFailed;
        }
        const fs::path folder = ini.has_parent_path() ? ini.parent_path() : fs::path(".");
        // Settings texts are CP1251; a folder name CP1251 cannot hold stays as it is.
        const auto dir = cp1251::fromUtf8(pathToUtf8(folder) + "/");
        settings.programDir = dir.ok() ? dir.bytes : pathToUtf8(folder) + "/";
        // A file that is there but cannot be read would convert under the default
        // layout settings and scramble the new file.
        std::string readError;
        if (!settingsFileReadable(ini, &readError)) {
            fail(readError);
            return kExitFailed;
        }
        std::vector<std::string> settingsWarnings;
        readSettings(ini, true, settings, &settingsWarnings);
        for (const std::string& w : settingsWarnings)
            fail("предупреждение: " + w);
        std::string gradeError;
        grades = loadGradeList(folder, &gradeError);
        if (!gradeError.empty())
            fail(gradeError);
    }
    // The file is read in the layout it was written with: its own settings file, when
    // there is one, and its line count tell which.
    DocumentOpenPlan plan = planDocumentOpen(in, settings, options->layout, options->rows86);
    if (!plan.ok) {
        fail(plan.error);
        return kExitFailed;
    }
    const Settings program = settings;
    settings = std::move(plan.settings);
    *options = plan.read;
    options->gradeList = &grades;
    Document doc(settings.rowsPage2());
    std::string error;
    std::vector<std::string> warnings;
    if (!readDocument(in, *options, doc, &error, &warnings)) {
        fail(error);
        return kExitFailed;
    }
    for (const std::string& w : warnings)
        fail("предупреждение: " + w);
    // The new file and its settings file change together, as the window saves them; a
    // file in a layout other than the program's keeps its settings file, since its line
    // count alone cannot tell its edition or table order.
    const bool withOwnSettings =
        settings.EachSaveSet || documentNeedsOwnSettings(out, settings, program);
    if (!saveDocumentFiles(out, doc, settings, withOwnSettings, &error)) {
        fail(error);
        return kExitFailed;
    }
    std::printf("Готово: «%s» записан в формате текущей версии.\n", pathToUtf8(out).c_str());
    // The new file reads back only under the settings it was written with.
    for (const std::string& line : plan.changes)
        std::printf("Настройки файла: %s.\n", line.c_str());
    return kExitOk;
}

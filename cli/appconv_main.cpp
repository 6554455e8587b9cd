// appconv: converts a document file written by an earlier release into the current
// layout, under the settings of a given "App.ini".
#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/document_convert.h"
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

int convert(int argc, char** argv) {
    Arguments args;
    if (const auto error = parse(argc, argv, args))
        return usageError(*error);
    if (args.help) {
        std::fputs(kHelp, stdout);
        return kExitOk;
    }
    if (!args.from)
        return usageError("не указана версия исходного файла (--from 1|2|3|86)");
    auto request = convertRequestFor(*args.from);
    if (!request) {
        return usageError("неизвестная версия «" + *args.from + "»; допустимы 1, 2, 3 и 86");
    }
    if (args.files.size() != 2) {
        return usageError("нужно указать два файла: исходный и новый");
    }
    request->from = pathFromUtf8(args.files[0]);
    request->to = pathFromUtf8(args.files[1]);
    if (args.ini)
        request->settings = pathFromUtf8(*args.ini);
    ConvertResult result;
    std::string error;
    const bool ok = convertDocument(*request, result, &error);
    for (const std::string& w : result.warnings)
        fail("предупреждение: " + w);
    if (!ok) {
        fail(error);
        return isSameFile(request->from, request->to) ? kExitUsage : kExitFailed;
    }
    std::printf("Готово: «%s» записан в формате текущей версии.\n",
                pathToUtf8(request->to).c_str());
    // The new file reads back only under the settings it was written with.
    for (const std::string& line : result.changes)
        std::printf("Настройки файла: %s.\n", line.c_str());
    return kExitOk;
}

}  // namespace

int main(int argc, char** argv) {
    // A fault of the program itself is said and fails the run; it never ends in abort().
    try {
        return convert(argc, argv);
    } catch (const std::exception& e) {
        fail(std::string("внутренняя ошибка программы (") + e.what() +
             "); работа прервана. Сообщите о ней разработчикам.");
        return kExitFailed;
    }
}

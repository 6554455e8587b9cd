#include "cli/print_request.h"

#include <QCommandLineParser>
#include <QFile>

#include "text/file_io.h"

namespace vellex {

namespace {

constexpr int kMaxCopies = 999;

std::filesystem::path pathArg(const QString& value) {
    return pathFromUtf8(QFile::encodeName(value).toStdString());
}

}  // namespace

std::string printUsage() {
    std::string names;
    for (const SheetInfo& s : sheetTable()) {
        names += "                       ";
        names += s.cliName;
        names += " — ";
        names += s.title;
        names += "\n";
    }
    return "Использование:\n"
           "  vellex-print --sheet ЛИСТ [--doc ФАЙЛ.app] [--ini App.ini] [--format pdf|json]\n"
           "               --out ФАЙЛ [--cert-variant 0|1] [--cert-bold] [--cert-italic]\n"
           "  vellex-print --sheet ЛИСТ [--doc ФАЙЛ.app] [--ini App.ini] --printer ИМЯ "
           "[--copies N]\n"
           "  vellex-print --batch СПИСОК.csv --template ГРУППА.app --sheets ЛИСТ,ЛИСТ,… "
           "[--ini App.ini]\n"
           "               (--out ФАЙЛ.pdf | --printer ИМЯ) [--save-documents ПАПКА "
           "[--overwrite]]\n"
           "\n"
           "Раскладывает лист документа так же, как окно программы перед печатью, и "
           "сохраняет его\n"
           "в PDF, в JSON (модель страницы) или печатает на принтер. Окно не нужно.\n"
           "\n"
           "Параметры:\n"
           "  --sheet ЛИСТ         лист документа:\n" +
           names +
           "  --doc ФАЙЛ          файл документа (.app); без него — пустой документ\n"
           "  --ini ФАЙЛ          файл настроек; по умолчанию «App.ini» папки программы\n"
           "  --format pdf|json   вид результата (по умолчанию pdf)\n"
           "  --out ФАЙЛ          куда сохранить результат\n"
           "  --cert-variant 0|1  бланк свидетельства: 0 — книжный, 1 — альбомный\n"
           "  --cert-bold         свидетельство: полужирный шрифт\n"
           "  --cert-italic       свидетельство: курсив\n"
           "  --printer ИМЯ       напечатать на этом принтере вместо сохранения\n"
           "  --copies N          число копий при печати (1–999)\n"
           "  --grid              сетка через 10 мм с отметками в миллиметрах (пробная печать)\n"
           "\n"
           "Печать группы:\n"
           "  --batch ФАЙЛ        список студентов (как в окне «Список Студентов»)\n"
           "  --template ФАЙЛ     документ группы: учебное заведение, квалификация, даты\n"
           "  --sheets ЛИСТЫ      листы каждого студента через запятую, по порядку\n"
           "  --save-documents ПАПКА  сохранить документ каждого студента "
           "(«Фамилия Имя Отчество.app»);\n"
           "                      документ, который уже есть в папке, не заменяется\n"
           "  --overwrite         заменять документы, которые уже есть в папке\n"
           "  Файл результатов студента берётся рядом со списком, как при выборе в окне.\n"
           "  Ход работы выводится в поток ошибок; негодная строка списка пропускается с\n"
           "  указанием её номера, и тогда программа завершается с ненулевым кодом.\n"
           "  --help              эта справка\n";
}

std::optional<PrintRequest> parsePrintRequest(const QStringList& arguments, std::string* error) {
    auto fail = [&](std::string msg) -> std::optional<PrintRequest> {
        if (error)
            *error = std::move(msg);
        return std::nullopt;
    };
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption sheet(QStringLiteral("sheet"), QString(), QStringLiteral("sheet"));
    const QCommandLineOption doc(QStringLiteral("doc"), QString(), QStringLiteral("file"));
    const QCommandLineOption ini(QStringLiteral("ini"), QString(), QStringLiteral("file"));
    const QCommandLineOption format(QStringLiteral("format"), QString(), QStringLiteral("f"));
    const QCommandLineOption out(QStringLiteral("out"), QString(), QStringLiteral("file"));
    const QCommandLineOption certVariant(QStringLiteral("cert-variant"), QString(),
                                         QStringLiteral("n"));
    const QCommandLineOption certBold(QStringLiteral("cert-bold"));
    const QCommandLineOption certItalic(QStringLiteral("cert-italic"));
    const QCommandLineOption printer(QStringLiteral("printer"), QString(), QStringLiteral("name"));
    const QCommandLineOption copies(QStringLiteral("copies"), QString(), QStringLiteral("n"));
    const QCommandLineOption help(QStringList{QStringLiteral("help"), QStringLiteral("h")});
    const QCommandLineOption grid(QStringLiteral("grid"));
    const QCommandLineOption batch(QStringLiteral("batch"), QString(), QStringLiteral("file"));
    const QCommandLineOption templ(QStringLiteral("template"), QString(), QStringLiteral("file"));
    const QCommandLineOption sheets(QStringLiteral("sheets"), QString(), QStringLiteral("list"));
    const QCommandLineOption saveDocs(QStringLiteral("save-documents"), QString(),
                                      QStringLiteral("dir"));
    const QCommandLineOption overwrite(QStringLiteral("overwrite"));
    parser.addOptions({sheet, doc, ini, format, out, certVariant, certBold, certItalic, printer,
                       copies, help, grid, batch, templ, sheets, saveDocs, overwrite});

    QStringList withProgram = arguments;
    withProgram.prepend(QStringLiteral("vellex-print"));
    if (!parser.parse(withProgram)) {
        if (!parser.unknownOptionNames().isEmpty())
            return fail("Неизвестный параметр «" +
                        parser.unknownOptionNames().first().toStdString() +
                        "». Справка: vellex-print --help");
        return fail("Неверная командная строка (" + parser.errorText().toStdString() +
                    "). Справка: vellex-print --help");
    }
    PrintRequest r;
    if (parser.isSet(help)) {
        r.help = true;
        return r;
    }
    if (!parser.positionalArguments().isEmpty())
        return fail("Лишний аргумент «" + parser.positionalArguments().first().toStdString() +
                    "». Справка: vellex-print --help");

    auto unknownSheet = [&](const std::string& name) {
        std::string known;
        for (const SheetInfo& s : sheetTable())
            known += (known.empty() ? "" : ", ") + std::string(s.cliName);
        return fail("Неизвестный лист «" + name + "». Возможные листы: " + known + ".");
    };
    r.grid = parser.isSet(grid);
    if (parser.isSet(batch)) {
        for (const auto* single : {&sheet, &doc, &format})
            if (parser.isSet(*single))
                return fail("Параметр --" + single->names().first().toStdString() +
                            " не сочетается с --batch: листы группы задаёт --sheets, документ — "
                            "--template, результат — PDF.");
        if (parser.value(batch).isEmpty())
            return fail("Не указан файл списка студентов (--batch).");
        r.batchList = pathArg(parser.value(batch));
        if (!parser.isSet(templ) || parser.value(templ).isEmpty())
            return fail("Не указан документ группы (--template). Справка: vellex-print --help");
        r.templateDocument = pathArg(parser.value(templ));
        if (!parser.isSet(sheets))
            return fail("Не указаны листы группы (--sheets). Справка: vellex-print --help");
        for (const QString& name : parser.value(sheets).split(QLatin1Char(','))) {
            const std::string n = name.trimmed().toStdString();
            const auto kind = sheetByCliName(n);
            if (!kind)
                return unknownSheet(n);
            r.batchSheets.push_back(*kind);
        }
        if (parser.isSet(saveDocs)) {
            if (parser.value(saveDocs).isEmpty())
                return fail("Не указана папка для документов (--save-documents).");
            r.saveDocuments = pathArg(parser.value(saveDocs));
        }
        if (parser.isSet(overwrite) && !r.saveDocuments)
            return fail("Параметр --overwrite задаётся только вместе с --save-documents.");
        r.overwriteDocuments = parser.isSet(overwrite);
    } else {
        for (const auto* groupOnly : {&templ, &sheets, &saveDocs, &overwrite})
            if (parser.isSet(*groupOnly))
                return fail("Параметр --" + groupOnly->names().first().toStdString() +
                            " задаётся только вместе с --batch.");
        if (!parser.isSet(sheet))
            return fail("Не указан лист (--sheet). Справка: vellex-print --help");
        const std::string sheetName = parser.value(sheet).toStdString();
        const auto kind = sheetByCliName(sheetName);
        if (!kind)
            return unknownSheet(sheetName);
        r.sheet = *kind;
    }
    if (parser.isSet(doc))
        r.document = pathArg(parser.value(doc));
    if (parser.isSet(ini))
        r.settings = pathArg(parser.value(ini));
    if (parser.isSet(format)) {
        const QString f = parser.value(format).toLower();
        if (f == QStringLiteral("pdf"))
            r.format = OutputFormat::Pdf;
        else if (f == QStringLiteral("json"))
            r.format = OutputFormat::Json;
        else
            return fail("Неизвестный формат «" + parser.value(format).toStdString() +
                        "»: допустимы pdf и json.");
    }
    if (parser.isSet(certVariant)) {
        const QString v = parser.value(certVariant);
        if (v != QStringLiteral("0") && v != QStringLiteral("1"))
            return fail("Вариант свидетельства должен быть 0 (книжный) или 1 (альбомный), а не «" +
                        v.toStdString() + "».");
        r.options.certVariant = v.toInt();
    }
    if (parser.isSet(certBold))
        r.options.certBold = true;
    if (parser.isSet(certItalic))
        r.options.certItalic = true;
    if (parser.isSet(printer)) {
        r.printer = parser.value(printer).toStdString();
        if (r.printer->empty())
            return fail("Не указано имя принтера (--printer).");
        if (parser.isSet(out))
            return fail("Укажите либо --out, либо --printer, но не оба сразу.");
    }
    if (parser.isSet(copies)) {
        if (!r.printer)
            return fail("Число копий (--copies) задаётся только вместе с --printer.");
        bool ok = false;
        const int n = parser.value(copies).toInt(&ok);
        if (!ok || n < 1 || n > kMaxCopies)
            return fail("Число копий должно быть от 1 до " + std::to_string(kMaxCopies) +
                        ", а не «" + parser.value(copies).toStdString() + "».");
        r.copies = n;
    }
    if (parser.isSet(out)) {
        if (parser.value(out).isEmpty())
            return fail("Не указан файл результата (--out).");
        r.out = pathArg(parser.value(out));
    }
    if (!r.printer && !r.out)
        return fail("Не указан файл результата (--out) или принтер (--printer).");
    return r;
}

}  // namespace vellex

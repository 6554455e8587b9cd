#include "cli/batch_job.h"

#include <QBuffer>
#include <QPdfWriter>

#include <algorithm>
#include <map>
#include <system_error>

#include "cli/print_job.h"
#include "lists/student_list.h"
#include "lists/student_pick.h"
#include "model/document.h"
#include "model/name_search.h"
#include "render/overflow_check.h"
#include "render/page_renderer.h"
#include "render/report_output.h"
#include "storage/document_file.h"
#include "storage/document_save.h"
#include "storage/settings.h"
#include "text/cp1251.h"
#include "text/file_io.h"
#include "text/line_cursor.h"

namespace vellex {

namespace {

bool fail(std::string* error, std::string msg) {
    if (error)
        *error = std::move(msg);
    return false;
}

bool blank(std::string_view line) {
    return std::all_of(line.begin(), line.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\r'; });
}

bool emptyField(const std::string& field) {
    return blank(field);
}

std::string studentName(const StudentRow& row) {
    std::string name;
    for (int i = 0; i < 3 && i < static_cast<int>(row.size()); ++i) {
        if (row[static_cast<std::size_t>(i)].empty())
            continue;
        if (!name.empty())
            name += ' ';
        name += cp1251::toUtf8(row[static_cast<std::size_t>(i)]);
    }
    return name;
}

// The file name the save command proposes: surname, first name and patronymic joined by
// spaces. A name that could leave the folder or hide the file is refused rather than
// written somewhere the operator did not choose.
std::optional<std::string> documentFileName(const NameParts& name, std::string* why) {
    if (name.surname.empty() || name.firstName.empty() || name.patronymic.empty()) {
        *why = "в документе нет фамилии, имени или отчества";
        return std::nullopt;
    }
    const std::string joined = name.surname + " " + name.firstName + " " + name.patronymic;
    const bool unsafe =
        joined.front() == '.' || std::any_of(joined.begin(), joined.end(), [](char c) {
            return c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20;
        });
    if (unsafe) {
        *why = "в фамилии, имени или отчестве есть знаки, недопустимые в имени файла";
        return std::nullopt;
    }
    return cp1251::toUtf8(joined) + ".app";
}

}  // namespace

bool layoutBatch(const PrintRequest& request, TReport& report, BatchResult& result,
                 const BatchLog& log, std::string* error, const Clock& clock) {
    clearPages(report);
    result = {};
    Settings settings;
    bool settingsRead = false;
    std::vector<std::string> settingsWarnings;
    if (!loadRequestSettings(request, settings, settingsRead, &settingsWarnings, error))
        return false;
    Document group;
    if (!openStartDocument(settings, settingsRead, request.templateDocument, group,
                           &settingsWarnings, error))
        return false;
    for (const std::string& w : settingsWarnings)
        log("предупреждение: " + w);
    if (settings.SplitField.empty())
        return fail(error,
                    "Проверьте параметр «Разделитель полей» (SplitField): он не должен "
                    "быть пустым.");

    const std::filesystem::path& listPath = *request.batchList;
    std::error_code ec;
    // A folder or a pipe of that name is there, but is no list: the reader says so.
    if (!std::filesystem::exists(listPath, ec))
        return fail(error, "Файл списка студентов «" + pathToUtf8(listPath) + "» не найден.");
    // The pick finds each results file beside the list by the list's name, as the window
    // keeps it: CP1251 text.
    const auto listName = cp1251::fromUtf8(pathToUtf8(std::filesystem::absolute(listPath, ec)));
    if (!listName.ok())
        return fail(error, "В имени файла списка «" + pathToUtf8(listPath) +
                               "» есть знаки, которых нет в кодировке Windows-1251.");
    std::string data;
    if (!readTextFile(listPath, data, error, kMaxListBytes))
        return false;

    if (request.saveDocuments) {
        std::filesystem::create_directories(*request.saveDocuments, ec);
        if (!std::filesystem::is_directory(*request.saveDocuments, ec))
            return fail(error, "Не удалось создать папку для документов «" +
                                   pathToUtf8(*request.saveDocuments) + "».");
    }

    {
        LineCursor counter(data);
        std::string_view line;
        while (counter.next(line))
            result.lines += blank(line) ? 0 : 1;
    }

    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    QPdfWriter device(&sink);
    setupPdfWriter(device);
    const QtTextMeasurer measurer(&device);
    std::map<std::string, int> savedBy;  // file name → list line that wrote it

    LineCursor cursor(data);
    std::string_view line;
    int lineNo = 0, student = 0;
    while (cursor.next(line)) {
        ++lineNo;
        if (blank(line))
            continue;
        ++student;
        const std::string at = "строка " + std::to_string(lineNo);
        auto skip = [&](const std::string& why) {
            log(at + ": " + why + "; строка пропущена.");
            ++result.problems;
        };
        const std::optional<StudentRow> row = parseStudentLine(line, settings.SplitField);
        if (!row) {
            skip("нет разделителя полей «" + cp1251::toUtf8(settings.SplitField) + "»");
            continue;
        }
        if (emptyField((*row)[0]) || emptyField((*row)[1])) {
            skip("нет фамилии или имени");
            continue;
        }
        const std::string who = studentName(*row);
        log(std::to_string(student) + "/" + std::to_string(result.lines) + " " + who);

        Document doc = group;
        bool pickFailed = false;
        for (const UserMessage& m : pickStudent(doc, *row, settings, listName.bytes, clock)) {
            if (m.icon == MessageIcon::Error) {
                skip(m.text);
                pickFailed = true;
                break;
            }
            if (m.icon == MessageIcon::Warning)
                log(at + " (" + who + "): предупреждение: " + m.text);
        }
        if (pickFailed)
            continue;

        std::vector<std::unique_ptr<TReportPage>> pages;
        std::string sheetError;
        for (SheetKind kind : request.batchSheets) {
            TReport one;
            if (!layoutSheet(kind, doc, settings, request.options, one, &sheetError))
                break;
            for (const OverflowBox& o : findOverflows(one, measurer))
                log(at + " (" + who + "), " + std::string(sheetInfo(kind).title) +
                    ": предупреждение: " + overflowWarning(o));
            for (auto& page : one.pages)
                pages.push_back(std::move(page));
        }
        if (!sheetError.empty()) {
            skip(sheetError);
            continue;
        }
        for (auto& page : pages)
            report.pages.push_back(std::move(page));
        ++result.printed;

        if (request.saveDocuments) {
            std::string why;
            const auto name = documentFileName(findNameParts(doc, settings.VellexVersion), &why);
            if (!name) {
                log(at + " (" + who + "): документ не сохранён: " + why + ".");
                ++result.problems;
                continue;
            }
            // Two lines of one name would silently replace the first student's document.
            if (const auto earlier = savedBy.find(*name); earlier != savedBy.end()) {
                log(at + " (" + who + "): документ не сохранён: «" + *name +
                    "» уже записан для строки " + std::to_string(earlier->second) + ".");
                ++result.problems;
                continue;
            }
            const std::filesystem::path file = *request.saveDocuments / pathFromUtf8(*name);
            // A document already there may hold corrections typed by hand.
            if (!request.overwriteDocuments && std::filesystem::exists(file, ec)) {
                log(at + " (" + who + "): документ не сохранён: «" + *name +
                    "» уже есть в папке; чтобы заменить его, добавьте --overwrite.");
                ++result.problems;
                continue;
            }
            std::string saveError;
            if (!saveDocumentFiles(file, doc, settings, settings.EachSaveSet, &saveError)) {
                log(at + " (" + who + "): " + saveError);
                ++result.problems;
                continue;
            }
            savedBy.emplace(*name, lineNo);
        }
    }
    if (report.pages.empty())
        return fail(error, "В списке «" + pathToUtf8(listPath) +
                               "» нет ни одного студента, которого можно напечатать.");
    return true;
}

bool runBatch(const PrintRequest& request, BatchResult& result, const BatchLog& log,
              std::string* error, const Clock& clock) {
    TReport report;
    if (!layoutBatch(request, report, result, log, error, clock))
        return false;
    return outputReport(report, request, error);
}

}  // namespace vellex

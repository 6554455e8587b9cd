#include "storage/document_convert.h"

#include <system_error>

#include "model/document.h"
#include "model/grade_list.h"
#include "model/program_folder.h"
#include "storage/document_layout.h"
#include "storage/document_save.h"
#include "storage/settings.h"
#include "text/cp1251.h"
#include "text/file_io.h"

namespace vellex {

namespace fs = std::filesystem;

namespace {

bool fail(std::string* error, std::string message) {
    if (error)
        *error = std::move(message);
    return false;
}

}  // namespace

std::optional<ConvertRequest> convertRequestFor(const std::string& from) {
    ConvertRequest r;
    if (from == "1") {
        r.layout = DocumentLayout::Release412;
    } else if (from == "2") {
        r.layout = DocumentLayout::Release422;
    } else if (from == "3") {
        r.layout = DocumentLayout::Release4233;
    } else if (from == "86") {
        r.layout = DocumentLayout::Release412;
        r.rows86 = true;
    } else {
        return std::nullopt;
    }
    return r;
}

bool convertDocument(const ConvertRequest& request, ConvertResult& result, std::string* error) {
    result = {};
    if (isSameFile(request.from, request.to))
        return fail(error, "новый файл совпадает с исходным «" + pathToUtf8(request.from) +
                               "»; исходный файл не перезаписывается — укажите другое имя.");

    Settings settings;
    GradeList grades = builtInGrades();
    // Without settings named, the program's own "App.ini", as the window reads it.
    std::optional<fs::path> ini = request.settings;
    const fs::path ownIni = mainSettingsPath(ownSettingsFolder());
    std::error_code ec;
    if (!ini && fs::exists(ownIni, ec))
        ini = ownIni;
    if (ini) {
        if (!fs::exists(*ini, ec))
            return fail(error, "файл настроек «" + pathToUtf8(*ini) + "» не найден.");
        // A file that is there but cannot be read would convert under the default
        // layout settings and scramble the new file.
        if (!settingsFileReadable(*ini, error))
            return false;
        const fs::path folder = ini->has_parent_path() ? ini->parent_path() : fs::path(".");
        // Settings texts are CP1251; a folder name CP1251 cannot hold stays as it is.
        const auto dir = cp1251::fromUtf8(pathToUtf8(folder) + "/");
        settings.programDir = dir.ok() ? dir.bytes : pathToUtf8(folder) + "/";
        readSettings(*ini, true, settings, &result.warnings);
        std::string gradeError;
        grades = loadGradeList(folder, &gradeError);
        if (!gradeError.empty())
            result.warnings.push_back(gradeError);
    }
    // The file is read in the layout it was written with: its own settings file, when
    // there is one, and its line count tell which.
    DocumentOpenPlan plan =
        planDocumentOpen(request.from, settings, request.layout, request.rows86);
    if (!plan.ok)
        return fail(error, std::move(plan.error));
    const Settings program = settings;
    settings = std::move(plan.settings);
    DocumentReadOptions options = plan.read;
    options.gradeList = &grades;
    Document doc(settings.rowsPage2());
    if (!readDocument(request.from, options, doc, error, &result.warnings))
        return false;
    // The new file and its settings file change together, as the window saves them; a
    // file in a layout other than the program's keeps its settings file, since its line
    // count alone cannot tell its edition or table order.
    const bool withOwnSettings =
        settings.EachSaveSet || documentNeedsOwnSettings(request.to, settings, program);
    if (!saveDocumentFiles(request.to, doc, settings, withOwnSettings, error))
        return false;
    result.changes = std::move(plan.changes);
    return true;
}

}  // namespace vellex

// The document reader in every layout and file format. The first two bytes choose the
// layout and the settings the file is read under; the rest is the file.
#include <algorithm>
#include <array>
#include <string>

#include "model/document.h"
#include "model/grade_list.h"
#include "storage/document_file.h"
#include "tests/fuzz/fuzz_input.h"
#include "tests/fuzz/memory_file.h"

using namespace vellex;
using vellex::fuzz::require;

namespace {

constexpr std::array<int, 4> kRows = {54, 58, 62, 94};

DocumentReadOptions optionsFrom(fuzz::FuzzInput& in) {
    const std::uint8_t shape = in.byte();
    const std::uint8_t format = in.byte();
    DocumentReadOptions o;
    o.layout = static_cast<DocumentLayout>(shape & 3);
    o.rows86 = (shape & 4) != 0;
    o.gradeList = (shape & 8) != 0 ? &builtInGrades() : nullptr;
    o.format.vellexVersion = format % 3;
    o.format.saveStyle = (format / 3) % 3;
    o.format.rowsPage2 = kRows[(format / 9) % 4];
    return o;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::MemoryFile file;
    fuzz::FuzzInput in(data, size);
    const DocumentReadOptions options = optionsFrom(in);
    file.assign(in.rest());

    Document doc(options.format.rowsPage2);
    std::string error;
    if (!readDocument(file.path(), options, doc, &error)) {
        require(!error.empty(), "a refused file comes with a message");
        return 0;
    }
    require(doc.rowCount(Table::Disciplines) == page2RowsAfterRead(options),
            "the page-2 rows are those the read announces");

    // Whatever the file held, what the program saves must read back to the same save:
    // otherwise every open and save of the document would change it.
    DocumentFileFormat current = options.format;
    current.rowsPage2 = doc.rowCount(Table::Disciplines);
    const std::string saved = documentFileText(doc, current);
    require(std::count(saved.begin(), saved.end(), '\n') ==
                documentFileLineCount(current, current.rowsPage2),
            "a save has the line count of its format");
    file.assign(saved);
    DocumentReadOptions again;
    again.format = current;
    Document reread(current.rowsPage2);
    if (!readDocument(file.path(), again, reread, &error)) {
        // What was read as Windows-1251 can look like another encoding once damaged lines
        // are gone.
        require(error.find("в кодировке") != std::string::npos, "a saved file opens");
        return 0;
    }
    require(documentFileText(reread, current) == saved, "open and save change nothing");
    return 0;
}

#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "model/document.h"

// The document file (".app"): one field per line, CP1251, CR LF, in ten blocks of fixed
// order. Nothing in the file names a field, so a file reads back correctly only under the
// settings it was written with: VellexVersion, SaveStyle and the page-2 row count.
namespace vellex {

struct Settings;

// The settings a document file's layout depends on.
struct DocumentFileFormat {
    int vellexVersion = 2;  // 1 changes the practice and examination lines of block 3
    int saveStyle = 0;      // tables: 0 column by column, 1 row by row, other: no lines
    int rowsPage2 = 54;     // rows of the page-2 table
};
DocumentFileFormat documentFileFormat(const Settings& s);

// Layouts of the files written by earlier releases, as the open commands name them.
enum class DocumentLayout : int {
    Current = 0,
    Release412 = 1,   // 4.1.2: another block order, fewer lines on the first pages
    Release422 = 2,   // 4.2.2: the current block order, fewer lines on the first pages
    Release4233 = 3,  // 4.2.3.338: as 4.2.2 with a fifth specialty/profession line
};

struct DocumentReadOptions {
    DocumentFileFormat format;
    DocumentLayout layout = DocumentLayout::Current;
    // The page-2 block holds exactly 86 rows, whatever rowsPage2 says (release 4.1.2
    // files opened "in the new page-2 settings"). When the table has fewer rows it is
    // rebuilt with the largest row count, 94, so that no row is dropped; the caller then
    // switches mode_N_Discipl to the 94-row mode so that saving keeps every row.
    bool rows86 = false;
    // Older layouts stored a grade chosen from the list as its list position; the list
    // turns such a line back into the grade text. The current layout stores grade texts,
    // so a grade typed as a bare number stays as typed.
    const std::vector<std::string>* gradeList = nullptr;
};

// The page-2 row count a read will leave in the document.
int page2RowsAfterRead(const DocumentReadOptions& options);

// The file's text, refused as readDocument refuses it (too large, not a regular file, NUL
// bytes, UTF-8 with Russian letters); `error` names the file and the cause.
bool readDocumentText(const std::filesystem::path& path, std::string& text, std::string* error);

// The longest text a field keeps when read: far more than any box on a blank can show.
inline constexpr std::size_t kMaxFieldChars = 2000;

// Reads the file into `doc`. Every field the layout covers is overwritten (a short file
// empties the fields it does not reach); memos, flags and the other choices stay.
// When the file cannot be read, returns false, leaves `doc` exactly as it was and puts a
// Russian message with the file name and the cause into `error`: among them a file over
// 4 MB, one that is not a regular file, binary data (NUL bytes) and UTF-8 text.
// A line longer than kMaxFieldChars is cut to that length; `warnings` then gets a Russian
// line naming the file, the line and the field.
bool readDocument(const std::filesystem::path& path, const DocumentReadOptions& options,
                  Document& doc, std::string* error, std::vector<std::string>* warnings = nullptr);

// The file text of `doc` in the current layout. The page-2 table is written with the rows
// the document has. Line breaks inside a text (which a field never holds) are written as
// spaces so that they cannot shift the following lines.
std::string documentFileText(const Document& doc, const DocumentFileFormat& format);

// Writes documentFileText crash-safely; on failure the old file stays and `error` gets a
// Russian message naming the file.
bool writeDocument(const std::filesystem::path& path, const Document& doc,
                   const DocumentFileFormat& format, std::string* error);

// Total lines of a file in the current layout: 569 + 3 × rows (SaveStyle 0 or 1).
int documentFileLineCount(const DocumentFileFormat& format, int rowsPage2);

// Total lines of a file in `layout` with `rowsPage2` page-2 rows.
int documentFileLineCount(DocumentLayout layout, const DocumentFileFormat& format, int rowsPage2);

// Lines of a file's text as the reader sees them (CR LF, LF or CR alone ends one; a last
// line without an end counts too).
int countDocumentLines(std::string_view text);

}  // namespace vellex

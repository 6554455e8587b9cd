// A student's results file with any separator, into a document of any page-2 size.
// First byte: separator length (0-3) and page-2 rows; then the separator; the rest is
// the file.
#include <algorithm>
#include <array>
#include <string>

#include "lists/results_file.h"
#include "model/document.h"
#include "tests/fuzz/fuzz_input.h"

using namespace vellex;
using vellex::fuzz::require;

namespace {

constexpr std::array<int, 4> kRows = {54, 58, 62, 94};
constexpr std::array<Table, 4> kTables = {Table::Disciplines, Table::Disciplines8,
                                          Table::Disciplines4, Table::Disciplines7};

bool sameTables(const Document& a, const Document& b) {
    for (const Table t : kTables) {
        if (a.rowCount(t) != b.rowCount(t))
            return false;
        for (int row = 1; row <= a.rowCount(t); ++row) {
            for (const Column c : {Column::Discipline, Column::AudTime, Column::Value}) {
                if (a.cell(t, row, c) != b.cell(t, row, c))
                    return false;
            }
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    const std::uint8_t shape = in.byte();
    const std::string separator(in.take(shape % 4));
    const int rows = kRows[(shape >> 2) % 4];
    const std::string_view text = in.rest();

    Document once(rows);
    const UserMessages warnings = fillResults(once, text, separator);
    require(
        warnings.size() <= static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1,
        "at most one warning a line");
    // Picking the same student again must give the same tables.
    Document twice = once;
    require(fillResults(twice, text, separator) == warnings, "the same file warns the same");
    require(sameTables(once, twice), "reading the file again changes nothing");
    return 0;
}

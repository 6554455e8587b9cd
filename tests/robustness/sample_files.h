#pragma once

#include <string>
#include <string_view>

#include "model/document.h"
#include "storage/document_file.h"
#include "storage/settings.h"

// Contents big and different enough that a save cut short can never pass for a whole one.
namespace vellex::test {

// The 94-row page-2 layout the large documents are saved in.
DocumentFileFormat largeDocumentFormat();

// Every saved field and table cell filled with long texts; variants 0 and 1 differ in
// every line and in length.
Document largeDocument(int variant);

// Settings that differ from each other in numbers, flags and texts.
Settings sampleSettings(int variant);

// The student list tests use: ";" between fields, as in the default settings.
inline constexpr std::string_view kListSeparator = ";";
inline constexpr int kListStudents = 3000;

// A list file of kListStudents students, as the list window writes it back.
std::string largeStudentList();

}  // namespace vellex::test

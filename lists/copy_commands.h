#pragma once

#include <span>
#include <string_view>

#include "model/document.h"

// The commands that copy what the operator typed on one document to the others. Where
// the target has other lines (more, fewer, longer or shorter), the source lines are
// joined and split again with SplitTextToLines. The blank edition decides which field
// carries which entry, so every command takes it.
namespace vellex {

enum class CopyCommand {
    DiplomaToSupplements,  // "Копировать данные из Диплома в Приложения"
    SpoToNpo,      // "… из Приложения (СПО) в Приложение (НПО)"
    NpoToSpo,      // "… из Приложения (НПО) в Приложение (СПО)"
    SpoToDiploma,  // "… из Приложения (СПО) в Диплом"
    NpoToDiploma,  // "… из Приложения (НПО) в Диплом"
    CertificateToSupplement,  // "… из Свидетельства в Приложение к Свидетельству"
    SpreadExamMoreSpo,  // "<< Перенести" on the SPO first page
    SpreadExamMoreNpo,  // "<< Перенести" on the NPO first page
};

struct CopyContext {
    int vellexVersion = 2;  // 0 "1997 - 2006", 1 "2007 / 2008", 2 "2010 / 2011"
    int maxSymbols = 80;    // "MaxSymbols"
};

void runCopyCommand(CopyCommand command, Document& doc, const CopyContext& context);

// Line lengths of the targets: a full line of a first page and half of one.
int fullLineLength(int maxSymbols);
int halfLineLength(int maxSymbols);

// How a distribution treats the lines beyond the last target and the lines themselves.
struct Distribution {
    bool skipEmptySurplus = false;  // an empty surplus line is not appended
    bool stripLines = false;        // every line loses its surrounding spaces
};

// Splits `text` into as many lines as there are targets (at most `width` characters, even
// lengths preferred): line k into target k, every further line appended to the last
// target after one space. An empty text leaves every target alone, and a target for which
// no line comes keeps its text.
void distributeText(Document& doc, std::string_view text, int width, std::span<const Field> targets,
                    Distribution how = {});

}  // namespace vellex

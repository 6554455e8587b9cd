#pragma once

#include <string>

#include "report/report.h"

namespace vellex {

// The first page of the report as JSON, boxes in drawing order, texts in UTF-8:
// {"page":{"width":752,"height":1071},"boxes":[{"left":…,"top":…,"width":…,"height":…,
//  "adjust":…,"fontSize":…,"bold":…,"italic":…,"text":["…"],"role":"…"}]}
// ("role" only for boxes that have one). An empty report gives {"page":null,"boxes":[]}.
std::string reportToJson(const TReport& report);

}  // namespace vellex

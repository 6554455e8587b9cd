#include "report/report_json.h"

#include <nlohmann/json.hpp>

#include "text/cp1251.h"

namespace vellex {

std::string reportToJson(const TReport& report) {
    nlohmann::ordered_json out;
    out["page"] = nullptr;
    out["boxes"] = nlohmann::ordered_json::array();
    if (report.pages.empty())
        return out.dump(1) + "\n";
    const TReportPage& page = *report.pages.front();
    out["page"] = {{"width", page.width}, {"height", page.height}};
    for (const auto& b : page.objects) {
        nlohmann::ordered_json box;
        box["left"] = b->left;
        box["top"] = b->top;
        box["width"] = b->width;
        box["height"] = b->height;
        box["adjust"] = b->adjust;
        box["fontSize"] = b->fontSize;
        box["bold"] = b->fontStyle.bold;
        box["italic"] = b->fontStyle.italic;
        auto& lines = box["text"] = nlohmann::ordered_json::array();
        for (const std::string& line : b->text)
            lines.push_back(cp1251::toUtf8(line));
        if (!b->role.empty())
            box["role"] = cp1251::toUtf8(b->role);
        out["boxes"].push_back(std::move(box));
    }
    return out.dump(1) + "\n";
}

}  // namespace vellex

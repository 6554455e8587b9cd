#include "print/supplement_common.h"

#include <stdexcept>
#include <utility>

#include "model/document.h"
#include "storage/settings.h"
#include "text/cp1251.h"

namespace vellex {

namespace {

// The duplicate mark of every supplement sheet but page 2.
constexpr int kMarkLeft = 500;
constexpr int kMarkTop = 10;
constexpr int kMarkWidth = 220;
constexpr int kMarkHeight = 18;

const std::string& duplicateText() {
    static const std::string text = cp1251::fromUtf8("Дубликат").bytes;
    return text;
}

}  // namespace

int supplementEdition(const Settings& s) {
    return s.VellexVersion >= 0 && s.VellexVersion <= 2 ? s.VellexVersion : 0;
}

TTextBox& SheetBoxes::place(std::string role, int left, int top, int width, int height,
                            ShiftGroup group) {
    if (byRole_.contains(role))
        throw std::logic_error("layout places the box twice: " + role);
    TTextBox* box = addToPage(*page_, createTextBox(role));
    setBounds(*box, left, top, width, height);
    byRole_.emplace(std::move(role), box);
    entries_.push_back({box, group});
    return *box;
}

TTextBox* SheetBoxes::find(std::string_view role) const {
    const auto it = byRole_.find(role);
    return it == byRole_.end() ? nullptr : it->second;
}

TTextBox& SheetBoxes::at(std::string_view role) const {
    TTextBox* box = find(role);
    if (!box)
        throw std::logic_error("layout has no box " + std::string(role));
    return *box;
}

TTextBox& SheetBoxes::last() const {
    if (entries_.empty())
        throw std::logic_error("layout refers to a previous box before the first one");
    return *entries_.back().box;
}

std::vector<TTextBox*> SheetBoxes::lines(std::string_view prefix, int first, int last) const {
    std::vector<TTextBox*> out;
    for (int i = first; i <= last; ++i)
        out.push_back(&at(std::string(prefix) + std::to_string(i)));
    return out;
}

bool duplicateFlag(const Document& doc) {
    return doc.flag(Flag::cbCopySign) || doc.flag(Flag::cbCopySignDbl);
}

SheetBoxes beginSupplementSheet(TReport& report, const Document& doc, int sheetCode) {
    clearPages(report);
    SheetBoxes boxes(addPage(report));
    if (duplicateFlag(doc) && sheetCode != sheet_code::kPage2) {
        TTextBox* mark = addToPage(boxes.page(), createTextBox("duplicate"));
        setBounds(*mark, kMarkLeft, kMarkTop, kMarkWidth, kMarkHeight);
        setFontSize(*mark, 10);
        FontStyle style = fontStyle(*mark);
        style.bold = true;
        style.italic = true;
        setFontStyle(*mark, style);
        setText(*mark, duplicateText());
        boxes.setDuplicateMark(mark);
    }
    return boxes;
}

bool When::matches(const LayoutKey& key) const {
    const bool edition = key.edition >= 0 && key.edition < 8 && (editions >> key.edition) & 1u;
    return edition && (key.variant & with) == with && (key.variant & without) == 0;
}

std::vector<BoxRow> selectRows(const Layout& layout, const LayoutKey& key) {
    std::vector<BoxRow> rows;
    for (const RowGroup& group : layout)
        if (group.when.matches(key))
            rows.insert(rows.end(), group.rows.begin(), group.rows.end());
    return rows;
}

void placeRows(SheetBoxes& boxes, const Settings& s, std::span<const BoxRow> rows) {
    for (const BoxRow& row : rows) {
        const int count = row.lines > 0 ? row.lines : 1;
        for (int k = 0; k < count; ++k) {
            const int line = row.lines > 0 ? row.firstLine + k : 0;
            const PlaceContext ctx{s, boxes, line};
            const int left = row.left(ctx);
            const int top = row.top(ctx);
            const int width = row.width(ctx);
            std::string role = row.lines > 0 ? row.role + std::to_string(line) : row.role;
            TTextBox& box = boxes.place(std::move(role), left, top, width, row.height, row.group);
            setFontSize(box, row.size);
        }
    }
}

void applyRowAdjust(const SheetBoxes& boxes, const Settings& s, std::span<const BoxRow> rows) {
    for (const BoxRow& row : rows) {
        const int count = row.lines > 0 ? row.lines : 1;
        for (int k = 0; k < count; ++k) {
            const int line = row.lines > 0 ? row.firstLine + k : 0;
            const PlaceContext ctx{s, boxes, line};
            const std::string role = row.lines > 0 ? row.role + std::to_string(line) : row.role;
            setAdjust(boxes.at(role), row.adjust ? row.adjust(ctx) : adjust::kLeft);
        }
    }
}

Formula fixed(int value) {
    return [value](const PlaceContext&) { return value; };
}

Formula setting(SettingKey key) {
    return [key](const PlaceContext& c) { return c.s.*key; };
}

Formula prevTop(int offset, std::initializer_list<SettingKey> keys) {
    return [offset, ks = std::vector<SettingKey>(keys)](const PlaceContext& c) {
        int v = c.prev().top + offset;
        for (SettingKey k : ks)
            v += c.s.*k;
        return v;
    };
}

Formula afterPrev(int gap) {
    return [gap](const PlaceContext& c) { return c.prev().left + c.prev().width + gap; };
}

Formula topOf(std::string role, int offset, std::initializer_list<SettingKey> keys) {
    return [role = std::move(role), offset,
            ks = std::vector<SettingKey>(keys)](const PlaceContext& c) {
        int v = c.boxes.at(role).top + offset;
        for (SettingKey k : ks)
            v += c.s.*k;
        return v;
    };
}

Formula widthTo(int right) {
    return [right](const PlaceContext& c) { return right - (c.prev().left + c.prev().width); };
}

Formula fixedPlus(int base, std::initializer_list<SettingKey> keys) {
    return [base, ks = std::vector<SettingKey>(keys)](const PlaceContext& c) {
        int v = base;
        for (SettingKey k : ks)
            v += c.s.*k;
        return v;
    };
}

int smallFontCorrection(const Settings& s, int size) {
    return s.FontYcorr && size < 10 ? 10 - size : 0;
}

void applyFontSize(TTextBox& box, int size, const Settings& s, Correction correction) {
    if (size == 0)
        return;
    setFontSize(box, size);
    if (correction == Correction::None)
        return;
    const int d = smallFontCorrection(s, size);
    if (correction == Correction::SmallFont)
        setCoordinate(box, Coordinate::Top, box.top + d);
    setCoordinate(box, Coordinate::Height, box.height - d);
}

void applyFontSize(std::span<TTextBox* const> boxes, int size, const Settings& s,
                   Correction correction) {
    for (TTextBox* box : boxes)
        applyFontSize(*box, size, s, correction);
}

std::vector<std::string> lineRoles(const std::string& prefix, int first, int last) {
    std::vector<std::string> roles;
    for (int i = first; i <= last; ++i)
        roles.push_back(prefix + std::to_string(i));
    return roles;
}

void applySizeRules(const SheetBoxes& boxes, const Settings& s, std::span<const SizeRule> rules,
                    const LayoutKey& key) {
    for (const SizeRule& rule : rules)
        if (rule.when.matches(key))
            for (const std::string& role : rule.roles)
                applyFontSize(boxes.at(role), s.*rule.size, s, rule.correction);
}

void shiftSheet(const SheetBoxes& boxes, int dx, int dy, int rightDx, int rightDy, MarkShift mark) {
    if (TTextBox* m = boxes.duplicateMark(); m && mark == MarkShift::WithSheet) {
        setCoordinate(*m, Coordinate::Left, m->left + dx);
        setCoordinate(*m, Coordinate::Top, m->top + dy);
    }
    for (const SheetBoxes::Entry& e : boxes.entries()) {
        const bool right = e.group == ShiftGroup::Right;
        setCoordinate(*e.box, Coordinate::Left, e.box->left + dx + (right ? rightDx : 0));
        setCoordinate(*e.box, Coordinate::Top, e.box->top + dy + (right ? rightDy : 0));
    }
}

void putText(TTextBox& box, std::string_view text) {
    setText(box, text);
    if (box.text.empty())
        addTextLine(box, std::string());
}

}  // namespace vellex

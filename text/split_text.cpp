#include "text/split_text.h"

#include <algorithm>
#include <cstdlib>

#include "text/string_utils.h"

namespace vellex {
namespace {

using Lines = std::vector<std::string>;

int length(const std::string& line) {
    return static_cast<int>(line.size());
}

int spreadRatio(const Lines& lines) {
    if (lines.empty())
        return 0;
    const auto [shortest, longest] = std::minmax_element(
        lines.begin(), lines.end(),
        [](const std::string& a, const std::string& b) { return a.size() < b.size(); });
    return shortest->empty() ? 0 : length(*longest) / length(*shortest);
}

// Whether `value` is more than `percent` per cent of `width` compared without floating point, so
// that widths such as 100 (0.67 × 100 = 67 exactly) do not depend on how 0.67 rounds in binary.
bool isMoreThanShare(int value, int percent, int width) {
    return 100LL * value > static_cast<long long>(percent) * width;
}

// round(0.8 × width); 0.8 × an integer never ends in .5, so there is no tie to break.
int fourFifths(int width) {
    return static_cast<int>((4LL * width + 2) / 5);
}

// What SplitTextToLines works with while it tries widths.
class Splitter final {
  public:
    Splitter(int maxWidth, int lineCount, int tolerance, std::string_view text, Lines& lines)
        : w_(maxWidth),
          n_(lineCount),
          t_(tolerance),
          text_(text),
          l_(static_cast<int>(text.size())),
          d_(ceilDiv(l_, w_)),
          lines_(lines) {}

    // The lines the text needs at the maximum width.
    int neededLines() const { return d_; }

    // Even lines with two characters to spare, but not narrower than 0.8 W when they
    // would come out narrower than 0.67 W.
    int workingWidth() const {
        if (n_ < d_)
            return w_;
        int c = l_ / d_ + 2;
        if (c > w_) {
            c = w_;
        } else if (!isMoreThanShare(c, 67, w_)) {
            c = fourFifths(w_);
        }
        return c;
    }

    int cutAt(int width) {
        lines_.clear();
        return cutTextAtWidth(text_, width, lines_);
    }

    void rebalance(int c) {
        const int count = static_cast<int>(lines_.size());
        if (count > n_) {
            if (c < w_)
                cutAt(w_);
            return;
        }
        int jumps = 0;
        int longest = 0;
        int shortest = length(lines_.front());
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            longest = std::max(longest, length(lines_[i]));
            shortest = std::min(shortest, length(lines_[i]));
            if (i > 0 && std::abs(length(lines_[i]) - length(lines_[i - 1])) > t_)
                ++jumps;
        }
        if (jumps >= 2) {
            if (w_ - 3 != c)
                cutAt(w_ - 3);
            return;
        }
        if (count > d_) {
            if (isMoreThanShare(longest, 67, w_)) {
                if (w_ - 3 != c)
                    cutAt(w_ - 3);
            } else {
                pullWordsUp();
            }
            return;
        }
        if (longest - shortest > t_) {
            int b = (longest + shortest) / 2 + 1;
            if (static_cast<long long>(b) * count > l_) {
                b = std::min(b, w_);
                if (b != c)
                    cutAt(b);
            }
        }
    }

    // Moves the first word of each line up to the line before it where it fits.
    void pullWordsUp() {
        Lines pulled{lines_.front()};
        for (std::size_t i = 1; i < lines_.size(); ++i) {
            const std::string& line = lines_[i];
            const std::size_t space = line.find(' ');
            const std::string_view word = std::string_view(line).substr(0, space);
            std::string& last = pulled.back();
            if (last.size() + 1 + word.size() <= static_cast<std::size_t>(w_)) {
                last += ' ';
                last += word;
                if (space != std::string::npos && space + 1 < line.size()) {
                    pulled.push_back(line.substr(space + 1));
                }
            } else {
                pulled.push_back(line);
            }
        }
        lines_ = std::move(pulled);
    }

    void joinLastTwo() {
        const std::size_t count = lines_.size();
        if (count < 2)
            return;
        std::string& a = lines_[count - 2];
        const std::string& b = lines_[count - 1];
        if (a.size() + 1 + b.size() > static_cast<std::size_t>(w_))
            return;
        a += ' ';
        a += b;
        lines_.pop_back();
    }

    int lineCount() const { return static_cast<int>(lines_.size()); }

  private:
    int w_;
    int n_;
    int t_;
    std::string_view text_;
    int l_;
    int d_;
    Lines& lines_;
};

}  // namespace

int cutTextAtWidth(std::string_view text, int width, std::vector<std::string>& lines) {
    // A width below 1 would take empty pieces forever.
    const std::size_t w = static_cast<std::size_t>(std::max(width, 1));
    std::size_t pos = 0;  // the rest is text.substr(pos)
    while (text.size() - pos > w) {
        std::string_view piece = text.substr(pos, w);
        std::size_t next = pos + w;
        if (piece.back() == ' ') {
            piece.remove_suffix(1);
        } else if (text[next] == ' ') {
            ++next;
        } else if (const std::size_t space = piece.rfind(' '); space != std::string_view::npos) {
            // The cut falls inside a word: the word goes back to the rest.
            piece = piece.substr(0, space);
            next = pos + space + 1;
        } else {
            // One word longer than the width: it stays whole.
            next = std::min(text.find(' ', next), text.size());
            piece = text.substr(pos, next - pos);
        }
        lines.emplace_back(piece);
        pos = next;
    }
    if (pos < text.size() || pos == 0)
        lines.emplace_back(text.substr(pos));
    return spreadRatio(lines);
}

void SplitTextToLines(int maxWidth, int lineCount, int tolerance, int ratioLimit,
                      std::string_view text, std::vector<std::string>& result) {
    result.clear();
    if (text.empty()) {
        result.emplace_back();
        return;
    }
    Splitter splitter(std::max(maxWidth, 1), lineCount, tolerance, text, result);
    const int c = splitter.workingWidth();
    if (splitter.cutAt(c) >= ratioLimit) {
        splitter.rebalance(c);
        splitter.joinLastTwo();
    }
    if (splitter.lineCount() > lineCount || splitter.lineCount() > splitter.neededLines()) {
        splitter.cutAt(std::max(maxWidth, 1));
    }
}

}  // namespace vellex

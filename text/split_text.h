#pragma once

#include <string>
#include <string_view>
#include <vector>

// Splitting a long text (an institution's name, a qualification) into the printed lines of
// a blank. Works on CP1251 bytes, breaks only at spaces and prefers lines of even length
// to lines filled up to the limit.
namespace vellex {

// Fills `result` (cleared first) with the lines of `text` for a target of `lineCount`
// lines of at most `maxWidth` characters. Neighbouring lines whose lengths differ by at
// most `tolerance` count as even; at a longest/shortest ratio of `ratioLimit` or more the
// lines are rebalanced. The result may hold more than `lineCount` lines; a line is longer
// than `maxWidth` only when it is one word longer than that.
void SplitTextToLines(int maxWidth, int lineCount, int tolerance, int ratioLimit,
                      std::string_view text, std::vector<std::string>& result);

// The basic cut: appends to `lines` the lines of `text` broken at spaces at `width`
// characters, dropping one space at each break. A word longer than the width becomes a
// line of its own and the next line begins with the space after it. Returns the spread
// ratio of `lines`: longest / shortest length, 0 when the shortest is empty.
int cutTextAtWidth(std::string_view text, int width, std::vector<std::string>& lines);

}  // namespace vellex

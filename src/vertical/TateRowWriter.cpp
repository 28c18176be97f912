#include "vertical/TateRowWriter.h"

#include "vertical/SjisText.h"
#include "vertical/TateHtmlTags.h"
#include "vertical/TateMessages.h"
#include "vertical/TateNavigation.h"
#include "vertical/TateSubstitution.h"

namespace {
bool EndsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}
}  // namespace

TateRowWriter::TateRowWriter(const TateSettings& settings, bool fullWidth, bool hyperlinks,
                             TateWarnings& warnings)
    : s_(settings), fullWidth_(fullWidth), hyperlinks_(hyperlinks), warnings_(warnings) {
    fullSpace_ = SjisText::Sj("　");
    u_ = fullWidth_ ? fullSpace_ : std::string(" ");
    m_ = (s_.spacing == 0 || fullWidth_) ? fullSpace_ : fullSpace_ + " ";
    wedgeUp_ = SjisText::Sj("∧");
    wedgeDown_ = SjisText::Sj("∨");
    boxPairOpen_ = SjisText::Sj("┌┐");
    boxPairClose_ = SjisText::Sj("└┘");
}

void TateRowWriter::WriteBlock(const TateGrid& grid, int k, int lastBlock, TateOutput& out) {
    const int n = s_.LineCount();
    if (hyperlinks_) {
        out.Add(TateNavigation::AnchorRow(k, n, s_.spacing, fullWidth_));
        out.Add(TateNavigation::LinkRow(k, lastBlock, n, s_.spacing, fullWidth_));
    }
    for (int r = 0; r <= grid.lastRow; ++r) out.Add(Row(grid, r));
}

std::string TateRowWriter::Row(const TateGrid& grid, int r) {
    const int n = s_.LineCount();
    const bool box = s_.spacing > 0;
    const bool anySwitch = s_.AnyFontTagSwitch() || s_.fontStyleSwitch;
    std::string row;
    std::string open, close, text;
    bool mayGarble = false;
    for (int i = 0; i < n; ++i) {
        const int c = n - 1 - i;
        const TateCell& cell = grid.At(r, c);
        bool right = false, left = false;
        if (cell.Empty()) {
            text = fullSpace_;
        } else {
            TateSubstitution::Result sub =
                TateSubstitution::Substitute(cell.text, box, s_.closingQuote);
            text.assign(sub.text.data(), sub.text.size());
            right = sub.rightShift;
            left = sub.leftShift;
        }
        if (i == 0) {
            open.clear();
            close.clear();
            if (anySwitch) {
                open = TateHtmlTags::FontTag(cell, s_, warnings_);
                if (s_.fontStyleSwitch) open += TateHtmlTags::StyleOpen(cell.style);
            }
            row = m_;
        } else if (anySwitch) {
            TateHtmlTags::ChangeTags(grid.At(r, c + 1), cell, s_, warnings_, close, open);
        } else {
            open.clear();
            close.clear();
        }
        if (fullWidth_) {
            SjisText::ReplaceAll(text, " ", fullSpace_);
            if (text == boxPairOpen_) {
                text = wedgeUp_;
                right = left = false;
            } else if (text == boxPairClose_) {
                text = wedgeDown_;
                right = left = false;
            }
        }
        if (s_.spacing == 0) {
            row += close;
            row += open;
            row += text;
            continue;
        }
        // Taking the unit back would cut into the glyph before it.
        if (s_.spacing == 1 && left && !EndsWith(row, u_)) mayGarble = true;
        if (left) row.resize(row.size() >= u_.size() ? row.size() - u_.size() : 0);
        if (right && left) {
            row += close + open + text;
        } else if (left) {
            row += close + open + text + u_ + u_;
        } else if (right) {
            row += close + u_ + open + text;
        } else {
            row += close + open + text + u_;
        }
        for (int x = 1; x < s_.spacing; ++x) row += u_;
    }
    if (s_.AnyFontTagSwitch()) row += "</FONT>";
    if (s_.fontStyleSwitch) row += "</B></I></U></S>";
    if (mayGarble) {
        if (garbledRows_++ == 0) firstGarbledBlock_ = grid.blockNumber + 1;
        warnings_.Put(TateMessages::kMayGarble,
                      TateMessages::MayGarble(garbledRows_, firstGarbledBlock_));
    }
    return row;
}

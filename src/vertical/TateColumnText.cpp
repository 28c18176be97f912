#include "vertical/TateColumnText.h"

#include "vertical/TateHtmlTags.h"
#include "vertical/TateSubstitution.h"

TateColumnText::TateColumnText(const TateSettings& settings, bool boxForms, std::string columnEnd,
                               TateWarnings& warnings)
    : s_(settings), box_(boxForms), columnEnd_(std::move(columnEnd)), warnings_(warnings) {}

std::string TateColumnText::Column(const TateGrid& grid, int c) const {
    std::string r;
    std::string close, open;
    int rows = 0;
    for (int row = 0; row < TateGrid::kRows && !grid.At(row, c).Empty(); ++row, ++rows) {
        const TateCell& cell = grid.At(row, c);
        TateSubstitution::Result sub =
            TateSubstitution::Substitute(cell.text, box_, s_.closingQuote);
        if (row > 0) {
            TateHtmlTags::ChangeTags(grid.At(row - 1, c), cell, s_, warnings_, close, open);
            r += close;
            r += open;
        }
        r.append(sub.text.data(), sub.text.size());
        r += "<BR>";
    }
    r += columnEnd_;

    const TateCell& first = grid.At(0, c);
    const TateCell& last = grid.At(rows > 0 ? rows - 1 : 0, c);
    std::string colOpen = TateHtmlTags::FontTag(first, s_, warnings_);
    std::string colClose = colOpen.empty() ? std::string() : std::string("</FONT>");
    if (s_.fontStyleSwitch) {
        colOpen += TateHtmlTags::StyleOpen(first.style);
        colClose = TateHtmlTags::StyleClose(last.style) + colClose;
    }
    return colOpen + r + colClose;
}

std::string TateColumnText::FaceTag() const {
    std::string t = "<FONT  FACE=\"" + s_.defaultFont.name + "\" SIZE=\"" +
                    std::to_string(TateHtmlTags::HtmlSize(s_.defaultFont.size, warnings_));
    if (s_.lineHeightOn)
        t += "\" STYLE=\"line-height:" + std::to_string(s_.lineHeight) + "pt;\">";
    else
        t += "\">";
    return t;
}

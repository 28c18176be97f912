#include "vertical/TateColumnWriter.h"

#include "vertical/SjisText.h"
#include "vertical/TateHtmlTags.h"
#include "vertical/TateNavigation.h"
#include "vertical/TateSubstitution.h"

TateColumnWriter::TateColumnWriter(const TateSettings& settings, int method, TateWarnings& warnings)
    : s_(settings), method_(method), warnings_(warnings), box_(BoxForms(settings, method)) {
    const std::string sp = SjisText::Sj("　");
    if (method_ == 4) {
        columnEnd_ = sp + sp;
    } else {
        switch (s_.punctuation) {
            case 1:
            case 3:
                columnEnd_ = sp + "&nbsp;";
                break;
            case 2:
                columnEnd_ = sp + sp;
                break;
            default:
                columnEnd_ = sp;
                break;
        }
        if (method_ == 2) columnEnd_ += "<BR>";
    }
}

bool TateColumnWriter::BoxForms(const TateSettings& s, int method) {
    if (method == 4) return (!s.proportional && s.useFace) || s.useMonospaceTag;
    return false;
}

std::string TateColumnWriter::Column(const TateGrid& grid, int c) {
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

std::string TateColumnWriter::FaceTag() {
    std::string t = "<FONT  FACE=\"" + s_.defaultFont.name + "\" SIZE=\"" +
                    std::to_string(TateHtmlTags::HtmlSize(s_.defaultFont.size, warnings_));
    if (s_.lineHeightOn)
        t += "\" STYLE=\"line-height:" + std::to_string(s_.lineHeight) + "pt;\">";
    else
        t += "\">";
    return t;
}

void TateColumnWriter::WriteBlock(const TateGrid& grid, int k, int lastBlock, TateOutput& out) {
    if (method_ == 2)
        WriteFloatingBlock(grid, out);
    else
        WriteTableBlock(grid, k, lastBlock, out);
}

void TateColumnWriter::WriteTableBlock(const TateGrid& grid, int k, int lastBlock,
                                       TateOutput& out) {
    const int n = s_.LineCount();
    out.Add("<TABLE>");
    if (s_.hyperlinks) {
        out.Add(TateNavigation::TableAnchorRow(k, n, s_.spacing));
        out.Add(TateNavigation::TableLinkRow(k, lastBlock, n, s_.spacing));
    }
    out.Add(method_ == 4 ? "<TR VALIGN=\"top\" ALIGN=\"center\">" : "<TR VALIGN=\"top\">");
    for (int c = n - 1; c >= 0; --c) {
        std::string r = Column(grid, c);
        if (s_.useFace)
            out.Add("<TD NOWRAP>" + FaceTag() + "\r\n" + r + "\r\n" + "</FONT></TD>");
        else if (s_.useMonospaceTag)
            out.Add("<TD NOWRAP><TT>" + r + "</TT></TD>");
        else
            out.Add("<TD NOWRAP>" + r + "</TD>");
        for (int x = 0; x < s_.spacing; ++x) out.Add("<TD></TD>");
    }
    out.Add("</TR></TABLE>");
}

void TateColumnWriter::WriteFloatingBlock(const TateGrid& grid, TateOutput& out) {
    const int n = s_.LineCount();
    const bool tt = s_.useMonospaceTag && !s_.useFace;
    for (int c = 0; c < n; ++c) {
        std::string r = Column(grid, c);
        out.Add(std::string("<TABLE ALIGN=RIGHT><TR><TD NOWRAP>") + (tt ? "<TT>" : ""));
        if (s_.useFace) {
            out.Add(FaceTag());
            out.Add(std::move(r));
            out.Add("</FONT>");
        } else {
            out.Add(std::move(r));
        }
        out.Add(tt ? "</TT></TD></TR></TABLE>" : "</TD></TR></TABLE>");
        for (int x = 0; x < s_.spacing; ++x)
            out.Add("<TABLE ALIGN=RIGHT><TR><TD></TD></TR></TABLE>");
    }
    out.Add("<BR CLEAR=ALL>");
}

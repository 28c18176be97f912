#include "vertical/TateColumnWriter.h"

#include "vertical/SjisText.h"
#include "vertical/TateNavigation.h"

namespace {
std::string ColumnEnd(const TateSettings& s, int method) {
    const std::string sp = SjisText::Sj("　");
    if (method == 4) return sp + sp;
    switch (s.punctuation) {
        case 1:
        case 3:
            return sp + "&nbsp;";
        case 2:
            return sp + sp;
        default:
            return sp;
    }
}
}  // namespace

TateColumnWriter::TateColumnWriter(const TateSettings& settings, int method, TateWarnings& warnings)
    : s_(settings),
      method_(method),
      text_(settings, BoxForms(settings, method), ColumnEnd(settings, method), warnings) {}

bool TateColumnWriter::BoxForms(const TateSettings& s, int method) {
    if (method == 4) return (!s.proportional && s.useFace) || s.useMonospaceTag;
    return false;
}

void TateColumnWriter::WriteBlock(const TateGrid& grid, int k, int lastBlock, TateOutput& out) {
    const int n = s_.LineCount();
    out.Add("<TABLE>");
    if (s_.hyperlinks) {
        out.Add(TateNavigation::TableAnchorRow(k, n, s_.spacing));
        out.Add(TateNavigation::TableLinkRow(k, lastBlock, n, s_.spacing));
    }
    out.Add(method_ == 4 ? "<TR VALIGN=\"top\" ALIGN=\"center\">" : "<TR VALIGN=\"top\">");
    const std::string face = s_.useFace ? text_.FaceTag() : std::string();
    for (int c = n - 1; c >= 0; --c) {
        std::string r = text_.Column(grid, c);
        if (s_.useFace)
            out.Add("<TD NOWRAP>" + face + "\r\n" + r + "\r\n" + "</FONT></TD>");
        else if (s_.useMonospaceTag)
            out.Add("<TD NOWRAP><TT>" + r + "</TT></TD>");
        else
            out.Add("<TD NOWRAP>" + r + "</TD>");
        for (int x = 0; x < s_.spacing; ++x) out.Add("<TD></TD>");
    }
    out.Add("</TR></TABLE>");
}

#include "vertical/TateFloatingTableWriter.h"

#include "vertical/SjisText.h"

namespace {
std::string ColumnEnd(const TateSettings& s) {
    const std::string sp = SjisText::Sj("　");
    switch (s.punctuation) {
        case 1:
        case 3:
            return sp + "&nbsp;<BR>";
        case 2:
            return sp + sp + "<BR>";
        default:
            return sp + "<BR>";
    }
}
}  // namespace

TateFloatingTableWriter::TateFloatingTableWriter(const TateSettings& settings,
                                                 TateWarnings& warnings)
    : s_(settings), text_(settings, false, ColumnEnd(settings), warnings) {}

void TateFloatingTableWriter::WriteBlock(const TateGrid& grid, TateOutput& out) {
    const int n = s_.LineCount();
    const bool tt = s_.useMonospaceTag && !s_.useFace;
    const std::string face = s_.useFace ? text_.FaceTag() : std::string();
    for (int c = 0; c < n; ++c) {
        std::string r = text_.Column(grid, c);
        out.Add(std::string("<TABLE ALIGN=RIGHT><TR><TD NOWRAP>") + (tt ? "<TT>" : ""));
        if (s_.useFace) {
            out.Add(face);
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

#include "vertical/TateNavigation.h"

#include "vertical/SjisText.h"

namespace {
struct Glyphs {
    std::string up = SjisText::Sj("↑"), down = SjisText::Sj("↓"), left = SjisText::Sj("←"),
                right = SjisText::Sj("→"), back = SjisText::Sj("＼"), dot = SjisText::Sj("・"),
                none = SjisText::Sj("×"), triangle = SjisText::Sj("▽"),
                fullSpace = SjisText::Sj("　");
};
const Glyphs& G() {
    static const Glyphs g;
    return g;
}
std::string Link(int block, const char* edge, const std::string& glyph) {
    return "<A HREF=\"#" + std::to_string(block) + edge + "\">" + glyph + "</A>";
}
std::string Anchor(int block, const char* edge) {
    return "<A NAME=\"" + std::to_string(block) + edge + "\">" + G().triangle + "</A>";
}
}  // namespace

std::string TateNavigation::LeftGroup(int k, int last) {
    const Glyphs& g = G();
    const int n = k + 1;
    const std::string unavailable = g.none + g.dot;
    std::string s;
    s += k > 0 ? Link(n - 1, "End", g.up) + g.dot : unavailable;
    s += k < last ? Link(n + 1, "End", g.down) + g.dot : unavailable;
    s += k < last ? Link(n + 1, "Start", g.back) + g.dot : unavailable;
    s += Link(n, "Start", g.right);
    return s;
}

std::string TateNavigation::RightGroup(int k, int last) {
    const Glyphs& g = G();
    const int n = k + 1;
    const std::string unavailable = g.none + g.dot;
    std::string s = Link(n, "End", g.left) + g.dot;
    s += k > 0 ? Link(n - 1, "End", g.back) + g.dot : unavailable;
    s += k > 0 ? Link(n - 1, "Start", g.up) + g.dot : unavailable;
    s += k < last ? Link(n + 1, "Start", g.down) : g.none;
    return s;
}

std::string TateNavigation::Filler(int lineCount, int spacing, bool fullWidth) {
    const std::string w = fullWidth ? G().fullSpace : std::string("  ");
    const std::string u = fullWidth ? G().fullSpace : std::string(" ");
    std::string unit = w;
    for (int i = 0; i < spacing; ++i) unit += u;
    std::string f;
    f.reserve(unit.size() * static_cast<std::size_t>(lineCount));
    for (int i = 0; i < lineCount; ++i) f += unit;
    return f;
}

std::string TateNavigation::AnchorRow(int k, int lineCount, int spacing, bool fullWidth) {
    return Anchor(k + 1, "End") + Filler(lineCount, spacing, fullWidth) + Anchor(k + 1, "Start");
}

std::string TateNavigation::LinkRow(int k, int last, int lineCount, int spacing, bool fullWidth) {
    std::string filler = Filler(lineCount, spacing, fullWidth);
    filler.resize(filler.size() > 24 ? filler.size() - 24 : 0);
    return LeftGroup(k, last) + filler + RightGroup(k, last);
}

std::string TateNavigation::TableAnchorRow(int k, int lineCount, int spacing) {
    const int h = (lineCount + lineCount * spacing) / 2;
    return "<TR><TD align=left colSpan=\"" + std::to_string(h) + "\">" + Anchor(k + 1, "End") +
           "</TD>" + "<TD align=right colSpan=\"" + std::to_string(h + 1) + "\">" +
           Anchor(k + 1, "Start") + "</TD></TR>";
}

std::string TateNavigation::TableLinkRow(int k, int last, int lineCount, int spacing) {
    const int h = (lineCount + lineCount * spacing) / 2;
    return "<TR><TD align=left colSpan=\"" + std::to_string(h) + "\">" + LeftGroup(k, last) +
           "</TD>" + "<TD align=right colSpan=\"" + std::to_string(h + 1) + "\">" +
           RightGroup(k, last) + "</TD></TR>";
}

#include "vertical/TateColumnFiller.h"

#include <cstring>
#include <string>

#include "core/HenkanJ.h"
#include "core/ShiftJis.h"
#include "vertical/SjisText.h"

namespace {

const std::string& FullSpace() {
    static const std::string s = SjisText::Sj("　");
    return s;
}

bool PairsWithMark(unsigned char b) {
    // ｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄ (0xB6-0xC4) and ﾊﾋﾌﾍﾎ (0xCA-0xCE).
    return (b >= 0xB6 && b <= 0xC4) || (b >= 0xCA && b <= 0xCE);
}

bool IsMark(unsigned char b) {
    return b == 0xDE || b == 0xDF;
}

// A one-byte character that the full-width conversion leaves half-width gets a full-width
// stand-in, so that every cell is one full-width character: a lone ﾞ/ﾟ becomes ゛/゜, anything
// else (control characters, bytes outside the code page) a full-width space.
const std::string& HalfWidthLeftover(unsigned char b) {
    static const std::string dakuten = SjisText::Sj("゛");
    static const std::string handakuten = SjisText::Sj("゜");
    if (b == 0xDE) return dakuten;
    if (b == 0xDF) return handakuten;
    return FullSpace();
}

}  // namespace

int TateColumnFiller::Fill(const TateSource& source, const TateSource::Line* line, TateGrid& grid,
                           int column, const TateFormat& defaults) {
    grid.ClearColumn(column, defaults);
    if (!line) return 0;

    const std::string& text = line->text;
    const auto& runs = line->runs;
    std::size_t runIndex = 0;
    auto formatAt = [&](std::size_t offset) -> const TateFormat& {
        if (runs.empty()) return source.FormatCount() ? source.Format(0) : defaults;
        while (runIndex + 1 < runs.size() && runs[runIndex + 1].offset <= offset) ++runIndex;
        return source.Format(runs[runIndex].format);
    };

    if (text.empty()) {
        TateCell& cell = grid.At(0, column);
        cell.text = FullSpace();
        cell.SetFormat(formatAt(0));
        return 0;
    }

    const auto& refs = line->references;
    std::size_t nextRef = 0;
    int row = 0;
    std::size_t pos = 0;
    while (pos < text.size() && row < TateGrid::kMaxCharacters) {
        const std::size_t len = ShiftJis::CharLength(text, pos);
        const TateFormat& format = formatAt(pos);
        auto store = [&](std::string_view ch) {
            if (row >= TateGrid::kMaxCharacters) return;
            TateCell& cell = grid.At(row++, column);
            cell.text.assign(ch.data(), ch.size());
            cell.SetFormat(format);
        };
        const unsigned char b = static_cast<unsigned char>(text[pos]);
        if (len == 2) {  // already full width
            while (nextRef < refs.size() && refs[nextRef].first < pos) ++nextRef;
            if (nextRef < refs.size() && refs[nextRef].first == pos)
                store(refs[nextRef].second);
            else
                store(std::string_view(text).substr(pos, 2));
            pos += 2;
            continue;
        }
        if (ShiftJis::IsLeadByte(b)) {  // a lead byte cut off at the end of the line
            store(FullSpace());
            pos += 1;
            continue;
        }
        std::size_t take = 1;
        if (PairsWithMark(b) && pos + 1 < text.size() &&
            IsMark(static_cast<unsigned char>(text[pos + 1])))
            take = 2;
        if (b == '\t') {
            store(FullSpace());
        } else {
            const std::string converted = HanToZen(std::string_view(text).substr(pos, take));
            for (std::size_t i = 0; i < converted.size();) {
                const std::size_t cl = ShiftJis::CharLength(converted, i);
                if (cl == 2)
                    store(std::string_view(converted).substr(i, 2));
                else
                    store(HalfWidthLeftover(static_cast<unsigned char>(converted[i])));
                i += cl;
            }
        }
        pos += take;
    }
    return row - 1;
}

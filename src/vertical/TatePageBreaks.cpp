#include "vertical/TatePageBreaks.h"

#include <string>

#include "vertical/SjisText.h"

bool TatePageBreaks::IsMarker(const TateSource& source, std::size_t i) {
    static const std::string marker = SjisText::Sj("▲改頁▼");
    const TateSource::Line& line = source.LineAt(i);
    if (line.text != marker || !line.paragraphEnd) return false;
    return i == 0 || source.LineAt(i - 1).paragraphEnd;
}

TatePageBreaks::Lines TatePageBreaks::Expand(const TateSource& source, int lineCount) {
    Lines out;
    out.lines.reserve(source.LineCount());
    const std::size_t n = static_cast<std::size_t>(lineCount < 1 ? 1 : lineCount);
    for (std::size_t i = 0; i < source.LineCount(); ++i) {
        if (!IsMarker(source, i)) {
            out.lines.push_back(&source.LineAt(i));
            continue;
        }
        const std::size_t l = out.lines.size();
        const std::size_t b = (l + 1) % n;
        std::size_t empties = b == 0 ? 1 : b == 1 ? 0 : n - b + 1;
        // A marker that ends the text has no line break of its own to give up: only the marker
        // is replaced, and the (empty) rest of the text after it stays a line of its own.
        if (i + 1 == source.LineCount()) ++empties;
        if (empties == 0) continue;
        // The inserted line breaks take the marker's attributes.
        TateSource::Line blank;
        const TateSource::Line& marker = source.LineAt(i);
        blank.runs.push_back(TateSource::Run{0, TateSource::FormatIndexAt(marker, 0)});
        out.blanks.push_back(std::move(blank));
        for (std::size_t e = 0; e < empties; ++e) out.lines.push_back(&out.blanks.back());
    }
    return out;
}

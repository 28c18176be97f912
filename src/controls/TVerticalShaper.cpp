#include "controls/TVerticalShaper.h"

#include <hb.h>
#include <unicode/uchar.h>

#include <QTextDocument>
#include <algorithm>

#include "controls/TVerticalFontCache.h"
#include "controls/VerticalTextRules.h"

using VerticalTextRules::Orientation;

namespace {

constexpr char16_t kTab = 0x0009;
constexpr char16_t kLineSeparator = 0x2028;
constexpr char16_t kObject = 0xFFFC;

char32_t CodePointAt(const QString& text, int i, int* len) {
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
        *len = 2;
        return QChar::surrogateToUcs4(c, text.at(i + 1));
    }
    *len = 1;
    return c.unicode();
}

}  // namespace

namespace {

// Texts shorter than this are shaped and broken whole.
constexpr int kPieceMinimum = 256;
constexpr int kCacheLimit = 40000;

bool EndsPiece(char16_t c) {
    switch (c) {
        case u'。':
        case u'、':
        case u'」':
        case u'』':
        case u'！':
        case u'？':
        case u'）':
        case u'．':
        case u'，':
            return true;
        default:
            return false;
    }
}

// Ends of the pieces of text[start, end): after closing punctuation, else between two CJK
// characters after 128 units, else anywhere safe after 512 units.
std::vector<int> PieceEnds(const QString& t, int start, int end) {
    std::vector<int> ends;
    int pieceStart = start;
    for (int i = start; i + 1 < end; ++i) {
        const QChar c = t.at(i);
        const QChar next = t.at(i + 1);
        if (next.isLowSurrogate() || next.isMark() || next.unicode() == 0x200D ||
            (next.unicode() >= 0xFE00 && next.unicode() <= 0xFE0F) || c.isHighSurrogate())
            continue;
        const int len = i + 1 - pieceStart;
        const bool cut = (len >= 8 && EndsPiece(c.unicode())) ||
                         (len >= 128 && c.unicode() >= 0x3000 && next.unicode() >= 0x3000) ||
                         len >= 512;
        if (cut) {
            ends.push_back(i + 1);
            pieceStart = i + 1;
        }
    }
    ends.push_back(end);
    return ends;
}

}  // namespace

// A stretch of the text with one character format.
struct TVerticalShaper::Span {
    int start;
    int end;
    QTextCharFormat format;
    bool preedit;
};

TVerticalShaper::TVerticalShaper(TVerticalFontCache& fonts)
    : m_fonts(fonts), m_buffer(hb_buffer_create()) {}

TVerticalShaper::~TVerticalShaper() {
    hb_buffer_destroy(m_buffer);
}

void TVerticalShaper::SetTypesetting(const TVerticalTypesetting& typesetting) {
    if (typesetting == m_typesetting) return;
    m_typesetting = typesetting;
    m_pieces.clear();
}

TShapedParagraph TVerticalShaper::Shape(const QTextBlock& block, const QFont& defaultFont,
                                        const Preedit& preedit) const {
    TShapedParagraph out;
    const QString blockText = block.text();
    const int blockStart = block.position();

    // Spans of one format, the composition inserted with the format before it.
    std::vector<Span> spans;
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment frag = it.fragment();
        if (!frag.isValid()) continue;
        spans.push_back({frag.position() - blockStart, frag.position() - blockStart + frag.length(),
                         frag.charFormat(), false});
    }
    QTextCharFormat emptyFormat = block.charFormat();
    if (preedit.position >= 0 && !preedit.text.isEmpty()) {
        const int p = std::min<int>(preedit.position, static_cast<int>(blockText.size()));
        out.text = blockText.left(p) + preedit.text + blockText.mid(p);
        out.preeditStart = p;
        out.preeditLength = static_cast<int>(preedit.text.size());
        const int n = out.preeditLength;
        std::vector<Span> shifted;
        QTextCharFormat at = emptyFormat;
        for (const Span& s : spans) {
            if (s.start < p && s.end >= p) at = s.format;
            if (s.end <= p) {
                shifted.push_back(s);
            } else if (s.start >= p) {
                shifted.push_back({s.start + n, s.end + n, s.format, false});
            } else {
                shifted.push_back({s.start, p, s.format, false});
                shifted.push_back({p + n, s.end + n, s.format, false});
            }
        }
        if (p == 0 && !spans.empty()) at = spans.front().format;
        // The composition in stretches of the input method's formats over the text's own.
        std::vector<int> cuts = {0, n};
        for (const TVerticalPreeditFormat& f : preedit.formats) {
            cuts.push_back(std::clamp(f.start, 0, n));
            cuts.push_back(std::clamp(f.start + f.length, 0, n));
        }
        std::sort(cuts.begin(), cuts.end());
        cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
        for (size_t c = 0; c + 1 < cuts.size(); ++c) {
            QTextCharFormat format = at;
            for (const TVerticalPreeditFormat& f : preedit.formats)
                if (f.start <= cuts[c] && cuts[c] < f.start + f.length) format.merge(f.format);
            shifted.push_back({p + cuts[c], p + cuts[c + 1], format, true});
        }
        std::sort(shifted.begin(), shifted.end(),
                  [](const Span& a, const Span& b) { return a.start < b.start; });
        spans.swap(shifted);
    } else {
        out.text = blockText;
    }
    out.breaks = Breaks(out.text);

    const QString& text = out.text;
    out.clusters.reserve(static_cast<size_t>(text.size()));
    out.glyphs.reserve(static_cast<size_t>(text.size()));
    for (const Span& span : spans) {
        if (span.end <= span.start) continue;
        const int baseFont = m_fonts.FontFor(span.format, defaultFont);
        if (span.end - span.start < kPieceMinimum / 4) {
            ShapeSpan(out, span, baseFont, span.start, span.end);
            continue;
        }
        // A long span goes piece by piece through the cache.
        TrimCaches();
        const QString prefix =
            QString::number(baseFont) + (span.preedit ? QLatin1Char('p') : QLatin1Char('t'));
        int a = span.start;
        for (int b : PieceEnds(text, span.start, span.end)) {
            QString key = prefix;
            key += QStringView(text).mid(a, b - a);
            auto it = m_pieces.constFind(key);
            if (it == m_pieces.constEnd()) {
                TShapedParagraph tmp;
                tmp.text = text;
                ShapeSpan(tmp, span, baseFont, a, b);
                Piece piece;
                piece.clusters = std::move(tmp.clusters);
                piece.glyphs = std::move(tmp.glyphs);
                for (TVerticalCluster& cl : piece.clusters) cl.start -= a;
                for (const TVerticalRun& r : tmp.runs) piece.runFonts.push_back(r.font);
                it = m_pieces.insert(key, std::move(piece));
            }
            const int runBase = static_cast<int>(out.runs.size());
            for (int f : it->runFonts) out.runs.push_back({f, span.format, span.preedit});
            const int glyphBase = static_cast<int>(out.glyphs.size());
            out.glyphs.insert(out.glyphs.end(), it->glyphs.begin(), it->glyphs.end());
            for (TVerticalCluster cl : it->clusters) {
                cl.start += a;
                cl.run += runBase;
                cl.firstGlyph += glyphBase;
                out.clusters.push_back(cl);
            }
            a = b;
        }
    }
    if (m_typesetting.trimPunctuation) TrimPunctuation(out);
    return out;
}

void TVerticalShaper::TrimPunctuation(TShapedParagraph& out) const {
    const QString& text = out.text;
    const int n = static_cast<int>(text.size());
    for (TVerticalCluster& cl : out.clusters) {
        if (cl.rotated || cl.combined || cl.length != 1 || cl.glyphCount < 1) continue;
        const char32_t c = text.at(cl.start).unicode();
        if (VerticalTextRules::PunctuationOf(c) == VerticalTextRules::Punctuation::None) continue;
        const qreal em = m_fonts.At(out.runs[static_cast<size_t>(cl.run)].font).pixelSize;
        // Only a full-width form has a blank half to give away.
        if (cl.advance < em * 0.9) continue;
        const char32_t before = cl.start > 0 ? text.at(cl.start - 1).unicode() : 0;
        const char32_t after = cl.start + 1 < n ? text.at(cl.start + 1).unicode() : 0;
        const VerticalTextRules::Trim trim = VerticalTextRules::TrimOf(before, c, after);
        const float half = static_cast<float>(em / 2);
        if (trim.start) {
            for (int g = cl.firstGlyph; g < cl.firstGlyph + cl.glyphCount; ++g)
                out.glyphs[static_cast<size_t>(g)].y -= half;
            cl.advance -= half;
        }
        if (trim.end) cl.advance -= half;
    }
}

void TVerticalShaper::TrimCaches() const {
    if (m_pieces.size() > kCacheLimit) m_pieces.clear();
    if (m_breakPieces.size() > kCacheLimit) m_breakPieces.clear();
}

std::vector<bool> TVerticalShaper::Breaks(const QString& text) const {
    const int n = static_cast<int>(text.size());
    if (n < kPieceMinimum) return VerticalTextRules::BreakOpportunities(text);
    TrimCaches();
    std::vector<bool> result(static_cast<size_t>(n) + 1, false);
    int a = 0;
    for (int b : PieceEnds(text, 0, n)) {
        const QString piece = text.mid(a, b - a);
        auto it = m_breakPieces.constFind(piece);
        if (it == m_breakPieces.constEnd())
            it = m_breakPieces.insert(piece, VerticalTextRules::BreakOpportunities(piece));
        std::copy(it->begin(), it->begin() + (b - a), result.begin() + a);
        if (a > 0) {
            // Where two pieces meet, the rules between their neighbours decide.
            const QChar before = text.at(a - 1);
            const QChar after = text.at(a);
            if (VerticalTextRules::IsNoStartCharacter(after.unicode()) ||
                VerticalTextRules::IsNoEndCharacter(before.unicode()) ||
                (before.unicode() < 0x3000 && after.unicode() < 0x3000 &&
                 before.isLetterOrNumber() && after.isLetterOrNumber()))
                result[static_cast<size_t>(a)] = false;
        }
        a = b;
    }
    result[0] = true;
    result[static_cast<size_t>(n)] = true;
    return result;
}

void TVerticalShaper::ShapeSpan(TShapedParagraph& out, const Span& span, int baseFont, int from,
                                int to) const {
    const QString& text = out.text;
    // Cut the span into segments of one font and one orientation.
    int segStart = from;
    int segFont = -1;
    bool segRotated = false;
    auto flush = [&](int end) {
        if (segFont >= 0 && end > segStart) {
            const int run = static_cast<int>(out.runs.size());
            out.runs.push_back({segFont, span.format, span.preedit});
            ShapeSegment(out, run, segStart, end, segRotated);
        }
        segStart = end;
        segFont = -1;
    };
    for (int i = from; i < to;) {
        int len = 1;
        const char32_t c = CodePointAt(text, i, &len);
        if (c == kTab || c == kLineSeparator || c == kObject || c == 0x2029) {
            flush(i);
            // A cluster of its own, drawn as nothing.
            const int run = static_cast<int>(out.runs.size());
            out.runs.push_back({baseFont, span.format, span.preedit});
            TVerticalCluster cl;
            cl.start = i;
            cl.length = len;
            cl.run = run;
            cl.firstGlyph = static_cast<int>(out.glyphs.size());
            const qreal em = m_fonts.At(baseFont).pixelSize;
            cl.tab = c == kTab;
            cl.lineBreak = c == kLineSeparator || c == 0x2029;
            cl.advance = static_cast<float>(cl.tab ? em * 2 : (cl.lineBreak ? 0 : em));
            out.clusters.push_back(cl);
            i += len;
            segStart = i;
            continue;
        }
        // Short numbers (and, when asked, !! and !?) stand upright in one cell.
        const int upright = VerticalTextRules::UprightRunLength(
            text, i, m_typesetting.uprightDigits, m_typesetting.uprightMarks);
        if (upright > 0 && i + upright <= to) {
            flush(i);
            const int run = static_cast<int>(out.runs.size());
            out.runs.push_back(
                {m_fonts.FontWithCharacter(baseFont, c, false), span.format, span.preedit});
            ShapeCombined(out, run, i, i + upright);
            i += upright;
            segStart = i;
            continue;
        }
        // An emoji: by default or asked for by the emoji presentation selector after it. It is
        // drawn upright, in a colour emoji font where there is one.
        int nextLen = 1;
        const bool emoji = u_hasBinaryProperty(static_cast<UChar32>(c), UCHAR_EMOJI_PRESENTATION) ||
                           (i + len < to && CodePointAt(text, i + len, &nextLen) == 0xFE0F);
        const bool rotated = !emoji && VerticalTextRules::OrientationOf(c) == Orientation::Rotated;
        int font = baseFont;
        // Combining marks and joiners stay with the character before them.
        const bool joins = (c >= 0x0300 && c <= 0x036F) || (c >= 0x3099 && c <= 0x309A) ||
                           c == 0x200D || (c >= 0xFE00 && c <= 0xFE0F) ||
                           (c >= 0xE0100 && c <= 0xE01EF);
        if (joins && segFont >= 0) {
            i += len;
            continue;
        }
        font = m_fonts.FontWithCharacter(baseFont, c, emoji);
        if (segFont >= 0 && (font != segFont || rotated != segRotated)) flush(i);
        if (segFont < 0) {
            segFont = font;
            segRotated = rotated;
            segStart = i;
        }
        i += len;
    }
    flush(to);
}

void TVerticalShaper::ShapeSegment(TShapedParagraph& out, int run, int start, int end,
                                   bool rotated) const {
    ShapePiece(out, run, start, end, rotated);
}

void TVerticalShaper::ShapeCombined(TShapedParagraph& out, int run, int start, int end) const {
    const TVerticalFontCache::Font& font = m_fonts.At(out.runs[static_cast<size_t>(run)].font);
    const unsigned count = RunHarfBuzz(out.text, font.hb, start, end, true);
    const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(m_buffer, nullptr);
    const hb_glyph_position_t* pos = hb_buffer_get_glyph_positions(m_buffer, nullptr);
    constexpr float kUnit = 1.0f / 64.0f;

    float width = 0;
    for (unsigned k = 0; k < count; ++k) width += pos[k].x_advance * kUnit;
    const float em = static_cast<float>(font.pixelSize);
    // The baseline that centres the font's em box in the cell.
    const float baseline = static_cast<float>(em / 2 + (font.ascent - font.descent) / 2);

    TVerticalCluster cl;
    cl.start = start;
    cl.length = end - start;
    cl.run = run;
    cl.firstGlyph = static_cast<int>(out.glyphs.size());
    cl.glyphCount = static_cast<int>(count);
    cl.combined = true;
    cl.scaleX = width > em ? em / width : 1;
    cl.advance = em;
    float pen = -width / 2;
    for (unsigned k = 0; k < count; ++k) {
        out.glyphs.push_back(
            {info[k].codepoint, pen + pos[k].x_offset * kUnit, baseline - pos[k].y_offset * kUnit});
        pen += pos[k].x_advance * kUnit;
    }
    out.clusters.push_back(cl);
}

// The language is Japanese, so that the font's Japanese forms are chosen.
unsigned TVerticalShaper::RunHarfBuzz(const QString& text, hb_font_t* font, int start, int end,
                                      bool across) const {
    hb_buffer_t* buf = m_buffer;
    hb_buffer_clear_contents(buf);
    hb_buffer_add_utf16(buf, reinterpret_cast<const uint16_t*>(text.utf16()),
                        static_cast<int>(text.size()), static_cast<unsigned>(start), end - start);
    hb_buffer_set_direction(buf, across ? HB_DIRECTION_LTR : HB_DIRECTION_TTB);
    static const hb_language_t ja = hb_language_from_string("ja", -1);
    hb_buffer_set_language(buf, ja);
    hb_buffer_guess_segment_properties(buf);
    hb_shape(font, buf, nullptr, 0);
    return hb_buffer_get_length(buf);
}

void TVerticalShaper::ShapePiece(TShapedParagraph& out, int run, int start, int end,
                                 bool rotated) const {
    const TVerticalFontCache::Font& font = m_fonts.At(out.runs[static_cast<size_t>(run)].font);
    const unsigned count = RunHarfBuzz(out.text, font.hb, start, end, rotated);
    const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(m_buffer, nullptr);
    const hb_glyph_position_t* pos = hb_buffer_get_glyph_positions(m_buffer, nullptr);
    constexpr float kUnit = 1.0f / 64.0f;

    unsigned i = 0;
    while (i < count) {
        const unsigned cluster = info[i].cluster;
        unsigned j = i;
        while (j < count && info[j].cluster == cluster) ++j;
        const int clStart = static_cast<int>(cluster);
        const int clEnd = j < count ? static_cast<int>(info[j].cluster) : end;

        TVerticalCluster cl;
        cl.start = clStart;
        cl.length = std::max(1, clEnd - clStart);
        cl.run = run;
        cl.firstGlyph = static_cast<int>(out.glyphs.size());
        cl.glyphCount = static_cast<int>(j - i);
        cl.rotated = rotated;

        // A character that turns in vertical writing but for which the font has no vertical
        // form is drawn turned, like Latin.
        bool turnAlone = false;
        if (!rotated && j - i == 1) {
            int len = 1;
            const char32_t c = CodePointAt(out.text, clStart, &len);
            if (VerticalTextRules::OrientationOf(c) == Orientation::TransformedRotated) {
                hb_codepoint_t nominal = 0;
                if (hb_font_get_nominal_glyph(font.hb, c, &nominal) && nominal == info[i].codepoint)
                    turnAlone = true;
            }
        }

        float pen = 0;
        if (turnAlone) {
            cl.rotated = true;
            out.glyphs.push_back({info[i].codepoint, 0, 0});
            pen = hb_font_get_glyph_h_advance(font.hb, info[i].codepoint) * kUnit;
        } else if (rotated) {
            for (unsigned k = i; k < j; ++k) {
                out.glyphs.push_back(
                    {info[k].codepoint, pen + pos[k].x_offset * kUnit, -pos[k].y_offset * kUnit});
                pen += pos[k].x_advance * kUnit;
            }
        } else {
            for (unsigned k = i; k < j; ++k) {
                out.glyphs.push_back(
                    {info[k].codepoint, pos[k].x_offset * kUnit, pen - pos[k].y_offset * kUnit});
                pen -= pos[k].y_advance * kUnit;
            }
        }
        cl.advance = pen;
        out.clusters.push_back(cl);
        i = j;
    }
}

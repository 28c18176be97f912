#include "controls/TVerticalRuby.h"

#include <hb.h>

#include <QGlyphRun>
#include <QHash>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <cmath>

#include "controls/TextRunRules.h"
#include "rtf/TextProperties.h"

namespace {

constexpr qreal kDpi = 96.0;  // points to pixels, as the font cache counts them

bool Underlined(const QTextCharFormat& f) {
    return f.fontUnderline() || f.underlineStyle() != QTextCharFormat::NoUnderline;
}

// Shapes one character of a reading top to bottom; returns its advance along the column.
float ShapeCharacter(hb_buffer_t* buf, TVerticalFontCache& fonts, int font, const QString& text,
                     int start, int length, std::vector<TVerticalRubyGlyph>& out) {
    const TVerticalFontCache::Font& f = fonts.At(font);
    hb_buffer_clear_contents(buf);
    hb_buffer_add_utf16(buf, reinterpret_cast<const uint16_t*>(text.utf16()),
                        static_cast<int>(text.size()), static_cast<unsigned>(start), length);
    hb_buffer_set_direction(buf, HB_DIRECTION_TTB);
    static const hb_language_t ja = hb_language_from_string("ja", -1);
    hb_buffer_set_language(buf, ja);
    hb_buffer_guess_segment_properties(buf);
    hb_shape(f.hb, buf, nullptr, 0);
    unsigned count = 0;
    const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buf, &count);
    const hb_glyph_position_t* pos = hb_buffer_get_glyph_positions(buf, &count);
    constexpr float kUnit = 1.0f / 64.0f;
    float pen = 0;
    for (unsigned i = 0; i < count; ++i) {
        out.push_back(
            {info[i].codepoint, font, pos[i].x_offset * kUnit, pen - pos[i].y_offset * kUnit});
        pen -= pos[i].y_advance * kUnit;
    }
    return pen > 0 ? pen : static_cast<float>(f.pixelSize);
}

void MakeGroup(TVerticalParagraph& p, int first, int end, TVerticalFontCache& fonts,
               const QFont& defaultFont, hb_buffer_t* buf) {
    TShapedParagraph& s = p.shaped;
    const TVerticalCluster& head = s.clusters[static_cast<size_t>(first)];
    const TVerticalRun& run = s.runs[static_cast<size_t>(head.run)];
    TVerticalRubyGroup g;
    g.firstCluster = first;
    g.endCluster = end;
    g.run = head.run;
    g.baseEm = static_cast<float>(fonts.At(run.font).pixelSize);
    const RubyLayoutRules::Options options = RubyLayoutRules::ParseOptions(
        run.format.stringProperty(TextProperties::RubyOptionsProperty), g.baseEm * 72.0 / kDpi);
    g.align = options.align;
    g.em = static_cast<float>(g.baseEm * options.sizeRatio);
    if (Underlined(run.format)) g.gap = 2 * std::max(1.0f, std::round(g.baseEm / 16));

    // The reading in the base's font at the reading's size, character by character (each may
    // need a font of its own).
    QTextCharFormat rf = run.format;
    rf.clearProperty(QTextFormat::FontPixelSize);
    rf.clearProperty(QTextFormat::FontSizeAdjustment);
    rf.setFontPointSize(g.em * 72.0 / kDpi);
    rf.setFontUnderline(false);
    const int rubyFont = fonts.FontFor(rf, defaultFont);
    const QString reading = TextRunRules::RubyReading(run.format);
    QTextBoundaryFinder bf(QTextBoundaryFinder::Grapheme, reading);
    int a = 0;
    for (int b = bf.toNextBoundary(); b > 0; a = b, b = bf.toNextBoundary()) {
        const QString piece = reading.mid(a, b - a);
        const char32_t c = piece.toUcs4().value(0);
        g.firstGlyph.push_back(static_cast<int>(g.glyphs.size()));
        g.advances.push_back(ShapeCharacter(buf, fonts, fonts.FontWithCharacter(rubyFont, c),
                                            reading, a, b - a, g.glyphs));
    }
    g.firstGlyph.push_back(static_cast<int>(g.glyphs.size()));

    // A base shorter than its reading is spread to the reading's length, the space shared
    // out around its characters.
    float baseLength = 0;
    float readingLength = 0;
    for (int k = first; k < end; ++k) baseLength += s.clusters[static_cast<size_t>(k)].advance;
    for (float adv : g.advances) readingLength += adv;
    if (readingLength > baseLength + 0.01f && end > first) {
        const float per = (readingLength - baseLength) / static_cast<float>(end - first);
        for (int k = first; k < end; ++k) {
            TVerticalCluster& cl = s.clusters[static_cast<size_t>(k)];
            cl.advance += per;
            for (int i = cl.firstGlyph; i < cl.firstGlyph + cl.glyphCount; ++i) {
                TVerticalGlyph& gl = s.glyphs[static_cast<size_t>(i)];
                (cl.rotated ? gl.x : gl.y) += per / 2;
            }
        }
    }
    // One word, one column (unless it is longer than a column, which breaks it anyway).
    for (int k = first + 1; k < end; ++k)
        s.breaks[static_cast<size_t>(s.clusters[static_cast<size_t>(k)].start)] = false;
    p.ruby.push_back(std::move(g));
}

}  // namespace

void TVerticalRuby::Prepare(TVerticalParagraph& p, TVerticalFontCache& fonts,
                            const QFont& defaultFont) {
    TShapedParagraph& s = p.shaped;
    p.ruby.clear();
    const size_t runCount = s.runs.size();
    std::vector<char> hidden(runCount, 0);
    std::vector<char> ruby(runCount, 0);
    bool any = false;
    for (size_t r = 0; r < runCount; ++r) {
        const TVerticalRun& run = s.runs[r];
        if (run.preedit) continue;
        hidden[r] = TextRunRules::IsHidden(run.format);
        ruby[r] = !hidden[r] && !TextRunRules::RubyReading(run.format).isEmpty();
        any = any || hidden[r] || ruby[r];
    }
    if (!any) return;

    for (TVerticalCluster& cl : s.clusters) {
        if (!hidden[static_cast<size_t>(cl.run)]) continue;
        cl.advance = 0;
        cl.glyphCount = 0;
    }

    hb_buffer_t* buf = nullptr;
    const int n = static_cast<int>(s.clusters.size());
    auto rubyCluster = [&](int k) {
        const TVerticalCluster& cl = s.clusters[static_cast<size_t>(k)];
        return ruby[static_cast<size_t>(cl.run)] && !cl.lineBreak && !cl.tab;
    };
    auto preeditCluster = [&](int k) {
        return s.runs[static_cast<size_t>(s.clusters[static_cast<size_t>(k)].run)].preedit;
    };
    for (int k = 0; k < n;) {
        if (!rubyCluster(k)) {
            ++k;
            continue;
        }
        const QTextCharFormat& word =
            s.runs[static_cast<size_t>(s.clusters[static_cast<size_t>(k)].run)].format;
        // The word goes on over the characters of the same word, and over a composition in
        // its middle.
        int end = k + 1;
        for (int j = k + 1; j < n; ++j) {
            if (preeditCluster(j)) continue;
            const QTextCharFormat& f =
                s.runs[static_cast<size_t>(s.clusters[static_cast<size_t>(j)].run)].format;
            if (!rubyCluster(j) || !TextRunRules::SameRubyWord(word, f)) break;
            end = j + 1;
        }
        if (!buf) buf = hb_buffer_create();
        MakeGroup(p, k, end, fonts, defaultFont, buf);
        k = end;
    }
    if (buf) hb_buffer_destroy(buf);
}

float TVerticalRuby::ColumnRoom(const TVerticalParagraph& p, const TVerticalColumn& col,
                                float pitch) {
    float room = 0;
    for (const TVerticalRubyGroup& g : p.ruby) {
        if (g.endCluster <= col.firstCluster || g.firstCluster >= col.endCluster) continue;
        const float need = g.em + g.gap + g.baseEm / 2 - pitch / 2;
        room = std::max(room, std::ceil(need));
    }
    return room;
}

std::vector<TVerticalRubyPlacement> TVerticalRuby::Place(const TVerticalParagraph& p, int column) {
    std::vector<TVerticalRubyPlacement> out;
    if (p.ruby.empty() || column < 0 || column >= static_cast<int>(p.columns.size())) return out;
    const TVerticalColumn& col = p.columns[static_cast<size_t>(column)];
    // Where each cluster of the column starts, below the column top.
    std::vector<qreal> ys;
    ys.reserve(static_cast<size_t>(col.endCluster - col.firstCluster + 1));
    qreal y = col.top;
    for (int k = col.firstCluster; k < col.endCluster; ++k) {
        ys.push_back(y);
        y += p.shaped.clusters[static_cast<size_t>(k)].advance + col.spacing;
    }
    ys.push_back(y);
    const qreal axis = Axis(col);
    for (size_t gi = 0; gi < p.ruby.size(); ++gi) {
        const TVerticalRubyGroup& g = p.ruby[gi];
        const int a = std::max(g.firstCluster, col.firstCluster);
        const int b = std::min(g.endCluster, col.endCluster);
        if (a >= b) continue;
        const int chars = static_cast<int>(g.advances.size());
        const auto part = RubyLayoutRules::SplitReading(chars, g.endCluster - g.firstCluster,
                                                        a - g.firstCluster, b - g.firstCluster);
        if (part.first >= part.second) continue;
        TVerticalRubyPlacement pl;
        pl.group = static_cast<int>(gi);
        pl.firstBase = a;
        pl.firstChar = part.first;
        pl.endChar = part.second;
        pl.baseTop = ys[static_cast<size_t>(a - col.firstCluster)];
        pl.baseBottom = ys[static_cast<size_t>(b - col.firstCluster)];
        const std::vector<qreal> advances(g.advances.begin() + part.first,
                                          g.advances.begin() + part.second);
        const std::vector<qreal> offsets =
            RubyLayoutRules::Place(pl.baseBottom - pl.baseTop, advances, g.align);
        for (size_t i = 0; i < offsets.size(); ++i) {
            pl.tops.push_back(pl.baseTop + offsets[i]);
            // The base cluster beside the character's middle.
            const qreal mid = pl.tops.back() + advances[i] / 2;
            int k = a;
            while (k + 1 < b && ys[static_cast<size_t>(k + 1 - col.firstCluster)] <= mid) ++k;
            pl.beside.push_back(k);
        }
        const qreal bottom = pl.tops.back() + advances.back();
        pl.rect =
            QRectF(axis + g.baseEm / 2 + g.gap, pl.tops.front(), g.em, bottom - pl.tops.front());
        out.push_back(std::move(pl));
    }
    return out;
}

void TVerticalRuby::Paint(QPainter& painter, const TVerticalParagraph& p, int column,
                          TVerticalFontCache& fonts, qreal right, qreal top, const QColor& text,
                          const QColor& selectedText, const std::function<bool(int)>& selected) {
    if (p.ruby.empty()) return;
    const TVerticalColumn& col = p.columns[static_cast<size_t>(column)];
    const qreal left = right - col.width;
    for (const TVerticalRubyPlacement& pl : Place(p, column)) {
        const TVerticalRubyGroup& g = p.ruby[static_cast<size_t>(pl.group)];
        const TVerticalRun& run = p.shaped.runs[static_cast<size_t>(g.run)];
        QColor color = text;
        if (run.format.foreground().style() != Qt::NoBrush) color = run.format.foreground().color();
        const qreal axis = left + pl.rect.center().x();
        // One glyph run a font and colour: a character beside a selected base character is
        // drawn as selected text.
        QHash<QPair<int, bool>, QPair<QList<quint32>, QList<QPointF>>> byFont;
        for (int c = pl.firstChar; c < pl.endChar; ++c) {
            const size_t ci = static_cast<size_t>(c - pl.firstChar);
            const qreal y = top + pl.tops[ci];
            const bool sel =
                selected && selected(p.shaped.clusters[static_cast<size_t>(pl.beside[ci])].start);
            for (int i = g.firstGlyph[static_cast<size_t>(c)];
                 i < g.firstGlyph[static_cast<size_t>(c) + 1]; ++i) {
                const TVerticalRubyGlyph& gl = g.glyphs[static_cast<size_t>(i)];
                auto& entry = byFont[qMakePair(gl.font, sel)];
                entry.first.append(gl.index);
                entry.second.append(QPointF(axis + gl.x, y + gl.y));
            }
        }
        painter.save();
        for (auto it = byFont.constBegin(); it != byFont.constEnd(); ++it) {
            painter.setPen(it.key().second ? selectedText : color);
            QGlyphRun glyphs;
            glyphs.setRawFont(fonts.At(it.key().first).raw);
            glyphs.setGlyphIndexes(it.value().first);
            glyphs.setPositions(it.value().second);
            painter.drawGlyphRun(QPointF(0, 0), glyphs);
        }
        painter.restore();
    }
}

#include "controls/TVerticalPainter.h"

#include <QGlyphRun>
#include <QHash>
#include <QPainterPath>
#include <QRawFont>
#include <QSet>
#include <QTextBlock>
#include <QVarLengthArray>
#include <cmath>

#include "controls/TVerticalRuby.h"

namespace {

bool Underlined(const QTextCharFormat& f) {
    return f.fontUnderline() || f.underlineStyle() != QTextCharFormat::NoUnderline;
}

// Sideways shift of characters raised or lowered from the baseline: up becomes right.
qreal BaselineShift(const QTextCharFormat& f, qreal em) {
    qreal shift = f.baselineOffset() / 100.0 * em;
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript) shift += em * 0.33;
    if (f.verticalAlignment() == QTextCharFormat::AlignSubScript) shift -= em * 0.33;
    return shift;
}

// Glyph outlines, filled: the same marks as a glyph run without being text.
void FillOutlines(QPainter& painter, const QRawFont& raw,
                  const QVarLengthArray<quint32, 64>& glyphs,
                  const QVarLengthArray<QPointF, 64>& positions, QPointF by, const QColor& color) {
    QPainterPath path;
    for (int i = 0; i < glyphs.size(); ++i)
        path.addPath(raw.pathForGlyph(glyphs[i]).translated(positions[i] + by));
    painter.fillPath(path, color);
}

// The glyphs a font reaches from some character of the basic plane through its character map.
// A page kept as text names each glyph by such a character, so a vertical form the font also
// maps from a presentation-form character (︒ for 。, ︽ for 《) would read back as that one.
const QSet<quint32>& MappedGlyphs(const QRawFont& raw) {
    static QHash<QString, QSet<quint32>> cache;
    const QString key = raw.familyName() + QLatin1Char('/') + raw.styleName() + QLatin1Char('/') +
                        QString::number(raw.weight()) + QString::number(int(raw.style()));
    auto it = cache.find(key);
    if (it != cache.end()) return *it;
    QString all;
    all.reserve(0x10000);
    for (uint uc = 0x20; uc < 0x10000; ++uc)
        if (uc < 0xD800 || uc > 0xDFFF) all.append(QChar(char16_t(uc)));
    QSet<quint32> mapped;
    for (quint32 g : raw.glyphIndexesForString(all))
        if (g) mapped.insert(g);
    return *cache.insert(key, mapped);
}

// How the glyphs of a cluster read back from a page kept as text.
enum class Reading {
    AsDrawn,      // the font's own glyphs of the characters
    Unnamed,      // vertical forms no character maps to: they read as nothing
    AsOtherChars  // vertical forms that read as other characters
};

Reading ReadingOf(const TShapedParagraph& s, const TVerticalFontCache::Font& font,
                  const TVerticalCluster& cl, QList<quint32>* plainOut = nullptr) {
    if (cl.lineBreak || cl.tab || cl.rotated) return Reading::AsDrawn;
    const QList<quint32> plain = font.raw.glyphIndexesForString(s.text.mid(cl.start, cl.length));
    bool same = plain.size() == cl.glyphCount;
    for (int g = 0; same && g < cl.glyphCount; ++g)
        same = plain[g] == s.glyphs[static_cast<size_t>(cl.firstGlyph + g)].index;
    if (plainOut) *plainOut = plain;
    if (same) return Reading::AsDrawn;
    const QSet<quint32>& mapped = MappedGlyphs(font.raw);
    for (int g = 0; g < cl.glyphCount; ++g)
        if (mapped.contains(s.glyphs[static_cast<size_t>(cl.firstGlyph + g)].index))
            return Reading::AsOtherChars;
    return Reading::Unnamed;
}

// Clusters k..end-1 of one upright run drawn as other glyphs, starting at y0 on the column's
// axis: their characters are laid over them once more in the font's ordinary glyphs, invisibly,
// so that a page kept as text reads back as the characters in column order.
void LayHiddenText(QPainter& painter, const TShapedParagraph& s,
                   const TVerticalFontCache::Font& font, int k, int end, qreal axis, qreal y0,
                   qreal spacing) {
    qreal y = y0;
    QList<quint32> hidden;
    QList<QPointF> at;
    for (int c = k; c < end; ++c) {
        const TVerticalCluster& cl = s.clusters[static_cast<size_t>(c)];
        QList<quint32> plain;
        if (ReadingOf(s, font, cl, &plain) != Reading::AsDrawn) {
            for (int g = 0; g < plain.size(); ++g) {
                if (plain[g] == 0) continue;
                hidden.append(plain[g]);
                at.append(QPointF(axis - font.pixelSize / 2, y + font.ascent + g * 0.01));
            }
        }
        y += cl.advance + spacing;
    }
    if (hidden.isEmpty()) return;
    QGlyphRun run;
    run.setRawFont(font.raw);
    run.setGlyphIndexes(hidden);
    run.setPositions(at);
    painter.save();
    painter.setPen(QColor(0, 0, 0, 0));
    painter.drawGlyphRun(QPointF(0, 0), run);
    painter.restore();
}

}  // namespace

void TVerticalPainter::PaintRange(QPainter& painter, TVerticalLayout& layout, int first, int last,
                                  QPointF topRight, const TVerticalPaintOptions& options) {
    if (first > last) return;
    const TVerticalLayout::ColumnRef a = layout.Column(first, true);
    if (!a.valid()) return;
    for (int g = first; g <= last; ++g) {
        const TVerticalLayout::ColumnRef c = layout.Column(g, true);
        if (!c.valid() || c.global != g) break;
        PaintColumn(painter, layout, c.block, c.column, topRight.x() - (c.offset - a.offset),
                    topRight.y(), options);
    }
}

int TVerticalPainter::LastColumnWithin(TVerticalLayout& layout, int first, qreal width) {
    const int count = layout.ColumnCount();
    if (first >= count) return count - 1;
    const TVerticalLayout::ColumnRef a = layout.Column(first);
    int last = first;
    while (last + 1 < count) {
        const TVerticalLayout::ColumnRef n = layout.Column(last + 1);
        if (n.offset + n.width - a.offset > width + 0.01) break;
        ++last;
    }
    return last;
}

void TVerticalPainter::PaintUntil(QPainter& painter, TVerticalLayout& layout,
                                  TVerticalLayout::ColumnRef first, qreal leftLimit,
                                  QPointF topRight, const TVerticalPaintOptions& options) {
    if (!first.valid()) return;
    int block = first.block;
    int column = first.column;
    qreal right = topRight.x();
    while (block < layout.BlockCount() && right > leftLimit) {
        const TVerticalParagraph& p = layout.Paragraph(block);
        if (column >= static_cast<int>(p.columns.size())) {
            // The space after this paragraph and before the next.
            right -= p.width - (p.columns.back().offset + p.columns.back().width);
            ++block;
            column = 0;
            if (block < layout.BlockCount()) right -= layout.Paragraph(block).spaceBefore;
            continue;
        }
        const TVerticalColumn& col = p.columns[static_cast<size_t>(column)];
        PaintColumn(painter, layout, block, column, right, topRight.y(), options);
        right -= col.width;
        ++column;
    }
}

void TVerticalPainter::PaintColumn(QPainter& painter, TVerticalLayout& layout, int block,
                                   int column, qreal right, qreal top,
                                   const TVerticalPaintOptions& options) {
    const TVerticalParagraph& p = layout.Paragraph(block);
    const TVerticalColumn& col = p.columns[static_cast<size_t>(column)];
    const TShapedParagraph& s = p.shaped;
    TVerticalFontCache& fonts = layout.Fonts();
    const QTextBlock b = layout.Document()->findBlockByNumber(block);
    const int blockPos = b.position();
    const qreal left = right - col.width;
    const qreal axis = left + TVerticalRuby::Axis(col);

    // Paragraph background over the whole column.
    const QTextBlockFormat bf = b.blockFormat();
    if (bf.background().style() != Qt::NoBrush)
        painter.fillRect(QRectF(left, top, col.width, layout.ColumnHeight()), bf.background());

    const int selA = std::min(options.selectionStart, options.selectionEnd);
    const int selB = std::max(options.selectionStart, options.selectionEnd);
    const bool hasSel = selA >= 0 && selA != selB;
    auto selected = [&](int textIndex) {
        if (!hasSel) return false;
        const int pos = blockPos + s.BlockPos(textIndex);
        return pos >= selA && pos < selB &&
               !(s.preeditStart >= 0 && textIndex >= s.preeditStart &&
                 textIndex < s.preeditStart + s.preeditLength);
    };

    // Backgrounds: character backgrounds, then the selection.
    qreal y = top + col.top;
    for (int k = col.firstCluster; k < col.endCluster; ++k) {
        const TVerticalCluster& cl = s.clusters[static_cast<size_t>(k)];
        const QTextCharFormat& f = s.runs[static_cast<size_t>(cl.run)].format;
        const qreal step = cl.advance + (k + 1 < col.endCluster ? col.spacing : 0);
        if (f.background().style() != Qt::NoBrush)
            painter.fillRect(QRectF(left, y, col.width, step), f.background());
        if (selected(cl.start))
            painter.fillRect(QRectF(left, y, col.width, step), options.highlight);
        y += step;
    }
    // A selected paragraph end shows as a short mark after the last character.
    const bool lastColumn = column + 1 == static_cast<int>(p.columns.size());
    if (lastColumn && hasSel && b.next().isValid()) {
        const int endPos = blockPos + b.length() - 1;
        if (endPos >= selA && endPos < selB)
            painter.fillRect(QRectF(left, y, col.width, col.width / 3), options.highlight);
    }

    // Bullet above the first column.
    if (column == 0 && !p.bullet.isEmpty() && p.bulletFont >= 0) {
        const TVerticalFontCache::Font& bfnt = fonts.At(p.bulletFont);
        QFont qf(bfnt.family);
        qf.setPixelSize(std::max(1, static_cast<int>(std::lround(bfnt.pixelSize * 0.6))));
        painter.save();
        painter.setFont(qf);
        painter.setPen(options.text);
        const qreal size = bfnt.pixelSize;
        painter.drawText(QRectF(axis - size / 2, top + col.top - size * 1.2, size, size),
                         Qt::AlignCenter, p.bullet);
        painter.restore();
    }

    // Glyphs, in stretches of one run, one orientation and one selection state.
    y = top + col.top;
    int k = col.firstCluster;
    QVarLengthArray<quint32, 64> indexes;
    QVarLengthArray<QPointF, 64> positions;
    while (k < col.endCluster) {
        const TVerticalCluster& c0 = s.clusters[static_cast<size_t>(k)];
        const int run = c0.run;
        const bool rotated = c0.rotated;
        const bool combined = c0.combined;
        const bool sel = selected(c0.start);
        const TVerticalRun& r = s.runs[static_cast<size_t>(run)];
        const TVerticalFontCache::Font& font = fonts.At(r.font);
        const qreal em = font.pixelSize;
        const qreal shift = BaselineShift(r.format, em);
        const qreal y0 = y;
        indexes.clear();
        positions.clear();
        // Turned glyphs are placed in the turned frame: x along the column from y0, y off the
        // baseline, which sits so that the em box is centred on the column's axis.
        // A page kept as text also ends a stretch where the glyphs stop or start being vertical
        // forms, so that the characters laid over them stay in column order.
        const Reading reading = options.readableText ? ReadingOf(s, font, c0) : Reading::AsDrawn;
        int j = k;
        for (; j < col.endCluster; ++j) {
            const TVerticalCluster& cl = s.clusters[static_cast<size_t>(j)];
            if (cl.run != run || cl.rotated != rotated || cl.combined != combined ||
                selected(cl.start) != sel)
                break;
            // Each upright cell of digits is drawn on its own, narrowed as it needs.
            if (combined && j > k) break;
            if (options.readableText && j > k && ReadingOf(s, font, cl) != reading) break;
            for (int g = cl.firstGlyph; g < cl.firstGlyph + cl.glyphCount; ++g) {
                const TVerticalGlyph& gl = s.glyphs[static_cast<size_t>(g)];
                indexes.append(gl.index);
                if (rotated)
                    positions.append(QPointF(y - y0 + gl.x, gl.y));
                else if (combined)
                    positions.append(QPointF(gl.x, y + gl.y));
                else
                    positions.append(QPointF(axis + shift + gl.x, y + gl.y));
            }
            y += cl.advance + (j + 1 < col.endCluster ? col.spacing : 0);
        }
        QColor color = options.text;
        if (r.format.foreground().style() != Qt::NoBrush) color = r.format.foreground().color();
        if (sel) color = options.highlightedText;

        if (!indexes.isEmpty()) {
            QGlyphRun run;
            run.setRawFont(font.raw);
            run.setGlyphIndexes(QList<quint32>(indexes.begin(), indexes.end()));
            run.setPositions(QList<QPointF>(positions.begin(), positions.end()));
            painter.save();
            painter.setPen(color);
            if (rotated) {
                const qreal baseline = axis + shift - (font.ascent - font.descent) / 2;
                painter.translate(baseline, y0);
                painter.rotate(90);
                if (font.syntheticItalic)
                    painter.setTransform(QTransform(1, 0, -0.2, 1, 0, 0), true);
            } else if (combined) {
                painter.translate(axis + shift, 0);
                painter.scale(c0.scaleX, 1);
            } else if (font.syntheticItalic) {
                painter.translate(axis, 0);
                painter.setTransform(QTransform(1, -0.2, 0, 1, 0, 0), true);
                painter.translate(-axis, 0);
            }
            // Vertical forms that would read as other characters are drawn as outlines; the
            // characters themselves are laid over them below.
            if (reading == Reading::AsOtherChars)
                FillOutlines(painter, font.raw, indexes, positions, QPointF(), color);
            else
                painter.drawGlyphRun(QPointF(0, 0), run);
            if (font.syntheticBold) {
                const qreal d = std::max<qreal>(0.6, em / 28);
                const QPointF by = rotated ? QPointF(0, -d) : QPointF(d, 0);
                if (options.readableText || reading == Reading::AsOtherChars)
                    FillOutlines(painter, font.raw, indexes, positions, by, color);
                else
                    painter.drawGlyphRun(by, run);
            }
            painter.restore();
            if (reading != Reading::AsDrawn)
                LayHiddenText(painter, s, font, k, j, axis + shift, y0, col.spacing);
        }

        // Lines: underline on the right of the characters, strike-out through their middle,
        // and the composition marked like an underline.
        const qreal thick = std::max<qreal>(1, std::round(em / 16));
        const bool drawn = y > y0;  // hidden text has no length and no lines
        // The composition: the segment the input method highlights (the one being converted)
        // shows reversed, in its background and colour; the other segments get a thin line.
        const bool highlighted = r.preedit && r.format.background().style() != Qt::NoBrush;
        if (drawn && (Underlined(r.format) || (r.preedit && !highlighted))) {
            QColor lc =
                r.format.underlineColor().isValid() && !sel ? r.format.underlineColor() : color;
            const qreal x = std::min(right - thick / 2, axis + shift + em / 2 + thick);
            QPen pen(lc, r.preedit ? 1 : thick);
            painter.setPen(pen);
            painter.drawLine(QPointF(x, y0), QPointF(x, y));
        }
        if (drawn && r.format.fontStrikeOut()) {
            // Along the strokes of the characters a hairline is lost; make it a little bolder.
            painter.setPen(QPen(color, std::max<qreal>(thick, em / 10)));
            painter.drawLine(QPointF(axis + shift, y0), QPointF(axis + shift, y));
        }
        k = j;
    }

    // Ruby readings on the right of their bases.
    TVerticalRuby::Paint(painter, p, column, fonts, right, top, options.text,
                         options.highlightedText, selected);
}

#include "controls/THorizontalRuby.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPainter>
#include <QScrollBar>
#include <QTextBoundaryFinder>
#include <QTextEdit>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "controls/RubyLayoutRules.h"
#include "controls/TDisplayFormats.h"
#include "controls/TextRunRules.h"
#include "rtf/TextProperties.h"

std::vector<THorizontalRuby::Word> THorizontalRuby::Words(const QTextBlock& block) {
    std::vector<Word> words;
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment frag = it.fragment();
        if (!frag.isValid()) continue;
        const QTextCharFormat f = frag.charFormat();
        if (TextRunRules::IsHidden(f) || TextRunRules::RubyReading(f).isEmpty()) continue;
        const int start = frag.position() - block.position();
        if (!words.empty() && words.back().end == start &&
            TextRunRules::SameRubyWord(words.back().format, f))
            words.back().end = start + frag.length();
        else
            words.push_back({start, start + frag.length(), f});
    }
    return words;
}

QStringList THorizontalRuby::Characters(const QTextCharFormat& format) {
    const QString text = TextRunRules::RubyReading(format);
    QStringList out;
    QTextBoundaryFinder bf(QTextBoundaryFinder::Grapheme, text);
    int a = 0;
    for (int b = bf.toNextBoundary(); b > 0; a = b, b = bf.toNextBoundary())
        out << text.mid(a, b - a);
    return out;
}

std::vector<qreal> THorizontalRuby::Advances(const QStringList& characters, const QFont& font) {
    const QFontMetricsF metrics(font);
    std::vector<qreal> out;
    for (const QString& c : characters) out.push_back(metrics.horizontalAdvance(c));
    return out;
}

QFont THorizontalRuby::ReadingFont(const QTextCharFormat& format, const QFont& defaultFont,
                                   RubyLayoutRules::Options* optionsOut) {
    const QFont base = format.font().resolve(defaultFont);
    const qreal basePoints =
        base.pointSizeF() > 0 ? base.pointSizeF() : base.pixelSize() * 72.0 / 96.0;
    const RubyLayoutRules::Options options = RubyLayoutRules::ParseOptions(
        format.stringProperty(TextProperties::RubyOptionsProperty), basePoints);
    if (optionsOut) *optionsOut = options;
    QFont ruby = base;
    if (base.pixelSize() > 0)
        ruby.setPixelSize(
            std::max(1, static_cast<int>(std::lround(base.pixelSize() * options.sizeRatio))));
    else
        ruby.setPointSizeF(base.pointSizeF() * options.sizeRatio);
    ruby.setUnderline(false);
    ruby.setStrikeOut(false);
    ruby.setOverline(false);
    ruby.setLetterSpacing(QFont::PercentageSpacing, 100);
    return ruby;
}

std::vector<THorizontalRuby::Placement> THorizontalRuby::Place(const QTextBlock& block,
                                                               const QFont& defaultFont) {
    std::vector<Placement> out;
    if (!block.isValid() || !block.isVisible()) return out;
    const QTextLayout* layout = block.layout();
    if (!layout || layout->lineCount() == 0) return out;
    const QPointF origin = layout->position();
    for (const Word& w : Words(block)) {
        const QFont base = w.format.font().resolve(defaultFont);
        RubyLayoutRules::Options options;
        const QFont ruby = ReadingFont(w.format, defaultFont, &options);
        const QFontMetricsF baseMetrics(base);
        const QFontMetricsF rubyMetrics(ruby);
        const QStringList chars = Characters(w.format);
        const std::vector<qreal> advances = Advances(chars, ruby);

        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            const int a = std::max(w.start, line.textStart());
            const int b = std::min(w.end, line.textStart() + line.textLength());
            if (a >= b) continue;
            const auto part = RubyLayoutRules::SplitReading(
                static_cast<int>(chars.size()), w.end - w.start, a - w.start, b - w.start);
            if (part.first >= part.second) continue;
            qreal x0 = line.cursorToX(a);
            qreal x1 = line.cursorToX(b);
            if (x1 < x0) std::swap(x0, x1);
            const std::vector<qreal> adv(advances.begin() + part.first,
                                         advances.begin() + part.second);
            const std::vector<qreal> offsets = RubyLayoutRules::Place(x1 - x0, adv, options.align);
            Placement p;
            p.basePosition = block.position() + a;
            const qreal baseline = origin.y() + line.y() + line.ascent();
            p.base = QRectF(origin.x() + x0, baseline - baseMetrics.ascent(), x1 - x0,
                            baseMetrics.ascent() + baseMetrics.descent());
            // The reading stands on the base's ascent line, in the room above it.
            p.baseline = baseline - baseMetrics.ascent();
            for (int c = part.first; c < part.second; ++c) {
                p.characters << chars.at(c);
                const qreal left = x0 + offsets[static_cast<size_t>(c - part.first)];
                p.lefts.push_back(origin.x() + left);
                const int under =
                    line.xToCursor(left + adv[static_cast<size_t>(c - part.first)] / 2,
                                   QTextLine::CursorOnCharacter);
                p.over.push_back(block.position() + std::clamp(under, a, b - 1));
            }
            const qreal right = p.lefts.back() + adv.back();
            p.rect = QRectF(p.lefts.front(), p.baseline - rubyMetrics.ascent(),
                            right - p.lefts.front(), rubyMetrics.ascent() + rubyMetrics.descent());
            p.font = ruby;
            p.format = w.format;
            out.push_back(std::move(p));
        }
    }
    return out;
}

void THorizontalRuby::Paint(QPainter& painter, QTextEdit& edit, const QRect& exposed) {
    QTextDocument* doc = edit.document();
    if (!doc) return;
    const QPointF scroll(edit.horizontalScrollBar()->value(), edit.verticalScrollBar()->value());
    const QRectF visible = QRectF(exposed).translated(scroll);
    int pos = doc->documentLayout()->hitTest(QPointF(0, visible.top()), Qt::FuzzyHit);
    QTextBlock b = doc->findBlock(std::max(0, pos));
    if (!b.isValid()) return;
    const QTextCursor cursor = edit.textCursor();
    const QPalette::ColorGroup group = edit.hasFocus() ? QPalette::Active : QPalette::Inactive;
    const QColor text = edit.palette().color(QPalette::Text);
    const QColor selectedText = edit.palette().color(group, QPalette::HighlightedText);
    painter.save();
    painter.translate(-scroll);
    for (; b.isValid(); b = b.next()) {
        const QTextLayout* layout = b.layout();
        if (layout && layout->lineCount() > 0 && layout->position().y() > visible.bottom()) break;
        if (!TDisplayFormats::HasDisplayFormats(b)) continue;
        for (const Placement& p : Place(b, doc->defaultFont())) {
            QColor color = text;
            if (p.format.foreground().style() != Qt::NoBrush) color = p.format.foreground().color();
            painter.setFont(p.font);
            for (int i = 0; i < p.characters.size(); ++i) {
                // A character over a selected base character is drawn as selected text.
                const int over = p.over[static_cast<size_t>(i)];
                const bool selected = cursor.hasSelection() && over >= cursor.selectionStart() &&
                                      over < cursor.selectionEnd();
                painter.setPen(selected ? selectedText : color);
                painter.drawText(QPointF(p.lefts[static_cast<size_t>(i)], p.baseline),
                                 p.characters.at(i));
            }
        }
    }
    painter.restore();
}

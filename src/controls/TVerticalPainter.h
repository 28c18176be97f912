#pragma once
// Draws columns of a TVerticalLayout into any QPainter: the view, an image, a printer page.

#include <QColor>
#include <QPainter>
#include <QPointF>

#include "controls/TVerticalLayout.h"

struct TVerticalPaintOptions {
    QColor text = Qt::black;
    QColor highlight = QColor(0x30, 0x8c, 0xc6);
    QColor highlightedText = Qt::white;
    int selectionStart = -1;  // document positions; no selection when start == end
    int selectionEnd = -1;
    // For a page that is kept as text (PDF, printer): every character can be read back from
    // the page. Glyphs the font only reaches through its vertical forms (、。「」, proportional
    // kana) carry no character of their own, so the character is laid on them as invisible
    // text; a synthetic bold's second stroke is drawn as an outline, not as text again.
    bool readableText = false;
};

class TVerticalPainter {
public:
    // Draws the global columns first..last (inclusive, laid out exactly); the right edge of
    // column `first` is at topRight.x and the columns' tops at topRight.y.
    static void PaintRange(QPainter& painter, TVerticalLayout& layout, int first, int last,
                           QPointF topRight, const TVerticalPaintOptions& options);
    // Draws from column `first` leftwards until a column's right edge is left of `leftLimit`.
    static void PaintUntil(QPainter& painter, TVerticalLayout& layout,
                           TVerticalLayout::ColumnRef first, qreal leftLimit, QPointF topRight,
                           const TVerticalPaintOptions& options);
    // The last global column that fits, with the ones before it from `first`, into `width`
    // (at least `first` itself): the columns of one printed page.
    static int LastColumnWithin(TVerticalLayout& layout, int first, qreal width);
    // Draws one column whose right edge is at `right`.
    static void PaintColumn(QPainter& painter, TVerticalLayout& layout, int block, int column,
                            qreal right, qreal top, const TVerticalPaintOptions& options);
};

#pragma once
// Ruby and hidden text in the vertical layout. A reading is drawn at about half the base's
// size, in the base's font and colour, to the right of its base and spread along it; a column
// that holds readings is made wide enough for them, so they never reach the column on its
// right. Hidden characters take no room and draw nothing. Everything here works on a laid-out
// paragraph, without a widget, so that a printed page places readings as the view does.

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <functional>
#include <vector>

#include "controls/TVerticalLayout.h"

// A reading (or the part of it a column holds) placed beside its base.
struct TVerticalRubyPlacement {
    int group = -1;     // index into the paragraph's ruby words
    int firstBase = 0;  // the first base cluster in this column
    int firstChar = 0;  // reading characters [firstChar, endChar) drawn here
    int endChar = 0;
    qreal baseTop = 0;  // the base's extent along the column
    qreal baseBottom = 0;
    QRectF rect;              // x from the column's left edge, y below the column top
    std::vector<qreal> tops;  // top of each character drawn, below the column top
    std::vector<int> beside;  // the base cluster beside each character drawn
};

class TVerticalRuby {
public:
    // Readies a freshly shaped paragraph: hidden clusters lose their advance and glyphs; ruby
    // words are found and their readings shaped; a base shorter than its reading is spread to
    // the reading's length; a column never breaks inside a ruby word that fits in a column.
    static void Prepare(TVerticalParagraph& paragraph, TVerticalFontCache& fonts,
                        const QFont& defaultFont);
    // Room a column needs right of its characters for its readings (0 without readings).
    // `pitch` is the column's pitch without that room.
    static float ColumnRoom(const TVerticalParagraph& paragraph, const TVerticalColumn& column,
                            float pitch);
    // The axis of a column's characters, from its left edge.
    static qreal Axis(const TVerticalColumn& column) { return (column.width - column.ruby) / 2; }
    // The readings beside a column.
    static std::vector<TVerticalRubyPlacement> Place(const TVerticalParagraph& paragraph,
                                                     int column);
    // Draws a column's readings; `right` and `top` as for TVerticalPainter::PaintColumn.
    // `selected` tells whether a text index of the paragraph is selected.
    static void Paint(QPainter& painter, const TVerticalParagraph& paragraph, int column,
                      TVerticalFontCache& fonts, qreal right, qreal top, const QColor& text,
                      const QColor& selectedText, const std::function<bool(int)>& selected);
};

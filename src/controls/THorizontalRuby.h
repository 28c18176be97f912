#pragma once
// Ruby readings in the horizontal presentation: drawn over the text edit's own painting, above
// their bases, in the room TDisplayFormats makes above each line that holds a ruby word. The
// reading is about half the base's size, in the base's font and colour, spread along the base
// as RubyLayoutRules places it.

#include <QFont>
#include <QRectF>
#include <QTextBlock>
#include <QTextCharFormat>
#include <vector>

#include "controls/RubyLayoutRules.h"

class QPainter;
class QTextEdit;

class THorizontalRuby {
public:
    // A reading (or the part of it one line holds), in document coordinates.
    struct Placement {
        int basePosition = 0;  // document position of the first base character on the line
        QRectF base;           // the base characters' box on the line
        QRectF rect;           // the reading's box
        qreal baseline = 0;    // the reading's baseline
        QStringList characters;
        std::vector<qreal> lefts;  // x of each character
        std::vector<int> over;     // document position of the base character below each
        QFont font;
        QTextCharFormat format;  // the base's stored format
    };

    // A ruby word of a paragraph: its base characters and their stored format.
    struct Word {
        int start = 0;  // in the paragraph
        int end = 0;
        QTextCharFormat format;
    };
    static std::vector<Word> Words(const QTextBlock& block);
    // The reading's font for a base format, and the reading's options.
    static QFont ReadingFont(const QTextCharFormat& format, const QFont& defaultFont,
                             RubyLayoutRules::Options* options = nullptr);
    // The reading's characters and their advances.
    static QStringList Characters(const QTextCharFormat& format);
    static std::vector<qreal> Advances(const QStringList& characters, const QFont& font);

    // The readings of a paragraph laid out by the document's own layout.
    static std::vector<Placement> Place(const QTextBlock& block, const QFont& defaultFont);
    // Draws the readings of the paragraphs in the exposed part of an edit's viewport.
    static void Paint(QPainter& painter, QTextEdit& edit, const QRect& exposed);
};

#pragma once
// Shaping of one paragraph for the vertical view: the text is cut into runs of one font and
// one orientation; upright runs are shaped top to bottom (the font's vertical forms), turned
// runs left to right and later drawn a quarter turn clockwise. The result is independent of
// the column height, so a resize only re-breaks columns.

#include <QHash>
#include <QString>
#include <QTextBlock>
#include <QTextCharFormat>
#include <vector>

#include "controls/TVerticalTypesetting.h"

class TVerticalFontCache;
struct hb_buffer_t;
struct hb_font_t;

struct TVerticalGlyph {
    quint32 index = 0;
    float x = 0;  // upright: from the column axis; turned: along the column from the cluster top
    float y = 0;  // upright: baseline below the cluster top; turned: off the turned baseline
};

struct TVerticalRun {
    int font = 0;  // index into the font cache
    QTextCharFormat format;
    bool preedit = false;  // text being composed by the input method
};

struct TVerticalCluster {
    int start = 0;      // UTF-16 index into the shaped text
    int length = 0;     // UTF-16 units
    float advance = 0;  // length along the column in pixels
    int run = 0;
    int firstGlyph = 0;
    int glyphCount = 0;
    bool rotated = false;    // drawn a quarter turn clockwise
    bool lineBreak = false;  // a line separator: the column ends after it
    bool tab = false;
    // Half-width digits or marks standing upright side by side in one cell: the glyphs are
    // shaped across, x from the column axis and y the baseline below the cell top, and drawn
    // narrowed by scaleX around the axis when wider than the cell.
    bool combined = false;
    float scaleX = 1;
};

struct TShapedParagraph {
    QString text;  // the paragraph's text, with the composition inserted when there is one
    std::vector<TVerticalRun> runs;
    std::vector<TVerticalCluster> clusters;
    std::vector<TVerticalGlyph> glyphs;
    std::vector<bool> breaks;  // breaks[i]: a column may begin at UTF-16 index i
    int preeditStart = -1;     // index of the composition in text, -1 without one
    int preeditLength = 0;

    // Index in text of a position in the paragraph, and back.
    int TextIndex(int blockPos) const {
        return (preeditStart >= 0 && blockPos > preeditStart) ? blockPos + preeditLength : blockPos;
    }
    int BlockPos(int textIndex) const {
        if (preeditStart < 0 || textIndex <= preeditStart) return textIndex;
        if (textIndex < preeditStart + preeditLength) return preeditStart;
        return textIndex - preeditLength;
    }
};

// A stretch of the composition that the input method formats (the segment being converted
// highlighted, the others underlined), in UTF-16 units from the composition's start.
struct TVerticalPreeditFormat {
    int start = 0;
    int length = 0;
    QTextCharFormat format;
};

// Text being composed by the input method, shown inline at a position of the paragraph.
struct TVerticalPreedit {
    int position = -1;  // in the paragraph, -1 for none
    QString text;
    std::vector<TVerticalPreeditFormat> formats;
};

class TVerticalShaper {
public:
    using Preedit = TVerticalPreedit;
    explicit TVerticalShaper(TVerticalFontCache& fonts);
    ~TVerticalShaper();
    TVerticalShaper(const TVerticalShaper&) = delete;
    TVerticalShaper& operator=(const TVerticalShaper&) = delete;

    TShapedParagraph Shape(const QTextBlock& block, const QFont& defaultFont,
                           const TVerticalPreedit& preedit = TVerticalPreedit()) const;

    const TVerticalTypesetting& Typesetting() const { return m_typesetting; }
    void SetTypesetting(const TVerticalTypesetting& typesetting);

private:
    struct Span;
    // A long paragraph is shaped and broken in pieces that end at content-defined places (after
    // 。、」 and the like); the pieces are remembered by their text, so an edit reshapes only
    // the piece it touched.
    struct Piece {
        std::vector<TVerticalCluster> clusters;  // starts relative to the piece
        std::vector<TVerticalGlyph> glyphs;
        std::vector<int> runFonts;  // the font of each run the clusters refer to
    };
    void ShapeSpan(TShapedParagraph& out, const Span& span, int baseFont, int from, int to) const;
    void ShapeSegment(TShapedParagraph& out, int run, int start, int end, bool rotated) const;
    void ShapePiece(TShapedParagraph& out, int run, int start, int end, bool rotated) const;
    void ShapeCombined(TShapedParagraph& out, int run, int start, int end) const;
    // Shapes text[start, end) into the shared buffer, across (left to right) or down the column;
    // returns the glyph count.
    unsigned RunHarfBuzz(const QString& text, hb_font_t* font, int start, int end,
                         bool across) const;
    void TrimPunctuation(TShapedParagraph& out) const;
    std::vector<bool> Breaks(const QString& text) const;
    void TrimCaches() const;

    mutable QHash<QString, Piece> m_pieces;  // font, composition flag and text -> shaping
    mutable QHash<QString, std::vector<bool>> m_breakPieces;  // text -> break opportunities

    TVerticalFontCache& m_fonts;
    hb_buffer_t* m_buffer;
    TVerticalTypesetting m_typesetting;
};

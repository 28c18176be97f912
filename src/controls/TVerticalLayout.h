#pragma once
// Column layout of a QTextDocument for vertical writing. Columns run top to bottom; the first
// column of the document is on the right. Each paragraph keeps its own shaped text and columns;
// an edit re-lays only the paragraphs it touched (QTextDocument::contentsChange). Paragraphs
// not yet needed are estimated from their length and laid out on demand or in idle time, so a
// long document opens at once and its width is refined as the layout completes.
//
// Offsets are measured leftwards from the right edge of the whole layout, in pixels; a column's
// offset is that of its right edge. Positions are QTextDocument positions.

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QRectF>
#include <QTextDocument>
#include <memory>
#include <vector>

#include "controls/TVerticalFontCache.h"
#include "controls/TVerticalRubyGroup.h"
#include "controls/TVerticalShaper.h"

struct TVerticalColumn {
    int firstCluster = 0;
    int endCluster = 0;  // one past the last cluster
    int start = 0;       // UTF-16 index into the shaped text of the first character
    int end = 0;         // one past the last character
    float width = 0;     // the column pitch, with the room for readings
    float ruby = 0;      // room for ruby readings on the right of the characters, in width
    float offset = 0;    // right edge, from the right edge of the paragraph
    float top = 0;       // where the first character starts, below the column's top
    float length = 0;    // sum of the characters' advances (and of the spacing between them)
    float spacing = 0;   // extra space after each character but the last (a justified column)
};

struct TVerticalParagraph {
    TShapedParagraph shaped;
    std::vector<TVerticalColumn> columns;
    float width = 0;        // sum of the pitches plus the spaces before and after
    float spaceBefore = 0;  // to the right of the first column
    float bulletSize = 0;   // 0 without a bullet
    QString bullet;         // the list marker, drawn above the first column
    int bulletFont = -1;
    std::vector<TVerticalRubyGroup> ruby;  // ruby words, in text order
};

class TVerticalLayout : public QObject {
    Q_OBJECT
public:
    explicit TVerticalLayout(QTextDocument* document, QObject* parent = nullptr);
    ~TVerticalLayout() override;

    QTextDocument* Document() const { return m_doc; }
    TVerticalFontCache& Fonts() { return m_fonts; }

    // Length of a column along its direction, in pixels; changing it re-breaks every column.
    void SetColumnHeight(qreal height);
    qreal ColumnHeight() const { return m_columnHeight; }
    // The pitch of a column as a multiple of its largest character.
    void SetLineSpacing(qreal factor);
    // Upright numbers, punctuation trimming and justification; lays everything out anew.
    void SetTypesetting(const TVerticalTypesetting& typesetting);
    const TVerticalTypesetting& Typesetting() const { return m_shaper.Typesetting(); }

    // Text being composed at a position: shown inline there, without being in the document.
    void SetPreedit(int position, const QString& text,
                    const std::vector<TVerticalPreeditFormat>& formats = {});
    int PreeditPosition() const { return m_preeditPos; }
    const QString& PreeditText() const { return m_preeditText; }

    // With eager edits off (a hidden view), edited paragraphs are only marked and laid out when
    // next needed.
    void SetEagerEdits(bool eager) { m_eager = eager; }

    // Drops every cached paragraph (after a change the document does not report).
    void InvalidateAll();
    // The document's default font is not reported when it changes: lays out anew when it
    // differs from the one the paragraphs were laid out with. True when it did.
    bool CheckDefaultFont();

    // Lays out paragraphs in document order for about `budgetMs` milliseconds; true when every
    // paragraph is laid out.
    bool LayoutSome(int budgetMs);
    bool IsComplete() const { return m_pending == 0; }
    void EnsureAll();

    // Columns and offsets; the *Estimated forms may count paragraphs that are not laid out yet
    // by an estimate, the others lay out what they need first.
    int ColumnCount();
    qreal TotalWidthEstimated();
    int ColumnCountEstimated();

    struct ColumnRef {
        int block = -1;
        int column = -1;  // within the paragraph
        int global = -1;
        qreal offset = 0;  // right edge from the right edge of the layout
        qreal width = 0;
        bool valid() const { return block >= 0; }
    };
    // The column at a global index (the paragraph is laid out; earlier ones may be estimated
    // unless `exact`).
    ColumnRef Column(int global, bool exact = true);
    // The column under an offset from the right edge (clamped to the layout).
    ColumnRef ColumnAtOffset(qreal offset);
    // The column that holds a position. With `atColumnEnd`, a position that ends one column and
    // begins the next belongs to the first of them.
    ColumnRef ColumnOfPosition(int position, bool atColumnEnd = false, bool exact = true);
    // Offset of a paragraph's right edge (estimated for unlaid paragraphs before it).
    qreal BlockOffset(int block);

    // The paragraph's layout (laid out when needed).
    const TVerticalParagraph& Paragraph(int block);
    bool IsLaidOut(int block) const;
    int BlockCount() const { return static_cast<int>(m_blocks.size()); }

    // The same for a UTF-16 index into a paragraph's shaped text (which holds the composition).
    ColumnRef ColumnOfTextIndex(int block, int textIndex, bool atColumnEnd = false,
                                bool exact = true);
    // Distance below the column top of a position's caret in its column.
    qreal CaretY(const ColumnRef& column, int position);
    qreal CaretYText(const ColumnRef& column, int textIndex);
    // Position nearest to a point `y` below the column top in a column; `atColumnEnd` tells
    // whether the result is the end of that column rather than the start of the next.
    int HitTest(const ColumnRef& column, qreal y, bool* atColumnEnd = nullptr);
    // Position of the character drawn at `y` below the column top (the last one of the column
    // below its end), or the column's start when it shows none.
    int CharacterAt(const ColumnRef& column, qreal y);
    // First and one-past-last document positions of a column.
    int ColumnStart(const ColumnRef& column);
    int ColumnEnd(const ColumnRef& column);

    // The largest column pitch of the default font.
    qreal DefaultPitch() const;

signals:
    // Emitted after the document changed and the paragraphs it touched were dropped.
    void Changed(int firstBlock, int lastBlock);

private:
    struct Entry {
        std::unique_ptr<TVerticalParagraph> para;  // null until laid out
        int estColumns = 1;
        float estWidth = 0;
    };

    void OnContentsChange(int from, int removed, int added);
    void Reset();
    void Estimate(int block, const QTextBlock& b);
    void LayOut(int block);
    void BreakColumns(TVerticalParagraph& p, const QTextBlock& b) const;
    void UpdatePrefix();
    qreal Pitch(qreal em) const;

    QPointer<QTextDocument> m_doc;
    TVerticalFontCache m_fonts;
    TVerticalShaper m_shaper;
    std::vector<Entry> m_blocks;
    std::vector<int> m_colPrefix;   // columns before each paragraph (size = blocks + 1)
    std::vector<double> m_xPrefix;  // offset of each paragraph (size = blocks + 1)
    bool m_prefixDirty = true;
    int m_pending = 0;   // paragraphs not laid out
    int m_nextIdle = 0;  // where idle layout goes on
    qreal m_columnHeight = 400;
    qreal m_lineSpacing = 1.6;
    bool m_eager = true;
    QFont m_defaultFont;
    int m_preeditPos = -1;
    QString m_preeditText;
    std::vector<TVerticalPreeditFormat> m_preeditFormats;
};

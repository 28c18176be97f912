#pragma once
// Formats that only the horizontal presentation of a document sees: they are laid over the
// paragraphs' layouts (QTextLayout::setFormats), never stored in the document, its undo stack
// or a saved file.
//
// - Hidden text is laid out with no width and drawn transparent, so it shows nowhere.
// - The base characters of a ruby word are laid out in a font half again as large but drawn
//   as a superscript on the baseline, which Qt draws at two thirds of that size, the base's
//   own: the characters look and advance as before, while their line gets room above for the
//   reading (which THorizontalRuby draws).
//
// One object per document, made on first use and owned by the document; it follows every
// change of the document.

#include <QObject>
#include <QTextBlock>
#include <QTextLayout>

class QTextDocument;

class TDisplayFormats : public QObject {
    Q_OBJECT
public:
    static TDisplayFormats* For(QTextDocument* document);

    // The display formats of a paragraph, as ranges of its text.
    static QList<QTextLayout::FormatRange> RangesFor(const QTextBlock& block,
                                                     const QFont& defaultFont);
    // The format that gives a stored ruby base format room above its line (empty when the
    // characters are raised or lowered already and keep their own look).
    static QTextCharFormat RoomFormat(const QTextCharFormat& stored, const QFont& defaultFont);
    static QTextCharFormat HiddenFormat();
    // Whether a paragraph has display formats laid over it.
    static bool HasDisplayFormats(const QTextBlock& block);

    // Lays a paragraph's display formats over its layout again (a composition shown in the
    // paragraph keeps its own formats).
    void Refresh(const QTextBlock& block);
    void RefreshAll();

private:
    explicit TDisplayFormats(QTextDocument* document);
    void OnContentsChange(int from, int removed, int added);
    // Lays the formats over one paragraph; true when they changed.
    bool Apply(const QTextBlock& block);

    QTextDocument* m_doc;
};

#pragma once
// Shift-JIS byte positions over a QTextDocument.
//
// The document keeps UTF-16 positions; the program counts bytes as code page 932 writes them:
// ASCII, half-width katakana and the two one-byte mappings (U+00A5, U+203E) are one byte, every
// other character is two (also characters that code page 932 cannot hold, a surrogate pair being
// one character), and every paragraph end is two (CR LF). A line separator inside a paragraph
// (Shift+Enter) is written as CR LF as well and counts two.
//
// One index is attached to each document and shared by every view of it. It keeps the byte
// length of each paragraph, updated from the document's change notifications (only the
// paragraphs an edit touched are measured again), and running sums rebuilt lazily from the
// first changed paragraph. A query costs a binary search plus a walk over one paragraph.

#include <QObject>
#include <QString>
#include <vector>

class QTextDocument;

class TSjisByteIndex : public QObject {
    Q_OBJECT
public:
    // The index of doc, created on first use (it lives as a child of the document).
    static TSjisByteIndex* For(QTextDocument* doc);

    // Bytes of one UTF-16 code unit: 1 or 2; a low surrogate counts 0 (its pair counts 2).
    static int UnitBytes(char16_t u);
    // Bytes of a text as it stands (no paragraph ends inside; U+2028 counts 2).
    static int TextBytes(QStringView text);

    int TotalBytes() const;
    int ParagraphCount() const { return int(bytes_.size()); }
    // Bytes before paragraph n (its first byte position).
    int ParagraphStart(int n) const;
    // Bytes of paragraph n without its end.
    int ParagraphBytes(int n) const { return bytes_[size_t(n)]; }

    // Byte position of a document (UTF-16) position.
    int ByteOfPosition(int docPos) const;
    // Document position of a byte position. Positions past the end give the end; a position
    // inside a two-byte character gives that character's start; a position between the two
    // bytes of a paragraph end gives the paragraph's end.
    int PositionOfByte(int bytePos) const;

    // Measures every paragraph again (also done by the first query after a mismatch).
    void Rebuild();

private:
    explicit TSjisByteIndex(QTextDocument* doc);
    void OnContentsChange(int from, int removed, int added);
    void EnsureSums() const;
    void CheckShape() const;

    QTextDocument* doc_;
    std::vector<int> bytes_;         // per paragraph, without its end
    mutable std::vector<int> sums_;  // sums_[n] = bytes before paragraph n
    mutable int dirtyFrom_ = 0;      // sums_ from here on are stale
};

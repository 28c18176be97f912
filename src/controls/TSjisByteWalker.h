#pragma once
// Byte positions and document positions converted one after another in ascending order, for
// work that visits a whole document front to back (find all, replace all). Each answer equals
// TSjisByteIndex::ByteOfPosition / PositionOfByte, but the walker goes on from the previous
// place in the paragraph instead of measuring the paragraph from its start each time.
//
// The index must be up to date with the document while the walker is used; asking for a place
// before the previous one measures its paragraph from the start again.

#include <QString>
#include <QTextBlock>

class QTextDocument;
class TSjisByteIndex;

class TSjisByteWalker {
public:
    TSjisByteWalker(QTextDocument* doc, const TSjisByteIndex* index);

    int ByteOfPosition(int docPos);
    int PositionOfByte(int bytePos);

private:
    void Enter(const QTextBlock& b);
    // Moves the place within the paragraph to offset (UTF-16 units from its start).
    void MoveTo(int offset);

    QTextDocument* doc_;
    const TSjisByteIndex* index_;
    QTextBlock block_;
    QString text_;
    int paragraphStart_ = 0;  // bytes before the paragraph
    int paragraphBytes_ = 0;
    int offset_ = 0;  // the place: UTF-16 units into the paragraph …
    int bytes_ = 0;   // … and the bytes before it in the paragraph
};

// The forward walker answers as the byte index does, for every position of a text with one-byte
// and two-byte characters, half-width katakana, a surrogate pair, a line break, empty and long
// paragraphs; walking forward in steps of any size and jumping back.

#include <gtest/gtest.h>

#include <QTextDocument>

#include "controls/TSjisByteIndex.h"
#include "controls/TSjisByteWalker.h"

namespace {

QString Mixed() {
    return QStringLiteral("ab猫ｱｲ\n\n") + QString::fromUcs4(U"\U00020B9F") +
           QStringLiteral("x") + QChar(QChar::LineSeparator) + QStringLiteral("¥終\nend");
}

TEST(SjisByteWalker, AgreesWithTheIndexWalkingForward) {
    QTextDocument doc;
    doc.setPlainText(Mixed());
    const TSjisByteIndex* index = TSjisByteIndex::For(&doc);
    const int bytes = index->TotalBytes();
    const int chars = doc.characterCount();
    for (int step = 1; step <= 5; ++step) {
        TSjisByteWalker w(&doc, index);
        for (int b = 0; b <= bytes + 2; b += step)
            EXPECT_EQ(w.PositionOfByte(b), index->PositionOfByte(b)) << "byte " << b;
        TSjisByteWalker p(&doc, index);
        for (int pos = 0; pos <= chars; pos += step)
            EXPECT_EQ(p.ByteOfPosition(pos), index->ByteOfPosition(pos)) << "position " << pos;
    }
}

TEST(SjisByteWalker, AgreesWithTheIndexInMixedOrder) {
    QTextDocument doc;
    doc.setPlainText(Mixed());
    const TSjisByteIndex* index = TSjisByteIndex::For(&doc);
    TSjisByteWalker w(&doc, index);
    // Forward, then back into the same paragraph and to the start, then on again.
    for (int b : {3, 4, 9, 1, 12, 13, 0, 20, 14, 24}) {
        const int pos = w.PositionOfByte(b);
        EXPECT_EQ(pos, index->PositionOfByte(b)) << "byte " << b;
        EXPECT_EQ(w.ByteOfPosition(pos), index->ByteOfPosition(pos)) << "position " << pos;
    }
}

}  // namespace

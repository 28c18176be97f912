// Characters in the writer's output: Shift-JIS bytes where code page 932 holds the character,
// \uN where it does not or would give back another one (bytes by iconv: 漢 8abf, ソ 835c, ｱ b1).
#include <gtest/gtest.h>

#include <QTextCursor>
#include <QTextDocument>

#include "RtfTestUtil.h"
#include "rtf/RtfReader.h"
#include "rtf/RtfWriter.h"

using namespace rtftest;

namespace {

struct EncodingCase {
    const char* name;
    QString text;
    const char* written;  // the body's text as the writer puts it
};

const EncodingCase kCases[] = {
    {"Kanji", QStringLiteral("漢"), "\\'8a\\'bf"},
    {"TrailByte5C", QStringLiteral("ソ"), "\\'83\\'5c"},
    {"HalfWidthKana", QStringLiteral("ｱ"), "\\'b1"},
    {"Euro", QStringLiteral("€"), "\\u8364?"},
    {"YenComesBackAsItself", QStringLiteral("¥"), "\\u165?"},
    {"WaveDash", QString(QChar(0x301C)), "\\u12316?"},
    {"Emoji", QStringLiteral("😀"), "\\u-10179?\\u-8704?"},
    {"EuroBetweenKanji", QStringLiteral("漢€漢"), "\\'8a\\'bf\\u8364?\\'8a\\'bf"},
    // A surrogate without its pair is kept as it is, not turned into U+FFFD.
    {"LoneHighSurrogate", QString(QChar(0xD83D)) + QStringLiteral("漢"), "\\u-10179?\\'8a\\'bf"},
    {"LoneLowSurrogate", QString(QChar(0xDE00)), "\\u-8704?"},
};

TEST(RtfWriterEncoding, CharactersAreWrittenAndReadBack) {
    for (const EncodingCase& c : kCases) {
        SCOPED_TRACE(c.name);
        QTextDocument doc;
        QTextCursor(&doc).insertText(c.text);
        const std::string rtf = RtfWriter::Write(doc);
        EXPECT_NE(rtf.find(std::string(" ") + c.written + "\r\n\\par }"), std::string::npos) << rtf;
        QTextDocument again;
        ASSERT_TRUE(RtfReader::ReadDocument(rtf, again).ok);
        EXPECT_EQ(again.toPlainText(), c.text);
    }
}

TEST(RtfWriterEncoding, LongMixedTextComesBack) {
    QString text;
    const QString pieces[] = {QStringLiteral("€"),    QStringLiteral("猫"), QStringLiteral("😀"),
                              QStringLiteral("ｶ"),    QStringLiteral("a"),  QStringLiteral("ソ"),
                              QString(QChar(0x2212)), QStringLiteral("Ω")};
    for (int i = 0; i < 30000; ++i) text += pieces[(i * 7 + i / 3) % 8];
    QTextDocument doc;
    QTextCursor(&doc).insertText(text);
    QTextDocument again;
    ASSERT_TRUE(RtfReader::ReadDocument(RtfWriter::Write(doc), again).ok);
    EXPECT_TRUE(again.toPlainText() == text);
}

}  // namespace

// Rich text through the document commands: which extensions read and write RTF, and what
// happens to a file under an RTF extension that is not RTF.

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTextBlock>

#include "DocumentFilesTestSupport.h"
#include "SofficeConversions.h"

namespace {

using doctest::Harness;
using doctest::ReadAll;
using doctest::WriteAll;

// "太字" in bold, then "普通", as WordPad writes it (太 91BE, 字 8E9A, 普 9591, 通 92CA).
const QByteArray kRtf =
    "{\\rtf1\\ansi\\ansicpg932\\deff0{\\fonttbl{\\f0\\fcharset128 MS PGothic;}}"
    "\\f0\\fs22 {\\b \\'91\\'be\\'8e\\'9a}\\'95\\'81\\'92\\'ca\\par}";

bool FirstCharBold(const QTextDocument& doc) {
    QTextCursor c(const_cast<QTextDocument*>(&doc));
    c.setPosition(1);
    return c.charFormat().fontWeight() >= QFont::Bold;
}

struct ReadCase {
    const char* name;
    const char* file;
    bool rich;
};

class DocumentFilesRtfRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(DocumentFilesRtfRead, ExtensionDecidesHowRtfBytesAreRead) {
    const ReadCase& c = GetParam();
    Harness h;
    WriteAll(h.path(c.file), kRtf);
    h.files.setDocumentPath(h.path(c.file));
    ASSERT_TRUE(h.files.Load());
    if (c.rich) {
        EXPECT_EQ(h.doc.toPlainText(), QStringLiteral("太字普通"));
        EXPECT_TRUE(FirstCharBold(h.doc));
    } else {
        // Plain text: the RTF source itself, in the default font.
        EXPECT_TRUE(h.doc.toPlainText().startsWith(QStringLiteral("{\\rtf1")));
        EXPECT_FALSE(FirstCharBold(h.doc));
    }
    EXPECT_FALSE(h.doc.isModified());
    EXPECT_EQ(h.files.savedPath(), h.path(c.file));
}

INSTANTIATE_TEST_SUITE_P(
    Table, DocumentFilesRtfRead,
    ::testing::Values(ReadCase{"Rtf", "a.rtf", true}, ReadCase{"RTF", "a.RTF", true},
                      ReadCase{"Wri", "a.wri", true}, ReadCase{"ShortR", "a.r", true},
                      ReadCase{"MixedCase", "a.Rtf", false}, ReadCase{"Txt", "a.txt", false}),
    [](const ::testing::TestParamInfo<ReadCase>& i) { return std::string(i.param.name); });

TEST(DocumentFilesRtfRead, NotRtfUnderAnRtfExtensionIsReadAgainAsPlainText) {
    Harness h;
    WriteAll(h.path("memo.rtf"), "\x82\xA0\x82\xA2\r\nabc");  // あい / abc in Shift-JIS
    h.files.setDocumentPath(h.path("memo.rtf"));
    ASSERT_TRUE(h.files.Load());
    EXPECT_EQ(h.doc.toPlainText(), QStringLiteral("あい\nabc"));
    EXPECT_TRUE(MessageService::History().isEmpty());
}

TEST(DocumentFilesRtfRead, ShortRSavesAsPlainTextAfterTheFormatQuestion) {
    Harness h;
    WriteAll(h.path("a.r"), kRtf);
    h.files.setDocumentPath(h.path("a.r"));
    ASSERT_TRUE(h.files.Load());
    h.doc.setModified(true);
    MessageService::QueueAnswers({QMessageBox::Yes});
    EXPECT_EQ(h.files.Save(), DocumentFiles::WriteResult::Written);
    EXPECT_EQ(MessageService::History().size(), 1);  // bold and plain: formatting varies
    EXPECT_EQ(ReadAll(h.path("a.r")), QByteArray("\x91\xBE\x8E\x9A\x95\x81\x92\xCA"));
}

TEST(DocumentFilesRtfRead, EverySampleDocumentOpensWithText) {
    const char* samples[] = {"richedit-multibyte-hex.rtf", "richedit-nec-characters.rtf",
                             "libreoffice-formatted.rtf",  "libreoffice-fdo45543.rtf",
                             "libreoffice-tdf129578.rtf",  "word-cjklist12.rtf",
                             "word-formatting.rtf",        "word-list-complex.rtf"};
    for (const char* s : samples) {
        Harness h;
        h.files.setDocumentPath(QStringLiteral(ORIMAKI_TESTDATA "/rtf/") + QString::fromLatin1(s));
        ASSERT_TRUE(h.files.Load()) << s;
        EXPECT_FALSE(h.doc.toPlainText().trimmed().isEmpty()) << s;
        EXPECT_FALSE(h.doc.toPlainText().startsWith(QStringLiteral("{\\rtf"))) << s;
        EXPECT_TRUE(MessageService::History().isEmpty()) << s;
    }
}

TEST(DocumentFilesRtfRead, LibreOfficesNovelOpensWithTheWholeText) {
    Harness h;
    h.files.setDocumentPath(QStringLiteral(ORIMAKI_TESTDATA "/rtf/libreoffice-wagahai.rtf"));
    ASSERT_TRUE(h.files.Load());
    QString expected = doctest::IconvToUtf8(
        QStringLiteral("CP932"), QStringLiteral(ORIMAKI_TESTDATA "/text/wagahai.sjis.txt"));
    // LibreOffice cut the novel's longest paragraph in two when it wrote this RTF, so the
    // characters are compared without the paragraph ends.
    expected.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    const QString text = DocumentFiles::PlainText(&h.doc).remove(QLatin1Char('\n'));
    EXPECT_EQ(text.size(), expected.size());
    EXPECT_TRUE(text == expected);
}

struct WriteCase {
    const char* name;
    const char* file;
};

class DocumentFilesRtfWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(DocumentFilesRtfWrite, FormattingSurvivesSaveAndReopenWithoutAQuestion) {
    const WriteCase& c = GetParam();
    Harness h;
    QTextCharFormat bold = h.files.defaultCharFormat();
    bold.setFontWeight(QFont::Bold);
    h.Type(QStringLiteral("太字"), bold);
    h.Type(QStringLiteral("普通😀"));
    h.saveAnswers << h.path(c.file);
    ASSERT_EQ(h.files.SaveAs(), DocumentFiles::WriteResult::Written);
    EXPECT_TRUE(MessageService::History().isEmpty());  // rich text keeps everything
    EXPECT_TRUE(ReadAll(h.path(c.file)).startsWith("{\\rtf1"));

    Harness again;
    again.files.setDocumentPath(h.path(c.file));
    ASSERT_TRUE(again.files.Load());
    EXPECT_EQ(again.doc.toPlainText(), QStringLiteral("太字普通😀"));
    EXPECT_TRUE(FirstCharBold(again.doc));
}

INSTANTIATE_TEST_SUITE_P(Table, DocumentFilesRtfWrite,
                         ::testing::Values(WriteCase{"Rtf", "s.rtf"}, WriteCase{"RTF", "s.RTF"},
                                           WriteCase{"Wri", "s.wri"}, WriteCase{"WRI", "s.WRI"}),
                         [](const ::testing::TestParamInfo<WriteCase>& i) {
                             return std::string(i.param.name);
                         });

// LibreOffice, an independent reader, sees the same text in what we saved.
TEST(DocumentFilesRtfWrite, LibreOfficeReadsTheSavedNovel) {
    if (!soffice::Available()) GTEST_SKIP() << "no LibreOffice";
    Harness h;
    const QString novel = QStringLiteral(ORIMAKI_TESTDATA "/text/wagahai.sjis.txt");
    h.files.setDocumentPath(novel);
    ASSERT_TRUE(h.files.Load());
    h.saveAnswers << h.path("novel.rtf");
    ASSERT_EQ(h.files.SaveAs(), DocumentFiles::WriteResult::Written);
    ASSERT_TRUE(soffice::Convert({h.path("novel.rtf").toStdString()}, "txt:Text (encoded):UTF8",
                                 h.dir.path().toStdString()));
    QString office = QString::fromUtf8(ReadAll(h.path("novel.txt")));
    if (office.startsWith(QChar(0xFEFF))) office.remove(0, 1);
    office.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QString expected = doctest::IconvToUtf8(QStringLiteral("CP932"), novel);
    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // LibreOffice ends the text with one line end of its own.
    while (office.endsWith(QLatin1Char('\n'))) office.chop(1);
    while (expected.endsWith(QLatin1Char('\n'))) expected.chop(1);
    EXPECT_EQ(office.size(), expected.size());
    EXPECT_TRUE(office == expected);
}

}  // namespace

// The document commands: questions, untitled names, overwrite rule, drop, failed writes and
// plain-text encodings.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <QFileInfo>

#include "DocumentFilesTestSupport.h"
#include "core/TextEncoding.h"

namespace {

using doctest::Harness;
using doctest::ReadAll;
using doctest::WriteAll;

const QString kFormatQuestion = QStringLiteral(
    "このファイルはテキスト形式で保存されます。\n書式情報は保存されませんがよろしいですか？");
const QString kNewPrompt = QStringLiteral("編集中のファイルは変更されています。\n保存しますか？");
const QString kOpenPrompt = QStringLiteral("このファイルは変更されています。\n保存しますか？");

QTextCharFormat Font(const QString& family) {
    QTextCharFormat f;
    f.setFontFamilies({family});
    f.setFontPointSize(11);
    return f;
}

TEST(DocumentFilesSave, UniformTextSavedAsTxtWithoutQuestionAsShiftJisCrLf) {
    Harness h;
    h.Type(QStringLiteral("吾輩は猫\nである"));
    h.saveAnswers << h.path(QStringLiteral("a.txt"));
    EXPECT_EQ(h.files.SaveAs(), DocumentFiles::WriteResult::Written);
    EXPECT_TRUE(MessageService::History().isEmpty());
    // 吾 8CE1 輩 9479 は 82CD 猫 944C / で 82C5 あ 82A0 る 82E9 (code page 932 table).
    EXPECT_EQ(ReadAll(h.path("a.txt")),
              QByteArray("\x8C\xE1\x94\x79\x82\xCD\x94\x4C\r\n\x82\xC5\x82\xA0\x82\xE9"));
    EXPECT_FALSE(h.doc.isModified());
    EXPECT_EQ(h.files.savedPath(), h.path("a.txt"));
}

struct FormatCase {
    const char* name;
    const char* file;
    QMessageBox::StandardButton answer;
    bool written;
};

class DocumentFilesFormatQuestion : public ::testing::TestWithParam<FormatCase> {};

TEST_P(DocumentFilesFormatQuestion, VariedFormattingAsksBeforePlainText) {
    const FormatCase& c = GetParam();
    Harness h;
    h.Type(QStringLiteral("abc"), Font(QStringLiteral("IPAGothic")));
    h.Type(QStringLiteral("def"), Font(QStringLiteral("IPAMincho")));
    h.doc.setModified(true);
    h.saveAnswers << h.path(c.file);
    MessageService::QueueAnswers({c.answer});
    h.files.SaveAs();
    ASSERT_EQ(h.MessageTexts(), QStringList{kFormatQuestion});
    EXPECT_EQ(MessageService::History().first().buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(QFileInfo::exists(h.path(c.file)), c.written);
    EXPECT_EQ(h.doc.isModified(), !c.written);
    if (c.written) {
        EXPECT_EQ(ReadAll(h.path(c.file)), QByteArray("abcdef"));
    }
    // The path was taken whatever the answer.
    EXPECT_EQ(h.files.documentPath(), h.path(c.file));
}

INSTANTIATE_TEST_SUITE_P(
    Table, DocumentFilesFormatQuestion,
    ::testing::Values(FormatCase{"TxtNo", "b.txt", QMessageBox::No, false},
                      FormatCase{"TxtYes", "b.txt", QMessageBox::Yes, true},
                      // Mixed case is not a rich-text extension for writing.
                      FormatCase{"MixedCaseRtf", "b.Rtf", QMessageBox::Yes, true},
                      // ".r" reads as rich text but writes as plain text.
                      FormatCase{"ShortR", "b.r", QMessageBox::No, false}),
    [](const ::testing::TestParamInfo<FormatCase>& i) { return std::string(i.param.name); });

TEST(DocumentFilesSave, BoldOrColourAloneIsVariedFormatting) {
    for (int kind = 0; kind < 2; ++kind) {
        Harness h;
        QTextCharFormat f = h.files.defaultCharFormat();
        h.Type(QStringLiteral("abc"));
        if (kind == 0)
            f.setFontWeight(QFont::Bold);
        else
            f.setForeground(Qt::red);
        h.Type(QStringLiteral("d"), f);
        EXPECT_FALSE(DocumentFiles::HasUniformFormatting(&h.doc)) << kind;
    }
}

TEST(DocumentFilesUntitled, NewFileTakesTheFirstFreeNumber) {
    Harness h;
    WriteAll(h.path(QStringLiteral("新規文書.wri")), "x");
    WriteAll(h.path(QStringLiteral("新規文書(2).wri")), "x");
    h.files.setDocumentPath(h.path(QStringLiteral("memo.txt")));
    h.files.NewFile();
    EXPECT_EQ(h.files.documentPath(), h.path(QStringLiteral("新規文書(3).wri")));
    EXPECT_TRUE(h.files.savedPath().isEmpty());
    EXPECT_EQ(h.addresses.value(0), h.path(QStringLiteral("新規文書(3).wri")));
    EXPECT_FALSE(h.doc.isModified());
}

TEST(DocumentFilesOverwrite, OnlyAnotherExistingFileIsAskedAbout) {
    Harness h;
    WriteAll(h.path("loaded.txt"), "old");
    WriteAll(h.path("other.txt"), "other");
    h.files.setDocumentPath(h.path("loaded.txt"));
    ASSERT_TRUE(h.files.Load());
    h.Type(QStringLiteral("+new"));
    // Saving the loaded file again: no question.
    EXPECT_EQ(h.files.Save(), DocumentFiles::WriteResult::Written);
    EXPECT_TRUE(MessageService::History().isEmpty());
    EXPECT_EQ(ReadAll(h.path("loaded.txt")), QByteArray("old+new"));
    // Save as another existing file: asked; No leaves it alone, the path already changed.
    h.Type(QStringLiteral("!"));
    h.saveAnswers << h.path("other.txt");
    MessageService::QueueAnswers({QMessageBox::No});
    EXPECT_EQ(h.files.SaveAs(), DocumentFiles::WriteResult::Declined);
    ASSERT_EQ(MessageService::History().size(), 1);
    EXPECT_EQ(MessageService::History()[0].text,
              h.path("other.txt") +
                  QStringLiteral("\nこのファイルはすでに存在します。\n上書きしますか？"));
    EXPECT_EQ(MessageService::History()[0].icon, QMessageBox::Warning);
    EXPECT_EQ(ReadAll(h.path("other.txt")), QByteArray("other"));
    EXPECT_EQ(h.files.documentPath(), h.path("other.txt"));
    EXPECT_EQ(h.files.savedPath(), h.path("loaded.txt"));
    // So the next plain save asks again; Yes writes.
    MessageService::QueueAnswers({QMessageBox::Yes});
    EXPECT_EQ(h.files.Save(), DocumentFiles::WriteResult::Written);
    EXPECT_EQ(MessageService::History().size(), 2);
    EXPECT_EQ(ReadAll(h.path("other.txt")), QByteArray("old+new!"));
}

TEST(DocumentFilesPrompt, NewAndOpenAskTheirOwnTextAndCancelChangesNothing) {
    Harness h;
    h.Type(QStringLiteral("keep me"));
    h.doc.setModified(true);
    const QString before = h.files.documentPath();
    MessageService::QueueAnswers({QMessageBox::Cancel, QMessageBox::Cancel});
    h.files.NewFile();
    h.files.Open();
    EXPECT_EQ(h.MessageTexts(), (QStringList{kNewPrompt, kOpenPrompt}));
    EXPECT_EQ(MessageService::History()[0].buttons,
              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(h.doc.toPlainText(), QStringLiteral("keep me"));
    EXPECT_TRUE(h.doc.isModified());
    EXPECT_EQ(h.files.documentPath(), before);
    EXPECT_EQ(h.openDialogs, 0);
}

TEST(DocumentFilesPrompt, YesWithCancelledSaveAsStillClears) {
    Harness h;
    h.Type(QStringLiteral("draft"));
    h.doc.setModified(true);
    MessageService::QueueAnswers({QMessageBox::Yes});
    h.saveAnswers << QString();  // the save-as dialog is cancelled
    h.files.NewFile();
    EXPECT_EQ(h.saveDialogs, 1);
    EXPECT_TRUE(h.doc.toPlainText().isEmpty());
    EXPECT_FALSE(h.doc.isModified());
}

TEST(DocumentFilesPrompt, NoGoesOnAndYesSavesFirst) {
    Harness h;
    WriteAll(h.path("next.txt"), "next");
    h.Type(QStringLiteral("draft"));
    h.doc.setModified(true);
    MessageService::QueueAnswers({QMessageBox::Yes});
    h.saveAnswers << h.path("draft.txt");
    h.openAnswers << h.path("next.txt");
    h.files.Open();
    EXPECT_EQ(ReadAll(h.path("draft.txt")), QByteArray("draft"));
    EXPECT_EQ(h.doc.toPlainText(), QStringLiteral("next"));
    EXPECT_EQ(h.files.savedPath(), h.path("next.txt"));
}

TEST(DocumentFilesDrop, OnlyExactlyOneFileIsTaken) {
    Harness h;
    WriteAll(h.path("one.txt"), "one");
    WriteAll(h.path("two.txt"), "two");
    h.Type(QStringLiteral("draft"));
    h.doc.setModified(true);
    int raised = 0;
    h.files.hooks().raiseWindow = [&] { ++raised; };
    h.files.Drop({h.path("one.txt"), h.path("two.txt")});
    EXPECT_TRUE(MessageService::History().isEmpty());  // not even the prompt
    EXPECT_EQ(h.doc.toPlainText(), QStringLiteral("draft"));
    EXPECT_EQ(raised, 0);
    MessageService::QueueAnswers({QMessageBox::No});
    h.files.Drop({h.path("one.txt")});
    EXPECT_EQ(h.MessageTexts(), QStringList{kOpenPrompt});
    EXPECT_EQ(raised, 1);
    EXPECT_EQ(h.doc.toPlainText(), QStringLiteral("one"));
    EXPECT_EQ(h.files.documentPath(), h.path("one.txt"));
}

TEST(DocumentFilesDrop, AFolderClearsButKeepsThePath) {
    Harness h;
    h.files.setDocumentPath(h.path("memo.txt"));
    h.Type(QStringLiteral("x"));
    h.doc.setModified(false);
    h.files.Drop({h.dir.path()});
    EXPECT_TRUE(h.doc.toPlainText().isEmpty());
    EXPECT_EQ(h.files.documentPath(), h.path("memo.txt"));
}

// A write that cannot complete: the old file stays as it was, the document stays modified
// and the user is told.
TEST(DocumentFilesFailedWrite, ParentIsAFile) {
    Harness h;
    WriteAll(h.path("plain"), "I am a file");
    h.Type(QStringLiteral("text"));
    h.doc.setModified(true);
    h.saveAnswers << h.path("plain/memo.txt");
    MessageService::QueueAnswers({QMessageBox::Ok});
    EXPECT_EQ(h.files.SaveAs(), DocumentFiles::WriteResult::Failed);
    ASSERT_EQ(MessageService::History().size(), 1);
    EXPECT_EQ(MessageService::History()[0].caption, QStringLiteral("エラー表示"));
    EXPECT_TRUE(MessageService::History()[0].text.startsWith(
        QStringLiteral("ファイルを保存できませんでした。")));
    EXPECT_TRUE(h.doc.isModified());
    EXPECT_TRUE(h.files.savedPath().isEmpty());
    EXPECT_EQ(ReadAll(h.path("plain")), QByteArray("I am a file"));
}

TEST(DocumentFilesFailedWrite, DiskFullKeepsTheOldFile) {
    Harness h;
    const QByteArray old = "the old text";
    WriteAll(h.path("memo.txt"), old);
    h.files.setDocumentPath(h.path("memo.txt"));
    ASSERT_TRUE(h.files.Load());
    h.Type(QString(20000, QLatin1Char('x')));
    ASSERT_TRUE(h.doc.isModified());
    // The file-size limit stands in for a full disk: every write past 4096 bytes fails.
    signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    MessageService::QueueAnswers({QMessageBox::Ok});
    const auto result = h.files.Save();
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(result, DocumentFiles::WriteResult::Failed);
    EXPECT_EQ(ReadAll(h.path("memo.txt")), old);
    EXPECT_TRUE(h.doc.isModified());
    EXPECT_EQ(QDir(h.dir.path()).entryList(QDir::Files), QStringList{"memo.txt"});
}

TEST(DocumentFilesFailedWrite, TheModifiedPromptStopsWhenTheSaveFails) {
    Harness h;
    WriteAll(h.path("plain"), "file");
    h.Type(QStringLiteral("precious"));
    h.doc.setModified(true);
    h.saveAnswers << h.path("plain/x.txt");
    MessageService::QueueAnswers({QMessageBox::Yes, QMessageBox::Ok});
    h.files.NewFile();
    EXPECT_EQ(h.doc.toPlainText(), QStringLiteral("precious"));
    EXPECT_TRUE(h.doc.isModified());
}

struct UnmappableCase {
    const char* name;
    QMessageBox::StandardButton answer;
    bool written;
};

class DocumentFilesUnmappable : public ::testing::TestWithParam<UnmappableCase> {};

TEST_P(DocumentFilesUnmappable, CharactersOutsideCp932AreNamedBeforeAShiftJisSave) {
    const UnmappableCase& c = GetParam();
    Harness h;
    h.Type(QStringLiteral("猫😀と𠮷"));
    h.saveAnswers << h.path("emoji.txt");
    MessageService::QueueAnswers({c.answer});
    h.files.SaveAs();
    ASSERT_EQ(MessageService::History().size(), 1);
    const QString text = MessageService::History()[0].text;
    EXPECT_TRUE(text.contains(QStringLiteral("「😀」(U+1F600)"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("「𠮷」(U+20BB7)"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("「猫」")));
    EXPECT_EQ(QFileInfo::exists(h.path("emoji.txt")), c.written);
    // 猫 944C, と 82C6 in code page 932.
    if (c.written) {
        EXPECT_EQ(ReadAll(h.path("emoji.txt")), QByteArray("\x94\x4C?\x82\xC6?"));
    }
    EXPECT_EQ(h.doc.isModified(), !c.written);
}

INSTANTIATE_TEST_SUITE_P(Table, DocumentFilesUnmappable,
                         ::testing::Values(UnmappableCase{"No", QMessageBox::No, false},
                                           UnmappableCase{"Yes", QMessageBox::Yes, true}),
                         [](const ::testing::TestParamInfo<UnmappableCase>& i) {
                             return std::string(i.param.name);
                         });

TEST(DocumentFilesUnmappable, AUtf8FileKeepsEveryCharacterWithoutAsking) {
    Harness h;
    const QByteArray bytes = "\xE7\x8C\xAB\xF0\x9F\x98\x80\n";  // 猫😀 in UTF-8
    WriteAll(h.path("u.txt"), bytes);
    h.files.setDocumentPath(h.path("u.txt"));
    ASSERT_TRUE(h.files.Load());
    h.Type(QStringLiteral("𠮷"));
    EXPECT_EQ(h.files.Save(), DocumentFiles::WriteResult::Written);
    EXPECT_TRUE(MessageService::History().isEmpty());
    EXPECT_EQ(ReadAll(h.path("u.txt")), bytes + QByteArray("\xF0\xA0\xAE\xB7"));
}

struct TestDataCase {
    const char* file;
    const char* iconvName;
    const char* label;
};

class DocumentFilesTestData : public ::testing::TestWithParam<TestDataCase> {};

TEST_P(DocumentFilesTestData, OpensWithTheRightTextAndSavesTheSameBytes) {
    const TestDataCase& c = GetParam();
    Harness h;
    const QString source = QStringLiteral(ORIMAKI_TESTDATA "/text/") + QString::fromLatin1(c.file);
    const QString copy = h.path(QString::fromLatin1(c.file) + QStringLiteral(".txt"));
    ASSERT_TRUE(QFile::copy(source, copy));
    h.openAnswers << copy;
    h.files.Open();
    QString expected = doctest::IconvToUtf8(QString::fromLatin1(c.iconvName), source);
    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_TRUE(DocumentFiles::PlainText(&h.doc) == expected);
    EXPECT_EQ(h.files.encodingLabel(), QString::fromLatin1(c.label));
    EXPECT_TRUE(MessageService::History().isEmpty());
    EXPECT_EQ(h.files.Save(), DocumentFiles::WriteResult::Written);
    EXPECT_TRUE(ReadAll(copy) == ReadAll(source)) << "not byte for byte";
}

INSTANTIATE_TEST_SUITE_P(Text, DocumentFilesTestData,
                         ::testing::Values(TestDataCase{"wagahai.sjis.txt", "CP932", ""},
                                           TestDataCase{"tutor.ja.sjis", "CP932",
                                                        " [Shift-JIS LF]"},
                                           TestDataCase{"tutor.ja.euc", "EUC-JP", " [EUC-JP LF]"},
                                           TestDataCase{"tutor.ja.utf-8", "UTF-8", " [UTF-8 LF]"}));

struct EncodingCase {
    const char* name;
    const char* iconvName;
    QByteArray prefix;  // byte-order mark
};

class DocumentFilesEncodings : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(DocumentFilesEncodings, ReadAsSuchAndWrittenBackTheSameWay) {
    const EncodingCase& c = GetParam();
    Harness h;
    const QByteArray utf8 = QStringLiteral("縦書き、\r\nｶﾅとー\r\n").toUtf8();
    const QByteArray bytes = c.prefix + doctest::IconvFromUtf8(c.iconvName, utf8);
    WriteAll(h.path("f.txt"), bytes);
    h.files.setDocumentPath(h.path("f.txt"));
    ASSERT_TRUE(h.files.Load());
    EXPECT_EQ(h.doc.toPlainText(), QStringLiteral("縦書き、\nｶﾅとー\n"));
    h.Type(QStringLiteral("末"));
    ASSERT_EQ(h.files.Save(), DocumentFiles::WriteResult::Written);
    const QByteArray more = QStringLiteral("縦書き、\r\nｶﾅとー\r\n末").toUtf8();
    EXPECT_EQ(ReadAll(h.path("f.txt")), c.prefix + doctest::IconvFromUtf8(c.iconvName, more));
}

INSTANTIATE_TEST_SUITE_P(
    Table, DocumentFilesEncodings,
    ::testing::Values(EncodingCase{"Sjis", "CP932", QByteArray()},
                      EncodingCase{"Euc", "EUC-JP", QByteArray()},
                      EncodingCase{"Utf8", "UTF-8", QByteArray()},
                      EncodingCase{"Utf8Bom", "UTF-8", QByteArray("\xEF\xBB\xBF")},
                      EncodingCase{"Utf16Le", "UTF-16LE", QByteArray("\xFF\xFE")},
                      EncodingCase{"Utf16Be", "UTF-16BE", QByteArray("\xFE\xFF")}),
    [](const ::testing::TestParamInfo<EncodingCase>& i) { return std::string(i.param.name); });

TEST(DocumentFilesLoad, AMissingFileIsReportedAndNothingIsMarkedSaved) {
    Harness h;
    h.files.setDocumentPath(h.path("missing.txt"));
    MessageService::QueueAnswers({QMessageBox::Ok});
    EXPECT_FALSE(h.files.Load());
    ASSERT_EQ(MessageService::History().size(), 1);
    EXPECT_TRUE(MessageService::History()[0].text.startsWith(
        QStringLiteral("ファイルを開けませんでした。")));
    EXPECT_TRUE(h.files.savedPath().isEmpty());
}

TEST(DocumentFilesLoad, BrokenBytesAreShownAndWarnedAbout) {
    Harness h;
    WriteAll(h.path("b.txt"), "\x82\xA0\x82");  // あ and a cut lead byte
    h.files.setDocumentPath(h.path("b.txt"));
    MessageService::QueueAnswers({QMessageBox::Ok});
    ASSERT_TRUE(h.files.Load());
    EXPECT_EQ(h.doc.toPlainText(), QStringLiteral("あ\uFFFD"));
    ASSERT_EQ(MessageService::History().size(), 1);
    EXPECT_EQ(MessageService::History()[0].icon, QMessageBox::Warning);
}

TEST(DocumentFilesCommandLine, LongFormPath) {
    Harness h;
    QDir(h.dir.path()).mkpath(QStringLiteral("sub"));
    WriteAll(h.path("sub/a.txt"), "a");
    const QString root = h.dir.path();
    EXPECT_EQ(DocumentFiles::LongFormPath(root + "/sub/../sub/./a.txt"), root + "/sub/a.txt");
    EXPECT_EQ(DocumentFiles::LongFormPath(root + "/sub/none.txt"), root + "/sub/");
    EXPECT_EQ(DocumentFiles::LongFormPath(root + "/nofolder/a.txt"),
              QStringLiteral("ファイルは存在しません。/a.txt"));
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(root);
    EXPECT_EQ(DocumentFiles::LongFormPath(QStringLiteral("sub/a.txt")), root + "/sub/a.txt");
    QDir::setCurrent(cwd);
}

TEST(DocumentFilesCommandLine, OpensTheFileAndShowsItsAddress) {
    Harness h;
    WriteAll(h.path("c.txt"), "\x82\xA0");
    h.files.OpenFromCommandLine(h.path("c.txt"));
    EXPECT_EQ(h.doc.toPlainText(), QStringLiteral("あ"));
    EXPECT_EQ(h.files.savedPath(), h.path("c.txt"));
    EXPECT_EQ(h.addresses.value(0), h.path("c.txt"));
    EXPECT_FALSE(h.doc.isModified());
}

}  // namespace

// Messages of failed file operations are Japanese; the system's own words, when it gave any,
// follow in brackets after a Japanese reason.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "DocumentFilesTestSupport.h"

namespace {

using doctest::Harness;
using doctest::WriteAll;

struct FailureCase {
    const char* what;
    std::function<void(Harness&)> act;
    QString firstLine;
    QString reasonLine;  // worked out from the C library's text for the failure
};

const FailureCase kFailures[] = {
    {"open a missing file",
     [](Harness& h) {
         h.files.setDocumentPath(h.path("missing.txt"));
         h.files.Load();
     },
     QStringLiteral("ファイルを開けませんでした。"),
     QStringLiteral("ファイルまたはフォルダが見つかりません（No such file or directory）")},
    {"open a folder",
     [](Harness& h) {
         QDir(h.dir.path()).mkdir(QStringLiteral("folder.txt"));
         h.files.setDocumentPath(h.path("folder.txt"));
         h.files.Load();
     },
     QStringLiteral("ファイルを開けませんでした。"),
     QStringLiteral("ファイルではなくフォルダです（file to open is a directory）")},
    {"save below a file",
     [](Harness& h) {
         WriteAll(h.path("plain"), "I am a file");
         h.Type(QStringLiteral("text"));
         h.saveAnswers << h.path("plain/memo.txt");
         h.files.SaveAs();
     },
     QStringLiteral("ファイルを保存できませんでした。"),
     QStringLiteral("パスの途中にフォルダではないものがあります（Not a directory）")},
};

class FailureMessageTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(FailureMessageTest, IsJapaneseWithTheSystemsWordsInBrackets) {
    Harness h;
    MessageService::QueueAnswers({QMessageBox::Ok});
    GetParam().act(h);
    ASSERT_EQ(MessageService::History().size(), 1) << GetParam().what;
    const QStringList lines = MessageService::History()[0].text.split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 3) << GetParam().what;
    EXPECT_EQ(lines[0], GetParam().firstLine) << GetParam().what;
    EXPECT_TRUE(lines[1].startsWith(h.dir.path())) << GetParam().what;  // the file's path
    const QString reason = lines[2];
    if (std::any_of(reason.begin(), reason.end(), [](QChar c) { return c.unicode() < 0x80; })) {
        EXPECT_EQ(reason, GetParam().reasonLine) << GetParam().what;
    } else {
        // Once the toolkit's Japanese translation is loaded (another test loads it), the
        // toolkit gives its reasons in Japanese itself: they are shown as they are.
        EXPECT_FALSE(reason.isEmpty()) << GetParam().what;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, FailureMessageTest, ::testing::ValuesIn(kFailures));

}  // namespace

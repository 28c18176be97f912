#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "controls/ColorListLoader.h"
#include "controls/MessageService.h"
#include "controls/QtColor.h"
#include "controls/TColorLookupComboBox.h"
#include "controls/TColorSwatchDelegate.h"
#include "core/ColorListFile.h"
#include "core/Cp932.h"

namespace {

using Box = TColorLookupComboBox;

const char* const kFiles[] = {"KanjiColor.txt", "KanaColor.txt",   "HTMLAColor.txt",
                              "HTMLKColor.txt", "MacWinColor.txt", "UserColor.txt"};

class ColorListLoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        MessageService::ClearHistory();
        MessageService::SetResponder({});
    }
    void TearDown() override { MessageService::SetResponder({}); }

    // Writes a list file in Shift-JIS with CR LF.
    void Write(const char* name, const std::string& utf8Text) {
        QFile f(QDir(dir_.path()).filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        std::string bytes = Cp932::ToSjis(utf8Text);
        f.write(bytes.data(), qint64(bytes.size()));
    }
    void WriteAll() {
        for (const char* name : kFiles) Write(name, std::string(name) + "の色=$010203\r\n");
    }
    QString Folder() const { return dir_.path() + "/"; }

    QTemporaryDir dir_;
};

TEST_F(ColorListLoaderTest, ReadsTheFileOfTheTypeAndSetsItsWidth) {
    WriteAll();
    Write("HTMLAColor.txt", "AliceBlue=$FFF8F0\r\nAqua=$FFFF00\r\n#comment\r\n");
    Box box;
    box.setSelection(Box::csSystemJ | Box::csCustom);
    EXPECT_EQ(ColorListLoader::Load(&box, 2, Folder(), nullptr, nullptr),
              ColorListLoader::Result::Loaded);
    EXPECT_TRUE(MessageService::History().isEmpty());
    EXPECT_EQ(box.width(), 185);
    EXPECT_EQ(box.selection(), Box::csSystemJ | Box::csCustom | Box::csExtended);
    ASSERT_EQ(box.count(), 16 + 2 + 1);
    EXPECT_EQ(box.itemText(16), "AliceBlue");
    EXPECT_EQ(box.itemData(17, TColorSwatchDelegate::ColorRole).toUInt(), 0x00FFFF00u);
}

TEST_F(ColorListLoaderTest, WidthsOfEveryType) {
    WriteAll();
    const int widths[] = {165, 240, 185, 200, 200, 250};
    for (int type = 0; type < 6; ++type) {
        Box box;
        ColorListLoader::Load(&box, type, Folder(), nullptr, nullptr);
        EXPECT_EQ(box.width(), widths[type]);
        ASSERT_EQ(box.count(), 17);
        EXPECT_EQ(box.itemText(16), QString(kFiles[type]) + "の色");
    }
}

TEST_F(ColorListLoaderTest, KeepsTheChosenColourAddingItWhenTheListLacksIt) {
    WriteAll();
    Box box;
    box.setSelection(Box::csSystemJ | Box::csCustom);
    box.setColorAsker([](TColor& c) {
        c = 0x00ABCDEF;
        return true;
    });
    box.setCurrentIndex(16);
    emit box.activated(16);  // "その他..." gives a colour no list has
    ASSERT_EQ(box.color(), 0x00ABCDEFu);
    ColorListLoader::Load(&box, 5, Folder(), nullptr, nullptr);
    EXPECT_EQ(box.color(), 0x00ABCDEFu);
    ASSERT_EQ(box.count(), 16 + 1 + 1 + 1);
    EXPECT_EQ(box.itemText(box.currentIndex()), "$ABCDEF");
}

TEST_F(ColorListLoaderTest, MissingFilesAskAndCancelLeavesTheBox) {
    Write("KanjiColor.txt", "赤=$0000CC\r\n");
    Box box;
    box.setColor(clRed);
    bool closeRequested = false;
    MessageService::QueueAnswers({QMessageBox::Cancel});
    EXPECT_EQ(ColorListLoader::Load(&box, 0, Folder(), nullptr, [&] { closeRequested = true; }),
              ColorListLoader::Result::Cancelled);
    ASSERT_EQ(MessageService::History().size(), 1);
    const MessageService::Record& r = MessageService::History()[0];
    EXPECT_EQ(r.caption, "エラー");
    EXPECT_EQ(r.text,
              "ColorListが正しくインストールされていません\n"
              "使用に支障が出る可能性があるのでアプリケーションを終了します");
    EXPECT_EQ(r.icon, QMessageBox::Critical);
    EXPECT_EQ(r.buttons, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_FALSE(closeRequested);
    EXPECT_EQ(box.selection(), Box::csSystemJ);
    EXPECT_EQ(box.count(), 16);
    EXPECT_EQ(box.width(), 120);
    EXPECT_EQ(box.color(), clRed);
}

TEST_F(ColorListLoaderTest, MissingFilesOkRequestsCloseAndGoesOn) {
    Write("KanjiColor.txt", "赤=$0000CC\r\n");
    Box box;
    bool closeRequested = false;
    MessageService::QueueAnswers({QMessageBox::Ok});
    EXPECT_EQ(ColorListLoader::Load(&box, 0, Folder(), nullptr, [&] { closeRequested = true; }),
              ColorListLoader::Result::Loaded);
    EXPECT_TRUE(closeRequested);
    EXPECT_EQ(box.count(), 17);
    EXPECT_EQ(box.width(), 165);
}

TEST_F(ColorListLoaderTest, MissingFileOfTheTypeIsReportedNotRead) {
    Box box;
    MessageService::QueueAnswers({QMessageBox::Ok, QMessageBox::Ok});
    EXPECT_EQ(ColorListLoader::Load(&box, 3, Folder(), nullptr, nullptr),
              ColorListLoader::Result::ReadFailed);
    ASSERT_EQ(MessageService::History().size(), 2);
    EXPECT_TRUE(MessageService::History()[1].text.contains("HTMLKColor.txt"));
    EXPECT_EQ(box.count(), 16);
    EXPECT_EQ(box.selection(), Box::csSystemJ);
}

TEST_F(ColorListLoaderTest, OtherTypesReadNothingButListTheExtendedGroup) {
    WriteAll();
    Box box;
    box.setExtendedColorLines({"残る=$000001"});
    EXPECT_EQ(ColorListLoader::Load(&box, 9, Folder(), nullptr, nullptr),
              ColorListLoader::Result::NoFileRead);
    EXPECT_EQ(box.width(), 120);
    ASSERT_EQ(box.count(), 17);
    EXPECT_EQ(box.itemText(16), "残る");
}

TEST_F(ColorListLoaderTest, MissingFilesListsOnlyTheAbsentOnes) {
    Write("KanaColor.txt", "");
    Write("UserColor.txt", "");
    QStringList missing = ColorListLoader::MissingFiles(Folder());
    EXPECT_EQ(missing, QStringList({"KanjiColor.txt", "HTMLAColor.txt", "HTMLKColor.txt",
                                    "MacWinColor.txt"}));
}

// The six list files shipped with the program.
class ShippedListTest : public ::testing::TestWithParam<int> {};

TEST_P(ShippedListTest, ReadableShiftJisWithCrLfAndValidColours) {
    const QString path = QString(ORIMAKI_SOURCE) + "/resources/ColorList/" + kFiles[GetParam()];
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray bytes = f.readAll();
    const std::string_view raw(bytes.constData(), std::size_t(bytes.size()));
    EXPECT_TRUE(Cp932::Decode(raw).ok()) << "not code page 932";
    EXPECT_EQ(raw.find("\n"), raw.find("\r\n") + 1) << "line ends must be CR LF";
    EXPECT_TRUE(raw.size() >= 2 && raw.substr(raw.size() - 2) == "\r\n");
    const std::vector<std::string> lines = ColorListFile::DecodeLines(raw);
    ASSERT_GE(lines.size(), 8u);
    for (const std::string& line : lines) {
        ASSERT_FALSE(ColorListFile::NameOf(line).empty()) << line;
        EXPECT_NE(ColorListFile::ValueOf(ColorListFile::ValueTextOf(line)), clNone) << line;
    }
}

INSTANTIATE_TEST_SUITE_P(SixFiles, ShippedListTest, ::testing::Range(0, 6));

TEST(ShippedKanjiListTest, IsTheBuiltInList) {
    QFile f(QString(ORIMAKI_SOURCE) + "/resources/ColorList/KanjiColor.txt");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_EQ(ColorListFile::DecodeLines(std::string_view(bytes.constData(), size_t(bytes.size()))),
              ColorListFile::BuiltInLines());
}

}  // namespace

namespace {

std::vector<std::string> ShippedLines(const char* name) {
    QFile f(QString(ORIMAKI_SOURCE) + "/resources/ColorList/" + name);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = f.readAll();
    return ColorListFile::DecodeLines(std::string_view(bytes.constData(), size_t(bytes.size())));
}

// Qt's own table of SVG/CSS colour names is the oracle for the HTML list.
TEST(ShippedHtmlListTest, CssNamesMatchQtsColourTable) {
    const std::vector<std::string> lines = ShippedLines("HTMLAColor.txt");
    ASSERT_EQ(lines.size(), 148u);
    int checked = 0;
    std::string previous;
    for (const std::string& line : lines) {
        const QString name = QString::fromStdString(std::string(ColorListFile::NameOf(line)));
        const QString lower = name.toLower();
        EXPECT_LT(previous, lower.toStdString()) << "not alphabetical at " << line;
        previous = lower.toStdString();
        if (!QColor::isValidColorName(lower)) continue;  // a name newer than this Qt
        ++checked;
        EXPECT_EQ(QtColor::ToQColor(ColorListFile::ValueOf(ColorListFile::ValueTextOf(line))),
                  QColor::fromString(lower))
            << line;
    }
    EXPECT_GE(checked, 147);
}

TEST(ShippedHtmlListTest, JapaneseListHasTheSameColoursInTheSameOrder) {
    const std::vector<std::string> a = ShippedLines("HTMLAColor.txt");
    const std::vector<std::string> k = ShippedLines("HTMLKColor.txt");
    ASSERT_EQ(a.size(), k.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(ColorListFile::ValueTextOf(a[i]), ColorListFile::ValueTextOf(k[i])) << k[i];
        EXPECT_NE(ColorListFile::NameOf(a[i]), ColorListFile::NameOf(k[i]));
    }
}

}  // namespace

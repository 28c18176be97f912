// The font bar's colour box in the real main window: the built-in list at start, the stored
// colour list read at start-up, and the list chosen in the options dialog loaded into it.

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "MainWindowTestSupport.h"
#include "controls/TColorLookupComboBox.h"
#include "options/LauncherLocation.h"

namespace {

const QString kListFolder = QStringLiteral(ORIMAKI_BIN "/ColorList");

// Entries of the box: the sixteen basic colours, one per list line, then "その他...".
constexpr int kBasic = 16;

class ColorListWindow : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(QFileInfo(kListFolder).isDir())
            << "the colour lists are copied beside the program by the orimaki_resources target";
    }

    TColorLookupComboBox* Box() const {
        return form_->findChild<TColorLookupComboBox*>(QStringLiteral("FontColorCLCB"));
    }
};

TEST_F(ColorListWindow, BuiltInListWithOtherAtStart) {
    Start();
    TColorLookupComboBox* box = Box();
    ASSERT_TRUE(box);
    ASSERT_EQ(box->count(), kBasic + 308 + 1);
    EXPECT_EQ(box->itemText(0), QStringLiteral("黒"));
    EXPECT_EQ(box->itemText(15), QStringLiteral("白"));
    EXPECT_EQ(box->itemText(kBasic), QStringLiteral("WindowTextの色"));
    EXPECT_EQ(box->itemText(kBasic + 1), QStringLiteral("赤"));
    EXPECT_EQ(box->itemText(box->count() - 1), QStringLiteral("その他..."));
    EXPECT_EQ(box->width(), 165);
    EXPECT_EQ(box->itemHeight(), 18);
    EXPECT_EQ(box->maxVisibleItems(), 17);
    EXPECT_TRUE(MessageService::History().isEmpty());
}

struct StoredList {
    int type;
    int lines;  // colour lines of the list file
    const char* first;
    int width;
};

class ColorListAtStartUp : public ColorListWindow,
                           public ::testing::WithParamInterface<StoredList> {};

TEST_P(ColorListAtStartUp, StoredTypeIsReadIntoTheBox) {
    const StoredList& p = GetParam();
    Store(QStringLiteral("Option/ColorFileType"), QString::number(p.type));
    Start();
    TColorLookupComboBox* box = Box();
    ASSERT_TRUE(box);
    // The box follows the selection: a text colour the list lacks is added as a custom colour.
    EXPECT_LE(box->customCount(), 1);
    ASSERT_EQ(box->count() - box->customCount(), kBasic + p.lines + 1);
    EXPECT_EQ(box->itemText(kBasic), QString::fromUtf8(p.first));
    EXPECT_EQ(box->itemText(box->count() - 1), QStringLiteral("その他..."));
    EXPECT_EQ(box->width(), p.width);
    EXPECT_EQ(form_->colorFileType, p.type);
    EXPECT_TRUE(MessageService::History().isEmpty());
}

// Line counts and first names read off the list files with iconv; widths from the table of
// list files.
INSTANTIATE_TEST_SUITE_P(Lists, ColorListAtStartUp,
                         ::testing::Values(StoredList{1, 89, "オールドローズ", 240},
                                           StoredList{2, 148, "AliceBlue", 185},
                                           StoredList{3, 148, "アリスブルー", 200},
                                           StoredList{4, 49, "Win 黒", 200},
                                           StoredList{5, 10, "本文の黒", 250}));

TEST_F(ColorListWindow, OptionsDialogLoadsTheChosenListKeepingTheColour) {
    if (!QFileInfo::exists(QStringLiteral(ORIMAKI_BIN "/libDllDialog.so")))
        GTEST_SKIP() << "libDllDialog.so is not built";
    const bool hadSendTo = QFileInfo::exists(LauncherLocation::SendToLauncher());
    Start();
    TColorLookupComboBox* box = Box();
    ASSERT_TRUE(box);
    // 茜色 ($0800B2) is in the built-in list, not in the user's list.
    box->setColor(0x0800B2);
    ASSERT_EQ(box->currentText(), QStringLiteral("茜色"));
    QTimer::singleShot(50, [] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(d);
        d->findChild<QComboBox*>(QStringLiteral("ColorListCB"))->setCurrentIndex(5);
        d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    form_->ShowOptionMClick();
    EXPECT_EQ(form_->colorFileType, 5);
    // The user's ten colours, the kept colour as a custom colour before "その他...".
    ASSERT_EQ(box->count(), kBasic + 10 + 1 + 1);
    EXPECT_EQ(box->itemText(kBasic), QStringLiteral("本文の黒"));
    EXPECT_EQ(box->currentText(), QStringLiteral("$0800B2"));
    EXPECT_EQ(box->color(), TColor(0x0800B2));
    EXPECT_EQ(box->itemText(box->count() - 1), QStringLiteral("その他..."));
    EXPECT_EQ(box->width(), 250);
    if (!hadSendTo) QFile::remove(LauncherLocation::SendToLauncher());
}

struct MissingAnswer {
    QMessageBox::StandardButton answer;
    bool closes;  // OK ends the application, Cancel only stops the load
};

class MissingListsAtStartUp : public ColorListWindow,
                              public ::testing::WithParamInterface<MissingAnswer> {};

TEST_P(MissingListsAtStartUp, TheMessageAndWhatItsAnswerDoes) {
    const MissingAnswer& p = GetParam();
    QTemporaryDir empty;
    Store(QStringLiteral("Option/ColorFileType"), QStringLiteral("2"));
    // The read error that follows OK has only an OK button, which the default answer gives.
    MessageService::QueueAnswers({p.answer});
    form_ = new TOMForm(QStringList());
    form_->colorListFolder = empty.path();
    form_->show();
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    ASSERT_GE(MessageService::History().size(), 1);
    EXPECT_EQ(MessageService::History()[0].caption, QStringLiteral("エラー"));
    EXPECT_EQ(MessageService::History()[0].text,
              QStringLiteral("ColorListが正しくインストールされていません\n"
                             "使用に支障が出る可能性があるのでアプリケーションを終了します"));
    EXPECT_EQ(MessageService::History()[0].icon, QMessageBox::Critical);
    // The close waits for the first showing to finish, then happens.
    EXPECT_EQ(form_->isVisible(), !p.closes);
    // Nothing could be read: the box keeps the built-in list.
    TColorLookupComboBox* box = Box();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->count(), kBasic + 308 + 1);
}

INSTANTIATE_TEST_SUITE_P(Answers, MissingListsAtStartUp,
                         ::testing::Values(MissingAnswer{QMessageBox::Ok, true},
                                           MissingAnswer{QMessageBox::Cancel, false}));

}  // namespace

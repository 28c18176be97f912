// The main window: first start, settings read back and saved, band order, close query,
// split geometry, two views, clipboard commands, hints.

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusTipEvent>
#include <QTextDocument>
#include <QToolButton>
#include <functional>

#include "MainWindowTestSupport.h"
#include "app/TBand.h"
#include "controls/THorizontalEdit.h"
#include "controls/TanlRuler.h"

namespace {

std::vector<int> Ids(const std::vector<TOMForm::BandSlot>& order) {
    std::vector<int> ids;
    for (const auto& s : order) ids.push_back(s.id);
    return ids;
}

QToolButton* Button(TOMForm* f, const char* name) {
    return f->findChild<QToolButton*>(QString::fromUtf8(name));
}

// ----- first start ------------------------------------------------------------------------------

TEST_F(MainWindowTest, FirstStartWithAnEmptyStoreGivesTheDefaults) {
    ASSERT_FALSE(StoreExists());
    TOMForm* f = Start();
    EXPECT_EQ(f->pos(), QPoint(230, 160));
    EXPECT_EQ(f->size(), QSize(780, 600));
    EXPECT_TRUE(f->windowTitle().contains(QStringLiteral("オリマキ")));
    EXPECT_EQ(f->minimumSize(), QSize(50, 50));
    // Bars in the order tool, find, font, style, address, each on its own row.
    const auto order = f->TopBandOrder();
    EXPECT_EQ(Ids(order), (std::vector<int>{0, 1, 2, 3, 4}));
    int lastTop = -1;
    for (int id = 0; id < 5; ++id) {
        TBand* b = f->Band(id);
        EXPECT_TRUE(b->isVisible()) << id;
        EXPECT_GT(b->geometry().top(), lastTop) << id;
        lastTop = b->geometry().top();
        EXPECT_TRUE(order[size_t(id)].brk);
        EXPECT_TRUE(b->CaptionShown());
    }
    EXPECT_EQ(f->Band(0)->Caption(), QStringLiteral("ツール"));
    EXPECT_EQ(f->Band(4)->Caption(), QStringLiteral("アドレス"));
    EXPECT_FALSE(f->RightBand(0)->isVisible());
    EXPECT_FALSE(f->RightBand(1)->isVisible());
    // No ruler, horizontal, no wrapping at the edge.
    EXPECT_FALSE(f->Ruler()->isVisible());
    EXPECT_FALSE(f->Action("RulerM")->isChecked());
    EXPECT_FALSE(f->verticalFlag);
    EXPECT_FALSE(f->RichEditEx1()->Vertical());
    EXPECT_TRUE(f->Action("YokoModeM")->isChecked());
    EXPECT_TRUE(f->wrapOff);
    EXPECT_FALSE(f->RichEditEx1()->WordWrap());
    EXPECT_TRUE(f->Action("WordWrapOffM")->isChecked());
    // An untitled document in the current folder.
    const QString untitled = QDir::currentPath() + QStringLiteral("/新規文書.wri");
    EXPECT_EQ(f->documentPath, untitled);
    EXPECT_EQ(f->AddressEdit()->text(), untitled);
    EXPECT_TRUE(f->savedPath.isEmpty());
    EXPECT_FALSE(f->RichEditEx1()->Modified());
    // One view, the status bar.
    EXPECT_EQ(f->ActiveView(), f->RichEditEx1());
    EXPECT_FALSE(f->RichEditEx2()->isVisible());
    EXPECT_TRUE(f->Action("S2NoneM")->isChecked());
    EXPECT_FALSE(f->Action("CtrlTabM")->isEnabled());
    EXPECT_EQ(f->StatusPanel(0)->width(), 115);
    EXPECT_EQ(f->StatusPanel(1)->width(), 80);
    EXPECT_EQ(f->StatusPanel(2)->width(), 70);
    EXPECT_GE(f->StatusPanel(3)->width(), 200);
    EXPECT_EQ(f->StatusPanel(2)->text(), QStringLiteral("挿入"));
    EXPECT_EQ(f->StatusPanel(0)->text(), QStringLiteral("     1行     1列"));
}

TEST_F(MainWindowTest, UntitledNameSkipsNamesThatExist) {
    QFile existing(QDir::current().filePath(QStringLiteral("新規文書.wri")));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    TOMForm* f = Start();
    EXPECT_EQ(f->documentPath, QDir::currentPath() + QStringLiteral("/新規文書(2).wri"));
}

// ----- values read back -------------------------------------------------------------------------

struct ReadCase {
    const char* key;
    const char* text;
    std::function<bool(TOMForm*)> check;
};

const ReadCase kReads[] = {
    {"Window/MainTop", "0x20", [](TOMForm* f) { return f->y() == 32; }},
    {"Window/MainTop", "abc", [](TOMForm* f) { return f->y() == 160; }},
    {"Window/MainLeft", "0X10", [](TOMForm* f) { return f->x() == 16; }},
    {"Window/MainWidth", "640", [](TOMForm* f) { return f->width() == 640; }},
    {"Window/FindTop", "0x", [](TOMForm* f) { return f->findTop == 200; }},
    {"Window/FindLeft", "-7", [](TOMForm* f) { return f->findLeft == -7; }},
    {"Bar/Ruler", "2",
     [](TOMForm* f) { return f->Ruler()->isVisible() && f->Action("RulerM")->isChecked(); }},
    {"Bar/String", "0",
     [](TOMForm* f) {
         return !f->Band(0)->CaptionShown() && !f->Action("BarStringsM")->isChecked();
     }},
    {"Bar/Font", "0",
     [](TOMForm* f) {
         return !f->Band(2)->isVisible() && !f->Action("FontBarM")->isChecked() &&
                !f->Action("FontBarPop")->isChecked();
     }},
    {"Bar/Vertical", "1",
     [](TOMForm* f) {
         return f->RightBand(1)->isVisible() && f->RightBand(0)->isVisible() &&
                !f->Band(0)->isVisible() && !f->Band(1)->isVisible() &&
                f->Action("BarTateM")->isChecked();
     }},
    {"Bar/Tool", "abc", [](TOMForm* f) { return f->Band(0)->isVisible(); }},
    {"Etc/Wrap", "0",
     [](TOMForm* f) {
         return f->RichEditEx1()->WordWrap() && !f->Action("WordWrapOffM")->isChecked();
     }},
    {"Option/NewFileExt", ".txt",
     [](TOMForm* f) { return f->documentPath.endsWith(QStringLiteral("/新規文書.txt")); }},
    {"Etc/FileAddress", "/usr/",
     [](TOMForm* f) { return f->documentPath == QStringLiteral("/usr/新規文書.wri"); }},
    {"Option/BackColor", "clYellow",
     [](TOMForm* f) {
         return f->RichEditEx1()->Color() == clYellow && f->RichEditEx2()->Color() == clYellow;
     }},
    {"Option/DFontColor", "$000080FF",
     [](TOMForm* f) { return f->defaultFontColor == 0x000080FFu; }},
    {"Option/DFontSize", "0x0C", [](TOMForm* f) { return f->defaultFontSize == 12; }},
    {"Etc/IndentStr", "＞", [](TOMForm* f) { return f->indentStr == QStringLiteral("＞"); }},
    {"Etc/ShiftJis", "0", [](TOMForm* f) { return !f->shiftJisMode; }},
};

class SettingsReadTest : public MainWindowTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(SettingsReadTest, StoredTextIsReadByItsRule) {
    Store(QString::fromUtf8(GetParam().key), QString::fromUtf8(GetParam().text));
    TOMForm* f = Start();
    EXPECT_TRUE(GetParam().check(f)) << GetParam().key << " = " << GetParam().text
                                     << " (document path " << f->documentPath.toStdString() << ")";
}

INSTANTIATE_TEST_SUITE_P(Table, SettingsReadTest, ::testing::ValuesIn(kReads));

TEST_F(MainWindowTest, FindHistoryIsReadInOrderAndSavedUpToTwenty) {
    Store(QStringLiteral("Etc/FindStrCount"), QStringLiteral("25"));
    for (int n = 0; n < 25; ++n)
        Store(QStringLiteral("Etc/FindStr(%1)").arg(n), QStringLiteral("語%1").arg(n));
    TOMForm* f = Start();
    ASSERT_EQ(f->findHistory.size(), 25);
    EXPECT_EQ(f->findHistory.first(), QStringLiteral("語0"));
    EXPECT_EQ(f->findHistory.last(), QStringLiteral("語24"));
    f->findHistory[24] = QStringLiteral("changed");
    ASSERT_TRUE(Close());
    EXPECT_EQ(Stored(QStringLiteral("Etc/FindStrCount")), QStringLiteral("20"));
    EXPECT_EQ(Stored(QStringLiteral("Etc/FindStr(19)")), QStringLiteral("語19"));
    EXPECT_EQ(Stored(QStringLiteral("Etc/FindStr(24)")), QStringLiteral("語24"));  // left alone
}

TEST_F(MainWindowTest, SavedValuesUseTheTextRules) {
    TOMForm* f = Start();
    f->documentPath = QStringLiteral("/doc/a.rtf");
    f->defaultFontColor = RgbColor(255, 128, 0);
    f->barFlags[3] = false;
    f->move(300, 140);
    ASSERT_TRUE(Close());
    EXPECT_EQ(Stored(QStringLiteral("Etc/FileAddress")), QStringLiteral("/doc/"));
    EXPECT_EQ(Stored(QStringLiteral("Option/DFontColor")), QStringLiteral("$000080FF"));
    EXPECT_EQ(Stored(QStringLiteral("Option/BackColor")), QStringLiteral("clWhite"));
    EXPECT_EQ(Stored(QStringLiteral("Bar/Style")), QStringLiteral("0"));
    EXPECT_EQ(Stored(QStringLiteral("Bar/Tool")), QStringLiteral("1"));
    EXPECT_EQ(Stored(QStringLiteral("Window/MainLeft")), QStringLiteral("300"));
    EXPECT_EQ(Stored(QStringLiteral("Window/MainTop")), QStringLiteral("140"));
    EXPECT_EQ(Stored(QStringLiteral("Window/MainWidth")), QStringLiteral("780"));
    EXPECT_EQ(Stored(QStringLiteral("Option/DFontName")), QStringLiteral("ＭＳ Ｐゴシック"));
    EXPECT_EQ(Stored(QStringLiteral("Etc/Wrap")), QStringLiteral("1"));
}

TEST_F(MainWindowTest, SettingsSurviveARestart) {
    TOMForm* f = Start();
    f->resize(700, 500);
    f->move(100, 90);
    f->Action("BarStringsM")->trigger();
    f->Action("RulerM")->setEnabled(true);
    f->Action("WordWrapOffM")->trigger();
    ASSERT_TRUE(Close());
    f = Start();
    EXPECT_EQ(f->size(), QSize(700, 500));
    EXPECT_EQ(f->pos(), QPoint(100, 90));
    EXPECT_FALSE(f->barCaptions);
    EXPECT_FALSE(f->Band(2)->CaptionShown());
    EXPECT_FALSE(f->wrapOff);
    EXPECT_TRUE(f->RichEditEx1()->WordWrap());
}

TEST_F(MainWindowTest, AGarbledStoreGivesTheDefaultsAndIsReplacedAtClose) {
    QDir().mkpath(QFileInfo(SettingsStore::FilePath()).path());
    QFile file(SettingsStore::FilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray junk;
    for (int i = 0; i < 4096; ++i) junk.append(char((i * 7919 + 13) % 256));
    junk.prepend("[Window\nMainTop=\xff\xfe\n[[[\x01\x02");
    file.write(junk);
    file.close();
    TOMForm* f = Start();
    EXPECT_EQ(f->pos(), QPoint(230, 160));
    EXPECT_EQ(f->size(), QSize(780, 600));
    EXPECT_EQ(Ids(f->TopBandOrder()), (std::vector<int>{0, 1, 2, 3, 4}));
    ASSERT_TRUE(Close());
    EXPECT_EQ(Stored(QStringLiteral("Window/MainWidth")), QStringLiteral("780"));
    EXPECT_EQ(Stored(QStringLiteral("Bar/Band4ID")), QStringLiteral("4"));
}

// ----- bands ------------------------------------------------------------------------------------

struct BandCase {
    std::vector<int> storedIds;
    std::vector<int> expected;  // worked out by moving band ids[i] to position i in turn
};

const BandCase kBands[] = {
    {{4, 2, 0, 1, 3}, {4, 2, 0, 1, 3}},
    {{1, 1, 2, 3, 4}, {0, 1, 2, 3, 4}},  // the second move puts band 1 back in place 1
    {{9, 3, 0, 1, 2}, {3, 0, 1, 4, 2}},  // an unknown identity moves nothing
    {{2, 0, 2, 3, 4}, {0, 1, 2, 3, 4}},  // band 2 goes to the front, then back to place 2
};

class BandOrderTest : public MainWindowTest, public ::testing::WithParamInterface<BandCase> {};

TEST_P(BandOrderTest, StoredOrderIsRestored) {
    for (int n = 0; n < 5; ++n)
        Store(QStringLiteral("Bar/Band%1ID").arg(n),
              QString::number(GetParam().storedIds[size_t(n)]));
    TOMForm* f = Start();
    EXPECT_EQ(Ids(f->TopBandOrder()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, BandOrderTest, ::testing::ValuesIn(kBands));

TEST_F(MainWindowTest, BandOrderBreaksAndWidthsSurviveARestart) {
    TOMForm* f = Start();
    f->SetTopBandOrder(
        {{3, true, 200}, {4, false, 300}, {0, true, 200}, {2, true, 200}, {1, false, 150}});
    QApplication::processEvents();
    ASSERT_TRUE(Close());
    EXPECT_EQ(Stored(QStringLiteral("Bar/Band0ID")), QStringLiteral("3"));
    EXPECT_EQ(Stored(QStringLiteral("Bar/Band1Break")), QStringLiteral("0"));
    f = Start();
    const auto order = f->TopBandOrder();
    EXPECT_EQ(Ids(order), (std::vector<int>{3, 4, 0, 2, 1}));
    // Bands without a break share the row of the band before them.
    EXPECT_EQ(f->Band(4)->geometry().top(), f->Band(3)->geometry().top());
    EXPECT_EQ(f->Band(1)->geometry().top(), f->Band(2)->geometry().top());
    EXPECT_GT(f->Band(0)->geometry().top(), f->Band(3)->geometry().top());
    EXPECT_FALSE(order[1].brk);
    EXPECT_TRUE(order[2].brk);
}

TEST_F(MainWindowTest, RightHandOrderIsRestored) {
    Store(QStringLiteral("Bar/Vertical"), QStringLiteral("1"));
    Store(QStringLiteral("Bar/RBand0ID"), QStringLiteral("1"));
    Store(QStringLiteral("Bar/RBand1ID"), QStringLiteral("0"));
    TOMForm* f = Start();
    EXPECT_EQ(Ids(f->RightBandOrder()), (std::vector<int>{1, 0}));
    ASSERT_TRUE(Close());
    EXPECT_EQ(Stored(QStringLiteral("Bar/RBand0ID")), QStringLiteral("1"));
    EXPECT_EQ(Stored(QStringLiteral("Bar/RBand1ID")), QStringLiteral("0"));
}

TEST_F(MainWindowTest, BarCommandsShowHideAndArrange) {
    TOMForm* f = Start();
    f->Action("BarNoneM")->trigger();
    for (int id = 0; id < 5; ++id) EXPECT_FALSE(f->Band(id)->isVisible());
    f->Action("BarALLM")->trigger();
    QApplication::processEvents();
    const auto order = f->TopBandOrder();
    for (int id = 0; id < 5; ++id) {
        EXPECT_TRUE(f->Band(id)->isVisible());
        EXPECT_TRUE(order[size_t(id)].brk);
    }
    // Partly vertical: hiding the tool bar hides "ツ"; "ツール" stays hidden.
    f->Action("BarTatePop")->trigger();
    EXPECT_TRUE(f->barsVertical);
    EXPECT_TRUE(f->Action("BarTateM")->isChecked());
    EXPECT_TRUE(f->RightBand(1)->isVisible());
    f->Action("ToolBarM")->trigger();
    EXPECT_FALSE(f->RightBand(1)->isVisible());
    EXPECT_FALSE(f->Band(0)->isVisible());
    EXPECT_FALSE(f->Action("ToolBarPop")->isChecked());
    f->Action("ToolBarPop")->trigger();
    EXPECT_TRUE(f->RightBand(1)->isVisible());
    EXPECT_FALSE(f->Band(0)->isVisible());
    f->Action("BarNormalM")->trigger();
    EXPECT_TRUE(f->Band(0)->isVisible());
    EXPECT_FALSE(f->RightBand(1)->isVisible());
    // Captions off: every band of both areas, the bands keep their places.
    const QRect before = f->Band(3)->geometry();
    f->Action("BarStringsPop")->trigger();
    for (int id = 0; id < 5; ++id) EXPECT_FALSE(f->Band(id)->CaptionShown());
    EXPECT_FALSE(f->RightBand(0)->CaptionShown());
    QApplication::processEvents();
    EXPECT_EQ(f->Band(3)->geometry().top(), before.top());
}

// ----- close query ------------------------------------------------------------------------------

TEST_F(MainWindowTest, CloseQueryCancelChangesNothing) {
    TOMForm* f = Start();
    QTest::keyClicks(f->RichEditEx1()->HorizontalEdit(), QStringLiteral("text"));
    ASSERT_TRUE(f->RichEditEx1()->Modified());
    MessageService::QueueAnswers({QMessageBox::Cancel});
    EXPECT_FALSE(Close());
    EXPECT_TRUE(f->isVisible());
    EXPECT_FALSE(StoreExists());
    EXPECT_EQ(f->RichEditEx1()->Text(), QStringLiteral("text"));
    EXPECT_TRUE(f->RichEditEx1()->Modified());
    ASSERT_EQ(MessageService::History().size(), 1);
    const auto& r = MessageService::History().first();
    EXPECT_EQ(r.text, QStringLiteral("編集中のファイルは変更されています。\n保存しますか？"));
    EXPECT_EQ(r.icon, QMessageBox::Information);
    EXPECT_EQ(r.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

TEST_F(MainWindowTest, CloseQueryNoStillSavesTheSettings) {
    TOMForm* f = Start();
    QTest::keyClicks(f->RichEditEx1()->HorizontalEdit(), QStringLiteral("text"));
    MessageService::QueueAnswers({QMessageBox::No});
    EXPECT_TRUE(Close());
    EXPECT_FALSE(f->isVisible());
    EXPECT_TRUE(StoreExists());
    EXPECT_EQ(Stored(QStringLiteral("Window/MainWidth")), QStringLiteral("780"));
}

TEST_F(MainWindowTest, CloseQueryYesRunsSaveAsThenCloses) {
    TOMForm* f = Start();
    QTest::keyClicks(f->RichEditEx1()->HorizontalEdit(), QStringLiteral("text"));
    int saves = 0;
    f->SetSaveAsHook([&] {
        ++saves;
        f->RichEditEx1()->SetModified(false);  // written
    });
    MessageService::QueueAnswers({QMessageBox::Yes});
    EXPECT_TRUE(Close());
    EXPECT_EQ(saves, 1);
    EXPECT_TRUE(StoreExists());
}

TEST_F(MainWindowTest, CloseQueryYesWithoutASaveKeepsTheWindowOpen) {
    TOMForm* f = Start();
    QTest::keyClicks(f->RichEditEx1()->HorizontalEdit(), QStringLiteral("text"));
    f->SetSaveAsHook([] {});  // the save dialog was cancelled
    MessageService::QueueAnswers({QMessageBox::Yes});
    EXPECT_FALSE(Close());
    EXPECT_TRUE(f->isVisible());
    EXPECT_FALSE(StoreExists());
}

TEST_F(MainWindowTest, UnmodifiedDocumentClosesWithoutAQuestion) {
    Start();
    EXPECT_TRUE(Close());
    EXPECT_TRUE(MessageService::History().isEmpty());
    EXPECT_TRUE(StoreExists());
}

// ----- split ------------------------------------------------------------------------------------

TEST_F(MainWindowTest, SplitTopBottomHalvesThePanel) {
    TOMForm* f = Start();
    f->Action("S2UeShitaM")->trigger();
    QApplication::processEvents();
    const int h = f->EditPanel()->height();
    TRichEditEx* v1 = f->RichEditEx1();
    TRichEditEx* v2 = f->RichEditEx2();
    EXPECT_TRUE(v2->isVisible());
    EXPECT_EQ(v1->geometry().top(), 0);
    EXPECT_EQ(v1->height(), h / 2);
    EXPECT_EQ(v2->geometry().top(), h / 2 + 3);
    EXPECT_EQ(v2->height(), h - h / 2 - 3);
    EXPECT_EQ(v1->width(), f->EditPanel()->width());
    EXPECT_TRUE(f->Action("S2UeShitaM")->isChecked());
    EXPECT_TRUE(Button(f, "S2UeShitaTB")->isChecked());
    EXPECT_TRUE(Button(f, "S2UeShitaTB2")->isChecked());
    EXPECT_FALSE(Button(f, "S2SaYuuTB")->isChecked());
    EXPECT_TRUE(f->Action("CtrlTabM")->isEnabled());
    // A resize halves again.
    f->resize(780, 700);
    QApplication::processEvents();
    EXPECT_EQ(v1->height(), f->EditPanel()->height() / 2);
}

TEST_F(MainWindowTest, SplitTopBottomBelowTheRuler) {
    Store(QStringLiteral("Bar/Ruler"), QStringLiteral("1"));
    TOMForm* f = Start();
    f->Action("S2UeShitaM")->trigger();
    QApplication::processEvents();
    const int avail = f->EditPanel()->height() - f->Ruler()->height();
    EXPECT_EQ(f->RichEditEx1()->height(), avail / 2);
    EXPECT_EQ(f->RichEditEx1()->mapTo(f->EditPanel(), QPoint(0, 0)).y(), f->Ruler()->height());
}

TEST_F(MainWindowTest, SplitLeftRightPutsView1OnTheRight) {
    TOMForm* f = Start();
    Button(f, "S2SaYuuTB")->click();
    QApplication::processEvents();
    const int w = f->EditPanel()->width();
    TRichEditEx* v1 = f->RichEditEx1();
    TRichEditEx* v2 = f->RichEditEx2();
    EXPECT_EQ(v1->width(), w / 2);
    EXPECT_EQ(v1->geometry().left(), w - w / 2);
    EXPECT_EQ(v2->geometry().left(), 0);
    EXPECT_EQ(v2->width(), w - w / 2 - 3);
    EXPECT_TRUE(f->splitLeftRight);
    EXPECT_TRUE(f->Action("S2SaYuuM")->isChecked());
    EXPECT_TRUE(Button(f, "S2SaYuuTB2")->isChecked());
    EXPECT_FALSE(Button(f, "S2UeShitaTB")->isChecked());
    // Pressing the button again unsplits.
    Button(f, "S2SaYuuTB")->click();
    EXPECT_FALSE(v2->isVisible());
    EXPECT_TRUE(f->Action("S2NoneM")->isChecked());
}

TEST_F(MainWindowTest, UnsplittingFromView2ShowsItsTopLineInView1) {
    TOMForm* f = Start();
    QStringList lines;
    for (int i = 0; i < 200; ++i) lines << QStringLiteral("第%1行").arg(i);
    f->RichEditEx1()->SetText(lines.join(QStringLiteral("\r\n")));
    f->Action("S2UeShitaM")->trigger();
    QApplication::processEvents();
    f->RichEditEx2()->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(f->ActiveView(), f->RichEditEx2());
    f->RichEditEx2()->LineScroll(-1000);
    f->RichEditEx2()->LineScroll(40);
    ASSERT_EQ(f->RichEditEx2()->FirstVisibleLine(), 40);
    f->Action("S2NoneM")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(f->ActiveView(), f->RichEditEx1());
    EXPECT_FALSE(f->RichEditEx2()->isVisible());
    EXPECT_EQ(f->RichEditEx1()->FirstVisibleLine(), 40);
    EXPECT_FALSE(f->Action("CtrlTabM")->isEnabled());
}

TEST_F(MainWindowTest, ImpossibleSplitButtonStateIsReported) {
    TOMForm* f = Start();
    f->S2UeShitaTBClick(false);  // up while not split: cannot happen from a click
    ASSERT_EQ(MessageService::History().size(), 1);
    EXPECT_EQ(MessageService::History().first().caption, QStringLiteral("エラー表示"));
    EXPECT_EQ(MessageService::History().first().text, QStringLiteral("おきるはずの無いエラーです"));
    EXPECT_FALSE(f->RichEditEx2()->isVisible());
}

TEST_F(MainWindowTest, TypingInOneViewAppearsInTheOther) {
    TOMForm* f = Start();
    f->Action("S2SaYuuM")->trigger();
    QApplication::processEvents();
    QTest::keyClicks(f->RichEditEx1()->HorizontalEdit(), QStringLiteral("abc"));
    EXPECT_EQ(f->RichEditEx2()->Text(), QStringLiteral("abc"));
    f->RichEditEx2()->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(f->ActiveView(), f->RichEditEx2());
    f->RichEditEx2()->SetSelStart(3);
    QTest::keyClicks(f->RichEditEx2()->HorizontalEdit(), QStringLiteral("de"));
    EXPECT_EQ(f->RichEditEx1()->Text(), QStringLiteral("abcde"));
    // Ctrl+Tab goes to the other view.
    f->Action("CtrlTabM")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(f->ActiveView(), f->RichEditEx1());
}

// ----- clipboard and selection commands ---------------------------------------------------------

TEST_F(MainWindowTest, ClipboardCommandsActOnTheDocument) {
    TOMForm* f = Start();
    f->RichEditEx1()->SetText(QStringLiteral("日本語の文"));
    f->RichEditEx1()->SetSelStart(0);
    QApplication::processEvents();
    EXPECT_FALSE(f->Action("CutM")->isEnabled());
    EXPECT_FALSE(Button(f, "CopyTB")->isEnabled());
    EXPECT_FALSE(f->Action("DeletePop")->isEnabled());
    f->RichEditEx1()->SetSelection(0, 6);
    QApplication::processEvents();
    EXPECT_TRUE(f->Action("CutM")->isEnabled());
    EXPECT_TRUE(Button(f, "CutTB2")->isEnabled());
    f->Action("CutM")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("日本語"));
    EXPECT_EQ(f->RichEditEx2()->Text(), QStringLiteral("の文"));
    EXPECT_EQ(f->editKind, 2);
    f->RichEditEx1()->SetSelStart(4);
    f->Action("PastePop")->trigger();
    EXPECT_EQ(f->RichEditEx1()->Text(), QStringLiteral("の文日本語"));
    EXPECT_EQ(f->editKind, 4);
    f->Action("AllSelectM")->trigger();
    EXPECT_EQ(f->RichEditEx1()->SelLength(), 10);
    EXPECT_EQ(f->RichEditEx2()->SelLength(), 10);
    f->Action("CopyM")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("の文日本語"));
    f->Action("DeleteM")->trigger();
    EXPECT_TRUE(f->Document()->isEmpty());
}

TEST_F(MainWindowTest, PastedTextGetsTheShiftJisCharacterSet) {
    TOMForm* f = Start();
    QApplication::clipboard()->setText(QStringLiteral("貼る"));
    f->Action("PasteM")->trigger();
    f->RichEditEx1()->SelectAll();
    EXPECT_EQ(f->RichEditEx1()->SelAttributes().charset, kShiftJisCharset);
}

TEST_F(MainWindowTest, CopyWithTheAddressBoxFocusedCopiesTheAddress) {
    TOMForm* f = Start();
    f->RichEditEx1()->SetText(QStringLiteral("本文"));
    f->AddressEdit()->setFocus();
    f->AddressEdit()->selectAll();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), f->AddressEdit());
    f->CopyMClick();
    EXPECT_EQ(QApplication::clipboard()->text(), f->documentPath);
    f->CutMClick();
    EXPECT_EQ(f->RichEditEx1()->Text(), QStringLiteral("本文"));
}

TEST_F(MainWindowTest, WrapSwitchTogglesBothViews) {
    TOMForm* f = Start();
    f->Action("WordWrapOffM")->trigger();
    EXPECT_FALSE(f->wrapOff);
    EXPECT_TRUE(f->RichEditEx1()->WordWrap());
    EXPECT_TRUE(f->RichEditEx2()->WordWrap());
    EXPECT_FALSE(f->Action("WordWrapOffM")->isChecked());
}

// ----- hints ------------------------------------------------------------------------------------

TEST_F(MainWindowTest, HintsGoToPanel3AndDecideTheBalloons) {
    TOMForm* f = Start();
    QStatusTipEvent tip(QStringLiteral("選択範囲をクリップボードにコピーします。"));
    QApplication::sendEvent(f, &tip);
    EXPECT_EQ(f->StatusPanel(3)->text(),
              QStringLiteral("選択範囲をクリップボードにコピーします。"));
    EXPECT_TRUE(f->BalloonHints());
    QStatusTipEvent address(QStringLiteral("編集中の文書のアドレスを表示します。"));
    QApplication::sendEvent(f, &address);
    EXPECT_FALSE(f->BalloonHints());
    EXPECT_EQ(f->FontNameCB()->toolTip(), QStringLiteral("フォント名\nCtrl+M"));
    f->shiftJisMode = false;
    QStatusTipEvent font(QStringLiteral("現在使用されているフォントを表示します。"));
    QApplication::sendEvent(f, &font);
    EXPECT_FALSE(f->BalloonHints());
    EXPECT_EQ(f->FontNameCB()->toolTip(), f->FontNameCB()->currentText());
}

// ----- command line -----------------------------------------------------------------------------

TEST_F(MainWindowTest, FirstArgumentOnlyIsOpened) {
    QFile file(QStringLiteral("first.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x93\xfa\x96\x7b");  // 日本 in Shift-JIS
    file.close();
    TOMForm* f = Start({QStringLiteral("first.txt"), QStringLiteral("second.txt")});
    EXPECT_EQ(f->documentPath, QDir::currentPath() + QStringLiteral("/first.txt"));
    EXPECT_EQ(f->savedPath, f->documentPath);
    EXPECT_EQ(f->RichEditEx1()->Text(), QStringLiteral("日本"));
    EXPECT_FALSE(f->RichEditEx1()->Modified());
}

}  // namespace

namespace {
TEST_F(MainWindowTest, TypingEnablesTheSaveCommands) {
    TOMForm* f = Start();
    EXPECT_FALSE(f->Action("SaveM")->isEnabled());
    EXPECT_FALSE(f->findChild<QToolButton*>(QStringLiteral("SaveFileTB2"))->isEnabled());
    QTest::keyClicks(f->RichEditEx1()->HorizontalEdit(), QStringLiteral("a"));
    EXPECT_TRUE(f->Action("SaveM")->isEnabled());
    EXPECT_TRUE(f->findChild<QToolButton*>(QStringLiteral("SaveFileTB"))->isEnabled());
    EXPECT_TRUE(f->findChild<QToolButton*>(QStringLiteral("SaveFileTB2"))->isEnabled());
}
}  // namespace

namespace {
TEST_F(MainWindowTest, SideBySideViewsWrapAtOneWidth) {
    TOMForm* f = Start();
    f->Action("WordWrapOffM")->trigger();  // wrap at the edge
    QString para;
    for (int i = 0; i < 300; ++i) para += QStringLiteral("吾");
    f->RichEditEx1()->SetText(para);
    f->Action("S2SaYuuM")->trigger();
    QApplication::processEvents();
    THorizontalEdit* e1 = f->RichEditEx1()->HorizontalEdit();
    THorizontalEdit* e2 = f->RichEditEx2()->HorizontalEdit();
    EXPECT_EQ(e1->lineWrapMode(), QTextEdit::FixedPixelWidth);
    EXPECT_EQ(e1->lineWrapColumnOrWidth(), e2->lineWrapColumnOrWidth());
    EXPECT_LE(e1->lineWrapColumnOrWidth(), e1->viewport()->width());
    EXPECT_LE(e2->lineWrapColumnOrWidth(), e2->viewport()->width());
    EXPECT_GT(f->RichEditEx1()->LineCount(), 1);
    EXPECT_EQ(f->RichEditEx1()->LineCount(), f->RichEditEx2()->LineCount());
    // Neither view needs to scroll sideways.
    EXPECT_EQ(e1->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(e2->horizontalScrollBar()->maximum(), 0);
    // Unsplit: the edge again.
    f->Action("S2NoneM")->trigger();
    EXPECT_EQ(e1->lineWrapMode(), QTextEdit::WidgetWidth);
}
}  // namespace

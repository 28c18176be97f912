// The find commands of the main window and the find dialog they drive: the check-button pairs,
// find next, previous and from the top, the selection-only range, replace, replace all, the
// histories, the shortcut hand-over and trace search. The searching cases run in the horizontal
// and in the vertical view. Positions are Shift-JIS bytes counted by hand (kana and kanji 2).

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "MainWindowTestSupport.h"
#include "editing/TFindForm.h"

namespace {

const QString kNotFound = QStringLiteral("検索文字は見つかりませんでした");

class FindWindow : public MainWindowTest {
protected:
    // A window whose active view holds text (vertical: after switching to vertical mode).
    TOMForm* Open(const QString& text, bool vertical = false) {
        TOMForm* f = Start();
        if (vertical) {
            f->Command("TateModeM")->trigger();
            QApplication::processEvents();
            EXPECT_TRUE(f->ActiveView()->Vertical());
        }
        f->ActiveView()->SetText(text);
        QApplication::processEvents();
        f->SetFindEditKindHook([this](int k) { kinds_ << k; });
        return f;
    }

    static QPushButton* DialogButton(TOMForm* f, const char* name) {
        return f->FindForm()->findChild<QPushButton*>(QString::fromUtf8(name));
    }

    static int Said(const QString& text) {
        int n = 0;
        for (const auto& r : MessageService::History()) n += r.text == text;
        return n;
    }

    QList<int> kinds_;
};

class FindWindowViews : public FindWindow, public ::testing::WithParamInterface<bool> {};

// ----- commands and buttons ---------------------------------------------------------------------

TEST_F(FindWindow, AnEmptyDocumentDisablesTheFindCommands) {
    TOMForm* f = Start();
    for (const char* n :
         {"FindM", "ReplaceM", "ReplaceRunM", "FindEXM", "FindNextM", "FindHeadM", "FindBackM"})
        EXPECT_FALSE(f->Command(n)->isEnabled()) << n;
    f->ActiveView()->SetText(QStringLiteral("abc"));
    for (const char* n :
         {"FindM", "ReplaceM", "ReplaceRunM", "FindNextM", "FindHeadM", "FindBackM"})
        EXPECT_TRUE(f->Command(n)->isEnabled()) << n;
    EXPECT_TRUE(f->Button("FindNextTB2")->isEnabled());
    // Trace search follows the selection.
    EXPECT_FALSE(f->Command("FindEXM")->isEnabled());
    f->ActiveView()->SetSelection(0, 1);
    EXPECT_TRUE(f->Command("FindEXM")->isEnabled());
    EXPECT_TRUE(f->Button("FindEXTB")->isEnabled());
    f->ActiveView()->SetSelection(1, 0);
    EXPECT_FALSE(f->Command("FindEXM")->isEnabled());
}

struct PairRow {
    const char* button;
    const char* twin;
    bool findMode;
    bool replaceMode;
    bool dialogShown;
    TFindForm::Layout layout;
};

class FindButtonPairs : public FindWindow, public ::testing::WithParamInterface<PairRow> {};

TEST_P(FindButtonPairs, BothButtonsShowOneStateAndDriveTheDialog) {
    const PairRow& r = GetParam();
    TOMForm* f = Open(QStringLiteral("吾輩は猫である。"));
    f->ActiveView()->SetSelection(6, 2);  // "猫", for trace search
    QToolButton* button = f->Button(r.button);
    QToolButton* twin = f->Button(r.twin);
    ASSERT_TRUE(button->isEnabled()) << r.button;
    QTest::mouseClick(button, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(button->isChecked()) << r.button;
    EXPECT_TRUE(twin->isChecked()) << r.button;
    EXPECT_EQ(f->findMode, r.findMode) << r.button;
    EXPECT_EQ(f->replaceMode, r.replaceMode) << r.button;
    ASSERT_TRUE(f->HasFindForm());
    EXPECT_EQ(f->FindForm()->isVisible(), r.dialogShown) << r.button;
    if (r.dialogShown)
        EXPECT_EQ(f->FindForm()->CurrentLayout(), r.layout);
    else
        EXPECT_EQ(f->FindForm()->FindText(), QStringLiteral("猫"));
    // The twin releases both; the dialog closes.
    QTest::mouseClick(twin, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_FALSE(button->isChecked()) << r.button;
    EXPECT_FALSE(twin->isChecked()) << r.button;
    EXPECT_FALSE(f->findMode);
    EXPECT_FALSE(f->replaceMode);
    EXPECT_FALSE(f->FindForm()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, FindButtonPairs,
    ::testing::Values(
        PairRow{"FindTB", "FindTB2", true, false, true, TFindForm::Layout::Find},
        PairRow{"FindTB2", "FindTB", true, false, true, TFindForm::Layout::Find},
        PairRow{"ReplaceTB", "ReplaceTB2", false, true, true, TFindForm::Layout::Replace},
        PairRow{"ReplaceTB2", "ReplaceTB", false, true, true, TFindForm::Layout::Replace},
        PairRow{"FindEXTB", "FindEXTB2", true, true, false, TFindForm::Layout::Find},
        PairRow{"FindEXTB2", "FindEXTB", true, true, false, TFindForm::Layout::Find}));

TEST_F(FindWindow, MenuCommandsOpenTheLayoutsAndCancelCloses) {
    TOMForm* f = Open(QStringLiteral("abc"));
    f->Command("ReplaceM")->trigger();
    QApplication::processEvents();
    TFindForm* d = f->FindForm();
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d->CurrentLayout(), TFindForm::Layout::Replace);
    EXPECT_EQ(d->height(), 236);
    EXPECT_TRUE(f->Button("ReplaceTB")->isChecked());
    EXPECT_FALSE(f->Button("FindTB2")->isChecked());
    f->Command("FindM")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(d->CurrentLayout(), TFindForm::Layout::Find);
    EXPECT_EQ(d->height(), 150);
    EXPECT_TRUE(f->Button("FindTB2")->isChecked());
    EXPECT_FALSE(f->Button("ReplaceTB2")->isChecked());
    // Trace search is off while the dialog is open.
    EXPECT_FALSE(f->Command("FindEXM")->isEnabled());
    DialogButton(f, "CancelBtn")->click();
    EXPECT_FALSE(d->isVisible());
    EXPECT_FALSE(f->findMode || f->replaceMode);
    EXPECT_FALSE(f->Button("FindTB")->isChecked());
    // The close box does the same.
    f->Command("FindM")->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(d->isVisible());
    d->close();
    EXPECT_FALSE(d->isVisible());
    EXPECT_FALSE(f->findMode);
    EXPECT_FALSE(f->Button("FindTB")->isChecked());
}

TEST_F(FindWindow, FindNextWithAnEmptySearchStringOpensTheDialog) {
    TOMForm* f = Open(QStringLiteral("abc"));
    for (const char* command : {"FindNextM", "FindBackM", "FindHeadM"}) {
        DialogButton(f, "CancelBtn")->click();
        f->Command(command)->trigger();
        QApplication::processEvents();
        EXPECT_TRUE(f->FindForm()->isVisible()) << command;
        EXPECT_TRUE(f->findMode) << command;
        EXPECT_EQ(f->FindForm()->CurrentLayout(), TFindForm::Layout::Find) << command;
    }
    // Replace all opens the replace layout.
    DialogButton(f, "ReplaceAllBtn")->click();
    EXPECT_TRUE(f->replaceMode);
    EXPECT_EQ(f->FindForm()->CurrentLayout(), TFindForm::Layout::Replace);
    EXPECT_EQ(Said(QStringLiteral("すべて置換えますか？")), 0);
}

// ----- finding ----------------------------------------------------------------------------------

enum Op { Next, Back, Head };

struct FindRow {
    const char* text;
    const char* find;
    int selStart;
    int selLength;
    Op op;
    bool found;
    int wantStart;
    int wantLength;
};

class FindThroughTheWindow : public FindWindow,
                             public ::testing::WithParamInterface<std::tuple<FindRow, bool>> {};

TEST_P(FindThroughTheWindow, SelectsTheMatch) {
    const auto& [r, vertical] = GetParam();
    TOMForm* f = Open(QString::fromUtf8(r.text), vertical);
    f->FindForm()->SetFindText(QString::fromUtf8(r.find));
    f->ActiveView()->SetSelection(r.selStart, r.selLength);
    const char* command = r.op == Next ? "FindNextM" : r.op == Back ? "FindBackM" : "FindHeadM";
    f->Command(command)->trigger();
    EXPECT_EQ(f->ActiveView()->SelStart(), r.wantStart) << r.text << " / " << r.find;
    EXPECT_EQ(f->ActiveView()->SelLength(), r.wantLength) << r.text << " / " << r.find;
    EXPECT_EQ(Said(kNotFound), r.found ? 0 : 1) << r.text << " / " << r.find;
    if (!r.found) {
        EXPECT_EQ(MessageService::History().last().caption, QString());
        EXPECT_EQ(MessageService::History().last().buttons, QMessageBox::Ok);
    }
    // A found string goes to the top of both histories.
    const QString top = f->FindForm()->FindStringCB()->itemText(0);
    EXPECT_EQ(top == QString::fromUtf8(r.find), r.found);
    EXPECT_EQ(f->findHistory.value(0) == QString::fromUtf8(r.find), r.found);
    EXPECT_EQ(f->FindForm()->ReplaceStringCB()->findText(QString::fromUtf8(r.find)) >= 0, r.found);
    // The mirror view has the active view's selection.
    EXPECT_EQ(f->MirrorView()->SelStart(), f->ActiveView()->SelStart());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindThroughTheWindow,
    ::testing::Combine(
        ::testing::Values(
            // Find next starts at the end of the selection.
            FindRow{"abcabc", "bc", 0, 0, Next, true, 1, 2},
            FindRow{"abcabc", "bc", 1, 2, Next, true, 4, 2},
            FindRow{"abcabc", "bc", 4, 2, Next, false, 4, 2},
            // Lower case finds upper case.
            FindRow{"xxABC", "abc", 0, 0, Next, true, 2, 3},
            FindRow{"吾輩は猫である。猫", "猫", 6, 2, Next, true, 16, 2},
            // Four equal letters, two of them searched backwards from the line end: position 2.
            FindRow{"aaaa", "aa", 4, 0, Back, true, 2, 2},
            FindRow{"abcabc", "bc", 4, 2, Back, true, 1, 2},
            FindRow{"abcabc", "bc", 1, 0, Back, false, 1, 0},
            FindRow{"吾輩は猫である。猫", "猫", 16, 0, Back, true, 6, 2},
            // From the top: the caret goes to 0 first.
            FindRow{"abcabc", "bc", 5, 1, Head, true, 1, 2},
            FindRow{"abcabc", "x", 5, 1, Head, false, 0, 0}),
        ::testing::Bool()));

TEST_P(FindWindowViews, SelectionOnlySearchStaysInsideAndStartsAtItsBeginning) {
    // Bytes: a0 b1 X2 c3 d4 X5 e6 f7 X8; the selection covers [2, 7).
    TOMForm* f = Open(QStringLiteral("abXcdXefX"), GetParam());
    f->ActiveView()->SetSelection(2, 5);
    f->Command("FindM")->trigger();
    QApplication::processEvents();
    TFindForm* d = f->FindForm();
    ASSERT_TRUE(d->IsDialogActive());
    EXPECT_TRUE(d->SelectRangeChk()->isChecked());
    EXPECT_FALSE(f->findFreshOpen);
    d->SetFindText(QStringLiteral("x"));
    DialogButton(f, "FindNextBtn")->click();
    EXPECT_EQ(f->ActiveView()->SelStart(), 2);
    EXPECT_EQ(f->ActiveView()->SelLength(), 1);
    EXPECT_EQ(f->FindState().rangeStart, 2);
    EXPECT_EQ(f->FindState().rangeEnd, 7);
    DialogButton(f, "FindNextBtn")->click();
    EXPECT_EQ(f->ActiveView()->SelStart(), 5);
    DialogButton(f, "FindNextBtn")->click();  // the X at 8 lies outside
    EXPECT_EQ(f->ActiveView()->SelStart(), 5);
    EXPECT_EQ(Said(kNotFound), 1);
    // Leaving the dialog forgets the range and unchecks the box.
    DialogButton(f, "CancelBtn")->click();
    EXPECT_EQ(f->FindState().rangeStart, -1);
    EXPECT_EQ(f->FindState().rangeEnd, -1);
    EXPECT_FALSE(d->SelectRangeChk()->isChecked());
}

TEST_F(FindWindow, OpeningWithOnePositionSelectedLeavesTheRangeBoxUnchecked) {
    TOMForm* f = Open(QStringLiteral("abXcd"));
    f->ActiveView()->SetSelection(2, 1);
    f->Command("FindM")->trigger();
    QApplication::processEvents();
    ASSERT_TRUE(f->FindForm()->IsDialogActive());
    EXPECT_FALSE(f->FindForm()->SelectRangeChk()->isChecked());
}

TEST_F(FindWindow, TheDialogTakesTheEditingKeysWhileActive) {
    TOMForm* f = Open(QStringLiteral("abc"));
    const std::pair<const char*, const char*> keys[] = {
        {"RedoM", "Shift+Ctrl+Z"}, {"UndoM", "Ctrl+Z"},  {"CutM", "Ctrl+X"},
        {"CopyM", "Ctrl+C"},       {"PasteM", "Ctrl+V"}, {"AllSelectM", "Ctrl+A"},
    };
    f->Command("FindM")->trigger();
    QApplication::processEvents();
    ASSERT_TRUE(f->FindForm()->IsDialogActive());
    for (const auto& [name, key] : keys)
        EXPECT_TRUE(f->Command(name)->shortcut().isEmpty()) << name;
    // Ctrl+A in the search box selects its text, not the document.
    QComboBox* box = f->FindForm()->FindStringCB();
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("abc"));
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(box->lineEdit()->selectedText(), QStringLiteral("abc"));
    EXPECT_EQ(f->ActiveView()->SelLength(), 0);
    DialogButton(f, "CancelBtn")->click();
    EXPECT_FALSE(f->FindForm()->IsDialogActive());
    for (const auto& [name, key] : keys)
        EXPECT_EQ(f->Command(name)->shortcut(), QKeySequence(QString::fromUtf8(key))) << name;
}

TEST_F(FindWindow, FindKeysWorkWhileTheDialogIsActive) {
    TOMForm* f = Open(QStringLiteral("abcabc"));
    f->Command("ReplaceM")->trigger();
    QApplication::processEvents();
    TFindForm* d = f->FindForm();
    ASSERT_TRUE(d->IsDialogActive());
    d->SetFindText(QStringLiteral("bc"));
    d->ReplaceStringCB()->setEditText(QStringLiteral("X"));
    f->ActiveView()->SetSelection(0, 0);
    QComboBox* box = d->FindStringCB();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_F3);
    EXPECT_EQ(f->ActiveView()->SelStart(), 1);
    QTest::keyClick(box, Qt::Key_F3);
    EXPECT_EQ(f->ActiveView()->SelStart(), 4);
    QTest::keyClick(box, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(f->ActiveView()->SelStart(), 1);
    QTest::keyClick(box, Qt::Key_F4);
    EXPECT_EQ(f->ActiveView()->Text(), QStringLiteral("aXabc"));
    // Enter presses the default button, find next.
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(f->ActiveView()->SelStart(), 3);
    EXPECT_EQ(f->ActiveView()->SelLength(), 2);
}

TEST_F(FindWindow, ActivationWithNeitherModeSaysItShouldNotHappen) {
    TOMForm* f = Open(QStringLiteral("abc"));
    f->Command("ReplaceM")->trigger();
    QApplication::processEvents();
    DialogButton(f, "CancelBtn")->click();
    // The window system gives the main window the focus back.
    f->activateWindow();
    QApplication::processEvents();
    // Not reachable through the commands: the dialog shown by hand with both modes off.
    f->FindForm()->show();
    f->FindForm()->activateWindow();
    QApplication::processEvents();
    ASSERT_TRUE(f->FindForm()->IsDialogActive());
    EXPECT_EQ(Said(QStringLiteral("おきるはずの無いエラーです")), 1);
    EXPECT_EQ(MessageService::History().last().caption, QStringLiteral("エラー表示"));
    EXPECT_EQ(f->FindForm()->CurrentLayout(), TFindForm::Layout::Replace);
}

TEST_P(FindWindowViews, TraceSearchTakesTheSelection) {
    TOMForm* f = Open(QStringLiteral("吾輩は猫である。猫"), GetParam());
    f->ActiveView()->SetSelection(6, 2);  // 猫
    f->Command("FindEXM")->trigger();
    TFindForm* d = f->FindForm();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(d->FindText(), QStringLiteral("猫"));
    EXPECT_TRUE(f->Button("FindEXTB")->isChecked());
    EXPECT_TRUE(f->Button("FindEXTB2")->isChecked());
    EXPECT_TRUE(f->Command("FindM")->isEnabled());
    // Every state refresh takes the selection again while trace search stays on.
    f->ActiveView()->SetSelection(0, 4);  // 吾輩
    f->StateRefresh();
    EXPECT_EQ(d->FindText(), QStringLiteral("吾輩"));
    f->ActiveView()->SetSelection(6, 2);
    f->StateRefresh();
    f->Command("FindNextM")->trigger();
    EXPECT_EQ(f->ActiveView()->SelStart(), 16);
    // Without a selection the next refresh ends trace search.
    f->ActiveView()->SetSelection(0, 0);
    f->StateRefresh();
    EXPECT_FALSE(f->findMode || f->replaceMode);
    EXPECT_EQ(d->FindText(), QStringLiteral("猫"));
}

// ----- replacing --------------------------------------------------------------------------------

TEST_P(FindWindowViews, ReplaceAcceptsASelectionDifferingInCase) {
    TOMForm* f = Open(QStringLiteral("Hello hello"), GetParam());
    f->Command("ReplaceM")->trigger();
    QApplication::processEvents();
    TFindForm* d = f->FindForm();
    d->SetFindText(QStringLiteral("hello"));
    d->ReplaceStringCB()->setEditText(QStringLiteral("さよなら"));
    // A selection that is not the search string is left alone and notes nothing.
    f->ActiveView()->SetSelection(1, 5);
    f->Command("ReplaceRunM")->trigger();
    EXPECT_EQ(f->ActiveView()->Text(), QStringLiteral("Hello hello"));
    EXPECT_TRUE(kinds_.isEmpty());
    f->ActiveView()->SetSelection(0, 5);
    f->Command("ReplaceRunM")->trigger();
    EXPECT_EQ(f->ActiveView()->Text(), QStringLiteral("さよなら hello"));
    // Both views show the one document.
    EXPECT_EQ(f->MirrorView()->Text(), QStringLiteral("さよなら hello"));
    EXPECT_EQ(kinds_, QList<int>({6}));
    EXPECT_EQ(d->ReplaceStringCB()->itemText(0), QStringLiteral("さよなら"));
    // Replace and next: replaces nothing (the caret is no match), then selects the next one;
    // the second press replaces it.
    DialogButton(f, "ReplaceNextBtn")->click();
    EXPECT_EQ(f->ActiveView()->SelStart(), 9);
    EXPECT_EQ(f->ActiveView()->SelLength(), 5);
    DialogButton(f, "ReplaceNextBtn")->click();
    EXPECT_EQ(f->ActiveView()->Text(), QStringLiteral("さよなら さよなら"));
    EXPECT_EQ(kinds_, QList<int>({6, 6}));
    EXPECT_EQ(Said(kNotFound), 1);
}

TEST_F(FindWindow, ReplaceWithAnEmptySearchStringInsertsAtTheCaret) {
    TOMForm* f = Open(QStringLiteral("abc"));
    f->FindForm()->ReplaceStringCB()->setEditText(QStringLiteral("猫"));
    f->ActiveView()->SetSelection(1, 0);
    f->Command("ReplaceRunM")->trigger();
    EXPECT_EQ(f->ActiveView()->Text(), QStringLiteral("a猫bc"));
    EXPECT_EQ(f->MirrorView()->Text(), QStringLiteral("a猫bc"));
    EXPECT_EQ(f->ActiveView()->SelStart(), 3);
    // With a selection nothing matches the empty string.
    f->ActiveView()->SetSelection(0, 1);
    f->Command("ReplaceRunM")->trigger();
    EXPECT_EQ(f->ActiveView()->Text(), QStringLiteral("a猫bc"));
}

struct ReplaceAllRow {
    const char* text;
    const char* find;
    const char* replace;
    int caret;
    const char* want;
    int count;
};

class ReplaceAllThroughTheWindow
    : public FindWindow,
      public ::testing::WithParamInterface<std::tuple<ReplaceAllRow, bool>> {};

TEST_P(ReplaceAllThroughTheWindow, ReplacesFromTheCaretAsOneStep) {
    const auto& [r, vertical] = GetParam();
    TOMForm* f = Open(QString::fromUtf8(r.text), vertical);
    f->Command("ReplaceM")->trigger();
    QApplication::processEvents();
    TFindForm* d = f->FindForm();
    d->SetFindText(QString::fromUtf8(r.find));
    d->ReplaceStringCB()->setEditText(QString::fromUtf8(r.replace));
    f->ActiveView()->SetSelection(r.caret, 0);
    MessageService::QueueAnswers({QMessageBox::Yes});
    DialogButton(f, "ReplaceAllBtn")->click();
    EXPECT_EQ(f->ActiveView()->Text(), QString::fromUtf8(r.want));
    EXPECT_EQ(f->MirrorView()->Text(), QString::fromUtf8(r.want));
    EXPECT_EQ(kinds_, QList<int>({4}));
    const auto& history = MessageService::History();
    ASSERT_EQ(history.size(), 2);
    EXPECT_EQ(history[0].text, QStringLiteral("すべて置換えますか？"));
    EXPECT_EQ(history[0].caption, QStringLiteral("確認"));
    EXPECT_EQ(history[0].icon, QMessageBox::Question);
    EXPECT_EQ(history[0].buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(history[1].text, kNotFound);
    EXPECT_EQ(d->ReplaceStringCB()->findText(QString::fromUtf8(r.replace)) >= 0, r.count > 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceAllThroughTheWindow,
    ::testing::Combine(::testing::Values(
                           // The replacement holds the search string: each search starts after it.
                           ReplaceAllRow{"a a a", "a", "aa", 0, "aa aa aa", 3},
                           // From the caret on, not from the top.
                           ReplaceAllRow{"a a a", "a", "aa", 2, "a aa aa", 2},
                           ReplaceAllRow{"猫と猫と犬", "ネコ", "x", 0, "猫と猫と犬", 0},
                           ReplaceAllRow{"猫と猫と犬", "猫", "ねこ", 0, "ねことねこと犬", 2}),
                       ::testing::Bool()));

TEST_F(FindWindow, ReplaceAllOverALongTextLetsTheWindowPaintAndIsOneStep) {
    QString text;
    for (int i = 0; i < 1500; ++i) text += QStringLiteral("吾輩は猫である。\r\n");
    TOMForm* f = Open(text);
    f->FindForm()->SetFindText(QStringLiteral("猫"));
    f->FindForm()->ReplaceStringCB()->setEditText(QStringLiteral("ねこ"));
    f->ActiveView()->SetSelection(0, 0);
    // Painting during the run: a timer that fires only when events are processed.
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(0);
    QElapsedTimer clock;
    clock.start();
    MessageService::QueueAnswers({QMessageBox::Yes});
    EXPECT_EQ(f->ReplaceAllClick(), 1500);
    const qint64 ms = clock.elapsed();
    timer.stop();
    EXPECT_EQ(f->ActiveView()->Text(),
              QString(text).replace(QStringLiteral("猫"), QStringLiteral("ねこ")));
    EXPECT_EQ(kinds_, QList<int>({4}));
    // Events were processed during a run that lasted longer than one pause.
    if (ms > 200) {
        EXPECT_GT(ticks, 0) << ms << " ms";
    }
}

TEST_F(FindWindow, ReplaceAllAnsweredNoChangesNothing) {
    TOMForm* f = Open(QStringLiteral("a a a"));
    f->FindForm()->SetFindText(QStringLiteral("a"));
    f->FindForm()->ReplaceStringCB()->setEditText(QStringLiteral("b"));
    for (auto answer : {QMessageBox::No, QMessageBox::Cancel}) {
        MessageService::QueueAnswers({answer});
        EXPECT_EQ(f->ReplaceAllClick(), 0);
    }
    EXPECT_EQ(f->ActiveView()->Text(), QStringLiteral("a a a"));
    EXPECT_TRUE(kinds_.isEmpty());
}

// ----- history ----------------------------------------------------------------------------------

TEST_F(FindWindow, TheSearchHistoryGrowsButOnlyTwentyAreStored) {
    QString text;
    for (int i = 0; i < 25; ++i) text += QStringLiteral("語%1 ").arg(i, 2, 10, QLatin1Char('0'));
    TOMForm* f = Open(text);
    for (int i = 0; i < 25; ++i) {
        f->FindForm()->SetFindText(QStringLiteral("語%1").arg(i, 2, 10, QLatin1Char('0')));
        ASSERT_TRUE(f->FindHeadMClick()) << i;
    }
    // Found again: not added twice.
    f->FindForm()->SetFindText(QStringLiteral("語03"));
    ASSERT_TRUE(f->FindHeadMClick());
    QComboBox* box = f->FindForm()->FindStringCB();
    ASSERT_EQ(box->count(), 25);
    EXPECT_EQ(box->itemText(0), QStringLiteral("語24"));
    EXPECT_EQ(box->itemText(24), QStringLiteral("語00"));
    EXPECT_EQ(f->findHistory.size(), 25);
    f->ActiveView()->SetModified(false);
    ASSERT_TRUE(Close());
    EXPECT_EQ(Stored(QStringLiteral("Etc/FindStrCount")), QStringLiteral("20"));
    EXPECT_EQ(Stored(QStringLiteral("Etc/FindStr(0)")), QStringLiteral("語24"));
    EXPECT_EQ(Stored(QStringLiteral("Etc/FindStr(19)")), QStringLiteral("語05"));
    EXPECT_EQ(Stored(QStringLiteral("Etc/FindStr(20)")), QString());
    // The next start shows the stored ones, newest first.
    f = Start();
    box = f->FindForm()->FindStringCB();
    ASSERT_EQ(box->count(), 20);
    EXPECT_EQ(box->itemText(0), QStringLiteral("語24"));
    EXPECT_EQ(box->itemText(19), QStringLiteral("語05"));
    EXPECT_EQ(f->FindForm()->FindText(), QString());
}

TEST_F(FindWindow, TheDialogKeepsItsPlace) {
    Store(QStringLiteral("Window/FindTop"), QStringLiteral("210"));
    Store(QStringLiteral("Window/FindLeft"), QStringLiteral("130"));
    TOMForm* f = Open(QStringLiteral("abc"));
    f->Command("FindM")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(f->FindForm()->pos(), QPoint(130, 210));
    f->FindForm()->move(300, 250);
    QApplication::processEvents();
    f->ActiveView()->SetModified(false);
    ASSERT_TRUE(Close());
    EXPECT_EQ(Stored(QStringLiteral("Window/FindTop")), QStringLiteral("250"));
    EXPECT_EQ(Stored(QStringLiteral("Window/FindLeft")), QStringLiteral("300"));
}

INSTANTIATE_TEST_SUITE_P(HorizontalAndVertical, FindWindowViews, ::testing::Bool());

}  // namespace

// Undo and redo through real keys in the main window, in the horizontal and the vertical view:
// the steps the kind table makes of typing, caret moves, pastes, line commands and input-method
// text; the limit of 20 undos; the reset on new; the status bar's panels; the line commands.

#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMimeData>
#include <QTextDocument>
#include <QToolButton>

#include "MainWindowTestSupport.h"
#include "editing/TSnapshotRing.h"

namespace {

class UndoTest : public MainWindowTest, public ::testing::WithParamInterface<bool> {
protected:
    TOMForm* StartIn() {
        TOMForm* f = Start();
        if (GetParam()) f->TateModeMClick();
        f->ActiveView()->setFocus();
        QApplication::processEvents();
        return f;
    }
    static QWidget* Text(TOMForm* f) { return f->ActiveView()->EditWidget(); }
    static void Type(TOMForm* f, const QString& s) {
        for (QChar c : s) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(Text(f), c.toLatin1());
            } else {
                // Keys of a Japanese keyboard layout: no key code, the character as text.
                QTest::sendKeyEvent(QTest::Press, Text(f), Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
                QTest::sendKeyEvent(QTest::Release, Text(f), Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
            }
        }
        QApplication::processEvents();
    }
    static void Key(TOMForm* f, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(Text(f), key, mods);
        QApplication::processEvents();
    }
    static void Undo(TOMForm* f) { Key(f, Qt::Key_Z, Qt::ControlModifier); }
    static void Redo(TOMForm* f) { Key(f, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }
    static QString All(TOMForm* f) { return f->ActiveView()->Text(); }
    // A caret movement that works in both directions of writing (Home and End move along the
    // line in either).
    static void Move(TOMForm* f) { Key(f, Qt::Key_Home); }
    static bool Enabled(TOMForm* f, const char* name) { return f->Command(name)->isEnabled(); }
};

TEST_P(UndoTest, TypedWordIsUndoneAndRedoneWithCaretMovesBetween) {
    TOMForm* f = StartIn();
    Type(f, QStringLiteral("abc"));
    EXPECT_TRUE(Enabled(f, "UndoM"));
    EXPECT_FALSE(Enabled(f, "RedoM"));
    Undo(f);
    EXPECT_EQ(All(f), QString());
    EXPECT_TRUE(Enabled(f, "RedoM"));
    Move(f);
    Key(f, Qt::Key_End);
    EXPECT_TRUE(Enabled(f, "RedoM"));  // caret moves after an undo keep the redo chain
    Redo(f);
    EXPECT_EQ(All(f), QStringLiteral("abc"));
    EXPECT_EQ(f->ActiveView()->SelStart(), 3);
    EXPECT_FALSE(Enabled(f, "RedoM"));
}

TEST_P(UndoTest, CaretMoveAfterTypingIsAStepOfItsOwn) {
    TOMForm* f = StartIn();
    Type(f, QStringLiteral("abc"));
    Move(f);
    EXPECT_EQ(f->ActiveView()->SelStart(), 0);
    Undo(f);  // first only the caret goes back to where the typing left it
    EXPECT_EQ(All(f), QStringLiteral("abc"));
    EXPECT_EQ(f->ActiveView()->SelStart(), 3);
    Undo(f);
    EXPECT_EQ(All(f), QString());
}

TEST_P(UndoTest, AtMostTwentyUndosInARow) {
    TOMForm* f = StartIn();
    // Each letter typed after a caret move is a step: 30 of them.
    for (int i = 0; i < 30; ++i) {
        Type(f, QStringLiteral("x"));
        Key(f, Qt::Key_End);
    }
    int undone = 0;
    while (Enabled(f, "UndoM") && undone < 50) {
        Undo(f);
        ++undone;
    }
    EXPECT_EQ(undone, 20);
    // The oldest state kept: 30 letters, less the steps that were undone (a letter and a caret
    // move each, the first undo taking the present state).
    EXPECT_EQ(All(f).size(), 20);
}

TEST_P(UndoTest, PasteWithTypingAfterItIsOneStep) {
    TOMForm* f = StartIn();
    Type(f, QStringLiteral("ab"));
    Move(f);
    QApplication::clipboard()->setText(QStringLiteral("PASTE"));
    Key(f, Qt::Key_V, Qt::ControlModifier);
    Type(f, QStringLiteral("zz"));
    EXPECT_EQ(All(f), QStringLiteral("PASTEzzab"));
    Undo(f);  // the paste is a step of its own, and the typing after it joins it
    EXPECT_EQ(All(f), QStringLiteral("ab"));
    EXPECT_EQ(f->ActiveView()->SelStart(), 0);
}

TEST_P(UndoTest, InputMethodTextJoinsTheStepBeforeIt) {
    TOMForm* f = StartIn();
    Type(f, QStringLiteral("a"));
    QInputMethodEvent preedit(QStringLiteral("にほん"), {});
    QApplication::sendEvent(Text(f), &preedit);
    EXPECT_TRUE(f->composing);
    EXPECT_TRUE(f->imePending);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("日本"));
    QApplication::sendEvent(Text(f), &commit);
    QApplication::processEvents();
    EXPECT_FALSE(f->composing);
    EXPECT_FALSE(f->imePending);
    EXPECT_EQ(All(f), QStringLiteral("a日本"));
    EXPECT_EQ(f->editKind, 7);
    Undo(f);
    EXPECT_EQ(All(f), QString());
}

TEST_P(UndoTest, RowDeleteJoinsTheStepInProgress) {
    TOMForm* f = StartIn();
    Type(f, QStringLiteral("one"));
    Key(f, Qt::Key_Return);
    Type(f, QStringLiteral("two"));
    f->Command("RowDeleteM")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(All(f), QStringLiteral("one\r\n"));
    // The line break began a step; the typing after it and the deletion joined it.
    Undo(f);
    EXPECT_EQ(All(f), QStringLiteral("one"));
}

TEST_P(UndoTest, NewDocumentEmptiesTheRing) {
    TOMForm* f = StartIn();
    Type(f, QStringLiteral("abc"));
    f->ActiveView()->SetModified(false);
    f->Command("NewFileM")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(f->UndoRing().Current(), 0);
    EXPECT_EQ(f->UndoRing().Newest(), 0);
    EXPECT_FALSE(Enabled(f, "UndoM"));
    EXPECT_FALSE(Enabled(f, "RedoM"));
    EXPECT_EQ(All(f), QString());
}

TEST_P(UndoTest, UndoButtonsFollowTheMenuItem) {
    TOMForm* f = StartIn();
    for (const char* b : {"UndoTB", "Undo2TB"}) EXPECT_FALSE(f->Button(b)->isEnabled()) << b;
    Type(f, QStringLiteral("abc"));
    for (const char* b : {"UndoTB", "Undo2TB"}) EXPECT_TRUE(f->Button(b)->isEnabled()) << b;
    EXPECT_TRUE(f->Command("UndoPop")->isEnabled());
    f->Button("Undo2TB")->click();
    QApplication::processEvents();
    EXPECT_EQ(All(f), QString());
    for (const char* b : {"RedoTB", "Redo2TB"}) EXPECT_TRUE(f->Button(b)->isEnabled()) << b;
}

TEST_P(UndoTest, InsertKeySwitchesToOverwriteInTheViewAndOnThePanel) {
    TOMForm* f = StartIn();
    EXPECT_EQ(f->StatusPanel(2)->text(), QStringLiteral("挿入"));
    Type(f, QStringLiteral("abcd"));
    Key(f, Qt::Key_Home);
    Key(f, Qt::Key_Insert);
    EXPECT_EQ(f->StatusPanel(2)->text(), QStringLiteral("上書き"));
    Type(f, QStringLiteral("XY"));
    EXPECT_EQ(All(f), QStringLiteral("XYcd"));
    Key(f, Qt::Key_Insert);
    EXPECT_EQ(f->StatusPanel(2)->text(), QStringLiteral("挿入"));
    Type(f, QStringLiteral("Z"));
    EXPECT_EQ(All(f), QStringLiteral("XYZcd"));
}

TEST_P(UndoTest, ModeSwitchGoesBackToInsert) {
    TOMForm* f = StartIn();
    Key(f, Qt::Key_Insert);
    ASSERT_EQ(f->StatusPanel(2)->text(), QStringLiteral("上書き"));
    if (GetParam())
        f->YokoModeMClick();
    else
        f->TateModeMClick();
    QApplication::processEvents();
    EXPECT_EQ(f->StatusPanel(2)->text(), QStringLiteral("挿入"));
    Type(f, QStringLiteral("ab"));
    Key(f, Qt::Key_Home);
    Type(f, QStringLiteral("c"));
    EXPECT_EQ(All(f), QStringLiteral("cab"));
}

TEST_P(UndoTest, LinePanelAtTheStartAndAfterTyping) {
    TOMForm* f = StartIn();
    EXPECT_EQ(f->StatusPanel(0)->text(), QStringLiteral("     1行     1列"));
    // Columns count Shift-JIS bytes: two for each full-width character.
    Type(f, QStringLiteral("ab"));
    Key(f, Qt::Key_Return);
    Type(f, QStringLiteral("あい"));
    EXPECT_EQ(f->StatusPanel(0)->text(), QStringLiteral("     2行     5列"));
    EXPECT_EQ(f->StatusPanel(1)->text(), QStringLiteral("IME:OFF"));
}

// Row select: the caret's display line with its line break; on the last line to the end.
TEST_P(UndoTest, RowSelectTakesTheLineBreakExceptOnTheLastLine) {
    TOMForm* f = StartIn();
    Type(f, QStringLiteral("one"));
    Key(f, Qt::Key_Return);
    Type(f, QStringLiteral("two"));
    struct Row {
        int caret;
        int start;
        int length;
    };
    for (const Row& r : {Row{1, 0, 5}, Row{6, 5, 3}, Row{8, 5, 3}}) {
        f->ActiveView()->SetSelStart(r.caret);
        f->Command("RowSelectM")->trigger();
        EXPECT_EQ(f->ActiveView()->SelStart(), r.start) << r.caret;
        EXPECT_EQ(f->ActiveView()->SelLength(), r.length) << r.caret;
        EXPECT_EQ(f->MirrorView()->SelStart(), r.start) << r.caret;
        EXPECT_EQ(f->MirrorView()->SelLength(), r.length) << r.caret;
    }
}

TEST_P(UndoTest, CaretJumpsToLineAndDocumentEnds) {
    TOMForm* f = StartIn();
    Type(f, QStringLiteral("one"));
    Key(f, Qt::Key_Return);
    Type(f, QStringLiteral("two"));
    f->ActiveView()->SetSelStart(6);
    struct Row {
        const char* command;
        int caret;
    };
    for (const Row& r : {Row{"HomeM", 5}, Row{"EndM", 8}, Row{"CHomeM", 0}, Row{"CEndM", 8}}) {
        f->Command(r.command)->trigger();
        QApplication::processEvents();
        EXPECT_EQ(f->ActiveView()->SelStart(), r.caret) << r.command;
    }
    // Caret jumps are caret movements: the typing before them is a step.
    EXPECT_EQ(f->editKind, 0);
}

// In a long document (only the changed paragraphs are put back) the caret returns to where the
// typing began, wherever the paragraph stands.
TEST_P(UndoTest, UndoPutsTheCaretBackInALongDocument) {
    TOMForm* f = StartIn();
    QString text;
    for (int i = 0; i < 3000; ++i)
        text += QStringLiteral("吾輩は猫である。名前はまだ無い。%1\r\n").arg(i);
    f->ActiveView()->SetText(text);
    QApplication::processEvents();
    for (int paragraph : {5, 1500, 2999}) {
        // Bytes: 16 two-byte characters, the digits and CR LF per paragraph before it.
        int start = 0;
        for (int i = 0; i < paragraph; ++i) start += 32 + QString::number(i).size() + 2;
        const int caret = start + 8;  // after 吾輩は猫
        f->ActiveView()->SetSelStart(caret);
        QApplication::processEvents();
        Type(f, QStringLiteral("x"));
        ASSERT_EQ(f->ActiveView()->SelStart(), caret + 1) << paragraph;
        Undo(f);
        EXPECT_EQ(All(f), text) << paragraph;
        EXPECT_EQ(f->ActiveView()->SelStart(), caret) << paragraph;
        EXPECT_EQ(f->MirrorView()->SelStart(), caret) << paragraph;
    }
}

INSTANTIATE_TEST_SUITE_P(Views, UndoTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Vertical" : "Horizontal"; });

// Cut, copy and delete follow the selection.
TEST_F(MainWindowTest, SelectionCommandsFollowTheSelection) {
    TOMForm* f = Start();
    QTest::keyClicks(f->ActiveView()->EditWidget(), QStringLiteral("abc"));
    const char* names[] = {"CutM", "CutPop", "CopyM", "CopyPop", "DeleteM", "DeletePop"};
    for (const char* n : names) EXPECT_FALSE(f->Command(n)->isEnabled()) << n;
    for (const char* b : {"CutTB", "CopyTB2", "DeleteTB"}) EXPECT_FALSE(f->Button(b)->isEnabled());
    f->ActiveView()->SetSelection(0, 2);
    for (const char* n : names) EXPECT_TRUE(f->Command(n)->isEnabled()) << n;
    for (const char* b : {"CutTB", "CopyTB2", "DeleteTB"}) EXPECT_TRUE(f->Button(b)->isEnabled());
}

// The wrap-off switch works horizontally only.
TEST_F(MainWindowTest, WrapOffIsEnabledOnlyHorizontally) {
    TOMForm* f = Start();
    EXPECT_TRUE(f->Command("WordWrapOffM")->isEnabled());
    const bool before = f->wrapOff;
    f->Command("WordWrapOffM")->trigger();
    EXPECT_NE(f->wrapOff, before);
    EXPECT_EQ(f->Command("WordWrapOffM")->isChecked(), f->wrapOff);
    EXPECT_EQ(f->ActiveView()->WordWrap(), !f->wrapOff);
    f->TateModeMClick();
    EXPECT_FALSE(f->Command("WordWrapOffM")->isEnabled());
    f->YokoModeMClick();
    EXPECT_TRUE(f->Command("WordWrapOffM")->isEnabled());
}

}  // namespace

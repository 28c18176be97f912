// The font bar's boxes (Enter, Tab, Esc, leaving a box, the size-list flag, the messages for a
// size that is not an integer), the run-wise font application with Shift-JIS mode off, the
// colour button, the baseline track bar, and a document's own font name ("ＭＳ 明朝") shown in
// the name box and written back on save.

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QTextDocument>
#include <QToolButton>

#include "FormatTestSupport.h"

namespace {

QString LastMessage() {
    const auto& h = MessageService::History();
    return h.isEmpty() ? QString() : h.back().text;
}

void Choose(QComboBox* box, const QString& text) {
    box->setCurrentIndex(box->findText(text, Qt::MatchExactly));
}

// ----- the name box and run-wise application ----------------------------------------------------

class FontNameTest : public FormatTest, public ::testing::WithParamInterface<ViewSetup> {};

TEST_P(FontNameTest, ShiftJisModeOffGivesOnlyTheLatinRunsTheWesternFont) {
    TOMForm* f = StartIn(GetParam().setup);
    SetText("abc漢字def");
    f->shiftJisMode = false;
    const QString japanese = At(3).name;
    f->ActiveView()->SetSelection(0, 10);
    QApplication::processEvents();
    Choose(f->FontNameCB(), QStringLiteral("DejaVu Sans"));
    emit f->FontNameCB()->activated(f->FontNameCB()->currentIndex());  // chosen, list closed
    for (int i : {0, 1, 2, 7, 8, 9}) {
        EXPECT_EQ(At(i).name, QStringLiteral("DejaVu Sans")) << i;
        EXPECT_EQ(At(i).charset, kDefaultCharset) << i;
    }
    for (int i : {3, 5}) {
        EXPECT_EQ(At(i).name, japanese) << i;
        EXPECT_EQ(At(i).charset, kShiftJisCharset) << i;
    }
    EXPECT_EQ(f->ActiveView()->SelStart(), 0);
    EXPECT_EQ(f->ActiveView()->SelLength(), 0);
    EXPECT_EQ(f->MirrorView()->SelStart(), 0);
}

TEST_P(FontNameTest, ShiftJisModeOnGivesTheWholeSelectionTheFontAndKeepsTheSelection) {
    TOMForm* f = StartIn(GetParam().setup);
    SetText("abc漢字def");
    f->ActiveView()->SetSelection(0, 10);
    QApplication::processEvents();
    Choose(f->FontNameCB(), QStringLiteral("DejaVu Sans"));
    emit f->FontNameCB()->activated(f->FontNameCB()->currentIndex());
    for (int i : {0, 2, 3, 5, 7, 9}) {
        EXPECT_EQ(At(i).name, QStringLiteral("DejaVu Sans")) << i;
        EXPECT_EQ(At(i).charset, kShiftJisCharset) << i;
    }
    EXPECT_EQ(f->ActiveView()->SelStart(), 0);
    EXPECT_EQ(f->ActiveView()->SelLength(), 10);
    EXPECT_EQ(f->FontNameCB()->currentText(), QStringLiteral("DejaVu Sans"));
}

INSTANTIATE_TEST_SUITE_P(Table, FontNameTest, ::testing::ValuesIn(kViewSetups),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FormatTest, AChangeWhileTheNameListIsDroppedDownIsIgnored) {
    TOMForm* f = StartIn(ViewSetup::Single);
    SetText("abc");
    f->ActiveView()->SetSelection(0, 3);
    const QString before = At(0).name;
    f->Command("FontNameM")->trigger();
    ASSERT_TRUE(f->FontNameCB()->view()->isVisible());
    Choose(f->FontNameCB(), QStringLiteral("DejaVu Sans"));
    emit f->FontNameCB()->activated(f->FontNameCB()->currentIndex());
    EXPECT_EQ(At(0).name, before);
    f->FontNameCB()->hidePopup();
    // Offscreen, the window is not given back the focus when the list closes.
    f->activateWindow();
    f->FontNameCB()->setFocus();
    QApplication::processEvents();
    // Enter applies, the focus goes back and the caret stands after the text.
    QTest::keyClick(f->FontNameCB(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(At(0).name, QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(At(2).name, QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(f->ActiveView()->SelStart(), 3);
    EXPECT_EQ(f->ActiveView()->SelLength(), 0);
    EXPECT_TRUE(f->ActiveView()->isAncestorOf(QApplication::focusWidget()));
}

TEST_F(FormatTest, EscInTheNameBoxRestoresItAndLeavingItApplies) {
    TOMForm* f = StartIn(ViewSetup::Single);
    SetText("abc");
    f->ActiveView()->SetSelection(0, 3);
    const QString before = At(0).name;
    f->FontNameCB()->setFocus();
    QApplication::processEvents();
    {
        const QSignalBlocker b(f->FontNameCB());
        Choose(f->FontNameCB(), QStringLiteral("DejaVu Serif"));
    }
    QTest::keyClick(f->FontNameCB(), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(f->FontNameCB()->currentText(), before);
    EXPECT_EQ(At(0).name, before);
    EXPECT_TRUE(f->ActiveView()->isAncestorOf(QApplication::focusWidget()));

    f->FontNameCB()->setFocus();
    QApplication::processEvents();
    {
        const QSignalBlocker b(f->FontNameCB());
        Choose(f->FontNameCB(), QStringLiteral("DejaVu Serif"));
    }
    SizeBox(f)->setFocus(Qt::TabFocusReason);  // leaving the box
    QApplication::processEvents();
    EXPECT_EQ(At(0).name, QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(f->ActiveView()->SelLength(), 3);  // leaving does not collapse
    EXPECT_TRUE(f->ActiveView()->isAncestorOf(QApplication::focusWidget()));
}

// ----- the size box -----------------------------------------------------------------------------

struct SizeKeyRow {
    const char* name;
    const char* text;
    Qt::Key key;
    double size;          // of the text afterwards
    const char* message;  // "" for none
    const char* boxText;  // afterwards
};

const SizeKeyRow kSizeKeys[] = {
    {"EnterApplies", "20", Qt::Key_Return, 20, "", "20"},
    {"TabApplies", "9", Qt::Key_Tab, 9, "", "9"},
    {"NotAnInteger", "12a", Qt::Key_Return, 11, "整数ではありません", "11"},
    {"Empty", "", Qt::Key_Enter, 11, "整数ではありません", "11"},
    {"EscRestores", "30", Qt::Key_Escape, 11, "", "11"},
};

class SizeKeyTest : public FormatTest, public ::testing::WithParamInterface<SizeKeyRow> {};

TEST_P(SizeKeyTest, KeysOfTheSizeBox) {
    const SizeKeyRow& r = GetParam();
    TOMForm* f = StartIn(ViewSetup::Single);
    SetText("abc");
    f->ActiveView()->SetSelection(0, 2);
    QApplication::processEvents();
    ASSERT_EQ(SizeBox(f)->currentText(), QStringLiteral("11"));
    SizeBox(f)->setFocus();
    QApplication::processEvents();
    SizeBox(f)->setEditText(QString::fromUtf8(r.text));
    MessageService::ClearHistory();
    QTest::keyClick(SizeBox(f), r.key);
    QApplication::processEvents();
    EXPECT_EQ(At(0).size, r.size);
    EXPECT_EQ(At(1).size, r.size);
    EXPECT_EQ(At(2).size, 11);
    EXPECT_EQ(SizeBox(f)->currentText(), QString::fromUtf8(r.boxText));
    if (*r.message) {
        ASSERT_EQ(MessageService::History().size(), 1);
        EXPECT_EQ(MessageService::History()[0].text, QString::fromUtf8(r.message));
        EXPECT_EQ(MessageService::History()[0].caption, QStringLiteral("エラー表示"));
        EXPECT_EQ(MessageService::History()[0].buttons, QMessageBox::Ok);
    } else {
        EXPECT_TRUE(MessageService::History().isEmpty()) << LastMessage().toStdString();
    }
    EXPECT_TRUE(f->ActiveView()->isAncestorOf(QApplication::focusWidget()));
    // Enter and Tab leave the caret after the formerly selected text; Esc leaves it alone.
    if (r.key == Qt::Key_Escape) {
        EXPECT_EQ(f->ActiveView()->SelLength(), 2);
    } else {
        EXPECT_EQ(f->ActiveView()->SelStart(), 2);
        EXPECT_EQ(f->ActiveView()->SelLength(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, SizeKeyTest, ::testing::ValuesIn(kSizeKeys),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FormatTest, LeavingTheSizeBox) {
    TOMForm* f = StartIn(ViewSetup::Single);
    SetText("abc");
    f->ActiveView()->SetSelection(0, 3);
    QApplication::processEvents();
    // A number: applied.
    SizeBox(f)->setFocus();
    QApplication::processEvents();
    SizeBox(f)->setEditText(QStringLiteral("14"));
    f->FontNameCB()->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(At(0).size, 14);
    EXPECT_TRUE(f->ActiveView()->isAncestorOf(QApplication::focusWidget()));
    // Not a number: the general error report names the text; nothing changes.
    MessageService::ClearHistory();
    SizeBox(f)->setFocus();
    QApplication::processEvents();
    SizeBox(f)->setEditText(QStringLiteral("12a"));
    f->FontNameCB()->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    ASSERT_EQ(MessageService::History().size(), 1);
    EXPECT_EQ(MessageService::History()[0].text, QStringLiteral("'12a' は整数ではありません"));
    EXPECT_EQ(At(0).size, 14);
    // A mixed selection is not given the box's number on leaving.
    f->ActiveView()->SetSelection(2, 1);
    SizeBox(f)->setEditText(QStringLiteral("30"));
    f->ApplyFontSize();
    f->ActiveView()->SetSelection(0, 3);
    QApplication::processEvents();
    EXPECT_EQ(SizeBox(f)->currentText(), QString());
    SizeBox(f)->setFocus();
    QApplication::processEvents();
    SizeBox(f)->setEditText(QStringLiteral("8"));
    f->FontNameCB()->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(At(0).size, 14);
    EXPECT_EQ(At(2).size, 30);
}

TEST_F(FormatTest, TheSizeListFlagDecidesWhetherAChoiceIsApplied) {
    TOMForm* f = StartIn(ViewSetup::Single);
    SetText("abc");
    f->ActiveView()->SetSelection(0, 3);
    QApplication::processEvents();
    QComboBox* box = SizeBox(f);
    // Without the list dropped down, a change is not applied.
    box->setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(f->SizeListFlag());
    box->setCurrentIndex(box->findText("24"));
    emit box->activated(box->currentIndex());
    EXPECT_EQ(At(0).size, 11);
    // Dropped down: the flag is set; a change while the list is open is ignored, the choice
    // that closes it is applied.
    f->Command("FontSizeM")->trigger();
    ASSERT_TRUE(box->view()->isVisible());
    EXPECT_TRUE(f->SizeListFlag());
    box->setCurrentIndex(box->findText("36"));
    emit box->activated(box->currentIndex());
    EXPECT_EQ(At(0).size, 11);
    box->hidePopup();
    emit box->activated(box->currentIndex());
    EXPECT_EQ(At(0).size, 36);
    QApplication::processEvents();
    EXPECT_FALSE(f->SizeListFlag());  // the box was left
    // Esc in the dropped-down list clears the flag.
    box->setFocus();
    QApplication::processEvents();
    box->showPopup();
    ASSERT_TRUE(f->SizeListFlag());
    QTest::keyClick(box->view(), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_FALSE(f->SizeListFlag());
}

// ----- the colour box and button ----------------------------------------------------------------

TEST_F(FormatTest, ColourBoxAndColourButton) {
    for (ViewSetup::Kind kind : {ViewSetup::Single, ViewSetup::Vertical}) {
        TOMForm* f = StartIn(kind);
        SetText("abcdef");
        f->ActiveView()->SetSelection(0, 2);
        QApplication::processEvents();
        ColorBox(f)->setColor(clRed);
        emit ColorBox(f)->changed();
        EXPECT_EQ(At(0).color, clRed);
        EXPECT_EQ(At(1).color, clRed);
        EXPECT_NE(At(2).color, clRed);
        EXPECT_EQ(f->CuteButtonColor(), clRed);
        // The colour button (Ctrl+U) repeats it on another selection and leaves the caret
        // after it.
        f->ActiveView()->SetSelection(4, 2);
        QApplication::processEvents();
        f->Command("ColorBtnM")->trigger();
        EXPECT_EQ(At(4).color, clRed);
        EXPECT_EQ(At(5).color, clRed);
        EXPECT_NE(At(3).color, clRed);
        EXPECT_EQ(f->ActiveView()->SelStart(), 6);
        EXPECT_EQ(f->ActiveView()->SelLength(), 0);
        // Esc restores the box from the selection.
        f->ActiveView()->SetSelection(2, 1);
        QApplication::processEvents();
        const TColor plain = ColorBox(f)->color();
        ColorBox(f)->setFocus();
        QApplication::processEvents();
        {
            const QSignalBlocker b(ColorBox(f));
            ColorBox(f)->setColor(clBlue);
        }
        QTest::keyClick(ColorBox(f), Qt::Key_Escape);
        EXPECT_EQ(ColorBox(f)->color(), plain);
        EXPECT_NE(At(2).color, clBlue);
    }
}

// ----- baseline ---------------------------------------------------------------------------------

TEST_F(FormatTest, BaselineTrackBarInPointsDocumentInTwips) {
    for (ViewSetup::Kind kind : {ViewSetup::Single, ViewSetup::Vertical}) {
        TOMForm* f = StartIn(kind);
        SetText("abcd");
        f->ActiveView()->SetSelection(1, 2);
        QApplication::processEvents();
        auto* lock = f->findChild<QCheckBox*>(QStringLiteral("BLineRockCheckB"));
        ASSERT_FALSE(Track(f)->isEnabled());
        QTest::mouseClick(lock, Qt::LeftButton);
        QApplication::processEvents();
        ASSERT_TRUE(Track(f)->isEnabled());
        EXPECT_EQ(QApplication::focusWidget(), Track(f));

        Track(f)->setValue(7);  // dragged to 7
        EXPECT_EQ(At(1).offsetTwips, 140);
        EXPECT_EQ(At(2).offsetTwips, 140);
        EXPECT_EQ(At(0).offsetTwips, 0);
        EXPECT_EQ(BaseEdit(f)->text(), QStringLiteral("7"));

        struct Key {
            Qt::Key key;
            Qt::KeyboardModifiers mods;
            int value;
        };
        const Key keys[] = {
            {Qt::Key_Up, {}, 8},
            {Qt::Key_PageUp, {}, 13},
            {Qt::Key_Down, {}, 12},
            {Qt::Key_PageDown, {}, 7},
            {Qt::Key_Left, {}, 6},
            {Qt::Key_Right, {}, 7},
            {Qt::Key_0, Qt::KeypadModifier, 0},
        };
        for (const Key& k : keys) {
            QTest::keyClick(Track(f), k.key, k.mods);
            EXPECT_EQ(Track(f)->value(), k.value) << k.key;
            EXPECT_EQ(At(1).offsetTwips, k.value * 20) << k.key;
            EXPECT_EQ(BaseEdit(f)->text(), QString::number(k.value));
        }
        // Any other key gives the text back the focus.
        QTest::keyClick(Track(f), Qt::Key_A);
        QApplication::processEvents();
        EXPECT_TRUE(f->ActiveView()->isAncestorOf(QApplication::focusWidget()));
        EXPECT_EQ(f->ActiveView()->Text(), QStringLiteral("abcd"));

        // An offset of -30 twips reads back as -1 point.
        TCharAttributes a;
        a.offsetTwips = -30;
        f->ActiveView()->SetSelAttributes(a, TCharAttributes::Offset);
        f->ActiveView()->SetSelection(1, 1);
        QApplication::processEvents();
        EXPECT_EQ(Track(f)->value(), -1);
        EXPECT_EQ(BaseEdit(f)->text(), QStringLiteral("-1"));
        EXPECT_EQ(At(1).offsetTwips, -30);  // reading does not write

        // Unlocked: the bar is disabled; a click on the display still resets the offset.
        QTest::mouseClick(lock, Qt::LeftButton);
        QApplication::processEvents();
        EXPECT_FALSE(Track(f)->isEnabled());
        QTest::mouseClick(BaseEdit(f), Qt::LeftButton);
        QApplication::processEvents();
        EXPECT_EQ(At(1).offsetTwips, 0);
        EXPECT_EQ(BaseEdit(f)->text(), QStringLiteral("0"));
        EXPECT_TRUE(f->ActiveView()->isAncestorOf(QApplication::focusWidget()));
    }
}

// ----- a document's own font names --------------------------------------------------------------

TEST_F(FormatTest, AFontNameFromTheDocumentShowsInTheBoxAndIsWrittenBack) {
    const QString source = QStringLiteral(ORIMAKI_SOURCE "/tests/app/data/mincho.rtf");
    const QString copy = cwd_.filePath(QStringLiteral("mincho.rtf"));
    ASSERT_TRUE(QFile::copy(source, copy));
    TOMForm* f = Start({copy});
    const QString mincho = QStringLiteral("ＭＳ 明朝");
    ASSERT_EQ(f->ActiveView()->Text(), QStringLiteral("明朝abc"));
    EXPECT_GE(f->FontNameCB()->findText(mincho, Qt::MatchExactly), 0);
    f->ActiveView()->SetSelection(0, 4);
    QApplication::processEvents();
    EXPECT_EQ(f->FontNameCB()->currentText(), mincho);
    // The box's items stay sorted.
    for (int i = 1; i < f->FontNameCB()->count(); ++i)
        EXPECT_LT(QString::compare(f->FontNameCB()->itemText(i - 1), f->FontNameCB()->itemText(i)),
                  0);

    // Choosing it for the Latin text and saving writes the name in Shift-JIS.
    f->ActiveView()->SetSelection(4, 3);
    QApplication::processEvents();
    EXPECT_EQ(f->FontNameCB()->currentText(), QStringLiteral("Liberation Sans"));
    Choose(f->FontNameCB(), mincho);
    emit f->FontNameCB()->activated(f->FontNameCB()->currentIndex());
    EXPECT_EQ(At(5).name, mincho);
    f->Command("SaveM")->trigger();
    QFile saved(copy);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    // "ＭＳ 明朝" in code page 932 (iconv): 82 6C 82 72 20 96 BE 92 A9.
    EXPECT_TRUE(bytes.contains("\\'82l\\'82r \\'96\\'be\\'92\\'a9") ||
                bytes.contains("\\'82\\'6c\\'82\\'72 \\'96\\'be\\'92\\'a9"))
        << bytes.toStdString();

    // Opened again, every character carries the name.
    f->RichEditEx1()->SetModified(false);
    f = Start({copy});
    for (int i : {0, 2, 4, 5, 6}) EXPECT_EQ(At(i).name, mincho) << i;
}

}  // namespace

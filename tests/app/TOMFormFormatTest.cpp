// The format commands of the main window on a selection and on the typing format, in the
// horizontal view, in the second view of a split window and in the vertical view; the style
// buttons' three states; following the selection; and edit kind 6 noted before every change.

#include <QAbstractItemView>
#include <QComboBox>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>

#include "FormatTestSupport.h"

namespace {

// ----- each command in each view ----------------------------------------------------------------

struct StyleRow {
    const char* name;
    const char* command;
    const char* button;
    bool (*has)(const TCharAttributes&);
};

const StyleRow kStyles[] = {
    {"Bold", "BoldM", "BoldTB", [](const TCharAttributes& a) { return a.bold; }},
    {"Italic", "ItalicM", "ItalicTB", [](const TCharAttributes& a) { return a.italic; }},
    {"UnderLine", "UnderLineM", "UnderLineTB",
     [](const TCharAttributes& a) { return a.underline; }},
    {"StrikeOut", "StrikeOutM", "StrikeOutTB",
     [](const TCharAttributes& a) { return a.strikeOut; }},
};

class StyleCommandTest : public FormatTest,
                         public ::testing::WithParamInterface<std::tuple<StyleRow, ViewSetup>> {};

TEST_P(StyleCommandTest, MenuItemTogglesTheSelectionAndTheButtonFollows) {
    const auto& [style, setup] = GetParam();
    TOMForm* f = StartIn(setup.setup);
    SetText("abc漢字def");
    // "c漢" : bytes 2 .. 5.
    f->ActiveView()->SetSelection(2, 3);
    f->SelectionRefresh();
    f->Command(style.command)->trigger();
    EXPECT_TRUE(f->Button(style.button)->isChecked());
    EXPECT_EQ(f->ActiveView()->SelStart(), 2);
    EXPECT_EQ(f->ActiveView()->SelLength(), 3);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(style.has(At(i)), i >= 2 && i <= 4) << i;  // c and both bytes of 漢
    // The other view shows the same document with the same selection.
    EXPECT_EQ(f->MirrorView()->SelStart(), 2);
    EXPECT_EQ(f->MirrorView()->SelLength(), 3);

    f->Command(style.command)->trigger();
    EXPECT_FALSE(f->Button(style.button)->isChecked());
    for (int i = 0; i < 8; ++i) EXPECT_FALSE(style.has(At(i))) << i;
}

TEST_P(StyleCommandTest, ButtonOnTheTypingFormat) {
    const auto& [style, setup] = GetParam();
    TOMForm* f = StartIn(setup.setup);
    SetText("ab");
    f->ActiveView()->SetSelStart(2);
    f->SelectionRefresh();
    QTest::mouseClick(f->Button(style.button), Qt::LeftButton);
    EXPECT_TRUE(f->Button(style.button)->isChecked());
    QTest::keyClicks(f->ActiveView()->EditWidget(), QStringLiteral("xy"));
    EXPECT_EQ(f->ActiveView()->Text(), QStringLiteral("abxy"));
    EXPECT_FALSE(style.has(At(1)));
    EXPECT_TRUE(style.has(At(2)));
    EXPECT_TRUE(style.has(At(3)));
}

INSTANTIATE_TEST_SUITE_P(Table, StyleCommandTest,
                         ::testing::Combine(::testing::ValuesIn(kStyles),
                                            ::testing::ValuesIn(kViewSetups)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    std::get<1>(info.param).name;
                         });

struct ParagraphRow {
    const char* name;
    const char* command;
    TParaAttributes::Align alignment;
    const char* down;
};

const ParagraphRow kParagraphs[] = {
    {"Centre", "RowCenterM", TParaAttributes::Center, "RowCenterTB"},
    {"Right", "RowRightM", TParaAttributes::Right, "RowRightTB"},
    {"Left", "RowLeftM", TParaAttributes::Left, "RowLeftTB"},
};

class ParagraphCommandTest
    : public FormatTest,
      public ::testing::WithParamInterface<std::tuple<ParagraphRow, ViewSetup>> {};

TEST_P(ParagraphCommandTest, AlignmentGoesToEveryParagraphOfTheSelection) {
    const auto& [row, setup] = GetParam();
    TOMForm* f = StartIn(setup.setup);
    SetText("一\r\n二\r\n三");
    f->Command("RowCenterM")->trigger();  // a start that differs from left for the left row
    f->ActiveView()->SetSelection(0, 5);  // the first paragraph and the start of the second
    f->Command("RowRightM")->trigger();
    f->Command(row.command)->trigger();
    QTextDocument* doc = f->Document();
    const Qt::Alignment expected = row.alignment == TParaAttributes::Center  ? Qt::AlignHCenter
                                   : row.alignment == TParaAttributes::Right ? Qt::AlignRight
                                                                             : Qt::AlignLeft;
    EXPECT_EQ(doc->findBlockByNumber(0).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              expected);
    EXPECT_EQ(doc->findBlockByNumber(1).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              expected);
    for (const char* b : {"RowLeftTB", "RowCenterTB", "RowRightTB"})
        EXPECT_EQ(f->Button(b)->isChecked(), std::string(b) == row.down) << b;
}

INSTANTIATE_TEST_SUITE_P(Table, ParagraphCommandTest,
                         ::testing::Combine(::testing::ValuesIn(kParagraphs),
                                            ::testing::ValuesIn(kViewSetups)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    std::get<1>(info.param).name;
                         });

class BulletTest : public FormatTest, public ::testing::WithParamInterface<ViewSetup> {};

TEST_P(BulletTest, BulletMenuItemAndButtonToggle) {
    TOMForm* f = StartIn(GetParam().setup);
    SetText("一\r\n二");
    f->ActiveView()->SetSelection(0, 5);  // into the second paragraph
    f->Command("BulletM")->trigger();
    EXPECT_TRUE(f->Button("BulletTB")->isChecked());
    EXPECT_NE(f->Document()->findBlockByNumber(0).textList(), nullptr);
    EXPECT_NE(f->Document()->findBlockByNumber(1).textList(), nullptr);
    QTest::mouseClick(f->Button("BulletTB"), Qt::LeftButton);
    EXPECT_FALSE(f->Button("BulletTB")->isChecked());
    EXPECT_EQ(f->Document()->findBlockByNumber(0).textList(), nullptr);
    EXPECT_EQ(f->Document()->findBlockByNumber(1).textList(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Table, BulletTest, ::testing::ValuesIn(kViewSetups),
                         [](const auto& info) { return std::string(info.param.name); });

// ----- three states -----------------------------------------------------------------------------

TEST_F(FormatTest, PartlyBoldIsIndeterminateAndBoldThroughoutIsDown) {
    TOMForm* f = StartIn(ViewSetup::Single);
    SetText("abcd");
    f->ActiveView()->SetSelection(0, 2);
    f->Command("BoldM")->trigger();
    auto* bold = qobject_cast<TStyleButton*>(f->Button("BoldTB"));
    ASSERT_NE(bold, nullptr);

    f->ActiveView()->SetSelection(1, 2);  // "bc": b bold, c not
    EXPECT_TRUE(bold->Indeterminate());
    EXPECT_FALSE(bold->isChecked());
    auto* italic = qobject_cast<TStyleButton*>(f->Button("ItalicTB"));
    EXPECT_FALSE(italic->Indeterminate());
    EXPECT_FALSE(italic->isChecked());

    f->ActiveView()->SetSelection(0, 2);
    EXPECT_FALSE(bold->Indeterminate());
    EXPECT_TRUE(bold->isChecked());

    // Pressing the indeterminate button makes the whole selection bold.
    f->ActiveView()->SetSelection(1, 2);
    QTest::mouseClick(bold, Qt::LeftButton);
    EXPECT_FALSE(bold->Indeterminate());
    EXPECT_TRUE(bold->isChecked());
    EXPECT_TRUE(At(1).bold);
    EXPECT_TRUE(At(2).bold);
    EXPECT_FALSE(At(3).bold);
}

TEST_F(FormatTest, AStyleMakesAMixedSelectionUniformInTheOtherStyles) {
    TOMForm* f = StartIn(ViewSetup::Single);
    SetText("abcd");
    f->ActiveView()->SetSelection(0, 1);
    f->Command("ItalicM")->trigger();  // "a" italic
    f->ActiveView()->SetSelection(0, 3);
    f->Command("UnderLineM")->trigger();
    // The whole style set is written as the control reported it: mixed italic reads as the
    // first run's (italic).
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(At(i).underline) << i;
        EXPECT_TRUE(At(i).italic) << i;
    }
    EXPECT_FALSE(At(3).italic);
    EXPECT_TRUE(f->ActiveView()->SelAttributes().uniform & TCharAttributes::Italic);
}

// ----- following the selection ------------------------------------------------------------------

TEST_F(FormatTest, BarsFollowTheCaretBetweenDifferentlyFormattedText) {
    for (ViewSetup::Kind kind : {ViewSetup::Single, ViewSetup::Vertical}) {
        TOMForm* f = StartIn(kind);
        SetText("plain強い");
        TRichEditEx* v = f->ActiveView();
        // "強い" bold, 20 points, red, DejaVu Serif, raised 3 points, centred paragraph.
        v->SetSelection(5, 4);
        TCharAttributes a;
        a.bold = true;
        a.size = 20;
        a.color = clRed;
        a.name = QStringLiteral("DejaVu Serif");
        a.offsetTwips = 60;
        v->SetSelAttributes(a, TCharAttributes::Bold | TCharAttributes::Size |
                                   TCharAttributes::Color | TCharAttributes::Name |
                                   TCharAttributes::Offset);
        v->SetSelStart(7);  // between 強 and い
        QApplication::processEvents();
        EXPECT_EQ(f->FontNameCB()->currentText(), QStringLiteral("DejaVu Serif"));
        EXPECT_EQ(SizeBox(f)->currentText(), QStringLiteral("20"));
        EXPECT_EQ(ColorBox(f)->color(), clRed);
        EXPECT_TRUE(f->Button("BoldTB")->isChecked());
        EXPECT_EQ(Track(f)->value(), 3);
        EXPECT_EQ(BaseEdit(f)->text(), QStringLiteral("3"));

        v->SetSelStart(2);  // inside "plain"
        QApplication::processEvents();
        EXPECT_EQ(f->FontNameCB()->currentText(), f->defaultFontName);
        EXPECT_EQ(SizeBox(f)->currentText(), QString::number(f->defaultFontSize));
        EXPECT_FALSE(f->Button("BoldTB")->isChecked());
        EXPECT_EQ(Track(f)->value(), 0);

        // A selection over both: nothing uniform but the styles that agree.
        v->SetSelection(3, 4);
        QApplication::processEvents();
        EXPECT_EQ(f->FontNameCB()->currentIndex(), -1);
        EXPECT_EQ(SizeBox(f)->currentText(), QString());
        EXPECT_EQ(ColorBox(f)->currentIndex(), -1);
        EXPECT_TRUE(qobject_cast<TStyleButton*>(f->Button("BoldTB"))->Indeterminate());
        EXPECT_FALSE(qobject_cast<TStyleButton*>(f->Button("ItalicTB"))->Indeterminate());
    }
}

// ----- edit kind --------------------------------------------------------------------------------

struct CommandRow {
    const char* name;
    void (*run)(TOMForm* f);
};

const CommandRow kChanges[] = {
    {"Bold", [](TOMForm* f) { f->Command("BoldM")->trigger(); }},
    {"StrikeOutButton",
     [](TOMForm* f) { QTest::mouseClick(f->Button("StrikeOutTB"), Qt::LeftButton); }},
    {"Centre", [](TOMForm* f) { f->Command("RowCenterM")->trigger(); }},
    {"Bullet", [](TOMForm* f) { f->Command("BulletM")->trigger(); }},
    {"FontName",
     [](TOMForm* f) {
         f->FontNameCB()->setCurrentIndex(f->FontNameCB()->findText("DejaVu Sans"));
         f->ApplyFontName();
     }},
    {"FontNameSjisOff",
     [](TOMForm* f) {
         f->shiftJisMode = false;
         f->FontNameCB()->setCurrentIndex(f->FontNameCB()->findText("DejaVu Sans"));
         f->ApplyFontName();
     }},
    {"Size",
     [](TOMForm* f) {
         SizeBox(f)->setEditText("30");
         f->ApplyFontSize();
     }},
    {"Colour",
     [](TOMForm* f) {
         ColorBox(f)->setColor(clBlue);
         f->ApplyFontColor();
     }},
    {"ColourButton", [](TOMForm* f) { f->Command("ColorBtnM")->trigger(); }},
    {"Baseline", [](TOMForm* f) { Track(f)->setValue(-4); }},
    {"BaselineReset", [](TOMForm* f) { f->BaseLineEditClick(); }},
};

class EditKindTest : public FormatTest, public ::testing::WithParamInterface<CommandRow> {};

TEST_P(EditKindTest, EveryChangeIsNotedAsAFormatChangeFirst) {
    TOMForm* f = StartIn(ViewSetup::Single);
    SetText("abc漢字");
    f->ActiveView()->SetSelection(1, 4);
    if (std::string(GetParam().name) == "BaselineReset") Track(f)->setValue(5);
    QVector<int> kinds;
    QObject::connect(f->Document(), &QTextDocument::contentsChange, f,
                     [&kinds, f](int, int, int) { kinds << f->editKind; });
    f->NoteEditKind(0);
    GetParam().run(f);
    ASSERT_FALSE(kinds.isEmpty()) << "the command changed nothing";
    for (int k : kinds) EXPECT_EQ(k, 6);
}

INSTANTIATE_TEST_SUITE_P(Table, EditKindTest, ::testing::ValuesIn(kChanges),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FormatTest, FormatCommandsAreEnabledWithTheirShortcuts) {
    TOMForm* f = StartIn(ViewSetup::Single);
    const std::pair<const char*, const char*> rows[] = {
        {"FontNameM", "Ctrl+M"},  {"FontSizeM", "Ctrl+H"},  {"FontColorM", "Ctrl+I"},
        {"ColorBtnM", "Ctrl+U"},  {"BoldM", "Ctrl+B"},      {"ItalicM", "Ctrl+N"},
        {"UnderLineM", "Ctrl+K"}, {"StrikeOutM", "Ctrl+T"}, {"BulletM", "Ctrl+D"},
        {"RowLeftM", ""},         {"RowCenterM", ""},       {"RowRightM", ""},
    };
    for (const auto& [name, key] : rows) {
        EXPECT_TRUE(f->Command(name)->isEnabled()) << name;
        EXPECT_EQ(f->Command(name)->shortcut(), QKeySequence(QString::fromUtf8(key))) << name;
    }
    for (const char* b : {"BoldTB", "ItalicTB", "UnderLineTB", "StrikeOutTB", "RowLeftTB",
                          "RowCenterTB", "RowRightTB", "BulletTB", "FontColorCuteBtn"})
        EXPECT_TRUE(f->Button(b)->isEnabled()) << b;
    EXPECT_TRUE(f->FontNameCB()->isEnabled());
    EXPECT_TRUE(SizeBox(f)->isEnabled());
    EXPECT_FALSE(Track(f)->isEnabled());
}

TEST_F(FormatTest, ShortcutsReachTheCommandsFromTheViews) {
    for (ViewSetup::Kind kind : {ViewSetup::Single, ViewSetup::Vertical}) {
        TOMForm* f = StartIn(kind);
        SetText("abcd");
        f->ActiveView()->SetSelection(0, 2);
        QWidget* w = f->ActiveView()->EditWidget();
        w->setFocus();
        QApplication::processEvents();
        QTest::keyClick(w, Qt::Key_B, Qt::ControlModifier);
        QTest::keyClick(w, Qt::Key_K, Qt::ControlModifier);
        QTest::keyClick(w, Qt::Key_T, Qt::ControlModifier);
        QTest::keyClick(w, Qt::Key_N, Qt::ControlModifier);
        EXPECT_EQ(f->ActiveView()->Text(), QStringLiteral("abcd"));
        const TCharAttributes a = At(0);
        EXPECT_TRUE(a.bold && a.underline && a.strikeOut && a.italic) << int(kind);
        QTest::keyClick(w, Qt::Key_D, Qt::ControlModifier);
        EXPECT_NE(f->Document()->begin().textList(), nullptr) << int(kind);
        EXPECT_EQ(f->ActiveView()->Text(), QStringLiteral("abcd"));
    }
}

}  // namespace

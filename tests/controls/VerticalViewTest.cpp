// The vertical view as a user drives it: caret keys, hit testing, display lines, editing keys,
// the mouse and input-method composition.

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

#include "VerticalTestSupport.h"
#include "controls/TVerticalView.h"

namespace {

constexpr qreal kFiveChars = vtest::kEm * 5 + vtest::kEm / 2;

// A view whose columns hold five characters of the test font.
struct ViewFixture {
    std::unique_ptr<QTextDocument> doc;
    TVerticalView view;

    explicit ViewFixture(const QString& text, int width = 400) : doc(vtest::MakeDocument(text)) {
        view.SetDocument(doc.get());
        view.resize(width, 300);
        view.show();
        QApplication::processEvents();
        const int want = static_cast<int>(TVerticalView::kSelectionBar +
                                          2 * TVerticalView::kPadding + kFiveChars);
        view.resize(width, 300 - (view.viewport()->height() - want));
        QApplication::processEvents();
        view.setFocus();
    }
    int Pos() const { return view.TextCursor().position(); }
};

// あいうえお|かき  (paragraph 0, two columns), an empty paragraph, さしす.
// Positions: あ0 い1 う2 え3 お4 か5 き6 end7 | 8 | さ9 し10 す11 end12.
const char* const kDoc = "あいうえおかき\n\nさしす";

struct MoveCase {
    const char* name;
    int start;
    const char* keys;  // space-separated: Up Down Left Right Home End C-Home C-End S-Down S-Up
    int pos;
    int anchor;  // -1: same as pos
};

const MoveCase kMoves[] = {
    {"down_moves_on", 0, "Down", 1, -1},
    {"up_at_start_stays", 0, "Up", 0, -1},
    {"up_from_column_head_to_previous_column", 5, "Up", 4, -1},
    {"down_from_column_foot_to_next_column", 4, "Down", 5, -1},
    {"end_of_column", 1, "End", 5, -1},
    {"home_of_column", 6, "Home", 5, -1},
    {"end_of_last_column_is_paragraph_end", 6, "End", 7, -1},
    {"down_at_paragraph_end_into_empty_paragraph", 7, "Down", 8, -1},
    {"down_out_of_empty_paragraph", 8, "Down", 9, -1},
    {"up_into_empty_paragraph", 9, "Up", 8, -1},
    {"left_to_next_column_same_height", 1, "Left", 6, -1},
    {"left_to_short_column_goes_to_its_end", 4, "Left", 7, -1},
    {"left_into_empty_paragraph", 6, "Left", 8, -1},
    {"left_through_empty_paragraph_keeps_height", 1, "Left Left Left", 10, -1},
    {"right_back_keeps_height", 10, "Right Right", 6, -1},
    {"right_at_first_column_stays", 1, "Right", 1, -1},
    {"left_at_last_column_stays", 10, "Left", 10, -1},
    {"ctrl_end", 3, "C-End", 12, -1},
    {"ctrl_home", 10, "C-Home", 0, -1},
    {"shift_down_selects", 0, "S-Down S-Down", 2, 0},
    {"shift_left_selects_across_columns", 1, "S-Left", 6, 1},
    {"down_after_end_moves_to_next_column_head", 1, "End Down", 5, -1},
};

class CaretMoveTest : public ::testing::TestWithParam<MoveCase> {};

void Press(QWidget* w, const QString& token) {
    Qt::KeyboardModifiers mods;
    QString k = token;
    if (k.startsWith(QLatin1String("S-"))) {
        mods |= Qt::ShiftModifier;
        k = k.mid(2);
    } else if (k.startsWith(QLatin1String("C-"))) {
        mods |= Qt::ControlModifier;
        k = k.mid(2);
    }
    static const QHash<QString, Qt::Key> keys = {
        {"Up", Qt::Key_Up},         {"Down", Qt::Key_Down},  {"Left", Qt::Key_Left},
        {"Right", Qt::Key_Right},   {"Home", Qt::Key_Home},  {"End", Qt::Key_End},
        {"PgDn", Qt::Key_PageDown}, {"PgUp", Qt::Key_PageUp}};
    ASSERT_TRUE(keys.contains(k)) << token.toStdString();
    QTest::keyClick(w, keys.value(k), mods);
}

TEST_P(CaretMoveTest, MovesAsInVerticalText) {
    const MoveCase& c = GetParam();
    ViewFixture f(QString::fromUtf8(kDoc));
    f.view.SetPosition(c.start);
    for (const QString& k : QString::fromUtf8(c.keys).split(QLatin1Char(' '))) Press(&f.view, k);
    EXPECT_EQ(f.Pos(), c.pos);
    EXPECT_EQ(f.view.TextCursor().anchor(), c.anchor < 0 ? c.pos : c.anchor);
}

INSTANTIATE_TEST_SUITE_P(Keys, CaretMoveTest, ::testing::ValuesIn(kMoves),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(VerticalView, EndShowsCaretAtFootOfColumnNotHeadOfNext) {
    ViewFixture f(QString::fromUtf8(kDoc));
    f.view.SetPosition(0);
    const QRect head0 = f.view.CaretRect();
    f.view.SetPosition(5);
    const QRect head1 = f.view.CaretRect();
    EXPECT_LT(head1.x(), head0.x());  // the second column is left of the first
    f.view.SetPosition(1);
    QTest::keyClick(&f.view, Qt::Key_End);
    const QRect foot0 = f.view.CaretRect();
    EXPECT_EQ(f.Pos(), 5);
    EXPECT_EQ(foot0.x(), head0.x());
    EXPECT_NEAR(foot0.center().y() - head0.center().y(), 5 * vtest::kEm, 1);
    // The caret is a bar across the column.
    EXPECT_GT(foot0.width(), foot0.height());
}

// Paragraphs of mixed text: for every position the caret's rectangle, hit at its middle,
// gives the position back.
class HitTestAgreement : public ::testing::TestWithParam<const char*> {};

TEST_P(HitTestAgreement, CaretRectAndHitTestAgree) {
    ViewFixture f(QString::fromUtf8(GetParam()), 600);
    const QTextBlock b = f.doc->begin().next();
    for (int p = b.position(); p < b.position() + b.length(); ++p) {
        if (b.text()
                .at(std::min(p - b.position(), static_cast<int>(b.text().size()) - 1))
                .isLowSurrogate() &&
            p < b.position() + b.length() - 1)
            continue;
        const QRect r = f.view.PositionRect(p);
        ASSERT_TRUE(f.view.viewport()->rect().contains(r.center())) << p;
        bool atEnd = true;
        EXPECT_EQ(f.view.HitTest(r.center(), &atEnd), p);
        EXPECT_FALSE(atEnd) << p;
        // The same position shown at the foot of the column before.
        const QRect e = f.view.PositionRect(p, true);
        if (e != r) {
            EXPECT_EQ(f.view.HitTest(e.center(), &atEnd), p);
            EXPECT_TRUE(atEnd) << p;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Paragraphs, HitTestAgreement,
                         ::testing::Values("前\n吾輩は猫である。名前はまだ無い。\n後",
                                           "前\n「ABC」とabc defの、ー1234。\n後",
                                           "前\nｶﾀｶﾅ𠮷と漢字\t、タブ\n後", "前\n\n後"));

// Short lines: each paragraph is one display line, in the vertical view a column and in a
// wide QTextEdit a line; both count alike.
TEST(VerticalView, DisplayLinesAgreeWithHorizontalOnShortLines) {
    QStringList lines;
    for (int i = 0; i < 40; ++i)
        lines << (i % 7 == 3 ? QString() : QString(QStringLiteral("あいう")).left(1 + i % 3));
    ViewFixture f(lines.join(QLatin1Char('\n')));

    QTextDocument copy;
    copy.setDefaultFont(vtest::TestFont());
    copy.setPlainText(f.doc->toPlainText());
    QTextEdit edit;
    edit.setDocument(&copy);
    edit.resize(1200, 400);
    edit.show();
    QApplication::processEvents();
    QList<int> starts;  // horizontal display lines' first positions
    for (QTextBlock b = copy.begin(); b.isValid(); b = b.next())
        for (int i = 0; i < b.layout()->lineCount(); ++i)
            starts << b.position() + b.layout()->lineAt(i).textStart();

    EXPECT_EQ(f.view.LineCount(), starts.size());
    for (int line = 0; line < starts.size(); ++line) {
        EXPECT_EQ(f.view.LineStart(line), starts[line]) << line;
        EXPECT_EQ(f.view.LineOfPosition(starts[line]), line) << line;
    }
    EXPECT_EQ(f.view.LineStart(static_cast<int>(starts.size())), -1);

    EXPECT_EQ(f.view.FirstVisibleLine(), 0);
    f.view.ScrollByLines(3);
    EXPECT_EQ(f.view.FirstVisibleLine(), 3);
    f.view.ScrollByLines(-1);
    EXPECT_EQ(f.view.FirstVisibleLine(), 2);
    f.view.ScrollByLines(-10);
    EXPECT_EQ(f.view.FirstVisibleLine(), 0);
    // Far past the end: the last column stays in view.
    f.view.ScrollByLines(1000);
    const int first = f.view.FirstVisibleLine();
    EXPECT_GT(first, 0);
    EXPECT_LT(first, f.view.LineCount());
    const QRect last = f.view.PositionRect(f.doc->characterCount() - 1);
    EXPECT_GE(last.left(), 0);
}

TEST(VerticalView, ScrollsHorizontallyStartingAtTheRight) {
    QString text;
    for (int i = 0; i < 60; ++i) text += QStringLiteral("あいうえお\n");
    ViewFixture f(text);
    QScrollBar* bar = f.view.horizontalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
    // The wheel turned towards the user goes on to later columns, to the left.
    QWheelEvent wheel(QPointF(50, 50), f.view.viewport()->mapToGlobal(QPointF(50, 50)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(f.view.viewport(), &wheel);
    EXPECT_EQ(f.view.FirstVisibleLine(), 3);
    EXPECT_LT(bar->value(), bar->maximum());
    // Ctrl+End brings the last column into view.
    QTest::keyClick(&f.view, Qt::Key_End, Qt::ControlModifier);
    EXPECT_TRUE(f.view.viewport()->rect().contains(f.view.CaretRect().center()));
    EXPECT_EQ(bar->value(), 0);
    // Page Up goes back a screen of columns.
    const int before = f.view.FirstVisibleLine();
    QTest::keyClick(&f.view, Qt::Key_PageUp);
    EXPECT_LT(f.view.FirstVisibleLine(), before);
    EXPECT_TRUE(f.view.viewport()->rect().contains(f.view.CaretRect().center()));
}

TEST(VerticalView, EditingKeys) {
    ViewFixture f(QStringLiteral("あいう"));
    f.view.SetPosition(1);
    QTest::keyClicks(&f.view, QStringLiteral("xy"));
    EXPECT_EQ(f.doc->toPlainText(), QStringLiteral("あxyいう"));
    QTest::keyClick(&f.view, Qt::Key_Backspace);
    EXPECT_EQ(f.doc->toPlainText(), QStringLiteral("あxいう"));
    QTest::keyClick(&f.view, Qt::Key_Delete);
    EXPECT_EQ(f.doc->toPlainText(), QStringLiteral("あxう"));
    QTest::keyClick(&f.view, Qt::Key_Return);
    EXPECT_EQ(f.doc->blockCount(), 2);
    QTest::keyClick(&f.view, Qt::Key_Tab);
    EXPECT_EQ(f.doc->toPlainText(), QStringLiteral("あx\n\tう"));
    // Insert toggles overwrite: typing replaces the character after the caret.
    QTest::keyClick(&f.view, Qt::Key_Insert);
    EXPECT_TRUE(f.view.OverwriteMode());
    QTest::keyClicks(&f.view, QStringLiteral("z"));
    EXPECT_EQ(f.doc->toPlainText(), QStringLiteral("あx\n\tz"));
    // ... but never the paragraph end.
    QTest::keyClicks(&f.view, QStringLiteral("w"));
    EXPECT_EQ(f.doc->toPlainText(), QStringLiteral("あx\n\tzw"));
    QTest::keyClick(&f.view, Qt::Key_Insert);
    EXPECT_FALSE(f.view.OverwriteMode());
    // A selection is replaced by typing and removed by Backspace.
    f.view.SetPosition(0);
    QTest::keyClick(&f.view, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClicks(&f.view, QStringLiteral("q"));
    EXPECT_EQ(f.doc->toPlainText(), QStringLiteral("qx\n\tzw"));
    QTest::keyClick(&f.view, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(f.doc->toPlainText(), QStringLiteral("あx\n\tzw"));
}

TEST(VerticalView, MouseClickDragDoubleClickAndSelectionBar) {
    ViewFixture f(QString::fromUtf8("吾輩は猫である\n\nさしす"));
    // 吾輩は猫で|ある : columns of paragraph 0; click before 猫.
    const QRect r3 = f.view.PositionRect(3);
    QTest::mouseClick(f.view.viewport(), Qt::LeftButton, Qt::NoModifier, r3.center());
    EXPECT_EQ(f.Pos(), 3);
    EXPECT_FALSE(f.view.TextCursor().hasSelection());
    // Drag from 1 to 6 (in the second column).
    QTest::mousePress(f.view.viewport(), Qt::LeftButton, Qt::NoModifier,
                      f.view.PositionRect(1).center());
    QMouseEvent move(QEvent::MouseMove, QPointF(f.view.PositionRect(6).center()),
                     f.view.viewport()->mapToGlobal(QPointF(f.view.PositionRect(6).center())),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.view.viewport(), &move);
    QTest::mouseRelease(f.view.viewport(), Qt::LeftButton, Qt::NoModifier,
                        f.view.PositionRect(6).center());
    EXPECT_EQ(f.view.TextCursor().selectionStart(), 1);
    EXPECT_EQ(f.view.TextCursor().selectionEnd(), 6);
    // Double-click selects the word: the kanji run 吾輩.
    QTest::mouseDClick(f.view.viewport(), Qt::LeftButton, Qt::NoModifier,
                       f.view.PositionRect(0).center() + QPoint(0, vtest::kEm / 2));
    EXPECT_EQ(f.view.TextCursor().selectedText(), QStringLiteral("吾輩"));
    // A click in the selection bar above the second column selects that column with its
    // paragraph end.
    const QRect col1 = f.view.PositionRect(5);
    QTest::mouseClick(f.view.viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(col1.center().x(), TVerticalView::kSelectionBar / 2));
    EXPECT_EQ(f.view.TextCursor().selectionStart(), 5);
    EXPECT_EQ(f.view.TextCursor().selectionEnd(), 8);
}

// Double-click takes the word of the character under the pointer, even in the lower half of a
// character, where the nearest caret place is already after it.
TEST(VerticalView, DoubleClickSelectsTheWordOfTheCharacterHit) {
    ViewFixture f(QString::fromUtf8("吾輩は猫である"));
    struct Row {
        int character;
        double along;  // 0 = top of the character, 1 = its bottom
        const char* word;
    };
    for (const Row& r : {Row{0, 0.2, "吾輩"}, Row{1, 0.85, "吾輩"}, Row{2, 0.15, "は"},
                         Row{2, 0.85, "は"}, Row{3, 0.9, "猫"}, Row{5, 0.9, "である"}}) {
        const QRect caret = f.view.PositionRect(r.character);
        const QPoint at(caret.center().x(), caret.top() + static_cast<int>(r.along * vtest::kEm));
        QTest::mouseDClick(f.view.viewport(), Qt::LeftButton, Qt::NoModifier, at);
        EXPECT_EQ(f.view.TextCursor().selectedText(), QString::fromUtf8(r.word))
            << r.character << " " << r.along;
    }
}

// A composition in two segments as an input method sends it: the segment being converted
// highlighted (reversed), the other underlined. Each is shaped in its own format and the
// highlighted one is painted reversed, the other with a thin line on the right.
TEST(VerticalView, InputMethodSegmentsKeepTheirFormats) {
    ViewFixture f(QStringLiteral("あい"));
    f.view.SetPosition(1);
    QTextCharFormat current;
    current.setBackground(QColor(0, 0, 128));
    current.setForeground(Qt::white);
    QTextCharFormat other;
    other.setUnderlineStyle(QTextCharFormat::SingleUnderline);
    QList<QInputMethodEvent::Attribute> attrs;
    attrs << QInputMethodEvent::Attribute(QInputMethodEvent::TextFormat, 0, 2, current)
          << QInputMethodEvent::Attribute(QInputMethodEvent::TextFormat, 2, 2, other)
          << QInputMethodEvent::Attribute(QInputMethodEvent::Cursor, 2, 1);
    QInputMethodEvent pre(QStringLiteral("漢字変換"), attrs);
    QApplication::sendEvent(&f.view, &pre);
    const TShapedParagraph& s = f.view.Layout()->Paragraph(0).shaped;
    ASSERT_EQ(s.text, QStringLiteral("あ漢字変換い"));
    auto formatAt = [&](int index) {
        for (const TVerticalCluster& cl : s.clusters)
            if (cl.start == index) return s.runs[static_cast<size_t>(cl.run)].format;
        return QTextCharFormat();
    };
    auto preeditAt = [&](int index) {
        for (const TVerticalCluster& cl : s.clusters)
            if (cl.start == index) return s.runs[static_cast<size_t>(cl.run)].preedit;
        return false;
    };
    for (int i : {1, 2}) {
        EXPECT_EQ(formatAt(i).background().color(), QColor(0, 0, 128)) << i;
        EXPECT_TRUE(preeditAt(i)) << i;
    }
    for (int i : {3, 4}) {
        EXPECT_EQ(formatAt(i).background().style(), Qt::NoBrush) << i;
        EXPECT_EQ(formatAt(i).underlineStyle(), QTextCharFormat::SingleUnderline) << i;
        EXPECT_TRUE(preeditAt(i)) << i;
    }
    EXPECT_FALSE(preeditAt(0));
    EXPECT_FALSE(preeditAt(5));
    // Painted: the first segment's cells are dark blue across the column, the second's white.
    const QImage img = f.view.viewport()->grab().toImage();
    const QRect c0 = f.view.PositionRect(0);  // あ, then the composition
    const QPoint inFirst(c0.left() + 2, c0.top() + vtest::kEm + vtest::kEm / 2);
    const QPoint inSecond(c0.left() + 2, c0.top() + 3 * vtest::kEm + vtest::kEm / 2);
    EXPECT_EQ(QColor(img.pixel(inFirst)), QColor(0, 0, 128));
    EXPECT_NE(QColor(img.pixel(inSecond)), QColor(0, 0, 128));
}

TEST(VerticalView, InputMethodCompositionInline) {
    ViewFixture f(QStringLiteral("あい"));
    f.view.SetPosition(1);
    const QRect before = f.view.CaretRect();
    QList<QInputMethodEvent::Attribute> attrs;
    attrs << QInputMethodEvent::Attribute(QInputMethodEvent::Cursor, 2, 1);
    QInputMethodEvent pre(QStringLiteral("かな"), attrs);
    QApplication::sendEvent(&f.view, &pre);
    // Shown, not in the document; the caret follows the composition.
    EXPECT_EQ(f.doc->toPlainText(), QStringLiteral("あい"));
    EXPECT_EQ(f.view.Layout()->Paragraph(0).shaped.text, QStringLiteral("あかない"));
    const QRect during = f.view.CaretRect();
    EXPECT_NEAR(during.center().y() - before.center().y(), 2 * vtest::kEm, 1);
    // The input method is given the composition's whole column, so that its candidate list
    // opens beside the column rather than over the text.
    const QRect imRect = f.view.inputMethodQuery(Qt::ImCursorRectangle).toRectF().toAlignedRect();
    const QRect caretThere = during.translated(f.view.viewport()->pos());
    EXPECT_EQ(imRect.left(), caretThere.left());
    EXPECT_EQ(imRect.width(), caretThere.width());
    EXPECT_LE(imRect.top(), before.translated(f.view.viewport()->pos()).top());
    EXPECT_GE(imRect.bottom(), caretThere.bottom());
    EXPECT_GE(imRect.height(), f.view.Layout()->ColumnHeight() - 1);
    EXPECT_EQ(f.view.inputMethodQuery(Qt::ImSurroundingText).toString(), QStringLiteral("あい"));
    EXPECT_EQ(f.view.inputMethodQuery(Qt::ImCursorPosition).toInt(), 1);

    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("仮名"));
    QApplication::sendEvent(&f.view, &commit);
    EXPECT_EQ(f.doc->toPlainText(), QStringLiteral("あ仮名い"));
    EXPECT_EQ(f.Pos(), 3);
    EXPECT_EQ(f.view.Layout()->Paragraph(0).shaped.text, QStringLiteral("あ仮名い"));
}

TEST(VerticalView, CompositionRunningIntoTheNextColumnTakesTheCaretThere) {
    ViewFixture f(QStringLiteral("あいうえ"));
    f.view.SetPosition(3);
    const QRect before = f.view.CaretRect();
    QInputMethodEvent pre(QStringLiteral("かなかな"), {});  // caret at its end by default
    QApplication::sendEvent(&f.view, &pre);
    // あいう + かな fill the first column; かな え go on in the second.
    const QRect during = f.view.CaretRect();
    EXPECT_LT(during.x(), before.x());
    EXPECT_NEAR(during.center().y() - f.view.PositionRect(0).center().y(), 2 * vtest::kEm, 1);
    EXPECT_TRUE(f.view.viewport()->rect().contains(during.center()));
}

TEST(VerticalView, TwoViewsOfOneDocumentKeepTheirOwnCarets) {
    ViewFixture f(QStringLiteral("あいうえお"));
    TVerticalView other;
    other.SetDocument(f.doc.get());
    other.resize(300, 200);
    other.SetPosition(4);
    f.view.SetPosition(1);
    QTest::keyClicks(&f.view, QStringLiteral("x"));
    EXPECT_EQ(f.Pos(), 2);
    EXPECT_EQ(other.TextCursor().position(), 5);  // moved along with the insertion
    EXPECT_EQ(other.Layout()->Paragraph(0).shaped.text, QStringLiteral("あxいうえお"));
}

TEST(VerticalView, DragBeyondTheLeftEdgeScrollsOnAndExtends) {
    QString text;
    for (int i = 0; i < 60; ++i) text += QStringLiteral("あいうえお\n");
    ViewFixture f(text);
    const QPoint start = f.view.PositionRect(0).center();
    QTest::mousePress(f.view.viewport(), Qt::LeftButton, Qt::NoModifier, start);
    const QPoint outside(-20, start.y());
    QMouseEvent move(QEvent::MouseMove, QPointF(outside),
                     f.view.viewport()->mapToGlobal(QPointF(outside)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(f.view.viewport(), &move);
    const int firstEnd = f.view.TextCursor().position();
    const int firstLine = f.view.FirstVisibleLine();
    QTest::qWait(400);
    EXPECT_GT(f.view.FirstVisibleLine(), firstLine);
    EXPECT_GT(f.view.TextCursor().position(), firstEnd);
    EXPECT_EQ(f.view.TextCursor().anchor(), 0);
    QTest::mouseRelease(f.view.viewport(), Qt::LeftButton, Qt::NoModifier, outside);
    const int line = f.view.FirstVisibleLine();
    QTest::qWait(150);
    EXPECT_EQ(f.view.FirstVisibleLine(), line);  // stops with the button
}

// Paragraphs not yet laid out are estimated; as idle time lays them out, the text at the right
// edge of the view stays where it is.
TEST(VerticalView, IdleLayoutKeepsTheShownTextInPlace) {
    const QString text = vtest::NovelText();
    ViewFixture f(text);
    ASSERT_FALSE(f.view.Layout()->IsComplete());
    QScrollBar* bar = f.view.horizontalScrollBar();
    bar->setValue(bar->maximum() / 2);
    const QPoint rightEdge(
        f.view.viewport()->width() - TVerticalView::kPadding - 2,
        static_cast<int>(TVerticalView::kSelectionBar + TVerticalView::kPadding + 1));
    const int shown = f.view.HitTest(rightEdge);
    for (int i = 0; i < 1000 && !f.view.Layout()->IsComplete(); ++i) QTest::qWait(10);
    ASSERT_TRUE(f.view.Layout()->IsComplete());
    EXPECT_EQ(f.view.HitTest(rightEdge), shown);
}

TEST(VerticalView, FollowsTheDocumentsDefaultFont) {
    ViewFixture f(QStringLiteral("あいうえおかきくけこ"));
    EXPECT_EQ(f.view.LineCount(), 2);
    QFont small = vtest::TestFont();
    small.setPixelSize(vtest::kEm / 2);  // ten characters fit a column now
    f.doc->setDefaultFont(small);
    EXPECT_EQ(f.view.LineCount(), 1);
    f.view.repaint();
}

TEST(VerticalView, DocumentDeletedUnderTheViewLeavesItEmpty) {
    auto doc = vtest::MakeDocument(QStringLiteral("あいう"));
    TVerticalView view;
    view.SetDocument(doc.get());
    view.resize(200, 200);
    view.show();
    QApplication::processEvents();
    doc.reset();
    EXPECT_EQ(view.Document(), nullptr);
    EXPECT_EQ(view.LineCount(), 0);
    view.repaint();
    QTest::keyClick(&view, Qt::Key_Down);
    QTest::keyClicks(&view, QStringLiteral("x"));
}

}  // namespace

// Line wrapping in the main window: with wrapping on, the document wraps at the width of the
// view that shows it, never at the width of the hidden second view; with wrapping off, centred
// and right-aligned paragraphs are still placed across the visible view.

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <functional>

#include "MainWindowTestSupport.h"
#include "controls/THorizontalEdit.h"

namespace {

// One paragraph of full-width characters, 15 px each: one line in the window, several when
// wrapped narrower. (Short, so that no scroll bar comes and resizes the view.)
constexpr int kChars = 30;

QString Paragraph(int chars = kChars) {
    return QString(chars, QChar(0x543E));  // 吾
}

// x of the first line of a paragraph in viewport coordinates: its left and right edges.
std::pair<qreal, qreal> LineEdges(const QTextBlock& b) {
    const QTextLayout* layout = b.layout();
    const QRectF r = layout->lineAt(0).naturalTextRect();
    const qreal x = layout->position().x();
    return {x + r.left(), x + r.right()};
}

struct WrapOnCase {
    const char* name;
    const char* stored;  // Etc/Wrap as stored: "1" wrap off, "0" wrap on
    std::function<void(TOMForm*)> act;
};

class WrapOnTest : public MainWindowTest, public ::testing::WithParamInterface<WrapOnCase> {};

const WrapOnCase kWrapOn[] = {
    {"StoredWrapOn", "0", [](TOMForm*) {}},
    {"MenuTurnsWrapOn", "1", [](TOMForm* f) { f->Action("WordWrapOffM")->trigger(); }},
    {"MenuOffAndOnAgain", "0",
     [](TOMForm* f) {
         f->Action("WordWrapOffM")->trigger();
         f->Action("WordWrapOffM")->trigger();
     }},
    {"SideBySideAndBack", "0",
     [](TOMForm* f) {
         f->Action("S2SaYuuM")->trigger();
         QApplication::processEvents();
         f->Action("S2NoneM")->trigger();
     }},
    {"OneAboveTheOtherAndBack", "0",
     [](TOMForm* f) {
         f->Action("S2UeShitaM")->trigger();
         QApplication::processEvents();
         f->Action("S2NoneM")->trigger();
     }},
    {"VerticalAndBack", "1",
     [](TOMForm* f) {
         f->Action("TateModeM")->trigger();
         QApplication::processEvents();
         f->Action("YokoModeM")->trigger();
     }},
};

TEST_P(WrapOnTest, WrapsAtTheVisibleViewsWidth) {
    Store(QStringLiteral("Etc/Wrap"), QString::fromUtf8(GetParam().stored));
    TOMForm* f = Start();
    f->RichEditEx1()->SetText(Paragraph());
    GetParam().act(f);
    QApplication::processEvents();  // no resize of the window: the bug lasted until one

    ASSERT_FALSE(f->wrapOff);
    ASSERT_FALSE(f->RichEditEx2()->isVisible());
    THorizontalEdit* e1 = f->RichEditEx1()->HorizontalEdit();
    const int width = e1->viewport()->width();
    ASSERT_GT(width, 600);  // the 780-pixel window
    EXPECT_EQ(f->Document()->textWidth(), width);
    EXPECT_EQ(f->RichEditEx1()->LineCount(), 1);
    // A paragraph longer than the view wraps at its edge.
    f->RichEditEx1()->SetText(Paragraph(width / 15 + 5));
    EXPECT_EQ(f->RichEditEx1()->LineCount(), 2);
}

INSTANTIATE_TEST_SUITE_P(Table, WrapOnTest, ::testing::ValuesIn(kWrapOn),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, SplitViewsWrapAtTheNarrowerAndUnsplitAtTheWholeWidth) {
    Store(QStringLiteral("Etc/Wrap"), QStringLiteral("0"));
    TOMForm* f = Start();
    f->RichEditEx1()->SetText(Paragraph());
    f->Action("S2SaYuuM")->trigger();
    QApplication::processEvents();
    THorizontalEdit* e1 = f->RichEditEx1()->HorizontalEdit();
    THorizontalEdit* e2 = f->RichEditEx2()->HorizontalEdit();
    const qreal split = f->Document()->textWidth();
    EXPECT_LE(split, std::min(e1->viewport()->width(), e2->viewport()->width()));
    // Narrower by no more than the room kept for a vertical scroll bar.
    const int bar = e1->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, e1);
    EXPECT_GE(split, std::min(e1->viewport()->width(), e2->viewport()->width()) - bar);
    // Focus in the left view changes nothing: both still read without sideways scrolling.
    e2->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(f->Document()->textWidth(), split);
    f->Action("S2NoneM")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(f->Document()->textWidth(), e1->viewport()->width());
}

// ----- alignment without wrapping ---------------------------------------------------------------

struct AlignCase {
    const char* name;
    std::function<void(TOMForm*)> act;
};

class AlignedNoWrapTest : public MainWindowTest, public ::testing::WithParamInterface<AlignCase> {};

const AlignCase kAligned[] = {
    {"AsOpened", [](TOMForm*) {}},
    {"WrapOnAndOffAgain",
     [](TOMForm* f) {
         f->Action("WordWrapOffM")->trigger();
         QApplication::processEvents();
         f->Action("WordWrapOffM")->trigger();
     }},
    {"SideBySideAndBack",
     [](TOMForm* f) {
         f->Action("S2SaYuuM")->trigger();
         QApplication::processEvents();
         f->Action("S2NoneM")->trigger();
     }},
};

TEST_P(AlignedNoWrapTest, CentredAndRightParagraphsAreDrawnSo) {
    const QString rtf = QStringLiteral(ORIMAKI_SOURCE "/tests/app/data/aligned.rtf");
    ASSERT_TRUE(QFile::exists(rtf));
    TOMForm* f = Start({rtf});
    ASSERT_TRUE(f->wrapOff);  // the default: no wrapping
    GetParam().act(f);
    QApplication::processEvents();
    ASSERT_TRUE(f->wrapOff);

    QTextDocument* doc = f->Document();
    doc->documentLayout()->documentSize();  // the whole layout
    THorizontalEdit* e1 = f->RichEditEx1()->HorizontalEdit();
    const qreal width = e1->viewport()->width();
    const qreal margin = doc->documentMargin();
    ASSERT_EQ(doc->blockCount(), 3);
    const QTextBlock centred = doc->begin();
    const QTextBlock right = centred.next();
    const QTextBlock left = right.next();
    ASSERT_EQ(centred.text(), QStringLiteral("centred"));
    auto [cl, cr] = LineEdges(centred);
    EXPECT_NEAR((cl + cr) / 2, width / 2, 2.0);
    auto [rl, rr] = LineEdges(right);
    EXPECT_NEAR(rr, width - margin, 2.0);
    EXPECT_GT(rl, width / 2);
    auto [ll, lr] = LineEdges(left);
    EXPECT_NEAR(ll, margin, 1.0);
    (void)lr;
}

INSTANTIATE_TEST_SUITE_P(Table, AlignedNoWrapTest, ::testing::ValuesIn(kAligned),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, AParagraphCentredAfterOpeningIsCentredWithoutWrapping) {
    TOMForm* f = Start();
    ASSERT_TRUE(f->wrapOff);
    f->RichEditEx1()->SetText(QStringLiteral("あいう\r\nかきく"));
    QApplication::processEvents();
    TParaAttributes p;
    p.alignment = TParaAttributes::Center;
    f->RichEditEx1()->SetSelStart(0);
    f->RichEditEx1()->SetParagraph(p, TParaAttributes::Alignment);
    QApplication::processEvents();
    f->Document()->documentLayout()->documentSize();
    const qreal width = f->RichEditEx1()->HorizontalEdit()->viewport()->width();
    auto [l, r] = LineEdges(f->Document()->begin());
    EXPECT_NEAR((l + r) / 2, width / 2, 2.0);
    // A line longer than the view is not wrapped.
    f->RichEditEx1()->SetSelStart(f->RichEditEx1()->TextLength());
    f->RichEditEx1()->SetSelText(Paragraph(100));
    EXPECT_EQ(f->RichEditEx1()->LineCount(), 2);
    QApplication::processEvents();
    EXPECT_GT(f->RichEditEx1()->HorizontalEdit()->horizontalScrollBar()->maximum(), 0);
}

}  // namespace

// The ruler of the main window: shown and hidden by RulerM and RulerPop and kept over a
// restart, following the selection's paragraph, setting the indents when a marker is dragged
// (one undo takes the change back), lined up with the text across the top of horizontal lines
// and upright on the right of vertical columns, whose tops the same indents move down.

#include <QApplication>
#include <QSplitter>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include "FormatTestSupport.h"
#include "controls/THorizontalEdit.h"
#include "controls/TVerticalView.h"
#include "controls/TanlRuler.h"

namespace {

class RulerTest : public FormatTest, public ::testing::WithParamInterface<ViewSetup> {
protected:
    TOMForm* StartWithRuler(ViewSetup::Kind kind) {
        TOMForm* f = StartIn(kind);
        f->resize(760, 560);
        f->Command("RulerM")->trigger();
        QApplication::processEvents();
        return f;
    }

    // Sets the paragraph indents (points) of the paragraphs the selection touches.
    void SetIndents(double first, double left, double right) {
        TParaAttributes p;
        p.firstIndent = first;
        p.leftIndent = left;
        p.rightIndent = right;
        form_->ActiveView()->SetParagraph(p, TParaAttributes::FirstIndent |
                                                 TParaAttributes::LeftIndent |
                                                 TParaAttributes::RightIndent);
        form_->SelectionRefresh();
        QApplication::processEvents();
    }

    void ExpectIndents(double first, double left, double right, const char* what) {
        const TParaAttributes p = form_->ActiveView()->Paragraph();
        EXPECT_NEAR(p.firstIndent, first, 0.01) << what;
        EXPECT_NEAR(p.leftIndent, left, 0.01) << what;
        EXPECT_NEAR(p.rightIndent, right, 0.01) << what;
    }

    void Drag(TanlRuler::Marker m, int by) {
        TanlRuler* r = form_->Ruler();
        const QPoint at = r->MarkerPoint(m);
        const QPoint step = r->Orientation() == Qt::Horizontal ? QPoint(1, 0) : QPoint(0, 1);
        QTest::mousePress(r, Qt::LeftButton, {}, at);
        QTest::mouseMove(r, at + step * (by / 2));
        QTest::mouseMove(r, at + step * by);
        QTest::mouseRelease(r, Qt::LeftButton, {}, at + step * by);
        QApplication::processEvents();
    }

    static QString LongParagraph() {
        QString s;
        for (int i = 0; i < 12; ++i) s += QStringLiteral("吾輩は猫である。名前はまだ無い。");
        return s;
    }
};

TEST_P(RulerTest, RulerMShowsAndHidesAndTheStateSurvivesARestart) {
    TOMForm* f = StartIn(GetParam().setup);
    EXPECT_FALSE(f->Ruler()->isVisible());
    f->Command("RulerM")->trigger();
    EXPECT_TRUE(f->Ruler()->isVisible());
    EXPECT_TRUE(f->Action("RulerM")->isChecked());
    EXPECT_TRUE(f->Action("RulerPop")->isChecked());
    f->Action("RulerPop")->trigger();
    EXPECT_FALSE(f->Ruler()->isVisible());
    EXPECT_FALSE(f->Action("RulerM")->isChecked());
    EXPECT_FALSE(f->Action("RulerPop")->isChecked());
    f->Action("RulerPop")->trigger();
    ASSERT_TRUE(Close());
    EXPECT_EQ(Stored(QStringLiteral("Bar/Ruler")), QStringLiteral("1"));
    f = Start();
    EXPECT_TRUE(f->Ruler()->isVisible());
    EXPECT_TRUE(f->Action("RulerM")->isChecked());
    EXPECT_TRUE(f->Action("RulerPop")->isChecked());
}

TEST_P(RulerTest, MarkersFollowTheSelectionsParagraph) {
    TOMForm* f = StartWithRuler(GetParam().setup);
    SetText("一行目\r\n二行目\r\n三行目");
    f->ActiveView()->SetSelStart(0);
    SetIndents(12, 6, 0);
    f->ActiveView()->SetSelStart(10);  // in the second paragraph
    SetIndents(9, -9, 15);
    TanlRuler* r = f->Ruler();
    const int w = r->ClientWidth();
    struct Row {
        int caret;
        int first, left, right;  // 12 pt -> 16 px + 2 and so on, by hand
    } rows[] = {
        {0, 18, 26, w - 14},
        {10, 14, 2, w - 34},  // right: 21 pt = 28 px, w - 28 - 6
        {18, 2, 2, w - 14},
    };
    for (const Row& row : rows) {
        f->ActiveView()->SetSelStart(row.caret);
        QApplication::processEvents();
        EXPECT_EQ(r->FirstIndent(), row.first) << row.caret;
        EXPECT_EQ(r->LeftIndent(), row.left) << row.caret;
        EXPECT_EQ(r->RightIndent(), row.right) << row.caret;
    }
}

struct MarkerDrag {
    const char* name;
    TanlRuler::Marker marker;
    int by;                     // from the markers of 12, 6, 0 (18, 26, width - 14)
    double first, left, right;  // points, by hand
};

const MarkerDrag kMarkerDrags[] = {
    // To width - 30: (30 - 10) * 3/4.
    {"right", TanlRuler::RightMarker, -16, 12, 6, 15},
    // To 40 px = 30 pt, less the first-line 12.
    {"left", TanlRuler::LeftMarker, 14, 12, 18, 0},
    // To 30 px = 22 pt; the left marker's 26 px = 19 pt less 22.
    {"first", TanlRuler::FirstMarker, 12, 22, -3, 0},
    // Both by 10: 28 px = 21 pt, 36 px = 27 pt.
    {"both", TanlRuler::BothMarker, 10, 21, 6, 0},
};

TEST_P(RulerTest, DraggingAMarkerSetsTheIndentAndOneUndoTakesItBack) {
    TOMForm* f = StartWithRuler(GetParam().setup);
    for (const MarkerDrag& d : kMarkerDrags) {
        SetText("あいうえお\r\nかきくけこ");
        f->ActiveView()->SetSelection(2, 4);
        SetIndents(12, 6, 0);
        f->NoteEditKind(0);
        ASSERT_EQ(f->Ruler()->FirstIndent(), 18) << d.name;
        Drag(d.marker, d.by);
        ExpectIndents(d.first, d.left, d.right, d.name);
        EXPECT_EQ(f->editKind, 6) << d.name;
        // The selection stays.
        EXPECT_EQ(f->ActiveView()->SelStart(), 2) << d.name;
        EXPECT_EQ(f->ActiveView()->SelLength(), 4) << d.name;
        f->UndoMClick();
        QApplication::processEvents();
        f->ActiveView()->SetSelStart(2);
        ExpectIndents(12, 6, 0, d.name);
    }
}

TEST_P(RulerTest, TheLeftMarkerAlignsTheOtherLinesOfEveryParagraph) {
    TOMForm* f = StartWithRuler(GetParam().setup);
    SetText("あ\r\nい\r\nう\r\nえ");
    const int firsts[] = {12, 0, 6, 3};
    for (int i = 0; i < 4; ++i) {
        f->ActiveView()->SetSelStart(i * 4);
        SetIndents(firsts[i], 0, 0);
    }
    // The first three paragraphs, ending inside the third.
    f->ActiveView()->SetSelection(0, 10);
    f->SelectionRefresh();
    QApplication::processEvents();
    ASSERT_EQ(f->Ruler()->LeftIndent(), 18);
    Drag(TanlRuler::LeftMarker, 22);  // to 40 px = 30 pt from the text's start
    EXPECT_EQ(f->ActiveView()->SelStart(), 0);
    EXPECT_EQ(f->ActiveView()->SelLength(), 10);
    const double lefts[] = {18, 30, 24, 0};
    for (int i = 0; i < 4; ++i) {
        QTextBlock b = f->Document()->findBlockByNumber(i);
        f->ActiveView()->SetSelStart(i * 4);
        ExpectIndents(firsts[i], lefts[i], 0, b.text().toUtf8().constData());
    }
}

// Where the ruler shows a first-line indent and where the text begins, in window pixels.
struct Along {
    int marker;
    int text;
};

TEST_P(RulerTest, RulerLinesUpWithTheTextOfTheActiveView) {
    TOMForm* f = StartWithRuler(GetParam().setup);
    SetText("あいうえお");
    SetIndents(12, 0, 0);
    TanlRuler* r = f->Ruler();
    TRichEditEx* v = f->ActiveView();
    const QPoint marker = r->mapTo(f, r->MarkerPoint(TanlRuler::FirstMarker));
    v->SetSelStart(0);
    QApplication::processEvents();
    if (GetParam().setup == ViewSetup::Vertical) {
        // Upright on the right of the views, the scale down the columns.
        EXPECT_EQ(r->Orientation(), Qt::Vertical);
        EXPECT_GE(r->mapTo(f, QPoint(0, 0)).x(),
                  f->EditSplitter()->mapTo(f, QPoint(f->EditSplitter()->width(), 0)).x());
        auto* vv = qobject_cast<TVerticalView*>(v->EditWidget());
        ASSERT_NE(vv, nullptr);
        const QRect caret = vv->PositionRect(0);
        const int y = vv->viewport()->mapTo(f, caret.center()).y();
        EXPECT_NEAR(marker.y(), y, 1.5);
    } else {
        EXPECT_EQ(r->Orientation(), Qt::Horizontal);
        EXPECT_LE(r->mapTo(f, QPoint(0, r->height())).y(), v->mapTo(f, QPoint(0, 0)).y());
        QTextEdit* e = v->HorizontalEdit();
        const int x = e->viewport()->mapTo(f, e->cursorRect().topLeft()).x();
        EXPECT_NEAR(marker.x(), x, 1.5);
    }
}

INSTANTIATE_TEST_SUITE_P(Views, RulerTest, ::testing::ValuesIn(kViewSetups),
                         [](const auto& info) { return std::string(info.param.name); });

// The vertical view draws the indents as distances from the column top: the first column of a
// paragraph starts at the first-line indent, the others at first-line plus left indent, and
// the right indent keeps the foot of every column free.
TEST_F(RulerTest, VerticalColumnsStartAtTheIndentsTheRulerSets) {
    TOMForm* f = StartWithRuler(ViewSetup::Vertical);
    SetText("");
    f->ActiveView()->SetSelText(LongParagraph());
    f->ActiveView()->SetSelStart(0);
    f->SelectionRefresh();
    QApplication::processEvents();
    auto* vv = qobject_cast<TVerticalView*>(f->ActiveView()->EditWidget());
    ASSERT_NE(vv, nullptr);
    const qreal top = TVerticalView::kSelectionBar + TVerticalView::kPadding;
    TVerticalLayout* layout = vv->Layout();
    auto columnTop = [&](int column) {
        const TVerticalParagraph& p = layout->Paragraph(0);
        return p.columns[size_t(column)].top;
    };
    auto columnFoot = [&](int column) {
        const TVerticalParagraph& p = layout->Paragraph(0);
        return p.columns[size_t(column)].top + p.columns[size_t(column)].length;
    };
    ASSERT_GT(layout->Paragraph(0).columns.size(), 2u);
    EXPECT_NEAR(columnTop(0), 0, 0.5);
    // The foot down by 30 px: both markers at 32 px = 24 pt.
    Drag(TanlRuler::BothMarker, 30);
    ExpectIndents(24, 0, 0, "foot");
    EXPECT_NEAR(columnTop(0), 32, 0.5);
    EXPECT_NEAR(columnTop(1), 32, 0.5);
    // Shown again from the paragraph: 24 pt = 32 px, + 2. The left marker down by 16 more:
    // 50 px = 37.5 -> 37 pt from the top, 13 pt below the first line's 24.
    f->SelectionRefresh();
    ASSERT_EQ(f->Ruler()->LeftIndent(), 34);
    Drag(TanlRuler::LeftMarker, 16);
    ExpectIndents(24, 13, 0, "left");
    EXPECT_NEAR(columnTop(0), 32, 0.5);
    EXPECT_NEAR(columnTop(1), 37 * 4.0 / 3.0, 0.5);
    EXPECT_NEAR(columnTop(2), 37 * 4.0 / 3.0, 0.5);
    // The caret at the start of the paragraph sits at the first column's start in the view.
    const QRect caret = vv->PositionRect(0);
    EXPECT_NEAR((caret.top() + caret.bottom() + 1) / 2.0, top + 32, 1.0);
    // Right marker up by 46 px: (14 + 46 - 10) * 3/4 = 37.5 -> 37 pt = 49.3 px free at the foot.
    const qreal height = layout->ColumnHeight();
    Drag(TanlRuler::RightMarker, -46);
    ExpectIndents(24, 13, 37, "right");
    for (int c = 0; c + 1 < int(layout->Paragraph(0).columns.size()); ++c)
        EXPECT_LE(columnFoot(c), height - 37 * 4.0 / 3.0 + 0.5) << c;
}

}  // namespace

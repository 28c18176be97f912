// The ruler control: which marker a point grabs, drags with the mouse (across the top and
// upright), the marker reported at the end of a drag, and a press that moves nothing.

#include <gtest/gtest.h>

#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include "controls/TanlRuler.h"

namespace {

struct Ruler {
    explicit Ruler(Qt::Orientation o) {
        r.SetOrientation(o);
        if (o == Qt::Horizontal)
            r.resize(400, TanlRuler::kThickness);
        else
            r.resize(TanlRuler::kThickness, 400);
        r.SetIndents(18, 26, 300);
        r.show();
    }
    TanlRuler r;
};

QPoint Along(Qt::Orientation o, QPoint p, int d) {
    return o == Qt::Horizontal ? p + QPoint(d, 0) : p + QPoint(0, d);
}

struct DragRow {
    const char* name;
    TanlRuler::Marker marker;
    int by;  // pixels along the scale
    int first, left, right;
};

// Worked out from the start (18, 26, 300): each marker moves by the drag; the foot moves the
// first-line and the left marker together; nothing leaves the scale [0, 400].
const DragRow kDrags[] = {
    {"first", TanlRuler::FirstMarker, 12, 30, 26, 300},
    {"left", TanlRuler::LeftMarker, 14, 18, 40, 300},
    {"right", TanlRuler::RightMarker, -40, 18, 26, 260},
    {"both", TanlRuler::BothMarker, 10, 28, 36, 300},
    {"both_stops_at_zero", TanlRuler::BothMarker, -50, 0, 8, 300},
    {"right_stops_at_the_end", TanlRuler::RightMarker, 200, 18, 26, 400},
};

class RulerDragTest : public ::testing::TestWithParam<Qt::Orientation> {};

TEST_P(RulerDragTest, EachMarkerDragsAndReportsItself) {
    const Qt::Orientation o = GetParam();
    for (const DragRow& d : kDrags) {
        Ruler ruler(o);
        TanlRuler& r = ruler.r;
        QSignalSpy spy(&r, &TanlRuler::IndentChange);
        const QPoint at = r.MarkerPoint(d.marker);
        ASSERT_EQ(r.MarkerAt(at), d.marker) << d.name;
        QTest::mousePress(&r, Qt::LeftButton, {}, at);
        QTest::mouseMove(&r, Along(o, at, d.by / 2));
        QTest::mouseMove(&r, Along(o, at, d.by));
        EXPECT_TRUE(r.Dragging()) << d.name;
        QTest::mouseRelease(&r, Qt::LeftButton, {}, Along(o, at, d.by));
        EXPECT_EQ(r.FirstIndent(), d.first) << d.name;
        EXPECT_EQ(r.LeftIndent(), d.left) << d.name;
        EXPECT_EQ(r.RightIndent(), d.right) << d.name;
        ASSERT_EQ(spy.count(), 1) << d.name;
        EXPECT_EQ(spy.at(0).at(0).toInt(), int(d.marker)) << d.name;
    }
}

TEST_P(RulerDragTest, APressThatMovesNothingReportsNothing) {
    Ruler ruler(GetParam());
    QSignalSpy spy(&ruler.r, &TanlRuler::IndentChange);
    const QPoint at = ruler.r.MarkerPoint(TanlRuler::LeftMarker);
    QTest::mouseClick(&ruler.r, Qt::LeftButton, {}, at);
    // A press beside every marker grabs none.
    QTest::mouseClick(&ruler.r, Qt::LeftButton, {}, Along(GetParam(), at, 150));
    EXPECT_EQ(spy.count(), 0);
    EXPECT_EQ(ruler.r.LeftIndent(), 26);
}

INSTANTIATE_TEST_SUITE_P(Orientations, RulerDragTest,
                         ::testing::Values(Qt::Horizontal, Qt::Vertical), [](const auto& info) {
                             return info.param == Qt::Horizontal ? "Horizontal" : "Upright";
                         });

TEST(TanlRuler, PositionsCountFromTheMargin) {
    TanlRuler r;
    r.resize(300, TanlRuler::kThickness);
    EXPECT_EQ(r.LeftMargin(), 20);
    EXPECT_EQ(r.ClientWidth(), 300);  // the widget's own length until set
    r.SetIndents(0, 10, 200);
    EXPECT_EQ(r.MarkerPoint(TanlRuler::FirstMarker).x(), 20);
    EXPECT_EQ(r.MarkerPoint(TanlRuler::LeftMarker).x(), 30);
    EXPECT_EQ(r.MarkerPoint(TanlRuler::RightMarker).x(), 220);
    r.SetLeftMargin(5);
    r.SetClientWidth(150);
    EXPECT_EQ(r.ClientWidth(), 150);
    EXPECT_EQ(r.MarkerPoint(TanlRuler::RightMarker).x(), 205);
    // The first-line marker hangs from the outer edge, the left one stands on the inner edge.
    EXPECT_LT(r.MarkerPoint(TanlRuler::FirstMarker).y(), r.MarkerPoint(TanlRuler::LeftMarker).y());
    EXPECT_LT(r.MarkerPoint(TanlRuler::LeftMarker).y(), r.MarkerPoint(TanlRuler::BothMarker).y());
}

TEST(TanlRuler, UprightTheInnerEdgeIsOnTheLeft) {
    TanlRuler r;
    r.SetOrientation(Qt::Vertical);
    r.resize(TanlRuler::kThickness, 300);
    EXPECT_EQ(r.width(), TanlRuler::kThickness);
    r.SetIndents(0, 10, 200);
    // Along the length downwards; the first-line marker near the outer (right) edge.
    EXPECT_EQ(r.MarkerPoint(TanlRuler::LeftMarker).y(), 30);
    EXPECT_GT(r.MarkerPoint(TanlRuler::FirstMarker).x(), r.MarkerPoint(TanlRuler::LeftMarker).x());
    // The picture draws a marker where MarkerPoint says (not the button colour there).
    QImage img = r.grab().toImage();
    const QPoint p = r.MarkerPoint(TanlRuler::RightMarker);
    const QColor button = r.palette().color(QPalette::Button);
    bool drawn = false;
    for (int dy = -3; dy <= 3 && !drawn; ++dy)
        for (int dx = -3; dx <= 3 && !drawn; ++dx)
            if (img.pixelColor(p + QPoint(dx, dy)) != button &&
                img.pixelColor(p + QPoint(dx, dy)) != r.palette().color(QPalette::Base))
                drawn = true;
    EXPECT_TRUE(drawn);
}

}  // namespace

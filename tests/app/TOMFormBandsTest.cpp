// Bands in the window: a hidden band keeps the row it starts across a restart, and a band
// dragged out of its bar area does not become a window of its own.

#include <QMouseEvent>
#include <QStyle>
#include <QToolBar>
#include <algorithm>

#include "MainWindowTestSupport.h"
#include "app/TBand.h"

namespace {

using Slots = std::vector<TOMForm::BandSlot>;

// The row of each shown band (0 for the top row), by band identity; -1 for a hidden band.
std::vector<int> Rows(TOMForm* f) {
    std::vector<int> tops;
    for (int id = 0; id < 5; ++id)
        if (f->Band(id)->isVisible()) tops.push_back(f->Band(id)->geometry().top());
    std::sort(tops.begin(), tops.end());
    tops.erase(std::unique(tops.begin(), tops.end()), tops.end());
    std::vector<int> rows;
    for (int id = 0; id < 5; ++id) {
        if (!f->Band(id)->isVisible()) {
            rows.push_back(-1);
            continue;
        }
        const int top = f->Band(id)->geometry().top();
        rows.push_back(int(std::find(tops.begin(), tops.end(), top) - tops.begin()));
    }
    return rows;
}

const char* const kBarItems[5] = {"ToolBarM", "FindBarM", "FontBarM", "StyleBarM", "AddressBarM"};

struct HiddenBandCase {
    const char* what;
    Slots order;                  // band, break, width: rows of the order
    std::vector<int> rows;        // rows of bands 0 … 4 as arranged
    int hide;                     // the band hidden before the close
    std::vector<int> hiddenRows;  // rows after the restart, that band still hidden
};

const HiddenBandCase kHidden[] = {
    {"the band hidden starts a row the next band shares",
     {{0, true, 200}, {1, true, 200}, {2, false, 200}, {3, true, 200}, {4, true, 200}},
     {0, 1, 1, 2, 3},
     1,
     {0, -1, 1, 2, 3}},
    {"two rows of two, the first of the second row hidden",
     {{0, true, 200}, {1, false, 200}, {2, true, 200}, {3, false, 200}, {4, true, 200}},
     {0, 0, 1, 1, 2},
     2,
     {0, 0, -1, 1, 2}},
    {"every band on its own row: the band after keeps its own row",
     {{0, true, 200}, {1, true, 200}, {2, true, 200}, {3, true, 200}, {4, true, 200}},
     {0, 1, 2, 3, 4},
     2,
     {0, 1, -1, 2, 3}},
    {"the first band hidden",
     {{0, true, 200}, {1, false, 200}, {2, true, 200}, {3, true, 200}, {4, true, 200}},
     {0, 0, 1, 2, 3},
     0,
     {-1, 0, 1, 2, 3}},
    {"the row break of a band placed later",
     {{3, true, 200}, {4, true, 200}, {0, false, 200}, {1, true, 200}, {2, true, 200}},
     {1, 2, 3, 0, 1},
     4,
     {1, 2, 3, 0, -1}},
};

class HiddenBandTest : public MainWindowTest,
                       public ::testing::WithParamInterface<HiddenBandCase> {};

TEST_P(HiddenBandTest, KeepsItsRowAcrossARestart) {
    const HiddenBandCase& c = GetParam();
    TOMForm* f = Start();
    f->SetTopBandOrder(c.order);
    QApplication::processEvents();
    ASSERT_EQ(Rows(f), c.rows) << c.what;
    f->Action(kBarItems[c.hide])->trigger();
    QApplication::processEvents();
    ASSERT_TRUE(Close());

    f = Start();
    EXPECT_EQ(Rows(f), c.hiddenRows) << c.what;
    f->Action(kBarItems[c.hide])->trigger();
    QApplication::processEvents();
    EXPECT_EQ(Rows(f), c.rows) << c.what << ": shown again, the band is back in its row";
}

INSTANTIATE_TEST_SUITE_P(Table, HiddenBandTest, ::testing::ValuesIn(kHidden));

void SendMouse(TBand* band, QEvent::Type type, const QPoint& p, Qt::MouseButtons buttons) {
    QMouseEvent e(type, p, band->mapToGlobal(p), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(band, &e);
    QApplication::processEvents();
}

// Presses on a band's drag handle, drags it far outside the window and lets it go there.
void DragOut(TBand* band, TOMForm* f) {
    const int extent = band->style()->pixelMetric(QStyle::PM_ToolBarHandleExtent, nullptr, band);
    const QPoint handle = band->orientation() == Qt::Horizontal
                              ? QPoint(extent / 2 + 1, band->height() / 2)
                              : QPoint(band->width() / 2, extent / 2 + 1);
    SendMouse(band, QEvent::MouseButtonPress, handle, Qt::LeftButton);
    const QPoint outside = f->mapToGlobal(QPoint(f->width() + 300, f->height() + 300));
    QPoint p = handle;
    for (int step = 1; step <= 10; ++step) {
        // The band moves with the pointer once it leaves its row: aim from where it is now.
        p = band->mapFromGlobal(band->mapToGlobal(handle) +
                                (outside - band->mapToGlobal(handle)) * step / 10);
        SendMouse(band, QEvent::MouseMove, p, Qt::LeftButton);
    }
    SendMouse(band, QEvent::MouseButtonRelease, p, Qt::NoButton);
}

TEST_F(MainWindowTest, ABandDraggedOutOfTheWindowReturnsToItsPlace) {
    TOMForm* f = Start();
    f->Action("BarTateM")->trigger();  // the right-hand bands shown too
    QApplication::processEvents();
    const std::vector<TBand*> bands = {f->Band(2), f->Band(3), f->Band(4), f->RightBand(0),
                                       f->RightBand(1)};
    for (TBand* band : bands) {
        const std::string name = band->windowTitle().toStdString();
        ASSERT_TRUE(band->isVisible()) << name;
        const QRect before = band->geometry();
        int unplugged = 0;
        QObject::connect(band, &QToolBar::topLevelChanged, band,
                         [&unplugged](bool top) { unplugged += top ? 1 : 0; });
        DragOut(band, f);
        EXPECT_GT(unplugged, 0) << name << ": the drag took the band out of its row";
        EXPECT_FALSE(band->isFloating()) << name;
        EXPECT_EQ(band->parentWidget(), f) << name;
        EXPECT_TRUE(band->isVisible()) << name;
        EXPECT_EQ(band->geometry(), before) << name;
    }
}

}  // namespace

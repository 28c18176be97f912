#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTimer>

#include "controls/QtColor.h"
#include "controls/TColorLookupComboBox.h"
#include "controls/TColorSwatchDelegate.h"
#include "core/ColorListFile.h"

namespace {

using Box = TColorLookupComboBox;

void MakeMainWindowBox(Box& box) {
    box.setExtendedColorLines(ColorListFile::BuiltInLines());
    box.setSelection(Box::csSystemJ | Box::csCustom | Box::csExtended);
}

TEST(TColorLookupComboBoxTest, DefaultsAtCreation) {
    Box box;
    EXPECT_EQ(box.width(), 120);
    EXPECT_EQ(box.selection(), Box::csSystemJ);
    EXPECT_EQ(box.defaultColor(), clNone);
    EXPECT_EQ(box.itemHeight(), 14);
    EXPECT_EQ(box.maxCustomCount(), 3);
    EXPECT_TRUE(box.showName());
    EXPECT_TRUE(box.extendedColors().isEmpty());
    ASSERT_EQ(box.count(), 16);
    EXPECT_EQ(box.itemText(0), "黒");
    EXPECT_EQ(box.itemText(15), "白");
    EXPECT_EQ(box.currentIndex(), -1);
    EXPECT_EQ(box.color(), clNone);
}

TEST(TColorLookupComboBoxTest, ItemsFollowTheModel) {
    Box box;
    MakeMainWindowBox(box);
    ASSERT_EQ(box.count(), 325);
    EXPECT_EQ(box.itemText(16), "WindowTextの色");
    EXPECT_EQ(box.itemText(16 + 74), "褐色");
    EXPECT_EQ(box.itemData(16 + 211, TColorSwatchDelegate::ColorRole).toUInt(), 0x165E82u);
    EXPECT_EQ(box.itemText(324), "その他...");
    EXPECT_EQ(box.extendedColors().size(), 308);
}

TEST(TColorLookupComboBoxTest, SetColourTwiceChoosesTheNewEntry) {
    Box box;
    MakeMainWindowBox(box);
    box.setColor(clRed);
    EXPECT_EQ(box.currentIndex(), 9);
    EXPECT_EQ(box.currentText(), "赤");
    box.setColor(0x0000FF80);
    EXPECT_EQ(box.currentIndex(), 9);
    ASSERT_EQ(box.count(), 326);
    EXPECT_EQ(box.itemText(324), "$00FF80");
    box.setColor(0x0000FF80);
    EXPECT_EQ(box.currentIndex(), 324);
    EXPECT_EQ(box.color(), 0x0000FF80u);
}

TEST(TColorLookupComboBoxTest, ProgrammaticChangesDoNotRaiseTheChangeEvent) {
    Box box;
    QSignalSpy spy(&box, &Box::changed);
    box.setColor(clBlue);
    box.setSelection(Box::csSystem);
    EXPECT_EQ(spy.count(), 0);
}

TEST(TColorLookupComboBoxTest, ChoosingAnEntryRaisesTheChangeEvent) {
    Box box;
    QSignalSpy spy(&box, &Box::changed);
    box.setCurrentIndex(3);
    emit box.activated(3);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(box.color(), 0x00008080u);  // オリーブ
}

TEST(TColorLookupComboBoxTest, OtherAddsTheDialogColourAndChoosesIt) {
    Box box;
    box.setSelection(Box::csSystemJ | Box::csCustom);
    box.setColor(clLime);
    TColor offered = 0;
    box.setColorAsker([&](TColor& c) {
        offered = c;
        c = RgbColor(255, 128, 0);
        return true;
    });
    QSignalSpy spy(&box, &Box::changed);
    box.setCurrentIndex(16);  // what the list does before it reports the activation
    emit box.activated(16);
    EXPECT_EQ(offered, clLime);
    ASSERT_EQ(box.count(), 18);
    EXPECT_EQ(box.itemText(16), "$0080FF");
    EXPECT_EQ(box.currentIndex(), 16);
    EXPECT_EQ(box.color(), RgbColor(255, 128, 0));
    EXPECT_EQ(box.itemText(17), "その他...");
    EXPECT_EQ(spy.count(), 1);
}

TEST(TColorLookupComboBoxTest, OtherCancelledChoosesTheEntryBeforeIt) {
    Box box;
    box.setSelection(Box::csSystemJ | Box::csCustom);
    box.setColorAsker([](TColor&) { return false; });
    box.setCurrentIndex(16);
    emit box.activated(16);
    EXPECT_EQ(box.count(), 17);
    EXPECT_EQ(box.currentIndex(), 15);
}

TEST(TColorLookupComboBoxTest, OtherOpensTheRealColourDialog) {
    Box box;
    box.setSelection(Box::csCustom);
    bool sawDialog = false;
    QTimer::singleShot(0, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<QColorDialog*>(w); dialog && dialog->isVisible()) {
                sawDialog = true;
                dialog->setCurrentColor(QColor(0x12, 0x34, 0x56));
                dialog->accept();
            }
        }
    });
    box.setCurrentIndex(0);
    emit box.activated(0);
    EXPECT_TRUE(sawDialog);
    ASSERT_EQ(box.count(), 2);
    EXPECT_EQ(box.color(), RgbColor(0x12, 0x34, 0x56));
    EXPECT_EQ(box.itemText(0), "$563412");
}

TEST(TColorLookupComboBoxTest, FourthCustomColourKeepsOtherLast) {
    Box box;
    box.setSelection(Box::csSystemJ | Box::csCustom);
    for (TColor c : {0x01u, 0x02u, 0x03u, 0x04u}) box.addCustomColor("", c);
    ASSERT_EQ(box.count(), 20);
    EXPECT_EQ(box.itemText(16), "$000002");
    EXPECT_EQ(box.itemText(19), "その他...");
    EXPECT_EQ(box.customCount(), 3);
}

QImage PaintOne(TColor color, bool showName) {
    QImage image(100, 18, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter p(&image);
    QPalette palette;
    palette.setColor(QPalette::Base, Qt::white);
    TColorSwatchDelegate::PaintEntry(&p, image.rect(), "赤", color, showName, false, palette,
                                     QFont());
    return image;
}

TEST(TColorSwatchDelegateTest, SwatchWithBlackOutlineThenName) {
    QImage image = PaintOne(RgbColor(255, 128, 0), true);
    EXPECT_EQ(image.pixelColor(14, 9), QColor(255, 128, 0));  // inside the swatch
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::black));     // its outline
    EXPECT_EQ(image.pixelColor(26, 15), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));   // background
    EXPECT_EQ(image.pixelColor(28, 9), QColor(Qt::white));  // gap before the name
}

TEST(TColorSwatchDelegateTest, WithoutNameTheWholeEntryIsTheColour) {
    QImage image = PaintOne(clBlue, false);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(60, 9), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(99, 17), QColor(0, 0, 255));
}

TEST(TColorSwatchDelegateTest, SystemColoursShowTheCurrentTable) {
    SystemColors::Set(8, RgbColor(1, 2, 3));
    QImage image = PaintOne(clWindowText, true);
    SystemColors::Reset();
    EXPECT_EQ(image.pixelColor(14, 9), QColor(1, 2, 3));
}

TEST(QtColorTest, BothWays) {
    EXPECT_EQ(QtColor::ToQColor(RgbColor(255, 128, 0)), QColor(255, 128, 0));
    EXPECT_FALSE(QtColor::ToQColor(clNone).isValid());
    EXPECT_EQ(QtColor::FromQColor(QColor(255, 128, 0)), 0x000080FFu);
    EXPECT_EQ(QtColor::FromQColor(QColor()), clNone);
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Base, QColor(10, 20, 30));
    QtColor::LoadSystemColors(palette);
    EXPECT_EQ(ColorToRGB(clWindow), RgbColor(10, 20, 30));
    SystemColors::Reset();
}

}  // namespace

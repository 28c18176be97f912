// The look of the font name list: Japanese fonts black, the others grey; scalable fonts carry
// a mark whose face follows Shift-JIS mode.

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include "controls/TFontNameDelegate.h"

namespace {

TEST(TFontNameDelegateTest, LookOfANameFollowsTheListsAndTheMode) {
    const QStringList japanese{QStringLiteral("IPAMincho"), QStringLiteral("ＭＳ 明朝")};
    const QStringList scalable{QStringLiteral("IPAMincho"), QStringLiteral("DejaVu Sans")};
    struct Row {
        const char* name;
        bool sjis;
        QColor text;
        TFontNameDelegate::Mark mark;
    };
    const QColor grey(0x66, 0x66, 0x66);
    const Row rows[] = {
        {"IPAMincho", true, Qt::black, TFontNameDelegate::ScalableMark},
        {"IPAMincho", false, Qt::black, TFontNameDelegate::ScalableMarkSjisOff},
        {"ＭＳ 明朝", true, Qt::black, TFontNameDelegate::NoMark},
        {"DejaVu Sans", true, grey, TFontNameDelegate::ScalableMark},
        {"DejaVu Sans", false, grey, TFontNameDelegate::ScalableMarkSjisOff},
        {"Fixed", true, grey, TFontNameDelegate::NoMark},
    };
    for (const Row& r : rows) {
        const auto look =
            TFontNameDelegate::LookOf(QString::fromUtf8(r.name), japanese, scalable, r.sjis);
        EXPECT_EQ(look.text, r.text) << r.name;
        EXPECT_EQ(look.mark, r.mark) << r.name;
    }
}

TEST(TFontNameDelegateTest, TheTwoMarksDifferAndNoMarkIsEmpty) {
    const QImage on = TFontNameDelegate::MarkPixmap(TFontNameDelegate::ScalableMark).toImage();
    const QImage off =
        TFontNameDelegate::MarkPixmap(TFontNameDelegate::ScalableMarkSjisOff).toImage();
    const QImage none = TFontNameDelegate::MarkPixmap(TFontNameDelegate::NoMark).toImage();
    EXPECT_NE(on, off);
    bool anyInk = false;
    for (int y = 0; y < none.height(); ++y)
        for (int x = 0; x < none.width(); ++x) anyInk = anyInk || qAlpha(none.pixel(x, y)) != 0;
    EXPECT_FALSE(anyInk);
}

}  // namespace

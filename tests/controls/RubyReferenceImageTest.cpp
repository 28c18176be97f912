// Ruby and hidden text drawn by both views and compared with stored pictures that were checked
// by eye when they were made: きもん small to the right of 鬼門 (vertical) and above it
// (horizontal), 秘密 hidden with no gap, とうきょう beside a spread 東京.
//
// As in the vertical reference test, a pixel counts as different only when a channel differs
// by more than 64, and up to 1% of the pixels may differ: a missing or misplaced reading, or
// hidden text that shows, changes far more.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "RubyTestSupport.h"
#include "controls/THorizontalEdit.h"
#include "controls/TVerticalPainter.h"

namespace {

QImage DrawVertical() {
    auto doc = rtest::SampleDocument();
    TVerticalLayout layout(doc.get());
    layout.SetColumnHeight(vtest::kEm * 8);
    QImage image(200, 180, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TVerticalPaintOptions options;
    options.selectionStart = 1;  // 門 selected: its reading drawn as selected text
    options.selectionEnd = 2;
    TVerticalPainter::PaintRange(painter, layout, 0, layout.ColumnCount() - 1, QPointF(190, 10),
                                 options);
    return image;
}

QImage DrawHorizontal() {
    auto doc = rtest::SampleDocument();
    THorizontalEdit edit;
    edit.setFrameStyle(0);
    edit.setReadOnly(true);  // no blinking caret in the picture
    edit.SetHideScrollBars(true);
    edit.SetDocument(doc.get());
    edit.resize(300, 110);
    edit.show();
    QApplication::processEvents();
    return edit.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void Compare(const QImage& actual, const char* name) {
    const QString out = qEnvironmentVariable("ORIMAKI_WRITE_REFERENCE");
    if (!out.isEmpty()) {
        ASSERT_TRUE(actual.save(out + QLatin1Char('/') + QLatin1String(name)));  // for review
    }
    QImage expected(QStringLiteral(ORIMAKI_SOURCE "/tests/controls/data/") + QLatin1String(name));
    ASSERT_FALSE(expected.isNull()) << "stored picture missing";
    expected = expected.convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(actual.size(), expected.size());
    int different = 0;
    int inked = 0;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y);
            const QRgb e = expected.pixel(x, y);
            if (qGray(a) < 128) ++inked;
            if (std::abs(qRed(a) - qRed(e)) > 64 || std::abs(qGreen(a) - qGreen(e)) > 64 ||
                std::abs(qBlue(a) - qBlue(e)) > 64)
                ++different;
        }
    }
    EXPECT_GT(inked, 500);  // something was drawn
    EXPECT_LE(different, actual.width() * actual.height() / 100) << different << " pixels differ";
}

TEST(RubyReferenceImage, VerticalMatchesStoredPicture) {
    Compare(DrawVertical(), "ruby-vertical.png");
}

TEST(RubyReferenceImage, HorizontalMatchesStoredPicture) {
    Compare(DrawHorizontal(), "ruby-horizontal.png");
}

}  // namespace

// A short sample drawn by the column painter and compared with a stored picture that was
// checked by eye when it was made: vertical forms of 「」、。ー, turned Latin, an underline on
// the right of its characters and a selection.
//
// The comparison allows for small differences in antialiasing between FreeType and Qt
// versions: a pixel counts as different only when a channel differs by more than 64, and up
// to 1% of the pixels may differ. Missing strokes, glyphs drawn in their horizontal forms or
// columns in the wrong order change far more than that.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTextCursor>

#include "VerticalTestSupport.h"
#include "controls/TVerticalPainter.h"

namespace {

QImage DrawSample() {
    auto doc = vtest::MakeDocument(QStringLiteral("「吾輩は猫。」\nABCと、ー\n下線つき"));
    QTextCursor c(doc->findBlockByNumber(2));
    c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QTextCharFormat under;
    under.setFontUnderline(true);
    c.mergeCharFormat(under);

    TVerticalLayout layout(doc.get());
    layout.SetColumnHeight(vtest::kEm * 6);
    QImage image(140, 150, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TVerticalPaintOptions options;
    options.selectionStart = 1;  // 吾輩 selected
    options.selectionEnd = 3;
    TVerticalPainter::PaintRange(painter, layout, 0, layout.ColumnCount() - 1, QPointF(130, 10),
                                 options);
    return image;
}

TEST(VerticalReferenceImage, SampleMatchesStoredPicture) {
    const QImage actual = DrawSample();
    const QString out = qEnvironmentVariable("ORIMAKI_WRITE_REFERENCE");
    if (!out.isEmpty()) {
        ASSERT_TRUE(actual.save(out));  // for review by eye, never compared
    }

    QImage expected(QStringLiteral(ORIMAKI_SOURCE "/tests/controls/data/vertical-sample.png"));
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

}  // namespace

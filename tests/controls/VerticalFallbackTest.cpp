// Characters that the column's font lacks are drawn with an installed font that has them:
// emoji (upright, in colour where a colour emoji font is installed), rare kanji outside the
// Japanese fonts, other scripts.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QTest>

#include "VerticalTestSupport.h"
#include "controls/TVerticalFontCache.h"
#include "controls/TVerticalShaper.h"
#include "controls/TVerticalView.h"

namespace {

struct FallbackCase {
    const char* name;
    const char* text;  // one character
    char32_t code;
    bool rotated;        // turned a quarter in the column
    const char* family;  // the font expected to draw it; empty: any that has it
};

const FallbackCase kFallbacks[] = {
    {"Emoji", "😀", 0x1F600, false, "Noto Color Emoji"},
    {"EmojiWithPresentationSelector", "☺️", 0x263A, false, "Noto Color Emoji"},
    {"KanjiOutsideTheBasicPlane", "𠮷", 0x20BB7, false, ""},
    {"Arabic", "ب", 0x0628, true, ""},
    {"Hebrew", "א", 0x05D0, true, ""},
};

class FallbackTest : public ::testing::TestWithParam<FallbackCase> {};

TEST_P(FallbackTest, AFontThatHasTheCharacterDrawsIt) {
    const FallbackCase& c = GetParam();
    const QString text = QString::fromUtf8(c.text);
    // Skip scripts no installed font has: then nothing can draw them.
    bool installed = false;
    for (const QString& family : QFontDatabase::families()) {
        QFont probe(family);
        probe.setPixelSize(vtest::kEm);
        if (QRawFont::fromFont(probe).supportsCharacter(c.code)) {
            installed = true;
            break;
        }
    }
    if (!installed) GTEST_SKIP() << "no installed font has U+" << std::hex << c.code;

    auto doc = vtest::MakeDocument(text);
    TVerticalFontCache fonts;
    TVerticalShaper shaper(fonts);
    const TShapedParagraph p = shaper.Shape(doc->begin(), doc->defaultFont());
    ASSERT_EQ(p.clusters.size(), 1u);
    const TVerticalCluster& cl = p.clusters[0];
    const TVerticalFontCache::Font& font = fonts.At(p.runs[static_cast<size_t>(cl.run)].font);
    EXPECT_TRUE(font.raw.supportsCharacter(c.code)) << font.family.toStdString();
    if (*c.family) {
        EXPECT_EQ(font.family, QString::fromUtf8(c.family));
    }
    ASSERT_GE(cl.glyphCount, 1);
    EXPECT_NE(p.glyphs[static_cast<size_t>(cl.firstGlyph)].index, 0u);
    EXPECT_EQ(cl.rotated, c.rotated);
    EXPECT_GT(cl.advance, vtest::kEm * 0.3);
    // The fallback keeps the column's size.
    EXPECT_NEAR(font.pixelSize, vtest::kEm, 0.01);
}

INSTANTIATE_TEST_SUITE_P(Table, FallbackTest, ::testing::ValuesIn(kFallbacks),
                         [](const auto& info) { return std::string(info.param.name); });

// The emoji is painted, in colour: the colour emoji font's yellow face shows in the column.
TEST(VerticalFallback, EmojiIsPaintedInTheColumn) {
    auto doc = vtest::MakeDocument(QStringLiteral("あ😀い"));
    TVerticalView view;
    view.resize(200, 200);
    view.SetDocument(doc.get());
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QApplication::processEvents();
    QImage shot = view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int yellow = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QColor px = shot.pixelColor(x, y);
            if (px.red() > 200 && px.green() > 140 && px.blue() < 90) ++yellow;
        }
    // A face of about 20 by 20 pixels, most of it yellow.
    EXPECT_GT(yellow, 80);
}

}  // namespace

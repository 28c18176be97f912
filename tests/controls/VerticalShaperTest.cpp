// Shaping for vertical writing: the font's vertical forms, turned Latin, font fallback.

#include <gtest/gtest.h>

#include <QRawFont>
#include <QTextBlock>
#include <QTextCursor>

#include "VerticalTestSupport.h"
#include "controls/TVerticalFontCache.h"
#include "controls/TVerticalShaper.h"
#include "controls/VerticalTextRules.h"

namespace {

struct GlyphCase {
    const char* name;
    const char* ch;
    bool verticalForm;  // IPAGothic has a vertical alternate for it
    bool rotated;       // drawn a quarter turn
};

const GlyphCase kGlyphs[] = {
    {"corner_bracket", "「", true, false},
    {"closing_corner_bracket", "」", true, false},
    {"ideographic_comma", "、", true, false},
    {"ideographic_full_stop", "。", true, false},
    {"long_vowel", "ー", true, false},
    {"paren", "（", true, false},
    {"small_tsu", "っ", true, false},
    {"kanji", "漢", false, false},
    {"hiragana", "あ", false, false},
    {"latin", "A", false, true},
    {"percent", "%", false, true},
    {"halfwidth_katakana", "ｶ", false, true},
};

class VerticalGlyphTest : public ::testing::TestWithParam<GlyphCase> {};

TEST_P(VerticalGlyphTest, UsesVerticalFormsAndTurnsLatin) {
    const GlyphCase& c = GetParam();
    auto doc = vtest::MakeDocument(QString::fromUtf8(c.ch));
    TVerticalFontCache fonts;
    TVerticalShaper shaper(fonts);
    const TShapedParagraph p = shaper.Shape(doc->begin(), doc->defaultFont());
    ASSERT_EQ(p.clusters.size(), 1u);
    ASSERT_EQ(p.clusters[0].glyphCount, 1);
    const TVerticalFontCache::Font& font = fonts.At(p.runs[0].font);
    EXPECT_EQ(font.family, QStringLiteral("IPAGothic"));
    // The glyph a horizontal line would use.
    const QList<quint32> horizontal = font.raw.glyphIndexesForString(QString::fromUtf8(c.ch));
    ASSERT_EQ(horizontal.size(), 1);
    const quint32 vertical = p.glyphs[0].index;
    EXPECT_EQ(vertical != horizontal[0], c.verticalForm);
    EXPECT_EQ(p.clusters[0].rotated, c.rotated);
    EXPECT_GT(p.clusters[0].advance, 0);
    if (!c.rotated) {
        // A full-width character advances one em down the column.
        EXPECT_NEAR(p.clusters[0].advance, vtest::kEm, 0.5);
    } else {
        // A turned half-width character takes about half an em.
        EXPECT_LT(p.clusters[0].advance, vtest::kEm * 0.75);
    }
}

INSTANTIATE_TEST_SUITE_P(IPAGothic, VerticalGlyphTest, ::testing::ValuesIn(kGlyphs),
                         [](const auto& info) { return std::string(info.param.name); });

struct FamilyCase {
    const char* name;
    const char* family;
    const char* expected;
};

const FamilyCase kFamilies[] = {
    {"ms_gothic", "ＭＳ ゴシック", "IPAGothic"}, {"ms_pgothic", "ＭＳ Ｐゴシック", "IPAPGothic"},
    {"ms_mincho", "ＭＳ 明朝", "IPAMincho"},     {"ms_pmincho", "ＭＳ Ｐ明朝", "IPAPMincho"},
    {"installed", "IPAMincho", "IPAMincho"},     {"unknown", "No Such Font 123", "IPAGothic"},
};

class FamilyTest : public ::testing::TestWithParam<FamilyCase> {};

TEST_P(FamilyTest, MissingJapaneseFontsFallBack) {
    EXPECT_EQ(TVerticalFontCache::ResolveFamily(QString::fromUtf8(GetParam().family)),
              QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Names, FamilyTest, ::testing::ValuesIn(kFamilies),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(VerticalShaper, KanjiInALatinFontFallsBackPerCharacter) {
    auto doc = vtest::MakeDocument(QStringLiteral("A漢"));
    QFont latin(QStringLiteral("DejaVu Sans"));
    latin.setPixelSize(vtest::kEm);
    doc->setDefaultFont(latin);
    TVerticalFontCache fonts;
    TVerticalShaper shaper(fonts);
    const TShapedParagraph p = shaper.Shape(doc->begin(), doc->defaultFont());
    ASSERT_EQ(p.clusters.size(), 2u);
    const auto& kanjiFont = fonts.At(p.runs[static_cast<size_t>(p.clusters[1].run)].font);
    EXPECT_TRUE(kanjiFont.raw.supportsCharacter(QChar(0x6F22)));
    EXPECT_NE(p.glyphs[static_cast<size_t>(p.clusters[1].firstGlyph)].index, 0u);
}

TEST(VerticalShaper, CompositionIsShapedInline) {
    auto doc = vtest::MakeDocument(QStringLiteral("あい"));
    TVerticalFontCache fonts;
    TVerticalShaper shaper(fonts);
    TVerticalPreedit pre;
    pre.position = 1;
    pre.text = QStringLiteral("かな");
    const TShapedParagraph p = shaper.Shape(doc->begin(), doc->defaultFont(), pre);
    EXPECT_EQ(p.text, QStringLiteral("あかない"));
    ASSERT_EQ(p.clusters.size(), 4u);
    EXPECT_TRUE(p.runs[static_cast<size_t>(p.clusters[1].run)].preedit);
    EXPECT_FALSE(p.runs[static_cast<size_t>(p.clusters[3].run)].preedit);
    // Positions of the paragraph around the composition.
    EXPECT_EQ(p.BlockPos(3), 1);
    EXPECT_EQ(p.TextIndex(1), 1);
    EXPECT_EQ(p.TextIndex(2), 4);
}

// A long paragraph is shaped in remembered pieces; after edits, what the remembering shaper
// gives must equal a fresh shaping of the same text.
TEST(VerticalShaper, RememberedPiecesEqualFreshShaping) {
    QString text;
    for (int i = 0; i < 60; ++i)
        text += QStringLiteral("吾輩は猫である、名前はまだ無い。Latin words %1 とｶﾀｶﾅ「括弧」ー")
                    .arg(i);
    auto doc = vtest::MakeDocument(text);
    TVerticalFontCache fonts;
    TVerticalShaper remembering(fonts);
    remembering.Shape(doc->begin(), doc->defaultFont());

    QTextCursor c(doc.get());
    c.setPosition(700);
    c.insertText(QStringLiteral("猫"));
    c.setPosition(1500);
    c.setPosition(1510, QTextCursor::KeepAnchor);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    c.mergeCharFormat(bold);
    c.setPosition(40);
    c.deleteChar();

    const TShapedParagraph a = remembering.Shape(doc->begin(), doc->defaultFont());
    TVerticalShaper fresh(fonts);
    const TShapedParagraph b = fresh.Shape(doc->begin(), doc->defaultFont());
    ASSERT_EQ(a.text, b.text);
    EXPECT_EQ(a.breaks, b.breaks);
    // Breaking piece by piece agrees with breaking the paragraph whole.
    EXPECT_EQ(a.breaks, VerticalTextRules::BreakOpportunities(a.text));
    ASSERT_EQ(a.clusters.size(), b.clusters.size());
    for (size_t i = 0; i < a.clusters.size(); ++i) {
        const TVerticalCluster& x = a.clusters[i];
        const TVerticalCluster& y = b.clusters[i];
        ASSERT_EQ(x.start, y.start) << i;
        ASSERT_EQ(x.length, y.length) << i;
        ASSERT_FLOAT_EQ(x.advance, y.advance) << i;
        ASSERT_EQ(x.rotated, y.rotated) << i;
        ASSERT_EQ(a.runs[static_cast<size_t>(x.run)].font, b.runs[static_cast<size_t>(y.run)].font)
            << i;
        ASSERT_EQ(x.glyphCount, y.glyphCount) << i;
        for (int g = 0; g < x.glyphCount; ++g) {
            const TVerticalGlyph& gx = a.glyphs[static_cast<size_t>(x.firstGlyph + g)];
            const TVerticalGlyph& gy = b.glyphs[static_cast<size_t>(y.firstGlyph + g)];
            ASSERT_EQ(gx.index, gy.index) << i;
            ASSERT_FLOAT_EQ(gx.x, gy.x) << i;
            ASSERT_FLOAT_EQ(gx.y, gy.y) << i;
        }
    }
}

}  // namespace

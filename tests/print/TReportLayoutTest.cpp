// The layout rule of the printed page, worked out by hand from the page and its margins.

#include <gtest/gtest.h>

#include <QPageLayout>
#include <QStringList>

#include "print/TPaperSizes.h"
#include "print/TPdfExport.h"
#include "print/TReportLayout.h"

namespace {

struct Case {
    const char* name;
    QPageSize::PageSizeId paper;
    double margin;
    double bandHeight, bandWidth, elementHeight, elementWidth;
};

// Band = page - both margins - 10, element = band - 3, at 5, 5.
const Case kCases[] = {
    {"A4", QPageSize::A4, 10, 267, 180, 264, 177},     // 297 x 210
    {"B5", QPageSize::JisB5, 10, 227, 152, 224, 149},  // 257 x 182
    {"A5", QPageSize::A5, 10, 180, 118, 177, 115},     // 210 x 148
    {"A4 narrow margins", QPageSize::A4, 5, 277, 190, 274, 187},
};

TEST(TReportLayoutTest, BandAndElementFollowThePageAndMargins) {
    for (const Case& c : kCases) {
        const QPageLayout page(QPageSize(c.paper), QPageLayout::Portrait,
                               QMarginsF(c.margin, c.margin, c.margin, c.margin),
                               QPageLayout::Millimeter);
        const TReportLayout r = TPdfExport::LayoutOf(page);
        EXPECT_NEAR(r.bandHeight, c.bandHeight, 0.5) << c.name;
        EXPECT_NEAR(r.bandWidth, c.bandWidth, 0.5) << c.name;
        EXPECT_NEAR(r.elementHeight, c.elementHeight, 0.5) << c.name;
        EXPECT_NEAR(r.elementWidth, c.elementWidth, 0.5) << c.name;
        EXPECT_EQ(r.elementLeft, 5) << c.name;
        EXPECT_EQ(r.elementTop, 5) << c.name;
        EXPECT_NEAR(r.ElementPageLeft(c.margin), c.margin + 5, 0.01) << c.name;
    }
}

TEST(TReportLayoutTest, APageSmallerThanItsMarginsHasNoRoom) {
    EXPECT_FALSE(TReportLayout::FromPage(30, 30, 10, 10, 10, 10).Usable());
    EXPECT_TRUE(TReportLayout::FromPage(297, 210, 10, 10, 10, 10).Usable());
}

TEST(TPaperSizesTest, TheListedSizesAreAcceptedAndOthersAreNot) {
    for (auto id : {QPageSize::A3, QPageSize::A4, QPageSize::A5, QPageSize::B4, QPageSize::JisB5,
                    QPageSize::Letter, QPageSize::Legal, QPageSize::Tabloid, QPageSize::Ledger,
                    QPageSize::Executive, QPageSize::Folio, QPageSize::Envelope10})
        EXPECT_TRUE(TPaperSizes::Supported(id)) << int(id);
    for (auto id : {QPageSize::A6, QPageSize::B6, QPageSize::Custom, QPageSize::EnvelopeDL,
                    QPageSize::Postcard})
        EXPECT_FALSE(TPaperSizes::Supported(id)) << int(id);
}

TEST(TPaperSizesTest, NamesOnTheCommandLine) {
    EXPECT_EQ(TPaperSizes::FromName("a4"), QPageSize::A4);
    EXPECT_EQ(TPaperSizes::FromName("B5"), QPageSize::JisB5);  // 182 x 257 as listed
    EXPECT_EQ(TPaperSizes::FromName("Letter"), QPageSize::Letter);
    EXPECT_EQ(TPaperSizes::FromName("Note"), QPageSize::Letter);
    EXPECT_EQ(TPaperSizes::FromName("A6"), QPageSize::Custom);
}

TEST(TPaperSizesTest, TheMessageKeepsEveryColumnOfItsTable) {
    const QString m = TPaperSizes::UnsupportedMessage();
    const QStringList lines = m.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 12);
    // The table lines keep their trailing spaces.
    EXPECT_EQ(lines[3], QStringLiteral("A4  210x297mm      LetterSmall 8.5x11in   Envelope 9   "));
    EXPECT_EQ(lines[9], QStringLiteral("D size Sheet       Folio  8.5x13in        11 x 17 in "));
    EXPECT_EQ(lines[10], QStringLiteral("E size Sheet       Note  8.5x11in "));
    EXPECT_EQ(lines[11], QStringLiteral("デフォルトの用紙設定が再設定されます。"));
}

}  // namespace

// Ruby and hidden text in the vertical layout and view: where readings go, the room they
// take, hidden text that takes none, and the caret around it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTextBlock>

#include "RubyTestSupport.h"
#include "controls/TVerticalLayout.h"
#include "controls/TVerticalRuby.h"
#include "controls/TVerticalView.h"
#include "controls/TextRunRules.h"

namespace {

constexpr qreal kEm = vtest::kEm;
constexpr qreal kPitch = 32;  // ceil(20 * 1.6), the layout's default spacing

struct RubyCase {
    const char* name;
    const char* text;
    int start;
    int length;
    const char* reading;
    qreal spacing;     // line spacing factor
    qreal baseLength;  // expected length of the base along the column, worked out by hand
};

// Readings of 10-pixel characters (half the 20-pixel base): きもん is 30 long beside a 40 base;
// みずか (30) is longer than 自 (20), which is spread to 30.
const RubyCase kRuby[] = {
    {"shorter_reading", "鬼門の方角", 0, 2, "きもん", 1.6, 2 * kEm},
    {"equal_reading", "東京です", 0, 2, "とうきょ", 1.6, 2 * kEm},
    {"longer_reading_spreads_base", "自ら", 0, 1, "みずか", 1.6, 1.5 * kEm},
    {"mid_paragraph", "北東の鬼門", 3, 2, "きもん", 1.6, 2 * kEm},
    {"tight_spacing", "鬼門の方角", 0, 2, "きもん", 1.0, 2 * kEm},
    {"wide_spacing", "鬼門の方角", 0, 2, "きもん", 2.0, 2 * kEm},
};

class VerticalRubyTest : public ::testing::TestWithParam<RubyCase> {};

TEST_P(VerticalRubyTest, ReadingRightOfBaseInsideItsColumnAndCentred) {
    const RubyCase& c = GetParam();
    auto doc = vtest::MakeDocument(QString::fromUtf8(c.text) + QStringLiteral("\n右の列"));
    rtest::SetRuby(doc.get(), c.start, c.length, QString::fromUtf8(c.reading), 1);
    TVerticalLayout layout(doc.get());
    layout.SetLineSpacing(c.spacing);
    layout.SetColumnHeight(kEm * 10);
    const TVerticalParagraph& p = layout.Paragraph(0);
    ASSERT_EQ(p.columns.size(), 1u);
    const TVerticalColumn& col = p.columns[0];
    const auto placed = TVerticalRuby::Place(p, 0);
    ASSERT_EQ(placed.size(), 1u);
    const TVerticalRubyPlacement& r = placed[0];
    const qreal axis = TVerticalRuby::Axis(col);

    // Half the base's size, one character after another along the column.
    EXPECT_NEAR(r.rect.width(), kEm / 2, 0.01);
    EXPECT_EQ(r.tops.size(), QString::fromUtf8(c.reading).size());
    // Right of the characters' em box, inside the column: it never reaches the column on the
    // right, whose left edge is this column's right edge.
    EXPECT_GE(r.rect.left(), axis + kEm / 2 - 0.01);
    EXPECT_LE(r.rect.right(), col.width + 0.01);
    // The characters keep the spacing's pitch; the column is wider only by the room needed.
    const qreal pitch = std::ceil(kEm * c.spacing);
    EXPECT_NEAR(col.width - col.ruby, pitch, 0.01);
    EXPECT_NEAR(col.ruby, std::max<qreal>(0, std::ceil(kEm / 2 + kEm / 2 - pitch / 2)), 0.01);
    // Along the base, centred on it.
    EXPECT_NEAR(r.baseBottom - r.baseTop, c.baseLength, 0.01);
    EXPECT_NEAR(r.rect.center().y(), (r.baseTop + r.baseBottom) / 2, 0.01);
    EXPECT_NEAR(r.baseTop, col.top + layout.CaretY(layout.Column(0), c.start), 0.01);
    // A paragraph without ruby keeps its plain pitch.
    EXPECT_NEAR(layout.Paragraph(1).columns[0].width, pitch, 0.01);
}

INSTANTIATE_TEST_SUITE_P(Ruby, VerticalRubyTest, ::testing::ValuesIn(kRuby),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(VerticalRuby, NeighbouringWordsDoNotOverlap) {
    auto doc = vtest::MakeDocument(QStringLiteral("東京京都"));
    rtest::SetRuby(doc.get(), 0, 2, QStringLiteral("とうきょう"), 1);
    rtest::SetRuby(doc.get(), 2, 2, QStringLiteral("きょうと"), 2);
    TVerticalLayout layout(doc.get());
    layout.SetColumnHeight(kEm * 10);
    const auto placed = TVerticalRuby::Place(layout.Paragraph(0), 0);
    ASSERT_EQ(placed.size(), 2u);
    EXPECT_LE(placed[0].rect.bottom(), placed[1].rect.top() + 0.01);
    // とうきょう (50) is longer than 東京 (40): the base is spread to 50.
    EXPECT_NEAR(placed[0].baseBottom - placed[0].baseTop, 50, 0.01);
}

TEST(VerticalRuby, WordStaysInOneColumn) {
    // Five and a half characters a column: あいうえ鬼|門 would split the word.
    auto doc = vtest::MakeDocument(QStringLiteral("あいうえ鬼門"));
    rtest::SetRuby(doc.get(), 4, 2, QStringLiteral("きもん"), 1);
    TVerticalLayout layout(doc.get());
    layout.SetColumnHeight(kEm * 5 + kEm / 2);
    const TVerticalParagraph& p = layout.Paragraph(0);
    ASSERT_EQ(p.columns.size(), 2u);
    EXPECT_EQ(p.shaped.text.mid(p.columns[1].start, p.columns[1].end - p.columns[1].start),
              QStringLiteral("鬼門"));
    EXPECT_EQ(p.columns[0].ruby, 0);
    EXPECT_GT(p.columns[1].ruby, 0);
}

TEST(VerticalRuby, WordLongerThanAColumnSplitsItsReading) {
    auto doc = vtest::MakeDocument(QStringLiteral("寿限無寿限無"));
    rtest::SetRuby(doc.get(), 0, 6, QStringLiteral("じゅげむじゅげむ"), 1);
    TVerticalLayout layout(doc.get());
    layout.SetColumnHeight(kEm * 3 + kEm / 2);
    const TVerticalParagraph& p = layout.Paragraph(0);
    ASSERT_EQ(p.columns.size(), 2u);
    const auto a = TVerticalRuby::Place(p, 0);
    const auto b = TVerticalRuby::Place(p, 1);
    ASSERT_EQ(a.size(), 1u);
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(a[0].firstChar, 0);
    EXPECT_EQ(a[0].endChar, 4);
    EXPECT_EQ(b[0].firstChar, 4);
    EXPECT_EQ(b[0].endChar, 8);
}

struct HiddenCase {
    const char* name;
    const char* text;
    int start;
    int length;
    const char* visible;  // the same text without the hidden part
};

const HiddenCase kHidden[] = {
    {"middle", "あい秘密うえ", 2, 2, "あいうえ"},
    {"start", "秘密あいう", 0, 2, "あいう"},
    {"end", "あいう秘密", 3, 2, "あいう"},
    {"latin", "あいABCう", 2, 3, "あいう"},
};

class VerticalHiddenTest : public ::testing::TestWithParam<HiddenCase> {};

TEST_P(VerticalHiddenTest, TakesNoRoom) {
    const HiddenCase& c = GetParam();
    auto doc = vtest::MakeDocument(QString::fromUtf8(c.text));
    rtest::SetHidden(doc.get(), c.start, c.length);
    auto plain = vtest::MakeDocument(QString::fromUtf8(c.visible));
    TVerticalLayout layout(doc.get());
    TVerticalLayout plainLayout(plain.get());
    layout.SetColumnHeight(kEm * 20);
    plainLayout.SetColumnHeight(kEm * 20);
    EXPECT_NEAR(layout.Paragraph(0).columns[0].length, plainLayout.Paragraph(0).columns[0].length,
                0.01);
    const TVerticalLayout::ColumnRef col = layout.Column(0);
    EXPECT_NEAR(layout.CaretY(col, c.start), layout.CaretY(col, c.start + c.length), 0.01);
    EXPECT_NEAR(layout.Paragraph(0).columns[0].width, kPitch, 0.01);
    // Still in the document.
    EXPECT_EQ(doc->toPlainText(), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(Hidden, VerticalHiddenTest, ::testing::ValuesIn(kHidden),
                         [](const auto& info) { return std::string(info.param.name); });

// A view of あ秘密いう|え (秘密 hidden): あ0 秘1 密2 い3 う4 end5 | え6.
struct HiddenView {
    std::unique_ptr<QTextDocument> doc;
    TVerticalView view;
    HiddenView() : doc(vtest::MakeDocument(QStringLiteral("あ秘密いう\nえ"))) {
        rtest::SetHidden(doc.get(), 1, 2);
        view.SetDocument(doc.get());
        view.resize(300, 300);
        view.show();
        QApplication::processEvents();
        view.setFocus();
    }
    int Pos() const { return view.TextCursor().position(); }
};

struct KeyCase {
    const char* name;
    int start;
    Qt::Key key;
    int expected;
};

const KeyCase kKeys[] = {
    {"down_onto_stop_before_hidden", 0, Qt::Key_Down, 1},
    {"down_passes_hidden_and_next_character", 1, Qt::Key_Down, 4},
    {"up_passes_character_and_hidden", 4, Qt::Key_Up, 1},
    {"up_from_stop_before_hidden", 1, Qt::Key_Up, 0},
};

class VerticalHiddenKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(VerticalHiddenKeyTest, CaretSkipsHiddenText) {
    const KeyCase& c = GetParam();
    HiddenView v;
    v.view.SetPosition(c.start);
    QTest::keyClick(&v.view, c.key);
    EXPECT_EQ(v.Pos(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Hidden, VerticalHiddenKeyTest, ::testing::ValuesIn(kKeys),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(VerticalHiddenView, ClickBesideHiddenTextLandsBeforeIt) {
    HiddenView v;
    // Just above the middle of い: the place after 秘密, which shows where 秘 would be.
    v.view.SetPosition(0);
    const QRect r = v.view.PositionRect(3);
    QTest::mouseClick(v.view.viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(r.center().x(), r.top() + 3));
    EXPECT_EQ(v.Pos(), 1);
}

TEST(VerticalHiddenView, DeleteKeepsHiddenTextAndTypingIsVisible) {
    HiddenView v;
    v.view.SetPosition(1);
    QTest::keyClick(&v.view, Qt::Key_Delete);
    EXPECT_EQ(v.doc->toPlainText(), QStringLiteral("あ秘密う\nえ"));
    EXPECT_EQ(v.Pos(), 1);
    QTest::keyClicks(&v.view, QStringLiteral("x"));
    EXPECT_EQ(v.doc->toPlainText(), QStringLiteral("あx秘密う\nえ"));
    EXPECT_FALSE(TextRunRules::IsHiddenAt(v.doc.get(), 1));
    EXPECT_TRUE(TextRunRules::IsHiddenAt(v.doc.get(), 2));
}

TEST(VerticalRubyView, TypingAfterRubyWordDoesNotLengthenIt) {
    auto doc = vtest::MakeDocument(QStringLiteral("鬼門の方角"));
    rtest::SetRuby(doc.get(), 0, 2, QStringLiteral("きもん"), 1);
    TVerticalView view;
    view.SetDocument(doc.get());
    view.resize(300, 300);
    view.show();
    view.setFocus();
    view.SetPosition(2);
    QTest::keyClicks(&view, QStringLiteral("x"));
    EXPECT_TRUE(TextRunRules::RubyReading(doc->begin().begin().fragment().charFormat()).size() ==
                3);
    EXPECT_FALSE(TextRunRules::IsHiddenAt(doc.get(), 2));
    QTextCursor probe(doc.get());
    probe.setPosition(3);
    EXPECT_TRUE(TextRunRules::RubyReading(probe.charFormat()).isEmpty());
    const auto placed = TVerticalRuby::Place(view.Layout()->Paragraph(0), 0);
    ASSERT_EQ(placed.size(), 1u);
    EXPECT_NEAR(placed[0].baseBottom - placed[0].baseTop, 2 * kEm, 0.01);
}

}  // namespace

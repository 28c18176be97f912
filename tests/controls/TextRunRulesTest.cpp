// Rules around hidden text and ruby words, and the placement of a reading along its base:
// worked out by hand.

#include <gtest/gtest.h>

#include <QTextBlock>

#include "RubyTestSupport.h"
#include "controls/RubyLayoutRules.h"
#include "controls/TextRunRules.h"

namespace {

using RubyLayoutRules::Align;

struct PlaceCase {
    const char* name;
    qreal base;
    int chars;  // of 10 pixels each
    Align align;
    std::vector<qreal> expected;
};

// A base of 60 and three characters of 10 leave 30 to share out.
const PlaceCase kPlaces[] = {
    {"spread_1_2_1", 60, 3, Align::Spread, {5, 25, 45}},
    {"centre", 60, 3, Align::Centre, {15, 25, 35}},
    {"distribute_0_1_0", 60, 3, Align::Distribute, {0, 25, 50}},
    {"start", 60, 3, Align::Start, {0, 10, 20}},
    {"end", 60, 3, Align::End, {30, 40, 50}},
    {"one_character_distributed_is_centred", 20, 1, Align::Distribute, {5}},
    {"exact_fit", 30, 3, Align::Spread, {0, 10, 20}},
    {"longer_than_base_centred_on_it", 20, 3, Align::Spread, {-5, 5, 15}},
};

class RubyPlaceTest : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(RubyPlaceTest, OffsetsAlongBase) {
    const PlaceCase& c = GetParam();
    const std::vector<qreal> got = RubyLayoutRules::Place(
        c.base, std::vector<qreal>(static_cast<size_t>(c.chars), 10), c.align);
    ASSERT_EQ(got.size(), c.expected.size());
    for (size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], c.expected[i], 1e-9) << i;
}

INSTANTIATE_TEST_SUITE_P(Ruby, RubyPlaceTest, ::testing::ValuesIn(kPlaces),
                         [](const auto& info) { return std::string(info.param.name); });

struct OptionsCase {
    const char* name;
    const char* options;
    qreal basePoints;
    Align align;
    qreal ratio;
};

const OptionsCase kOptions[] = {
    {"none", "", 10.5, Align::Spread, 0.5},
    {"word_default", "\\* jc2 \\* \"Font:ＭＳ 明朝\" \\* hps10", 10.5, Align::Spread, 5 / 10.5},
    {"centre", "\\* jc0 \\* hps12", 12, Align::Centre, 0.5},
    {"distribute", "\\* jc1", 12, Align::Distribute, 0.5},
    {"start", "\\* jc3", 12, Align::Start, 0.5},
    {"end_escaped_backslash", "\\\\* jc4", 12, Align::End, 0.5},
    {"too_large_is_half", "\\* hps40", 10, Align::Spread, 0.5},
    {"too_small_is_a_quarter", "\\* hps2", 10, Align::Spread, 0.25},
};

class RubyOptionsTest : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(RubyOptionsTest, Parsed) {
    const OptionsCase& c = GetParam();
    const RubyLayoutRules::Options o =
        RubyLayoutRules::ParseOptions(QString::fromUtf8(c.options), c.basePoints);
    EXPECT_EQ(o.align, c.align);
    EXPECT_NEAR(o.sizeRatio, c.ratio, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Ruby, RubyOptionsTest, ::testing::ValuesIn(kOptions),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RubySplit, ProportionalToBaseCharacters) {
    using P = std::pair<int, int>;
    EXPECT_EQ(RubyLayoutRules::SplitReading(4, 2, 0, 1), P(0, 2));
    EXPECT_EQ(RubyLayoutRules::SplitReading(4, 2, 1, 2), P(2, 4));
    EXPECT_EQ(RubyLayoutRules::SplitReading(3, 3, 0, 3), P(0, 3));
    EXPECT_EQ(RubyLayoutRules::SplitReading(0, 2, 0, 2), P(0, 0));
}

// あ秘密い|う: 秘密 hidden. Positions: あ0 秘1 密2 い3 end4 | う5.
std::unique_ptr<QTextDocument> HiddenDoc() {
    auto doc = vtest::MakeDocument(QStringLiteral("あ秘密い\nう"));
    rtest::SetHidden(doc.get(), 1, 2);
    return doc;
}

struct StopCase {
    const char* name;
    int position;
    int from;
    int expected;
};

const StopCase kStops[] = {
    {"visible_position_stays", 1, 0, 1},
    {"forward_from_stop_passes_stretch_and_next_character", 2, 1, 4},
    {"backward_into_stretch_goes_to_its_stop", 3, 4, 1},
    {"click_inside_stretch", 2, -1, 1},
    {"click_right_after_stretch", 3, -1, 1},
    {"paragraph_start_is_a_stop", 5, 4, 5},
};

class CaretStopTest : public ::testing::TestWithParam<StopCase> {};

TEST_P(CaretStopTest, Stop) {
    const StopCase& c = GetParam();
    auto doc = HiddenDoc();
    EXPECT_EQ(TextRunRules::CaretStop(doc.get(), c.position, c.from), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Hidden, CaretStopTest, ::testing::ValuesIn(kStops),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CaretStop, HiddenToParagraphEndGoesOnToNextParagraph) {
    auto doc = vtest::MakeDocument(QStringLiteral("あ秘\nい"));
    rtest::SetHidden(doc.get(), 1, 1);
    EXPECT_EQ(TextRunRules::CaretStop(doc.get(), 2, 1), 3);
    // At the document's end there is nowhere to go: the caret stays.
    auto last = vtest::MakeDocument(QStringLiteral("あ秘"));
    rtest::SetHidden(last.get(), 1, 1);
    EXPECT_EQ(TextRunRules::CaretStop(last.get(), 2, 1), 1);
}

TEST(DeleteForward, KeepsHiddenAndRemovesNextVisible) {
    auto doc = HiddenDoc();
    EXPECT_EQ(TextRunRules::DeleteForwardRange(doc.get(), 1), std::make_pair(3, 4));
    EXPECT_EQ(TextRunRules::DeleteForwardRange(doc.get(), 0), std::make_pair(0, 1));
    QTextCursor c(doc.get());
    c.setPosition(1);
    TextRunRules::DeleteForward(c);
    EXPECT_EQ(doc->toPlainText(), QStringLiteral("あ秘密\nう"));
    EXPECT_TRUE(TextRunRules::IsHiddenAt(doc.get(), 1));
    EXPECT_EQ(c.position(), 1);
}

struct TypingCase {
    const char* name;
    int position;
    bool ruby;    // the typed text continues the ruby word
    bool hidden;  // the typed text is hidden
};

// 鬼門の秘: きもん over 鬼門, 秘 hidden; a second paragraph 秘あ starting with hidden text.
const TypingCase kTyping[] = {
    {"inside_ruby_word", 1, true, false},
    {"right_after_ruby_word", 2, false, false},
    {"before_ruby_word_at_paragraph_start", 0, false, false},
    {"paragraph_starting_with_hidden_text", 5, false, false},
};

class TypedRunFormatTest : public ::testing::TestWithParam<TypingCase> {};

TEST_P(TypedRunFormatTest, TypedText) {
    const TypingCase& c = GetParam();
    auto doc = vtest::MakeDocument(QStringLiteral("鬼門の秘\n秘あ"));
    rtest::SetRuby(doc.get(), 0, 2, QStringLiteral("きもん"), 1);
    rtest::SetHidden(doc.get(), 3, 1);
    rtest::SetHidden(doc.get(), 5, 1);
    QTextCursor cur(doc.get());
    cur.setPosition(c.position);
    TextRunRules::PrepareTyping(cur);
    cur.insertText(QStringLiteral("x"));
    QTextCursor probe(doc.get());
    probe.setPosition(c.position + 1);  // the format of the character before: the typed one
    const QTextCharFormat f = probe.charFormat();
    EXPECT_EQ(!TextRunRules::RubyReading(f).isEmpty(), c.ruby);
    EXPECT_EQ(TextRunRules::IsHidden(f), c.hidden);
}

INSTANTIATE_TEST_SUITE_P(Typing, TypedRunFormatTest, ::testing::ValuesIn(kTyping),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

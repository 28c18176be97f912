// Ruby and hidden text in the horizontal view: readings above their bases in room made only
// for display, hidden text without width, the caret around it, and a document left as it was.

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QInputMethodEvent>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include "RubyTestSupport.h"
#include "controls/TDisplayFormats.h"
#include "controls/THorizontalEdit.h"
#include "controls/THorizontalRuby.h"
#include "controls/TextRunRules.h"

namespace {

constexpr qreal kEm = vtest::kEm;

struct Shown {
    std::unique_ptr<QTextDocument> doc;
    THorizontalEdit edit;
    explicit Shown(std::unique_ptr<QTextDocument> d) : doc(std::move(d)) {
        edit.SetDocument(doc.get());
        edit.resize(500, 300);
        edit.show();
        QApplication::processEvents();
        edit.setFocus();
    }
    QTextLine Line(int block, int line = 0) const {
        return doc->findBlockByNumber(block).layout()->lineAt(line);
    }
    qreal X(int position) const {
        const QTextBlock b = doc->findBlock(position);
        return b.layout()
            ->lineForTextPosition(position - b.position())
            .cursorToX(position - b.position());
    }
    int Pos() const { return edit.textCursor().position(); }
};

struct HiddenCase {
    const char* name;
    const char* text;
    int start;
    int length;
    const char* visible;
};

const HiddenCase kHidden[] = {
    {"middle", "あい秘密うえ", 2, 2, "あいうえ"},
    {"start", "秘密あいう", 0, 2, "あいう"},
    {"end", "あいう秘密", 3, 2, "あいう"},
    {"latin", "あいABCう", 2, 3, "あいう"},
};

class HorizontalHiddenTest : public ::testing::TestWithParam<HiddenCase> {};

TEST_P(HorizontalHiddenTest, TakesNoWidthAndLeavesTheDocumentAlone) {
    const HiddenCase& c = GetParam();
    auto doc = vtest::MakeDocument(QString::fromUtf8(c.text));
    rtest::SetHidden(doc.get(), c.start, c.length);
    const int undoSteps = doc->availableUndoSteps();
    doc->setModified(false);
    Shown h(std::move(doc));
    Shown plain(vtest::MakeDocument(QString::fromUtf8(c.visible)));
    EXPECT_NEAR(h.Line(0).naturalTextWidth(), plain.Line(0).naturalTextWidth(), 0.5);
    EXPECT_NEAR(h.X(c.start), h.X(c.start + c.length), 0.5);
    // Nothing stored changed: the text, the formats, the undo stack, the modified flag.
    EXPECT_EQ(h.doc->toPlainText(), QString::fromUtf8(c.text));
    for (QTextBlock::iterator it = h.doc->begin().begin(); !it.atEnd(); ++it) {
        const QTextCharFormat f = it.fragment().charFormat();
        EXPECT_FALSE(f.hasProperty(QTextFormat::FontLetterSpacing));
        EXPECT_FALSE(f.hasProperty(QTextFormat::ForegroundBrush));
    }
    EXPECT_TRUE(TextRunRules::IsHiddenAt(h.doc.get(), c.start));
    EXPECT_EQ(h.doc->availableUndoSteps(), undoSteps);
    EXPECT_FALSE(h.doc->isModified());
}

INSTANTIATE_TEST_SUITE_P(Hidden, HorizontalHiddenTest, ::testing::ValuesIn(kHidden),
                         [](const auto& info) { return std::string(info.param.name); });

struct RubyCase {
    const char* name;
    const char* text;
    int start;
    int length;
    const char* reading;
    qreal baseWidth;  // of the base on the line, worked out by hand
};

const RubyCase kRuby[] = {
    {"shorter_reading", "鬼門の方角", 0, 2, "きもん", 2 * kEm},
    {"equal_reading", "東京です", 0, 2, "とうきょ", 2 * kEm},
    {"longer_reading_spreads_base", "自ら", 0, 1, "みずか", 1.5 * kEm},
    {"mid_line", "北東の鬼門", 3, 2, "きもん", 2 * kEm},
};

class HorizontalRubyTest : public ::testing::TestWithParam<RubyCase> {};

TEST_P(HorizontalRubyTest, ReadingAboveBaseInItsLineAndCentred) {
    const RubyCase& c = GetParam();
    auto doc = vtest::MakeDocument(QStringLiteral("上の行\n") + QString::fromUtf8(c.text));
    const int p1 = doc->findBlockByNumber(1).position();
    rtest::SetRuby(doc.get(), p1 + c.start, c.length, QString::fromUtf8(c.reading), 1);
    Shown h(std::move(doc));
    Shown plain(vtest::MakeDocument(QStringLiteral("上の行\n") + QString::fromUtf8(c.text)));
    const QTextBlock b = h.doc->findBlockByNumber(1);
    const auto placed = THorizontalRuby::Place(b, h.doc->defaultFont());
    ASSERT_EQ(placed.size(), 1u);
    const THorizontalRuby::Placement& r = placed[0];
    const QTextLine line = h.Line(1);
    const qreal lineTop = b.layout()->position().y() + line.y();
    const QTextBlock above = h.doc->findBlockByNumber(0);
    const qreal aboveBottom = above.layout()->position().y() + h.Line(0).y() + h.Line(0).height();

    // Half the base's size; above the base's ascent line, inside its own line: clear of the
    // line above.
    EXPECT_EQ(r.font.pixelSize(), static_cast<int>(kEm / 2));
    EXPECT_LE(r.baseline, r.base.top() + 0.01);
    EXPECT_GE(r.rect.top(), lineTop - 0.01);
    EXPECT_GE(r.rect.top(), aboveBottom - 0.01);
    // Centred on the base, which has the width worked out by hand.
    EXPECT_NEAR(r.base.width(), c.baseWidth, 0.5);
    EXPECT_NEAR(r.rect.center().x(), r.base.center().x(), 0.5);
    EXPECT_EQ(r.characters.size(), QString::fromUtf8(c.reading).size());
    // The line is taller by the room for the reading; the characters before the word stay.
    EXPECT_GE(line.height(), plain.Line(1).height() + kEm / 2 - 1);
    EXPECT_NEAR(h.X(p1 + c.start), plain.X(p1 + c.start), 0.5);
    // The stored format is the one set: no size, alignment or spacing of the display.
    QTextCursor probe(h.doc.get());
    probe.setPosition(p1 + c.start + 1);
    EXPECT_FALSE(probe.charFormat().hasProperty(QTextFormat::FontPixelSize));
    EXPECT_FALSE(probe.charFormat().hasProperty(QTextFormat::TextVerticalAlignment));
}

INSTANTIATE_TEST_SUITE_P(Ruby, HorizontalRubyTest, ::testing::ValuesIn(kRuby),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HorizontalRuby, BaseDrawnAtItsOwnSize) {
    // The base is laid out larger and drawn as a superscript: it keeps its advance.
    auto doc = vtest::MakeDocument(QStringLiteral("鬼門の方角"));
    rtest::SetRuby(doc.get(), 0, 2, QStringLiteral("きもん"), 1);
    Shown h(std::move(doc));
    EXPECT_NEAR(h.X(1), kEm, 0.5);
    EXPECT_NEAR(h.X(2), 2 * kEm, 0.5);
    EXPECT_NEAR(h.Line(0).naturalTextWidth(), 5 * kEm, 0.5);
}

// あ秘密いう|え (秘密 hidden): あ0 秘1 密2 い3 う4 end5 | え6.
std::unique_ptr<QTextDocument> HiddenDoc() {
    auto doc = vtest::MakeDocument(QStringLiteral("あ秘密いう\nえ"));
    rtest::SetHidden(doc.get(), 1, 2);
    return doc;
}

struct KeyCase {
    const char* name;
    int start;
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    int expected;
    int anchor;
};

const KeyCase kKeys[] = {
    {"right_onto_stop_before_hidden", 0, Qt::Key_Right, Qt::NoModifier, 1, 1},
    {"right_passes_hidden_and_next_character", 1, Qt::Key_Right, Qt::NoModifier, 4, 4},
    {"left_passes_character_and_hidden", 4, Qt::Key_Left, Qt::NoModifier, 1, 1},
    {"left_from_stop_before_hidden", 1, Qt::Key_Left, Qt::NoModifier, 0, 0},
    {"shift_right_selects_over_hidden", 1, Qt::Key_Right, Qt::ShiftModifier, 4, 1},
};

class HorizontalHiddenKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(HorizontalHiddenKeyTest, CaretSkipsHiddenText) {
    const KeyCase& c = GetParam();
    Shown h(HiddenDoc());
    QTextCursor cur(h.doc.get());
    cur.setPosition(c.start);
    h.edit.setTextCursor(cur);
    QTest::keyClick(&h.edit, c.key, c.mods);
    EXPECT_EQ(h.Pos(), c.expected);
    EXPECT_EQ(h.edit.textCursor().anchor(), c.anchor);
}

INSTANTIATE_TEST_SUITE_P(Hidden, HorizontalHiddenKeyTest, ::testing::ValuesIn(kKeys),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HorizontalHiddenEdit, ClickBesideHiddenTextLandsBeforeIt) {
    Shown h(HiddenDoc());
    QTextCursor at(h.doc.get());
    at.setPosition(3);
    const QRect rect = h.edit.cursorRect(at);
    QTest::mouseClick(h.edit.viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(rect.left() + 2, rect.center().y()));
    EXPECT_EQ(h.Pos(), 1);
}

TEST(HorizontalHiddenEdit, DeleteKeepsHiddenTextAndTypingIsVisible) {
    Shown h(HiddenDoc());
    QTextCursor cur(h.doc.get());
    cur.setPosition(1);
    h.edit.setTextCursor(cur);
    QTest::keyClick(&h.edit, Qt::Key_Delete);
    EXPECT_EQ(h.doc->toPlainText(), QStringLiteral("あ秘密う\nえ"));
    EXPECT_EQ(h.Pos(), 1);
    QTest::keyClicks(&h.edit, QStringLiteral("x"));
    EXPECT_EQ(h.doc->toPlainText(), QStringLiteral("あx秘密う\nえ"));
    EXPECT_FALSE(TextRunRules::IsHiddenAt(h.doc.get(), 1));
    EXPECT_TRUE(TextRunRules::IsHiddenAt(h.doc.get(), 2));
    // Undo brings back what Delete removed, hidden text untouched throughout.
    h.doc->undo();
    h.doc->undo();
    EXPECT_EQ(h.doc->toPlainText(), QStringLiteral("あ秘密いう\nえ"));
}

TEST(HorizontalRubyEdit, TypingAfterRubyWordDoesNotLengthenIt) {
    auto doc = vtest::MakeDocument(QStringLiteral("鬼門の方角"));
    rtest::SetRuby(doc.get(), 0, 2, QStringLiteral("きもん"), 1);
    Shown h(std::move(doc));
    QTextCursor cur(h.doc.get());
    cur.setPosition(2);
    h.edit.setTextCursor(cur);
    QTest::keyClicks(&h.edit, QStringLiteral("x"));
    EXPECT_EQ(h.doc->toPlainText(), QStringLiteral("鬼門xの方角"));
    QTextCursor probe(h.doc.get());
    probe.setPosition(3);
    EXPECT_TRUE(TextRunRules::RubyReading(probe.charFormat()).isEmpty());
    const auto placed = THorizontalRuby::Place(h.doc->begin(), h.doc->defaultFont());
    ASSERT_EQ(placed.size(), 1u);
    EXPECT_NEAR(placed[0].base.width(), 2 * kEm, 0.5);
}

TEST(HorizontalHiddenEdit, StaysHiddenWhileComposing) {
    Shown h(HiddenDoc());
    QTextCursor cur(h.doc.get());
    cur.setPosition(5);
    h.edit.setTextCursor(cur);
    // As an input method sends it: the composition underlined.
    QTextCharFormat under;
    under.setFontUnderline(true);
    QInputMethodEvent pre(QStringLiteral("ねこ"), {QInputMethodEvent::Attribute(
                                                      QInputMethodEvent::TextFormat, 0, 2, under)});
    QApplication::sendEvent(&h.edit, &pre);
    QApplication::processEvents();
    EXPECT_NEAR(h.X(1), h.X(3), 0.5);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("猫"));
    QApplication::sendEvent(&h.edit, &commit);
    QApplication::processEvents();
    EXPECT_EQ(h.doc->toPlainText(), QStringLiteral("あ秘密いう猫\nえ"));
    EXPECT_NEAR(h.X(1), h.X(3), 0.5);
}

TEST(HorizontalHiddenEdit, StaysHiddenWhileComposingBeforeIt) {
    Shown h(HiddenDoc());
    QTextCursor cur(h.doc.get());
    cur.setPosition(1);
    h.edit.setTextCursor(cur);
    QTextCharFormat under;
    under.setFontUnderline(true);
    QInputMethodEvent pre(QStringLiteral("ねこ"), {QInputMethodEvent::Attribute(
                                                      QInputMethodEvent::TextFormat, 0, 2, under)});
    QApplication::sendEvent(&h.edit, &pre);
    QApplication::processEvents();
    // The layout holds the composition at 1..3; the hidden text follows it at 3..5.
    const QTextLine line = h.Line(0);
    EXPECT_NEAR(line.cursorToX(3), line.cursorToX(5), 0.5);
    EXPECT_NEAR(line.cursorToX(3), 3 * kEm, 0.5);
}

TEST(HorizontalHiddenEdit, FollowsFormatChanges) {
    Shown h(vtest::MakeDocument(QStringLiteral("あいうえ")));
    const qreal before = h.Line(0).naturalTextWidth();
    rtest::SetHidden(h.doc.get(), 1, 2);
    h.doc->documentLayout()->documentSize();
    EXPECT_NEAR(h.Line(0).naturalTextWidth(), before - 2 * kEm, 0.5);
    h.doc->undo();
    h.doc->documentLayout()->documentSize();
    EXPECT_NEAR(h.Line(0).naturalTextWidth(), before, 0.5);
}

}  // namespace

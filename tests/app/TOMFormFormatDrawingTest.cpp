// Formats set through the window's commands: one undo takes a run of format commands back
// exactly; an RTF saved afterwards shows the same formats in LibreOffice; and the vertical view
// draws them (underline on the right of the column, strike-out through its middle, a raised
// baseline to the right, bullets and alignment along the column).

#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextList>
#include <cstdlib>

#include "FormatTestSupport.h"
#include "SofficeConversions.h"
#include "app/DocumentFiles.h"
#include "controls/TVerticalView.h"

namespace {

// あい太字うえ / 中央 / 箇条, in bytes: 太字 4–7, 中央 14–17, 箇条 20–23.
const char* const kText = "あい太字うえ\r\n中央\r\n箇条";

class FormatFamilyTest : public FormatTest, public ::testing::WithParamInterface<ViewSetup> {
protected:
    struct Look {
        std::vector<QString> chars;  // name, size, colour, styles of each character
        std::vector<QString> paras;  // alignment and bullet of each paragraph
        bool operator==(const Look& o) const { return chars == o.chars && paras == o.paras; }
    };
    Look Looks() {
        Look l;
        TRichEditEx* v = form_->ActiveView();
        for (int pos = 0; pos < v->TextLength(); pos += 2) {
            const TCharAttributes a = At(pos);
            l.chars.push_back(QStringLiteral("%1 %2 %3 %4%5%6%7 %8")
                                  .arg(a.name)
                                  .arg(a.size)
                                  .arg(a.color)
                                  .arg(a.bold)
                                  .arg(a.italic)
                                  .arg(a.underline)
                                  .arg(a.strikeOut)
                                  .arg(a.offsetTwips));
        }
        for (QTextBlock b = form_->Document()->begin(); b.isValid(); b = b.next())
            l.paras.push_back(QStringLiteral("%1 %2")
                                  .arg(int(b.blockFormat().alignment()))
                                  .arg(b.textList() != nullptr));
        return l;
    }
    // Bold, red and 20 points on 太字, the second paragraph centred, the third a bullet, all
    // through the commands.
    void FormatThroughCommands() {
        TRichEditEx* v = form_->ActiveView();
        v->SetSelection(4, 4);
        form_->Command("BoldM")->trigger();
        v->SetSelection(4, 4);
        ColorBox(form_)->setColor(clRed);
        form_->ApplyFontColor();
        v->SetSelection(4, 4);
        SizeBox(form_)->setEditText(QStringLiteral("20"));
        form_->ApplyFontSize();
        v->SetSelection(14, 0);
        form_->Command("RowCenterM")->trigger();
        v->SetSelection(20, 0);
        form_->Command("BulletM")->trigger();
        QApplication::processEvents();
    }
};

TEST_P(FormatFamilyTest, OneUndoTakesBackARunOfFormatCommands) {
    StartIn(GetParam().setup);
    SetText(kText);
    form_->ResetUndo();
    const Look before = Looks();
    FormatThroughCommands();
    const Look after = Looks();
    ASSERT_FALSE(after == before);
    EXPECT_TRUE(At(4).bold);
    EXPECT_EQ(At(4).color, clRed);
    EXPECT_EQ(At(4).size, 20);
    form_->UndoMClick();
    QApplication::processEvents();
    EXPECT_EQ(form_->ActiveView()->Text(), QString::fromUtf8(kText));
    EXPECT_TRUE(Looks() == before);
    EXPECT_EQ(form_->MirrorView()->Text(), QString::fromUtf8(kText));
}

// The automatic style LibreOffice gives an element that holds exactly `text` (a paragraph
// may hold it in a span of its own).
QString StyleOf(const QString& fodt, const QString& element, const QString& text) {
    const QRegularExpression use(
        QStringLiteral("<%1 text:style-name=\"([^\"]+)\">(?:<text:span[^>]*>)?%2</")
            .arg(element, QRegularExpression::escape(text)));
    const QRegularExpressionMatch m = use.match(fodt);
    if (!m.hasMatch()) return {};
    const QRegularExpression def(
        QStringLiteral("<style:style style:name=\"%1\".*?</style:style>").arg(m.captured(1)),
        QRegularExpression::DotMatchesEverythingOption);
    return def.match(fodt).captured(0);
}

TEST_P(FormatFamilyTest, SavedRtfShowsTheFormatsInLibreOffice) {
    if (!soffice::Available())
        GTEST_SKIP() << "LibreOffice (soffice) is not installed: NOT checked.";
    StartIn(GetParam().setup);
    SetText(kText);
    FormatThroughCommands();
    QTemporaryDir dir;
    form_->documentPath = dir.filePath(QStringLiteral("formats.rtf"));
    ASSERT_EQ(form_->Files()->Write(), DocumentFiles::WriteResult::Written);
    ASSERT_TRUE(soffice::Convert({dir.filePath(QStringLiteral("formats.rtf")).toStdString()},
                                 "fodt", dir.path().toStdString()));
    QFile file(dir.filePath(QStringLiteral("formats.fodt")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString fodt = QString::fromUtf8(file.readAll());

    const QString span = StyleOf(fodt, QStringLiteral("text:span"), QStringLiteral("太字"));
    EXPECT_TRUE(span.contains(QStringLiteral("fo:font-weight=\"bold\""))) << span.toStdString();
    EXPECT_TRUE(span.contains(QStringLiteral("fo:color=\"#ff0000\""))) << span.toStdString();
    EXPECT_TRUE(span.contains(QStringLiteral("fo:font-size=\"20pt\""))) << span.toStdString();

    const QString centre = StyleOf(fodt, QStringLiteral("text:p"), QStringLiteral("中央"));
    EXPECT_TRUE(centre.contains(QStringLiteral("fo:text-align=\"center\"")))
        << centre.toStdString();
    // The bullet: the third paragraph sits in a list whose level is a bullet.
    const int item = fodt.indexOf(QStringLiteral(">箇条<"));
    ASSERT_GE(item, 0);
    const int list = fodt.lastIndexOf(QStringLiteral("<text:list "), item);
    ASSERT_GE(list, 0);
    EXPECT_LT(fodt.lastIndexOf(QStringLiteral("</text:list>"), item), list);
    const QRegularExpression listStyle(
        QStringLiteral("<text:list [^>]*text:style-name=\"([^\"]+)\""));
    const QString listName = listStyle.match(fodt, list).captured(1);
    const QRegularExpression bullet(
        QStringLiteral("<text:list-style style:name=\"%1\"[^>]*>\\s*<text:list-level-style-bullet")
            .arg(listName));
    EXPECT_TRUE(bullet.match(fodt).hasMatch()) << listName.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Table, FormatFamilyTest, ::testing::ValuesIn(kViewSetups),
                         [](const auto& info) { return std::string(info.param.name); });

// ----- drawing in the vertical view ------------------------------------------------------------

// The dark pixels of a picture of the view (text is black on white).
struct Ink {
    QImage image;
    bool At(int x, int y) const { return image.valid(x, y) && qGray(image.pixel(x, y)) < 128; }
};

class VerticalDrawingTest : public FormatTest {
protected:
    TVerticalView* Vertical() {
        return dynamic_cast<TVerticalView*>(form_->ActiveView()->Presenter());
    }
    Ink Shot() {
        QApplication::processEvents();
        // The drawing of the columns without the caret, which blinks.
        QImage image(Vertical()->viewport()->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        Vertical()->Render(painter);
        painter.end();
        return {image};
    }
    QRect CharRect(int bytePos) {
        return Vertical()->PositionRect(form_->ActiveView()->PositionOfByte(bytePos));
    }
    // Pixels that differ between two pictures, within rect.
    static std::vector<QPoint> Diff(const Ink& a, const Ink& b, const QRect& rect) {
        std::vector<QPoint> out;
        for (int y = std::max(0, rect.top()); y <= std::min(rect.bottom(), a.image.height() - 1);
             ++y)
            for (int x = std::max(0, rect.left()); x <= std::min(rect.right(), a.image.width() - 1);
                 ++x)
                if (a.At(x, y) != b.At(x, y)) out.push_back({x, y});
        return out;
    }
    // Horizontal centre of the ink in rect.
    static double InkCentreX(const Ink& ink, const QRect& rect) {
        double sum = 0;
        int n = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                if (ink.At(x, y)) sum += x, ++n;
        return n ? sum / n : -1;
    }
    static int InkRight(const Ink& ink, const QRect& rect) {
        int right = -1;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                if (ink.At(x, y)) right = std::max(right, x);
        return right;
    }
};

TEST_F(VerticalDrawingTest, UnderlineStandsOnTheRightAndStrikeOutInTheMiddle) {
    StartIn(ViewSetup::Vertical);
    SetText("あいうえお");
    const Ink plain = Shot();
    const QRect first = CharRect(0), third = CharRect(4);
    // The column of あい, the first two characters.
    const QRect cell(first.left() - 4, first.top(), first.width() + 8, third.top() - first.top());
    const int glyphRight = InkRight(plain, cell);
    ASSERT_GT(glyphRight, 0);

    form_->ActiveView()->SetSelection(0, 4);
    form_->Command("UnderLineM")->trigger();
    form_->ActiveView()->SetSelStart(10);
    const Ink under = Shot();
    const std::vector<QPoint> line = Diff(plain, under, cell.adjusted(0, -4, 0, 4));
    ASSERT_FALSE(line.empty());
    int top = 1 << 20, bottom = -1;
    for (const QPoint& p : line) {
        EXPECT_GT(p.x(), glyphRight) << "underline pixel left of the glyphs at " << p.y();
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    // Along both characters, not beyond: うえお stay as they were.
    EXPECT_GE(bottom - top, third.top() - first.top() - 4);
    EXPECT_TRUE(
        Diff(plain, under,
             QRect(cell.left(), third.top() + 2, cell.width(), CharRect(9).top() - third.top()))
            .empty());

    form_->ActiveView()->SetSelection(0, 4);
    form_->Command("UnderLineM")->trigger();  // underlined throughout: off again
    form_->ActiveView()->SetSelection(0, 4);
    form_->Command("StrikeOutM")->trigger();
    form_->ActiveView()->SetSelStart(10);
    const Ink strike = Shot();
    EXPECT_FALSE(At(0).underline);
    EXPECT_TRUE(At(0).strikeOut);
    const double axis = first.left() + first.width() / 2.0;
    // The strike line: new ink close to the axis, in the gaps between strokes.
    const std::vector<QPoint> strokes = Diff(plain, strike, cell);
    ASSERT_FALSE(strokes.empty());
    for (const QPoint& p : strokes) EXPECT_LT(std::abs(p.x() - axis), first.width() / 5.0);
}

TEST_F(VerticalDrawingTest, RaisedBaselineMovesCharactersToTheRight) {
    StartIn(ViewSetup::Vertical);
    SetText("あいう");
    const Ink plain = Shot();
    const QRect first = CharRect(0);
    const QRect cell(first.left() - 20, first.top(), first.width() + 40,
                     CharRect(2).top() - first.top());
    const double x0 = InkCentreX(plain, cell);
    for (int twips : {120, -120}) {  // 6 points up, 6 points down
        form_->ActiveView()->SetSelection(0, 2);
        TCharAttributes a;
        a.offsetTwips = twips;
        form_->NoteEditKind(6);
        form_->ActiveView()->SetSelAttributes(a, TCharAttributes::Offset);
        form_->ActiveView()->SetSelStart(6);
        const Ink moved = Shot();
        const double x = InkCentreX(moved, cell);
        // 6 points at 96 dots per inch is 8 pixels; the other characters stay.
        const double px = twips / 20.0 * form_->logicalDpiX() / 72.0;
        EXPECT_NEAR(x - x0, px, 2.0) << twips;
        EXPECT_NEAR(InkCentreX(moved, cell.translated(0, cell.height())),
                    InkCentreX(plain, cell.translated(0, cell.height())), 1.0);
    }
}

TEST_F(VerticalDrawingTest, AlignmentAndBulletsAlongTheColumn) {
    StartIn(ViewSetup::Vertical);
    // Three short paragraphs: top (left), centred, bottom (right).
    SetText("上だ\r\n中央\r\n下だ\r\n箇条");
    form_->ActiveView()->SetSelStart(6);
    form_->Command("RowCenterM")->trigger();
    form_->ActiveView()->SetSelStart(12);
    form_->Command("RowRightM")->trigger();
    form_->ActiveView()->SetSelStart(18);
    const Ink before = Shot();
    const QRect itemBefore = CharRect(18);
    form_->Command("BulletM")->trigger();
    form_->ActiveView()->SetSelStart(0);
    const Ink after = Shot();

    const int head = CharRect(0).top();         // top of the column
    const int foot = CharRect(16).top();        // below the last of 下だ
    const int centreTop = CharRect(6).top();    // 中
    const int centreFoot = CharRect(10).top();  // below 央
    EXPECT_GT(centreTop, head + 10);
    EXPECT_NEAR(centreTop - head, foot - centreFoot, 2);  // the same room above and below
    EXPECT_GT(CharRect(12).top(), centreTop);             // 下だ lies at the foot
    // The bullet: drawn above the item's first character, in its column.
    const QRect item = CharRect(18);
    EXPECT_GE(item.top(), itemBefore.top());
    const std::vector<QPoint> mark =
        Diff(before, after, QRect(item.left(), 0, item.width(), item.top() + 1));
    EXPECT_FALSE(mark.empty());
    for (const QPoint& p : mark) EXPECT_LT(p.y(), item.top());
}

}  // namespace

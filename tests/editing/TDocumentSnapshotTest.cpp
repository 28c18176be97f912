// Snapshots of documents: text, character formats, paragraph formats and lists come back
// exactly (compared through Qt's own HTML export of the document), and a restore through a
// view puts back its selection and first visible line.

#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
#include <functional>

#include "controls/TRichEditEx.h"
#include "editing/TDocumentSnapshot.h"
#include "editing/TViewSnapshot.h"

namespace {

QTextCharFormat Bold() {
    QTextCharFormat f;
    f.setFontWeight(QFont::Bold);
    return f;
}

struct Case {
    const char* name;
    std::function<void(QTextDocument&)> build;
};

class DocumentSnapshotRoundTrip : public ::testing::TestWithParam<Case> {};

TEST_P(DocumentSnapshotRoundTrip, RestoresTheDocumentExactly) {
    QTextDocument original;
    GetParam().build(original);
    const QString html = original.toHtml();
    const QString text = original.toPlainText();
    const TDocumentSnapshot s = TDocumentSnapshot::Capture(original);

    // Into the same document after it was changed …
    QTextCursor c(&original);
    c.movePosition(QTextCursor::End);
    c.insertText(QStringLiteral("後から足した文"), Bold());
    c.insertBlock();
    s.RestoreInto(&original);
    EXPECT_EQ(original.toPlainText(), text);
    EXPECT_EQ(original.toHtml(), html);
    EXPECT_EQ(s.CharacterCount(), original.characterCount());

    // … and into another document.
    QTextDocument other;
    other.setPlainText(QStringLiteral("別の文書\n二行目"));
    s.RestoreInto(&other);
    EXPECT_EQ(other.toPlainText(), text);
    EXPECT_EQ(other.toHtml(), html);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, DocumentSnapshotRoundTrip,
    ::testing::Values(
        Case{"empty", [](QTextDocument&) {}},
        Case{"plain",
             [](QTextDocument& d) {
                 d.setPlainText(QStringLiteral("吾輩は猫である。\n名前はまだ無い。\n\nabc\tdef"));
             }},
        Case{"runs",
             [](QTextDocument& d) {
                 QTextCursor c(&d);
                 QTextCharFormat big;
                 big.setFontPointSize(20);
                 big.setFontFamilies({QStringLiteral("IPAMincho")});
                 QTextCharFormat red;
                 red.setForeground(QColor(255, 0, 0));
                 red.setFontItalic(true);
                 red.setFontUnderline(true);
                 c.insertText(QStringLiteral("普通"));
                 c.insertText(QStringLiteral("太字"), Bold());
                 c.insertText(QStringLiteral("大きい"), big);
                 c.insertText(QStringLiteral("赤い斜体"), red);
                 c.insertText(QString(QChar::LineSeparator) + QStringLiteral("改行の後"));
             }},
        Case{"paragraphs",
             [](QTextDocument& d) {
                 QTextCursor c(&d);
                 QTextBlockFormat centre;
                 centre.setAlignment(Qt::AlignHCenter);
                 QTextBlockFormat indented;
                 indented.setLeftMargin(30);
                 indented.setTextIndent(-10);
                 indented.setAlignment(Qt::AlignRight);
                 c.setBlockFormat(centre);
                 c.insertText(QStringLiteral("中央"));
                 c.insertBlock(indented, Bold());
                 c.insertText(QStringLiteral("右寄せ"), Bold());
                 c.insertBlock(QTextBlockFormat());
                 c.insertText(QStringLiteral("左"));
             }},
        Case{"lists",
             [](QTextDocument& d) {
                 QTextCursor c(&d);
                 c.insertText(QStringLiteral("前"));
                 c.insertBlock();
                 QTextListFormat disc;
                 disc.setStyle(QTextListFormat::ListDisc);
                 QTextList* list = c.createList(disc);
                 c.insertText(QStringLiteral("一つ目"));
                 c.insertBlock();
                 c.insertText(QStringLiteral("二つ目"));
                 c.insertBlock(QTextBlockFormat());
                 list->remove(c.block());
                 c.insertText(QStringLiteral("間"));
                 c.insertBlock();
                 QTextListFormat decimal;
                 decimal.setStyle(QTextListFormat::ListDecimal);
                 c.createList(decimal);
                 c.insertText(QStringLiteral("番号"));
             }},
        Case{"table",
             [](QTextDocument& d) {
                 QTextCursor c(&d);
                 c.insertText(QStringLiteral("表の前"));
                 QTextTable* t = c.insertTable(2, 2);
                 t->cellAt(1, 1).firstCursorPosition().insertText(QStringLiteral("升"), Bold());
             }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DocumentSnapshot, NullSnapshotLeavesTheDocument) {
    QTextDocument d;
    d.setPlainText(QStringLiteral("そのまま"));
    TDocumentSnapshot().RestoreInto(&d);
    EXPECT_EQ(d.toPlainText(), QStringLiteral("そのまま"));
}

TEST(DocumentSnapshot, CopiesShareTheStoredDocument) {
    QTextDocument d;
    d.setPlainText(QStringLiteral("一\n二"));
    const TDocumentSnapshot a = TDocumentSnapshot::Capture(d);
    const TDocumentSnapshot b = a;
    d.setPlainText(QStringLiteral("三"));
    b.RestoreInto(&d);
    EXPECT_EQ(d.toPlainText(), QStringLiteral("一\n二"));
}

TEST(ViewSnapshot, RestoresSelectionAndFirstVisibleLine) {
    QTextDocument doc;
    QStringList lines;
    for (int i = 0; i < 200; ++i) lines << QStringLiteral("行%1").arg(i);
    doc.setPlainText(lines.join(QLatin1Char('\n')));
    TRichEditEx view;
    view.SetDocument(&doc);
    view.resize(300, 200);
    view.show();
    view.SetSelection(40, 7);  // "行8", CR LF, "行" (lines 0 … 9 are 5 bytes each)
    view.LineScroll(30);
    const int firstLine = view.FirstVisibleLine();
    ASSERT_GT(firstLine, 0);
    const TSnapshotEntry e = TViewSnapshot::Capture(view);
    EXPECT_EQ(e.selStart, 40);
    EXPECT_EQ(e.selLength, 7);

    view.SelectAll();
    view.SetSelText(QStringLiteral("消した"));
    view.LineScroll(-100);
    TViewSnapshot::Restore(view, e);
    EXPECT_EQ(doc.toPlainText(), lines.join(QLatin1Char('\n')));
    EXPECT_EQ(view.SelStart(), 40);
    EXPECT_EQ(view.SelLength(), 7);
    EXPECT_EQ(view.FirstVisibleLine(), firstLine);
    EXPECT_TRUE(doc.isModified());
}

}  // namespace

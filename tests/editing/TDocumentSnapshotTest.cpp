// Snapshots of documents: text, character formats, paragraph formats and lists come back
// exactly (compared through Qt's own HTML export of the document), and a restore through a
// view puts back its selection and first visible line.

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <algorithm>
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

// ----- restoring after an edit changes only what differs -------------------------------------

// Everything a paragraph holds, runs of equal format joined, lists named by order of appearance.
struct Paragraph {
    QString text;
    QTextBlockFormat blockFormat;  // without the link to its list object
    QTextCharFormat charFormat;
    int list = -1;
    QTextListFormat listFormat;
    int item = -1;  // number within its list
    std::vector<std::pair<int, QTextCharFormat>> runs;
};

std::vector<Paragraph> Contents(const QTextDocument& doc) {
    std::vector<Paragraph> out;
    std::vector<const QTextList*> lists;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        Paragraph p;
        p.text = b.text();
        p.blockFormat = b.blockFormat();
        p.blockFormat.clearProperty(QTextFormat::ObjectIndex);
        p.charFormat = b.charFormat();
        if (const QTextList* l = b.textList()) {
            auto it = std::find(lists.begin(), lists.end(), l);
            p.list = int(it - lists.begin());
            if (it == lists.end()) lists.push_back(l);
            p.listFormat = l->format();
            p.item = l->itemNumber(b);
        }
        for (QTextBlock::iterator it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (!p.runs.empty() && p.runs.back().second == f.charFormat())
                p.runs.back().first += f.length();
            else
                p.runs.emplace_back(f.length(), f.charFormat());
        }
        out.push_back(p);
    }
    return out;
}

// Empty when alike, else where they first differ.
std::string Difference(const QTextDocument& got, const QTextDocument& want) {
    const std::vector<Paragraph> a = Contents(got);
    const std::vector<Paragraph> b = Contents(want);
    if (a.size() != b.size())
        return "paragraphs " + std::to_string(a.size()) + " != " + std::to_string(b.size());
    for (size_t i = 0; i < a.size(); ++i) {
        const std::string at = "paragraph " + std::to_string(i) + ": ";
        if (a[i].text != b[i].text)
            return at + a[i].text.toStdString() + " != " + b[i].text.toStdString();
        if (a[i].blockFormat != b[i].blockFormat) return at + "block format";
        if (a[i].charFormat != b[i].charFormat) return at + "paragraph character format";
        if (a[i].list != b[i].list || a[i].listFormat != b[i].listFormat || a[i].item != b[i].item)
            return at + "list";
        if (a[i].runs != b[i].runs) return at + "character runs";
    }
    if (got.rootFrame()->frameFormat() != want.rootFrame()->frameFormat()) return "root frame";
    return {};
}

// Forty paragraphs with a bold word (5), a centred paragraph (10), a numbered list (20 … 22), a
// red run and a line break (30).
void Novel(QTextDocument& d) {
    QTextCursor c(&d);
    QTextListFormat decimal;
    decimal.setStyle(QTextListFormat::ListDecimal);
    QTextList* list = nullptr;
    for (int i = 0; i < 40; ++i) {
        if (i > 0) c.insertBlock(QTextBlockFormat(), QTextCharFormat());
        c.insertText(QStringLiteral("第%1段落の文章です。").arg(i), QTextCharFormat());
        if (i == 5) c.insertText(QStringLiteral("太字"), Bold());
        if (i == 10) {
            QTextBlockFormat centre;
            centre.setAlignment(Qt::AlignHCenter);
            c.setBlockFormat(centre);
        }
        if (i == 20) list = c.createList(decimal);
        if (i == 21 || i == 22) list->add(c.block());
        if (i == 30) {
            QTextCharFormat red;
            red.setForeground(QColor(255, 0, 0));
            c.insertText(QStringLiteral("赤") + QChar(QChar::LineSeparator) + QStringLiteral("次"),
                         red);
        }
    }
}

QTextCursor At(QTextDocument& d, int paragraph, int offset = 0) {
    QTextCursor c(&d);
    c.setPosition(d.findBlockByNumber(paragraph).position() + offset);
    return c;
}

struct EditCase {
    const char* name;
    std::function<void(QTextDocument&)> edit;
    bool local;  // the restore must change only a few paragraphs
};

class SnapshotAfterEdit : public ::testing::TestWithParam<EditCase> {};

TEST_P(SnapshotAfterEdit, RestoresExactlyAndOnlyWhatDiffers) {
    QTextDocument original;
    Novel(original);
    QTextDocument doc;
    Novel(doc);
    const TDocumentSnapshot s = TDocumentSnapshot::Capture(doc);
    GetParam().edit(doc);
    ASSERT_FALSE(Difference(doc, original).empty()) << "the edit changed nothing";

    int changes = 0;
    int widest = 0;
    doc.documentLayout();  // a document reports its changes once it has a layout
    QObject::connect(&doc, &QTextDocument::contentsChange, [&](int, int removed, int added) {
        ++changes;
        widest = std::max({widest, removed, added});
    });
    s.RestoreInto(&doc);
    EXPECT_EQ(Difference(doc, original), "");
    EXPECT_EQ(doc.toPlainText(), original.toPlainText());
    EXPECT_LE(changes, 1);  // one edit
    // A paragraph here is about 12 characters: a local restore touches at most a few.
    if (GetParam().local) {
        EXPECT_LT(widest, 60);
    }
    // A second restore finds nothing to change.
    changes = 0;
    s.RestoreInto(&doc);
    EXPECT_EQ(changes, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, SnapshotAfterEdit,
    ::testing::Values(
        EditCase{"TypingInTheMiddle",
                 [](QTextDocument& d) { At(d, 15, 3).insertText(QStringLiteral("足した")); }, true},
        EditCase{"TypingAtTheStart",
                 [](QTextDocument& d) { At(d, 0).insertText(QStringLiteral("冒頭")); }, true},
        EditCase{"TypingAtTheEnd",
                 [](QTextDocument& d) {
                     QTextCursor c(&d);
                     c.movePosition(QTextCursor::End);
                     c.insertText(QStringLiteral("末尾"));
                 },
                 true},
        EditCase{"DeletingTheFirstParagraph",
                 [](QTextDocument& d) {
                     QTextCursor c = At(d, 0);
                     c.setPosition(d.findBlockByNumber(1).position(), QTextCursor::KeepAnchor);
                     c.removeSelectedText();
                 },
                 true},
        EditCase{"InsertingAParagraphAtTheStart",
                 [](QTextDocument& d) {
                     QTextCursor c = At(d, 0);
                     c.insertText(QStringLiteral("新しい段落"));
                     c.insertBlock();
                 },
                 true},
        EditCase{"DeletingAMiddleParagraph",
                 [](QTextDocument& d) {
                     QTextCursor c = At(d, 12);
                     c.setPosition(d.findBlockByNumber(13).position(), QTextCursor::KeepAnchor);
                     c.removeSelectedText();
                 },
                 true},
        EditCase{"InsertingAParagraphInTheMiddle",
                 [](QTextDocument& d) {
                     QTextCursor c = At(d, 11);
                     QTextBlockFormat right;
                     right.setAlignment(Qt::AlignRight);
                     c.insertBlock(right, Bold());
                     c.movePosition(QTextCursor::PreviousBlock);
                     c.insertText(QStringLiteral("挟んだ"), Bold());
                 },
                 true},
        EditCase{"JoiningTwoParagraphs",
                 [](QTextDocument& d) {
                     QTextCursor c = At(d, 10);
                     c.movePosition(QTextCursor::EndOfBlock);
                     c.deleteChar();
                 },
                 true},
        EditCase{"SplittingOne", [](QTextDocument& d) { At(d, 10, 4).insertBlock(); }, true},
        EditCase{"BoldingAWord",
                 [](QTextDocument& d) {
                     QTextCursor c = At(d, 25, 3);
                     c.setPosition(c.position() + 2, QTextCursor::KeepAnchor);
                     c.mergeCharFormat(Bold());
                 },
                 true},
        EditCase{"UnboldingTheBoldWord",
                 [](QTextDocument& d) {
                     QTextCursor c = At(d, 5);
                     c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
                     c.setCharFormat(QTextCharFormat());
                 },
                 true},
        EditCase{"ChangingAParagraphsAlignment",
                 [](QTextDocument& d) {
                     QTextBlockFormat f;
                     f.setAlignment(Qt::AlignRight);
                     At(d, 10).setBlockFormat(f);
                 },
                 true},
        EditCase{"ChangingAParagraphsCharacterFormat",
                 [](QTextDocument& d) { At(d, 33).setBlockCharFormat(Bold()); }, true},
        EditCase{"TurningAParagraphIntoAListItem",
                 [](QTextDocument& d) {
                     QTextListFormat disc;
                     disc.setStyle(QTextListFormat::ListDisc);
                     At(d, 15).createList(disc);
                 },
                 true},
        EditCase{"AddingAnItemToTheList",
                 [](QTextDocument& d) {
                     d.findBlockByNumber(20).textList()->add(d.findBlockByNumber(23));
                 },
                 true},
        EditCase{"TakingTheMiddleItemOutOfTheList",
                 [](QTextDocument& d) {
                     d.findBlockByNumber(21).textList()->remove(d.findBlockByNumber(21));
                 },
                 true},
        EditCase{"SplittingAListItem", [](QTextDocument& d) { At(d, 21, 2).insertBlock(); }, true},
        EditCase{"DeletingTheListsFirstItem",
                 [](QTextDocument& d) {
                     QTextCursor c = At(d, 20);
                     c.setPosition(d.findBlockByNumber(21).position(), QTextCursor::KeepAnchor);
                     c.removeSelectedText();
                 },
                 true},
        EditCase{"ChangingTheLastParagraph",
                 [](QTextDocument& d) {
                     QTextCursor c(&d);
                     c.movePosition(QTextCursor::End);
                     c.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
                     c.insertText(QStringLiteral("別の結び"), Bold());
                 },
                 true},
        EditCase{"DeletingTheLastParagraph",
                 [](QTextDocument& d) {
                     QTextCursor c(&d);
                     c.movePosition(QTextCursor::End);
                     c.movePosition(QTextCursor::PreviousBlock);
                     c.movePosition(QTextCursor::EndOfBlock);
                     c.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
                     c.removeSelectedText();
                 },
                 true},
        EditCase{"AddingEmptyParagraphsAtTheEnd",
                 [](QTextDocument& d) {
                     QTextCursor c(&d);
                     c.movePosition(QTextCursor::End);
                     c.insertBlock();
                     c.insertBlock();
                 },
                 true},
        EditCase{"ChangingTheRootFrame",
                 [](QTextDocument& d) {
                     QTextFrameFormat f = d.rootFrame()->frameFormat();
                     f.setLeftMargin(40);
                     d.rootFrame()->setFrameFormat(f);
                 },
                 false},  // margins move every line
        EditCase{"ReplacingEverything",
                 [](QTextDocument& d) { d.setPlainText(QStringLiteral("全く別の文書\n二行")); },
                 false},
        EditCase{"EmptyingTheDocument",
                 [](QTextDocument& d) {
                     QTextCursor c(&d);
                     c.select(QTextCursor::Document);
                     c.removeSelectedText();
                 },
                 false}),
    [](const auto& info) { return std::string(info.param.name); });

// The same text with other formats everywhere, and the other way round: the text stays, the
// formats come back.
TEST(SnapshotAfterEdit, RestoresFormatsOverTheSameText) {
    QTextDocument original;
    Novel(original);
    QTextDocument plain;
    plain.setPlainText(original.toPlainText());
    const TDocumentSnapshot s = TDocumentSnapshot::Capture(original);
    s.RestoreInto(&plain);
    EXPECT_EQ(Difference(plain, original), "");
    TDocumentSnapshot::Capture(QTextDocument()).RestoreInto(&plain);
    EXPECT_TRUE(plain.isEmpty());
    s.RestoreInto(&plain);
    EXPECT_EQ(Difference(plain, original), "");
}

// A shown view, horizontal or vertical, shows the restored document.
class SnapshotInAView : public ::testing::TestWithParam<bool> {};

TEST_P(SnapshotInAView, RestoresThroughTheView) {
    QTextDocument original;
    Novel(original);
    QTextDocument doc;
    Novel(doc);
    TRichEditEx view;
    view.SetDocument(&doc);
    view.SetVertical(GetParam());
    view.resize(400, 300);
    view.show();
    const TSnapshotEntry e = TViewSnapshot::Capture(view);
    view.SetSelection(30, 4);
    view.SetSelText(QStringLiteral("書き換え\r\n段落"));
    TViewSnapshot::Restore(view, e);
    EXPECT_EQ(Difference(doc, original), "");
    EXPECT_EQ(view.Text(),
              original.toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
    EXPECT_EQ(view.SelStart(), 0);
}

INSTANTIATE_TEST_SUITE_P(Views, SnapshotInAView, ::testing::Values(false, true),
                         [](const auto& info) {
                             return std::string(info.param ? "Vertical" : "Horizontal");
                         });

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

#include "ViewPictures.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QTextCursor>
#include <QTextList>

#include "PictureSet.h"
#include "PictureWindow.h"
#include "RubyTestSupport.h"
#include "VerticalTestSupport.h"
#include "controls/THorizontalEdit.h"
#include "controls/TVerticalView.h"

namespace {

QImage Shown(QWidget& w) {
    w.show();
    QApplication::processEvents();
    return GrabPicture(&w);
}

// The text in a document whose default font is the family at the pixel size.
auto DocumentIn(const QString& text, const QString& family, int pixels) {
    auto doc = vtest::MakeDocument(text);
    QFont f(family);
    f.setPixelSize(pixels);
    doc->setDefaultFont(f);
    return doc;
}

// 鬼門 with きもん, hidden 秘密, three ruby words side by side; 門の方 selected.
QImage RubyVertical() {
    auto doc = rtest::SampleDocument();
    TVerticalView view;
    view.resize(260, 300);
    view.SetDocument(doc.get());
    view.SetPosition(1);
    view.SetPosition(4, QTextCursor::KeepAnchor);
    return Shown(view);
}

QImage RubyHorizontal() {
    auto doc = rtest::SampleDocument();
    THorizontalEdit edit;
    edit.resize(360, 200);
    edit.SetDocument(doc.get());
    QTextCursor c(doc.get());
    c.setPosition(1);
    c.setPosition(4, QTextCursor::KeepAnchor);
    edit.setTextCursor(c);
    edit.SetHideSelection(false);
    return Shown(edit);
}

QImage NovelFirstPage() {
    const QString novel = vtest::NovelText();
    if (novel.isEmpty())
        throw std::runtime_error("the novel is missing: " ORIMAKI_TESTDATA
                                 "/text/wagahai.sjis.txt");
    auto doc = DocumentIn(novel, QStringLiteral("ＭＳ 明朝"), 18);
    TVerticalView view;
    view.resize(800, 600);
    view.SetDocument(doc.get());
    return Shown(view);
}

// Brackets, Latin letters and digits, small kana, half-width katakana; the second paragraph red
// and underlined, characters 5 to 12 selected.
QImage Passage() {
    auto doc = vtest::MakeDocument(
        QStringLiteral("「吾輩は猫である。名前はまだ無い。」\n"
                       "ラーメン、コーヒー……そしてＡＢＣとABC 2024年、Qt 6.4で。\n"
                       "（括弧）『二重鉤』【隅付き】〔亀甲〕～波ダッシュ―ダッシュ\n"
                       "ぁぃぅぇぉっゃゅょァィゥェォッャュョ 小書き仮名\n"
                       "\n"
                       "空行の次の段落。ｶﾀｶﾅ半角と：コロン。\n"));
    QTextCursor c(doc.get());
    c.setPosition(0);
    c.movePosition(QTextCursor::NextBlock);
    c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QTextCharFormat red;
    red.setForeground(Qt::red);
    red.setFontUnderline(true);
    c.mergeCharFormat(red);
    TVerticalView view;
    view.resize(500, 400);
    view.SetDocument(doc.get());
    view.setFocus();
    view.SetPosition(5);
    view.SetPosition(12, QTextCursor::KeepAnchor);
    return Shown(view);
}

// 猫です being composed after 吾輩は: 猫 the segment being converted, です underlined.
QImage Composition() {
    auto doc = vtest::MakeDocument(QStringLiteral("吾輩は猫である。"));
    TVerticalView view;
    view.resize(200, 300);
    view.SetDocument(doc.get());
    view.show();
    view.setFocus();
    view.SetPosition(3);
    QTextCharFormat current;
    current.setBackground(view.palette().highlight());
    current.setForeground(view.palette().highlightedText());
    QTextCharFormat other;
    other.setUnderlineStyle(QTextCharFormat::SingleUnderline);
    QList<QInputMethodEvent::Attribute> attrs;
    attrs << QInputMethodEvent::Attribute(QInputMethodEvent::TextFormat, 0, 1, current)
          << QInputMethodEvent::Attribute(QInputMethodEvent::TextFormat, 1, 2, other)
          << QInputMethodEvent::Attribute(QInputMethodEvent::Cursor, 1, 1);
    QInputMethodEvent pre(QStringLiteral("猫です"), attrs);
    QApplication::sendEvent(&view, &pre);
    return Shown(view);
}

QImage Formats() {
    auto doc = vtest::MakeDocument(QString());
    QTextCursor c(doc.get());
    auto add = [&](const QString& text, const QTextCharFormat& f) { c.insertText(text, f); };
    QTextCharFormat plain;
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QTextCharFormat italic;
    italic.setFontItalic(true);
    QTextCharFormat strike;
    strike.setFontStrikeOut(true);
    QTextCharFormat sup;
    sup.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    QTextCharFormat big;
    big.setFontPointSize(24);
    big.setForeground(Qt::blue);
    QTextCharFormat back;
    back.setBackground(Qt::yellow);
    QTextCharFormat mincho;
    mincho.setFontFamilies({QStringLiteral("ＭＳ 明朝")});
    add(QStringLiteral("普通"), plain);
    add(QStringLiteral("太字"), bold);
    add(QStringLiteral("斜体"), italic);
    add(QStringLiteral("取消線"), strike);
    add(QStringLiteral("上付"), sup);
    add(QStringLiteral("大きい青"), big);
    add(QStringLiteral("背景"), back);
    add(QStringLiteral("明朝体"), mincho);
    QTextBlockFormat centre;
    centre.setAlignment(Qt::AlignHCenter);
    c.insertBlock(centre, plain);
    c.insertText(QStringLiteral("中央揃え"));
    QTextBlockFormat bottom;
    bottom.setAlignment(Qt::AlignRight);
    c.insertBlock(bottom, plain);
    c.insertText(QStringLiteral("下揃え"));
    QTextBlockFormat indent;
    indent.setLeftMargin(40);
    indent.setTextIndent(20);
    c.insertBlock(indent, plain);
    c.insertText(QStringLiteral("字下げのある段落は二行目以降も字下げされる。"));
    c.insertBlock(QTextBlockFormat(), plain);
    QTextListFormat list;
    list.setStyle(QTextListFormat::ListDisc);
    c.createList(list);
    c.insertText(QStringLiteral("箇条書き一"));
    c.insertBlock();
    c.insertText(QStringLiteral("箇条書き二"));
    TVerticalView view;
    view.resize(500, 400);
    view.SetDocument(doc.get());
    return Shown(view);
}

// Brackets in a row, dates, chapter numbers, a percentage and a column the line rules push out:
// columns of 15 characters and a quarter, so the fourth line's い is pushed on by 」.
QImage Typesetting() {
    const QString text = QStringLiteral(
        "「そう」『か』（【注】）。」\n2024年12月8日\n第3章の100%"
        "\n吾輩は猫である。名前はまだ無い」。\n");
    auto doc = DocumentIn(text, QStringLiteral("IPAGothic"), 24);
    TVerticalView view;
    view.resize(300, 24 * 15 + TVerticalView::kSelectionBar + 2 * TVerticalView::kPadding + 6);
    view.SetDocument(doc.get());
    return Shown(view);
}

}  // namespace

void ViewPictures::AddTo(PictureSet& set) {
    set.Add(
        QStringLiteral("ruby-vertical"),
        QStringLiteral("vertical view: ruby over 鬼門 and three words, hidden 秘密, a selection"),
        RubyVertical);
    set.Add(QStringLiteral("ruby-horizontal"),
            QStringLiteral("horizontal view: the same ruby and hidden text, a selection"),
            RubyHorizontal);
    set.Add(QStringLiteral("novel-first-page"),
            QStringLiteral("vertical view: the first page of 吾輩は猫である in ＭＳ 明朝 18 px"),
            NovelFirstPage);
    set.Add(QStringLiteral("passage"),
            QStringLiteral("vertical view: brackets, Latin, digits, small kana, a red underlined "
                           "paragraph, a selection"),
            Passage);
    set.Add(QStringLiteral("composition"),
            QStringLiteral("vertical view: 猫です being composed by an input method"), Composition);
    set.Add(
        QStringLiteral("formats"),
        QStringLiteral("vertical view: character formats, alignment, indents and a bullet list"),
        Formats);
    set.Add(QStringLiteral("typesetting"),
            QStringLiteral("vertical view: brackets in a row, dates, 100%, a column pushed on"),
            Typesetting);
}

// Pictures of the vertical view for looking at by eye. They are written only when
// ORIMAKI_SHOTS names a folder; otherwise the test is skipped.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QInputMethodEvent>
#include <QTextCursor>

#include "VerticalTestSupport.h"
#include "controls/TVerticalView.h"

namespace {

QString ShotsDir() {
    return qEnvironmentVariable("ORIMAKI_SHOTS");
}

void Save(TVerticalView& view, const QString& name) {
    view.show();
    QApplication::processEvents();
    const QImage img = view.grab().toImage();
    ASSERT_TRUE(img.save(QDir(ShotsDir()).filePath(name)));
}

TEST(VerticalViewShots, NovelFirstPage) {
    if (ShotsDir().isEmpty()) GTEST_SKIP() << "ORIMAKI_SHOTS not set";
    auto doc = vtest::MakeDocument(vtest::NovelText());
    QFont f(QStringLiteral("ＭＳ 明朝"));
    f.setPixelSize(18);
    doc->setDefaultFont(f);
    TVerticalView view;
    view.resize(800, 600);
    view.SetDocument(doc.get());
    Save(view, QStringLiteral("novel-first-page.png"));
}

TEST(VerticalViewShots, Passage) {
    if (ShotsDir().isEmpty()) GTEST_SKIP() << "ORIMAKI_SHOTS not set";
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
    Save(view, QStringLiteral("passage.png"));
}

TEST(VerticalViewShots, Composition) {
    if (ShotsDir().isEmpty()) GTEST_SKIP() << "ORIMAKI_SHOTS not set";
    auto doc = vtest::MakeDocument(QStringLiteral("吾輩は猫である。"));
    TVerticalView view;
    view.resize(200, 300);
    view.SetDocument(doc.get());
    view.show();
    view.setFocus();
    view.SetPosition(3);
    // Two segments as an input method sends them: 猫 being converted (highlighted), です
    // underlined.
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
    Save(view, QStringLiteral("composition.png"));
}

TEST(VerticalViewShots, Formats) {
    if (ShotsDir().isEmpty()) GTEST_SKIP() << "ORIMAKI_SHOTS not set";
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
    Save(view, QStringLiteral("formats.png"));
}

}  // namespace

namespace {
// The typesetting cases beside a browser's vertical-rl of the same text (see the comparison
// page written next to the picture): brackets in a row, dates, chapter numbers, a percentage
// and a column the line rules push out.
TEST(VerticalViewShots, Typesetting) {
    if (ShotsDir().isEmpty()) GTEST_SKIP() << "ORIMAKI_SHOTS not set";
    const QString text = QStringLiteral(
        "「そう」『か』（【注】）。」\n2024年12月8日\n第3章の100%"
        "\n吾輩は猫である。名前はまだ無い」。\n");
    auto doc = vtest::MakeDocument(text);
    QFont f(QStringLiteral("IPAGothic"));
    f.setPixelSize(24);
    doc->setDefaultFont(f);
    TVerticalView view;
    // Columns of 15 characters and a quarter: the fourth line's い is pushed on by 」.
    view.resize(300, 24 * 15 + TVerticalView::kSelectionBar + 2 * TVerticalView::kPadding + 6);
    view.SetDocument(doc.get());
    Save(view, QStringLiteral("typesetting.png"));
}
}  // namespace

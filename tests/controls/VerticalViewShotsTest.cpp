// Pictures of the vertical view for looking at by eye. They are written only when
// ORIMAKI_SHOTS names a folder; otherwise the test is skipped.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
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

}  // namespace

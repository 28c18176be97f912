// Pictures of both views with ruby and hidden text, for looking at by eye. They are written
// only when ORIMAKI_SHOTS names a folder; otherwise the test is skipped.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>

#include "RubyTestSupport.h"
#include "controls/THorizontalEdit.h"
#include "controls/TVerticalView.h"

namespace {

QString ShotsDir() {
    return qEnvironmentVariable("ORIMAKI_SHOTS");
}

void Save(QWidget& w, const QString& name) {
    w.show();
    QApplication::processEvents();
    const QImage img = w.grab().toImage();
    ASSERT_TRUE(img.save(QDir(ShotsDir()).filePath(name)));
}

TEST(RubyShots, Vertical) {
    if (ShotsDir().isEmpty()) GTEST_SKIP() << "ORIMAKI_SHOTS not set";
    auto doc = rtest::SampleDocument();
    TVerticalView view;
    view.resize(260, 300);
    view.SetDocument(doc.get());
    view.SetPosition(1);
    view.SetPosition(4, QTextCursor::KeepAnchor);
    Save(view, QStringLiteral("ruby-vertical.png"));
}

TEST(RubyShots, Horizontal) {
    if (ShotsDir().isEmpty()) GTEST_SKIP() << "ORIMAKI_SHOTS not set";
    auto doc = rtest::SampleDocument();
    THorizontalEdit edit;
    edit.resize(360, 200);
    edit.SetDocument(doc.get());
    QTextCursor c(doc.get());
    c.setPosition(1);
    c.setPosition(4, QTextCursor::KeepAnchor);
    edit.setTextCursor(c);
    edit.SetHideSelection(false);
    Save(edit, QStringLiteral("ruby-horizontal.png"));
}

}  // namespace

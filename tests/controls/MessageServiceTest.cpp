// A real message box opened while a window that stays on top is shown (the start-up splash, the
// find dialog) stays on top as well, so that it never waits hidden behind that window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include "controls/MessageService.h"

namespace {

// Shows a real box and reports whether it had the on-top hint, closing it at once.
bool BoxStaysOnTop() {
    bool onTop = false;
    QTimer::singleShot(0, [&onTop] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            onTop = box->windowFlags() & Qt::WindowStaysOnTopHint;
            box->done(QMessageBox::Ok);
        }
    });
    MessageService::SetResponder({});
    MessageService::Show(nullptr, QMessageBox::Critical, QStringLiteral("エラー表示"),
                         QStringLiteral("ファイルを読み込めませんでした。"));
    return onTop;
}

TEST(MessageService, ABoxStaysOnTopOnlyWhileAnOnTopWindowIsShown) {
    EXPECT_FALSE(BoxStaysOnTop());
    QWidget splash(nullptr, Qt::SplashScreen | Qt::WindowStaysOnTopHint);
    splash.show();
    EXPECT_TRUE(BoxStaysOnTop());
    splash.hide();
    EXPECT_FALSE(BoxStaysOnTop());
}

}  // namespace

// The options library through its real shared object: loaded with QLibrary, the dialog
// driven like a user would, the values read back.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QLibrary>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTimer>
#include <functional>

#include "options/DllDialogApi.h"
#include "options/LauncherLocation.h"

namespace {

struct Twelve {
    QString fontName = QStringLiteral("ＭＳ Ｐゴシック");
    int fontSize = 11;
    quint32 fontColor = 0x000000FF;  // red
    QString newFileExt = QStringLiteral(".wri");
    QString documentExt = QStringLiteral(".rtf");
    quint32 backColor = 0x00FFFFFF;
    quint8 colorFileType = 2;
    QString programFile = QStringLiteral("/usr/bin/orimaki");
    bool sendTo = true;
    bool desktop = false;
    int tab = 2;
};

// Runs the library's entry point; while its dialog is open, drive(dialog) plays the user.
bool CallLibrary(Twelve& v, const std::function<void(QDialog*)>& drive) {
    QLibrary lib(QStringLiteral(ORIMAKI_BIN "/DllDialog"));
    if (!lib.load()) return false;
    auto entry = reinterpret_cast<ShowDLLFormFunction>(lib.resolve("ShowDLLForm"));
    if (!entry) return false;
    bool driven = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            // Not up yet: look again shortly.
            QTimer::singleShot(20, [&] {
                auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                if (d) {
                    driven = true;
                    drive(d);
                }
            });
            return;
        }
        driven = true;
        drive(dialog);
    });
    entry(&v.fontName, &v.fontSize, &v.fontColor, &v.newFileExt, &v.documentExt, &v.backColor,
          &v.colorFileType, nullptr, &v.programFile, &v.sendTo, &v.desktop, &v.tab);
    lib.unload();
    return driven;
}

class OptionsLibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(LauncherLocation::DesktopLauncher());
        QFile::remove(LauncherLocation::SendToLauncher());
    }
};

TEST_F(OptionsLibraryTest, ConfirmedChangesComeBack) {
    Twelve v;
    ASSERT_TRUE(CallLibrary(v, [](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("オプション"));
        d->findChild<QSpinBox*>(QStringLiteral("FontSizeSE"))->setValue(14);
        d->findChild<QComboBox*>(QStringLiteral("NewFileExtCB"))->setCurrentText(".txt");
        d->findChild<QComboBox*>(QStringLiteral("DocExtCB"))->setCurrentText(".wri");
        d->findChild<QComboBox*>(QStringLiteral("ColorListCB"))->setCurrentIndex(4);
        d->findChild<QCheckBox*>(QStringLiteral("DesktopChk"))->setChecked(true);
        d->findChild<QSpinBox*>(QStringLiteral("TabSE"))->setValue(4);
        d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    }));
    EXPECT_EQ(v.fontName, QStringLiteral("ＭＳ Ｐゴシック"));
    EXPECT_EQ(v.fontSize, 14);
    EXPECT_EQ(v.fontColor, 0x000000FFu);
    EXPECT_EQ(v.newFileExt, QStringLiteral(".txt"));
    EXPECT_EQ(v.documentExt, QStringLiteral(".wri"));
    EXPECT_EQ(v.backColor, 0x00FFFFFFu);
    EXPECT_EQ(v.colorFileType, 4);
    EXPECT_TRUE(v.desktop);
    EXPECT_FALSE(v.sendTo);  // no launcher there, box left alone
    EXPECT_EQ(v.tab, 4);
}

TEST_F(OptionsLibraryTest, CancelKeepsEveryValueAndReportsTheLaunchersAsTheyAre) {
    QDir().mkpath(LauncherLocation::DesktopFolder());
    QFile f(LauncherLocation::DesktopLauncher());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    Twelve v;
    ASSERT_TRUE(CallLibrary(v, [](QDialog* d) {
        d->findChild<QSpinBox*>(QStringLiteral("FontSizeSE"))->setValue(30);
        d->findChild<QCheckBox*>(QStringLiteral("SendToChk"))->setChecked(true);
        d->reject();
    }));
    const Twelve untouched;
    EXPECT_EQ(v.fontSize, untouched.fontSize);
    EXPECT_EQ(v.newFileExt, untouched.newFileExt);
    EXPECT_EQ(v.documentExt, untouched.documentExt);
    EXPECT_EQ(v.colorFileType, untouched.colorFileType);
    EXPECT_EQ(v.tab, untouched.tab);
    EXPECT_TRUE(v.desktop);
    EXPECT_FALSE(v.sendTo);
    QFile::remove(LauncherLocation::DesktopLauncher());
}

TEST_F(OptionsLibraryTest, AnEmptyDocumentExtensionIsAllowedAMalformedNewFileExtIsNot) {
    Twelve v;
    ASSERT_TRUE(CallLibrary(v, [](QDialog* d) {
        d->findChild<QComboBox*>(QStringLiteral("DocExtCB"))->setCurrentText(QString());
        d->findChild<QComboBox*>(QStringLiteral("NewFileExtCB"))->setCurrentText(".");
        d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    }));
    EXPECT_EQ(v.documentExt, QString());
    EXPECT_EQ(v.newFileExt, QStringLiteral(".wri"));
}

}  // namespace

// The options command's pieces: the real library through the loader, the order in which the
// results are applied, a missing library, and the launchers.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTimer>

#include "app/Launchers.h"
#include "app/OptionsLibrary.h"
#include "options/LauncherLocation.h"

namespace {

const QString kLibrary = QStringLiteral(ORIMAKI_BIN "/DllDialog");

TEST(OptionsCommand, MissingLibraryIsSilentlyIgnored) {
    OptionsLibrary::Values v;
    v.fontSize = 17;
    EXPECT_FALSE(OptionsLibrary::Call(v, nullptr, QStringLiteral("/nonexistent/DllDialog")));
    EXPECT_EQ(v.fontSize, 17);
}

TEST(OptionsCommand, TheRealLibraryRoundTrips) {
    if (!QFileInfo::exists(QStringLiteral(ORIMAKI_BIN "/libDllDialog.so")))
        GTEST_SKIP() << "libDllDialog.so is not built";
    QStandardPaths::setTestModeEnabled(true);
    OptionsLibrary::Values v;
    v.fontName = QStringLiteral("IPAMincho");
    v.fontSize = 12;
    v.documentExt = QStringLiteral(".txt");
    QTimer::singleShot(50, [] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(d);
        d->findChild<QSpinBox*>(QStringLiteral("FontSizeSE"))->setValue(20);
        d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    ASSERT_TRUE(OptionsLibrary::Call(v, nullptr, kLibrary));
    EXPECT_EQ(v.fontSize, 20);
    EXPECT_EQ(v.fontName, QStringLiteral("IPAMincho"));
    EXPECT_EQ(v.documentExt, QStringLiteral(".txt"));
}

TEST(OptionsCommand, ResultsAreAppliedInTheirOrder) {
    QStringList order;
    OptionsLibrary::Appliers a;
    a.defaultFont = [&](const QString&, int, TColor) { order << "font"; };
    a.newFileExt = [&](const QString&) { order << "newext"; };
    a.documentExt = [&](const QString&) { order << "docext"; };
    a.backColor = [&](TColor) { order << "back"; };
    a.colorFileType = [&](quint8) { order << "colorlist"; };
    a.launchers = [&](bool, bool) { order << "launchers"; };
    a.tabOption = [&](int) { order << "tab"; };
    OptionsLibrary::Apply(OptionsLibrary::Values{}, a);
    EXPECT_EQ(order,
              (QStringList{"font", "newext", "docext", "back", "colorlist", "launchers", "tab"}));
}

class LaunchersTest : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(LauncherLocation::DesktopLauncher());
        QFile::remove(LauncherLocation::SendToLauncher());
    }
    void TearDown() override { SetUp(); }
};

TEST_F(LaunchersTest, MadeWhenWantedRemovedWhenNot) {
    QString error;
    // The values the program passes in: send-to wanted, desktop not.
    ASSERT_TRUE(Launchers::Apply(true, false, QStringLiteral("/opt/オリマキ/orimaki"), &error))
        << error.toStdString();
    EXPECT_TRUE(QFileInfo::exists(LauncherLocation::SendToLauncher()));
    EXPECT_FALSE(QFileInfo::exists(LauncherLocation::DesktopLauncher()));
    QFile f(LauncherLocation::SendToLauncher());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(text.startsWith(QStringLiteral("[Desktop Entry]\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\nName=オリマキ９９\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\nExec=\"/opt/オリマキ/orimaki\" %f\n")));
    EXPECT_TRUE(QFileInfo(LauncherLocation::SendToLauncher()).isExecutable());

    ASSERT_TRUE(Launchers::Apply(false, true, QStringLiteral("/opt/orimaki"), &error));
    EXPECT_FALSE(QFileInfo::exists(LauncherLocation::SendToLauncher()));
    EXPECT_TRUE(QFileInfo::exists(LauncherLocation::DesktopLauncher()));
    // Removing what is not there is no error.
    EXPECT_TRUE(Launchers::Apply(false, false, QStringLiteral("/opt/orimaki"), &error));
    EXPECT_TRUE(Launchers::Apply(false, false, QStringLiteral("/opt/orimaki"), &error));
}

TEST_F(LaunchersTest, AnExistingLauncherIsLeftAsItIs) {
    QDir().mkpath(LauncherLocation::SendToFolder());
    QFile f(LauncherLocation::SendToLauncher());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("mine");
    f.close();
    QString error;
    EXPECT_TRUE(Launchers::Apply(true, false, QStringLiteral("/opt/orimaki"), &error));
    QFile g(LauncherLocation::SendToLauncher());
    ASSERT_TRUE(g.open(QIODevice::ReadOnly));
    EXPECT_EQ(g.readAll(), QByteArray("mine"));
}

TEST(LaunchersExec, QuotesWhatTheDesktopEntryFormatReserves) {
    // Hand-worked from the desktop entry rules: \ → \\ (quoting) → \\\\ (string escape).
    EXPECT_EQ(Launchers::QuoteExec(QStringLiteral("/a b/c")), QStringLiteral("\"/a b/c\""));
    EXPECT_EQ(Launchers::QuoteExec(QStringLiteral("/a\"$`/c")),
              QStringLiteral("\"/a\\\\\"\\\\$\\\\`/c\""));
    EXPECT_EQ(Launchers::QuoteExec(QStringLiteral("/a\\b")), QStringLiteral("\"/a\\\\\\\\b\""));
    EXPECT_EQ(Launchers::QuoteExec(QStringLiteral("/100%")), QStringLiteral("\"/100%%\""));
}

}  // namespace

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
#include <QTemporaryDir>
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

// Each case has a home folder of its own: the cases run side by side in separate processes,
// and the launcher folders below a shared home would be written by both at once.
class LaunchersTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home_.isValid());
        QStandardPaths::setTestModeEnabled(true);
        oldHome_ = qgetenv("HOME");
        qputenv("HOME", home_.path().toLocal8Bit());
    }
    void TearDown() override { qputenv("HOME", oldHome_); }
    QTemporaryDir home_;
    QByteArray oldHome_;
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

// The working folder of a launcher must exist, or the desktop does not start the program:
// without a desktop folder the launchers work in the home folder.
struct WorkingFolderCase {
    const char* what;
    bool desktopExists;
    bool desktopWanted;
    const char* expected;  // below the home folder
};

const WorkingFolderCase kWorkingFolders[] = {
    {"desktop folder there", true, false, "/Desktop"},
    {"no desktop folder", false, false, ""},
    // The desktop launcher makes the folder first; the send-to launcher, made before it,
    // works in the home folder.
    {"desktop launcher wanted", false, true, ""},
};

class LauncherWorkingFolderTest : public ::testing::TestWithParam<WorkingFolderCase> {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        oldHome_ = qgetenv("HOME");
        qputenv("HOME", home_.path().toLocal8Bit());
    }
    void TearDown() override { qputenv("HOME", oldHome_); }
    QTemporaryDir home_;
    QByteArray oldHome_;
};

TEST_P(LauncherWorkingFolderTest, IsAFolderThatExists) {
    const WorkingFolderCase& c = GetParam();
    ASSERT_EQ(LauncherLocation::DesktopFolder(), home_.filePath(QStringLiteral("Desktop")));
    if (c.desktopExists) {
        ASSERT_TRUE(QDir(home_.path()).mkdir(QStringLiteral("Desktop")));
    }
    QString error;
    ASSERT_TRUE(Launchers::Apply(true, c.desktopWanted, QStringLiteral("/opt/orimaki"), &error))
        << error.toStdString();
    QFile f(LauncherLocation::SendToLauncher());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << c.what;
    const QString text = QString::fromUtf8(f.readAll());
    const QString folder = home_.path() + QString::fromUtf8(c.expected);
    EXPECT_TRUE(text.contains(QStringLiteral("\nPath=") + folder + QLatin1Char('\n')))
        << c.what << "\n"
        << text.toStdString();
    EXPECT_TRUE(QFileInfo(folder).isDir()) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Table, LauncherWorkingFolderTest, ::testing::ValuesIn(kWorkingFolders));

TEST(LaunchersExec, QuotesWhatTheDesktopEntryFormatReserves) {
    // Hand-worked from the desktop entry rules: \ → \\ (quoting) → \\\\ (string escape).
    EXPECT_EQ(Launchers::QuoteExec(QStringLiteral("/a b/c")), QStringLiteral("\"/a b/c\""));
    EXPECT_EQ(Launchers::QuoteExec(QStringLiteral("/a\"$`/c")),
              QStringLiteral("\"/a\\\\\"\\\\$\\\\`/c\""));
    EXPECT_EQ(Launchers::QuoteExec(QStringLiteral("/a\\b")), QStringLiteral("\"/a\\\\\\\\b\""));
    EXPECT_EQ(Launchers::QuoteExec(QStringLiteral("/100%")), QStringLiteral("\"/100%%\""));
}

TEST(LaunchersExec, StringValuesEscapeLineBreaks) {
    // A folder name with a line break would otherwise start a key of its own.
    EXPECT_EQ(Launchers::EscapeValue(QStringLiteral("/a\nExec=x\\y\tz")),
              QStringLiteral("/a\\nExec=x\\\\y\\tz"));
}

}  // namespace

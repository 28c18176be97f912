// The launchers carry the program's own icon, installed beside it.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include "app/Launchers.h"

namespace {

TEST(LauncherIcon, TheInstalledIconIsNamedAndReadable) {
    const QString icon = QStringLiteral(ORIMAKI_BIN "/orimaki.png");
    ASSERT_TRUE(QFileInfo::exists(icon))
        << "the icon is copied beside the program by the orimaki_resources target";
    const QImage image(icon);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), image.height());
    EXPECT_GE(image.width(), 48);
    const QString entry = Launchers::DesktopEntry(QStringLiteral(ORIMAKI_BIN "/orimaki"));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nIcon=") + icon + QLatin1Char('\n')));
}

TEST(LauncherIcon, AProgramWithoutIconGetsTheDesktopsEditorIcon) {
    QTemporaryDir dir;
    const QString entry = Launchers::DesktopEntry(dir.filePath(QStringLiteral("orimaki")));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nIcon=accessories-text-editor\n")));
}

}  // namespace

namespace {

// A program installed under a prefix (a temporary folder) on the search path: the launcher
// names it and its theme icon, not the folder it was found in.
TEST(LauncherIcon, AnInstalledProgramIsNamedWithItsThemeIcon) {
    QTemporaryDir prefix;
    ASSERT_TRUE(QDir().mkpath(prefix.filePath(QStringLiteral("bin"))));
    ASSERT_TRUE(
        QDir().mkpath(prefix.filePath(QStringLiteral("share/icons/hicolor/scalable/apps"))));
    const QString program = prefix.filePath(QStringLiteral("bin/orimaki"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(ORIMAKI_BIN "/orimaki"), program));
    QFile icon(prefix.filePath(QStringLiteral("share/icons/hicolor/scalable/apps/orimaki.svg")));
    ASSERT_TRUE(icon.open(QIODevice::WriteOnly));
    icon.write("<svg xmlns=\"http://www.w3.org/2000/svg\"/>");
    icon.close();

    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", prefix.filePath(QStringLiteral("bin")).toLocal8Bit() + ":" + oldPath);
    const QString entry = Launchers::DesktopEntry(program);
    qputenv("PATH", oldPath);
    EXPECT_TRUE(entry.contains(QStringLiteral("\nExec=orimaki %f\n"))) << entry.toStdString();
    EXPECT_TRUE(entry.contains(QStringLiteral("\nIcon=orimaki\n"))) << entry.toStdString();
    EXPECT_FALSE(entry.contains(prefix.path())) << entry.toStdString();

    // Not on the search path: the full path, so that the launcher still starts this program.
    const QString hidden = Launchers::DesktopEntry(program);
    EXPECT_TRUE(hidden.contains(QStringLiteral("\nExec=\"") + program + QStringLiteral("\" %f\n")))
        << hidden.toStdString();
}

}  // namespace

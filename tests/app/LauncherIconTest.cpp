// The launchers carry the program's own icon, installed beside it.

#include <gtest/gtest.h>

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

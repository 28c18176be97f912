// The toolkit's own texts in Japanese: the buttons of the close question read はい / いいえ.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>

#include "app/OrimakiStartup.h"

namespace {

TEST(ToolkitTranslation, MessageBoxButtonsAreJapanese) {
    const QDir dir(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (!dir.exists(QStringLiteral("qtbase_ja.qm"))) GTEST_SKIP() << "no Japanese Qt translation";
    ASSERT_TRUE(OrimakiStartup::InstallToolkitTranslation());
    EXPECT_TRUE(OrimakiStartup::InstallToolkitTranslation());  // once is enough
    QMessageBox box(QMessageBox::Information, QStringLiteral("オリマキ"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().contains(QStringLiteral("はい")));
    EXPECT_TRUE(box.button(QMessageBox::No)->text().contains(QStringLiteral("いいえ")));
    EXPECT_TRUE(box.button(QMessageBox::Cancel)->text().contains(QStringLiteral("キャンセル")));
}

}  // namespace

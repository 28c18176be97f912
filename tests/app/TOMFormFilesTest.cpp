// The document commands, the address bar, dropped files and the options command inside the
// real main window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include "MainWindowTestSupport.h"
#include "app/DocumentFiles.h"
#include "app/TOMForm.h"
#include "controls/MessageService.h"
#include "controls/TRichEditEx.h"
#include "options/LauncherLocation.h"

namespace {

// The shared main-window fixture (own settings store, temporary current folder, answered
// message boxes) with helpers for files in that folder.
class MainWindowFiles : public MainWindowTest {
protected:
    QString path(const QString& name) const { return cwd_.filePath(name); }
    void Write(const QString& name, const QByteArray& bytes) {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void DropFiles(const QStringList& names) {
        QMimeData mime;
        QList<QUrl> urls;
        for (const QString& n : names) urls << QUrl::fromLocalFile(n);
        mime.setUrls(urls);
        // As a desktop drag arrives: enter (which must be accepted), then the drop.
        QWidget* target = form_->RichEditEx1();
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
    }
    QToolButton* Button(const char* name) {
        return form_->findChild<QToolButton*>(QString::fromLatin1(name));
    }
};

TEST_F(MainWindowFiles, CommandLineOpensTheFileAndAppliesItsAddress) {
    Write(QStringLiteral("猫.txt"), "\x8C\xE1\x94\x79\r\n");  // 吾輩
    TOMForm* f = Start({path(QStringLiteral("猫.txt"))});
    EXPECT_EQ(f->Document()->toPlainText(), QStringLiteral("吾輩\n"));
    EXPECT_EQ(f->documentPath, path(QStringLiteral("猫.txt")));
    EXPECT_EQ(f->savedPath, f->documentPath);
    EXPECT_EQ(f->AddressEdit()->text(), f->documentPath);
    EXPECT_EQ(f->windowTitle(), QStringLiteral("猫.txt - オリマキ９９"));
    EXPECT_EQ(TOMForm::ApplicationTitle(), QStringLiteral("猫.txt"));
    EXPECT_EQ(Button("ExtCuBtn")->text(), QStringLiteral(".rtf"));
    EXPECT_FALSE(f->Document()->isModified());
    EXPECT_FALSE(f->Action("SaveM")->isEnabled());
}

TEST_F(MainWindowFiles, CaptionNamesAnEncodingOtherThanShiftJis) {
    Write(QStringLiteral("u.txt"), "\xE7\x8C\xAB\n");
    TOMForm* f = Start({path(QStringLiteral("u.txt"))});
    EXPECT_EQ(f->windowTitle(), QStringLiteral("u.txt [UTF-8 LF] - オリマキ９９"));
}

TEST_F(MainWindowFiles, TypingAFullPathRenamesAndOffersTheSave) {
    TOMForm* f = Start();
    f->AddressEdit()->setFocus();
    f->AddressEdit()->setText(path(QStringLiteral("novel.rtf")));
    QTest::keyClick(f->AddressEdit(), Qt::Key_Return);
    EXPECT_EQ(f->documentPath, path(QStringLiteral("novel.rtf")));
    EXPECT_EQ(f->windowTitle(), QStringLiteral("novel.rtf - オリマキ９９"));
    EXPECT_EQ(Button("ExtCuBtn")->text(), QStringLiteral(".wri"));
    EXPECT_TRUE(f->Document()->isModified());
    EXPECT_TRUE(f->Action("SaveM")->isEnabled());
    // The extension button then cycles the document's own name.
    Button("ExtCuBtn")->click();
    EXPECT_EQ(f->documentPath, path(QStringLiteral("novel.wri")));
    Button("ExtCuBtn")->click();
    EXPECT_EQ(f->documentPath, path(QStringLiteral("novel.txt")));
}

TEST_F(MainWindowFiles, OneDroppedFileOpensTwoDoNothing) {
    Write(QStringLiteral("a.txt"), "a");
    Write(QStringLiteral("b.txt"), "b");
    TOMForm* f = Start();
    DropFiles({path(QStringLiteral("a.txt")), path(QStringLiteral("b.txt"))});
    EXPECT_TRUE(f->Document()->toPlainText().isEmpty());
    EXPECT_TRUE(MessageService::History().isEmpty());
    DropFiles({path(QStringLiteral("b.txt"))});
    EXPECT_EQ(f->Document()->toPlainText(), QStringLiteral("b"));
    EXPECT_EQ(f->documentPath, path(QStringLiteral("b.txt")));
    EXPECT_EQ(f->windowTitle(), QStringLiteral("b.txt - オリマキ９９"));
}

TEST_F(MainWindowFiles, OptionsCommandAppliesTheLibrarysResults) {
    if (!QFileInfo::exists(QStringLiteral(ORIMAKI_BIN "/libDllDialog.so")))
        GTEST_SKIP() << "libDllDialog.so is not built";
    QFile::remove(LauncherLocation::SendToLauncher());
    QFile::remove(LauncherLocation::DesktopLauncher());
    TOMForm* f = Start();
    f->documentPath = path(QStringLiteral("memo.rtf"));
    QTimer::singleShot(50, [] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(d);
        d->findChild<QComboBox*>(QStringLiteral("DocExtCB"))->setCurrentText(".txt");
        d->findChild<QComboBox*>(QStringLiteral("NewFileExtCB"))->setCurrentText(".rtf");
        d->findChild<QCheckBox*>(QStringLiteral("SendToChk"))->setChecked(true);
        d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    f->ShowOptionMClick();
    EXPECT_EQ(f->documentPath, path(QStringLiteral("memo.txt")));
    EXPECT_EQ(f->AddressEdit()->text(), path(QStringLiteral("memo.txt")));
    EXPECT_EQ(f->newFileExt, QStringLiteral(".rtf"));
    EXPECT_TRUE(QFileInfo::exists(LauncherLocation::SendToLauncher()));
    EXPECT_FALSE(QFileInfo::exists(LauncherLocation::DesktopLauncher()));
    QFile::remove(LauncherLocation::SendToLauncher());
}

}  // namespace

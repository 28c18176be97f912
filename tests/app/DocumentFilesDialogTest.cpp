// The real save dialog of save as: it opens on the all-files entry with the document's own
// name, so pressing Save at once writes the file the user sees and not "memo.*".

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include "app/DocumentFiles.h"
#include "controls/MessageService.h"

namespace {

struct DialogCase {
    const char* name;         // the document's file name
    const char* otherFilter;  // a filter the user picks and leaves again ("" = none)
};

class SaveDialogName : public ::testing::TestWithParam<DialogCase> {};

TEST_P(SaveDialogName, OpensWithTheDocumentsOwnNameAndSavesUnderIt) {
    const DialogCase& p = GetParam();
    MessageService::ClearHistory();
    MessageService::SetResponder([](const MessageService::Record& r) {
        ADD_FAILURE() << "unexpected message box: " << r.text.toStdString();
        return QMessageBox::Cancel;
    });
    QTemporaryDir dir;
    QTextDocument doc;
    DocumentFiles files(&doc, nullptr);
    const QString path = dir.filePath(QString::fromUtf8(p.name));
    files.setDocumentPath(path);
    QTextCursor(&doc).insertText(QStringLiteral("本文"));

    QString shownName, filterShown, nameAfterReturn;
    bool seen = false;
    QTimer::singleShot(100, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        seen = true;
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_TRUE(edit);
        shownName = edit->text();
        filterShown = dialog->selectedNameFilter();
        if (*p.otherFilter) {
            // The user looks at another file type and comes back to all files.
            auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            ASSERT_TRUE(types);
            const int other = types->findText(QString::fromUtf8(p.otherFilter));
            ASSERT_GE(other, 0);
            types->setCurrentIndex(other);
            emit types->activated(other);
            emit types->textActivated(types->itemText(other));
            const int all = types->findText(QStringLiteral("すべてのファイル(*.*)"));
            types->setCurrentIndex(all);
            emit types->activated(all);
            emit types->textActivated(types->itemText(all));
            nameAfterReturn = edit->text();
        }
        QMetaObject::invokeMethod(dialog, "accept");
    });
    EXPECT_EQ(files.SaveAs(), DocumentFiles::WriteResult::Written);
    ASSERT_TRUE(seen);
    EXPECT_EQ(shownName, QString::fromUtf8(p.name));
    EXPECT_EQ(filterShown, QStringLiteral("すべてのファイル(*.*)"));
    if (*p.otherFilter) {
        EXPECT_EQ(nameAfterReturn, QString::fromUtf8(p.name));
    }
    EXPECT_EQ(files.documentPath(), path);
    EXPECT_TRUE(QFileInfo(path).isFile());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QString::fromUtf8(p.name)});
    MessageService::SetResponder({});
}

INSTANTIATE_TEST_SUITE_P(Names, SaveDialogName,
                         ::testing::Values(DialogCase{"memo.txt", ""},
                                           DialogCase{"新規文書(2).wri", ""},
                                           DialogCase{"tutor.ja.utf-8", ""},
                                           DialogCase{"README", ""},
                                           DialogCase{"memo.rtf", "テキストファイル(*.txt)"}));

}  // namespace

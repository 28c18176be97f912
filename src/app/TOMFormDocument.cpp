// The document commands of the main window: new, open, save, save as and the document named on
// the command line, carried out by DocumentFiles on the window's document.

#include <QLineEdit>
#include <QTextDocument>

#include "app/DocumentFiles.h"
#include "app/TOMForm.h"
#include "controls/TRichEditEx.h"

void TOMForm::InstallFileCommands() {
    files_ = new DocumentFiles(doc_, this, this);
    files_->BindState(&documentPath, &savedPath, &newFileExt);
    DocumentFiles::Hooks& h = files_->hooks();
    h.clearViews = [this] {
        splitTopBottom = splitLeftRight = false;
        ApplySplit();
        for (TRichEditEx* v : {view1_, view2_}) {
            v->SetHideScrollBars(true);
            v->SetHideScrollBars(false);
        }
        ReapplySelectionBar();
        SelectionSync();
        ResetUndo();
        SelectionRefresh();
        StateRefresh();
    };
    h.showAddress = [this](const QString& path) { addressEdit_->setText(path); };
    h.commandEnabling = [this] { CommandEnabling(); };
    h.loaded = [this] {
        ResetUndo();
        StateRefresh();
    };
    h.raiseWindow = [this] {
        raise();
        activateWindow();
    };
    h.defaultFormat = [this] {
        QTextCharFormat f;
        f.setFontFamilies({defaultFontName});
        f.setFontPointSize(defaultFontSize);
        f.setForeground(TRichEditEx::ToQColor(defaultFontColor));
        f.setFontWeight(QFont::Normal);
        f.setFontItalic(false);
        f.setFontUnderline(false);
        f.setFontStrikeOut(false);
        f.setProperty(kCharsetProperty, kShiftJisCharset);
        return f;
    };
    connect(Command("NewFileM"), &QAction::triggered, this, &TOMForm::NewFileMClick);
    connect(Command("OpenM"), &QAction::triggered, files_, &DocumentFiles::Open);
    connect(Command("SaveM"), &QAction::triggered, files_, [this] { files_->Save(); });
    connect(Command("SaveAsM"), &QAction::triggered, this, &TOMForm::SaveAsMClick);
    for (const char* n : {"NewFileM", "OpenM", "SaveAsM"})
        EnableCommand(QString::fromUtf8(n), true);
}

void TOMForm::NewFileMClick() {
    files_->NewFile();
}

void TOMForm::SaveAsMClick() {
    files_->SaveAs();
}

void TOMForm::LoadFile() {
    files_->Load();
}

void TOMForm::CommandEnabling() {
    // Save and undo follow the modified flag (nothing to undo in a document as it was read or
    // written).
    EnableCommand(QStringLiteral("SaveM"), doc_->isModified());
    if (ring_) EnableCommand(QStringLiteral("UndoM"), doc_->isModified());
}

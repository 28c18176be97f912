// The options command (through the options library) and the help command.

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QLineEdit>
#include <QUrl>

#include "app/DocumentFiles.h"
#include "app/Launchers.h"
#include "app/OptionsLibrary.h"
#include "app/TOMForm.h"
#include "controls/ColorListLoader.h"
#include "controls/MessageService.h"
#include "controls/TColorLookupComboBox.h"
#include "controls/TRichEditEx.h"
#include "core/DataLocation.h"
#include "core/DocumentPath.h"
#include "editing/TAddressBar.h"

void TOMForm::InstallOptionsCommands() {
    // A close asked for while the window was being shown for the first time (the colour lists
    // are missing at start-up) is carried out once the window is up.
    connect(this, &TOMForm::Shown, this, [this] {
        startUpDone_ = true;
        if (closeAfterStartUp_)
            QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    });
    if (QAction* a = Command("ShowOptionM")) {
        connect(a, &QAction::triggered, this, &TOMForm::ShowOptionMClick);
        EnableCommand(QStringLiteral("ShowOptionM"), true);
    }
    if (QAction* a = Command("Contents1")) {
        connect(a, &QAction::triggered, this, &TOMForm::Contents1Click);
        EnableCommand(QStringLiteral("Contents1"), true);
    }
}

void TOMForm::ShowOptionMClick() {
    OptionsLibrary::Values v;
    v.fontName = defaultFontName;
    v.fontSize = defaultFontSize;
    v.fontColor = defaultFontColor;
    v.newFileExt = newFileExt;
    v.documentExt = QString::fromStdString(DocumentPath::Extension(documentPath.toStdString()));
    v.backColor = active_ ? active_->Color() : clWhite;
    v.colorFileType = static_cast<quint8>(colorFileType);
    v.programFile = QCoreApplication::applicationFilePath();
    v.sendToWanted = true;
    v.desktopWanted = false;
    v.tabOption = tabOption;
    if (!OptionsLibrary::Call(v, this)) return;  // no library: nothing to do

    OptionsLibrary::Appliers a;
    a.defaultFont = [this](const QString& name, int size, TColor color) {
        defaultFontName = name;
        defaultFontSize = size;
        defaultFontColor = color;
    };
    a.newFileExt = [this](const QString& ext) { newFileExt = ext; };
    a.documentExt = [this](const QString& ext) {
        documentPath = QString::fromStdString(
            DocumentPath::ChangeExtension(documentPath.toStdString(), ext.toStdString()));
        if (auto* bar = findChild<TAddressBar*>(QStringLiteral("AddressBar")))
            bar->ShowAddress(documentPath);
        else if (addressEdit_)
            addressEdit_->setText(documentPath);
    };
    a.backColor = [this](TColor color) {
        for (TRichEditEx* view : {view1_, view2_})
            if (view) view->SetColor(color);
    };
    a.colorFileType = [this](quint8 type) {
        colorFileType = type;
        LoadColorList();
    };
    a.launchers = [this, program = v.programFile](bool sendTo, bool desktop) {
        QString error;
        if (!Launchers::Apply(sendTo, desktop, program, &error))
            MessageService::Show(this, QMessageBox::Critical, QStringLiteral("エラー表示"), error,
                                 QMessageBox::Ok);
    };
    a.tabOption = [this](int tab) { tabOption = tab; };
    OptionsLibrary::Apply(v, a);
}

void TOMForm::LoadColorList() {
    auto* box = findChild<TColorLookupComboBox*>(QStringLiteral("FontColorCLCB"));
    if (!box) return;
    // OK to the missing-lists message ends the application: the close (with its own question
    // about unsaved changes) runs once the current command or the first showing has finished.
    const QString folder =
        colorListFolder.isEmpty() ? ColorListLoader::DefaultFolder() : colorListFolder;
    ColorListLoader::Load(box, colorFileType, folder, this, [this] {
        if (startUpDone_)
            QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
        else
            closeAfterStartUp_ = true;
    });
}

void TOMForm::Contents1Click() {
    // The help beside the program in the build tree, in the data folder once installed; a
    // failure to open it is not reported.
    const QString help = QString::fromStdString(
        DataLocation::ForProgram(QCoreApplication::applicationDirPath().toStdString())
            .DataPath("Help/index.html"));
    QDesktopServices::openUrl(QUrl::fromLocalFile(help));
}

// The address bar of the main window (address box, folder and desktop buttons, extension
// button, folder tree) and the files dropped on the editing panel.

#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTextDocument>
#include <QToolButton>

#include "app/DocumentFiles.h"
#include "app/TFileDropFilter.h"
#include "app/TOMForm.h"
#include "controls/TRichEditEx.h"
#include "editing/TAddressBar.h"

void TOMForm::InstallAddressCommands() {
    auto* folderTB = Button("AddressTB");
    auto* desktopTB = Button("ADeskTopTB");
    auto* extTB = Button("ExtCuBtn");
    if (!addressEdit_ || !folderTB || !desktopTB || !extTB) return;
    auto* bar = new TAddressBar(this, addressEdit_, folderTB, desktopTB, extTB);
    bar->setObjectName(QStringLiteral("AddressBar"));
    TAddressBar::Hooks& h = bar->hooks();
    h.documentPath = [this] { return documentPath; };
    h.setDocumentPath = [this](const QString& p) { documentPath = p; };
    h.markModified = [this] {
        doc_->setModified(true);
        CommandEnabling();
    };
    h.focusActiveView = [this] {
        if (active_) active_->setFocus();
    };
    h.editPanelHeight = [this] { return editPanel_ ? editPanel_->height() : height(); };
    h.captionSuffix = [this] { return files_ ? files_->encodingLabel() : QString(); };
    h.programFolder = [] { return QCoreApplication::applicationDirPath(); };
    h.setApplicationTitle = [](const QString& title) { SetApplicationTitle(title); };
    // The document commands show their path in the box and apply it.
    if (files_) {
        files_->hooks().showAddress = [bar](const QString& path) { bar->ShowAddress(path); };
        // Files dropped on the editing panel: exactly one is opened. The panel takes drops so
        // that a drop on any part of it (not only on a view's text) reaches the filter.
        if (editPanel_) editPanel_->setAcceptDrops(true);
        qApp->installEventFilter(new TFileDropFilter(
            editPanel_, [this](const QStringList& names) { files_->Drop(names); }, this));
    }
}

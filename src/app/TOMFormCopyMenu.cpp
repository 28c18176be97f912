// The copy menu PopupMenu3 of the font bar and the address box: it copies what the control
// shows (a font name, a size, a colour name, the address), a colour as #RRGGBB, sets the
// editor's background colour from the colour button and pastes into the address box.

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QToolButton>

#include "app/TOMForm.h"
#include "controls/MessageService.h"
#include "controls/TColorLookupComboBox.h"
#include "controls/TRichEditEx.h"
#include "core/ColorValue.h"

void TOMForm::InstallCopyMenuCommands() {
    connect(Command("FNCACopyPop"), &QAction::triggered, this, &TOMForm::FNCACopyPopClick);
    connect(Command("RGBCopyPop"), &QAction::triggered, this, &TOMForm::RGBCopyPopClick);
    connect(Command("BGColorPop"), &QAction::triggered, this, &TOMForm::BGColorPopClick);
    connect(Command("AddressPastePop"), &QAction::triggered, this, &TOMForm::AddressPastePopClick);
    for (const char* n : {"FNCACopyPop", "RGBCopyPop", "BGColorPop", "AddressPastePop"})
        EnableCommand(QString::fromUtf8(n), true);
    InstallRuler();
}

void TOMForm::PopupMenu3Popup(QWidget* source) {
    copyMenuSource_ = source;
    QAction* copy = Command("FNCACopyPop");
    QAction* rgb = Command("RGBCopyPop");
    QAction* background = Command("BGColorPop");
    QAction* paste = Command("AddressPastePop");
    copy->setVisible(true);
    for (QAction* a : {rgb, background, paste}) a->setVisible(false);
    if (source == fontNameCB_) {
        copy->setText(QStringLiteral("フォント名コピー"));
    } else if (source == fontSizeCB_) {
        copy->setText(QStringLiteral("サイズコピー"));
    } else if (source == fontColorCLCB_) {
        copy->setText(QStringLiteral("色名コピー"));
        rgb->setVisible(true);
    } else if (source == addressEdit_) {
        copy->setText(QStringLiteral("アドレスコピー"));
        paste->setVisible(true);
    } else if (source == cuteBtn_) {
        copy->setVisible(false);
        background->setVisible(true);
    }
}

void TOMForm::ShowCopyMenu(QWidget* source, const QPoint& globalPos) {
    PopupMenu3Popup(source);
    popups_[2]->exec(globalPos);
}

void TOMForm::CopyText(const QString& text) {
    QApplication::clipboard()->setText(text);
}

void TOMForm::FNCACopyPopClick() {
    QWidget* source = copyMenuSource_;
    if (source == addressEdit_) {
        addressEdit_->selectAll();
        addressEdit_->copy();
    } else if (source == fontNameCB_) {
        // The chosen name; a name typed into the box and not chosen yet is what it shows.
        const int i = fontNameCB_->currentIndex();
        const QString name = i >= 0 ? fontNameCB_->itemText(i) : fontNameCB_->currentText();
        if (!name.isEmpty()) CopyText(name);
    } else if (source == fontSizeCB_) {
        // What the size box's edit field holds, also a size the list does not have.
        const QString size = fontSizeCB_->currentText();
        if (!size.isEmpty()) CopyText(size);
    } else if (source == fontColorCLCB_) {
        // The listed name of the chosen colour; with no colour chosen the clipboard keeps
        // what it had.
        const int i = fontColorCLCB_->currentIndex();
        if (i >= 0) CopyText(fontColorCLCB_->itemText(i));
    }
    active_->setFocus();
}

void TOMForm::RGBCopyPopClick() {
    // The colour box's colour as "#" and red, green and blue in two capital hexadecimal digits
    // each; a system colour gives the colour it stands for now.
    const TColor c = fontColorCLCB_->color();
    if (c != clNone) CopyText(QString::fromStdString(ColorToHtml(c, true)));
    active_->setFocus();
}

void TOMForm::BGColorPopClick() {
    const auto answer = MessageService::Show(
        this, QMessageBox::Warning, QStringLiteral("警告"),
        QStringLiteral("エディタのバックグラウンドカラーを変更します\nよろしいですか？"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer == QMessageBox::Yes) {
        // The views' colour, not the document's: nothing to undo or save.
        view1_->SetColor(cuteColor_);
        view2_->SetColor(cuteColor_);
    }
    active_->setFocus();
}

void TOMForm::AddressPastePopClick() {
    // An address is one line: the first line of the clipboard text that holds anything (text
    // copied with its line end, or several lines, gives the address alone).
    QString line;
    for (const QString& l :
         QApplication::clipboard()->text().split(QRegularExpression(QStringLiteral("[\r\n]")))) {
        if (!l.trimmed().isEmpty()) {
            line = l;
            break;
        }
    }
    addressEdit_->setFocus(Qt::PopupFocusReason);
    if (!line.isEmpty()) addressEdit_->insert(line);
}

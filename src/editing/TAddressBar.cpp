#include "editing/TAddressBar.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include "core/AddressRules.h"
#include "core/DocumentPath.h"

TAddressBar::TAddressBar(QWidget* window, QLineEdit* addressEdit, QAbstractButton* addressTB,
                         QAbstractButton* desktopTB, QAbstractButton* extCuBtn)
    : QObject(window),
      window_(window),
      edit_(addressEdit),
      addressButton_(addressTB),
      desktopButton_(desktopTB),
      extButton_(extCuBtn) {
    edit_->setReadOnly(false);
    edit_->setEnabled(true);
    edit_->installEventFilter(this);
    for (QAbstractButton* b : {addressButton_, desktopButton_, extButton_}) b->setEnabled(true);
    connect(addressButton_, &QAbstractButton::clicked, this, [this] { AddressTBClick(false); });
    connect(desktopButton_, &QAbstractButton::clicked, this, [this] { AddressTBClick(true); });
    connect(extButton_, &QAbstractButton::clicked, this, [this] { ExtCuBtnClick(); });
    connect(edit_, &QLineEdit::textChanged, this, [this] { AddressEditChange(); });
}

QString TAddressBar::ProgramFolder() const {
    if (hooks_.programFolder) return hooks_.programFolder();
    return QCoreApplication::applicationDirPath();
}

bool TAddressBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched != edit_) return false;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            // The first click after entering the box selects the whole address; later clicks
            // place the caret.
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                const bool first = !clickSelect_;
                clickSelect_ = true;
                if (first) {
                    edit_->setFocus(Qt::MouseFocusReason);
                    edit_->selectAll();
                    return true;
                }
            }
            return false;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                AddressEditEnter();
                return true;
            }
            return false;
        }
        case QEvent::FocusOut:
            // Leaving the box means going to another control of the window. A context menu of
            // the box is not leaving it; nor is another window becoming active, the window
            // being closed, or the window being taken apart when the box is no longer shown
            // (the commands that applying the address would enable may be gone by then).
            if (const auto reason = static_cast<QFocusEvent*>(event)->reason();
                reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason &&
                edit_->isVisible())
                AddressEditExit();
            return false;
        default:
            return false;
    }
}

void TAddressBar::ApplyAddress() {
    const QString current = hooks_.documentPath ? hooks_.documentPath() : QString();
    const AddressRules::Result r = AddressRules::Apply(
        edit_->text().toStdString(), current.toStdString(), ProgramFolder().toStdString(),
        [](const std::string& p) { return QFileInfo(QString::fromStdString(p)).isDir(); });
    const QString path = QString::fromStdString(r.documentPath);
    if (hooks_.setDocumentPath && path != current) hooks_.setDocumentPath(path);
    {
        const QSignalBlocker block(edit_);
        edit_->setText(QString::fromStdString(r.boxText));
    }
    AddressEditChange();
    if (r.renamed) {
        const QString name = QString::fromStdString(DocumentPath::FileName(r.documentPath));
        const QString suffix = hooks_.captionSuffix ? hooks_.captionSuffix() : QString();
        if (window_) window_->setWindowTitle(name + suffix + QStringLiteral(" - オリマキ９９"));
        if (hooks_.setApplicationTitle)
            hooks_.setApplicationTitle(name);
        else if (window_)
            window_->setWindowIconText(name);
        extButton_->setText(QString::fromStdString(r.nextExtension));
    }
    if (r.applied && hooks_.markModified) hooks_.markModified();
}

void TAddressBar::ShowAddress(const QString& path) {
    {
        const QSignalBlocker block(edit_);
        edit_->setText(path);
    }
    ApplyAddress();
}

void TAddressBar::AddressEditChange() {
    // The tool tip names the document path, not what is being typed.
    const QString path = hooks_.documentPath ? hooks_.documentPath() : edit_->text();
    edit_->setToolTip(path);
    edit_->setStatusTip(QStringLiteral("編集中の文書のアドレスを表示します。"));
}

void TAddressBar::AddressEditEnter() {
    ApplyAddress();
    if (hooks_.focusActiveView) hooks_.focusActiveView();
}

void TAddressBar::AddressEditExit() {
    clickSelect_ = false;
    ApplyAddress();
    edit_->setCursorPosition(0);
    if (hooks_.focusActiveView && edit_->hasFocus()) hooks_.focusActiveView();
}

void TAddressBar::ExtCuBtnClick() {
    const QString current = hooks_.documentPath ? hooks_.documentPath() : edit_->text();
    const QString path = QString::fromStdString(
        DocumentPath::ChangeExtension(current.toStdString(), extButton_->text().toStdString()));
    if (hooks_.setDocumentPath) hooks_.setDocumentPath(path);
    ShowAddress(path);
    if (hooks_.focusActiveView) hooks_.focusActiveView();
}

void TAddressBar::AddressTBClick(bool desktop) {
    using Root = TFolderTreeViewEx::Root;
    const QString docPath = hooks_.documentPath ? hooks_.documentPath() : edit_->text();
    const QString docFolder = QString::fromStdString(DocumentPath::Folder(docPath.toStdString()));
    if (tree_) {
        if (!desktop && tree_->root() == Root::Desktop) {
            tree_->setRoot(Root::Drives);
            tree_->SelectFolder(docFolder);
        } else if (desktop && tree_->root() == Root::Drives) {
            tree_->setRoot(Root::Desktop);
            tree_->SelectFolder(docFolder);
        } else {
            CloseTree();
        }
        return;
    }
    QWidget* host = window_ ? window_ : edit_->window();
    auto* tree = new TFolderTreeViewEx(host);
    tree_ = tree;
    tree->setRoot(desktop ? Root::Desktop : Root::Drives);
    // Below the folder button, as wide as the address box.
    const QPoint topLeft =
        addressButton_->mapTo(host, QPoint(addressButton_->width(), addressButton_->height()));
    const int panel = hooks_.editPanelHeight ? hooks_.editPanelHeight() : host->height();
    const int height = panel >= 400 ? 400 : qMax(50, panel - 50);
    tree->setGeometry(topLeft.x(), topLeft.y(), qMax(edit_->width(), 120), height);
    connect(tree, &TFolderTreeViewEx::folderChanged, this,
            [this](const QString& p) { treeFolder_ = p; });
    connect(tree, &TFolderTreeViewEx::folderDoubleClicked, this,
            [this](const QString& p) { ShowAddress(p); });
    connect(tree, &TFolderTreeViewEx::enterPressed, this, [this] {
        if (!treeFolder_.isEmpty()) ShowAddress(treeFolder_);
        CloseTree();
    });
    connect(tree, &TFolderTreeViewEx::escapePressed, this, [this] { CloseTree(); });
    connect(tree, &TFolderTreeViewEx::focusLost, this, [this] { CloseTree(); });
    tree->SelectFolder(docFolder);
    tree->show();
    tree->raise();
    tree->setFocus(Qt::OtherFocusReason);
}

void TAddressBar::CloseTree() {
    if (!tree_) return;
    TFolderTreeViewEx* tree = tree_;
    tree_ = nullptr;
    tree->disconnect(this);
    tree->hide();
    tree->deleteLater();
    if (hooks_.focusActiveView) hooks_.focusActiveView();
}

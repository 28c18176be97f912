#include "editing/TAddressBar.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QStyle>
#include <QToolButton>

#include "core/AddressRules.h"
#include "core/DocumentPath.h"
#include "editing/TAddressEdit.h"

namespace {

QToolButton* MakeButton(QWidget* parent, const char* name, QStyle::StandardPixmap icon,
                        const QString& shortHint, const QString& longHint) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setIcon(parent->style()->standardIcon(icon));
    b->setAutoRaise(true);
    b->setFixedSize(28, 27);
    b->setToolTip(shortHint);
    b->setStatusTip(longHint);
    return b;
}

}  // namespace

TAddressBar::TAddressBar(QWidget* mainWindow)
    : QToolBar(QStringLiteral("アドレス"), mainWindow), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("ToolBar8"));
    setIconSize(QSize(20, 20));
    addressButton_ =
        MakeButton(this, "AddressTB", QStyle::SP_DirOpenIcon, QStringLiteral("フォルダ変更"),
                   QStringLiteral("編集中の文書のアドレスを変更します。"));
    desktopButton_ =
        MakeButton(this, "ADeskTopTB", QStyle::SP_DesktopIcon, QStringLiteral("デスクトップ"),
                   QStringLiteral("フォルダ変更をデスクトップ基準に行います。"));
    edit_ = new TAddressEdit(this);
    edit_->setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック")));
    edit_->setToolTip(QStringLiteral("アドレス"));
    edit_->setStatusTip(QStringLiteral("編集中の文書のアドレスを表示します。"));
    // The box takes all the width the three buttons leave.
    edit_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    extButton_ = new QToolButton(this);
    extButton_->setObjectName(QStringLiteral("ExtCuBtn"));
    extButton_->setText(QStringLiteral(".html"));
    extButton_->setAutoRaise(true);
    extButton_->setFixedWidth(40);
    extButton_->setToolTip(QStringLiteral("拡張子変更"));
    extButton_->setStatusTip(QStringLiteral("ファイル名の拡張子を変更します。"));
    addWidget(addressButton_);
    addWidget(desktopButton_);
    addWidget(edit_);
    addWidget(extButton_);

    connect(addressButton_, &QToolButton::clicked, this, [this] { AddressTBClick(false); });
    connect(desktopButton_, &QToolButton::clicked, this, [this] { AddressTBClick(true); });
    connect(extButton_, &QToolButton::clicked, this, [this] { ExtCuBtnClick(); });
    connect(edit_, &QLineEdit::textChanged, this, [this] { AddressEditChange(); });
    connect(edit_, &TAddressEdit::enterPressed, this, [this] { AddressEditEnter(); });
    connect(edit_, &TAddressEdit::left, this, [this] { AddressEditExit(); });
}

QString TAddressBar::ProgramFolder() const {
    if (hooks_.programFolder) return hooks_.programFolder();
    return QCoreApplication::applicationDirPath();
}

void TAddressBar::ApplyAddress() {
    const QString current = hooks_.documentPath ? hooks_.documentPath() : QString();
    const AddressRules::Result r = AddressRules::Apply(
        edit_->text().toStdString(), current.toStdString(), ProgramFolder().toStdString(),
        [](const std::string& p) { return QFileInfo(QString::fromStdString(p)).isDir(); });
    const QString path = QString::fromStdString(r.documentPath);
    if (hooks_.setDocumentPath && path != current) hooks_.setDocumentPath(path);
    const QSignalBlocker block(edit_);
    edit_->setText(QString::fromStdString(r.boxText));
    AddressEditChange();
    if (r.renamed) {
        const QString name = QString::fromStdString(DocumentPath::FileName(r.documentPath));
        const QString suffix = hooks_.captionSuffix ? hooks_.captionSuffix() : QString();
        if (mainWindow_) {
            mainWindow_->setWindowTitle(name + suffix + QStringLiteral(" - オリマキ９９"));
            // The application title: what the task bar shows for the program.
            mainWindow_->setWindowIconText(name);
        }
        QCoreApplication::instance()->setProperty("applicationTitle", name);
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
    const QString path = hooks_.documentPath ? hooks_.documentPath() : edit_->text();
    // The tool tip names the document path, not what is being typed.
    edit_->setToolTip(path);
    edit_->setStatusTip(QStringLiteral("編集中の文書のアドレスを表示します。"));
}

void TAddressBar::AddressEditEnter() {
    ApplyAddress();
    if (hooks_.focusActiveView) hooks_.focusActiveView();
}

void TAddressBar::AddressEditExit() {
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
    if (tree_) {
        if (!desktop && tree_->root() == Root::Desktop) {
            tree_->setRoot(Root::Drives);
            tree_->SelectFolder(QFileInfo(edit_->text()).path());
        } else if (desktop && tree_->root() == Root::Drives) {
            tree_->setRoot(Root::Desktop);
            tree_->SelectFolder(QFileInfo(edit_->text()).path());
        } else {
            CloseTree();
        }
        return;
    }
    QWidget* host = mainWindow_ ? mainWindow_ : window();
    auto* tree = new TFolderTreeViewEx(host);
    tree_ = tree;
    tree->setRoot(desktop ? Root::Desktop : Root::Drives);
    const QPoint topLeft = mapTo(host, QPoint(addressButton_->geometry().right() + 1,
                                              addressButton_->geometry().bottom() + 1));
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
    const QString docPath = hooks_.documentPath ? hooks_.documentPath() : edit_->text();
    tree->SelectFolder(QString::fromStdString(DocumentPath::Folder(docPath.toStdString())));
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

#include "controls/TFolderTreeViewEx.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStandardPaths>
#include <QTimer>

TFolderTreeViewEx::TFolderTreeViewEx(QWidget* parent)
    : QTreeView(parent), model_(new QFileSystemModel(this)) {
    setObjectName(QStringLiteral("AddressFolderTree"));
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::Drives);
    model_->setReadOnly(true);
    setModel(model_);
    for (int c = 1; c < model_->columnCount(); ++c) hideColumn(c);
    header()->hide();
    setContextMenuPolicy(Qt::NoContextMenu);
    setDragEnabled(false);
    setAcceptDrops(false);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setExpandsOnDoubleClick(false);
    setRoot(Root::Drives);
    // Folders are read in the background: keep the asked-for folder in view as they arrive.
    connect(model_, &QFileSystemModel::directoryLoaded, this, [this](const QString& loaded) {
        if (pending_.isEmpty() || !(pending_ + QLatin1Char('/')).startsWith(loaded)) return;
        // After the model has sorted the new rows.
        QTimer::singleShot(30, this, [this] {
            if (pending_.isEmpty()) return;
            const QModelIndex index = model_->index(pending_);
            if (index.isValid()) scrollTo(index, QAbstractItemView::PositionAtCenter);
        });
    });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) emit folderChanged(model_->filePath(current));
            });
}

QString TFolderTreeViewEx::RootPath(Root root) {
    if (root == Root::Drives) return QStringLiteral("/");
    QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (desktop.isEmpty() || !QFileInfo(desktop).isDir()) desktop = QDir::homePath();
    return desktop;
}

void TFolderTreeViewEx::setRoot(Root root) {
    root_ = root;
    const QString path = RootPath(root);
    model_->setRootPath(path);
    setRootIndex(model_->index(path));
    pending_.clear();
}

void TFolderTreeViewEx::SelectFolder(const QString& path) {
    // The nearest existing folder at or above the path.
    QString folder = QDir::cleanPath(path);
    while (folder.size() > 1 && !QFileInfo(folder).isDir()) {
        const int slash = folder.lastIndexOf(QLatin1Char('/'));
        folder = slash <= 0 ? QStringLiteral("/") : folder.left(slash);
    }
    QString root = RootPath(root_);
    if (!root.endsWith(QLatin1Char('/'))) root += QLatin1Char('/');
    if (!(folder + QLatin1Char('/')).startsWith(root)) return;  // not under this root
    const QModelIndex index = model_->index(folder);
    if (!index.isValid() || index == rootIndex()) return;
    for (QModelIndex p = index.parent(); p.isValid() && p != rootIndex(); p = p.parent()) expand(p);
    setCurrentIndex(index);
    scrollTo(index, QAbstractItemView::PositionAtCenter);
    pending_ = folder;
}

QString TFolderTreeViewEx::selectedFolder() const {
    const QModelIndex index = currentIndex();
    return index.isValid() ? model_->filePath(index) : QString();
}

void TFolderTreeViewEx::mousePressEvent(QMouseEvent* event) {
    pending_.clear();  // the user takes over
    QTreeView::mousePressEvent(event);
}

void TFolderTreeViewEx::keyPressEvent(QKeyEvent* event) {
    pending_.clear();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit enterPressed();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        emit escapePressed();
        return;
    }
    QTreeView::keyPressEvent(event);
}

void TFolderTreeViewEx::focusOutEvent(QFocusEvent* event) {
    QTreeView::focusOutEvent(event);
    // A pop-up of the tree's own (none here) would not count as leaving it.
    if (event->reason() != Qt::PopupFocusReason) emit focusLost();
}

void TFolderTreeViewEx::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeView::mouseDoubleClickEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid()) emit folderDoubleClicked(model_->filePath(index));
}

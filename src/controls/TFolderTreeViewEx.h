#pragma once
// The drop-down folder tree of the address bar: a QTreeView over the file system's folders
// (no files, hidden folders included), rooted at "/" (the drives) or at the desktop folder.
// It reports the selected folder when the selection changes and when a folder is
// double-clicked, and tells its owner about Enter, Escape and the loss of focus.

#include <QString>
#include <QTreeView>

class QFileSystemModel;

class TFolderTreeViewEx : public QTreeView {
    Q_OBJECT
public:
    enum class Root { Drives, Desktop };

    explicit TFolderTreeViewEx(QWidget* parent = nullptr);

    Root root() const { return root_; }
    void setRoot(Root root);
    // The folder the root stands for: "/" or the desktop folder.
    static QString RootPath(Root root);

    // Selects the folder (or the nearest existing folder above it) and scrolls it into view.
    void SelectFolder(const QString& path);
    QString selectedFolder() const;

signals:
    void folderChanged(const QString& path);
    void folderDoubleClicked(const QString& path);
    void enterPressed();
    void escapePressed();
    void focusLost();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QFileSystemModel* model_;
    Root root_ = Root::Drives;
    // The folder asked for by SelectFolder, scrolled to again as its parents finish loading.
    QString pending_;
};

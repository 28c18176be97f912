#pragma once
// The address bar: shows the document path and lets the user change it by typing a folder, a
// file name or a full path, by picking a folder in the drop-down folder tree, or by cycling
// the extension with a button. It never touches a file: it only changes the path the next
// save uses and marks the document modified so that saving is offered.

#include <QPointer>
#include <QString>
#include <QToolBar>
#include <functional>

#include "controls/TFolderTreeViewEx.h"

class QToolButton;
class TAddressEdit;

class TAddressBar : public QToolBar {
    Q_OBJECT
public:
    struct Hooks {
        std::function<QString()> documentPath;
        std::function<void(const QString&)> setDocumentPath;
        // Marks the document modified and runs the command enabling.
        std::function<void()> markModified;
        // Gives the focus back to the active editing view.
        std::function<void()> focusActiveView;
        // Height of the editing panel (the tree is at most that less 50 pixels high).
        std::function<int()> editPanelHeight;
        // Text shown between the file name and " - オリマキ９９" (the plain-text encoding).
        std::function<QString()> captionSuffix;
        // Folder of the program file; the fallback of apply address.
        std::function<QString()> programFolder;
    };

    explicit TAddressBar(QWidget* mainWindow);

    Hooks& hooks() { return hooks_; }

    // Apply address: the box's text changes the document path by the address rules.
    void ApplyAddress();
    // The box shows the path and the address is applied.
    void ShowAddress(const QString& path);

    // Handlers, public so that menus and tests can run them.
    void AddressTBClick(bool desktop);
    void ExtCuBtnClick();
    void CloseTree();

    TAddressEdit* addressEdit() const { return edit_; }
    QToolButton* extensionButton() const { return extButton_; }
    QToolButton* addressButton() const { return addressButton_; }
    QToolButton* desktopButton() const { return desktopButton_; }
    TFolderTreeViewEx* folderTree() const { return tree_; }
    QString treeFolder() const { return treeFolder_; }

private:
    void AddressEditChange();
    void AddressEditExit();
    void AddressEditEnter();
    QString ProgramFolder() const;

    QWidget* mainWindow_;
    Hooks hooks_;
    QToolButton* addressButton_;
    QToolButton* desktopButton_;
    TAddressEdit* edit_;
    QToolButton* extButton_;
    QPointer<TFolderTreeViewEx> tree_;
    QString treeFolder_;
};

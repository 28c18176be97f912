#pragma once
// The address bar's behaviour: shows the document path and lets the user change it by typing
// a folder, a file name or a full path, by picking a folder in the drop-down folder tree, or by
// cycling the extension with a button. It never touches a file: it only changes the path the
// next save uses and marks the document modified so that saving is offered.
//
// It attaches to the bar's widgets wherever the main window built them: the address box, the
// folder button, the desktop button and the extension button.

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

#include "controls/TFolderTreeViewEx.h"

class QAbstractButton;
class QLineEdit;

class TAddressBar : public QObject {
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
        // The application title (what the task bar shows); default: the window's icon text.
        std::function<void(const QString&)> setApplicationTitle;
    };

    // window: the main window (caption, parent of the folder tree).
    TAddressBar(QWidget* window, QLineEdit* addressEdit, QAbstractButton* addressTB,
                QAbstractButton* desktopTB, QAbstractButton* extCuBtn);

    Hooks& hooks() { return hooks_; }

    // Apply address: the box's text changes the document path by the address rules.
    void ApplyAddress();
    // The box shows the path and the address is applied.
    void ShowAddress(const QString& path);

    // Handlers, public so that menus and tests can run them.
    void AddressTBClick(bool desktop);
    void ExtCuBtnClick();
    void CloseTree();

    QLineEdit* addressEdit() const { return edit_; }
    QAbstractButton* extensionButton() const { return extButton_; }
    TFolderTreeViewEx* folderTree() const { return tree_; }
    QString treeFolder() const { return treeFolder_; }
    bool clickSelect() const { return clickSelect_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AddressEditChange();
    void AddressEditExit();
    void AddressEditEnter();
    QString ProgramFolder() const;

    QWidget* window_;
    Hooks hooks_;
    QLineEdit* edit_;
    QAbstractButton* addressButton_;
    QAbstractButton* desktopButton_;
    QAbstractButton* extButton_;
    QPointer<TFolderTreeViewEx> tree_;
    QString treeFolder_;
    bool clickSelect_ = false;
};

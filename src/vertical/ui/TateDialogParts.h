#pragma once
// Pieces shared by the vertical HTML and vertical text dialogs: a number box whose own edit
// carries a name of its own, and the fixed, modal frame both dialogs have.

class QDialog;
class QSpinBox;
class QString;
class QWidget;

class TateDialogParts {
public:
    // A spin box named name, its edit named editName, taking lo … hi.
    static QSpinBox* Number(const char* name, const char* editName, int lo, int hi,
                            QWidget* parent);
    // A fixed-size modal dialog with a title and a close box, named name.
    static void FixedModalFrame(QDialog* dialog, const QString& name, const QString& title);
};

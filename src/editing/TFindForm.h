#pragma once
// TFindForm: the find dialog "検索ダイアログ". Modeless and always on top; it holds the search
// and replacement strings with their histories, the selection-only switch and the buttons.
//
// The dialog searches nothing itself: its buttons, its activation and its deactivation are
// signals that the main window answers (the window owns the find state and the views). The
// dialog only knows its two layouts: the find layout, and the replace layout that also shows
// Panel1 with the replacement string and the replace buttons.

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

class TFindForm : public QDialog {
    Q_OBJECT
public:
    enum class Layout { Find, Replace };
    // Client heights and the tops of SelectRangeChk and CancelBtn in the two layouts.
    static constexpr int kFindHeight = 150;
    static constexpr int kReplaceHeight = 236;
    static constexpr int kClientWidth = 396;

    explicit TFindForm(QWidget* parent = nullptr);

    void ApplyLayout(Layout layout);
    Layout CurrentLayout() const { return layout_; }

    QString FindText() const;
    void SetFindText(const QString& text);
    QString ReplaceText() const;
    bool SelectionOnly() const;
    void SetSelectionOnly(bool on);
    // True between the dialog's activation and its deactivation (hiding counts as one).
    bool IsDialogActive() const { return active_; }

    QComboBox* FindStringCB() const { return findCB_; }
    QComboBox* ReplaceStringCB() const { return replaceCB_; }
    QCheckBox* SelectRangeChk() const { return rangeChk_; }
    QPushButton* CancelBtn() const { return cancelBtn_; }

    // Puts text at the top of a box's items; the text being edited in the box stays as it is.
    static void InsertOnTop(QComboBox* box, const QString& text);

signals:
    void Activated();
    void Deactivated();
    void FindNextPressed();
    void FindHeadPressed();
    void FindBackPressed();
    void ReplacePressed();
    void ReplaceAllPressed();
    void CancelPressed();
    // The dialog was moved to pos (its frame's top left), while shown.
    void Moved(const QPoint& pos);

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    // Escape presses the cancel button.
    void reject() override;

private:
    QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption, int top);
    QComboBox* AddBox(QWidget* parent, const char* name, int top);

    Layout layout_ = Layout::Find;
    bool active_ = false;
    QLabel* label1_ = nullptr;
    QComboBox* findCB_ = nullptr;
    QPushButton* findNextBtn_ = nullptr;
    QPushButton* findHeadBtn_ = nullptr;
    QPushButton* findBackBtn_ = nullptr;
    QCheckBox* rangeChk_ = nullptr;
    QPushButton* cancelBtn_ = nullptr;
    QWidget* panel1_ = nullptr;
    QLabel* label2_ = nullptr;
    QComboBox* replaceCB_ = nullptr;
    QPushButton* replaceBtn_ = nullptr;
    QPushButton* replaceNextBtn_ = nullptr;
    QPushButton* replaceAllBtn_ = nullptr;
};

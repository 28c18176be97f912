#pragma once
// The print preview window: page buttons, zoom buttons, "print now" and "end preview" over a
// preview of the pages, and a status bar whose first panel shows "page/pages ページ".
//
// Zoom is in percent; values below 2 or above 2000 are ignored, as are pages outside
// 1..page count (the page text is written all the same). Closing only hides the window, back in
// the normal state on page 1.

#include <QMainWindow>

class QLabel;
class QMenu;
class QPrintPreviewWidget;
class QPrinter;
class QPushButton;

class TPreviewForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TPreviewForm(QPrinter* printer, QWidget* parent = nullptr);

    QPrintPreviewWidget* Preview() const { return preview_; }
    QPushButton* ButtonNamed(const QString& name) const;
    QLabel* StatusPanel(int n) const;
    QMenu* PopupMenu() const { return popup_; }

    // The preview control's operations.
    void SetZoom(int percent);
    int Zoom() const;
    void ZoomToFit();
    void SetPage(int page);
    int Page() const;
    int PageCount() const;
    // Lays the pages out anew (the control asks for them through paintRequested).
    void UpdatePages();
    // "n/mページ" into the first status panel.
    void WritePageText();

    // The buttons' actions.
    void StartPageBtnClick();
    void LastPageBtnClick();
    void NextPageBtnClick();
    void EndPageBtnClick();
    void ZoomUpBitBtnClick();
    void ZoomDownBitBtnClick();
    void FitBitBtnClick();

signals:
    void PaintRequested(QPrinter* printer);
    void PrintNow();
    // Window coupling with the main window.
    void MovedNormal(const QPoint& topLeft);
    void ResizedActive(const QRect& geometry);
    void Minimised();
    void Closed();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void ProgressUpdate();
    QPushButton* AddButton(QWidget* row, const char* name, const QString& text);

    QPrintPreviewWidget* preview_ = nullptr;
    QMenu* popup_ = nullptr;
    QLabel* panels_[3] = {};
};

#pragma once
// Printing from the main window: the report (a printer set up with the paper, the margins and
// the layout of the text element), the preview window and its coupling with the main window,
// the printer setup and printing that leaves the window usable while the pages go out.
//
// The report and the preview window are made on first use and live until the main window
// goes. Both views show one document, so the pages are always those of the document as it
// stands; the preview lays them out anew each time it is shown.

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

class QPrintDialog;
class QPrinter;
class TOMForm;
class TPageRenderer;
class TPreviewForm;
class TPrintJob;
struct TReportLayout;

class TPrintCommands : public QObject {
    Q_OBJECT
public:
    explicit TPrintCommands(TOMForm* form);
    ~TPrintCommands() override;

    void PrintPrevMClick();
    void PrintDlgMClick();
    void PrintMClick();

    // What exists so far (tests, the window's own checks).
    QPrinter* Report() const { return printer_.get(); }
    TPreviewForm* Preview() const;
    TPageRenderer* Renderer() const { return renderer_.get(); }
    TPrintJob* Job() const;
    bool PreviewShown() const { return previewShown_; }
    const TReportLayout& Layout() const;

    // Tests: runs the printer setup dialog instead of exec() (returns its result).
    void SetPrintDialogHook(std::function<int(QPrintDialog&)> hook) {
        dialogHook_ = std::move(hook);
    }

signals:
    // A print job ended: ok, pages sent.
    void PrintFinished(bool ok, int pages);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void CreateReport();
    void ApplyLayoutRule();
    void PrepareSource();
    void PaintPages(QPrinter* printer);
    void StartJob(bool foreground);
    bool Vertical() const;

    TOMForm* form_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<TPageRenderer> renderer_;
    std::unique_ptr<TReportLayout> layout_;
    QPointer<TPreviewForm> preview_;
    QPointer<TPrintJob> job_;
    bool previewShown_ = false;
    std::function<int(QPrintDialog&)> dialogHook_;
};

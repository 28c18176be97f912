#pragma once
// One printing of a document that does not hold up the window: the document is copied when the
// job starts (edits made while it prints do not reach the pages), and the pages are laid out and
// sent to the printer one at a time between the window's events, with a progress window whose
// cancel button stops the job. A foreground job prints every page before it returns.

#include <QObject>
#include <QPointF>
#include <QTimer>
#include <memory>

class QPainter;
class QPrinter;
class QProgressDialog;
class QTextDocument;
class QWidget;
class TPageRenderer;

class TPrintJob : public QObject {
    Q_OBJECT
public:
    // The job prints on its own printer, set up like `settings` (printer or file, paper,
    // margins, copies, page range, document name).
    TPrintJob(const QTextDocument& document, bool vertical, const QPrinter& settings,
              QWidget* progressParent, QObject* parent = nullptr);
    ~TPrintJob() override;

    // Starts in the background; Finished follows.
    void Start();
    // Prints every page now, the progress window showing; true when all pages went out.
    bool RunForeground();
    void Cancel();

    int PageCount() const { return last_ - first_ + 1; }
    int PagesPrinted() const { return printed_; }
    bool Running() const { return running_; }
    QProgressDialog* Progress() const { return progress_; }

signals:
    void Finished(bool ok, int pages);

private:
    bool Begin();
    void PrintNext();
    void Finish(bool ok);

    std::unique_ptr<QTextDocument> doc_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<TPageRenderer> renderer_;
    std::unique_ptr<QPainter> painter_;
    QProgressDialog* progress_ = nullptr;
    QTimer timer_;
    QPointF elementTopLeftMm_;
    int first_ = 0;
    int last_ = -1;
    int next_ = 0;
    int printed_ = 0;
    bool running_ = false;
};

#include "print/ui/TPrintJob.h"

#include <QPainter>
#include <QPrinter>
#include <QProgressDialog>
#include <QTextDocument>
#include <algorithm>

#include "print/TPageRenderer.h"
#include "print/TPdfExport.h"
#include "print/TReportLayout.h"

TPrintJob::TPrintJob(const QTextDocument& document, bool vertical, const QPrinter& settings,
                     QWidget* progressParent, QObject* parent)
    : QObject(parent), doc_(document.clone()) {
    doc_->setDefaultFont(document.defaultFont());
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setOutputFormat(settings.outputFormat());
    if (settings.outputFormat() == QPrinter::NativeFormat)
        printer_->setPrinterName(settings.printerName());
    printer_->setOutputFileName(settings.outputFileName());
    printer_->setPageLayout(settings.pageLayout());
    printer_->setCopyCount(settings.copyCount());
    printer_->setCollateCopies(settings.collateCopies());
    printer_->setDocName(settings.docName());
    printer_->setCreator(settings.creator());
    printer_->setPrintRange(settings.printRange());
    printer_->setFromTo(settings.fromPage(), settings.toPage());
    printer_->setDuplex(settings.duplex());
    printer_->setColorMode(settings.colorMode());
    renderer_ = std::make_unique<TPageRenderer>(doc_.get(), vertical);
    const TReportLayout layout = TPdfExport::LayoutOf(printer_->pageLayout());
    renderer_->SetElementSize(QSizeF(layout.elementWidth, layout.elementHeight));
    elementTopLeftMm_ = QPointF(layout.elementLeft, layout.elementTop);
    progress_ = new QProgressDialog(QStringLiteral("印刷しています…"), QStringLiteral("キャンセル"),
                                    0, 1, progressParent);
    progress_->setWindowTitle(QStringLiteral("印刷"));
    progress_->setMinimumDuration(0);
    progress_->setAutoClose(false);
    progress_->setAutoReset(false);
    progress_->reset();
    connect(progress_, &QProgressDialog::canceled, this, &TPrintJob::Cancel);
    timer_.setSingleShot(false);
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, &TPrintJob::PrintNext);
}

TPrintJob::~TPrintJob() {
    timer_.stop();
    if (painter_ && painter_->isActive()) painter_->end();
    delete progress_;
}

bool TPrintJob::Begin() {
    const int count = renderer_->PageCount();
    first_ = 0;
    last_ = count - 1;
    if (printer_->printRange() == QPrinter::PageRange && printer_->fromPage() > 0) {
        first_ = std::min(count, printer_->fromPage()) - 1;
        last_ = std::min(count, std::max(printer_->fromPage(), printer_->toPage())) - 1;
    }
    next_ = first_;
    printed_ = 0;
    progress_->setRange(0, PageCount());
    progress_->setValue(0);
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get())) return false;
    running_ = true;
    return true;
}

void TPrintJob::Start() {
    progress_->show();
    if (!Begin()) {
        Finish(false);
        return;
    }
    timer_.start();
}

bool TPrintJob::RunForeground() {
    progress_->setWindowModality(Qt::ApplicationModal);
    progress_->show();
    if (!Begin()) {
        Finish(false);
        return false;
    }
    while (running_) PrintNext();
    return printed_ == PageCount();
}

void TPrintJob::PrintNext() {
    if (!running_) return;
    if (next_ > last_) {
        Finish(true);
        return;
    }
    if (!renderer_->PrintPage(*painter_, *printer_, next_, next_ == first_, elementTopLeftMm_)) {
        Finish(false);
        return;
    }
    ++next_;
    ++printed_;
    progress_->setLabelText(
        QStringLiteral("印刷しています… %1/%2ページ").arg(printed_).arg(PageCount()));
    progress_->setValue(printed_);
    if (next_ > last_) Finish(true);
}

void TPrintJob::Cancel() {
    if (!running_) return;
    printer_->abort();
    Finish(false);
}

void TPrintJob::Finish(bool ok) {
    timer_.stop();
    const bool wasRunning = running_;
    running_ = false;
    if (painter_ && painter_->isActive()) ok = painter_->end() && ok;
    progress_->hide();
    if (wasRunning || !ok) emit Finished(ok, printed_);
}

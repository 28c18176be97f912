#include "app/TPrintCommands.h"

#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTextDocument>

#include "app/TOMForm.h"
#include "controls/MessageService.h"
#include "print/TPageRenderer.h"
#include "print/TPaperSizes.h"
#include "print/TPdfExport.h"
#include "print/TReportLayout.h"
#include "print/ui/TPreviewForm.h"
#include "print/ui/TPrintJob.h"

namespace {

QPageLayout ReportPage() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

}  // namespace

TPrintCommands::TPrintCommands(TOMForm* form)
    : QObject(form), form_(form), layout_(std::make_unique<TReportLayout>()) {
    form_->installEventFilter(this);
}

TPrintCommands::~TPrintCommands() {
    previewShown_ = false;
    delete job_;
    delete preview_;
}

TPreviewForm* TPrintCommands::Preview() const {
    return preview_;
}

TPrintJob* TPrintCommands::Job() const {
    return job_;
}

const TReportLayout& TPrintCommands::Layout() const {
    return *layout_;
}

bool TPrintCommands::Vertical() const {
    return form_->verticalFlag;
}

void TPrintCommands::CreateReport() {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setPageLayout(ReportPage());
    printer_->setCopyCount(1);
    printer_->setCreator(QStringLiteral("Orimaki"));
    renderer_ = std::make_unique<TPageRenderer>(form_->Document(), Vertical());
    ApplyLayoutRule();
}

void TPrintCommands::ApplyLayoutRule() {
    *layout_ = TPdfExport::LayoutOf(printer_->pageLayout());
    renderer_->SetElementSize(QSizeF(layout_->elementWidth, layout_->elementHeight));
}

void TPrintCommands::PrepareSource() {
    // The pages carry the document's name (the title of a PDF).
    printer_->setDocName(QFileInfo(form_->documentPath).fileName());
    renderer_->SetVertical(Vertical());
}

void TPrintCommands::PaintPages(QPrinter* printer) {
    PrepareSource();
    QPainter painter;
    if (!painter.begin(printer)) return;
    renderer_->PrintPages(painter, *printer, 0, renderer_->PageCount() - 1,
                          QPointF(layout_->elementLeft, layout_->elementTop),
                          [](int) { return true; });
    painter.end();
}

void TPrintCommands::PrintPrevMClick() {
    if (!printer_) CreateReport();
    PrepareSource();
    if (!preview_) {
        preview_ = new TPreviewForm(printer_.get());
        connect(preview_, &TPreviewForm::PaintRequested, this, &TPrintCommands::PaintPages);
        connect(preview_, &TPreviewForm::PrintNow, this, [this] { StartJob(true); });
        connect(preview_, &TPreviewForm::Closed, this, [this] { previewShown_ = false; });
        connect(preview_, &TPreviewForm::MovedNormal, this, [this](const QPoint& p) {
            if (previewShown_) form_->move(p);
        });
        connect(preview_, &TPreviewForm::ResizedActive, this, [this](const QRect& g) {
            if (previewShown_ && !form_->isActiveWindow()) form_->setGeometry(g);
        });
        connect(preview_, &TPreviewForm::Minimised, this, [this] {
            if (!previewShown_) return;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible() && w->isWindow() && w != preview_) w->showMinimized();
        });
    }
    previewShown_ = false;  // the window follows the main window, it does not lead it
    preview_->setGeometry(form_->geometry());
    preview_->show();
    preview_->raise();
    preview_->activateWindow();
    previewShown_ = true;
    preview_->UpdatePages();
}

void TPrintCommands::PrintDlgMClick() {
    if (!printer_) {
        PrintPrevMClick();
        return;
    }
    PrepareSource();
    QPrintDialog dialog(printer_.get(), form_);
    dialog.setWindowTitle(QStringLiteral("印刷設定"));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setMinMax(1, std::max(1, renderer_->PageCount()));
    if (dialogHook_)
        dialogHook_(dialog);
    else
        dialog.exec();
    const QPageSize::PageSizeId paper = printer_->pageLayout().pageSize().id();
    if (!TPaperSizes::Supported(paper)) {
        MessageService::Show(form_, QMessageBox::NoIcon, TOMForm::ApplicationTitle(),
                             TPaperSizes::UnsupportedMessage());
        // As the message says: the report's own paper comes back.
        printer_->setPageLayout(ReportPage());
    }
    ApplyLayoutRule();
    if (preview_ && preview_->isVisible()) preview_->UpdatePages();
}

void TPrintCommands::PrintMClick() {
    if (MessageService::Show(form_, QMessageBox::Question, QStringLiteral("印刷"),
                             QStringLiteral("印刷を実行しますか？"),
                             QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    // Printing before any preview: the report is prepared the way the preview prepares it.
    if (!printer_) CreateReport();
    StartJob(false);
}

void TPrintCommands::StartJob(bool foreground) {
    if (job_ && job_->Running()) {
        MessageService::Inform(form_, QStringLiteral("印刷"),
                               QStringLiteral("前の印刷がまだ終わっていません。"));
        return;
    }
    delete job_;
    PrepareSource();
    QWidget* owner = foreground && preview_ && preview_->isVisible()
                         ? static_cast<QWidget*>(preview_.data())
                         : form_;
    job_ = new TPrintJob(*form_->Document(), Vertical(), *printer_, owner, this);
    connect(job_, &TPrintJob::Finished, this, [this](bool ok, int pages) {
        if (!ok)
            MessageService::Show(
                form_, QMessageBox::Warning, QStringLiteral("印刷"),
                QStringLiteral("印刷できませんでした（%1ページまで送りました）。").arg(pages));
        emit PrintFinished(ok, pages);
    });
    if (foreground)
        job_->RunForeground();
    else
        job_->Start();
}

bool TPrintCommands::eventFilter(QObject* watched, QEvent* e) {
    if (watched == form_ && e->type() == QEvent::WindowActivate && previewShown_ && preview_ &&
        preview_->isVisible()) {
        preview_->setWindowState(form_->windowState());
        preview_->activateWindow();
        preview_->setFocus();
    }
    return QObject::eventFilter(watched, e);
}

#include "print/ui/TPreviewForm.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <cmath>

TPreviewForm::TPreviewForm(QPrinter* printer, QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("PreviewForm"));
    setWindowTitle(QStringLiteral("印刷プレビュー　　オリマキ９９"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto* panel = new QWidget(central);
    panel->setObjectName(QStringLiteral("Panel1"));
    auto* rows = new QVBoxLayout(panel);
    rows->setContentsMargins(4, 4, 4, 4);
    rows->setSpacing(2);
    auto* row1 = new QWidget(panel);
    auto* row2 = new QWidget(panel);
    new QHBoxLayout(row1);
    new QHBoxLayout(row2);
    row1->layout()->setContentsMargins(0, 0, 0, 0);
    row2->layout()->setContentsMargins(0, 0, 0, 0);
    connect(AddButton(row1, "StartPageBtn", QStringLiteral("最初")), &QPushButton::clicked, this,
            &TPreviewForm::StartPageBtnClick);
    connect(AddButton(row1, "LastPageBtn", QStringLiteral("前ページ")), &QPushButton::clicked, this,
            &TPreviewForm::LastPageBtnClick);
    connect(AddButton(row1, "NextPageBtn", QStringLiteral("次ページ")), &QPushButton::clicked, this,
            &TPreviewForm::NextPageBtnClick);
    connect(AddButton(row1, "EndPageBtn", QStringLiteral("最後")), &QPushButton::clicked, this,
            &TPreviewForm::EndPageBtnClick);
    connect(AddButton(row1, "ZoomUpBitBtn", QStringLiteral("拡大")), &QPushButton::clicked, this,
            &TPreviewForm::ZoomUpBitBtnClick);
    connect(AddButton(row1, "ZoomDownBitBtn", QStringLiteral("縮小")), &QPushButton::clicked, this,
            &TPreviewForm::ZoomDownBitBtnClick);
    connect(AddButton(row1, "FitBitBtn", QStringLiteral("フィット")), &QPushButton::clicked, this,
            &TPreviewForm::FitBitBtnClick);
    connect(AddButton(row2, "PrintBitBtn", QStringLiteral("印刷実行")), &QPushButton::clicked, this,
            &TPreviewForm::PrintNow);
    connect(AddButton(row2, "CloseBtn", QStringLiteral("プレビュー終了")), &QPushButton::clicked,
            this, &QWidget::close);
    static_cast<QHBoxLayout*>(row1->layout())->addStretch();
    static_cast<QHBoxLayout*>(row2->layout())->addStretch();
    rows->addWidget(row1);
    rows->addWidget(row2);
    outer->addWidget(panel);

    preview_ = new QPrintPreviewWidget(printer, central);
    preview_->setObjectName(QStringLiteral("QRPreview1"));
    preview_->setZoomFactor(1.0);
    outer->addWidget(preview_, 1);
    setCentralWidget(central);
    connect(preview_, &QPrintPreviewWidget::paintRequested, this, &TPreviewForm::PaintRequested);
    // Scrolling through the pages changes the current page too.
    connect(preview_, &QPrintPreviewWidget::previewChanged, this, &TPreviewForm::WritePageText);

    popup_ = new QMenu(this);
    connect(popup_->addAction(QStringLiteral("拡大")), &QAction::triggered, this,
            &TPreviewForm::ZoomUpBitBtnClick);
    connect(popup_->addAction(QStringLiteral("縮小")), &QAction::triggered, this,
            &TPreviewForm::ZoomDownBitBtnClick);
    popup_->addSeparator();
    connect(popup_->addAction(QStringLiteral("フィット")), &QAction::triggered, this,
            &TPreviewForm::FitBitBtnClick);
    preview_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(preview_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { popup_->popup(preview_->mapToGlobal(p)); });

    const int widths[3] = {100, 100, 50};
    for (int i = 0; i < 3; ++i) {
        panels_[i] = new QLabel(this);
        panels_[i]->setFixedWidth(widths[i]);
        if (i < 2) panels_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        statusBar()->addWidget(panels_[i]);
    }
    panels_[0]->setText(QStringLiteral("ページ"));
    resize(838, 624);
}

QPushButton* TPreviewForm::AddButton(QWidget* row, const char* name, const QString& text) {
    auto* b = new QPushButton(text, row);
    b->setObjectName(QString::fromLatin1(name));
    b->setFocusPolicy(Qt::NoFocus);
    row->layout()->addWidget(b);
    return b;
}

QPushButton* TPreviewForm::ButtonNamed(const QString& name) const {
    return findChild<QPushButton*>(name);
}

QLabel* TPreviewForm::StatusPanel(int n) const {
    return n >= 0 && n < 3 ? panels_[n] : nullptr;
}

void TPreviewForm::SetZoom(int percent) {
    if (percent < 2 || percent > 2000) return;
    preview_->setZoomFactor(percent / 100.0);
}

int TPreviewForm::Zoom() const {
    return static_cast<int>(std::lround(preview_->zoomFactor() * 100));
}

void TPreviewForm::ZoomToFit() {
    preview_->fitInView();
}

void TPreviewForm::SetPage(int page) {
    if (page < 1 || page > PageCount()) return;
    preview_->setCurrentPage(page);
}

int TPreviewForm::Page() const {
    return preview_->currentPage();
}

int TPreviewForm::PageCount() const {
    return preview_->pageCount();
}

void TPreviewForm::UpdatePages() {
    // The control asks for every page at once and has them when the call returns.
    preview_->updatePreview();
    ProgressUpdate();
}

void TPreviewForm::WritePageText() {
    panels_[0]->setText(QStringLiteral("%1/%2ページ").arg(Page()).arg(PageCount()));
}

void TPreviewForm::ProgressUpdate() {
    ZoomToFit();
    preview_->show();
    SetPage(1);
    WritePageText();
}

void TPreviewForm::StartPageBtnClick() {
    SetPage(1);
    WritePageText();
}

void TPreviewForm::LastPageBtnClick() {
    SetPage(Page() - 1);
    WritePageText();
}

void TPreviewForm::NextPageBtnClick() {
    SetPage(Page() + 1);
    WritePageText();
}

void TPreviewForm::EndPageBtnClick() {
    SetPage(PageCount());
    WritePageText();
}

void TPreviewForm::ZoomUpBitBtnClick() {
    // Steps of 15 up to the first value above 150.
    const int z = Zoom();
    if (z <= 150) SetZoom(z + 15);
}

void TPreviewForm::ZoomDownBitBtnClick() {
    SetZoom(Zoom() - 15);
}

void TPreviewForm::FitBitBtnClick() {
    ZoomToFit();
}

void TPreviewForm::showEvent(QShowEvent* e) {
    // The control fills the window and stays hidden until its pages are there.
    preview_->hide();
    QMainWindow::showEvent(e);
}

void TPreviewForm::closeEvent(QCloseEvent* e) {
    setWindowState(Qt::WindowNoState);
    SetPage(1);
    e->accept();
    emit Closed();
}

void TPreviewForm::moveEvent(QMoveEvent* e) {
    QMainWindow::moveEvent(e);
    if (isVisible() && windowState() == Qt::WindowNoState) emit MovedNormal(pos());
}

void TPreviewForm::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    if (isVisible() && isActiveWindow() && windowState() == Qt::WindowNoState)
        emit ResizedActive(geometry());
}

void TPreviewForm::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized))
        emit Minimised();
}

// The main window's life: creation, the first showing, the close query, hints and the command
// line.

#include "app/TOMForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStatusTipEvent>
#include <QTextDocument>

#include "app/DocumentFiles.h"
#include "app/TBand.h"
#include "app/TSplashForm.h"
#include "controls/MessageService.h"
#include "controls/TRichEditEx.h"
#include "controls/TanlRuler.h"
#include "editing/TSnapshotRing.h"

TOMForm::TOMForm(const QStringList& args, QWidget* parent) : QMainWindow(parent), args_(args) {
    setObjectName(QStringLiteral("OMForm"));
    setWindowTitle(QStringLiteral("オリマキ"));
    QFont f(QStringLiteral("ＭＳ Ｐゴシック"));
    f.setPixelSize(15);
    setFont(f);
    resize(838, 624);
    setMinimumSize(50, 50);
    setAttribute(Qt::WA_DeleteOnClose, false);
    FormCreate();
}

TOMForm::~TOMForm() {
    // FormDestroy: everything the window made is one of its children, the application-wide
    // filter goes with it.
    qApp->removeEventFilter(this);
    // The bar controls stop reporting to the window before they go.
    delete formatFilter_;
    formatFilter_ = nullptr;
}

void TOMForm::FormCreate() {
    TSplashForm::ProgressStep();
    InstallVerticalView();
    BuildMenus();
    BuildPopupMenus();
    BuildBars();
    BuildStatusBar();
    BuildEditPanel();
    FillFontLists();
    // The key relay sees every event of the application before it is delivered.
    qApp->installEventFilter(this);
    InstallFileCommands();
    InstallFormattingCommands();
    InstallFindCommands();
    InstallCaretCommands();
    InstallAddressCommands();
    InstallCopyMenuCommands();
    InstallConversionCommands();
    InstallGenerationCommands();
    InstallOptionsCommands();
    InstallPrintCommands();
    const bool vertical = TRichEditEx::HasVerticalFactory();
    EnableCommand(QStringLiteral("TateModeM"), vertical);
    EnableCommand(QStringLiteral("YokoModeM"), vertical);
    EnableCommand(QStringLiteral("TextModeTB"), vertical);
    TSplashForm::ProgressStep();
}

void TOMForm::FillFontLists() {
    // Font name box: every family without the vertical-writing variants named with "@".
    const QStringList families = QFontDatabase::families();
    QStringList names;
    for (const QString& fam : families)
        if (!fam.contains(QLatin1Char('@'))) names << fam;
    names.sort();
    fontNameCB_->addItems(names);
    trueTypeFonts.clear();
    japaneseFonts.clear();
    for (const QString& fam : families) {
        if (QFontDatabase::isScalable(fam)) trueTypeFonts << fam;
        if (QFontDatabase::writingSystems(fam).contains(QFontDatabase::Japanese) &&
            !fam.contains(QLatin1Char('@')))
            japaneseFonts << fam;
    }
    // The Japanese names documents carry stand for installed fonts.
    for (const QString& ms : {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("ＭＳ Ｐゴシック"),
                              QStringLiteral("ＭＳ 明朝"), QStringLiteral("ＭＳ Ｐ明朝")})
        if (!japaneseFonts.contains(ms)) japaneseFonts << ms;
}

void TOMForm::showEvent(QShowEvent* e) {
    if (!shownOnce_) {
        shownOnce_ = true;
        FormShow();
    }
    QMainWindow::showEvent(e);
}

void TOMForm::FormShow() {
    TSplashForm::ProgressStep();
    view1_->SetSelectionBar(true);
    view2_->SetSelectionBar(true);
    view1_->setFocus();
    LoadSettings();
    panels_[2]->setText(QStringLiteral("挿入"));
    ApplySplit();
    ArrangeBars();
    ApplyCaptions();
    Command("RulerM")->setChecked(ruler_->isVisibleTo(this));
    Command("RulerPop")->setChecked(ruler_->isVisibleTo(this));
    TSplashForm::ProgressStep();
    if (!args_.isEmpty()) {
        LoadFromCommandLine();
    } else {
        view1_->SetModified(false);
        NewFileMClick();
    }
    ApplyMode();
    SelectionRefresh();
    StateRefresh();
    view1_->SetModified(false);
    view2_->SetModified(false);
    CommandEnabling();
    AddKeyLabels();
    TSplashForm::ProgressStep();
    TSplashForm::Release();
    emit Shown();
}

void TOMForm::LoadFromCommandLine() {
    // Only the first argument names a document: its long form is loaded, or an empty document
    // stands under that path when it cannot be read.
    files_->OpenFromCommandLine(args_.first());
}

// ----- closing ----------------------------------------------------------------------------------

void TOMForm::ExitMClick() {
    close();
}

bool TOMForm::FormCloseQuery() {
    if (active_->Modified()) {
        const auto answer = MessageService::Show(
            this, QMessageBox::Information, QStringLiteral("確認"),
            QStringLiteral("編集中のファイルは変更されています。\n保存しますか？"),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
        if (answer == QMessageBox::Cancel) return false;
        if (answer == QMessageBox::Yes) {
            if (saveAsHook_)
                saveAsHook_();
            else
                SaveAsMClick();
            // A save that did not happen (the name was not given, or writing failed) does not
            // lose the document: the window stays open.
            if (active_->Modified()) return false;
        }
    }
    // Where the user left the bands, while they can still be seen.
    topSlots_ = TopBandOrder();
    rightSlots_ = RightBandOrder();
    if (isMaximized()) setWindowState(Qt::WindowMinimized);
    hide();
    SaveSettings();
    return true;
}

void TOMForm::closeEvent(QCloseEvent* e) {
    if (FormCloseQuery())
        e->accept();
    else
        e->ignore();
}

// ----- hints and the key relay ------------------------------------------------------------------

void TOMForm::HintHandler(const QString& hint) {
    const QString addressHint =
        addressEdit_->toolTip() + QLatin1Char('|') + addressEdit_->statusTip();
    const QString fontHint = fontNameCB_->toolTip() + QLatin1Char('|') + fontNameCB_->statusTip();
    if (addressHint.contains(hint))
        balloonHints_ = false;
    else if (shiftJisMode)
        balloonHints_ = true;
    else
        balloonHints_ = !fontHint.contains(hint);
    if (shiftJisMode)
        fontNameCB_->setToolTip(QStringLiteral("フォント名\nCtrl+M"));
    else
        fontNameCB_->setToolTip(fontNameCB_->currentText());
    fontNameCB_->setStatusTip(QStringLiteral("現在使用されているフォントを表示します。"));
    panels_[3]->setText(hint);
}

bool TOMForm::event(QEvent* e) {
    if (e->type() == QEvent::StatusTip) {
        HintHandler(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QMainWindow::event(e);
}

bool TOMForm::eventFilter(QObject* watched, QEvent* e) {
    if (watched == editPanel_ && e->type() == QEvent::Resize) ResizeLayout();
    // Balloon hints switched off by the hint handler show no tool tip.
    if (e->type() == QEvent::ToolTip && !balloonHints_ && watched->isWidgetType()) return true;
    if (KeyRelay(watched, e)) return true;
    return QMainWindow::eventFilter(watched, e);
}

// ----- application title ------------------------------------------------------------------------

void TOMForm::SetApplicationTitle(const QString& title) {
    qApp->setProperty("OrimakiTitle", title);
}

QString TOMForm::ApplicationTitle() {
    return qApp->property("OrimakiTitle").toString();
}

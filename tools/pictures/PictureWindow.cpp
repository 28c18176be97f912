#include "PictureWindow.h"

#include <QAction>
#include <QApplication>
#include <QPixmap>
#include <QTest>
#include <stdexcept>

#include "app/TOMForm.h"
#include "controls/TRichEditEx.h"

PictureWindow::PictureWindow(View view, const QStringList& args) {
    form_ = new TOMForm(args);
    form_->show();
    form_->activateWindow();
    if (!QTest::qWaitForWindowExposed(form_)) {
        delete form_;
        throw std::runtime_error("the main window was not shown");
    }
    Settle();
    if (view == View::Vertical) {
        form_->Action(QStringLiteral("TateModeM"))->trigger();
        Settle();
    }
}

void PictureWindow::Focus() {
    form_->ActiveView()->setFocus();
    Settle();
}

PictureWindow::~PictureWindow() {
    form_->RichEditEx1()->SetModified(false);
    delete form_;
    QApplication::processEvents();
}

void PictureWindow::SetText(const char* utf8) {
    TRichEditEx* v = form_->ActiveView();
    v->SelectAll();
    v->SetSelText(QString::fromUtf8(utf8).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    v->SetSelStart(0);
    form_->SelectionRefresh();
    Settle();
}

void PictureWindow::Settle() {
    QApplication::processEvents();
}

QImage GrabPicture(QWidget* widget) {
    if (!widget) throw std::runtime_error("the window to take is missing");
    QApplication::processEvents();
    const QImage image = widget->grab().toImage();
    if (image.isNull() || image.width() == 0 || image.height() == 0)
        throw std::runtime_error("the window gave an empty picture");
    return image;
}

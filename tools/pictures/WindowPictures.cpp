#include "WindowPictures.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>
#include <memory>
#include <stdexcept>

#include "PictureSet.h"
#include "PictureWindow.h"
#include "app/TOMForm.h"
#include "app/TPrintCommands.h"
#include "controls/TRichEditEx.h"
#include "controls/TanlRuler.h"
#include "editing/TFindForm.h"
#include "print/ui/TPreviewForm.h"

namespace {

using View = PictureWindow::View;

QString Tag(View view) {
    return view == View::Vertical ? QStringLiteral("vertical") : QStringLiteral("horizontal");
}

// Two long paragraphs in a 760 x 560 window with the ruler shown, indented 24 pt on the first
// line, 12 pt on the others and 30 pt at the end; the whole window or the ruler alone.
QImage Ruler(View view, bool rulerOnly) {
    PictureWindow w(view);
    w.Focus();
    w->resize(760, 560);
    w->Command("RulerM")->trigger();
    PictureWindow::Settle();
    w.SetText("");
    QString paragraph;
    for (int i = 0; i < 12; ++i) paragraph += QStringLiteral("吾輩は猫である。名前はまだ無い。");
    w->ActiveView()->SetSelText(paragraph + QStringLiteral("\n") + paragraph);
    w->ActiveView()->SetSelStart(0);
    TParaAttributes p;
    p.firstIndent = 24;
    p.leftIndent = 12;
    p.rightIndent = 30;
    w->ActiveView()->SetParagraph(p, TParaAttributes::FirstIndent | TParaAttributes::LeftIndent |
                                         TParaAttributes::RightIndent);
    w->SelectionRefresh();
    PictureWindow::Settle();
    return GrabPicture(rulerOnly ? static_cast<QWidget*>(w->Ruler()) : w.Form());
}

// The replace dialog open on two sentences, 猫 found by find next; the window or the dialog.
QImage FindWindow(View view, bool dialogOnly) {
    PictureWindow w(view);
    w->ActiveView()->SetText(
        QStringLiteral("吾輩は猫である。名前はまだ無い。\r\nどこで生れたか"
                       "とんと見当がつかぬ。猫"));
    PictureWindow::Settle();
    w->FindForm()->SetFindText(QStringLiteral("猫"));
    w->ActiveView()->SetSelection(0, 0);
    w->Command("ReplaceM")->trigger();
    PictureWindow::Settle();
    w->Command("FindNextM")->trigger();
    PictureWindow::Settle();
    return GrabPicture(dialogOnly ? static_cast<QWidget*>(w->FindForm()) : w.Form());
}

// What the clipboard held, put back when the picture is made (on a real display it is the
// user's).
class KeptClipboard {
public:
    KeptClipboard() {
        if (const QMimeData* now = QApplication::clipboard()->mimeData()) {
            for (const QString& format : now->formats()) kept_->setData(format, now->data(format));
        }
    }
    ~KeptClipboard() {
        if (kept_->formats().isEmpty())
            QApplication::clipboard()->clear();
        else
            QApplication::clipboard()->setMimeData(kept_.release());
    }

private:
    std::unique_ptr<QMimeData> kept_ = std::make_unique<QMimeData>();
};

// あいうえお in Noto Sans CJK JP: the picture the text image command puts on the clipboard.
QImage TextImage(View view) {
    KeptClipboard keep;
    PictureWindow w(view);
    w.Focus();
    TRichEditEx* v = w->ActiveView();
    v->SetText(QStringLiteral("あいうえお"));
    v->SelectAll();
    TCharAttributes a;
    a.name = QStringLiteral("Noto Sans CJK JP");
    a.bold = false;
    v->SetSelAttributes(a, TCharAttributes::Name | TCharAttributes::Bold);
    v->SetSelStart(0);
    w->ResetUndo();
    QApplication::clipboard()->clear();
    w->Command("TextImageM")->trigger();
    PictureWindow::Settle();
    const QImage image = QApplication::clipboard()->image();
    if (image.isNull()) throw std::runtime_error("the text image command copied no picture");
    return image;
}

// 3101 kanji of IPAGothic 12 pt in the vertical view, two A4 pages and a column: the preview.
QImage Preview() {
    PictureWindow w(View::Vertical);
    QTextCharFormat fmt;
    fmt.setFontFamilies({QStringLiteral("IPAGothic")});
    fmt.setFontPointSize(12);
    QTextCursor c(w->Document());
    c.select(QTextCursor::Document);
    c.insertText(QString(3101, QChar(0x6C38)), fmt);
    w->Command("PrintPrevM")->trigger();
    TPreviewForm* p = w->Printing()->Preview();
    if (!p) throw std::runtime_error("the preview window did not open");
    return GrabPicture(p);
}

}  // namespace

void WindowPictures::AddTo(PictureSet& set) {
    for (View view : {View::Horizontal, View::Vertical}) {
        const QString tag = Tag(view);
        set.Add(tag + QStringLiteral("-ruler"),
                QStringLiteral("main window, %1 view: the ruler with indents 24/12/30 pt").arg(tag),
                [view] { return Ruler(view, false); });
        set.Add(tag + QStringLiteral("-ruler-only"),
                QStringLiteral("the ruler of the %1 view alone").arg(tag),
                [view] { return Ruler(view, true); });
    }
    for (View view : {View::Horizontal, View::Vertical}) {
        const QString tag = Tag(view);
        set.Add(
            tag + QStringLiteral("-window"),
            QStringLiteral("main window, %1 view: 猫 found with the replace dialog open").arg(tag),
            [view] { return FindWindow(view, false); });
        set.Add(tag + QStringLiteral("-dialog"),
                QStringLiteral("the replace dialog over the %1 view").arg(tag),
                [view] { return FindWindow(view, true); });
    }
    set.Add(QStringLiteral("textimage-h"),
            QStringLiteral("text image of the horizontal view (あいうえお)"),
            [] { return TextImage(View::Horizontal); });
    set.Add(QStringLiteral("textimage-v"),
            QStringLiteral("text image of the vertical view (あいうえお)"),
            [] { return TextImage(View::Vertical); });
    set.Add(QStringLiteral("preview"),
            QStringLiteral("print preview of three A4 pages, vertical, page 1"), Preview);
}

#include "DrawingPictures.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <stdexcept>

#include "PictureSet.h"
#include "PictureWindow.h"
#include "app/DocumentFiles.h"
#include "app/TOMForm.h"
#include "controls/TColorLookupComboBox.h"
#include "controls/TRichEditEx.h"
#include "controls/TVerticalView.h"

namespace {

using View = PictureWindow::View;

// The columns of the vertical view without the caret (which blinks), on white.
QImage Columns(PictureWindow& w) {
    PictureWindow::Settle();
    auto* view = dynamic_cast<TVerticalView*>(w->ActiveView()->Presenter());
    if (!view) throw std::runtime_error("the window is not in vertical mode");
    QImage image(view->viewport()->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    view->Render(painter);
    painter.end();
    return image;
}

// Runs a helper program in folder; throws unless it ran and exited 0.
void Run(const QString& program, const QStringList& args, const QString& folder) {
    QProcess p;
    p.setWorkingDirectory(folder);
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(program, args);
    if (!p.waitForStarted())
        throw std::runtime_error(program.toStdString() + " could not be started");
    if (!p.waitForFinished(180000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        throw std::runtime_error(program.toStdString() + " failed");
}

// あいうえお with あい underlined or struck out through the command.
QImage Line(const char* command) {
    PictureWindow w(View::Vertical);
    w.Focus();
    w.SetText("あいうえお");
    w->ActiveView()->SetSelection(0, 4);
    w->Command(command)->trigger();
    w->ActiveView()->SetSelStart(10);
    return Columns(w);
}

// あいう with あ 6 points up or down.
QImage Baseline(int twips) {
    PictureWindow w(View::Vertical);
    w.Focus();
    w.SetText("あいう");
    w->ActiveView()->SetSelection(0, 2);
    TCharAttributes a;
    a.offsetTwips = twips;
    w->NoteEditKind(6);
    w->ActiveView()->SetSelAttributes(a, TCharAttributes::Offset);
    w->ActiveView()->SetSelStart(6);
    return Columns(w);
}

// Four paragraphs: at the top, centred, at the foot, and a bullet item.
QImage Alignment(bool wholeWindow) {
    PictureWindow w(View::Vertical);
    w.Focus();
    w.SetText("上だ\r\n中央\r\n下だ\r\n箇条");
    w->ActiveView()->SetSelStart(6);
    w->Command("RowCenterM")->trigger();
    w->ActiveView()->SetSelStart(12);
    w->Command("RowRightM")->trigger();
    w->ActiveView()->SetSelStart(18);
    w->Command("BulletM")->trigger();
    w->ActiveView()->SetSelStart(0);
    const QImage columns = Columns(w);
    return wholeWindow ? GrabPicture(w.Form()) : columns;
}

// あい太字うえ / 中央 / 箇条 with 太字 bold, red and 20 points, 中央 centred and 箇条 a bullet,
// all through the commands in the vertical view, saved as RTF; LibreOffice's first page of it.
QImage FormatsInLibreOffice() {
    PictureWindow w(View::Vertical);
    w.Focus();
    w.SetText("あい太字うえ\r\n中央\r\n箇条");
    TRichEditEx* v = w->ActiveView();
    v->SetSelection(4, 4);
    w->Command("BoldM")->trigger();
    v->SetSelection(4, 4);
    w->findChild<TColorLookupComboBox*>(QStringLiteral("FontColorCLCB"))->setColor(clRed);
    w->ApplyFontColor();
    v->SetSelection(4, 4);
    w->findChild<QComboBox*>(QStringLiteral("FontSizeCB"))->setEditText(QStringLiteral("20"));
    w->ApplyFontSize();
    v->SetSelection(14, 0);
    w->Command("RowCenterM")->trigger();
    v->SetSelection(20, 0);
    w->Command("BulletM")->trigger();
    PictureWindow::Settle();

    QTemporaryDir dir;
    if (!dir.isValid()) throw std::runtime_error("no temporary folder");
    w->documentPath = dir.filePath(QStringLiteral("formats.rtf"));
    if (w->Files()->Write() != DocumentFiles::WriteResult::Written)
        throw std::runtime_error("the RTF could not be saved");
    // LibreOffice draws the document into a PDF; poppler's pdftoppm makes its first page a
    // picture at the screen's 96 dots per inch.
    Run(QStringLiteral("soffice"),
        {QStringLiteral("-env:UserInstallation=file://") + dir.filePath(QStringLiteral("profile")),
         QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("pdf"),
         QStringLiteral("formats.rtf")},
        dir.path());
    Run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("96"),
         QStringLiteral("-singlefile"), QStringLiteral("formats.pdf"), QStringLiteral("page")},
        dir.path());
    QImage image(dir.filePath(QStringLiteral("page.png")));
    if (image.isNull()) throw std::runtime_error("LibreOffice's page came out as no picture");
    return image;
}

}  // namespace

void DrawingPictures::AddTo(PictureSet& set) {
    set.Add(QStringLiteral("vertical-underline"),
            QStringLiteral("vertical columns: あい underlined (the line on the right)"),
            [] { return Line("UnderLineM"); });
    set.Add(QStringLiteral("vertical-strikeout"),
            QStringLiteral("vertical columns: あい struck out (the line through the middle)"),
            [] { return Line("StrikeOutM"); });
    set.Add(QStringLiteral("vertical-raised"),
            QStringLiteral("vertical columns: あ raised 6 pt (moved right)"),
            [] { return Baseline(120); });
    set.Add(QStringLiteral("vertical-lowered"),
            QStringLiteral("vertical columns: あ lowered 6 pt (moved left)"),
            [] { return Baseline(-120); });
    set.Add(QStringLiteral("vertical-alignment"),
            QStringLiteral("vertical columns: top, centred, foot and a bullet item"),
            [] { return Alignment(false); });
    set.Add(QStringLiteral("vertical-alignment-window"),
            QStringLiteral("main window around the aligned columns"),
            [] { return Alignment(true); });
    set.Add(QStringLiteral("formats-libreoffice"),
            QStringLiteral("an RTF saved with bold, red, 20 pt, centring and a bullet, drawn by "
                           "LibreOffice (needs soffice and pdftoppm; slow)"),
            FormatsInLibreOffice);
}

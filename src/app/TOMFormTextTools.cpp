// The indent command and the indent string, the Shift-JIS mode and its commands for the whole
// text, the typing format at the start of an input-method composition, and the text image.

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QPixmap>
#include <QTextBlock>
#include <QTextDocument>

#include "app/TOMForm.h"
#include "controls/MessageService.h"
#include "controls/TRichEditEx.h"
#include "core/Cp932.h"
#include "editing/TEditKind.h"
#include "editing/TIndentRules.h"

// ----- indent -----------------------------------------------------------------------------------

int TOMForm::ParagraphEndIn(int from, int to) const {
    // The document ends paragraphs with a block separator, which the view counts as the two
    // bytes CR LF; the last paragraph has none.
    for (QTextBlock b = doc_->findBlock(active_->PositionOfByte(from)); b.next().isValid();
         b = b.next()) {
        const int end = active_->ByteOfPosition(b.position() + b.length() - 1);
        if (end < from) continue;
        return end + 2 <= to ? end : -1;
    }
    return -1;
}

void TOMForm::IndentMClick() {
    if (indentStr.isEmpty()) {
        MessageService::Show(this, QMessageBox::NoIcon, ApplicationTitle(),
                             QStringLiteral("インデント記号が設定されていません。"));
        return;
    }
    mirroring = false;
    active_->BeginUpdate();
    mirror_->BeginUpdate();
    NoteEditKind(TEditKind::Deletion);
    const int s = active_->SelStart();
    const int l = active_->SelText().isEmpty() ? 0 : active_->SelLength();
    const int firstVisible = active_->FirstVisibleLine();
    const int lineStart = active_->LineIndex(active_->LineFromChar(s));
    active_->SetSelStart(lineStart);
    SelectionSync();
    const int indentLength = static_cast<int>(Cp932::ToSjis(indentStr.toStdString()).size());
    const TIndentRules::Result r = TIndentRules::Run(
        s, l, lineStart, indentLength,
        [this](int pos) {
            active_->SetSelStart(pos);
            active_->SetSelText(indentStr);
        },
        [this](int from, int to) { return ParagraphEndIn(from, to); });
    // The same first visible line and the same text selected as before.
    active_->SetSelStart(active_->TextLength());
    active_->SetSelStart(active_->LineIndex(firstVisible));
    active_->SetSelection(r.selStart, r.selLength);
    if (active_->FirstVisibleLine() != firstVisible)
        active_->LineScroll(firstVisible - active_->FirstVisibleLine());
    SelectionSync();
    mirror_->EndUpdate();
    active_->EndUpdate();
    mirroring = true;
    StateRefresh();
    SelectionRefresh();
}

void TOMForm::IndentStrMClick() {
    const QString sel = active_->SelLength() != 0 ? active_->SelText() : QString();
    const QString now =
        QStringLiteral("インデント記号は『") + indentStr + QStringLiteral("』になっています。\n");
    if (sel.isEmpty()) {
        MessageService::Show(this, QMessageBox::Information, ApplicationTitle(),
                             now + QStringLiteral("文字列を選択してください。"));
        return;
    }
    if (MessageService::Show(
            this, QMessageBox::Information, ApplicationTitle(),
            now + QStringLiteral("『") + sel + QStringLiteral("』に変更しますか？"),
            QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok)
        indentStr = sel;
}

// ----- Shift-JIS mode ---------------------------------------------------------------------------

void TOMForm::ApplyShiftJisMode() {
    Command("SHIFTJISM")->setChecked(shiftJisMode);
    Command("SJISOFFM")->setChecked(!shiftJisMode);
    // The name box marks the fonts for the mode (its delegate reads the mode when drawing).
    fontNameCB_->update();
    if (QAbstractItemView* list = fontNameCB_->view()) list->viewport()->update();
}

void TOMForm::SHIFTJISMClick() {
    shiftJisMode = true;
    ApplyShiftJisMode();
}

void TOMForm::SJISOFFMClick() {
    shiftJisMode = false;
    ApplyShiftJisMode();
}

void TOMForm::TextAllSJISMClick() {
    mirroring = false;
    NoteEditKind(TEditKind::Format);
    active_->SelectAll();
    SelectionSync();
    TCharAttributes a;
    a.charset = kShiftJisCharset;
    active_->SetSelAttributes(a, TCharAttributes::Charset);
    mirroring = true;
    shiftJisMode = true;
    ApplyShiftJisMode();
    StateRefresh();
    SelectionRefresh();
}

void TOMForm::TextNoneSJISMClick() {
    mirroring = false;
    NoteEditKind(TEditKind::Format);
    active_->SelectAll();
    SelectionSync();
    // Single-byte runs take the name box's font with the default character set, double-byte
    // runs keep their font with the Shift-JIS one; the caret ends at the start.
    ApplyRunWise(fontNameCB_->currentText());
    mirroring = true;
    shiftJisMode = false;
    ApplyShiftJisMode();
    StateRefresh();
    SelectionRefresh();
}

// ----- composition start ------------------------------------------------------------------------

void TOMForm::CompositionStart() {
    if (!active_ || active_->SelAttributes().charset != kDefaultCharset) return;
    SelectionSync();
    TCharAttributes a;
    a.name = defaultFontName;
    a.charset = kShiftJisCharset;
    active_->SetSelAttributes(a, TCharAttributes::Name | TCharAttributes::Charset);
    mirror_->SetSelAttributes(a, TCharAttributes::Name | TCharAttributes::Charset);
    FollowSelection();
}

// ----- text image -------------------------------------------------------------------------------

void TOMForm::TextImageMClick() {
    // What the active view shows of its text: the client area, from its top-left corner.
    QWidget* w = active_->EditWidget();
    if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) w = area->viewport();
    const QPixmap picture = w->grab();
    QApplication::clipboard()->setImage(picture.toImage());
}

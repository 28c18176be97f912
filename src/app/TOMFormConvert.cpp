// The conversions of the selection (half-width, full-width, half-width kana only, upper and
// lower case, line-end restore) and the character count of the main window.
//
// A conversion replaces every format run of the selection by its converted text in the run's
// own format, so the formats of the selection are kept character by character. Both views
// show one document: the change is made once, through the active view's selection.

#include <QAction>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <vector>

#include "app/TOMForm.h"
#include "controls/MessageService.h"
#include "controls/TRichEditEx.h"
#include "editing/TConvertRules.h"
#include "editing/TEditKind.h"

namespace {
const char* const kConversionCommands[] = {"ToHankakuM", "ToZenkakuM", "KanaToZenM",
                                           "ToUpperM",   "ToLowerM",   "CRLFM"};
const char* const kToolCommands[] = {"CountM",   "IndentM",      "IndentStrM",    "SHIFTJISM",
                                     "SJISOFFM", "TextAllSJISM", "TextNoneSJISM", "TextImageM"};

struct Piece {
    int start;  // document positions
    int end;
    QTextCharFormat format;
};
}  // namespace

void TOMForm::InstallConversionCommands() {
    for (const char* name : kConversionCommands) {
        QAction* a = Command(name);
        connect(a, &QAction::triggered, this, [this, a] { ToHankakuMClick(a); });
        EnableCommand(QString::fromUtf8(name), true);
    }
    connect(Command("CountM"), &QAction::triggered, this, &TOMForm::CountMClick);
    connect(Command("IndentM"), &QAction::triggered, this, &TOMForm::IndentMClick);
    connect(Command("IndentStrM"), &QAction::triggered, this, &TOMForm::IndentStrMClick);
    connect(Command("SHIFTJISM"), &QAction::triggered, this, &TOMForm::SHIFTJISMClick);
    connect(Command("SJISOFFM"), &QAction::triggered, this, &TOMForm::SJISOFFMClick);
    connect(Command("TextAllSJISM"), &QAction::triggered, this, &TOMForm::TextAllSJISMClick);
    connect(Command("TextNoneSJISM"), &QAction::triggered, this, &TOMForm::TextNoneSJISMClick);
    connect(Command("TextImageM"), &QAction::triggered, this, &TOMForm::TextImageMClick);
    for (const char* name : kToolCommands) EnableCommand(QString::fromUtf8(name), true);
}

void TOMForm::ToHankakuMClick(QAction* sender) {
    const std::optional<TConvertRules::Conversion> c =
        TConvertRules::FromCommand(sender ? sender->objectName() : QString());
    if (!c) return;
    // The line-end restore always works on the whole text.
    if (*c == TConvertRules::Conversion::LineEnds) active_->SelectAll();
    if (active_->SelLength() == 0) return;
    if (TConvertRules::AsksFormatQuestion(active_->SelAttributes()) &&
        MessageService::Show(this, QMessageBox::Information, ApplicationTitle(),
                             TConvertRules::FormatQuestion(),
                             QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
        return;
    SelectionSync();
    mirroring = false;
    NoteEditKind(TEditKind::Format);
    ConvertSelectionRuns(static_cast<int>(*c));
    SelectionSync();
    mirroring = true;
    StateRefresh();
    SelectionRefresh();
}

void TOMForm::ConvertSelectionRuns(int conversion) {
    const auto c = static_cast<TConvertRules::Conversion>(conversion);
    const int byteStart = active_->SelStart();
    const int from = active_->PositionOfByte(byteStart);
    const int to = active_->PositionOfByte(byteStart + active_->SelLength());

    // The format runs of the selection, cut to it; paragraph ends lie between them.
    std::vector<Piece> pieces;
    for (QTextBlock b = doc_->findBlock(from); b.isValid() && b.position() < to; b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const int s = std::max(from, f.position());
            const int e = std::min(to, f.position() + f.length());
            if (s < e) pieces.push_back({s, e, f.charFormat()});
        }

    // Converted from the back, so that the positions of the runs before stay valid.
    QTextCursor cur(doc_);
    cur.beginEditBlock();
    int growth = 0;
    for (auto p = pieces.rbegin(); p != pieces.rend(); ++p) {
        cur.setPosition(p->start);
        cur.setPosition(p->end, QTextCursor::KeepAnchor);
        const QString text = cur.selectedText();
        QString out = TConvertRules::Convert(c, text);
        if (out == text) continue;
        // A restored CR LF is a paragraph end of the document.
        out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        cur.insertText(out, p->format);
        growth += static_cast<int>(out.size()) - static_cast<int>(text.size());
    }
    cur.endEditBlock();
    // The converted text stays selected.
    const int endByte = active_->ByteOfPosition(to + growth);
    active_->SetSelection(byteStart, endByte - byteStart);
}

void TOMForm::CountMClick() {
    const QString sel = active_->SelText();
    MessageService::Show(this, QMessageBox::Information, ApplicationTitle(),
                         TConvertRules::CountMessage(sel), QMessageBox::Ok);
}

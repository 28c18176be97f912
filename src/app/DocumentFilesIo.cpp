// Reading and writing the document's bytes: rich text through the RTF reader and writer,
// plain text in the encoding it was read with, every write through QSaveFile.

#include <QFile>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>
#include <set>

#include "app/DocumentFiles.h"
#include "controls/MessageService.h"
#include "core/DocumentPath.h"
#include "core/FailureReason.h"

namespace {

// Why a file operation failed, in Japanese with the system's words in brackets.
QString Reason(const QFileDevice& file) {
    return QString::fromStdString(FailureReason::Describe(file.errorString().toStdString()));
}

// "「😀」(U+1F600)、「𠮷」(U+20BB7)": the characters, each once, at most twenty.
QString ListCharacters(const std::vector<char32_t>& chars) {
    std::set<char32_t> seen;
    QStringList parts;
    for (char32_t c : chars) {
        if (!seen.insert(c).second) continue;
        if (parts.size() == 20) {
            parts << QStringLiteral("…");
            break;
        }
        const QString code =
            QStringLiteral("%1").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0')).toUpper();
        parts << QStringLiteral("「%1」(U+%2)").arg(QString::fromUcs4(&c, 1), code);
    }
    return parts.join(QStringLiteral("、"));
}

}  // namespace

bool DocumentFiles::ReadPlainText(const QByteArray& bytes) {
    TextEncoding::Format format;
    const TextEncoding::Decoded decoded =
        TextEncoding::ReadText(std::string_view(bytes.constData(), bytes.size()), &format);
    textFormat_ = format;
    const bool undo = doc_->isUndoRedoEnabled();
    doc_->setUndoRedoEnabled(false);
    doc_->clear();
    QTextCursor c(doc_);
    const QTextCharFormat fmt = defaultCharFormat();
    c.setBlockCharFormat(fmt);
    c.setCharFormat(fmt);
    c.insertText(QString::fromStdString(decoded.text), fmt);
    doc_->setUndoRedoEnabled(undo);
    if (!decoded.invalidOffsets.empty()) {
        MessageService::Show(
            dialogParent_, QMessageBox::Warning, QStringLiteral("警告"),
            QStringLiteral("このファイルには %1 として読めないバイトが %2 か所あります。\n"
                           "読めない部分は「\uFFFD」で表示されています。\n"
                           "このまま上書き保存すると、その部分は元に戻せません。")
                .arg(QString::fromLatin1(TextEncoding::Name(format.encoding)))
                .arg(decoded.invalidOffsets.size()),
            QMessageBox::Ok, QMessageBox::Ok);
    }
    return true;
}

bool DocumentFiles::Load() {
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly)) {
        ShowError(QStringLiteral("ファイルを開けませんでした。\n%1\n%2").arg(path(), Reason(file)));
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        ShowError(
            QStringLiteral("ファイルを読み込めませんでした。\n%1\n%2").arg(path(), Reason(file)));
        return false;
    }
    file.close();

    bool rich = false;
    if (DocumentPath::ReadsAsRichText(path().toStdString()) && hooks_.readRtf) {
        const bool undo = doc_->isUndoRedoEnabled();
        doc_->setUndoRedoEnabled(false);
        rich = hooks_.readRtf(bytes, doc_);
        doc_->setUndoRedoEnabled(undo);
    }
    if (rich)
        textFormat_ = TextEncoding::Format{};
    else
        ReadPlainText(bytes);  // also a file under an RTF extension that is not RTF

    if (hooks_.loaded) hooks_.loaded();
    FinishLoadOrWrite();
    return true;
}

DocumentFiles::WriteResult DocumentFiles::Write() {
    QByteArray bytes;
    if (DocumentPath::WritesAsRichText(path().toStdString())) {
        if (!hooks_.writeRtf) {
            ShowError(QStringLiteral("リッチテキスト形式で保存できません。\n%1").arg(path()));
            return WriteResult::Failed;
        }
        bytes = hooks_.writeRtf(doc_);
    } else {
        if (!HasUniformFormatting(doc_)) {
            const auto answer =
                MessageService::Show(dialogParent_, QMessageBox::Question, QStringLiteral("確認"),
                                     QStringLiteral("このファイルはテキスト形式で保存されます。\n"
                                                    "書式情報は保存されませんがよろしいですか？"),
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
            if (answer != QMessageBox::Yes) return WriteResult::Declined;
        }
        const std::string text = PlainText(doc_).toStdString();
        TextEncoding::Encoded encoded = TextEncoding::WriteText(text, textFormat_);
        if (!encoded.unmappable.empty()) {
            const auto answer = MessageService::Show(
                dialogParent_, QMessageBox::Warning, QStringLiteral("確認"),
                QStringLiteral("次の文字は %1 のテキストファイルには保存できません。\n%2\n"
                               "保存するとこれらの文字は「?」に置き換わります。"
                               "（リッチテキスト形式 .rtf なら保存できます）\n"
                               "このまま保存しますか？")
                    .arg(QString::fromLatin1(TextEncoding::Name(textFormat_.encoding)),
                         ListCharacters(encoded.unmappable)),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
            if (answer != QMessageBox::Yes) return WriteResult::Declined;
        }
        bytes = QByteArray(encoded.bytes.data(), static_cast<qsizetype>(encoded.bytes.size()));
    }
    if (!WriteBytes(bytes)) return WriteResult::Failed;
    FinishLoadOrWrite();
    return WriteResult::Written;
}

bool DocumentFiles::WriteBytes(const QByteArray& bytes) {
    QSaveFile file(path());
    bool ok = file.open(QIODevice::WriteOnly);
    if (ok) ok = file.write(bytes) == bytes.size();
    if (ok) ok = file.commit();
    if (!ok) {
        const QString reason = Reason(file);
        file.cancelWriting();
        ShowError(QStringLiteral("ファイルを保存できませんでした。\n%1\n%2\n"
                                 "ディスク上のファイルは変更されていません。")
                      .arg(path(), reason));
    }
    return ok;
}

void DocumentFiles::FinishLoadOrWrite() {
    saved() = path();
    if (hooks_.showAddress) hooks_.showAddress(path());
    doc_->setModified(false);
    if (hooks_.commandEnabling) hooks_.commandEnabling();
}

// The horizontal HTML export: the active view's document as RTF, converted to HTML and wrapped
// in the page, written next to the document with the extension ".html".

#include "app/GeneratedOutput.h"
#include "app/TOMForm.h"
#include "controls/MessageService.h"
#include "controls/TRichEditEx.h"
#include "convert/RtfToHtml.h"
#include "convert/YokoHtmlPage.h"
#include "rtf/RtfWriter.h"

void TOMForm::YokoHTMLMClick() {
    if (generating_ || !active_) return;
    const QString caption = QStringLiteral("エラー表示");
    const QString path =
        QString::fromStdString(YokoHtmlPage::OutputPath(documentPath.toStdString()));
    // A document that is itself an .html file is never overwritten by its own export.
    if (path == documentPath ||
        (!savedPath.isEmpty() && GeneratedOutput::SameFile(path, savedPath))) {
        MessageService::Show(this, QMessageBox::Critical, caption,
                             QStringLiteral("横書きHTMLの出力先が文書ファイルと同じです。\n"
                                            "文書の拡張子を変えてから生成してください。\n%1")
                                 .arg(path),
                             QMessageBox::Ok);
        return;
    }
    std::string page;
    try {
        page = YokoHtmlPage::Build(RtfWriter::Write(*active_->Document()),
                                   documentPath.toStdString(), active_->Color());
    } catch (const RtfToHtmlError& e) {
        MessageService::Show(
            this, QMessageBox::Critical, caption,
            QStringLiteral("横書きHTMLを生成できません。\n%1").arg(QString::fromUtf8(e.what())),
            QMessageBox::Ok);
        return;
    }
    QString error;
    if (!GeneratedOutput::WriteFile(path, page, &error))
        MessageService::Show(this, QMessageBox::Critical, caption, error, QMessageBox::Ok);
}

// orimaki-cli pdf: a document printed to a PDF file with the editor's page renderer, vertically
// (the default) or horizontally, on one of the report's paper sizes.

#include <QBuffer>
#include <QFileInfo>
#include <QTextDocument>
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/CliDocument.h"
#include "cli/CliIo.h"
#include "cli/CliText.h"
#include "core/DocumentPath.h"
#include "print/TPaperSizes.h"
#include "print/TPdfExport.h"
#include "rtf/GuiEnvironment.h"

namespace {

constexpr const char* kPrefix = "orimaki-cli: ";

int RunPdf(const std::vector<std::string>& args) {
    std::string input, output, paper = "A4", title;
    bool vertical = true;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& w = args[i];
        if (w == "-o" || w == "--output" || w == "--paper" || w == "--title") {
            if (i + 1 >= args.size())
                return CliCommand::UsageError(w + " の後に値を指定してください。");
            (w == "--paper" ? paper : w == "--title" ? title : output) = args[++i];
        } else if (w == "--vertical") {
            vertical = true;
        } else if (w == "--horizontal") {
            vertical = false;
        } else if (!w.empty() && w[0] == '-' && w != "-") {
            return CliCommand::UsageError("知らないオプションです: " + w);
        } else if (input.empty()) {
            input = w;
        } else {
            return CliCommand::UsageError("入力ファイルは一つだけ指定してください。");
        }
    }
    if (input.empty()) return CliCommand::UsageError("入力ファイルを指定してください。");
    const QPageSize::PageSizeId size = TPaperSizes::FromName(QString::fromStdString(paper));
    if (size == QPageSize::Custom)
        return CliCommand::UsageError(
            CliText::Pick("使用できない用紙サイズです: ", "no such paper size: ") + paper +
            " (A3 A4 A5 B4 B5 Letter Legal … )");
    if (output.empty()) output = DocumentPath::ChangeExtension(input, ".pdf");
    if (output == input) {
        std::cerr << kPrefix
                  << CliText::Pick("出力先が入力ファイルと同じです: ",
                                   "the output is the input file: ")
                  << output << "\n";
        return 1;
    }
    GuiEnvironment::EnsureGuiApplication();
    QTextDocument doc;
    if (!CliDocument::Load(input, doc)) return 1;
    TPdfExport::Options options;
    options.vertical = vertical;
    options.pageSize = QPageSize(size);
    options.title = title.empty() ? QFileInfo(QString::fromStdString(input)).fileName()
                                  : QString::fromStdString(title);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const int pages = TPdfExport::Write(doc, options, &buffer);
    if (pages < 0) {
        std::cerr << kPrefix << CliText::Pick("PDF を作れませんでした: ", "cannot make the PDF: ")
                  << output << "\n";
        return 1;
    }
    const QByteArray& bytes = buffer.data();
    if (!CliIo::WriteFile(output, std::string_view(bytes.constData(), size_t(bytes.size()))))
        return 1;
    if (output != "-")
        std::cerr << output << ": " << pages << CliText::Pick(" ページ", " pages") << "\n";
    return 0;
}

const CliCommand::Registrar pdfCommand(
    "pdf",
    "pdf INPUT|- [-o OUT.pdf|-] [--vertical|--horizontal] [--paper A4|B5|A5|A3|B4|Letter…] "
    "[--title T]",
    "文書を印刷と同じページで PDF に (既定: 縦書き、A4、出力は拡張子 .pdf)",
    "writes the document as PDF in the printed pages (default: vertical, A4, the output is INPUT "
    "with .pdf)",
    RunPdf);

}  // namespace

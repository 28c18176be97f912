// orimaki-cli yoko-html, rtf2html, to-rtf and to-text: the horizontal HTML export and the rich
// text round trips. Inputs whose extension takes the rich-text path (.rtf, .wri …) are read by
// the RTF reader (a file that is not RTF is read as plain text instead, as the editor does);
// other inputs are plain text (Shift-JIS, or a recognisable UTF-8/UTF-16/EUC-JP) in the
// default font "ＭＳ Ｐゴシック", 11 points, black.

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/CliDocument.h"
#include "cli/CliIo.h"
#include "cli/CliText.h"
#include "convert/RtfToHtml.h"
#include "convert/YokoHtmlPage.h"
#include "core/ColorValue.h"
#include "core/Cp932.h"
#include "core/DocumentPath.h"
#include "core/TextEncoding.h"
#include "rtf/GuiEnvironment.h"
#include "rtf/RtfReader.h"
#include "rtf/RtfWriter.h"
#include "rtf/TextProperties.h"

namespace {

constexpr const char* kPrefix = "orimaki-cli: ";

// INPUT [-o OUTPUT] [extra options with a value]
struct Args {
    std::string input, output, background;
};

std::string ParseArgs(const std::vector<std::string>& args, bool allowBackground, Args& a) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& w = args[i];
        if (w == "-o" || w == "--output" || (allowBackground && w == "--background")) {
            if (i + 1 >= args.size())
                return w + CliText::Pick(" の後に値を指定してください。", " needs a value.");
            (w == "--background" ? a.background : a.output) = args[++i];
        } else if (!w.empty() && w[0] == '-' && w != "-") {
            return CliText::Pick("知らないオプションです: ", "unknown option: ") + w;
        } else if (a.input.empty()) {
            a.input = w;
        } else {
            return CliText::Pick("入力ファイルは一つだけ指定してください。",
                                 "give only one input file.");
        }
    }
    if (a.input.empty())
        return CliText::Pick("入力ファイルを指定してください (標準入力は -)。",
                             "give an input file (- for standard input).");
    return {};
}

}  // namespace

bool CliDocument::Load(const std::string& path, QTextDocument& doc) {
    std::string bytes;
    if (!CliIo::ReadInput(path, bytes)) return false;
    // Standard input has no extension: rich text is told by its first bytes.
    const bool rich =
        path == "-" ? bytes.compare(0, 5, "{\\rtf") == 0 : DocumentPath::ReadsAsRichText(path);
    if (rich) {
        if (RtfReader::ReadDocument(bytes, doc).ok) return true;
        std::cerr << kPrefix << path << ": "
                  << CliText::Engine(RtfReader::NotRtfMessage().toStdString())
                  << CliText::Pick(" テキストとして読み込みます。", " Read as plain text.") << "\n";
    }
    const TextEncoding::Decoded text = TextEncoding::ReadText(bytes, nullptr);
    QTextCharFormat f;
    f.setFontFamilies(QStringList{QStringLiteral("ＭＳ Ｐゴシック")});
    f.setFontPointSize(11);
    f.setForeground(QColor(0, 0, 0));
    f.setProperty(TextProperties::CharsetProperty, 128);
    doc.clear();
    QTextCursor c(&doc);
    c.setBlockCharFormat(f);
    c.insertText(QString::fromStdString(text.text), f);
    return true;
}

namespace {

bool LoadDocument(const std::string& path, QTextDocument& doc) {
    return CliDocument::Load(path, doc);
}

bool SameFile(const std::string& a, const std::string& b) {
    return a == b && a != "-";
}

int RunYokoHtml(const std::vector<std::string>& args) {
    Args a;
    const std::string err = ParseArgs(args, true, a);
    if (!err.empty()) return CliCommand::UsageError(err);
    TColor background = clWhite;
    if (!a.background.empty() && !HtmlToColor(a.background, background) &&
        !StringToColor(a.background, background))
        return CliCommand::UsageError(
            CliText::Pick("--background は RRGGBB か色の名前 (clWhite …) で指定してください: ",
                          "--background takes RRGGBB or a colour name (clWhite …): ") +
            a.background);
    // Read from standard input, the page goes to standard output unless named.
    const std::string output = !a.output.empty() ? a.output
                               : a.input == "-"  ? std::string("-")
                                                 : YokoHtmlPage::OutputPath(a.input);
    if (SameFile(output, a.input)) {
        std::cerr << kPrefix
                  << CliText::Pick("出力先が入力ファイルと同じです: ",
                                   "the output is the input file: ")
                  << output << "\n";
        return 1;
    }
    GuiEnvironment::EnsureGuiApplication();
    QTextDocument doc;
    if (!LoadDocument(a.input, doc)) return 1;
    std::string page;
    try {
        // The page is titled with the input's file name; standard input has none.
        page =
            YokoHtmlPage::Build(RtfWriter::Write(doc), a.input == "-" ? "" : a.input, background);
    } catch (const RtfToHtmlError& e) {
        std::cerr << kPrefix << CliText::Pick("HTMLを生成できません: ", "cannot make the HTML: ")
                  << CliText::Engine(e.what()) << "\n";
        return 1;
    }
    return CliIo::WriteFile(output, page) ? 0 : 1;
}

int RunRtf2Html(const std::vector<std::string>& args) {
    // [INPUT] [-o OUTPUT], both the standard streams unless named.
    Args a;
    const bool named = !args.empty();
    if (named) {
        const std::string err = ParseArgs(args, false, a);
        if (!err.empty()) return CliCommand::UsageError(err);
    }
    const std::string input = named ? a.input : std::string("-");
    const std::string output = a.output.empty() ? std::string("-") : a.output;
    if (SameFile(output, input)) {
        std::cerr << kPrefix
                  << CliText::Pick("出力先が入力ファイルと同じです: ",
                                   "the output is the input file: ")
                  << output << "\n";
        return 1;
    }
    std::string in;
    if (!CliIo::ReadInput(input, in)) return 1;
    std::string html;
    try {
        html = RtfToHtml(in);
    } catch (const RtfToHtmlError& e) {
        std::cerr << kPrefix << CliText::Engine(e.what()) << "\n";
        return 1;
    }
    return CliIo::WriteFile(output, html) ? 0 : 1;
}

// INPUT [-o OUTPUT] for the commands that save the document in another format: the output is
// INPUT with the given extension unless named, never INPUT itself. The loaded document goes to
// save, whose result is the exit code.
int SaveDocumentAs(const std::vector<std::string>& args, const char* extension,
                   const std::function<int(const QTextDocument&, const std::string&)>& save) {
    Args a;
    const std::string err = ParseArgs(args, false, a);
    if (!err.empty()) return CliCommand::UsageError(err);
    // Read from standard input, the document goes to standard output unless named.
    const std::string output = !a.output.empty() ? a.output
                               : a.input == "-"  ? std::string("-")
                                                : DocumentPath::ChangeExtension(a.input, extension);
    if (SameFile(output, a.input)) {
        std::cerr << kPrefix
                  << CliText::Pick(
                         "出力先が入力ファイルと同じです。-o で別の名前を指定してください: ",
                         "the output is the input file; name another with -o: ")
                  << output << "\n";
        return 1;
    }
    GuiEnvironment::EnsureGuiApplication();
    QTextDocument doc;
    if (!LoadDocument(a.input, doc)) return 1;
    return save(doc, output);
}

int RunToRtf(const std::vector<std::string>& args) {
    return SaveDocumentAs(args, ".rtf", [](const QTextDocument& doc, const std::string& output) {
        return CliIo::WriteFile(output, RtfWriter::Write(doc)) ? 0 : 1;
    });
}

// The document as Shift-JIS text with CR LF line ends. Characters that Shift-JIS cannot hold
// are listed; the file is then written with "?" for them only when lossy.
int SaveText(const QTextDocument& doc, const std::string& output, bool lossy) {
    QString text;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (b != doc.begin()) text += QStringLiteral("\r\n");
        QString t = b.text();
        t.replace(QChar(0x2028), QStringLiteral("\r\n"));
        t.remove(QChar(0xFFFC));
        text += t;
    }
    const Cp932::EncodeResult enc = Cp932::Encode(text.toStdString());
    if (!enc.ok()) {
        std::string chars;
        for (char32_t c : enc.unmappable) chars += QString::fromUcs4(&c, 1).toStdString();
        std::cerr << kPrefix
                  << CliText::Pick("Shift-JIS で保存できない文字があります: ",
                                   "characters Shift-JIS cannot hold: ")
                  << chars << "\n";
        if (!lossy) {
            std::cerr
                << kPrefix
                << CliText::Pick(
                       "保存しませんでした。--lossy を付けると「?」に置き換えて保存します。\n",
                       "nothing saved; with --lossy they are saved as \"?\".\n");
            return 1;
        }
    }
    return CliIo::WriteFile(output, enc.bytes) ? 0 : 1;
}

int RunToText(const std::vector<std::string>& args) {
    bool lossy = false;
    std::vector<std::string> rest;
    for (const std::string& w : args) {
        if (w == "--lossy")
            lossy = true;
        else
            rest.push_back(w);
    }
    return SaveDocumentAs(rest, ".txt", [lossy](const QTextDocument& doc, const std::string& out) {
        return SaveText(doc, out, lossy);
    });
}

const CliCommand::Registrar yokoHtml(
    "yoko-html", "yoko-html INPUT|- [-o OUTPUT|-] [--background RRGGBB|COLOUR]",
    "横書きHTMLを生成 (INPUT: .rtf/.wri または Shift-JIS テキスト; 既定の出力は拡張子 .html、"
    "標準入力からなら標準出力)",
    "writes a horizontal HTML page (INPUT: .rtf/.wri or Shift-JIS text; the output is INPUT "
    "with .html, or standard output for standard input)",
    RunYokoHtml);
const CliCommand::Registrar rtf2html(
    "rtf2html", "rtf2html [INPUT|-] [-o OUTPUT|-]",
    "RTF を HTML に変換 (変換器のみ); 既定は標準入力から標準出力へ",
    "converts RTF into HTML (the bare converter); standard "
    "input to standard output unless named",
    RunRtf2Html);
const CliCommand::Registrar toRtf(
    "to-rtf", "to-rtf INPUT|- [-o OUTPUT|-]",
    "文書を RTF で保存 (既定の出力は拡張子 .rtf、標準入力からなら標準出力)",
    "saves the document as RTF (INPUT with .rtf, or standard output for standard input)", RunToRtf);
const CliCommand::Registrar toText(
    "to-text", "to-text INPUT|- [-o OUTPUT|-] [--lossy]",
    "文書を Shift-JIS テキスト (CR LF) で保存 (既定の出力は拡張子 .txt、標準入力からなら標準出力)",
    "saves the document as Shift-JIS text with CR LF (INPUT with .txt, or standard output for "
    "standard input)",
    RunToText);

}  // namespace

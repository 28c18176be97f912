// orimaki-cli tate-html and tate-text: vertical HTML pages and vertical plain text from a
// Shift-JIS plain-text file, through the same engine and writers as the editor's menu commands.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/CliIo.h"
#include "cli/CliText.h"
#include "core/ColorValue.h"
#include "core/Cp932.h"
#include "core/DocumentPath.h"
#include "core/ShiftJis.h"
#include "rtf/DocumentTateSource.h"
#include "vertical/SjisText.h"
#include "vertical/TateEngine.h"
#include "vertical/TateMessages.h"
#include "vertical/TateSettingsReader.h"
#include "vertical/TateSource.h"

namespace {

const char* const kHtmlUsage =
    "tate-html --method M [--lines N] [--spacing N] [--line-height N | --no-line-height]\n"
    "      [--font-name] [--font-size] [--font-style] [--font-color]\n"
    "      [--separator text|hr|none] [--align right|center|left] [--quote 0|1|2]\n"
    "      [--punct 0|1|2|3] [--standard-font gothic|mincho] [--standard-size P]\n"
    "      [--dfont1 0|1|2] [--dfont2 0|1|2|3] [--links] [--mac-fonts] [--no-embed-source]\n"
    "      [--clipboard] [--title T] [--background B] [--bgcolor RRGGBB] [--wrap W]\n"
    "      INPUT|- [-o OUTPUT|-]";
const char* const kTextUsage =
    "tate-text [--lines N] [--spacing N] [--no-separator] [--full-width] [--wrap W]\n"
    "      INPUT|- [-o OUTPUT|-]";

struct Options {
    std::map<std::string, std::string> values;  // options with a value
    std::vector<std::string> flags;             // options without one
    std::string input, output;
    bool Flag(const std::string& f) const {
        for (const auto& x : flags)
            if (x == f) return true;
        return false;
    }
};

bool ParseInt(const std::string& text, int lo, int hi, int& out) {
    if (text.empty() || text.size() > 6) return false;
    int v = 0;
    std::size_t i = 0;
    bool neg = false;
    if (text[0] == '-') {
        neg = true;
        i = 1;
        if (text.size() == 1) return false;
    }
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        v = v * 10 + (text[i] - '0');
    }
    if (neg) v = -v;
    if (v < lo || v > hi) return false;
    out = v;
    return true;
}

// Splits the arguments; returns an error text (empty when fine).
std::string Parse(const std::vector<std::string>& args, const std::vector<std::string>& valued,
                  const std::vector<std::string>& flagNames, Options& o) {
    auto isIn = [](const std::vector<std::string>& v, const std::string& s) {
        for (const auto& x : v)
            if (x == s) return true;
        return false;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-o") {
            if (i + 1 >= args.size())
                return CliText::Pick("-o の後に出力ファイル名を指定してください。",
                                     "-o needs the name of the output file.");
            o.output = args[++i];
        } else if (isIn(valued, a)) {
            if (i + 1 >= args.size())
                return a + CliText::Pick(" の後に値を指定してください。", " needs a value.");
            o.values[a] = args[++i];
        } else if (isIn(flagNames, a)) {
            o.flags.push_back(a);
        } else if (a.size() > 1 && a[0] == '-') {
            return CliText::Pick("知らないオプションです: ", "unknown option: ") + a;
        } else {
            if (!o.input.empty())
                return CliText::Pick("入力ファイルは一つだけ指定してください。",
                                     "give only one input file.");
            o.input = a;
        }
    }
    if (o.input.empty())
        return CliText::Pick("入力ファイルを指定してください (標準入力は -)。",
                             "give an input file (- for standard input).");
    return {};
}

// Reads an integer option; returns false with a message when it is out of range.
bool IntOption(const Options& o, const std::string& name, int lo, int hi, int& out,
               std::string& error) {
    auto it = o.values.find(name);
    if (it == o.values.end()) return true;
    if (!ParseInt(it->second, lo, hi, out)) {
        error = CliText::Japanese()
                    ? name + " は " + std::to_string(lo) + " から " + std::to_string(hi) +
                          " の整数で指定してください: " + it->second
                    : name + " takes a whole number from " + std::to_string(lo) + " to " +
                          std::to_string(hi) + ": " + it->second;
        return false;
    }
    return true;
}

bool ChoiceOption(const Options& o, const std::string& name,
                  const std::vector<std::string>& choices, int& out, std::string& error) {
    auto it = o.values.find(name);
    if (it == o.values.end()) return true;
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (choices[i] == it->second) {
            out = static_cast<int>(i);
            return true;
        }
    error = name + CliText::Pick(" の値が正しくありません: ", ": not a valid value: ") + it->second;
    return false;
}

bool WriteOutput(const std::string& path, const std::string& bytes) {
    return path.empty() ? CliIo::WriteStdout(bytes) : CliIo::WriteFile(path, bytes);
}

std::string BaseName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Tells the user when the input does not read as Shift-JIS (a lead byte without a valid trail
// byte, or a byte that is no character of code page 932); the run goes on, since a Shift-JIS
// file may hold a few stray bytes.
void WarnIfNotShiftJis(const std::string& bytes) {
    std::size_t bad = 0, first = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        bool ok = true;
        std::size_t len = 1;
        if (ShiftJis::IsLeadByte(b)) {
            const unsigned char t =
                i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0;
            ok = (t >= 0x40 && t <= 0x7E) || (t >= 0x80 && t <= 0xFC);
            len = ok ? 2 : 1;
        } else {
            ok = !(b == 0x80 || b == 0xA0 || b >= 0xFD);
        }
        if (!ok && bad++ == 0) first = i;
        i += len;
    }
    if (bad == 0) return;
    if (CliText::Japanese())
        std::cerr << "入力ファイルに Shift-JIS として読めないバイトが " << bad
                  << " か所あります（最初は " << first
                  << " バイト目）。文字コードを確かめてください。\n";
    else
        std::cerr << "the input has " << bad << " bytes that are not Shift-JIS (the first at byte "
                  << first << "); check its encoding.\n";
}

// The plain-text document of the input: every character in "ＭＳ Ｐゴシック", 11 points, black.
TateSource SourceOf(const std::string& bytes, int wrap) {
    TateFormat f;
    f.name = SjisText::Sj("ＭＳ Ｐゴシック");
    f.size = 11;
    f.color = clBlack;
    f.style = 0;
    WarnIfNotShiftJis(bytes);
    return TateSource::FromPlainText(bytes, f, wrap);
}

// The document of the input file: .rtf/.wri (any extension that takes the rich-text path) is
// read by the RTF reader, so every character keeps its own font, size, colour and style; a file
// that is not RTF, and every other file, is plain text as above.
TateSource SourceFor(const std::string& path, const std::string& bytes, int wrap) {
    // Standard input has no extension: rich text is told by its first bytes.
    const bool rich =
        path == "-" ? bytes.compare(0, 5, "{\\rtf") == 0 : DocumentPath::ReadsAsRichText(path);
    if (rich) {
        TateFormat base;
        base.name = SjisText::Sj("ＭＳ Ｐゴシック");
        base.size = 11;
        base.color = clBlack;
        TateSource src;
        std::string error;
        if (DocumentTateSource::FromRtf(bytes, wrap, base, src, error)) return src;
        std::cerr << "orimaki-cli: " << path << ": " << CliText::Engine(error)
                  << CliText::Pick(" テキストとして読み込みます。", " Read as plain text.") << "\n";
    }
    return SourceOf(bytes, wrap);
}

int Finish(const TateEngine::Result& r, const std::string& output) {
    for (const auto& w : r.warnings) std::cerr << CliText::Engine(w) << "\n";
    if (r.status != TateEngine::Status::Completed) {
        std::cerr << CliText::Engine(r.error) << "\n";
        return 1;
    }
    return WriteOutput(output, r.output) ? 0 : 1;
}

int RunHtml(const std::vector<std::string>& args) {
    Options o;
    std::string err =
        Parse(args,
              {"--method", "--lines", "--spacing", "--line-height", "--separator", "--align",
               "--quote", "--punct", "--standard-font", "--standard-size", "--dfont1", "--dfont2",
               "--title", "--background", "--bgcolor", "--wrap"},
              {"--no-line-height", "--font-name", "--font-size", "--font-style", "--font-color",
               "--links", "--mac-fonts", "--no-embed-source", "--clipboard"},
              o);
    if (!err.empty()) return CliCommand::UsageError(err);
    if (!o.values.count("--method"))
        return CliCommand::UsageError(
            CliText::Pick("--method を指定してください。", "give --method 0 to 4."));

    int method = 0, wrap = 0, separator = 0, sizeValue = 10, font = 0;
    TateHtmlDialogValues v;
    bool ok = IntOption(o, "--method", 0, 4, method, err) &&
              IntOption(o, "--lines", 1, 399, v.lineCount, err) &&
              IntOption(o, "--spacing", 0, 15, v.space, err) &&
              IntOption(o, "--line-height", 5, 20, v.lineHeight, err) &&
              IntOption(o, "--quote", 0, 2, v.lSelect, err) &&
              IntOption(o, "--punct", 0, 3, v.tenSelect, err) &&
              IntOption(o, "--dfont1", 0, 2, v.dFont1, err) &&
              IntOption(o, "--dfont2", 0, 3, v.dFont2, err) &&
              IntOption(o, "--wrap", 0, 100000, wrap, err) &&
              ChoiceOption(o, "--separator", {"text", "hr", "none"}, separator, err) &&
              ChoiceOption(o, "--align", {"right", "center", "left"}, v.align, err) &&
              ChoiceOption(o, "--standard-font", {"gothic", "mincho"}, font, err) &&
              IntOption(o, "--standard-size", 1, 100, sizeValue, err);
    if (!ok) return CliCommand::UsageError(err);
    v.fsCombo = -1;
    for (int item = 0; item < 7; ++item)
        if (TateSettingsReader::SizeOfItem(item) == sizeValue) v.fsCombo = item;
    if (v.fsCombo < 0)
        return CliCommand::UsageError(
            CliText::Pick("--standard-size は 8 10 12 14 18 24 34 のどれかで指定してください。",
                          "--standard-size is one of 8 10 12 14 18 24 34."));
    v.htmlLine = separator;
    v.gosic = font == 0;
    v.lineHeightOn = !o.Flag("--no-line-height");
    v.name = o.Flag("--font-name");
    v.size = o.Flag("--font-size");
    v.style = o.Flag("--font-style");
    v.color = o.Flag("--font-color");
    v.link = o.Flag("--links");
    v.macFont = o.Flag("--mac-fonts");
    v.textIn = !o.Flag("--no-embed-source");
    v.clip = o.Flag("--clipboard");
    // The page is titled with the input's file name; standard input has none.
    const std::string title = o.values.count("--title") ? o.values["--title"]
                              : o.input == "-"          ? std::string()
                                                        : BaseName(o.input);
    v.title = SjisText::ForHtml(title);
    if (o.values.count("--background")) v.background = SjisText::ForHtml(o.values["--background"]);
    if (o.values.count("--bgcolor") && !HtmlToColor(o.values["--bgcolor"], v.pageColor))
        return CliCommand::UsageError(
            CliText::Pick("--bgcolor は RRGGBB (16進6桁) で指定してください: ",
                          "--bgcolor takes RRGGBB (six hex digits): ") +
            o.values["--bgcolor"]);

    std::string bytes;
    if (!CliIo::ReadInput(o.input, bytes)) return 1;
    TateWarnings readWarnings;
    TateSettings s = TateSettingsReader::FromHtmlDialog(v, method, readWarnings);
    TateEngine::Result r =
        TateEngine::Run(SourceFor(o.input, bytes, wrap), s, static_cast<TateMethod>(method));
    for (const auto& w : readWarnings.Messages()) std::cerr << w << "\n";
    return Finish(r, o.output);
}

int RunText(const std::vector<std::string>& args) {
    Options o;
    std::string err =
        Parse(args, {"--lines", "--spacing", "--wrap"}, {"--no-separator", "--full-width"}, o);
    if (!err.empty()) return CliCommand::UsageError(err);
    TateTextDialogValues v;
    int wrap = 0;
    bool ok = IntOption(o, "--lines", 1, 399, v.lineCount, err) &&
              IntOption(o, "--spacing", 0, 15, v.space, err) &&
              IntOption(o, "--wrap", 0, 100000, wrap, err);
    if (!ok) return CliCommand::UsageError(err);
    v.dan = !o.Flag("--no-separator");
    v.zero = o.Flag("--full-width");

    std::string bytes;
    if (!CliIo::ReadInput(o.input, bytes)) return 1;
    TateEngine::Result r = TateEngine::Run(SourceFor(o.input, bytes, wrap),
                                           TateSettingsReader::FromTextDialog(v), TateMethod::Text);
    return Finish(r, o.output);
}

const CliCommand::Registrar tateHtmlCommand(
    "tate-html", kHtmlUsage, "縦書きHTMLを五つの方式 (0-4) のどれかで生成; 既定の出力は標準出力",
    "writes a vertical web page by one of the five methods (0-4); to standard output unless "
    "named",
    RunHtml);
const CliCommand::Registrar tateTextCommand(
    "tate-text", kTextUsage, "縦書きテキストを生成; 既定の出力は標準出力",
    "writes the text set in vertical columns; to standard output unless named", RunText);

}  // namespace

// orimaki-cli convert MODE and orimaki-cli count: the width, case and line-end conversions and
// the character count, on Shift-JIS bytes from a file or standard input. Bytes are read and
// written as they are (no locale, no text-mode translation), so any byte string passes through.

#include <string>
#include <string_view>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/CliIo.h"
#include "cli/CliText.h"
#include "core/CharCount.h"
#include "core/HenkanJ.h"

namespace {

struct Mode {
    const char* name;
    std::string (*convert)(std::string_view);
};

constexpr Mode kModes[] = {
    {"hankaku", ZenToHan},  {"zenkaku", HanToZen},  {"kana", HanKanaToZen},
    {"upper", SjisToUpper}, {"lower", SjisToLower}, {"crlf", RestoreLineEnds},
};

// [INPUT] [-o OUTPUT] after the command's own words: both default to "-" (the standard
// streams). Returns an error text, empty when fine.
std::string ParseStreams(const std::vector<std::string>& args, std::size_t first,
                         std::string& input, std::string& output) {
    input = output = "-";
    bool haveInput = false;
    for (std::size_t i = first; i < args.size(); ++i) {
        const std::string& w = args[i];
        if (w == "-o" || w == "--output") {
            if (i + 1 >= args.size())
                return CliText::Pick("-o の後に出力ファイル名を指定してください。",
                                     "-o needs the name of the output file.");
            output = args[++i];
        } else if (w.size() > 1 && w[0] == '-') {
            return CliText::Pick("知らないオプションです: ", "unknown option: ") + w;
        } else if (haveInput) {
            return CliText::Pick("入力ファイルは一つだけ指定してください。",
                                 "give only one input file.");
        } else {
            input = w;
            haveInput = true;
        }
    }
    return {};
}

int RunConvert(const std::vector<std::string>& args) {
    if (args.empty())
        return CliCommand::UsageError(
            CliText::Pick("変換モードを指定してください。", "give a conversion mode."));
    const Mode* mode = nullptr;
    for (const Mode& m : kModes)
        if (args[0] == m.name) mode = &m;
    if (!mode)
        return CliCommand::UsageError(
            CliText::Pick("不明な変換モードです: ", "unknown conversion mode: ") + args[0]);
    std::string input, output;
    const std::string err = ParseStreams(args, 1, input, output);
    if (!err.empty()) return CliCommand::UsageError(err);
    std::string in;
    if (!CliIo::ReadInput(input, in)) return CliCommand::kFailed;
    return CliIo::WriteFile(output, mode->convert(in)) ? CliCommand::kDone : CliCommand::kFailed;
}

int RunCount(const std::vector<std::string>& args) {
    std::string input, output;
    const std::string err = ParseStreams(args, 0, input, output);
    if (!err.empty()) return CliCommand::UsageError(err);
    std::string in;
    if (!CliIo::ReadInput(input, in)) return CliCommand::kFailed;
    return CliIo::WriteFile(output, std::to_string(CharCount::Count(in)) + "\n")
               ? CliCommand::kDone
               : CliCommand::kFailed;
}

const CliCommand::Registrar convertCommand(
    "convert", "convert hankaku|zenkaku|kana|upper|lower|crlf [INPUT|-] [-o OUTPUT|-]",
    "Shift-JIS のテキストを変換 (全角→半角 / 半角→全角 / 半角カナだけ全角 / 大文字 / 小文字 / "
    "改行を CR LF に); 既定は標準入力から標準出力へ",
    "converts Shift-JIS text (full-width to half-width / half-width to full-width / half-width "
    "kana only / upper case / lower case / line ends to CR LF); standard input to standard "
    "output unless named",
    RunConvert);

const CliCommand::Registrar countCommand(
    "count", "count [INPUT|-] [-o OUTPUT|-]",
    "文字数を出力 (改行を除き、全角一文字を 1 と数える); 既定は標準入力",
    "prints the number of characters (line ends not counted, a full-width character counts "
    "1); standard input unless named",
    RunCount);

}  // namespace

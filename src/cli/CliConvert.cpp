// orimaki-cli convert MODE and orimaki-cli count: the width, case and line-end conversions and
// the character count, on Shift-JIS bytes from standard input. Bytes are read and written as
// they are (no locale, no text-mode translation), so any byte string passes through.

#include <string>
#include <string_view>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/CliIo.h"
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

int RunConvert(const std::vector<std::string>& args) {
    if (args.size() != 1) return CliCommand::UsageError("変換モードを一つ指定してください。");
    for (const Mode& m : kModes) {
        if (args[0] != m.name) continue;
        std::string in;
        if (!CliIo::ReadStdin(in)) return 1;
        return CliIo::WriteStdout(m.convert(in)) ? 0 : 1;
    }
    return CliCommand::UsageError("不明な変換モードです: " + args[0]);
}

int RunCount(const std::vector<std::string>& args) {
    if (!args.empty()) return CliCommand::UsageError("count は引数を取りません。");
    std::string in;
    if (!CliIo::ReadStdin(in)) return 1;
    return CliIo::WriteStdout(std::to_string(CharCount::Count(in)) + "\n") ? 0 : 1;
}

const CliCommand::Registrar convertCommand(
    "convert",
    "convert hankaku|zenkaku|kana|upper|lower|crlf  < in.sjis > out.sjis\n"
    "      Shift-JIS の標準入力を変換して標準出力へ (half-width / full-width / half-width kana\n"
    "      only / upper case / lower case / line ends to CR LF)",
    RunConvert);

const CliCommand::Registrar countCommand(
    "count",
    "count  < in.sjis\n"
    "      標準入力の文字数 (改行を除き、全角一文字を 1 と数える) / character count of stdin",
    RunCount);

}  // namespace

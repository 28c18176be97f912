#include "cli/CliText.h"

#include <cstdlib>
#include <regex>
#include <vector>

bool CliText::IsJapaneseLocale(const std::string& locale) {
    return locale.compare(0, 2, "ja") == 0;
}

bool CliText::Japanese() {
    static const bool japanese = [] {
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
            const char* value = std::getenv(name);
            if (value && *value) return IsJapaneseLocale(value);
        }
        return true;
    }();
    return japanese;
}

std::string CliText::Pick(const char* japanese, const char* english) {
    return Japanese() ? japanese : english;
}

namespace {

struct EngineText {
    const char* japanese;  // the whole message, as a regular expression
    const char* english;   // its English, with $1, $2 for the parts caught
};

// The Japanese texts are those of the engines, character for character.
const EngineText kEngineTexts[] = {
    {"一行の文字数が多すぎます。縦書き表示に適しません。\n縦書きHTMLの生成を終了します。",
     "A display line has too many characters for vertical text.\n"
     "The vertical HTML was not made."},
    {"一文が折り返しなしで長すぎます。\n縦書き表示に適しません。",
     "A sentence is too long without a line break.\nIt cannot be shown vertically."},
    {"文字化けする可能性があります（([0-9]+)行、最初は([0-9]+)段落目）\nご注意ください",
     "Some characters may be garbled (rows: $1, the first in paragraph $2).\n"
     "Please check the page."},
    {"文字化けする可能性があります\nご注意ください",
     "Some characters may be garbled.\nPlease check the page."},
    {"Shift-JIS で書き出せない文字があります: (.*)\nShift-JIS "
     "のテキストではその文字が「\\?」になります",
     "Characters that Shift-JIS cannot hold: $1\nThe Shift-JIS text has \"?\" for them."},
    {"リッチテキスト形式（RTF）のデータではありません。",
     "This is not Rich Text Format (RTF) data."},
    {"フォント番号 (-?[0-9]+) はフォント表にありません。",
     "Font number $1 is not in the font table."},
    {"色番号 (-?[0-9]+) は色表にありません。", "Colour number $1 is not in the colour table."},
};

}  // namespace

std::string CliText::Engine(const std::string& japanese) {
    if (Japanese()) return japanese;
    // Compiled once, on the first message that needs its English.
    static const std::vector<std::regex> patterns = [] {
        std::vector<std::regex> out;
        for (const EngineText& t : kEngineTexts) out.emplace_back(t.japanese);
        return out;
    }();
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        std::smatch m;
        if (std::regex_match(japanese, m, patterns[i])) return m.format(kEngineTexts[i].english);
    }
    return japanese;
}

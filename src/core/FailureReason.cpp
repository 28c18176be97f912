#include "core/FailureReason.h"

#include <algorithm>
#include <cctype>

namespace {

struct Reason {
    const char* system;  // a part of the system's text, in lower case
    const char* japanese;
};

// The texts of the C library and of Qt's file classes for the failures a user meets.
const Reason kReasons[] = {
    {"no such file or directory", "ファイルまたはフォルダが見つかりません"},
    {"permission denied", "アクセスが拒否されました"},
    {"operation not permitted", "この操作は許可されていません"},
    {"no space left on device", "ディスクの空き容量が足りません"},
    {"disk quota exceeded", "ディスクの使用量の上限を超えました"},
    {"read-only file system", "読み取り専用の場所には書き込めません"},
    {"is a directory", "ファイルではなくフォルダです"},
    {"not a directory", "パスの途中にフォルダではないものがあります"},
    {"file name too long", "ファイル名が長すぎます"},
    {"file too large", "ファイルが大きすぎます"},
    {"file exists", "同じ名前のファイルがすでにあります"},
    {"too many open files", "開いているファイルが多すぎます"},
    {"input/output error", "ディスクの読み書きでエラーが起きました"},
    {"device or resource busy", "ファイルまたは装置が使用中です"},
    {"too many levels of symbolic links", "シンボリックリンクの階層が深すぎます"},
    {"text file busy", "ファイルが使用中です"},
    {"resource temporarily unavailable", "一時的に使用できません"},
    {"no such device", "装置が見つかりません"},
    {"unknown error", "原因のわからないエラーです"},
};

std::string Lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return out;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

}  // namespace

std::string FailureReason::Describe(std::string_view systemText) {
    const std::string_view text = Trim(systemText);
    if (text.empty()) return {};
    if (std::any_of(text.begin(), text.end(),
                    [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
        return std::string(text);
    const std::string lower = Lower(text);
    const char* japanese = "システムがエラーを報告しました";
    for (const Reason& r : kReasons) {
        if (lower.find(r.system) != std::string::npos) {
            japanese = r.japanese;
            break;
        }
    }
    return std::string(japanese) + "（" + std::string(text) + "）";
}

#pragma once
// The texts the vertical generation shows the user (UTF-8; the window layer shows them in
// message boxes, the command line prints them).

#include <cstddef>
#include <string>

namespace TateMessages {
// A display line has more than 50 characters.
inline constexpr const char* kLineTooLong =
    "一行の文字数が多すぎます。縦書き表示に適しません。\n縦書きHTMLの生成を終了します。";
// Any failure while the blocks are laid out or written.
inline constexpr const char* kLayoutFailed =
    "一文が折り返しなしで長すぎます。\n縦書き表示に適しません。";
// A left-shifted glyph follows a column with no space unit behind it. Shown once per run, with
// the number of rows where it happened and the number of the first block that has one.
inline constexpr const char* kMayGarble = "文字化けする可能性があります\nご注意ください";
inline std::string MayGarble(std::size_t rows, int firstBlock) {
    return "文字化けする可能性があります（" + std::to_string(rows) + "行、最初は" +
           std::to_string(firstBlock) + "段落目）\nご注意ください";
}
// Vertical text: characters that code page 932 cannot hold (listed once each, UTF-8) are kept
// in the Unicode text and written as "?" in Shift-JIS.
inline std::string NotInShiftJis(const std::string& characters) {
    return "Shift-JIS で書き出せない文字があります: " + characters +
           "\nShift-JIS のテキストではその文字が「?」になります";
}
// A point size of 0, or a size choice outside the list.
inline constexpr const char* kSizeError = "エラーじゃ";
// Progress window.
inline constexpr const char* kProgressCaption = "縦HTML生成";
inline constexpr const char* kProgressText = "途中で中止したいときは\nボタンを押してください。";
}  // namespace TateMessages

#pragma once
// The RTF to HTML converter of the horizontal HTML export: one forward pass over the RTF bytes
// with a handful of state variables. It knows 23 control words (plus \u and \uc, so that
// characters outside code page 932 arrive as numeric character references, in font names too)
// and ignores every other one; hidden text (\v) is left out. Bytes pass through unchanged, so
// Shift-JIS text stays Shift-JIS. It writes no closing FONT or DIV tags of its own, and
// entities lack their semicolon ("&lt", "&gt").

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

// A font or colour number that the RTF's tables do not declare. what() is a Japanese message
// in UTF-8 that the caller can show as it stands.
class RtfToHtmlError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct RtfToHtmlResult {
    std::string html;
    // Bytes of html written before the header ended (the first "\deflang"); npos when the RTF
    // has no "\deflang".
    std::size_t headerBytes = std::string::npos;
};

// Converts RTF bytes to HTML bytes. Throws RtfToHtmlError for an undeclared font or colour.
RtfToHtmlResult RtfToHtmlDetailed(std::string_view rtf);
inline std::string RtfToHtml(std::string_view rtf) {
    return RtfToHtmlDetailed(rtf).html;
}

#pragma once
// The horizontal HTML export's page: RTF of the document in, the bytes of the HTML file out.
// The RTF is converted by RtfToHtml, split into lines at CR LF, the header's lines at the top
// are emptied, and the page is wrapped: head, "<BLOCKQUOTE>", the converted lines, two empty
// lines, "</DIV>", "</BLOCKQUOTE>", "</BODY></HTML>". Everything is Shift-JIS, lines end in
// CR LF.

#include <string>
#include <string_view>
#include <vector>

#include "core/ColorValue.h"

class YokoHtmlPage {
public:
    // How many of the first converted lines are emptied (at most; see EmptyHeaderLines).
    static constexpr std::size_t kEmptiedLines = 5;

    // The lines of the page. documentPath is UTF-8; its file name becomes the title.
    // Throws RtfToHtmlError when the RTF names a font or colour its tables do not declare.
    static std::vector<std::string> Lines(std::string_view rtf, std::string_view documentPath,
                                          TColor background);
    // The file's bytes: every line followed by CR LF.
    static std::string Build(std::string_view rtf, std::string_view documentPath,
                             TColor background);
    // Where the page goes: the document path with its extension replaced by ".html".
    static std::string OutputPath(std::string_view documentPath);

    // Splits at CR LF; a final CR LF does not start another line, and an empty text has none.
    static std::vector<std::string> SplitLines(std::string_view text);
    // Empties lines 0 to 4 as long as they hold only the header's output: a line is emptied
    // when it ends before headerBytes of html, or when it is empty already; the first line that
    // carries document text stops the emptying.
    static void EmptyHeaderLines(std::vector<std::string>& lines, std::string_view html,
                                 std::size_t headerBytes);
    // A UTF-8 text in Shift-JIS; characters code page 932 cannot hold become "&#N;".
    static std::string ToSjisHtml(std::string_view utf8);
};

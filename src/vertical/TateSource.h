#pragma once
// What a vertical generation run reads: the document's display lines (as the view wraps them),
// each a Shift-JIS string with the attributes of its characters, and the document's whole text
// (for embedding it in the page). Built from a view's document by the window layer, from RTF
// by the RTF reader, or from plain text here.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "vertical/TateFormat.h"

class TateSource {
public:
    // A change of attributes: from byte offset `offset` of the line on, format `format`.
    struct Run {
        std::size_t offset = 0;
        int format = 0;
    };
    struct Line {
        std::string text;          // Shift-JIS, without the line break
        std::vector<Run> runs;     // ascending offsets; empty = format 0
        bool paragraphEnd = true;  // false when the view wrapped the paragraph after this line
        // Characters that code page 932 cannot hold: byte offset of the stand-in "〓" in text,
        // and the numeric character reference ("&#134071;") its cell gets. Ascending offsets.
        std::vector<std::pair<std::size_t, std::string>> references;
    };

    // Registers a format and returns its index (the same format always gives the same index).
    int AddFormat(const TateFormat& format);
    const TateFormat& Format(int index) const { return formats_[index]; }
    std::size_t FormatCount() const { return formats_.size(); }

    // Adds a whole display line.
    void AppendLine(std::string text, std::vector<Run> runs, bool paragraphEnd = true);
    void AppendLine(std::string text, const TateFormat& format, bool paragraphEnd = true);

    // Builds a line piece by piece: characters with their format, then EndLine.
    void AppendChars(std::string_view sjis, const TateFormat& format);
    void EndLine(bool paragraphEnd = true);
    // A character that code page 932 cannot hold: it counts as one character of the line and
    // its cell holds the reference text ("&#134071;"), written into the page as it is.
    void AppendReference(std::string_view reference, const TateFormat& format);

    std::size_t LineCount() const { return lines_.size(); }
    const Line& LineAt(std::size_t i) const { return lines_[i]; }

    // Format index in force at byte offset `offset` of a line (format 0 when it has no runs).
    static int FormatIndexAt(const Line& line, std::size_t offset);

    // The document's whole text, paragraphs joined by CR LF (Shift-JIS).
    const std::string& DocumentText() const { return documentText_; }
    void SetDocumentText(std::string sjis) { documentText_ = std::move(sjis); }

    // A plain-text document: every character gets `format`; paragraphs end at CR LF, LF or a
    // lone CR (a text ending with a line break has an empty last line, as in the editor). With
    // wrap > 0 every paragraph is cut into display lines of at most `wrap` characters, as a
    // view of that width shows it; 0 keeps each paragraph one display line. An empty text gives
    // one empty line.
    static TateSource FromPlainText(std::string_view sjis, const TateFormat& format, int wrap);

private:
    std::vector<TateFormat> formats_;
    std::vector<Line> lines_;
    Line pending_;
    std::string documentText_;
};

#pragma once
// The encodings of plain-text files. New files and anything undecided are Shift-JIS (code
// page 932); a file that is recognisably UTF-8 (with or without a byte-order mark), UTF-16
// with a byte-order mark, or EUC-JP is read as such and written back the same way, line ends
// included, so that opening and saving a file never turns its text into garbage.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class TextEncoding {
public:
    enum class Encoding { ShiftJis, Utf8, Utf8Bom, Utf16Le, Utf16Be, EucJp };
    enum class LineEnd { CrLf, Lf, Cr };

    struct Format {
        Encoding encoding = Encoding::ShiftJis;
        LineEnd lineEnd = LineEnd::CrLf;
        bool operator==(const Format& o) const {
            return encoding == o.encoding && lineEnd == o.lineEnd;
        }
    };

    struct Decoded {
        std::string text;                         // UTF-8, line ends as in the file
        std::vector<std::size_t> invalidOffsets;  // file offsets of bytes that gave U+FFFD
    };
    struct Encoded {
        std::string bytes;                 // the file's bytes; an unmappable character gives '?'
        std::vector<char32_t> unmappable;  // characters the encoding cannot hold, in order
    };

    // Which encoding the bytes are in (byte-order marks first, then valid UTF-8, then
    // Shift-JIS against EUC-JP), and which line end they mostly use (CR LF when none).
    static Format Detect(std::string_view bytes);
    static Encoding DetectEncoding(std::string_view bytes);
    static LineEnd DetectLineEnd(std::string_view utf8);

    // Bytes in the given encoding (a byte-order mark is skipped) to UTF-8.
    static Decoded Decode(std::string_view bytes, Encoding encoding);
    // UTF-8 to bytes in the given encoding (with its byte-order mark where it has one).
    static Encoded Encode(std::string_view utf8, Encoding encoding);

    // Every CR LF, lone CR and lone LF becomes "\n".
    static std::string ToLf(std::string_view utf8);
    // Every "\n" becomes the given line end.
    static std::string FromLf(std::string_view utf8, LineEnd lineEnd);

    // Whole-file shorthands: detect, decode and turn line ends into "\n"; and back.
    static Decoded ReadText(std::string_view bytes, Format* format);
    static Encoded WriteText(std::string_view utf8WithLf, const Format& format);

    // A short name for captions and messages: "Shift-JIS", "UTF-8", "UTF-8 (BOM)",
    // "UTF-16LE", "UTF-16BE", "EUC-JP".
    static const char* Name(Encoding encoding);
    static const char* Name(LineEnd lineEnd);  // "CR+LF", "LF", "CR"

    // True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
    static bool IsValidUtf8(std::string_view bytes);
};

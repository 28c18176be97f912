#pragma once
// Colour name lists: one colour per line in the form name "=" value. The name is the text
// before the first "="; the value, the text after it, is a colour text (a decimal number,
// "$" followed by hexadecimal digits, or one of the colour names such as "clRed"). Lines
// without "=" or with an empty name are not colours; a value that cannot be read gives clNone.
//
// List files are Shift-JIS text on disk. Inside the program the lines are UTF-8 (the colour box
// shows them through Qt), so a file is decoded once when it is read.

#include <string>
#include <string_view>
#include <vector>

#include "core/ColorValue.h"

class ColorListFile {
public:
    // The six list files, in the order of the colour file type (0 to 5).
    static constexpr int kFileCount = 6;
    // File name of a colour file type, or nullptr outside 0-5.
    static const char* FileNameForType(int colorFileType);
    // Width in pixels the colour box gets with that list (0 outside 0-5).
    static int BoxWidthForType(int colorFileType);

    // The built-in extended list of the main window's colour box: 308 lines in UTF-8.
    static const std::vector<std::string>& BuiltInLines();

    // Decodes the bytes of a list file and splits them into lines. The bytes are Shift-JIS
    // (code page 932); a file that starts with a UTF-8 byte-order mark, or that is valid UTF-8
    // with at least one multi-byte character, is read as UTF-8 instead, so a list edited and
    // saved by a UTF-8 editor still shows its names. Bytes that are not valid in the chosen
    // encoding become U+FFFD; nothing fails. Lines end at CR LF, LF or CR; a line end at the
    // very end adds no empty line.
    static std::vector<std::string> DecodeLines(std::string_view fileBytes);
    // Splits UTF-8 text into lines by the same line-end rule.
    static std::vector<std::string> SplitLines(std::string_view text);

    // The name of a line: the text before the first "="; empty when the line has no "=".
    static std::string_view NameOf(std::string_view line);
    // The value text of a line: the text after the first "="; empty when there is none.
    static std::string_view ValueTextOf(std::string_view line);
    // The colour of a value text: clNone when it cannot be read.
    static TColor ValueOf(std::string_view valueText);

    // Case-insensitive comparison of names as the list lookup does it: ASCII letters compare
    // without regard to case, every other character exactly.
    static bool SameName(std::string_view a, std::string_view b);
    // The name folded for that comparison (ASCII capitals to small letters).
    static std::string FoldName(std::string_view name);
};

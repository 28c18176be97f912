#pragma once
// Bytes of a Windows code page to Unicode, for the RTF reader. Code page 932 goes
// through Cp932; the others through glibc iconv ("CP1252", "CP950", "CP936" …). An unknown code
// page is read as 1252. Bytes the code page does not define become U+FFFD.

#include <QString>
#include <string>
#include <string_view>

class CodePageDecoder {
public:
    static QString Decode(int codePage, std::string_view bytes);
    // Code page of a font character set (\fcharset); 0 when the character set names none
    // (ANSI, DEFAULT, SYMBOL, OEM and unknown sets follow the document's code page).
    static int CodePageOfCharset(int charset);
};

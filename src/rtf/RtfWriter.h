#pragma once
// A QTextDocument, or a range of it, as Rich Text Format bytes in the layout of a classic
// rich-edit writer, which Word, WordPad, LibreOffice and RtfToHtml read:
//   {\rtf1\ansi\ansicpg932\deff0{\fonttbl{\f0\fnil\fcharset128 NAME;}…}
//   {\colortbl\red0\green0\blue0;…}
//   {\*\generator Orimaki;}
//   \viewkind4\uc1
//   \deflang1041\pard\plain\f0\fs21 …\par }
// Fonts are numbered from 0 in the order of first use; the colour table has no empty first
// entry (entry 0 is black, the automatic colour); a style that ends is ended by \plain; text
// is Shift-JIS with every byte from 0x80 up and every \ { } written as \'hh; characters that
// code page 932 cannot hold are written as \uN followed by "?". Ruby words (TextProperties)
// are written as the EQ field they were read from, {\field{\*\fldinst EQ …}{\fldrslt }}.

#include <string>

class QTextCursor;
class QTextDocument;

class RtfWriter {
public:
    // The whole document.
    static std::string Write(const QTextDocument& document);
    // The characters from position from up to (not including) position to; a paragraph end
    // inside the range is kept.
    static std::string Write(const QTextDocument& document, int from, int to);
    // The cursor's selection (nothing selected: an empty RTF document).
    static std::string WriteSelection(const QTextCursor& cursor);
};

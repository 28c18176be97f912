#pragma once
// A vertical generation source made from a QTextDocument: each paragraph (and each line
// break inside one) is a display line, cut into lines of at most `wrap` characters when wrap is
// above 0; every character keeps its own font name, size, colour and style.

#include <string>
#include <string_view>
#include <vector>

#include "vertical/TateFormat.h"
#include "vertical/TateSource.h"

class QTextDocument;

class DocumentTateSource {
public:
    // Attributes a character does not set come from base (the default font).
    static TateSource FromDocument(const QTextDocument& document, int wrap, const TateFormat& base);
    // The display lines of a view: lineStarts holds the document position of the first
    // character of every display line, ascending (as the view's line index gives them). A line
    // ends where the next one starts; a paragraph end or a line break inside a paragraph ends
    // it as well. Characters keep their attributes as in FromDocument.
    static TateSource FromDisplayLines(const QTextDocument& document,
                                       const std::vector<int>& lineStarts, const TateFormat& base);
    // Reads RTF bytes (creating a QGuiApplication if there is none). On bytes that are not RTF
    // returns false with a Japanese message in error (UTF-8).
    static bool FromRtf(std::string_view rtf, int wrap, const TateFormat& base, TateSource& out,
                        std::string& error);
};

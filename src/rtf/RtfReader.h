#pragma once
// Rich Text Format bytes into a QTextDocument. Reads what WordPad, Word and LibreOffice write:
// Shift-JIS (and other code pages) as raw or \'hh bytes, \uN with its fallback, fonts with
// their character sets, sizes, colours, bold/italic/underline/strike-out, baseline offsets,
// alignment, indents, bullet and numbered lists; hidden text is kept as hidden. Ruby fields
// become their base carrying the reading (TextProperties); other fields give their result, or
// their instruction's visible text when the result is empty. Pictures, objects, headers,
// footers and footnotes are left out; tables become plain paragraphs.

#include <QString>
#include <QTextCursor>
#include <string_view>

class QTextDocument;

class RtfReader {
public:
    struct Result {
        bool ok = false;
        QString error;  // Japanese message for the user when !ok
    };

    // Reads rtf into the document at cursor, replacing the cursor's selection with the
    // formatted text. The final paragraph mark of the RTF ends the inserted text without
    // adding an empty paragraph. The cursor ends after the inserted text. Bytes that are not
    // RTF change nothing and give !ok.
    static Result Read(std::string_view rtf, QTextCursor& cursor);

    // Replaces the whole document with rtf. On !ok the document is left as it was.
    static Result ReadDocument(std::string_view rtf, QTextDocument& document);

    // True when the bytes begin (after white space) with "{\rtf".
    static bool LooksLikeRtf(std::string_view bytes);

    // The message for bytes that are not RTF.
    static QString NotRtfMessage();
};

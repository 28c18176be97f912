#pragma once
// The reader's group-scoped state and its tables (internal to the RTF reader).

#include <QColor>
#include <QString>
#include <map>
#include <vector>

#include "rtf/RtfListTable.h"

// Character formatting of a group.
struct RtfCharState {
    int font = -1;      // \f (the low-ANSI font); -1: the default font \deff
    int dbchFont = -1;  // \af given after \dbch: font of two-byte (East Asian) characters
    int hichFont = -1;  // \af given after \hich
    int mode = 0;  // 0 \loch/\ltrch, 1 \hich, 2 \dbch, 3 \rtlch: whose font and formats follow
    int halfPoints = 24;
    // \afs, \ab, \ai given after \dbch: size, bold and italic of the two-byte characters,
    // -1 where not given (the plain \fs, \b, \i hold for them too).
    int dbchHalfPoints = -1, dbchBold = -1, dbchItalic = -1;
    int colour = 0;  // index into the colour table
    bool bold = false, italic = false, underline = false, strike = false;
    int vertAlign = 0;  // 0 normal, 1 \super, 2 \sub
    int upDown = 0;     // \up (positive) / \dn (negative), half-points
    bool hidden = false;
};

// Paragraph formatting of a group.
struct RtfParaState {
    int align = 0;                                         // 0 left, 1 centre, 2 right, 3 justify
    int firstIndent = 0, leftIndent = 0, rightIndent = 0;  // twips
    int ls = 0;    // \ls: Word list override number (0: none)
    int ilvl = 0;  // \ilvl: list level
    int pn = 0;    // WordPad-style \pn: 0 none, 1 bullet, 2 numbered
};

struct RtfFont {
    QString name;
    int charset = -1;  // \fcharset; -1 when not given
    int codePage = 0;  // \cpg; 0 when not given
};

// What the document builder needs from the tables read so far.
struct RtfTables {
    std::map<int, RtfFont> fonts;
    std::vector<QColor> colours;  // an invalid colour is the automatic colour
    int defaultFont = 0;
    int documentCodePage = 1252;  // \ansicpg, else the character set words, else 1252

    // Word lists: \listtable and \listoverridetable.
    RtfListTable lists;

    // Code page of the bytes of a font (\cpg, its character set, else the document's).
    int CodePageOfFont(int number) const;
    // The numbering of a list paragraph; false when the paragraph is not in a list.
    bool ListOf(const RtfParaState& para, ListNumbering& numbering) const;
};

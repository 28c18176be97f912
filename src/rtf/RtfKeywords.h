#pragma once
// The control words the RTF reader acts on (internal to the reader).

#include <string_view>
#include <unordered_map>

enum class RtfKw {
    // document
    Ansicpg,
    Ansi,
    Mac,
    Pc,
    Pca,
    Deff,
    Uc,
    U,
    Upr,
    Ud,
    Bin,
    // tables and destinations we read
    Fonttbl,
    Colortbl,
    Listtable,
    Listoverridetable,
    List,
    Listlevel,
    Levelnfc,
    Levelstartat,
    Leveltext,
    Listid,
    Listoverride,
    Pn,
    Pnlvlblt,
    Pnlvlbody,
    Pnlvlcont,
    Field,
    Fldrslt,
    Fldinst,
    Skip,
    Fcharset,
    Cpg,
    Red,
    Green,
    Blue,
    // characters
    F,
    Af,
    Loch,
    Hich,
    Dbch,
    Fs,
    Cf,
    Plain,
    B,
    I,
    Ul,
    UlOff,
    Strike,
    Up,
    Dn,
    Super,
    Sub,
    NoSuperSub,
    V,
    Afs,
    Ab,
    Ai,
    Rtlch,
    Ltrch,
    // paragraphs
    Par,
    Page,  // \page, \sect: end a paragraph that holds text
    Line,
    Pard,
    Ql,
    Qc,
    Qr,
    Qj,
    Fi,
    Li,
    Ri,
    Ls,
    Ilvl,
    Cell,
    Tab,
    // special characters
    Char,
};

struct RtfKwInfo {
    RtfKw kw;
    char16_t ch = 0;  // for RtfKw::Char
};

// The table of words (without the backslash) and what they are.
const std::unordered_map<std::string_view, RtfKwInfo>& RtfKeywords();

#include "rtf/RtfKeywords.h"

const std::unordered_map<std::string_view, RtfKwInfo>& RtfKeywords() {
    static const std::unordered_map<std::string_view, RtfKwInfo> table = [] {
        std::unordered_map<std::string_view, RtfKwInfo> t;
        auto add = [&](std::string_view w, RtfKw k, char16_t ch = 0) { t[w] = RtfKwInfo{k, ch}; };
        add("ansicpg", RtfKw::Ansicpg);
        add("ansi", RtfKw::Ansi);
        add("mac", RtfKw::Mac);
        add("pc", RtfKw::Pc);
        add("pca", RtfKw::Pca);
        add("deff", RtfKw::Deff);
        add("uc", RtfKw::Uc);
        add("u", RtfKw::U);
        add("upr", RtfKw::Upr);
        add("ud", RtfKw::Ud);
        add("bin", RtfKw::Bin);
        add("fonttbl", RtfKw::Fonttbl);
        add("colortbl", RtfKw::Colortbl);
        add("listtable", RtfKw::Listtable);
        add("listoverridetable", RtfKw::Listoverridetable);
        add("list", RtfKw::List);
        add("listlevel", RtfKw::Listlevel);
        add("levelnfc", RtfKw::Levelnfc);
        add("levelnfcn", RtfKw::Levelnfc);
        add("levelstartat", RtfKw::Levelstartat);
        add("listid", RtfKw::Listid);
        add("listoverride", RtfKw::Listoverride);
        add("pn", RtfKw::Pn);
        add("pnlvlblt", RtfKw::Pnlvlblt);
        add("pnlvlbody", RtfKw::Pnlvlbody);
        add("pnlvlcont", RtfKw::Pnlvlcont);
        add("field", RtfKw::Field);
        add("fldrslt", RtfKw::Fldrslt);
        for (std::string_view w : {"pict",        "object",
                                   "nonshppict",  "fldinst",
                                   "header",      "headerl",
                                   "headerr",     "headerf",
                                   "footer",      "footerl",
                                   "footerr",     "footerf",
                                   "footnote",    "annotation",
                                   "stylesheet",  "info",
                                   "pntext",      "listtext",
                                   "themedata",   "colorschememapping",
                                   "datastore",   "latentstyles",
                                   "xmlnstbl",    "rsidtbl",
                                   "generator",   "mmathPr",
                                   "pgdsctbl",    "revtbl",
                                   "listpicture", "shpinst",
                                   "shprslt",     "template",
                                   "docvar",      "userprops",
                                   "bkmkstart",   "bkmkend",
                                   "xe",          "tc",
                                   "txe",         "fontemb",
                                   "fontfile",    "filetbl",
                                   "private",     "objdata",
                                   "result",      "atnid",
                                   "atnauthor",   "atrfstart",
                                   "atrfend",     "pnseclvl",
                                   "pntxta",      "pntxtb",
                                   "falt",        "panose",
                                   "leveltext",   "levelnumbers",
                                   "listname",    "listoverridetable_",
                                   "ftnsep",      "ftnsepc",
                                   "ftncn",       "aftnsep",
                                   "aftnsepc",    "aftncn",
                                   "do",          "wgrffmtfilter",
                                   "xform",       "formfield",
                                   "datafield",   "blipuid",
                                   "macpict",     "wmetafile",
                                   "dibitmap",    "wbitmap",
                                   "pmmetafile",  "emfblip",
                                   "pngblip",     "jpegblip",
                                   "sp",          "sn",
                                   "sv",          "passwordhash",
                                   "protusertbl", "operator",
                                   "ffname"})
            add(w, RtfKw::Skip);
        // Read inside \listlevel, where it is the label (elsewhere it is not expected).
        add("leveltext", RtfKw::Leveltext);
        add("fldinst", RtfKw::Fldinst);  // read, not skipped: ruby and field texts come from it
        add("fcharset", RtfKw::Fcharset);
        add("cpg", RtfKw::Cpg);
        add("red", RtfKw::Red);
        add("green", RtfKw::Green);
        add("blue", RtfKw::Blue);
        add("f", RtfKw::F);
        add("af", RtfKw::Af);
        add("loch", RtfKw::Loch);
        add("hich", RtfKw::Hich);
        add("dbch", RtfKw::Dbch);
        add("fs", RtfKw::Fs);
        add("cf", RtfKw::Cf);
        add("plain", RtfKw::Plain);
        add("b", RtfKw::B);
        add("i", RtfKw::I);
        for (std::string_view w : {"ul", "uld", "uldb", "ulw", "ulwave", "uldash", "uldashd",
                                   "uldashdd", "ulth", "ulthd", "ulthdash", "ulthdashd",
                                   "ulthdashdd", "ulhwave", "ululdbwave", "ulldash", "ulthldash"})
            add(w, RtfKw::Ul);
        add("ulnone", RtfKw::UlOff);
        add("strike", RtfKw::Strike);
        add("striked", RtfKw::Strike);
        add("up", RtfKw::Up);
        add("dn", RtfKw::Dn);
        add("super", RtfKw::Super);
        add("sub", RtfKw::Sub);
        add("nosupersub", RtfKw::NoSuperSub);
        add("v", RtfKw::V);
        add("afs", RtfKw::Afs);
        add("ab", RtfKw::Ab);
        add("ai", RtfKw::Ai);
        add("rtlch", RtfKw::Rtlch);
        add("ltrch", RtfKw::Ltrch);
        add("par", RtfKw::Par);
        add("sect", RtfKw::Page);
        add("page", RtfKw::Page);
        add("line", RtfKw::Line);
        add("pard", RtfKw::Pard);
        add("ql", RtfKw::Ql);
        add("qc", RtfKw::Qc);
        add("qr", RtfKw::Qr);
        add("qj", RtfKw::Qj);
        add("qd", RtfKw::Qj);
        add("fi", RtfKw::Fi);
        add("li", RtfKw::Li);
        add("lin", RtfKw::Li);
        add("ri", RtfKw::Ri);
        add("rin", RtfKw::Ri);
        add("ls", RtfKw::Ls);
        add("ilvl", RtfKw::Ilvl);
        add("cell", RtfKw::Cell);
        add("nestcell", RtfKw::Cell);
        add("tab", RtfKw::Tab);
        add("emdash", RtfKw::Char, 0x2014);
        add("endash", RtfKw::Char, 0x2013);
        add("emspace", RtfKw::Char, 0x2003);
        add("enspace", RtfKw::Char, 0x2002);
        add("qmspace", RtfKw::Char, 0x2005);
        add("bullet", RtfKw::Char, 0x2022);
        add("lquote", RtfKw::Char, 0x2018);
        add("rquote", RtfKw::Char, 0x2019);
        add("ldblquote", RtfKw::Char, 0x201C);
        add("rdblquote", RtfKw::Char, 0x201D);
        add("zwj", RtfKw::Char, 0x200D);
        add("zwnj", RtfKw::Char, 0x200C);
        add("ltrmark", RtfKw::Char, 0x200E);
        add("rtlmark", RtfKw::Char, 0x200F);
        return t;
    }();
    return table;
}

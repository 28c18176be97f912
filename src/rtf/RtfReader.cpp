#include "rtf/RtfReader.h"

#include <QTextDocument>
#include <string>
#include <unordered_map>
#include <vector>

#include "rtf/CodePageDecoder.h"
#include "rtf/RtfDocumentBuilder.h"
#include "rtf/RtfReaderState.h"

namespace {

// What a group's text is for.
enum class Dest { Normal, Skip, FontTable, ColourTable, ListTable, ListOverride, Pn };

enum class Kw {
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
    Listid,
    Listoverride,
    Pn,
    Pnlvlblt,
    Pnlvlbody,
    Pnlvlcont,
    Field,
    Fldrslt,
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
    // paragraphs
    Par,
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

struct KwInfo {
    Kw kw;
    char16_t ch = 0;  // for Kw::Char
};

const std::unordered_map<std::string_view, KwInfo>& Keywords() {
    static const std::unordered_map<std::string_view, KwInfo> table = [] {
        std::unordered_map<std::string_view, KwInfo> t;
        auto add = [&](std::string_view w, Kw k, char16_t ch = 0) { t[w] = KwInfo{k, ch}; };
        add("ansicpg", Kw::Ansicpg);
        add("ansi", Kw::Ansi);
        add("mac", Kw::Mac);
        add("pc", Kw::Pc);
        add("pca", Kw::Pca);
        add("deff", Kw::Deff);
        add("uc", Kw::Uc);
        add("u", Kw::U);
        add("upr", Kw::Upr);
        add("ud", Kw::Ud);
        add("bin", Kw::Bin);
        add("fonttbl", Kw::Fonttbl);
        add("colortbl", Kw::Colortbl);
        add("listtable", Kw::Listtable);
        add("listoverridetable", Kw::Listoverridetable);
        add("list", Kw::List);
        add("listlevel", Kw::Listlevel);
        add("levelnfc", Kw::Levelnfc);
        add("levelnfcn", Kw::Levelnfc);
        add("listid", Kw::Listid);
        add("listoverride", Kw::Listoverride);
        add("pn", Kw::Pn);
        add("pnlvlblt", Kw::Pnlvlblt);
        add("pnlvlbody", Kw::Pnlvlbody);
        add("pnlvlcont", Kw::Pnlvlcont);
        add("field", Kw::Field);
        add("fldrslt", Kw::Fldrslt);
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
            add(w, Kw::Skip);
        add("fcharset", Kw::Fcharset);
        add("cpg", Kw::Cpg);
        add("red", Kw::Red);
        add("green", Kw::Green);
        add("blue", Kw::Blue);
        add("f", Kw::F);
        add("af", Kw::Af);
        add("loch", Kw::Loch);
        add("hich", Kw::Hich);
        add("dbch", Kw::Dbch);
        add("fs", Kw::Fs);
        add("cf", Kw::Cf);
        add("plain", Kw::Plain);
        add("b", Kw::B);
        add("i", Kw::I);
        for (std::string_view w : {"ul", "uld", "uldb", "ulw", "ulwave", "uldash", "uldashd",
                                   "uldashdd", "ulth", "ulthd", "ulthdash", "ulthdashd",
                                   "ulthdashdd", "ulhwave", "ululdbwave", "ulldash", "ulthldash"})
            add(w, Kw::Ul);
        add("ulnone", Kw::UlOff);
        add("strike", Kw::Strike);
        add("striked", Kw::Strike);
        add("up", Kw::Up);
        add("dn", Kw::Dn);
        add("super", Kw::Super);
        add("sub", Kw::Sub);
        add("nosupersub", Kw::NoSuperSub);
        add("v", Kw::V);
        add("par", Kw::Par);
        add("sect", Kw::Par);
        add("page", Kw::Par);
        add("line", Kw::Line);
        add("pard", Kw::Pard);
        add("ql", Kw::Ql);
        add("qc", Kw::Qc);
        add("qr", Kw::Qr);
        add("qj", Kw::Qj);
        add("qd", Kw::Qj);
        add("fi", Kw::Fi);
        add("li", Kw::Li);
        add("lin", Kw::Li);
        add("ri", Kw::Ri);
        add("rin", Kw::Ri);
        add("ls", Kw::Ls);
        add("ilvl", Kw::Ilvl);
        add("cell", Kw::Cell);
        add("nestcell", Kw::Cell);
        add("tab", Kw::Tab);
        add("emdash", Kw::Char, 0x2014);
        add("endash", Kw::Char, 0x2013);
        add("emspace", Kw::Char, 0x2003);
        add("enspace", Kw::Char, 0x2002);
        add("qmspace", Kw::Char, 0x2005);
        add("bullet", Kw::Char, 0x2022);
        add("lquote", Kw::Char, 0x2018);
        add("rquote", Kw::Char, 0x2019);
        add("ldblquote", Kw::Char, 0x201C);
        add("rdblquote", Kw::Char, 0x201D);
        add("zwj", Kw::Char, 0x200D);
        add("zwnj", Kw::Char, 0x200C);
        add("ltrmark", Kw::Char, 0x200E);
        add("rtlmark", Kw::Char, 0x200F);
        return t;
    }();
    return table;
}

struct Group {
    Dest dest = Dest::Normal;
    RtfCharState chr;
    RtfParaState para;
    int uc = 1;
    bool upr = false;  // this group is an \upr: its first child group is the ANSI copy
    int uprChildren = 0;
};

class Parser {
public:
    Parser(std::string_view s, QTextCursor& cursor, bool whole)
        : s_(s), builder_(cursor, tables_, whole) {}

    void Run() {
        stack_.reserve(64);
        stack_.push_back(Group{});
        const std::size_t n = s_.size();
        while (p_ < n) {
            const unsigned char c = static_cast<unsigned char>(s_[p_]);
            if (c == '{') {
                ++p_;
                OpenGroup();
            } else if (c == '}') {
                ++p_;
                CloseGroup();
            } else if (c == '\\') {
                Control();
            } else if (c == '\r' || c == '\n') {
                ++p_;  // line ends in the text are not text and keep pending bytes pending
            } else if (c == '\t') {
                ++p_;
                Special(u'\t');
            } else if (c < 0x20) {
                ++p_;
            } else {
                ++p_;
                Byte(c);
            }
        }
        FlushBytes();
        if (!finished_) builder_.Finish(top().para, top().chr);
    }

private:
    Group& top() { return stack_.back(); }

    void OpenGroup() {
        FlushBytes();
        ucSkip_ = 0;
        star_ = false;
        Group g = top();
        g.upr = false;
        g.uprChildren = 0;
        if (top().upr && top().uprChildren++ == 0) g.dest = Dest::Skip;  // the ANSI copy
        stack_.push_back(g);
    }

    void CloseGroup() {
        FlushBytes();
        ucSkip_ = 0;
        star_ = false;
        if (top().dest == Dest::FontTable) FinishFont();
        if (stack_.size() == 2) {
            // The brace that closes {\rtf1 ends the document; whatever follows is not read.
            builder_.Finish(top().para, top().chr);
            finished_ = true;
            p_ = s_.size();
        }
        if (stack_.size() > 1) stack_.pop_back();
    }

    // Pending bytes become text in the code page they were read in.
    void FlushBytes() {
        if (bytes_.empty()) return;
        QString text = CodePageDecoder::Decode(bytesCodePage_, bytes_);
        bytes_.clear();
        // Some code pages decode bytes to control characters, which are not text.
        text.removeIf([](QChar c) { return c.unicode() < 0x20 && c.unicode() != '\t'; });
        builder_.AppendText(text, top().chr);
    }

    int CurrentCodePage() {
        const RtfCharState& c = top().chr;
        int font = c.font;
        if (c.mode == 2 && c.dbchFont >= 0) font = c.dbchFont;
        if (c.mode == 1 && c.hichFont >= 0) font = c.hichFont;
        if (font < 0) font = tables_.defaultFont;
        return tables_.CodePageOfFont(font);
    }

    int FontEntryCodePage() const {
        if (font_.codePage > 0) return font_.codePage;
        const int cp = CodePageDecoder::CodePageOfCharset(font_.charset);
        return cp > 0 ? cp : tables_.documentCodePage;
    }

    void Byte(unsigned char b) {
        if (ucSkip_ > 0) {
            --ucSkip_;
            return;
        }
        Group& g = top();
        switch (g.dest) {
            case Dest::Normal: {
                if (g.chr.hidden) return;
                if (b < 0x20) {  // never a trail byte: a control character, only a tab is text
                    if (b == '\t') Unicode(u'\t');
                    return;
                }
                const int cp = CurrentCodePage();
                if (!bytes_.empty() && cp != bytesCodePage_) FlushBytes();
                bytesCodePage_ = cp;
                bytes_.push_back(static_cast<char>(b));
                break;
            }
            case Dest::FontTable:
                if (b == ';') {
                    FinishFont();
                } else if (inFont_) {
                    fontBytes_.push_back(static_cast<char>(b));
                }
                break;
            case Dest::ColourTable:
                if (b == ';') {
                    tables_.colours.push_back(colourSet_ ? QColor(red_, green_, blue_) : QColor());
                    red_ = green_ = blue_ = 0;
                    colourSet_ = false;
                }
                break;
            default:
                break;
        }
    }

    // A character that is not made of bytes (\uN, \tab, \line, symbols).
    void Special(char16_t ch) {
        if (ucSkip_ > 0) {
            --ucSkip_;
            return;
        }
        Unicode(ch);
    }

    void Unicode(char16_t ch) {
        if (ch < 0x20 && ch != u'\t') return;  // control characters are not text
        Group& g = top();
        if (g.dest == Dest::FontTable && inFont_) {
            FlushFontBytes();
            fontName_.append(QChar(ch));
            return;
        }
        if (g.dest != Dest::Normal || g.chr.hidden) return;
        FlushBytes();
        builder_.AppendChar(ch, g.chr);
    }

    void FlushFontBytes() {
        if (fontBytes_.empty()) return;
        fontName_ += CodePageDecoder::Decode(FontEntryCodePage(), fontBytes_);
        fontBytes_.clear();
    }

    void FinishFont() {
        if (!inFont_) return;
        FlushFontBytes();
        font_.name = fontName_.trimmed();
        if (tables_.fonts.find(fontNumber_) == tables_.fonts.end())
            tables_.fonts[fontNumber_] = font_;
        inFont_ = false;
        fontName_.clear();
    }

    void Control() {
        const std::size_t n = s_.size();
        if (p_ + 1 >= n) {
            p_ = n;
            return;
        }
        const unsigned char c = static_cast<unsigned char>(s_[p_ + 1]);
        if (c == '\'') {
            int v = 0;
            int digits = 0;
            std::size_t q = p_ + 2;
            for (int k = 0; k < 2 && q < n; ++k, ++q, ++digits) {
                const char h = s_[q];
                int d;
                if (h >= '0' && h <= '9')
                    d = h - '0';
                else if (h >= 'a' && h <= 'f')
                    d = h - 'a' + 10;
                else if (h >= 'A' && h <= 'F')
                    d = h - 'A' + 10;
                else
                    break;
                v = v * 16 + d;
            }
            p_ = q;
            star_ = false;
            if (digits == 2) Byte(static_cast<unsigned char>(v));  // "\'" cut short is nothing
            return;
        }
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) {
            p_ += 2;
            if (c == '*') {
                star_ = true;
                return;
            }
            star_ = false;
            switch (c) {
                case '\\':
                case '{':
                case '}':
                    Byte(c);
                    return;
                case '~':
                    Special(0x00A0);
                    return;
                case '_':
                    Special(0x2011);
                    return;
                case '\r':
                case '\n':
                    if (ucSkip_ > 0) {
                        --ucSkip_;
                        return;
                    }
                    DoWord(KwInfo{Kw::Par}, false, 0);
                    return;
                default:
                    if (ucSkip_ > 0) --ucSkip_;
                    return;
            }
        }
        // A control word: letters, an optional signed number, an optional space.
        std::size_t q = p_ + 1;
        while (q < n && ((s_[q] >= 'a' && s_[q] <= 'z') || (s_[q] >= 'A' && s_[q] <= 'Z'))) ++q;
        const std::string_view word = s_.substr(p_ + 1, q - p_ - 1);
        bool hasParam = false;
        bool negative = false;
        long long param = 0;
        if (q < n && s_[q] == '-' && q + 1 < n && s_[q + 1] >= '0' && s_[q + 1] <= '9') {
            negative = true;
            ++q;
        }
        while (q < n && s_[q] >= '0' && s_[q] <= '9') {
            hasParam = true;
            if (param < 100000000000LL) param = param * 10 + (s_[q] - '0');
            ++q;
        }
        if (q < n && s_[q] == ' ') ++q;
        p_ = q;
        if (negative) param = -param;
        const int value = static_cast<int>(
            std::max<long long>(std::min<long long>(param, 2147483647LL), -2147483647LL));

        const bool star = star_;
        star_ = false;
        auto it = Keywords().find(word);
        if (ucSkip_ > 0) {
            --ucSkip_;
            if (it != Keywords().end() && it->second.kw == Kw::Bin) SkipBinary(value);
            return;
        }
        if (it == Keywords().end()) {
            if (star) {
                FlushBytes();
                top().dest = Dest::Skip;
            }
            return;
        }
        if (star && !IsReadDestination(it->second.kw)) {
            FlushBytes();
            top().dest = Dest::Skip;
            if (it->second.kw == Kw::Bin) SkipBinary(value);
            return;
        }
        DoWord(it->second, hasParam, value);
    }

    static bool IsReadDestination(Kw k) {
        return k == Kw::Listtable || k == Kw::Listoverridetable || k == Kw::Pn || k == Kw::Ud ||
               k == Kw::Fonttbl || k == Kw::Colortbl || k == Kw::Fldrslt;
    }

    void SkipBinary(int count) {
        if (count <= 0) return;
        const std::size_t left = s_.size() - p_;
        p_ += std::min<std::size_t>(left, std::size_t(count));
    }

    void DoWord(const KwInfo& info, bool hasParam, int value) {
        Group& g = top();
        if (info.kw == Kw::Bin) {
            FlushBytes();
            SkipBinary(value);
            return;
        }
        if (info.kw == Kw::U) {
            if (!hasParam) return;  // \u needs its number
            const char16_t ch = static_cast<char16_t>(value < 0 ? value + 65536 : value);
            Unicode(ch);
            ucSkip_ = g.uc;
            return;
        }
        if (info.kw == Kw::Uc) {
            g.uc = hasParam ? std::max(0, value) : 1;
            return;
        }
        if (g.dest == Dest::Skip) return;
        switch (g.dest) {
            case Dest::FontTable:
                FontTableWord(info.kw, hasParam, value);
                return;
            case Dest::ColourTable:
                ColourWord(info.kw, hasParam, value);
                return;
            case Dest::ListTable:
                ListWord(info.kw, value);
                return;
            case Dest::ListOverride:
                OverrideWord(info.kw, value);
                return;
            case Dest::Pn:
                PnWord(info.kw);
                return;
            default:
                break;
        }
        FlushBytes();
        RtfCharState& c = g.chr;
        RtfParaState& para = g.para;
        const bool on = !hasParam || value != 0;
        switch (info.kw) {
            case Kw::Ansicpg:
                if (value > 0) tables_.documentCodePage = value;
                haveAnsicpg_ = true;
                break;
            case Kw::Ansi:
                if (!haveAnsicpg_) tables_.documentCodePage = 1252;
                break;
            case Kw::Mac:
                if (!haveAnsicpg_) tables_.documentCodePage = 10000;
                break;
            case Kw::Pc:
                if (!haveAnsicpg_) tables_.documentCodePage = 437;
                break;
            case Kw::Pca:
                if (!haveAnsicpg_) tables_.documentCodePage = 850;
                break;
            case Kw::Deff:
                tables_.defaultFont = value;
                break;
            case Kw::Upr:
                g.upr = true;
                break;
            case Kw::Ud:
                break;
            case Kw::Fonttbl:
                g.dest = Dest::FontTable;
                break;
            case Kw::Colortbl:
                g.dest = Dest::ColourTable;
                tables_.colours.clear();
                colourSet_ = false;
                red_ = green_ = blue_ = 0;
                break;
            case Kw::Listtable:
                g.dest = Dest::ListTable;
                break;
            case Kw::Listoverridetable:
                g.dest = Dest::ListOverride;
                break;
            case Kw::Pn:
                g.dest = Dest::Pn;
                pnOwner_ = stack_.size() >= 2 ? stack_.size() - 2 : 0;
                break;
            case Kw::Skip:
                g.dest = Dest::Skip;
                break;
            case Kw::Field:
            case Kw::Fldrslt:
                break;
            case Kw::F:
                c.font = value;
                break;
            case Kw::Af:
                if (c.mode == 2) c.dbchFont = value;
                if (c.mode == 1) c.hichFont = value;
                break;
            case Kw::Loch:
                c.mode = 0;
                break;
            case Kw::Hich:
                c.mode = 1;
                break;
            case Kw::Dbch:
                c.mode = 2;
                break;
            case Kw::Fs:
                c.halfPoints = hasParam && value > 0 ? std::min(value, 3276) : 24;
                break;
            case Kw::Cf:
                c.colour = std::max(0, value);
                break;
            case Kw::Plain: {
                const int mode = c.mode;
                c = RtfCharState{};
                c.mode = mode;
                break;
            }
            case Kw::B:
                c.bold = on;
                break;
            case Kw::I:
                c.italic = on;
                break;
            case Kw::Ul:
                c.underline = on;
                break;
            case Kw::UlOff:
                c.underline = false;
                break;
            case Kw::Strike:
                c.strike = on;
                break;
            case Kw::Up:
                c.upDown = std::min(hasParam ? value : 6, 3276);
                break;
            case Kw::Dn:
                c.upDown = -std::min(hasParam ? value : 6, 3276);
                break;
            case Kw::Super:
                c.vertAlign = 1;
                break;
            case Kw::Sub:
                c.vertAlign = 2;
                break;
            case Kw::NoSuperSub:
                c.vertAlign = 0;
                break;
            case Kw::V:
                c.hidden = on;
                break;
            case Kw::Par:
            case Kw::Cell:
                builder_.EndParagraph(para, c);
                break;
            case Kw::Line:
                Unicode(0x2028);
                break;
            case Kw::Tab:
                Unicode(u'\t');
                break;
            case Kw::Char:
                Unicode(info.ch);
                break;
            case Kw::Pard:
                para = RtfParaState{};
                break;
            case Kw::Ql:
                para.align = 0;
                break;
            case Kw::Qc:
                para.align = 1;
                break;
            case Kw::Qr:
                para.align = 2;
                break;
            case Kw::Qj:
                para.align = 3;
                break;
            case Kw::Fi:
                para.firstIndent = Clamp(value);
                break;
            case Kw::Li:
                para.leftIndent = Clamp(value);
                break;
            case Kw::Ri:
                para.rightIndent = Clamp(value);
                break;
            case Kw::Ls:
                para.ls = value;
                break;
            case Kw::Ilvl:
                para.ilvl = std::max(0, std::min(value, 8));
                break;
            case Kw::Pnlvlblt:
                para.pn = 1;
                break;
            case Kw::Pnlvlbody:
                para.pn = 2;
                break;
            default:
                break;
        }
    }

    static int Clamp(int twips) { return std::max(-31680, std::min(twips, 31680)); }

    void FontTableWord(Kw k, bool hasParam, int value) {
        switch (k) {
            case Kw::F:
                FinishFont();
                inFont_ = true;
                fontNumber_ = value;
                font_ = RtfFont{};
                fontName_.clear();
                fontBytes_.clear();
                break;
            case Kw::Fcharset:
                FlushFontBytes();
                font_.charset = hasParam ? value : -1;
                break;
            case Kw::Cpg:
                FlushFontBytes();
                font_.codePage = value;
                break;
            case Kw::Skip:
                top().dest = Dest::Skip;
                break;
            case Kw::Upr:
                top().upr = true;
                break;
            default:
                break;
        }
    }

    void ColourWord(Kw k, bool hasParam, int value) {
        const int v = hasParam ? std::max(0, std::min(value, 255)) : 0;
        switch (k) {
            case Kw::Red:
                red_ = v;
                colourSet_ = true;
                break;
            case Kw::Green:
                green_ = v;
                colourSet_ = true;
                break;
            case Kw::Blue:
                blue_ = v;
                colourSet_ = true;
                break;
            default:
                break;
        }
    }

    void ListWord(Kw k, int value) {
        switch (k) {
            case Kw::List:
                tables_.lists.emplace_back();
                break;
            case Kw::Listlevel:
                if (!tables_.lists.empty()) tables_.lists.back().levelNfc.push_back(0);
                break;
            case Kw::Levelnfc:
                if (!tables_.lists.empty() && !tables_.lists.back().levelNfc.empty())
                    tables_.lists.back().levelNfc.back() = value;
                break;
            case Kw::Listid:
                if (!tables_.lists.empty()) tables_.lists.back().id = value;
                break;
            case Kw::Skip:
                top().dest = Dest::Skip;
                break;
            default:
                break;
        }
    }

    void OverrideWord(Kw k, int value) {
        switch (k) {
            case Kw::Listoverride:
                overrideId_ = 0;
                break;
            case Kw::Listid:
                overrideId_ = value;
                break;
            case Kw::Ls:
                tables_.overrideListId[value] = overrideId_;
                break;
            case Kw::Skip:
                top().dest = Dest::Skip;
                break;
            default:
                break;
        }
    }

    // Words inside {\*\pn …} describe the paragraph that holds the group.
    void PnWord(Kw k) {
        if (pnOwner_ >= stack_.size()) return;
        RtfParaState& para = stack_[pnOwner_].para;
        switch (k) {
            case Kw::Pnlvlblt:
                para.pn = 1;
                break;
            case Kw::Pnlvlbody:
                if (para.pn != 1) para.pn = 2;
                break;
            case Kw::Skip:
                top().dest = Dest::Skip;
                break;
            default:
                break;
        }
    }

    std::string_view s_;
    std::size_t p_ = 0;
    RtfTables tables_;
    RtfDocumentBuilder builder_;
    std::vector<Group> stack_;
    bool star_ = false;
    bool finished_ = false;
    int ucSkip_ = 0;
    bool haveAnsicpg_ = false;

    std::string bytes_;
    int bytesCodePage_ = 1252;

    bool inFont_ = false;
    int fontNumber_ = 0;
    RtfFont font_;
    QString fontName_;
    std::string fontBytes_;

    int red_ = 0, green_ = 0, blue_ = 0;
    bool colourSet_ = false;
    long overrideId_ = 0;
    std::size_t pnOwner_ = 0;
};

}  // namespace

bool RtfReader::LooksLikeRtf(std::string_view bytes) {
    std::size_t i = 0;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") i = 3;
    while (i < bytes.size() &&
           (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n'))
        ++i;
    return bytes.substr(i, 5) == "{\\rtf";
}

QString RtfReader::NotRtfMessage() {
    return QStringLiteral("リッチテキスト形式（RTF）のデータではありません。");
}

RtfReader::Result RtfReader::Read(std::string_view rtf, QTextCursor& cursor) {
    Result r;
    if (!LooksLikeRtf(rtf)) {
        r.error = NotRtfMessage();
        return r;
    }
    cursor.beginEditBlock();
    if (cursor.hasSelection()) cursor.removeSelectedText();
    Parser(rtf, cursor, false).Run();
    cursor.endEditBlock();
    r.ok = true;
    return r;
}

RtfReader::Result RtfReader::ReadDocument(std::string_view rtf, QTextDocument& document) {
    Result r;
    if (!LooksLikeRtf(rtf)) {
        r.error = NotRtfMessage();
        return r;
    }
    document.clear();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    Parser(rtf, cursor, true).Run();
    cursor.endEditBlock();
    r.ok = true;
    return r;
}

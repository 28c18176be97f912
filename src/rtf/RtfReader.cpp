#include "rtf/RtfReader.h"

#include <QTextDocument>
#include <string>
#include <unordered_map>
#include <vector>

#include "rtf/CodePageDecoder.h"
#include "rtf/RtfDocumentBuilder.h"
#include "rtf/RtfFieldReader.h"
#include "rtf/RtfKeywords.h"
#include "rtf/RtfReaderState.h"

namespace {

// What a group's text is for.
enum class Dest { Normal, Skip, FontTable, ColourTable, ListTable, ListOverride, Pn, LevelText, FieldInst };

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
        : s_(s), builder_(cursor, tables_, whole), fields_(builder_) {}

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
        if (!finished_) {
            fields_.CloseAll(top().chr);
            builder_.Finish(top().para, top().chr);
        }
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
        if (top().dest == Dest::LevelText) FinishLevelText();
        fields_.GroupClosing(stack_.size(), top().chr);
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
        if (top().dest == Dest::FieldInst) {
            fields_.AppendInstruction(text, top().chr);
            return;
        }
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
            case Dest::FieldInst: {  // the bytes of a field instruction, in their code page
                if (b < 0x20) return;
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
            case Dest::LevelText:
                if (b < 0x20) {  // the length and the level numbers
                    FlushLevelBytes();
                    levelText_ += QChar(b);
                } else {
                    levelBytes_.push_back(static_cast<char>(b));
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
        Group& g = top();
        if (g.dest == Dest::LevelText) {
            FlushLevelBytes();
            levelText_ += QChar(ch);
            return;
        }
        if (ch < 0x20 && ch != u'\t') return;  // control characters are not text
        if (g.dest == Dest::FieldInst) {
            FlushBytes();
            fields_.AppendInstruction(QString(QChar(ch)), g.chr);
            return;
        }
        if (g.dest == Dest::FontTable && inFont_) {
            FlushFontBytes();
            fontName_.append(QChar(ch));
            return;
        }
        if (g.dest != Dest::Normal) return;
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
                    DoWord(RtfKwInfo{RtfKw::Par}, false, 0);
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
        auto it = RtfKeywords().find(word);
        if (ucSkip_ > 0) {
            --ucSkip_;
            if (it != RtfKeywords().end() && it->second.kw == RtfKw::Bin) SkipBinary(value);
            return;
        }
        if (it == RtfKeywords().end()) {
            if (star) {
                FlushBytes();
                top().dest = Dest::Skip;
            }
            return;
        }
        if (star && !IsReadDestination(it->second.kw)) {
            FlushBytes();
            top().dest = Dest::Skip;
            if (it->second.kw == RtfKw::Bin) SkipBinary(value);
            return;
        }
        DoWord(it->second, hasParam, value);
    }

    static bool IsReadDestination(RtfKw k) {
        return k == RtfKw::Listtable || k == RtfKw::Listoverridetable || k == RtfKw::Pn ||
               k == RtfKw::Ud || k == RtfKw::Fonttbl || k == RtfKw::Colortbl ||
               k == RtfKw::Fldrslt || k == RtfKw::Fldinst;
    }

    void SkipBinary(int count) {
        if (count <= 0) return;
        const std::size_t left = s_.size() - p_;
        p_ += std::min<std::size_t>(left, std::size_t(count));
    }

    void DoWord(const RtfKwInfo& info, bool hasParam, int value) {
        Group& g = top();
        if (info.kw == RtfKw::Bin) {
            FlushBytes();
            SkipBinary(value);
            return;
        }
        if (info.kw == RtfKw::U) {
            if (!hasParam) return;  // \u needs its number
            const char16_t ch = static_cast<char16_t>(value < 0 ? value + 65536 : value);
            Unicode(ch);
            ucSkip_ = g.uc;
            return;
        }
        if (info.kw == RtfKw::Uc) {
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
            case Dest::LevelText:
                return;
            case Dest::FieldInst:  // an instruction is one line of text
                if (info.kw == RtfKw::Par || info.kw == RtfKw::Cell) return;
                break;
            default:
                break;
        }
        FlushBytes();
        RtfCharState& c = g.chr;
        RtfParaState& para = g.para;
        const bool on = !hasParam || value != 0;
        switch (info.kw) {
            case RtfKw::Ansicpg:
                if (value > 0) tables_.documentCodePage = value;
                haveAnsicpg_ = true;
                break;
            case RtfKw::Ansi:
                if (!haveAnsicpg_) tables_.documentCodePage = 1252;
                break;
            case RtfKw::Mac:
                if (!haveAnsicpg_) tables_.documentCodePage = 10000;
                break;
            case RtfKw::Pc:
                if (!haveAnsicpg_) tables_.documentCodePage = 437;
                break;
            case RtfKw::Pca:
                if (!haveAnsicpg_) tables_.documentCodePage = 850;
                break;
            case RtfKw::Deff:
                tables_.defaultFont = value;
                break;
            case RtfKw::Upr:
                g.upr = true;
                break;
            case RtfKw::Ud:
                break;
            case RtfKw::Fonttbl:
                g.dest = Dest::FontTable;
                break;
            case RtfKw::Colortbl:
                g.dest = Dest::ColourTable;
                tables_.colours.clear();
                colourSet_ = false;
                red_ = green_ = blue_ = 0;
                break;
            case RtfKw::Listtable:
                g.dest = Dest::ListTable;
                break;
            case RtfKw::Listoverridetable:
                g.dest = Dest::ListOverride;
                break;
            case RtfKw::Pn:
                g.dest = Dest::Pn;
                pnOwner_ = stack_.size() >= 2 ? stack_.size() - 2 : 0;
                break;
            case RtfKw::Skip:
            case RtfKw::Leveltext:  // a label outside a list table is not text
                g.dest = Dest::Skip;
                break;
            case RtfKw::Field:
            case RtfKw::Fldinst:
            case RtfKw::Fldrslt:
                FieldWord(info.kw);
                break;
            case RtfKw::F:
                c.font = value;
                break;
            case RtfKw::Af:
                if (c.mode == 2) c.dbchFont = value;
                if (c.mode == 1) c.hichFont = value;
                break;
            case RtfKw::Afs:
                if (c.mode == 2)
                    c.dbchHalfPoints = hasParam && value > 0 ? std::min(value, 3276) : 24;
                break;
            case RtfKw::Ab:
                if (c.mode == 2) c.dbchBold = on ? 1 : 0;
                break;
            case RtfKw::Ai:
                if (c.mode == 2) c.dbchItalic = on ? 1 : 0;
                break;
            case RtfKw::Rtlch:
                c.mode = 3;  // what follows (\af, \afs, \ab …) is for right-to-left text
                break;
            case RtfKw::Ltrch:
            case RtfKw::Loch:
                c.mode = 0;
                break;
            case RtfKw::Hich:
                c.mode = 1;
                break;
            case RtfKw::Dbch:
                c.mode = 2;
                break;
            case RtfKw::Fs:
                c.halfPoints = hasParam && value > 0 ? std::min(value, 3276) : 24;
                break;
            case RtfKw::Cf:
                c.colour = std::max(0, value);
                break;
            case RtfKw::Plain: {
                const int mode = c.mode;
                c = RtfCharState{};
                c.mode = mode;
                break;
            }
            case RtfKw::B:
                c.bold = on;
                break;
            case RtfKw::I:
                c.italic = on;
                break;
            case RtfKw::Ul:
                c.underline = on;
                break;
            case RtfKw::UlOff:
                c.underline = false;
                break;
            case RtfKw::Strike:
                c.strike = on;
                break;
            case RtfKw::Up:
                c.upDown = std::min(hasParam ? value : 6, 3276);
                break;
            case RtfKw::Dn:
                c.upDown = -std::min(hasParam ? value : 6, 3276);
                break;
            case RtfKw::Super:
                c.vertAlign = 1;
                break;
            case RtfKw::Sub:
                c.vertAlign = 2;
                break;
            case RtfKw::NoSuperSub:
                c.vertAlign = 0;
                break;
            case RtfKw::V:
                c.hidden = on;
                break;
            case RtfKw::Par:
            case RtfKw::Cell:
                builder_.EndParagraph(para, c);
                break;
            case RtfKw::Page:
                // A page or section break ends the paragraph it falls in; one that stands at
                // the start of a paragraph does not make an empty paragraph of its own.
                if (!builder_.AtParagraphStart()) builder_.EndParagraph(para, c);
                break;
            case RtfKw::Line:
                Unicode(0x2028);
                break;
            case RtfKw::Tab:
                Unicode(u'\t');
                break;
            case RtfKw::Char:
                Unicode(info.ch);
                break;
            case RtfKw::Pard:
                para = RtfParaState{};
                break;
            case RtfKw::Ql:
                para.align = 0;
                break;
            case RtfKw::Qc:
                para.align = 1;
                break;
            case RtfKw::Qr:
                para.align = 2;
                break;
            case RtfKw::Qj:
                para.align = 3;
                break;
            case RtfKw::Fi:
                para.firstIndent = Clamp(value);
                break;
            case RtfKw::Li:
                para.leftIndent = Clamp(value);
                break;
            case RtfKw::Ri:
                para.rightIndent = Clamp(value);
                break;
            case RtfKw::Ls:
                para.ls = value;
                break;
            case RtfKw::Ilvl:
                para.ilvl = std::max(0, std::min(value, 8));
                break;
            case RtfKw::Pnlvlblt:
                para.pn = 1;
                break;
            case RtfKw::Pnlvlbody:
                para.pn = 2;
                break;
            default:
                break;
        }
    }

    // \field, \fldinst, \fldrslt. A field inside an instruction adds its result to the
    // instruction's text.
    void FieldWord(RtfKw k) {
        Group& g = top();
        if (g.dest == Dest::FieldInst) {
            if (k == RtfKw::Fldinst) g.dest = Dest::Skip;
            return;
        }
        if (k == RtfKw::Field) {
            fields_.BeginField(stack_.size());
        } else if (k == RtfKw::Fldinst) {
            g.dest = fields_.BeginInstruction(stack_.size()) ? Dest::FieldInst : Dest::Skip;
        } else if (!fields_.BeginResult(stack_.size(), g.chr)) {
            g.dest = Dest::Skip;
        }
    }

    static int Clamp(int twips) { return std::max(-31680, std::min(twips, 31680)); }

    void FontTableWord(RtfKw k, bool hasParam, int value) {
        switch (k) {
            case RtfKw::F:
                FinishFont();
                inFont_ = true;
                fontNumber_ = value;
                font_ = RtfFont{};
                fontName_.clear();
                fontBytes_.clear();
                break;
            case RtfKw::Fcharset:
                FlushFontBytes();
                font_.charset = hasParam ? value : -1;
                break;
            case RtfKw::Cpg:
                FlushFontBytes();
                font_.codePage = value;
                break;
            case RtfKw::Skip:
                top().dest = Dest::Skip;
                break;
            case RtfKw::Upr:
                top().upr = true;
                break;
            default:
                break;
        }
    }

    void ColourWord(RtfKw k, bool hasParam, int value) {
        const int v = hasParam ? std::max(0, std::min(value, 255)) : 0;
        switch (k) {
            case RtfKw::Red:
                red_ = v;
                colourSet_ = true;
                break;
            case RtfKw::Green:
                green_ = v;
                colourSet_ = true;
                break;
            case RtfKw::Blue:
                blue_ = v;
                colourSet_ = true;
                break;
            default:
                break;
        }
    }

    void ListWord(RtfKw k, int value) {
        RtfListTable& t = tables_.lists;
        switch (k) {
            case RtfKw::List:
                t.BeginList();
                break;
            case RtfKw::Listlevel:
                t.BeginLevel();
                break;
            case RtfKw::Levelnfc:
                t.SetLevelKind(value);
                break;
            case RtfKw::Levelstartat:
                t.SetLevelStart(value);
                break;
            case RtfKw::Leveltext:
                top().dest = Dest::LevelText;
                levelText_.clear();
                levelBytes_.clear();
                break;
            case RtfKw::F: {
                auto it = tables_.fonts.find(value);
                if (it != tables_.fonts.end()) t.SetLevelFont(it->second.name);
                break;
            }
            case RtfKw::Listid:
                t.SetListId(value);
                break;
            case RtfKw::Skip:
                top().dest = Dest::Skip;
                break;
            default:
                break;
        }
    }

    void FlushLevelBytes() {
        if (levelBytes_.empty()) return;
        levelText_ += CodePageDecoder::Decode(tables_.documentCodePage, levelBytes_);
        levelBytes_.clear();
    }

    // The end of {\leveltext …}: its characters go to the level being read.
    void FinishLevelText() {
        FlushLevelBytes();
        tables_.lists.SetLevelText(levelText_);
        levelText_.clear();
    }

    void OverrideWord(RtfKw k, int value) {
        switch (k) {
            case RtfKw::Listoverride:
                tables_.lists.BeginOverride();
                break;
            case RtfKw::Listid:
                tables_.lists.SetOverrideListId(value);
                break;
            case RtfKw::Ls:
                tables_.lists.SetOverrideNumber(value);
                break;
            case RtfKw::Skip:
                top().dest = Dest::Skip;
                break;
            default:
                break;
        }
    }

    // Words inside {\*\pn …} describe the paragraph that holds the group.
    void PnWord(RtfKw k) {
        if (pnOwner_ >= stack_.size()) return;
        RtfParaState& para = stack_[pnOwner_].para;
        switch (k) {
            case RtfKw::Pnlvlblt:
                para.pn = 1;
                break;
            case RtfKw::Pnlvlbody:
                if (para.pn != 1) para.pn = 2;
                break;
            case RtfKw::Skip:
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
    RtfFieldReader fields_;
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
    std::size_t pnOwner_ = 0;
    QString levelText_;
    std::string levelBytes_;
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

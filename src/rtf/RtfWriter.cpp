#include "rtf/RtfWriter.h"

#include <QHash>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <cmath>
#include <map>
#include <unordered_map>
#include <vector>

#include "convert/FieldInstruction.h"
#include "core/Cp932.h"
#include "core/Utf8.h"
#include "rtf/RtfListWriter.h"
#include "rtf/Cp932CharCache.h"
#include "rtf/TextProperties.h"

namespace {

constexpr int kShiftJisCharset = 128;

// The attributes the writer keeps of a run.
struct RunFormat {
    int font = 0;
    int halfPoints = 21;
    int colour = 0;
    bool bold = false, italic = false, underline = false, strike = false;
    int vertAlign = 0;  // 0 normal, 1 super, 2 sub
    int upDown = 0;     // half-points
    bool hidden = false;
};

struct ParaFormat {
    int align = 0;                                         // 0 left, 1 centre, 2 right, 3 justify
    int firstIndent = 0, leftIndent = 0, rightIndent = 0;  // twips
    const QTextList* list = nullptr;                       // the list the paragraph is an item of
    bool operator==(const ParaFormat& o) const {
        return align == o.align && firstIndent == o.firstIndent && leftIndent == o.leftIndent &&
               rightIndent == o.rightIndent && list == o.list;
    }
};

struct Piece {
    QString text;
    QTextCharFormat format;
};

struct Paragraph {
    ParaFormat para;
    QTextCharFormat blockFormat;  // for an empty paragraph
    std::vector<Piece> pieces;
    RtfListWriter::Item listItem;  // for a list item
};

void AppendHex(std::string& out, unsigned char b) {
    static const char digits[] = "0123456789abcdef";
    out += "\\'";
    out += digits[b >> 4];
    out += digits[b & 0xF];
}

// Shift-JIS bytes: every byte from 0x80 up, and \ { } (a trail byte may be 0x5C, 0x7B, 0x7D),
// as \'hh; others as they are.
void AppendSjisBytes(std::string& out, const std::string& bytes, bool escapeSemicolon = false) {
    for (char ch : bytes) {
        const unsigned char b = static_cast<unsigned char>(ch);
        if (b >= 0x80 || b == '\\' || b == '{' || b == '}' || b < 0x20 ||
            (escapeSemicolon && b == ';'))
            AppendHex(out, b);
        else
            out += ch;
    }
}

bool HasNonAscii(const QString& s) {
    for (QChar c : s)
        if (c.unicode() >= 0x80) return true;
    return false;
}

// Characters that code page 932 (glibc "CP932") encodes but reads back as another character
// (¥ as "\", ‾ as "~", 〜 as ～ …): written as \uN so that they come back unchanged.
bool ChangesInCodePage932(char32_t c) {
    switch (c) {
        case 0x00A2:
        case 0x00A3:
        case 0x00A5:
        case 0x00AC:
        case 0x2014:
        case 0x2016:
        case 0x203E:
        case 0x2212:
        case 0x301C:
            return true;
        default:
            return false;
    }
}

int ToTwips(qreal points) {
    return static_cast<int>(std::lround(points * 20.0));
}

class Writer {
public:
    explicit Writer(const QTextDocument& doc) : doc_(doc) {}

    std::string Run(int from, int to) {
        Collect(from, to);
        std::string body;
        body.reserve(std::size_t(std::max(0, to - from)) * 6 + 256);
        WriteBody(body);

        std::string out;
        out.reserve(body.size() + 512);
        out += "{\\rtf1\\ansi\\ansicpg932\\deff0{\\fonttbl";
        for (std::size_t i = 0; i < fonts_.size(); ++i) {
            out += "{\\f" + std::to_string(i) + "\\fnil\\fcharset" +
                   std::to_string(fonts_[i].second) + " ";
            WriteFontName(out, fonts_[i].first);
            out += ";}";
        }
        out += "}\r\n{\\colortbl";
        for (const QColor& c : colours_) {
            out += "\\red" + std::to_string(c.red()) + "\\green" + std::to_string(c.green()) +
                   "\\blue" + std::to_string(c.blue()) + ";";
        }
        out += "}";
        // On the colour table's line: the HTML converter's page counts the header's lines.
        out += lists_.Tables();
        out += "\r\n{\\*\\generator Orimaki;}\r\n\\viewkind4\\uc1\r\n\\deflang1041";
        out += body;
        out += "\\par }";
        return out;
    }

private:
    void Collect(int from, int to) {
        colours_.push_back(QColor(0, 0, 0));
        QTextBlock first = doc_.findBlock(from);
        QTextBlock last = doc_.findBlock(std::max(from, to));
        if (!last.isValid()) last = doc_.lastBlock();
        for (QTextBlock b = first; b.isValid(); b = b.next()) {
            Paragraph p;
            p.para = ParaOf(b);
            p.blockFormat = b.charFormat();
            if (p.para.list) p.listItem = lists_.Add(b);
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const QTextFragment f = it.fragment();
                const int fs = std::max(f.position(), from);
                const int fe = std::min(f.position() + f.length(), to);
                if (fe <= fs) continue;
                p.pieces.push_back({f.text().mid(fs - f.position(), fe - fs), f.charFormat()});
            }
            paragraphs_.push_back(std::move(p));
            if (b == last) break;
        }
        // Register fonts and colours in the order of first use.
        for (Paragraph& p : paragraphs_) {
            if (p.pieces.empty()) RunOf(p.blockFormat, QString());
            for (Piece& piece : p.pieces) RunOf(piece.format, piece.text);
        }
        if (fonts_.empty()) FontIndex(doc_.defaultFont().family(), kShiftJisCharset);
    }

    ParaFormat ParaOf(const QTextBlock& b) const {
        const QTextBlockFormat bf = b.blockFormat();
        ParaFormat p;
        const Qt::Alignment a = bf.alignment() & Qt::AlignHorizontal_Mask;
        if (a & Qt::AlignHCenter)
            p.align = 1;
        else if (a & Qt::AlignJustify)
            p.align = 3;
        else if ((a & Qt::AlignRight) || ((a & Qt::AlignTrailing) && !(a & Qt::AlignAbsolute)))
            p.align = (a & Qt::AlignRight) ? 2 : 0;
        p.firstIndent = ToTwips(bf.textIndent());
        p.leftIndent = ToTwips(bf.leftMargin());
        p.rightIndent = ToTwips(bf.rightMargin());
        p.list = b.textList();
        return p;
    }

    int FontIndex(const QString& name, int charset) {
        const auto key = std::make_pair(name, charset);
        const auto found = fontIndex_.constFind(key);
        if (found != fontIndex_.constEnd()) return found.value();
        fonts_.push_back(key);
        fontIndex_.insert(key, int(fonts_.size() - 1));
        return int(fonts_.size() - 1);
    }

    int ColourIndex(const QColor& c) {
        if (colourIndex_.empty())
            for (std::size_t i = 0; i < colours_.size(); ++i)
                colourIndex_.emplace(colours_[i].rgb(), int(i));
        const auto found = colourIndex_.find(c.rgb());
        if (found != colourIndex_.end()) return found->second;
        colours_.push_back(c);
        colourIndex_.emplace(c.rgb(), int(colours_.size() - 1));
        return int(colours_.size() - 1);
    }

    RunFormat RunOf(const QTextCharFormat& f, const QString& text) {
        RunFormat r;
        QString family;
        const QVariant families = f.property(QTextFormat::FontFamilies);
        if (families.isValid()) {
            const QStringList l = families.toStringList();
            if (!l.isEmpty()) family = l.first();
        }
        if (family.isEmpty()) family = doc_.defaultFont().family();
        int charset = kShiftJisCharset;
        if (f.hasProperty(TextProperties::CharsetProperty))
            charset = f.intProperty(TextProperties::CharsetProperty);
        // Text beyond ASCII is written in Shift-JIS, so its font entry says so.
        if (charset != kShiftJisCharset && HasNonAscii(text)) charset = kShiftJisCharset;
        r.font = FontIndex(family, charset);
        qreal pt = f.fontPointSize();
        if (pt <= 0) pt = doc_.defaultFont().pointSizeF();
        if (pt <= 0) pt = 10.5;
        r.halfPoints = std::max(1, int(std::lround(pt * 2)));
        if (f.foreground().style() != Qt::NoBrush) r.colour = ColourIndex(f.foreground().color());
        r.bold = f.fontWeight() >= QFont::DemiBold;
        r.italic = f.fontItalic();
        r.underline = f.fontUnderline();
        r.strike = f.fontStrikeOut();
        if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript) r.vertAlign = 1;
        if (f.verticalAlignment() == QTextCharFormat::AlignSubScript) r.vertAlign = 2;
        if (f.hasProperty(TextProperties::VerticalOffsetProperty))
            r.upDown = f.intProperty(TextProperties::VerticalOffsetProperty) / 10;
        r.hidden = f.boolProperty(TextProperties::HiddenProperty);
        return r;
    }

    void WriteParagraphFormat(std::string& out, const ParaFormat& p) {
        out += "\\pard";
        if (p.align == 1) out += "\\qc";
        if (p.align == 2) out += "\\qr";
        if (p.align == 3) out += "\\qj";
        if (p.list) {
            // The HTML converter takes "\fi" as the start of a list but reads "\fi-360" as
            // another word, so a hanging bullet gets "\fi0" first; the last \fi counts.
            if (p.firstIndent < 0) out += "\\fi0";
            out += "\\fi" + std::to_string(p.firstIndent);
        } else if (p.firstIndent != 0) {
            out += "\\fi" + std::to_string(p.firstIndent);
        }
        if (p.leftIndent != 0) out += "\\li" + std::to_string(p.leftIndent);
        if (p.rightIndent != 0) out += "\\ri" + std::to_string(p.rightIndent);
    }

    // A list item: its label for readers without list tables (the HTML converter starts an
    // item at \\pntext), then its list and level.
    void WriteListItem(std::string& out, const RtfListWriter::Item& item, bool withList) {
        out += "{\\pntext\\f0 ";
        needDelimiter_ = false;
        WriteText(out, item.label);
        out += "\\tab}";
        if (withList)
            out += "\\ls" + std::to_string(item.ls) + "\\ilvl" + std::to_string(item.level);
    }

    // A font name: code page 932 where it holds the characters, \\uN for the others (맑은 고딕,
    // Café), and ; \\ { } as \\'hh.
    void WriteFontName(std::string& out, const QString& name) {
        qsizetype i = 0;
        while (i < name.size()) {
            const char16_t u = name.at(i).unicode();
            if (u < 0x80) {
                if (u >= 0x20) AppendSjisBytes(out, std::string(1, char(u)), true);
                ++i;
                continue;
            }
            qsizetype j = i;
            while (j < name.size() && name.at(j).unicode() >= 0x80) ++j;
            WriteNonAscii(out, name.mid(i, j - i));
            i = j;
        }
    }

    void WriteRunFormat(std::string& out, const RunFormat& r, bool force) {
        const RunFormat& c = current_;
        const bool off = (c.bold && !r.bold) || (c.italic && !r.italic) ||
                         (c.underline && !r.underline) || (c.strike && !r.strike) ||
                         (c.vertAlign != 0 && r.vertAlign != c.vertAlign) ||
                         (c.upDown != 0 && r.upDown != c.upDown) || (c.hidden && !r.hidden);
        const std::size_t before = out.size();
        if (force || off) {
            // \\dbch\\afN: the font of the two-byte characters, which LibreOffice takes from it.
            out += "\\plain\\f" + std::to_string(r.font) + "\\dbch\\af" + std::to_string(r.font) +
                   "\\fs" + std::to_string(r.halfPoints);
            if (r.colour != 0) out += "\\cf" + std::to_string(r.colour);
            if (r.bold) out += "\\b";
            if (r.italic) out += "\\i";
            if (r.underline) out += "\\ul";
            if (r.strike) out += "\\strike";
            if (r.vertAlign == 1) out += "\\super";
            if (r.vertAlign == 2) out += "\\sub";
            if (r.upDown > 0) out += "\\up" + std::to_string(r.upDown);
            if (r.upDown < 0) out += "\\dn" + std::to_string(-r.upDown);
            if (r.hidden) out += "\\v";
        } else {
            if (r.font != c.font)
                out += "\\f" + std::to_string(r.font) + "\\dbch\\af" + std::to_string(r.font);
            if (r.halfPoints != c.halfPoints) out += "\\fs" + std::to_string(r.halfPoints);
            if (r.colour != c.colour) out += "\\cf" + std::to_string(r.colour);
            if (r.bold && !c.bold) out += "\\b";
            if (r.italic && !c.italic) out += "\\i";
            if (r.underline && !c.underline) out += "\\ul";
            if (r.strike && !c.strike) out += "\\strike";
            if (r.vertAlign != c.vertAlign) out += r.vertAlign == 1 ? "\\super" : "\\sub";
            if (r.upDown != c.upDown)
                out += r.upDown > 0 ? "\\up" + std::to_string(r.upDown)
                                    : "\\dn" + std::to_string(-r.upDown);
            if (r.hidden && !c.hidden) out += "\\v";
        }
        if (out.size() != before) {
            out += ' ';
            needDelimiter_ = false;
        }
        current_ = r;
    }

    void WriteText(std::string& out, const QString& text) {
        if (needDelimiter_ && !text.isEmpty()) out += ' ';
        needDelimiter_ = false;
        // Split into ASCII stretches (written as they are) and the rest (through code page 932).
        qsizetype i = 0;
        const qsizetype n = text.size();
        while (i < n) {
            const char16_t u = text.at(i).unicode();
            if (u < 0x80) {
                switch (u) {
                    case '\t':
                        out += "\\tab ";
                        break;
                    case '\\':
                        out += "\\'5c";
                        break;
                    case '{':
                        out += "\\'7b";
                        break;
                    case '}':
                        out += "\\'7d";
                        break;
                    default:
                        if (u >= 0x20) out += char(u);
                        break;
                }
                ++i;
                continue;
            }
            if (u == 0x2028) {
                out += "\\line ";
                ++i;
                continue;
            }
            if (u == 0xFFFC || u == 0x2029) {  // objects are not written
                ++i;
                continue;
            }
            qsizetype j = i;
            while (j < n) {
                const char16_t v = text.at(j).unicode();
                if (v < 0x80 || v == 0x2028 || v == 0xFFFC || v == 0x2029) break;
                ++j;
            }
            WriteNonAscii(out, text.mid(i, j - i));
            i = j;
        }
    }

    // Characters from U+0080 on, one at a time: Shift-JIS bytes (each byte as \'hh), or \uN
    // for those that code page 932 lacks or would give back as another character (and for a
    // surrogate without its pair, which is kept as it is).
    void WriteNonAscii(std::string& out, const QString& part) {
        const qsizetype n = part.size();
        for (qsizetype i = 0; i < n; ++i) {
            char32_t c = part.at(i).unicode();
            if (QChar::isHighSurrogate(c) && i + 1 < n && part.at(i + 1).isLowSurrogate()) {
                c = QChar::surrogateToUcs4(char16_t(c), part.at(i + 1).unicode());
                ++i;
            }
            const std::string_view bytes =
                ChangesInCodePage932(c) ? std::string_view() : Cp932CharCache::Bytes(c);
            if (bytes.empty()) {
                WriteUnicode(out, c);
                continue;
            }
            for (char b : bytes) {
                const unsigned char u = static_cast<unsigned char>(b);
                if (u >= 0x80 || u == '\\' || u == '{' || u == '}' || u < 0x20)
                    AppendHex(out, u);
                else
                    out += b;
            }
        }
    }

    // Raised, lowered and hidden text ends before a paragraph mark, which LibreOffice would
    // otherwise take as part of it (and join the paragraphs); the next run opens it again.
    void CloseBeforeParagraphEnd(std::string& out) {
        std::string words;
        if (current_.vertAlign != 0) words += "\\nosupersub";
        if (current_.upDown != 0) words += "\\up0";
        if (current_.hidden) words += "\\v0";
        if (words.empty()) return;
        out += words;
        current_.vertAlign = 0;
        current_.upDown = 0;
        current_.hidden = false;
        needDelimiter_ = true;
    }

    static void WriteUnicode(std::string& out, char32_t c) {
        auto unit = [&](unsigned v) {
            const int s = v > 32767 ? int(v) - 65536 : int(v);
            out += "\\u" + std::to_string(s) + "?";
        };
        if (c >= 0x10000) {
            c -= 0x10000;
            unit(0xD800 + (c >> 10));
            unit(0xDC00 + (c & 0x3FF));
        } else {
            unit(unsigned(c));
        }
    }

    static bool IsRuby(const QTextCharFormat& f) {
        return !f.stringProperty(TextProperties::RubyTextProperty).isEmpty();
    }

    // The ruby word that starts at pieces[k] (the pieces with its reading and group number),
    // in the run format of pieces[k], as the EQ field it was read from:
    //   {\field{\*\fldinst EQ … \\o\\ad(\\s\\up 9(reading),base)}{\fldrslt }}
    // Each part of the base is written in its own format inside the instruction, where the
    // reader takes it from. The result is left empty: LibreOffice shows a result beside the
    // ruby it makes of the instruction, so the base would appear twice. Returns the index of
    // the first piece after the word.
    std::size_t WriteRuby(std::string& out, const std::vector<Piece>& pieces, std::size_t k) {
        const QTextCharFormat& first = pieces[k].format;
        const QString reading = first.stringProperty(TextProperties::RubyTextProperty);
        const int group = first.intProperty(TextProperties::RubyGroupProperty);
        std::size_t end = k + 1;
        while (end < pieces.size() &&
               pieces[end].format.stringProperty(TextProperties::RubyTextProperty) == reading &&
               pieces[end].format.intProperty(TextProperties::RubyGroupProperty) == group)
            ++end;
        std::vector<std::u16string> texts;
        for (std::size_t i = k; i < end; ++i) texts.push_back(pieces[i].text.toStdU16String());
        const std::vector<std::u16string_view> views(texts.begin(), texts.end());
        const std::vector<std::u16string> parts = FieldInstruction::BuildRubyParts(
            first.stringProperty(TextProperties::RubyOptionsProperty).toStdU16String(),
            reading.toStdU16String(), views, current_.halfPoints);

        const RunFormat outside = current_;
        out += "{\\field{\\*\\fldinst ";
        needDelimiter_ = false;
        WriteFieldText(out, parts.front());
        for (std::size_t i = k; i < end; ++i) {
            WriteRunFormat(out, RunOf(pieces[i].format, pieces[i].text), false);
            WriteFieldText(out, parts[1 + i - k]);
        }
        WriteFieldText(out, parts.back());
        out += "}{\\fldrslt }}";
        current_ = outside;  // the groups' ends undo the formats inside them
        needDelimiter_ = false;
        return end;
    }

    // Text of a field instruction: each backslash as RTF's escaped backslash, the rest as text.
    void WriteFieldText(std::string& out, const std::u16string& text) {
        std::size_t from = 0;
        while (from <= text.size()) {
            const std::size_t bs = text.find(u'\\', from);
            const std::size_t to = bs == std::u16string::npos ? text.size() : bs;
            WriteText(out, QString::fromStdU16String(text.substr(from, to - from)));
            if (bs == std::u16string::npos) break;
            out += "\\\\";
            needDelimiter_ = false;
            from = bs + 1;
        }
    }

    void WriteBody(std::string& out) {
        bool firstPara = true;
        ParaFormat previous;
        for (const Paragraph& p : paragraphs_) {
            if (!firstPara) {
                CloseBeforeParagraphEnd(out);
                out += "\r\n\\par ";
            }
            needDelimiter_ = false;
            if (firstPara || !(p.para == previous)) {
                WriteParagraphFormat(out, p.para);
                if (p.para.list) WriteListItem(out, p.listItem, true);
                // A control word written last needs a space before text follows it.
                needDelimiter_ = out.back() != '}';
            } else if (p.para.list) {
                WriteListItem(out, p.listItem, false);
                needDelimiter_ = false;
            }
            if (p.pieces.empty()) {
                WriteRunFormat(out, RunOf(p.blockFormat, QString()), firstPara);
            }
            for (std::size_t k = 0; k < p.pieces.size(); ++k) {
                const Piece& piece = p.pieces[k];
                WriteRunFormat(out, RunOf(piece.format, piece.text), firstPara);
                firstPara = false;
                if (IsRuby(piece.format))
                    k = WriteRuby(out, p.pieces, k) - 1;
                else
                    WriteText(out, piece.text);
            }
            firstPara = false;
            previous = p.para;
        }
        CloseBeforeParagraphEnd(out);
        out += "\r\n";
    }

    const QTextDocument& doc_;
    std::vector<Paragraph> paragraphs_;
    std::vector<std::pair<QString, int>> fonts_;
    QHash<std::pair<QString, int>, int> fontIndex_;  // fonts_ by name and character set
    std::vector<QColor> colours_;
    RtfListWriter lists_;
    std::unordered_map<QRgb, int> colourIndex_;  // colours_ by value
    RunFormat current_;
    bool needDelimiter_ = false;
};

}  // namespace

std::string RtfWriter::Write(const QTextDocument& document) {
    return Write(document, 0, std::max(0, document.characterCount() - 1));
}

std::string RtfWriter::Write(const QTextDocument& document, int from, int to) {
    from = std::max(0, from);
    to = std::max(from, std::min(to, document.characterCount() - 1));
    return Writer(document).Run(from, to);
}

std::string RtfWriter::WriteSelection(const QTextCursor& cursor) {
    if (!cursor.document()) return Writer(QTextDocument()).Run(0, 0);
    return Write(*cursor.document(), cursor.selectionStart(), cursor.selectionEnd());
}

#include "convert/RtfToHtml.h"

#include <cstdint>
#include <map>
#include <vector>

#include "convert/RtfFieldFlattener.h"

namespace {

enum class Style { Off, ToOpen, Open, ToClose };
enum class Align { Left, Right, Center };
enum class List { None, Start, Item, ItemEnded, End };

constexpr int kNoChar = -1;
constexpr const char* kOpenTag[4] = {"<B>", "<I>", "<U>", "<S>"};
constexpr const char* kCloseTag[4] = {"</B>", "</I>", "</U>", "</S>"};
enum { kBold, kItalic, kUnderline, kStrike };

bool IsDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}
bool IsLower(unsigned char c) {
    return c >= 'a' && c <= 'z';
}
int HexValue(unsigned char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 0;  // any other character counts as 0
}
std::string Hex2(long v) {
    static const char digits[] = "0123456789ABCDEF";
    std::string s;
    do {
        s.insert(s.begin(), digits[v & 0xF]);
        v >>= 4;
    } while (v > 0);
    if (s.size() < 2) s.insert(s.begin(), '0');
    return s;
}

// HTML font size of a point size.
int HtmlSize(long p) {
    if (p >= 1 && p <= 9) return 1;
    if (p >= 10 && p <= 11) return 2;
    if (p >= 12 && p <= 13) return 3;
    if (p >= 14 && p <= 16) return 4;
    if (p >= 17 && p <= 21) return 5;
    if (p >= 22 && p <= 33) return 6;
    return 7;
}

class Converter {
public:
    explicit Converter(std::string_view rtf) : s_(rtf), n_(rtf.size()) {}

    RtfToHtmlResult Run() {
        out_.reserve(n_ + n_ / 4);
        std::size_t i = 0;
        while (i < n_) {
            const unsigned char c = byte(i);
            if (c == '{') {
                ++depth_;
                inColourTable_ = false;
                ++i;
            } else if (c == '}') {
                --depth_;
                if (hidden_ && depth_ < hiddenDepth_) hidden_ = false;
                ++i;
            } else if (c == '\\') {
                if (!Control(i)) break;
            } else if (c < 0x20 && c != '\r' && c != '\n') {
                ++i;  // other control characters, raw tabs among them, are dropped
            } else if (hidden_) {
                ++i;  // hidden text (\v) is not part of the page
            } else {
                if (c == ';' && inColourTable_) CloseColourEntry();
                Write(c);
                ++i;
                // Copy straight through up to the next byte that needs attention.
                std::size_t j = i;
                while (j < n_) {
                    const unsigned char d = byte(j);
                    if (d < 0x20 || d == '<' || d == '>' || d == '\\' || d == '{' || d == '}')
                        break;
                    if (d == ';' && inColourTable_) break;
                    ++j;
                }
                out_.append(s_.data() + i, j - i);
                i = j;
            }
        }
        RtfToHtmlResult r;
        r.html = std::move(out_);
        r.headerBytes = headerBytes_;
        return r;
    }

private:
    unsigned char byte(std::size_t i) const { return static_cast<unsigned char>(s_[i]); }

    // Handles the control sequence at i (a backslash). Returns false when the text ends
    // inside it. On return i is past the sequence.
    bool Control(std::size_t& i) {
        if (i + 1 >= n_) return false;
        const unsigned char b = byte(i + 1);
        if (b == '\'') {
            if (i + 3 >= n_) return false;
            const int v = HexValue(byte(i + 2)) * 16 + HexValue(byte(i + 3));
            i += 4;
            Write(v);
            return true;
        }
        if (b == '\\' || b == '{' || b == '}') {
            Write(b);
            i += 2;
            return true;
        }
        if (b == '*') {
            inColourTable_ = false;
            i = SkipGroup(i + 2, depth_);
            return true;
        }
        // A control word: up to the first space, digit, ';', backslash or brace.
        std::size_t j = i + 1;
        while (j < n_) {
            const unsigned char d = byte(j);
            if (d == ' ' || IsDigit(d) || d == ';' || d == '\\' || d == '{' || d == '}') break;
            ++j;
        }
        const std::string_view word = s_.substr(i, j - i);
        const std::size_t paramStart = j;
        while (j < n_ && (IsDigit(byte(j)) || IsLower(byte(j)))) ++j;
        const std::string_view param = s_.substr(paramStart, j - paramStart);
        if (j < n_ && byte(j) == ' ') ++j;
        int semicolons = 0;
        while (j < n_ && (byte(j) == ';' || byte(j) == '{' || byte(j) == '}')) {
            if (byte(j) == ';') ++semicolons;
            ++j;
        }
        i = j;
        return Word(word, param, semicolons, i);
    }

    static long Value(std::string_view param, long def) {
        if (param.empty()) return def;
        long v = 0;
        for (char ch : param) {
            if (!IsDigit(static_cast<unsigned char>(ch))) return def;
            if (v < 100000000) v = v * 10 + (ch - '0');
        }
        return v;
    }

    // Executes a control word. i is just past it and may be moved further (font names, skipped
    // groups, the fallback of \u). Returns false when the text ends.
    bool Word(std::string_view w, std::string_view param, int semicolons, std::size_t& i) {
        const bool colourWord =
            w == "\\red" || w == "\\green" || w == "\\blue" || w == "\\colortbl";
        if (!colourWord) inColourTable_ = false;

        if (w == "\\par") {
            if (list_ == List::Item) list_ = List::ItemEnded;
            paraPending_ = true;
        } else if (w == "\\f") {
            const long n = Value(param, 0);
            if (inFontTable_) return ReadFontName(n, i);
            if (n != font_) {
                font_ = n;
                fontTagWanted_ = true;
                attrPending_ = true;
            }
        } else if (w == "\\v") {
            hidden_ = Value(param, 1) != 0;
            hiddenDepth_ = depth_;
        } else if (w == "\\plain") {
            hidden_ = false;
            bool anyToClose = false;
            for (Style& st : style_) {
                if (st == Style::Open) st = Style::ToClose;
                if (st == Style::ToClose) anyToClose = true;
            }
            if (anyToClose || colour_ != 0) {
                colour_ = 0;
                fontTagWanted_ = true;
                attrPending_ = true;
                Write(kNoChar);
            }
        } else if (w == "\\fs") {
            const int size = HtmlSize(Value(param, 11) / 2);
            if (size != size_) {
                size_ = size;
                fontTagWanted_ = true;
                attrPending_ = true;
            }
        } else if (w == "\\tab") {
            Write('\t');
        } else if (w == "\\strike") {
            StyleOn(kStrike);
        } else if (w == "\\ul") {
            StyleOn(kUnderline);
        } else if (w == "\\b") {
            StyleOn(kBold);
        } else if (w == "\\i") {
            StyleOn(kItalic);
        } else if (w == "\\cf") {
            const long n = Value(param, 0);
            if (n != colour_) {
                colour_ = n;
                fontTagWanted_ = true;
                attrPending_ = true;
            }
        } else if (w == "\\qc") {
            align_ = Align::Center;
            paraPending_ = true;
        } else if (w == "\\qr") {
            align_ = Align::Right;
            paraPending_ = true;
        } else if (w == "\\pntext") {
            paraPending_ = true;
            list_ = List::Item;
            i = SkipGroup(i, depth_);
            return true;
        } else if (w == "\\fi") {
            paraPending_ = true;
            list_ = List::Start;
            Write(kNoChar);
        } else if (w == "\\pard") {
            align_ = Align::Left;
            if (list_ != List::None) list_ = List::End;
            paraPending_ = true;
        } else if (w == "\\red") {
            colourText_ = "#" + Hex2(Value(param, 255));
            LimitColourText();
        } else if (w == "\\green") {
            colourText_ += Hex2(Value(param, 255));
            LimitColourText();
        } else if (w == "\\blue") {
            colourText_ += Hex2(Value(param, 255));
            LimitColourText();
            colours_.push_back(colourText_);
            entryHasColour_ = true;
        } else if (w == "\\deff") {
            defaultFont_ = Value(param, 0);
        } else if (w == "\\fonttbl") {
            inFontTable_ = true;
        } else if (w == "\\colortbl") {
            inColourTable_ = true;
            entryHasColour_ = false;
        } else if (w == "\\deflang") {
            inFontTable_ = false;
            align_ = Align::Left;
            paraPending_ = true;
            list_ = List::None;
            font_ = defaultFont_;
            size_ = 3;
            colour_ = 0;
            for (Style& st : style_) st = Style::Off;
            attrPending_ = true;
            if (headerBytes_ == std::string::npos) headerBytes_ = out_.size();
        } else if (w == "\\u" || w == "\\u-") {
            return Unicode(w == "\\u-" ? -Value(param, 0) : Value(param, 0), i);
        } else if (w == "\\uc") {
            ucSkip_ = Value(param, 1);
        }
        if (inColourTable_)
            for (int k = 0; k < semicolons; ++k) CloseColourEntry();
        return true;
    }

    void LimitColourText() {
        if (colourText_.size() > 10) colourText_.resize(10);
    }

    // A ';' in the colour table ends an entry; an entry without colour words is the automatic
    // colour and still takes its number.
    void CloseColourEntry() {
        if (!entryHasColour_) colours_.emplace_back("#000000");
        entryHasColour_ = false;
    }

    void StyleOn(int k) {
        attrPending_ = true;
        if (style_[k] == Style::Off) style_[k] = Style::ToOpen;
    }

    // A character outside code page 932: written as a numeric character reference. The
    // fallback that follows it (\uc characters, a single byte or escape each) is skipped.
    bool Unicode(long v, std::size_t& i) {
        if (v < 0) v += 65536;
        if (v >= 0xD800 && v <= 0xDBFF) {
            highSurrogate_ = v;
        } else {
            long cp = v;
            if (v >= 0xDC00 && v <= 0xDFFF && highSurrogate_) {
                cp = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (v - 0xDC00);
            }
            highSurrogate_ = 0;
            if (!hidden_) {
                Write(kNoChar);
                out_ += "&#" + std::to_string(cp) + ";";
            }
        }
        for (long k = 0; k < ucSkip_ && i < n_; ++k) {
            const unsigned char c = byte(i);
            if (c == '{' || c == '}') break;
            if (c == '\\') {
                if (i + 1 < n_ && byte(i + 1) == '\'') {
                    i += 4;
                } else {
                    i += 2;
                    while (i < n_ && (IsDigit(byte(i)) || IsLower(byte(i)))) ++i;
                }
            } else {
                ++i;
            }
        }
        if (i > n_) i = n_;
        return true;
    }

    // Skips to just past the '}' that takes depth one below 'from'; escaped characters are
    // passed over, so "\}" does not count.
    std::size_t SkipGroup(std::size_t i, int from) {
        int d = from;
        while (i < n_) {
            const unsigned char c = byte(i);
            if (c == '\\') {
                i += 2;
                continue;
            }
            ++i;
            if (c == '{') {
                ++d;
            } else if (c == '}') {
                --d;
                if (d < from) break;
            }
        }
        depth_ = d;
        return i > n_ ? n_ : i;
    }

    // A font entry: skip to the next space (family and character set words), read the name
    // up to ';', consume the byte after it (the closing brace).
    bool ReadFontName(long number, std::size_t& i) {
        while (i < n_ && byte(i) != ' ') ++i;
        if (i < n_) ++i;
        std::string name;
        while (i < n_ && byte(i) != ';') {
            unsigned char c = byte(i);
            if (c == '\\') {
                if (i + 1 < n_ && byte(i + 1) == '\'') {
                    if (i + 3 >= n_) {
                        i = n_;
                        break;
                    }
                    c = static_cast<unsigned char>(HexValue(byte(i + 2)) * 16 +
                                                   HexValue(byte(i + 3)));
                    i += 4;
                } else if (i + 1 < n_ && byte(i + 1) == 'u' &&
                           (i + 2 < n_ && (IsDigit(byte(i + 2)) || byte(i + 2) == '-'))) {
                    // \uN: the character as a numeric character reference; its one-byte
                    // fallback is skipped.
                    std::size_t j = i + 2;
                    const bool negative = byte(j) == '-';
                    if (negative) ++j;
                    long v = 0;
                    while (j < n_ && IsDigit(byte(j))) {
                        if (v < 100000) v = v * 10 + (byte(j) - '0');
                        ++j;
                    }
                    if (negative) v = 65536 - v;
                    if (j < n_ && byte(j) == ' ') ++j;
                    if (j < n_ && byte(j) != ';' && byte(j) != '\\') ++j;
                    i = j;
                    const std::string ref = "&#" + std::to_string(v) + ";";
                    if (name.size() + ref.size() < 128) name += ref;
                    continue;
                } else {
                    ++i;  // any other backslash is dropped
                    continue;
                }
            } else {
                ++i;
            }
            if (name.size() < 63) name.push_back(static_cast<char>(c));
        }
        if (fontIndex_.find(number) == fontIndex_.end()) fontIndex_[number] = fonts_.size();
        fonts_.push_back(std::move(name));
        if (i < n_) ++i;  // the ';'
        if (i < n_) {     // the byte after it, the entry's closing brace
            ++i;
            --depth_;
        }
        return true;
    }

    const std::string& FontName(long n) const {
        auto it = fontIndex_.find(n);
        if (it == fontIndex_.end())
            throw RtfToHtmlError("フォント番号 " + std::to_string(n) +
                                 " はフォント表にありません。");
        return fonts_[it->second];
    }
    const std::string& ColourText(long n) const {
        if (n < 0 || static_cast<std::size_t>(n) >= colours_.size())
            throw RtfToHtmlError("色番号 " + std::to_string(n) + " は色表にありません。");
        return colours_[static_cast<std::size_t>(n)];
    }

    // The character writer: brings paragraph and attribute tags up to date, then the
    // character (kNoChar for none).
    void Write(int c) {
        if (hidden_ && c != kNoChar) return;
        if (paraPending_) {
            for (Style& st : style_) {
                const int k = static_cast<int>(&st - style_);
                if (st == Style::Open || st == Style::ToClose) out_ += kCloseTag[k];
                if (st == Style::ToClose) st = Style::Off;
            }
            switch (list_) {
                case List::None:
                    out_ += align_ == Align::Left    ? "\r\n<BR><DIV ALIGN=LEFT>"
                            : align_ == Align::Right ? "\r\n<BR><DIV ALIGN=RIGHT>"
                                                     : "\r\n<BR><DIV ALIGN=CENTER>";
                    break;
                case List::Start:
                    out_ += "\r\n<UL>";
                    break;
                case List::Item:
                    out_ += "\r\n<BR><BR><LI>";
                    break;
                case List::ItemEnded:
                    out_ += "</LI>";
                    break;
                case List::End:
                    out_ += "\r\n</UL>";
                    list_ = List::None;
                    break;
            }
            for (int k = 0; k < 4; ++k)
                if (style_[k] == Style::Open) out_ += kOpenTag[k];
            paraPending_ = false;
        }
        if (attrPending_) {
            if (fontTagWanted_) {
                const std::string& face = FontName(font_);
                const std::string& colour = ColourText(colour_);
                out_ += "<FONT FACE=\"";
                out_ += face;
                out_ += "\" COLOR=\"";
                out_ += colour;
                out_ += "\" SIZE=\"";
                out_ += std::to_string(size_);
                out_ += "\">";
                fontTagWanted_ = false;
            }
            for (int k = 0; k < 4; ++k) {
                if (style_[k] == Style::ToOpen) {
                    out_ += kOpenTag[k];
                    style_[k] = Style::Open;
                } else if (style_[k] == Style::ToClose) {
                    out_ += kCloseTag[k];
                    style_[k] = Style::Off;
                }
            }
            attrPending_ = false;
        }
        if (c == kNoChar || c == 0) return;
        if (c == '<') {
            out_ += "&lt";
        } else if (c == '>') {
            out_ += "&gt";
        } else {
            out_.push_back(static_cast<char>(c));
        }
    }

    std::string_view s_;
    std::size_t n_;
    std::string out_;
    std::size_t headerBytes_ = std::string::npos;

    std::vector<std::string> fonts_;
    std::map<long, std::size_t> fontIndex_;
    std::vector<std::string> colours_;
    std::string colourText_;
    bool inColourTable_ = false;
    bool entryHasColour_ = false;

    bool inFontTable_ = false;
    long defaultFont_ = 0;
    long font_ = 0;
    int size_ = 3;
    long colour_ = 0;
    Style style_[4] = {Style::Off, Style::Off, Style::Off, Style::Off};
    Align align_ = Align::Left;
    List list_ = List::None;
    bool paraPending_ = true;
    bool attrPending_ = true;
    bool fontTagWanted_ = false;
    int depth_ = 0;
    long ucSkip_ = 1;
    long highSurrogate_ = 0;
    bool hidden_ = false;  // \v: the text is left out, up to \v0, \plain or its group's end
    int hiddenDepth_ = 0;
};

}  // namespace

RtfToHtmlResult RtfToHtmlDetailed(std::string_view rtf) {
    // Ruby fields and fields with an empty result become their text first.
    std::string flat;
    if (RtfFieldFlattener::Flatten(rtf, flat)) return Converter(flat).Run();
    return Converter(rtf).Run();
}

#include "core/HenkanJ.h"

#include <cstdint>
#include <cstring>

#include "core/ShiftJis.h"

// The conversions rest on three fixed tables (symbol pairs, half-width katakana, full-width kana)
// and on the published arithmetic between Shift-JIS codes and JIS X 0208 row/cell codes. The
// kana are kept as JIS X 0208 cells of the katakana row and turned into Shift-JIS at compile
// time; every conversion then runs in one pass over the bytes with plain table look-ups.

namespace {

using u8 = std::uint8_t;
using u16 = std::uint16_t;

constexpr unsigned kKanaRow = 0x25;      // JIS X 0208 row of the katakana
constexpr unsigned kHiraganaRow = 0x24;  // JIS X 0208 row of the hiragana
constexpr unsigned kLatinRow = 0x23;     // full-width digits and Latin letters
constexpr unsigned kFirstKanaCell = 0x21;
constexpr unsigned kLastKanaCell = 0x76;
constexpr u8 kVoicedMark = 0xDE;             // ﾞ
constexpr u8 kSemiVoicedMark = 0xDF;         // ﾟ
constexpr u16 kWideVoicedMark = 0x814A;      // ゛
constexpr u16 kWideSemiVoicedMark = 0x814B;  // ゜

// JIS X 0208 row and cell (both 0x21-0x7E) to the Shift-JIS code.
constexpr u16 JisToSjis(unsigned row, unsigned cell) {
    unsigned lead = (row + 1) / 2 + (row <= 0x5E ? 0x70 : 0xB0);
    unsigned trail = (row & 1) ? cell + (cell < 0x60 ? 0x1F : 0x20) : cell + 0x7E;
    return static_cast<u16>(lead << 8 | trail);
}

struct RowCell {
    unsigned row = 0;  // 0 when the two bytes are no JIS X 0208 code
    unsigned cell = 0;
};

// Shift-JIS lead and trail byte to JIS X 0208 row and cell. A trail byte outside 0x40-0x7E and
// 0x80-0xFC makes no code (row 0).
constexpr RowCell SjisToJis(u8 lead, u8 trail) {
    if (trail < 0x40 || trail == 0x7F || trail > 0xFC) return {};
    unsigned row = (lead <= 0x9F ? lead - 0x70 : lead - 0xB0) * 2 - 1;
    if (trail >= 0x9F) return {row + 1, trail - 0x7Eu};
    return {row, trail - (trail < 0x7F ? 0x1Fu : 0x20u)};
}

// The symbol pairs: a half-width byte and its full-width partner, both ways.
struct SymbolPair {
    u8 half;
    u16 full;
};
constexpr SymbolPair kSymbols[] = {
    {0x20, 0x8140},  // space, ideographic space
    {0x21, 0x8149},  // ! ！
    {0x22, 0x8168},  // " ”
    {0x23, 0x8194},  // # ＃
    {0x24, 0x8190},  // $ ＄
    {0x25, 0x8193},  // % ％
    {0x26, 0x8195},  // & ＆
    {0x27, 0x8166},  // ' ’
    {0x28, 0x8169},  // ( （
    {0x29, 0x816A},  // ) ）
    {0x3D, 0x8181},  // = ＝
    {0x60, 0x8165},  // ` ‘
    {0x7C, 0x8162},  // | ｜
    {0x2D, 0x817C},  // - －
    {0x5E, 0x814F},  // ^ ＾
    {0x5C, 0x818F},  // backslash ￥
    {0x7E, 0x8150},  // ~ ￣
    {0x7B, 0x816F},  // { ｛
    {0x40, 0x8197},  // @ ＠
    {0x5B, 0x816D},  // [ ［
    {0x2B, 0x817B},  // + ＋
    {0x2A, 0x8196},  // * ＊
    {0x7D, 0x8170},  // } ｝
    {0x3B, 0x8147},  // ; ；
    {0x3A, 0x8146},  // : ：
    {0x5D, 0x816E},  // ] ］
    {0x3C, 0x8183},  // < ＜
    {0x3E, 0x8184},  // > ＞
    {0x3F, 0x8148},  // ? ？
    {0x5F, 0x8151},  // _ ＿
    {0xA4, 0x8141},  // ､ 、
    {0xA1, 0x8142},  // ｡ 。
    {0xA5, 0x8145},  // ･ ・
    {0x2C, 0x8143},  // , ，
    {0x2E, 0x8144},  // . ．
    {0x2F, 0x815E},  // / ／
    {0xB0, 0x815B},  // ｰ ー
    {0xA2, 0x8175},  // ｢ 「
    {0xA3, 0x8176},  // ｣ 」
};
static_assert(sizeof(kSymbols) / sizeof(kSymbols[0]) == 39);

// Half-width katakana 0xA0-0xDF to the katakana cell of row 0x25; kVoiced marks a kana
// that joins a following ﾞ (its voiced form is the next cell). ﾊﾋﾌﾍﾎ also join ﾟ (cell + 2).
// 0 means no entry: 0xA0-0xA5 and 0xB0 are symbol pairs, ﾞ and ﾟ stay as they are.
constexpr u8 kVoiced = 0x80;
// clang-format off
constexpr u8 kKanaCells[0x40] = {
    0,    0,    0,    0,    0,    0,    0x72, 0x21,  // A0-A7:       ｦｧ
    0x23, 0x25, 0x27, 0x29, 0x63, 0x65, 0x67, 0x43,  // A8-AF: ｨｩｪｫｬｭｮｯ
    0,    0x22, 0x24, 0x26, 0x28, 0x2A,              // B0-B5: ｰ ｱｲｳｴｵ
    0x2B | kVoiced, 0x2D | kVoiced, 0x2F | kVoiced, 0x31 | kVoiced, 0x33 | kVoiced,  // ｶｷｸｹｺ
    0x35 | kVoiced, 0x37 | kVoiced, 0x39 | kVoiced, 0x3B | kVoiced, 0x3D | kVoiced,  // ｻｼｽｾｿ
    0x3F | kVoiced, 0x41 | kVoiced, 0x44 | kVoiced, 0x46 | kVoiced, 0x48 | kVoiced,  // ﾀﾁﾂﾃﾄ
    0x4A, 0x4B, 0x4C, 0x4D, 0x4E,                                                    // ﾅﾆﾇﾈﾉ
    0x4F | kVoiced, 0x52 | kVoiced, 0x55 | kVoiced, 0x58 | kVoiced, 0x5B | kVoiced,  // ﾊﾋﾌﾍﾎ
    0x5E, 0x5F, 0x60, 0x61, 0x62,                                                    // ﾏﾐﾑﾒﾓ
    0x64, 0x66, 0x68,                                                                // ﾔﾕﾖ
    0x69, 0x6A, 0x6B, 0x6C, 0x6D,                                                    // ﾗﾘﾙﾚﾛ
    0x6F, 0x73,                                                                      // ﾜﾝ
    0,    0,                                                                         // ﾞﾟ
};
// clang-format on
// ﾊﾋﾌﾍﾎ
constexpr bool TakesSemiVoiced(u8 b) {
    return b >= 0xCA && b <= 0xCE;
}

// Cells of the kana row that have no half-width letter of their own, with the near one.
struct NearForm {
    unsigned cell;
    u8 half;
    u8 mark;  // 0 or ﾞ
};
constexpr NearForm kNearForms[] = {
    {0x6E, 0xDC, 0},            // ヮ ゎ -> ﾜ
    {0x70, 0xB2, 0},            // ヰ ゐ -> ｲ
    {0x71, 0xB4, 0},            // ヱ ゑ -> ｴ
    {0x72, 0xB5, 0},            // ヲ を -> ｵ (ｦ -> ヲ does not come back)
    {0x74, 0xB3, kVoicedMark},  // ヴ -> ｳﾞ
    {0x75, 0xB6, 0},            // ヵ -> ｶ
    {0x76, 0xB9, 0},            // ヶ -> ｹ
};

// A replacement of up to two bytes; n == 0 means "keep the input as it is".
struct Bytes2 {
    u8 n = 0;
    u8 b[2] = {0, 0};
};

// How HanToZen treats one byte.
enum : u8 { kCopy, kLead, kSymbol, kLatin, kKana };

struct WideTables {
    u8 cls[256] = {};          // class of each byte for HanToZen
    u8 kanaCls[256] = {};      // the same for HanKanaToZen: ASCII stays
    u16 full[256] = {};        // full-width code of a symbol, Latin letter, digit or kana
    u16 voiced[256] = {};      // voiced form of a kana that takes ﾞ, else 0
    u16 semiVoiced[256] = {};  // semi-voiced form of ﾊﾋﾌﾍﾎ, else 0
};

constexpr WideTables BuildWideTables() {
    WideTables t;
    for (unsigned b = 0; b < 256; ++b) {
        const u8 byte = static_cast<u8>(b);
        if (ShiftJis::IsLeadByte(byte)) {
            t.cls[b] = t.kanaCls[b] = kLead;
        } else if ((b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z')) {
            t.cls[b] = kLatin;
            t.full[b] = JisToSjis(kLatinRow, b);
        } else if (b >= 0xA0 && b <= 0xDF && (kKanaCells[b - 0xA0] & 0x7F) != 0) {
            const u8 entry = kKanaCells[b - 0xA0];
            const unsigned cell = entry & 0x7Fu;
            t.cls[b] = t.kanaCls[b] = kKana;
            t.full[b] = JisToSjis(kKanaRow, cell);
            if (entry & kVoiced) t.voiced[b] = JisToSjis(kKanaRow, cell + 1);
            if (TakesSemiVoiced(byte)) t.semiVoiced[b] = JisToSjis(kKanaRow, cell + 2);
        }
    }
    for (const SymbolPair& p : kSymbols) {
        t.cls[p.half] = kSymbol;
        if (p.half >= 0xA0) t.kanaCls[p.half] = kSymbol;
        t.full[p.half] = p.full;
    }
    return t;
}
constexpr WideTables kWide = BuildWideTables();
static_assert(kWide.full[0xB6] == 0x834A && kWide.voiced[0xB6] == 0x834B);  // ｶ カ ガ
static_assert(kWide.semiVoiced[0xCE] == 0x837C);                            // ﾎﾟ ポ
static_assert(kWide.full['a'] == 0x8281 && kWide.full['Z'] == 0x8279);      // ａ Ｚ

// Full-width kana to half-width and the symbol pairs backwards, arranged by lead byte and trail
// byte, so that ZenToHan needs one look-up per two-byte character. Row 0 serves every lead byte
// other than 0x81, 0x82 and 0x83 (nothing to convert); rows 1-3 are those three.
struct NarrowStep {
    u8 len = 2;        // output bytes
    u8 keepMask = 0;   // 0xFF: the character is written as it came
    u8 b[2] = {0, 0};  // the replacement (zero when kept)
};
struct NarrowTables {
    u8 rowOfLead[256] = {};
    Bytes2 byLead[4][256] = {};
    NarrowStep step[4][256] = {};  // byLead in the form the conversion loop uses
};

constexpr NarrowTables BuildNarrowTables() {
    // Kana by cell: the inverse of the half-width katakana table, then the near forms.
    Bytes2 kana[0x80] = {};
    for (unsigned b = 0xA0; b <= 0xDF; ++b) {
        const u8 entry = kKanaCells[b - 0xA0];
        const unsigned cell = entry & 0x7Fu;
        if (cell == 0) continue;
        kana[cell] = {1, {static_cast<u8>(b), 0}};
        if (entry & kVoiced) kana[cell + 1] = {2, {static_cast<u8>(b), kVoicedMark}};
        if (TakesSemiVoiced(static_cast<u8>(b)))
            kana[cell + 2] = {2, {static_cast<u8>(b), kSemiVoicedMark}};
    }
    for (const NearForm& f : kNearForms)
        kana[f.cell] = {static_cast<u8>(f.mark ? 2 : 1), {f.half, f.mark}};

    NarrowTables t;
    for (unsigned lead = 0x81; lead <= 0x83; ++lead) {
        t.rowOfLead[lead] = static_cast<u8>(lead - 0x80);
        for (unsigned trail = 0; trail < 256; ++trail) {
            const RowCell rc = SjisToJis(static_cast<u8>(lead), static_cast<u8>(trail));
            Bytes2& out = t.byLead[lead - 0x80][trail];
            if ((rc.row == kKanaRow || rc.row == kHiraganaRow) && rc.cell >= kFirstKanaCell &&
                rc.cell <= kLastKanaCell) {
                out = kana[rc.cell];
            } else if (rc.row == kLatinRow &&
                       ((rc.cell >= '0' && rc.cell <= '9') || (rc.cell >= 'A' && rc.cell <= 'Z') ||
                        (rc.cell >= 'a' && rc.cell <= 'z'))) {
                out = {1, {static_cast<u8>(rc.cell), 0}};
            }
        }
    }
    for (const SymbolPair& p : kSymbols)
        t.byLead[(p.full >> 8) - 0x80][p.full & 0xFF] = {1, {p.half, 0}};
    for (unsigned row = 0; row < 4; ++row) {
        for (unsigned trail = 0; trail < 256; ++trail) {
            const Bytes2& r = t.byLead[row][trail];
            t.step[row][trail] =
                r.n == 0 ? NarrowStep{2, 0xFF, {0, 0}} : NarrowStep{r.n, 0, {r.b[0], r.b[1]}};
        }
    }
    return t;
}
constexpr NarrowTables kNarrow = BuildNarrowTables();

constexpr bool EveryKanaCellHasAHalfWidthForm() {
    for (unsigned trail = 0x40; trail <= 0x96; ++trail)
        if (trail != 0x7F && kNarrow.byLead[3][trail].n == 0) return false;
    return true;
}
static_assert(EveryKanaCellHasAHalfWidthForm());
static_assert(kNarrow.byLead[3][0x92].b[0] == 0xB5);  // ヲ -> ｵ

// What HanToZen or HanKanaToZen writes for one single byte, given whether ﾞ, ﾟ or anything
// else follows it: up to four output bytes and how many input bytes are consumed. Worked out at
// compile time from the tables above, so the conversion itself is one look-up per character.
struct WideStep {
    u8 out[4] = {0, 0, 0, 0};
    u8 len = 0;   // output bytes
    u8 used = 1;  // input bytes consumed: 2 when a following mark is taken
};
enum : u8 { kNoMark, kVoicedFollows, kSemiVoicedFollows };

struct WideSteps {
    u8 markOf[256] = {};
    WideStep step[256][3] = {};
};

constexpr WideStep Emit(u16 first, u16 second, u8 used) {
    WideStep st;
    st.out[0] = static_cast<u8>(first >> 8);
    st.out[1] = static_cast<u8>(first);
    st.out[2] = static_cast<u8>(second >> 8);
    st.out[3] = static_cast<u8>(second);
    st.len = second ? 4 : 2;
    st.used = used;
    return st;
}

constexpr WideSteps BuildWideSteps(const u8 (&cls)[256]) {
    WideSteps t;
    t.markOf[kVoicedMark] = kVoicedFollows;
    t.markOf[kSemiVoicedMark] = kSemiVoicedFollows;
    for (unsigned b = 0; b < 256; ++b) {
        for (unsigned m = kNoMark; m <= kSemiVoicedFollows; ++m) {
            WideStep& st = t.step[b][m];
            switch (cls[b]) {
                case kCopy:
                case kLead:  // a lead byte reaches the table only when cut off at the end
                    st.out[0] = static_cast<u8>(b);
                    st.len = 1;
                    break;
                case kSymbol:
                case kLatin:
                    st = Emit(kWide.full[b], 0, 1);
                    break;
                case kKana:
                    if (m == kNoMark) {
                        st = Emit(kWide.full[b], 0, 1);
                    } else if (m == kVoicedFollows) {
                        // The voiced form, or (ｳﾞ, ﾜﾞ ...) the kana and a separate ゛.
                        st = kWide.voiced[b] ? Emit(kWide.voiced[b], 0, 2)
                                             : Emit(kWide.full[b], kWideVoicedMark, 2);
                    } else {
                        // The semi-voiced form, or (ｶﾟ, ｱﾟ ...) the kana and a separate ゜.
                        st = kWide.semiVoiced[b] ? Emit(kWide.semiVoiced[b], 0, 2)
                                                 : Emit(kWide.full[b], kWideSemiVoicedMark, 2);
                    }
                    break;
            }
        }
    }
    return t;
}
constexpr WideSteps kToZenSteps = BuildWideSteps(kWide.cls);
constexpr WideSteps kKanaToZenSteps = BuildWideSteps(kWide.kanaCls);
static_assert(kToZenSteps.step[0xB3][kVoicedFollows].len == 4);  // ｳﾞ -> ウ゛
static_assert(kKanaToZenSteps.step['a'][kNoMark].len == 1);      // ASCII stays

inline u8 At(std::string_view s, std::size_t i) {
    return static_cast<u8>(s[i]);
}

// One pass of HanToZen or HanKanaToZen. Every input byte gives at most two output bytes; the
// buffer has four bytes to spare because each step copies all four bytes of its output.
std::string ToWide(std::string_view s, const WideSteps& steps) {
    std::string out;
    out.resize(s.size() * 2 + 4);
    char* const begin = out.data();
    char* o = begin;
    const std::size_t n = s.size();
    std::size_t i = 0;
    while (i + 1 < n) {  // a next byte exists
        const u8 c = At(s, i);
        if (ShiftJis::IsLeadByte(c)) {
            o[0] = static_cast<char>(c);
            o[1] = s[i + 1];
            o += 2;
            i += 2;
            continue;
        }
        const WideStep& st = steps.step[c][steps.markOf[At(s, i + 1)]];
        std::memcpy(o, st.out, 4);
        o += st.len;
        // A taken mark is rare: a predicted branch keeps the next byte's load off the chain of
        // dependent loads that "i += st.used" would make.
        if (__builtin_expect(st.used == 2, 0))
            i += 2;
        else
            ++i;
    }
    if (i < n) {  // the last byte, with nothing after it (a cut lead byte is copied alone)
        const WideStep& st = steps.step[At(s, i)][kNoMark];
        std::memcpy(o, st.out, 4);
        o += st.len;
    }
    out.resize(static_cast<std::size_t>(o - begin));
    return out;
}

// Upper or lower case of the ASCII letters from..to; two-byte characters are stepped over whole.
std::string ChangeCase(std::string_view s, char from, char to) {
    std::string out(s);
    const std::size_t n = out.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char c = out[i];
        if (ShiftJis::IsLeadByte(c)) {
            ++i;  // the trail byte is part of the character, never a letter
        } else if (c >= from && c <= to) {
            out[i] = static_cast<char>(c ^ 0x20);
        }
    }
    return out;
}

}  // namespace

std::string HanToZen(std::string_view s) {
    return ToWide(s, kToZenSteps);
}

std::string HanKanaToZen(std::string_view s) {
    return ToWide(s, kKanaToZenSteps);
}

std::string ZenToHan(std::string_view s) {
    std::string out;
    out.resize(s.size());  // every character keeps or shrinks its byte length
    char* const begin = out.data();
    char* o = begin;
    const std::size_t n = s.size();
    std::size_t i = 0;
    while (i + 1 < n) {
        const u8 c = At(s, i);
        if (!ShiftJis::IsLeadByte(c)) {
            *o++ = static_cast<char>(c);
            ++i;
            continue;
        }
        const u8 trail = At(s, i + 1);
        const NarrowStep& st = kNarrow.step[kNarrow.rowOfLead[c]][trail];
        // No branch on the kind of character: both bytes are stored, the pointer moves by the
        // length (hiragana and kanji alternate too irregularly for a branch to be predicted).
        o[0] = static_cast<char>((c & st.keepMask) | st.b[0]);
        o[1] = static_cast<char>((trail & st.keepMask) | st.b[1]);
        o += st.len;
        i += 2;
    }
    if (i < n) *o++ = s[i];  // a last single byte or a cut lead byte
    out.resize(static_cast<std::size_t>(o - begin));
    return out;
}

std::string SjisToUpper(std::string_view s) {
    return ChangeCase(s, 'a', 'z');
}

std::string SjisToLower(std::string_view s) {
    return ChangeCase(s, 'A', 'Z');
}

std::string RestoreLineEnds(std::string_view s) {
    std::string out;
    out.resize(s.size() * 2);  // at worst every byte is a lone CR or LF
    char* const begin = out.data();
    char* o = begin;
    const std::size_t n = s.size();
    std::size_t i = 0;
    while (i < n) {
        const char c = s[i];
        if (ShiftJis::IsLeadByte(c)) {
            // A two-byte character is copied whole, even when its second byte looks like CR/LF.
            *o++ = c;
            if (i + 1 < n) *o++ = s[i + 1];
            i += 2;
        } else if (c == '\r' || c == '\n') {
            *o++ = '\r';
            *o++ = '\n';
            // CR LF is one line end; a lone CR or a lone LF becomes one as well.
            i += (c == '\r' && i + 1 < n && s[i + 1] == '\n') ? 2 : 1;
        } else {
            *o++ = c;
            ++i;
        }
    }
    out.resize(static_cast<std::size_t>(o - begin));
    return out;
}

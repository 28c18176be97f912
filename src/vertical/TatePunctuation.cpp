#include "vertical/TatePunctuation.h"

#include <string>
#include <utility>
#include <vector>

#include "core/ShiftJis.h"
#include "vertical/SjisText.h"

namespace {

void ReplaceEverywhere(TateOutput& out, const std::string& from, const std::string& to) {
    for (std::string& line : out.lines) SjisText::ReplaceAll(line, from, to);
}

void ReduceEverywhere(TateOutput& out, const std::string& pair, const std::string& to) {
    for (std::string& line : out.lines)
        while (SjisText::ReplaceAll(line, pair, to) > 0) {
        }
}

}  // namespace

void TatePunctuation::Place(TateOutput& out, int choice) {
    static const std::string ten = SjisText::Sj("｀"), maru = SjisText::Sj("゜"),
                             dot = SjisText::Sj("．");
    if (choice == 1) {
        ReplaceEverywhere(out, ten, "&nbsp;" + ten);
        ReplaceEverywhere(out, maru, "&nbsp;" + maru);
        ReplaceEverywhere(out, dot, "&nbsp;" + dot);
        return;
    }
    if (choice != 2 && choice != 3) return;
    const std::string c = choice == 2 ? SjisText::Sj("、") : ",";
    const std::string p = choice == 2 ? SjisText::Sj("。") : ".";
    const std::string q = choice == 2 ? dot : ".";
    ReplaceEverywhere(out, "<BR>" + ten, c);
    ReplaceEverywhere(out, "<BR>" + maru, p);
    ReplaceEverywhere(out, "<BR>" + dot, q);
    const std::pair<std::string, std::string> reductions[] = {
        {c + c, c}, {p + p, p}, {q + q, q}, {c + p, c}, {c + q, c},
        {p + c, p}, {p + q, p}, {q + c, q}, {q + p, q},
    };
    for (const auto& red : reductions) ReduceEverywhere(out, red.first, red.second);
}

namespace {

// Character codes of the method-4 pass.
constexpr unsigned Code(unsigned char lead, unsigned char trail) {
    return (static_cast<unsigned>(lead) << 8) | trail;
}

}  // namespace

void TatePunctuation::AdjustMethod4(TateOutput& out, bool proportional) {
    // The four replacement steps touch different characters and never create one another's
    // targets, so they are made in one walk over each line: the result is the same as four
    // replace-all passes in order.
    static const std::string sp = SjisText::Sj("　");
    static const std::string smallSpace = "<font size=1>" + sp + "</font>";
    static const std::string gothic = SjisText::Sj("ゴシック");
    static const std::string boxOpen = SjisText::Sj("┐"), boxClose = SjisText::Sj("└");
    static const unsigned cDot = 0x8144, cTen = 0x814D, cMaru = 0x814B;  // ． ｀ ゜
    static const unsigned cBoxOpen = 0x84A2, cBoxOpenLead = 0x84A1;      // ┐ ┌
    static const unsigned cBoxClose = 0x84A4, cBoxCloseTail = 0x84A3;    // └ ┘
    static const unsigned cHook = 0x81CA, cCorner = 0x8798;              // ￢ ∟
    static const std::vector<unsigned> smallKana = [] {
        std::vector<unsigned> v;
        const std::string all = SjisText::Sj("ぁぃぅぇぉゃゅょっゎァィゥェォャュョッヮ");
        for (std::size_t i = 0; i + 1 < all.size(); i += 2)
            v.push_back(
                Code(static_cast<unsigned char>(all[i]), static_cast<unsigned char>(all[i + 1])));
        return v;
    }();
    // 0 = unchanged, 1 = space before, 2 = ┐, 3 = ￢, 4 = └, 5 = ∟, 6 = small kana.
    static const std::vector<unsigned char> kind = [] {
        std::vector<unsigned char> k(65536, 0);
        k[cDot] = k[cTen] = k[cMaru] = 1;
        k[cBoxOpen] = 2;
        k[cHook] = 3;
        k[cBoxClose] = 4;
        k[cCorner] = 5;
        for (unsigned c : smallKana) k[c] = 6;
        return k;
    }();
    auto insideGothic = [](const std::string& s, std::size_t pos) {
        for (std::size_t back = 0; back < gothic.size() && back <= pos; back += 2)
            if (SjisText::At(s, pos - back, gothic)) return true;
        return false;
    };

    std::string next;
    for (std::string& line : out.lines) {
        next.clear();
        std::size_t copied = 0;  // bytes of line already in next
        unsigned prev = 0;
        const std::size_t size = line.size();
        for (std::size_t i = 0; i < size;) {
            const unsigned char b = static_cast<unsigned char>(line[i]);
            if (!ShiftJis::IsLeadByte(b) || i + 1 >= size) {
                prev = b;
                ++i;
                continue;
            }
            const unsigned c = Code(b, static_cast<unsigned char>(line[i + 1]));
            const unsigned char k = kind[c];
            const std::string* before = nullptr;   // inserted in front of the character
            const std::string* instead = nullptr;  // replaces the character
            const std::string* after = nullptr;    // inserted after it
            switch (k) {
                case 1:
                    before = &sp;
                    break;
                case 2:
                    if (prev != cBoxOpenLead) before = &sp;
                    break;
                case 3:
                    before = &sp;
                    instead = &boxOpen;
                    break;
                case 4:
                    if (!(i + 3 < size &&
                          Code(static_cast<unsigned char>(line[i + 2]),
                               static_cast<unsigned char>(line[i + 3])) == cBoxCloseTail))
                        after = &sp;
                    break;
                case 5:
                    instead = &boxClose;
                    after = &sp;
                    break;
                case 6:
                    if (!insideGothic(line, i)) before = &smallSpace;
                    break;
                default:
                    break;
            }
            if (before || instead || after) {
                if (next.empty()) next.reserve(size + size / 4);
                next.append(line, copied, i - copied);
                if (before) next += *before;
                if (instead)
                    next += *instead;
                else
                    next.append(line, i, 2);
                if (after) next += *after;
                copied = i + 2;
            }
            prev = c;
            i += 2;
        }
        if (copied > 0) {
            next.append(line, copied, std::string::npos);
            line.swap(next);
        }
    }

    if (proportional) {
        static const std::string msGothic = SjisText::Sj("ＭＳ ゴシック"),
                                 msPGothic = SjisText::Sj("ＭＳ Ｐゴシック"),
                                 msMincho = SjisText::Sj("ＭＳ 明朝"),
                                 msPMincho = SjisText::Sj("ＭＳ Ｐ明朝");
        ReplaceEverywhere(out, msGothic, msPGothic);
        ReplaceEverywhere(out, msMincho, msPMincho);
    }
}

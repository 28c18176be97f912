#include "vertical/TatePunctuation.h"

#include <string>
#include <utility>
#include <vector>

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

void TatePunctuation::AdjustMethod4(TateOutput& out, bool proportional) {
    static const std::string sp = SjisText::Sj("　");
    static const std::string dot = SjisText::Sj("．"), ten = SjisText::Sj("｀"),
                             maru = SjisText::Sj("゜"), boxOpen = SjisText::Sj("┐"),
                             boxOpenLead = SjisText::Sj("┌"), hook = SjisText::Sj("￢"),
                             boxClose = SjisText::Sj("└"), boxCloseTail = SjisText::Sj("┘"),
                             corner = SjisText::Sj("∟"), gothic = SjisText::Sj("ゴシック"),
                             msGothic = SjisText::Sj("ＭＳ ゴシック"),
                             msPGothic = SjisText::Sj("ＭＳ Ｐゴシック"),
                             msMincho = SjisText::Sj("ＭＳ 明朝"),
                             msPMincho = SjisText::Sj("ＭＳ Ｐ明朝");
    static const std::vector<std::string> smallKana = [] {
        std::vector<std::string> v;
        const std::string all = SjisText::Sj("ぁぃぅぇぉゃゅょっゎァィゥェォャュョッヮ");
        for (std::size_t i = 0; i + 1 < all.size(); i += 2) v.push_back(all.substr(i, 2));
        return v;
    }();
    static const std::string smallSpace = "<font size=1>" + sp + "</font>";

    ReplaceEverywhere(out, dot, sp + dot);
    ReplaceEverywhere(out, ten, sp + ten);
    ReplaceEverywhere(out, maru, sp + maru);

    auto notAfterOpenLead = [](const std::string& s, std::size_t pos) {
        return !(pos >= boxOpenLead.size() &&
                 SjisText::At(s, pos - boxOpenLead.size(), boxOpenLead));
    };
    auto notBeforeCloseTail = [](const std::string& s, std::size_t pos) {
        return !SjisText::At(s, pos + boxClose.size(), boxCloseTail);
    };
    for (std::string& line : out.lines) {
        SjisText::ReplaceAll(line, boxOpen, sp + boxOpen, notAfterOpenLead);
        SjisText::ReplaceAll(line, hook, sp + boxOpen);
        SjisText::ReplaceAll(line, boxClose, boxClose + sp, notBeforeCloseTail);
        SjisText::ReplaceAll(line, corner, boxClose + sp);
    }

    // A small kana that is part of "ゴシック" (a font name) is left alone.
    auto outsideGothic = [](const std::string& s, std::size_t pos) {
        for (std::size_t back = 0; back < gothic.size(); back += 2) {
            if (pos < back) break;
            if (SjisText::At(s, pos - back, gothic)) return false;
        }
        return true;
    };
    for (std::string& line : out.lines)
        for (const std::string& kana : smallKana)
            SjisText::ReplaceAll(line, kana, smallSpace + kana, outsideGothic);

    if (proportional) {
        ReplaceEverywhere(out, msGothic, msPGothic);
        ReplaceEverywhere(out, msMincho, msPMincho);
    }
}

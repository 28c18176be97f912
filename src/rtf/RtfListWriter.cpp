#include "rtf/RtfListWriter.h"

#include <QTextBlock>
#include <QTextList>

#include "rtf/TextProperties.h"

namespace {

void AppendHexByte(std::string& out, int b) {
    static const char digits[] = "0123456789abcdef";
    out += "\\'";
    out += digits[(b >> 4) & 0xF];
    out += digits[b & 0xF];
}

// A level's \leveltext and \levelnumbers from its template.
void AppendLevelText(std::string& out, const ListNumbering& n) {
    std::string text;
    std::string numbers;
    int length = 0;
    const QString& t = n.levelText;
    auto addChar = [&](char16_t c) {
        ++length;
        if (c >= 0x20 && c < 0x80 && c != '\\' && c != '{' && c != '}' && c != ';') {
            text += char(c);
        } else if (c < 0x80) {
            AppendHexByte(text, c);
        } else {
            text += "\\u" + std::to_string(c > 32767 ? int(c) - 65536 : int(c)) + "?";
        }
    };
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (!n.IsBullet() && c == QLatin1Char('%') && i + 1 < t.size()) {
            const QChar d = t.at(i + 1);
            if (d >= QLatin1Char('1') && d <= QLatin1Char('9')) {
                ++length;
                AppendHexByte(text, d.unicode() - '1');
                AppendHexByte(numbers, length);
                ++i;
                continue;
            }
            if (d == QLatin1Char('%')) ++i;
        }
        addChar(c.unicode());
    }
    out += "{\\leveltext";
    AppendHexByte(out, std::min(length, 255));
    out += text + ";}{\\levelnumbers" + numbers + ";}";
}

}  // namespace

int RtfListWriter::GroupOf(const QTextList* list, const ListNumbering& numbering, int level) {
    auto known = groupOfList_.find(list);
    if (known != groupOfList_.end()) return known->second;
    const QTextListFormat f = list->format();
    int g = -1;
    const bool hasProperty = f.hasProperty(TextProperties::ListGroupProperty);
    if (hasProperty) {
        auto it = groupOfProperty_.find(f.intProperty(TextProperties::ListGroupProperty));
        if (it != groupOfProperty_.end()) {
            const auto& l = groups_[std::size_t(it->second)].levels[std::size_t(level)];
            if (!l || *l == numbering) g = it->second;
        }
    }
    if (g < 0) {
        groups_.emplace_back();
        g = int(groups_.size() - 1);
        if (hasProperty) groupOfProperty_[f.intProperty(TextProperties::ListGroupProperty)] = g;
    }
    groups_[std::size_t(g)].levels[std::size_t(level)] = numbering;
    groupOfList_[list] = g;
    return g;
}

RtfListWriter::Item RtfListWriter::Add(const QTextBlock& block) {
    Item item;
    const QTextList* list = block.textList();
    if (!list) return item;
    const QTextListFormat f = list->format();
    const int level = std::max(0, std::min(f.indent() - 1, 8));
    const ListNumbering numbering = ListNumbering::FromFormat(f);
    const int g = GroupOf(list, numbering, level);
    Group& group = groups_[std::size_t(g)];
    // An item counts on its level; the levels below it start again.
    int& counter = group.counters[std::size_t(level)];
    counter = counter == 0 ? numbering.start : counter + 1;
    for (std::size_t k = std::size_t(level) + 1; k < group.counters.size(); ++k)
        group.counters[k] = 0;
    std::vector<int> numbers;
    std::vector<int> kinds;
    for (int k = 0; k <= level; ++k) {
        const auto& l = group.levels[std::size_t(k)];
        numbers.push_back(group.counters[std::size_t(k)] > 0 ? group.counters[std::size_t(k)]
                                                             : (l ? l->start : 1));
        kinds.push_back(l ? l->nfc : int(ListNumbering::Decimal));
    }
    item.ls = g + 1;
    item.level = level;
    item.label = numbering.Label(numbers, kinds);
    return item;
}

std::string RtfListWriter::Tables() const {
    if (groups_.empty()) return std::string();
    std::string out = "{\\*\\listtable";
    for (std::size_t g = 0; g < groups_.size(); ++g) {
        const std::string id = std::to_string(g + 1);
        out += "{\\list\\listtemplateid" + id;
        for (int level = 0; level < 9; ++level) {
            const auto& given = groups_[g].levels[std::size_t(level)];
            ListNumbering n;
            n.levelText = ListNumbering::DefaultText(n.nfc, level);
            if (given) n = *given;
            const std::string nfc = std::to_string(n.nfc);
            out += "{\\listlevel\\levelnfc" + nfc + "\\levelnfcn" + nfc +
                   "\\leveljc0\\leveljcn0\\levelfollow0\\levelstartat" + std::to_string(n.start);
            AppendLevelText(out, n);
            out += "\\fi-360\\li" + std::to_string(360 * (level + 1)) + "}";
        }
        out += "\\listid" + id + "}";
    }
    out += "}{\\*\\listoverridetable";
    for (std::size_t g = 0; g < groups_.size(); ++g) {
        const std::string id = std::to_string(g + 1);
        out += "{\\listoverride\\listid" + id + "\\listoverridecount0\\ls" + id + "}";
    }
    out += "}";
    return out;
}

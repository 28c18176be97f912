#pragma once
// The lists of a document as Word's RTF list tables (\listtable, \listoverridetable), which
// Word and LibreOffice read with their numbering kinds, labels and levels. Each list
// paragraph is given its \ls number, its level and its label. Internal to the RTF writer.

#include <QString>
#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "rtf/ListNumbering.h"

class QTextBlock;
class QTextList;

class RtfListWriter {
public:
    struct Item {
        int ls = 0;     // \ls number (from 1)
        int level = 0;  // \ilvl
        QString label;  // the item's label as the list draws it ("3.", "ウ.", "•")
    };

    // The list paragraph block (its textList() is not null), in document order.
    Item Add(const QTextBlock& block);

    bool Empty() const { return groups_.empty(); }

    // The two tables, "{\*\listtable…}{\*\listoverridetable…}" on one line; empty
    // without lists.
    std::string Tables() const;

private:
    // The lists that are written as one RTF list: its levels' numbering and the current
    // number of each level.
    struct Group {
        std::array<std::optional<ListNumbering>, 9> levels;
        std::array<int, 9> counters{};
    };
    int GroupOf(const QTextList* list, const ListNumbering& numbering, int level);

    std::vector<Group> groups_;
    std::map<const QTextList*, int> groupOfList_;
    std::map<int, int> groupOfProperty_;  // TextProperties::ListGroupProperty to group
};

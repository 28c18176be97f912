#pragma once
// The search and replacement histories of the find dialog: newest first, without repeats.
// The search history grows while the program runs; only its first entries are stored.

#include <QStringList>

class TFindHistory {
public:
    static constexpr int kStored = 20;
    // Puts text at the top when it is not in the list yet; true when it was added. An empty
    // text is not kept.
    static bool Add(QStringList& list, const QString& text);
    // What is stored at exit: the first kStored entries.
    static QStringList Stored(const QStringList& list) { return list.mid(0, kStored); }
};

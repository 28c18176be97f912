#pragma once
// Word's list tables as the RTF reader finds them: \listtable (each list's levels with their
// numbering kind \levelnfc, label \leveltext and first number \levelstartat) and
// \listoverridetable (which list a paragraph's \ls number stands for). Internal to the reader.

#include <QString>
#include <map>
#include <vector>

#include "rtf/ListNumbering.h"

class RtfListTable {
public:
    // Words of \listtable, in the order they come.
    void BeginList();
    void SetListId(long id);
    void BeginLevel();
    void SetLevelKind(int nfc);
    void SetLevelStart(int start);
    // The \leveltext as read: its first character is the length, then the label, where the
    // characters 0 … 8 stand for the numbers of levels 1 … 9.
    void SetLevelText(const QString& raw);
    // The font of the level's label, by name (a bullet in Symbol or Wingdings is mapped to
    // the Unicode character it shows).
    void SetLevelFont(const QString& name);

    // Words of \listoverridetable.
    void BeginOverride();
    void SetOverrideListId(long id);
    void SetOverrideNumber(int ls);

    // The numbering of level ilvl of the list that \ls ls stands for; nullptr when the
    // tables do not say (the paragraph is then a bulleted one).
    const ListNumbering* Find(int ls, int ilvl) const;

private:
    struct Level {
        ListNumbering numbering;
        QString rawText;
        bool haveText = false;
        bool finished = false;
        QString font;
    };
    struct List {
        long id = 0;
        std::vector<Level> levels;
    };
    void FinishLevel();
    Level* CurrentLevel();

    std::vector<List> lists_;
    std::map<int, long> overrides_;
    long overrideId_ = 0;
};

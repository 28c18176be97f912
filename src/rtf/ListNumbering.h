#pragma once
// The numbering of one list level: its kind as RTF numbers it (\levelnfc), its label template
// and its first number. Converts to and from a QTextListFormat (Qt's list style, prefix and
// suffix for drawing, plus the properties of TextProperties for what Qt lacks) and gives the
// label text of an item.

#include <QString>
#include <vector>

class QTextListFormat;

struct ListNumbering {
    // RTF numbering kinds used by name in this program.
    enum Nfc {
        Decimal = 0,
        UpperRoman = 1,
        LowerRoman = 2,
        UpperLetter = 3,
        LowerLetter = 4,
        HalfKatakanaAiueo = 12,
        HalfKatakanaIroha = 13,
        Circled = 18,
        KatakanaAiueo = 20,
        KatakanaIroha = 21,
        DecimalZero = 22,
        Bullet = 23,
        NoLabel = 255,
    };

    int nfc = Decimal;
    // "%1" … "%9" for the numbers of levels 1 … 9, "%%" for "%"; a bullet's character(s).
    QString levelText = QStringLiteral("%1.");
    int start = 1;

    bool operator==(const ListNumbering& o) const {
        return nfc == o.nfc && levelText == o.levelText && start == o.start;
    }
    bool operator!=(const ListNumbering& o) const { return !(*this == o); }

    bool IsBullet() const { return nfc == Bullet; }

    // The default template of a level (0-based): "%N." for numbers, "•" for bullets.
    static QString DefaultText(int nfc, int level);

    // Sets style, indent (level + 1), prefix/suffix and the list properties on format.
    void ApplyTo(QTextListFormat& format, int level) const;
    // The numbering a list format describes: its properties where they agree with its Qt
    // style, else what the Qt style, prefix and suffix say.
    static ListNumbering FromFormat(const QTextListFormat& format);

    // One number written in a kind (n from 1): "3", "c", "iii", "ウ", "③" …
    static QString Number(int nfc, int n);
    // The label of an item: numbers[k] is the current number at level k, kinds[k] that
    // level's kind (a level without a kind counts in decimal).
    QString Label(const std::vector<int>& numbers, const std::vector<int>& kinds) const;
};

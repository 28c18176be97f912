#pragma once
// Character and paragraph attributes of a TRichEditEx selection, with the flags that tell which
// attributes are uniform over the selection.

#include <QColor>
#include <QString>
#include <QTextFormat>

#include "core/ColorValue.h"

// Character set numbers as documents keep them: 128 is Shift-JIS, 1 the default set.
constexpr int kShiftJisCharset = 128;
constexpr int kDefaultCharset = 1;
// QTextCharFormat properties that carry what QTextCharFormat has no field for.
constexpr int kCharsetProperty = QTextFormat::UserProperty + 1;
constexpr int kOffsetTwipsProperty = QTextFormat::UserProperty + 2;

struct TCharAttributes {
    enum Field : unsigned {
        Name = 1u << 0,
        Charset = 1u << 1,
        Size = 1u << 2,
        Color = 1u << 3,
        Bold = 1u << 4,
        Italic = 1u << 5,
        Underline = 1u << 6,
        StrikeOut = 1u << 7,
        Offset = 1u << 8,
        All = (1u << 9) - 1,
    };
    QString name;
    int charset = kDefaultCharset;
    double size = 0;  // points
    TColor color = clBlack;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int offsetTwips = 0;  // vertical offset of the baseline, 1/20 point, up positive
    // Fields that have one value over the whole selection (read), or that a set applies.
    unsigned uniform = All;
};

struct TParaAttributes {
    enum Field : unsigned {
        Alignment = 1u << 0,
        Bullet = 1u << 1,
        FirstIndent = 1u << 2,
        LeftIndent = 1u << 3,
        RightIndent = 1u << 4,
        All = (1u << 5) - 1,
    };
    enum Align { Left = 0, Right = 1, Center = 2 };
    Align alignment = Left;
    bool bullet = false;
    // Points. The first line starts at firstIndent; the other lines at firstIndent + leftIndent.
    double firstIndent = 0;
    double leftIndent = 0;
    double rightIndent = 0;
};

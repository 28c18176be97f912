#pragma once
// The rules behind the font and format bars, free of any window: reading the size box, the
// state of a style button, the baseline offset in points and twips, the keys of the baseline
// track bar, and the runs of one-byte and two-byte characters a Western font is applied to.

#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

#include "controls/TextAttributes.h"

class TFormatRules {
public:
    // ----- size box ------------------------------------------------------------------------------
    // The size box's text as a decimal integer: an optional sign and digits, blanks around
    // allowed; nullopt for anything else (empty text, "12a", "1.5", a number beyond int).
    static std::optional<int> ParseSize(const QString& text);
    // The size box's text for a size in points (rounded to the nearest point).
    static QString SizeText(double points);

    // ----- style buttons -------------------------------------------------------------------------
    // Style numbers: bold 0, italic 1, underline 2, strike-out 3.
    enum class ButtonState { Up, Down, Indeterminate };
    // The attribute field of a style number.
    static unsigned StyleField(int style);
    // A button shows the indeterminate state when its style is not the same over the whole
    // selection, else it is down exactly when the selection has the style.
    static ButtonState StyleState(const TCharAttributes& selection, int style);
    // The whole style set to write: the selection's four styles as read (mixed ones as the
    // selection reports them), with the pressed style on when its button is down, else off.
    static TCharAttributes ToggledStyles(const TCharAttributes& selection, int style, bool down);
    static constexpr unsigned kStyleMask = TCharAttributes::Bold | TCharAttributes::Italic |
                                           TCharAttributes::Underline | TCharAttributes::StrikeOut;

    // ----- baseline offset -----------------------------------------------------------------------
    // The track bar counts points from -50 to 50; the document keeps twips (1/20 point).
    static constexpr int kBaselineMin = -50;
    static constexpr int kBaselineMax = 50;
    static int TwipsFromPoints(int points) { return points * 20; }
    // Whole points of an offset, truncated toward zero and kept inside the track bar's range.
    static int PointsFromTwips(int twips);

    // What a key does on the baseline track bar: up means higher (Up and Page Up raise, Down
    // and Page Down lower), Left and Right move as on any horizontal bar, the numeric-keypad 0
    // resets the offset, every other key sends the user back to the text. A modifier key alone
    // does nothing (None).
    enum class BaselineKey { None, StepUp, StepDown, PageUp, PageDown, Left, Right, Reset, ToView };
    static BaselineKey BaselineKeyAction(int qtKey, bool keypad);

    // ----- run-wise font application -------------------------------------------------------------
    // A stretch of text in Shift-JIS byte positions that is all one-byte or all two-byte.
    struct SjisRun {
        int start;   // bytes from the start of the text
        int length;  // bytes
        bool doubleByte;
        bool operator==(const SjisRun& o) const {
            return start == o.start && length == o.length && doubleByte == o.doubleByte;
        }
    };
    // Cuts text (paragraph ends written as "\r\n", one-byte each) into maximal runs of one-byte
    // and of two-byte characters; the runs cover the whole text, the last one included.
    static std::vector<SjisRun> SjisRuns(QStringView text);
};

#pragma once
// The rules behind the selection conversions and the character count of the main window, free
// of any window: which conversion a command carries out, the conversion of Unicode text through
// its Shift-JIS bytes, when the format question is asked, and the count and its messages.

#include <QString>
#include <optional>

#include "controls/TextAttributes.h"

class TConvertRules {
public:
    enum class Conversion { ToHankaku, ToZenkaku, KanaToZen, ToUpper, ToLower, LineEnds };

    // The conversion of a command name ("ToHankakuM" … "ToLowerM", "CRLFM"), or nullopt.
    static std::optional<Conversion> FromCommand(const QString& name);

    // Converts text through its Shift-JIS bytes. Characters code page 932 cannot hold are never
    // replaced: they split the text into stretches that are converted one by one and stay
    // between them as they were.
    static QString Convert(Conversion c, const QString& text);

    // The attributes that must be alike over the selection for a conversion to go ahead
    // without asking: bold, colour, font name, italic, size, strike-out and underline.
    static constexpr unsigned kQuestionMask = TCharAttributes::Bold | TCharAttributes::Color |
                                              TCharAttributes::Name | TCharAttributes::Italic |
                                              TCharAttributes::Size | TCharAttributes::StrikeOut |
                                              TCharAttributes::Underline;
    static bool AsksFormatQuestion(const TCharAttributes& selection) {
        return (selection.uniform & kQuestionMask) != kQuestionMask;
    }
    static QString FormatQuestion();

    // The characters of a selected text without its line ends (CR and LF): a two-byte
    // Shift-JIS character counts one, every other character one.
    static int Count(const QString& selText);
    // The count's message for a selected text: the number of characters, or the request to
    // select some when there are none.
    static QString CountMessage(const QString& selText);
};

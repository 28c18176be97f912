#pragma once
// The text of an RTF field instruction ({\*\fldinst …}, after the RTF escapes are undone), read
// as Word's field code. Ruby (furigana) is the field code Word and LibreOffice write for it:
//   EQ \o(\s\up 9(かん),漢)
//   EQ \* jc2 \* "Font:ＭＳ 明朝" \* hps10 \o\ad(\s\up 9(かん),漢)
// — the \o (overstrike) of a raised \s (the reading) and the base. Inside the arguments "\,",
// "\(", "\)" and "\\" stand for the character itself; balanced parentheses are text.
// Pure functions on UTF-16 text; a surrogate pair is two units and passes through as text.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class FieldInstruction {
public:
    struct Ruby {
        // The field's options in one line: what comes before \o, then "\o" with its
        // switches, then "\s" with its switches, e.g.
        //   \* jc2 \* "Font:ＭＳ 明朝" \* hps10 \o\ad \s\up 9
        // so that Build() writes the same field again.
        std::u16string options;
        std::u16string reading;
        std::u16string base;
        // For each unit of base, its index in the instruction (the reader takes each base
        // character's format from where the character stood).
        std::vector<std::size_t> baseAt;
    };

    // The ruby of an EQ instruction; nothing when the instruction is not a ruby field (another
    // field, another EQ form, unbalanced parentheses, an empty base).
    static std::optional<Ruby> ParseRuby(std::u16string_view instruction);

    // The instruction of a ruby field with these options (as ParseRuby gives them):
    //   EQ <before \o> \o<switches>(\s<switches>(reading),base)
    // An alignment "\* jcN" matching \o's switch is added when the options have none (Word
    // centres by default; LibreOffice reads the field as ruby only with it). Empty or broken
    // options give a centred reading of half the base's size (baseHalfPoints), raised by
    // one half-point less. "\\" and "," in the texts are escaped, parentheses only when they
    // do not pair up (LibreOffice knows no escapes but reads balanced parentheses as text).
    static std::u16string BuildRuby(std::u16string_view options, std::u16string_view reading,
                                    std::u16string_view base, int baseHalfPoints);
    // The same instruction in pieces, for a base written in parts of different formats: the
    // head up to the base, each part of the base (escaped), the closing parenthesis.
    static std::vector<std::u16string> BuildRubyParts(
        std::u16string_view options, std::u16string_view reading,
        const std::vector<std::u16string_view>& baseParts, int baseHalfPoints);

    // What a field shows when its result is empty: for EQ the text of its arguments (the
    // base of a ruby field), for any other field the quoted texts that are not the values of
    // switches (HYPERLINK "https://…" gives the address). Empty when there is none.
    static std::u16string VisibleText(std::u16string_view instruction);

    // The field's kind: the instruction's first word in upper case ("EQ", "HYPERLINK" …).
    static std::u16string Keyword(std::u16string_view instruction);
};

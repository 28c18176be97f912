#pragma once
// Fields of RTF bytes turned into their text before the HTML converter sees them (the converter
// skips every {\*\fldinst …} and reads only a field's result):
//  - a ruby field (EQ \o(\s\up N(reading),base), FieldInstruction::ParseRuby) becomes its base,
//    so the page shows the words and not the reading; LibreOffice leaves its result empty;
//  - a field whose result is empty or missing becomes the instruction's visible text
//    (FieldInstruction::VisibleText: a hyperlink's address, a prompt …);
//  - any other field is left as it is.
// The text is written back as RTF in the field's place: Shift-JIS bytes as \'hh, characters
// that code page 932 lacks as \uN with the fallback the document's \uc asks for. A field's
// own character formats inside the instruction are not kept: the base takes the format in
// force where the field stands.

#include <string>
#include <string_view>

class RtfFieldFlattener {
public:
    // The RTF with its fields replaced; false (out untouched) when there is nothing to replace.
    static bool Flatten(std::string_view rtf, std::string& out);

    // The text of a piece of RTF (the inside of a group): \'hh and raw bytes in code page 932,
    // \uN (uc fallback characters skipped, as \ucN in force says), escaped \ { }; control
    // words and {\* …} groups left out.
    static std::u16string TextOf(std::string_view rtf, long uc = 1);
};

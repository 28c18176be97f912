#pragma once
// Fields for the RTF reader ({\field{\*\fldinst …}{\fldrslt …}}; internal to the reader).
// The parser hands over each field's instruction text with the character format it was
// written in and says where the groups begin and end; this class decides what the document
// gets:
//  - a ruby field (EQ \o(\s\up N(reading),base)) gives its base, each character in the format
//    it has in the instruction, carrying the reading, a ruby group number and the field's
//    options; the field's result (a rendering of the same base) is not read;
//  - any other field gives its result; when the result is empty (or missing), the text the
//    instruction shows (FieldInstruction::VisibleText), so that no words are lost.

#include <QString>
#include <cstddef>
#include <utility>
#include <vector>

#include "rtf/RtfReaderState.h"

class RtfDocumentBuilder;

class RtfFieldReader {
public:
    explicit RtfFieldReader(RtfDocumentBuilder& builder) : builder_(builder) {}

    // \field in the group at stack depth `depth`.
    void BeginField(std::size_t depth);
    // \fldinst in the group at `depth`: true when a field is open, so that the group's text
    // is that field's instruction (false: a stray instruction, to be skipped).
    bool BeginInstruction(std::size_t depth);
    void AppendInstruction(const QString& text, const RtfCharState& state);
    // \fldrslt in the group at `depth`: true when its text is to be read as document text;
    // false for a ruby field, whose base has just been appended in the result's place.
    bool BeginResult(std::size_t depth, const RtfCharState& state);
    // The group at `depth` is closing: the fields it holds end.
    void GroupClosing(std::size_t depth, const RtfCharState& state);
    // The RTF ended with fields open.
    void CloseAll(const RtfCharState& state);

private:
    struct Field {
        std::size_t depth = 0;
        QString instruction;
        // The format of the instruction's text from each index on (one entry per piece of text,
        // up to a limit; the last one then covers the rest).
        std::vector<std::pair<qsizetype, RtfCharState>> formats;
        bool resultStarted = false;
        qsizetype resultStart = 0;
        bool done = false;  // the field's text is in the document
    };

    const RtfCharState& FormatAt(const Field& f, qsizetype index, const RtfCharState& fallback);
    // Appends the base of a ruby field; false when the instruction is not ruby.
    bool AppendRuby(Field& f);
    void End(Field& f, const RtfCharState& state);

    RtfDocumentBuilder& builder_;
    std::vector<Field> open_;
    int nextGroup_ = 0;
};

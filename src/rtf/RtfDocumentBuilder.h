#pragma once
// Puts the text and formats the RTF reader finds into a QTextDocument through a cursor:
// runs of equal format are inserted at once, paragraph formats and list membership are set
// when a paragraph ends. Internal to the RTF reader.

#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>
#include <map>

#include "rtf/ListNumbering.h"
#include "rtf/RtfReaderState.h"

class QTextList;

class RtfDocumentBuilder {
public:
    RtfDocumentBuilder(QTextCursor& cursor, const RtfTables& tables, bool wholeDocument);

    void AppendChar(char16_t ch, const RtfCharState& state);
    void AppendText(const QString& text, const RtfCharState& state);
    // \par: the paragraph being filled gets para's format; the next text starts a new one.
    void EndParagraph(const RtfParaState& para, const RtfCharState& state);
    // End of the RTF: a final paragraph mark adds no empty paragraph.
    void Finish(const RtfParaState& para, const RtfCharState& state);
    // True when no character has come since the last paragraph end (or the start).
    bool AtParagraphStart() const { return !textInParagraph_; }

    // Ruby: the characters appended between SetRuby and ClearRuby carry the reading, the
    // group number and the field's options (TextProperties).
    void SetRuby(const QString& reading, int group, const QString& options);
    void ClearRuby();
    // A ruby group number above those of the characters around the insertion point, so that
    // the ruby words read do not join the document's neighbouring ones.
    int RubyGroupAboveNeighbours() const;
    // Grows with every character appended (the field reader sees whether a result was empty).
    qsizetype Position() const;

private:
    struct RunKey {
        int font = -1;
        int halfPoints = 24;
        int colour = 0;
        bool bold = false, italic = false, underline = false, strike = false;
        int vertAlign = 0;
        int upDown = 0;
        bool hidden = false;
        bool operator==(const RunKey& o) const {
            return font == o.font && halfPoints == o.halfPoints && colour == o.colour &&
                   bold == o.bold && italic == o.italic && underline == o.underline &&
                   strike == o.strike && vertAlign == o.vertAlign && upDown == o.upDown &&
                   hidden == o.hidden;
        }
        bool operator!=(const RunKey& o) const { return !(*this == o); }
    };

    // The run format of state; eastAsian: of a two-byte character, which takes the values
    // given after \dbch (\af, \afs, \ab, \ai) where there are any.
    RunKey KeyOf(const RtfCharState& s, bool eastAsian) const;
    QTextCharFormat FormatOf(const RunKey& key) const;
    void Append(char16_t ch, const RtfCharState& state);
    void FlushRun();
    void AddRuby(QTextCharFormat& format) const;
    void EnsureBlock();
    void ApplyParagraph(const RtfParaState& para, const RtfCharState& state);

    QTextCursor& cursor_;
    const RtfTables& tables_;
    struct Ruby {
        QString reading, options;
        int group = 0;
    } ruby_;
    bool pendingBreak_ = false;
    bool textInParagraph_ = false;
    bool blockOurs_ = false;
    QString runText_;
    RunKey runKey_;
    bool haveRun_ = false;
    QTextList* list_ = nullptr;  // the WordPad list being filled
    ListNumbering listNumbering_;
    int listLevel_ = 0;
    std::map<std::pair<int, int>, QTextList*> wordLists_;  // by \ls and level
};

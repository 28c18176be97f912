#include "controls/TextRunRules.h"

#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>

#include "rtf/TextProperties.h"

namespace {

// The fragment of a paragraph that holds the character at a document position.
QTextFragment FragmentAt(const QTextBlock& block, int position) {
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        if (f.isValid() && f.contains(position)) return f;
    }
    return QTextFragment();
}

int BlockEnd(const QTextBlock& block) {
    return block.position() + block.length() - 1;
}

// Start of the hidden stretch that ends at a position (the position itself when the character
// before it is visible or it starts its paragraph).
int HiddenStretchStart(const QTextBlock& block, int position) {
    while (position > block.position()) {
        const QTextFragment f = FragmentAt(block, position - 1);
        if (!f.isValid() || !TextRunRules::IsHidden(f.charFormat())) break;
        position = f.position();
    }
    return position;
}

// End of the hidden stretch that begins at a position.
int HiddenStretchEnd(const QTextBlock& block, int position) {
    const int end = BlockEnd(block);
    while (position < end) {
        const QTextFragment f = FragmentAt(block, position);
        if (!f.isValid() || !TextRunRules::IsHidden(f.charFormat())) break;
        position = f.position() + f.length();
    }
    return std::min(position, end);
}

int AfterCharacter(const QTextDocument* doc, int position) {
    QTextCursor c(const_cast<QTextDocument*>(doc));
    c.setPosition(position);
    c.movePosition(QTextCursor::NextCharacter);
    return c.position();
}

}  // namespace

namespace TextRunRules {

bool IsHidden(const QTextCharFormat& format) {
    return format.boolProperty(TextProperties::HiddenProperty);
}

QString RubyReading(const QTextCharFormat& format) {
    return format.stringProperty(TextProperties::RubyTextProperty);
}

bool SameRubyWord(const QTextCharFormat& a, const QTextCharFormat& b) {
    const QString reading = RubyReading(a);
    return !reading.isEmpty() && reading == RubyReading(b) &&
           a.intProperty(TextProperties::RubyGroupProperty) ==
               b.intProperty(TextProperties::RubyGroupProperty);
}

bool IsHiddenAt(const QTextDocument* doc, int position) {
    if (!doc || position < 0) return false;
    const QTextBlock b = doc->findBlock(position);
    if (!b.isValid() || position >= BlockEnd(b)) return false;
    const QTextFragment f = FragmentAt(b, position);
    return f.isValid() && IsHidden(f.charFormat());
}

bool IsCaretStop(const QTextDocument* doc, int position) {
    if (!doc) return true;
    const QTextBlock b = doc->findBlock(position);
    return !b.isValid() || HiddenStretchStart(b, position) == position;
}

int CaretStop(const QTextDocument* doc, int position, int from) {
    if (!doc) return position;
    position = std::clamp(position, 0, std::max(0, doc->characterCount() - 1));
    const QTextBlock b = doc->findBlock(position);
    if (!b.isValid()) return position;
    const int back = HiddenStretchStart(b, position);
    if (back == position || from != back || position < from) return back;
    // Forward from the stop before the stretch: past it and the next visible character, or on
    // to the next paragraph when the stretch ends this one.
    const int end = HiddenStretchEnd(b, back);
    if (end < BlockEnd(b)) return AfterCharacter(doc, end);
    return b.next().isValid() ? BlockEnd(b) + 1 : back;
}

std::pair<int, int> DeleteForwardRange(const QTextDocument* doc, int position) {
    if (!doc) return {position, position};
    const QTextBlock b = doc->findBlock(position);
    if (!b.isValid()) return {position, position};
    const int end = HiddenStretchEnd(b, position);
    if (end < BlockEnd(b)) return {end, AfterCharacter(doc, end)};
    if (b.next().isValid()) return {BlockEnd(b), BlockEnd(b) + 1};
    return {position, position};
}

void DeleteForward(QTextCursor& cursor) {
    if (cursor.hasSelection()) {
        cursor.removeSelectedText();
        return;
    }
    const auto range = DeleteForwardRange(cursor.document(), cursor.position());
    if (range.first >= range.second) return;
    QTextCursor c(cursor);
    c.setPosition(range.first);
    c.setPosition(range.second, QTextCursor::KeepAnchor);
    c.removeSelectedText();
}

QTextCharFormat TypingFormat(const QTextCursor& cursor, bool* changed) {
    QTextCharFormat f = cursor.charFormat();
    bool ch = false;
    if (!cursor.hasSelection() && cursor.document()) {
        if (IsHidden(f)) {
            f.clearProperty(TextProperties::HiddenProperty);
            ch = true;
        }
        if (!RubyReading(f).isEmpty()) {
            const QTextBlock b = cursor.block();
            const int pos = cursor.position();
            bool inside = false;
            if (pos > b.position() && pos < BlockEnd(b)) {
                const QTextFragment before = FragmentAt(b, pos - 1);
                const QTextFragment after = FragmentAt(b, pos);
                inside = before.isValid() && after.isValid() &&
                         SameRubyWord(before.charFormat(), after.charFormat());
            }
            if (!inside) {
                f.clearProperty(TextProperties::RubyTextProperty);
                f.clearProperty(TextProperties::RubyGroupProperty);
                f.clearProperty(TextProperties::RubyOptionsProperty);
                ch = true;
            }
        }
    }
    if (changed) *changed = ch;
    return f;
}

void PrepareTyping(QTextCursor& cursor) {
    if (cursor.hasSelection()) return;
    bool changed = false;
    const QTextCharFormat f = TypingFormat(cursor, &changed);
    if (changed) cursor.setCharFormat(f);
}

}  // namespace TextRunRules

#include "rtf/RtfDocumentBuilder.h"

#include <QBrush>
#include <QFont>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextList>
#include <QTextListFormat>

#include "rtf/CodePageDecoder.h"
#include "rtf/TextProperties.h"

namespace {

// Characters drawn with the two-byte (\dbch) font: CJK, kana, Hangul, full-width forms and
// everything outside the Basic Multilingual Plane.
bool IsEastAsian(char16_t c) {
    return (c >= 0x1100 && c <= 0x11FF) || (c >= 0x2E80 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7AF) || (c >= 0xD800 && c <= 0xDFFF) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
           (c >= 0xFF00 && c <= 0xFFEF);
}

}  // namespace

int RtfTables::CodePageOfFont(int number) const {
    auto it = fonts.find(number);
    if (it != fonts.end()) {
        if (it->second.codePage > 0) return it->second.codePage;
        if (it->second.charset >= 0) {
            // ANSI is 1252; DEFAULT, SYMBOL, OEM and unknown sets follow the document.
            const int cp = CodePageDecoder::CodePageOfCharset(it->second.charset);
            if (cp > 0) return cp;
        }
    }
    return documentCodePage;
}

bool RtfTables::ListOf(const RtfParaState& para, ListNumbering& numbering) const {
    if (para.ls > 0) {
        if (const ListNumbering* n = lists.Find(para.ls, para.ilvl)) {
            numbering = *n;
        } else {  // a list the tables do not describe: a bulleted one
            numbering = ListNumbering{ListNumbering::Bullet, QStringLiteral("•"), 1};
        }
        return true;
    }
    if (para.pn == 1) {
        numbering = ListNumbering{ListNumbering::Bullet, QStringLiteral("•"), 1};
        return true;
    }
    if (para.pn == 2) {
        numbering = ListNumbering{ListNumbering::Decimal, QStringLiteral("%1."), 1};
        return true;
    }
    return false;
}

RtfDocumentBuilder::RtfDocumentBuilder(QTextCursor& cursor, const RtfTables& tables,
                                       bool wholeDocument)
    : cursor_(cursor), tables_(tables), blockOurs_(wholeDocument) {}

RtfDocumentBuilder::RunKey RtfDocumentBuilder::KeyOf(const RtfCharState& s, bool eastAsian) const {
    RunKey k;
    int font = s.font;
    k.halfPoints = s.halfPoints;
    k.bold = s.bold;
    k.italic = s.italic;
    if (eastAsian) {
        if (s.dbchFont >= 0) font = s.dbchFont;
        if (s.dbchHalfPoints > 0) k.halfPoints = s.dbchHalfPoints;
        if (s.dbchBold >= 0) k.bold = s.dbchBold != 0;
        if (s.dbchItalic >= 0) k.italic = s.dbchItalic != 0;
    }
    k.font = font < 0 ? tables_.defaultFont : font;
    k.colour = s.colour;
    k.underline = s.underline;
    k.strike = s.strike;
    k.vertAlign = s.vertAlign;
    k.upDown = s.upDown;
    k.hidden = s.hidden;
    return k;
}

QTextCharFormat RtfDocumentBuilder::FormatOf(const RunKey& k) const {
    QTextCharFormat f;
    auto it = tables_.fonts.find(k.font);
    if (it != tables_.fonts.end()) {
        if (!it->second.name.isEmpty()) f.setFontFamilies(QStringList{it->second.name});
        if (it->second.charset >= 0)
            f.setProperty(TextProperties::CharsetProperty, it->second.charset);
    }
    if (k.halfPoints > 0) f.setFontPointSize(k.halfPoints / 2.0);
    if (k.colour > 0 && std::size_t(k.colour) < tables_.colours.size() &&
        tables_.colours[std::size_t(k.colour)].isValid()) {
        f.setForeground(QBrush(tables_.colours[std::size_t(k.colour)]));
    } else if (k.colour == 0 && !tables_.colours.empty() && tables_.colours[0].isValid()) {
        f.setForeground(QBrush(tables_.colours[0]));
    }
    if (k.bold) f.setFontWeight(QFont::Bold);
    if (k.italic) f.setFontItalic(true);
    if (k.underline) f.setFontUnderline(true);
    if (k.strike) f.setFontStrikeOut(true);
    if (k.vertAlign == 1) f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    if (k.vertAlign == 2) f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (k.upDown != 0) {
        f.setProperty(TextProperties::VerticalOffsetProperty, k.upDown * 10);
        if (k.halfPoints > 0) f.setBaselineOffset(100.0 * k.upDown / k.halfPoints);
    }
    if (k.hidden) f.setProperty(TextProperties::HiddenProperty, true);
    return f;
}

void RtfDocumentBuilder::EnsureBlock() {
    if (!pendingBreak_) return;
    cursor_.insertBlock(QTextBlockFormat(), QTextCharFormat());
    pendingBreak_ = false;
    blockOurs_ = true;
}

void RtfDocumentBuilder::Append(char16_t ch, const RtfCharState& s) {
    const RunKey key = KeyOf(s, IsEastAsian(ch));
    if (!haveRun_ || key != runKey_) {
        FlushRun();
        runKey_ = key;
        haveRun_ = true;
    }
    runText_.append(QChar(ch));
}

void RtfDocumentBuilder::AppendChar(char16_t ch, const RtfCharState& state) {
    EnsureBlock();
    textInParagraph_ = true;
    Append(ch, state);
}

void RtfDocumentBuilder::AppendText(const QString& text, const RtfCharState& state) {
    if (text.isEmpty()) return;
    EnsureBlock();
    textInParagraph_ = true;
    const bool sameForEastAsian = (state.dbchFont < 0 || state.dbchFont == state.font) &&
                                  state.dbchHalfPoints < 0 && state.dbchBold < 0 &&
                                  state.dbchItalic < 0;
    if (sameForEastAsian) {
        const RunKey key = KeyOf(state, false);
        if (!haveRun_ || key != runKey_) {
            FlushRun();
            runKey_ = key;
            haveRun_ = true;
        }
        runText_.append(text);
        return;
    }
    for (QChar c : text) Append(c.unicode(), state);
}

void RtfDocumentBuilder::FlushRun() {
    if (runText_.isEmpty()) return;
    QTextCharFormat format = FormatOf(runKey_);
    if (!ruby_.reading.isEmpty()) AddRuby(format);
    cursor_.insertText(runText_, format);
    runText_.clear();
}

void RtfDocumentBuilder::ApplyParagraph(const RtfParaState& para, const RtfCharState& state) {
    QTextBlockFormat bf;
    switch (para.align) {
        case 1:
            bf.setAlignment(Qt::AlignHCenter);
            break;
        case 2:
            bf.setAlignment(Qt::AlignRight);
            break;
        case 3:
            bf.setAlignment(Qt::AlignJustify);
            break;
        default:
            bf.setAlignment(Qt::AlignLeft);
            break;
    }
    if (para.firstIndent != 0) bf.setTextIndent(para.firstIndent / 20.0);
    if (para.leftIndent != 0) bf.setLeftMargin(para.leftIndent / 20.0);
    if (para.rightIndent != 0) bf.setRightMargin(para.rightIndent / 20.0);
    cursor_.setBlockFormat(bf);
    if (cursor_.block().length() <= 1) cursor_.setBlockCharFormat(FormatOf(KeyOf(state, false)));

    ListNumbering numbering;
    if (!tables_.ListOf(para, numbering)) {
        list_ = nullptr;
        return;
    }
    if (para.ls > 0) {
        // One list per \ls and level: its items count on over deeper items and paragraphs
        // outside the list; a deeper level starts again after each item above it.
        const auto key = std::make_pair(para.ls, para.ilvl);
        for (auto it = wordLists_.lower_bound(std::make_pair(para.ls, para.ilvl + 1));
             it != wordLists_.end() && it->first.first == para.ls;)
            it = wordLists_.erase(it);
        auto found = wordLists_.find(key);
        if (found != wordLists_.end()) {
            found->second->add(cursor_.block());
            list_ = nullptr;
            return;
        }
        QTextListFormat lf;
        numbering.ApplyTo(lf, para.ilvl);
        lf.setProperty(TextProperties::ListGroupProperty, para.ls);
        wordLists_[key] = cursor_.createList(lf);
        list_ = nullptr;
        return;
    }
    // WordPad's lists: one list over consecutive paragraphs of the same kind and level.
    if (list_ && listNumbering_ == numbering && listLevel_ == para.ilvl) {
        list_->add(cursor_.block());
        return;
    }
    QTextListFormat lf;
    numbering.ApplyTo(lf, para.ilvl);
    list_ = cursor_.createList(lf);
    listNumbering_ = numbering;
    listLevel_ = para.ilvl;
}

void RtfDocumentBuilder::EndParagraph(const RtfParaState& para, const RtfCharState& state) {
    EnsureBlock();
    FlushRun();
    ApplyParagraph(para, state);
    pendingBreak_ = true;
    textInParagraph_ = false;
}

void RtfDocumentBuilder::Finish(const RtfParaState& para, const RtfCharState& state) {
    FlushRun();
    if (!pendingBreak_ && blockOurs_) ApplyParagraph(para, state);
}

void RtfDocumentBuilder::SetRuby(const QString& reading, int group, const QString& options) {
    FlushRun();
    ruby_ = Ruby{reading, options, group};
}

void RtfDocumentBuilder::ClearRuby() {
    FlushRun();
    ruby_ = Ruby{};
}

void RtfDocumentBuilder::AddRuby(QTextCharFormat& format) const {
    format.setProperty(TextProperties::RubyTextProperty, ruby_.reading);
    format.setProperty(TextProperties::RubyGroupProperty, ruby_.group);
    if (!ruby_.options.isEmpty())
        format.setProperty(TextProperties::RubyOptionsProperty, ruby_.options);
}

int RtfDocumentBuilder::RubyGroupAboveNeighbours() const {
    QTextCursor after(cursor_);
    after.movePosition(QTextCursor::NextCharacter);
    const int before = cursor_.charFormat().intProperty(TextProperties::RubyGroupProperty);
    const int next = after.position() != cursor_.position()
                         ? after.charFormat().intProperty(TextProperties::RubyGroupProperty)
                         : 0;
    return std::max(before, next) + 1;
}

qsizetype RtfDocumentBuilder::Position() const {
    return cursor_.position() + runText_.size() + (pendingBreak_ ? 1 : 0);
}

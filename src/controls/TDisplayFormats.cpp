#include "controls/TDisplayFormats.h"

#include <QFontMetricsF>
#include <QTextDocument>
#include <cmath>

#include "controls/THorizontalRuby.h"
#include "controls/TextRunRules.h"

namespace {
// Marks a paragraph whose layout carries display formats (so that paragraphs without any are
// passed over without making a layout for them).
constexpr int kMarked = 0x52554259;
// The base is laid out this much larger and drawn as a superscript, which Qt draws at 2/3.
constexpr qreal kRoomScale = 1.5;
}  // namespace

TDisplayFormats* TDisplayFormats::For(QTextDocument* document) {
    if (!document) return nullptr;
    if (auto* f = document->findChild<TDisplayFormats*>(QString(), Qt::FindDirectChildrenOnly))
        return f;
    return new TDisplayFormats(document);
}

TDisplayFormats::TDisplayFormats(QTextDocument* document) : QObject(document), m_doc(document) {
    connect(m_doc, &QTextDocument::contentsChange, this, &TDisplayFormats::OnContentsChange);
    RefreshAll();
}

QTextCharFormat TDisplayFormats::HiddenFormat() {
    QTextCharFormat f;
    // Percentage spacing scales each advance: 1/64 % (the finest step) is as good as none.
    f.setFontLetterSpacingType(QFont::PercentageSpacing);
    f.setFontLetterSpacing(1.0 / 64);
    f.setForeground(Qt::transparent);
    f.setUnderlineStyle(QTextCharFormat::NoUnderline);
    f.setFontStrikeOut(false);
    f.setFontOverline(false);
    return f;
}

QTextCharFormat TDisplayFormats::RoomFormat(const QTextCharFormat& stored,
                                            const QFont& defaultFont) {
    QTextCharFormat f;
    if (stored.verticalAlignment() != QTextCharFormat::AlignNormal ||
        !qFuzzyIsNull(stored.baselineOffset()))
        return f;
    // The size in the same unit the stored format (or the document's font) gives it.
    if (stored.hasProperty(QTextFormat::FontPointSize) && stored.fontPointSize() > 0) {
        f.setFontPointSize(stored.fontPointSize() * kRoomScale);
    } else if (stored.hasProperty(QTextFormat::FontPixelSize) &&
               stored.intProperty(QTextFormat::FontPixelSize) > 0) {
        f.setProperty(QTextFormat::FontPixelSize,
                      static_cast<int>(std::lround(stored.intProperty(QTextFormat::FontPixelSize) *
                                                   kRoomScale)));
    } else if (defaultFont.pixelSize() > 0) {
        f.setProperty(QTextFormat::FontPixelSize,
                      static_cast<int>(std::lround(defaultFont.pixelSize() * kRoomScale)));
    } else {
        f.setFontPointSize(defaultFont.pointSizeF() * kRoomScale);
    }
    f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    f.setSuperScriptBaseline(0);
    return f;
}

QList<QTextLayout::FormatRange> TDisplayFormats::RangesFor(const QTextBlock& block,
                                                           const QFont& defaultFont) {
    QList<QTextLayout::FormatRange> ranges;
    // A base shorter than its reading is spread to the reading's length: each of its
    // characters gets an equal share of the difference after it.
    const std::vector<THorizontalRuby::Word> words = THorizontalRuby::Words(block);
    std::vector<qreal> spacing(words.size(), 0);
    const QString text = block.text();
    for (size_t i = 0; i < words.size(); ++i) {
        const THorizontalRuby::Word& w = words[i];
        const QString base = text.mid(w.start, w.end - w.start);
        const qreal baseLength =
            QFontMetricsF(w.format.font().resolve(defaultFont)).horizontalAdvance(base);
        const QFont font = THorizontalRuby::ReadingFont(w.format, defaultFont);
        qreal readingLength = 0;
        for (qreal a : THorizontalRuby::Advances(THorizontalRuby::Characters(w.format), font))
            readingLength += a;
        const int count = static_cast<int>(base.toUcs4().size());
        if (readingLength > baseLength + 0.5 && count > 0)
            spacing[i] = (readingLength - baseLength) / count;
    }
    size_t word = 0;
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment frag = it.fragment();
        if (!frag.isValid()) continue;
        const QTextCharFormat stored = frag.charFormat();
        const int start = frag.position() - block.position();
        QTextLayout::FormatRange r;
        if (TextRunRules::IsHidden(stored)) {
            r.format = HiddenFormat();
        } else if (!TextRunRules::RubyReading(stored).isEmpty()) {
            r.format = RoomFormat(stored, defaultFont);
            while (word < words.size() && words[word].end <= start) ++word;
            if (word < words.size() && words[word].start <= start && spacing[word] > 0) {
                r.format.setFontLetterSpacingType(QFont::AbsoluteSpacing);
                r.format.setFontLetterSpacing(spacing[word]);
            }
        }
        if (r.format.properties().isEmpty()) continue;
        r.start = start;
        r.length = frag.length();
        ranges.append(r);
    }
    return ranges;
}

bool TDisplayFormats::HasDisplayFormats(const QTextBlock& block) {
    return block.userState() == kMarked;
}

void TDisplayFormats::Refresh(const QTextBlock& block) {
    if (Apply(block)) m_doc->markContentsDirty(block.position(), block.length());
}

bool TDisplayFormats::Apply(const QTextBlock& block) {
    if (!block.isValid()) return false;
    QList<QTextLayout::FormatRange> ranges = RangesFor(block, m_doc->defaultFont());
    const bool marked = block.userState() == kMarked;
    if (ranges.isEmpty() && !marked) return false;
    QTextLayout* layout = block.layout();
    // While a composition is shown in the paragraph, the layout holds its text too: ranges
    // after it move along, and the composition's own formats stay.
    const int preStart = layout->preeditAreaPosition();
    const int preLength = static_cast<int>(layout->preeditAreaText().size());
    if (preLength > 0) {
        for (QTextLayout::FormatRange& r : ranges) {
            if (r.start >= preStart)
                r.start += preLength;
            else if (r.start + r.length > preStart)
                r.length += preLength;
        }
        for (const QTextLayout::FormatRange& r : layout->formats()) {
            if (r.start >= preStart && r.start + r.length <= preStart + preLength) ranges.append(r);
        }
    }
    QTextBlock b = block;
    b.setUserState(ranges.isEmpty() ? -1 : kMarked);
    if (ranges == layout->formats()) return false;
    layout->setFormats(ranges);
    return true;
}

void TDisplayFormats::RefreshAll() {
    // One notice for the whole range: each one lays out anew what follows it.
    int first = -1;
    int last = -1;
    for (QTextBlock b = m_doc->begin(); b.isValid(); b = b.next()) {
        if (!Apply(b)) continue;
        if (first < 0) first = b.position();
        last = b.position() + b.length();
    }
    if (first >= 0) m_doc->markContentsDirty(first, last - first);
}

void TDisplayFormats::OnContentsChange(int from, int /*removed*/, int added) {
    QTextBlock b = m_doc->findBlock(from);
    if (!b.isValid()) return;
    const int end = from + added;
    int first = -1;
    int last = -1;
    for (; b.isValid() && b.position() <= end; b = b.next()) {
        if (!Apply(b)) continue;
        if (first < 0) first = b.position();
        last = b.position() + b.length();
    }
    if (first >= 0) m_doc->markContentsDirty(first, last - first);
}

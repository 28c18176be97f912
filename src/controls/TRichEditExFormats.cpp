// Character and paragraph formats of a TRichEditEx selection.

#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include "controls/TRichEditEx.h"

namespace {
QString FaceOf(const QTextCharFormat& f, const QTextDocument* doc) {
    const QStringList families = f.fontFamilies().toStringList();
    return families.isEmpty() ? doc->defaultFont().family() : families.first();
}

double SizeOf(const QTextCharFormat& f, const QTextDocument* doc) {
    if (f.hasProperty(QTextFormat::FontPointSize)) return f.fontPointSize();
    const QFont& d = doc->defaultFont();
    return d.pointSizeF() > 0 ? d.pointSizeF() : d.pixelSize() * 72.0 / 96.0;
}

TCharAttributes AttributesOf(const QTextCharFormat& f, const QTextDocument* doc) {
    TCharAttributes a;
    a.name = FaceOf(f, doc);
    a.charset = f.hasProperty(kCharsetProperty) ? f.intProperty(kCharsetProperty) : kDefaultCharset;
    a.size = SizeOf(f, doc);
    a.color = f.foreground().style() == Qt::NoBrush
                  ? clWindowText
                  : TRichEditEx::FromQColor(f.foreground().color());
    a.bold = f.fontWeight() > QFont::Medium;
    a.italic = f.fontItalic();
    a.underline = f.fontUnderline();
    a.strikeOut = f.fontStrikeOut();
    a.offsetTwips = f.intProperty(kOffsetTwipsProperty);
    a.uniform = TCharAttributes::All;
    return a;
}

unsigned Differences(const TCharAttributes& a, const TCharAttributes& b) {
    unsigned d = 0;
    if (a.name != b.name) d |= TCharAttributes::Name;
    if (a.charset != b.charset) d |= TCharAttributes::Charset;
    if (a.size != b.size) d |= TCharAttributes::Size;
    if (a.color != b.color) d |= TCharAttributes::Color;
    if (a.bold != b.bold) d |= TCharAttributes::Bold;
    if (a.italic != b.italic) d |= TCharAttributes::Italic;
    if (a.underline != b.underline) d |= TCharAttributes::Underline;
    if (a.strikeOut != b.strikeOut) d |= TCharAttributes::StrikeOut;
    if (a.offsetTwips != b.offsetTwips) d |= TCharAttributes::Offset;
    return d;
}

// Calls fn(format, start, end) for every run of one character format inside [from, to).
template <typename Fn>
void ForEachRun(const QTextDocument* doc, int from, int to, Fn fn) {
    for (QTextBlock b = doc->findBlock(from); b.isValid() && b.position() < to; b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment frag = it.fragment();
            const int s = std::max(from, frag.position());
            const int e = std::min(to, frag.position() + frag.length());
            if (s < e) fn(frag.charFormat(), s, e);
        }
    }
}

qreal PointsToPixels(double pt) {
    return pt * 96.0 / 72.0;
}
double PixelsToPoints(qreal px) {
    return px * 72.0 / 96.0;
}
}  // namespace

TCharAttributes TRichEditEx::SelAttributes() const {
    const QTextCursor c = Cursor();
    if (!c.hasSelection()) return AttributesOf(c.charFormat(), doc_);
    TCharAttributes first;
    bool any = false;
    unsigned differ = 0;
    ForEachRun(doc_, c.selectionStart(), c.selectionEnd(), [&](const QTextCharFormat& f, int, int) {
        const TCharAttributes a = AttributesOf(f, doc_);
        if (!any) {
            first = a;
            any = true;
        } else {
            differ |= Differences(first, a);
        }
    });
    if (!any) {
        // Only paragraph ends are selected: they carry the block's character format.
        QTextCursor at(doc_);
        at.setPosition(c.selectionStart());
        return AttributesOf(at.charFormat(), doc_);
    }
    first.uniform = TCharAttributes::All & ~differ;
    return first;
}

void TRichEditEx::SetSelAttributes(const TCharAttributes& a, unsigned mask) {
    QTextCharFormat f;
    if (mask & TCharAttributes::Name) f.setFontFamilies(QStringList{a.name});
    if (mask & TCharAttributes::Charset) f.setProperty(kCharsetProperty, a.charset);
    if (mask & TCharAttributes::Size) f.setFontPointSize(a.size);
    if (mask & TCharAttributes::Color) f.setForeground(ToQColor(a.color));
    if (mask & TCharAttributes::Bold) f.setFontWeight(a.bold ? QFont::Bold : QFont::Normal);
    if (mask & TCharAttributes::Italic) f.setFontItalic(a.italic);
    if (mask & TCharAttributes::Underline) f.setFontUnderline(a.underline);
    if (mask & TCharAttributes::StrikeOut) f.setFontStrikeOut(a.strikeOut);
    if (mask & TCharAttributes::Offset) f.setProperty(kOffsetTwipsProperty, a.offsetTwips);
    QTextCursor c = Cursor();
    c.mergeCharFormat(f);
    if (mask & (TCharAttributes::Offset | TCharAttributes::Size)) {
        // The baseline offset is kept in twips; the layout wants it as a share of each run's
        // own font size.
        auto offsetFormat = [&](const QTextCharFormat& run) {
            QTextCharFormat o;
            const double size = SizeOf(run, doc_);
            const int twips = run.intProperty(kOffsetTwipsProperty);
            o.setBaselineOffset(size > 0 ? (twips / 20.0) / size * 100.0 : 0);
            return o;
        };
        if (c.hasSelection()) {
            std::vector<std::tuple<int, int, QTextCharFormat>> runs;
            ForEachRun(doc_, c.selectionStart(), c.selectionEnd(),
                       [&](const QTextCharFormat& run, int s, int e) {
                           runs.emplace_back(s, e, offsetFormat(run));
                       });
            for (const auto& [s, e, o] : runs) {
                QTextCursor r(doc_);
                r.setPosition(s);
                r.setPosition(e, QTextCursor::KeepAnchor);
                r.mergeCharFormat(o);
            }
        } else {
            c.mergeCharFormat(offsetFormat(c.charFormat()));
        }
    }
    SetCursor(c);
}

TParaAttributes TRichEditEx::Paragraph() const {
    const QTextCursor c = Cursor();
    QTextCursor at(doc_);
    at.setPosition(c.selectionStart());
    const QTextBlockFormat f = at.blockFormat();
    TParaAttributes p;
    const Qt::Alignment h = f.alignment() & Qt::AlignHorizontal_Mask;
    p.alignment = (h & Qt::AlignHCenter) ? TParaAttributes::Center
                  : (h & Qt::AlignRight) ? TParaAttributes::Right
                                         : TParaAttributes::Left;
    p.bullet = at.block().textList() != nullptr;
    p.firstIndent = PixelsToPoints(f.leftMargin() + f.textIndent());
    p.leftIndent = PixelsToPoints(-f.textIndent());
    p.rightIndent = PixelsToPoints(f.rightMargin());
    return p;
}

void TRichEditEx::SetParagraph(const TParaAttributes& a, unsigned mask) {
    QTextCursor c = Cursor();
    c.beginEditBlock();
    if (mask & TParaAttributes::Alignment) {
        QTextBlockFormat f;
        f.setAlignment(a.alignment == TParaAttributes::Center  ? Qt::AlignHCenter
                       : a.alignment == TParaAttributes::Right ? Qt::AlignRight
                                                               : Qt::AlignLeft);
        c.mergeBlockFormat(f);
    }
    if (mask & (TParaAttributes::FirstIndent | TParaAttributes::LeftIndent |
                TParaAttributes::RightIndent)) {
        // Each paragraph keeps the indents the mask leaves out.
        QTextBlock last = doc_->findBlock(c.selectionEnd());
        for (QTextBlock b = doc_->findBlock(c.selectionStart()); b.isValid(); b = b.next()) {
            QTextBlockFormat f = b.blockFormat();
            double first = PixelsToPoints(f.leftMargin() + f.textIndent());
            double left = PixelsToPoints(-f.textIndent());
            if (mask & TParaAttributes::FirstIndent) first = a.firstIndent;
            if (mask & TParaAttributes::LeftIndent) left = a.leftIndent;
            if (mask & TParaAttributes::RightIndent)
                f.setRightMargin(PointsToPixels(a.rightIndent));
            f.setLeftMargin(PointsToPixels(first + left));
            f.setTextIndent(PointsToPixels(-left));
            QTextCursor bc(b);
            bc.setBlockFormat(f);
            if (b == last) break;
        }
    }
    if (mask & TParaAttributes::Bullet) {
        QTextBlock last = doc_->findBlock(c.selectionEnd());
        if (a.bullet) {
            if (!doc_->findBlock(c.selectionStart()).textList()) {
                QTextListFormat lf;
                lf.setStyle(QTextListFormat::ListDisc);
                c.createList(lf);
            }
        } else {
            for (QTextBlock b = doc_->findBlock(c.selectionStart()); b.isValid(); b = b.next()) {
                if (QTextList* list = b.textList()) {
                    list->remove(b);
                    QTextCursor bc(b);
                    QTextBlockFormat f = b.blockFormat();
                    f.setIndent(0);
                    bc.setBlockFormat(f);
                }
                if (b == last) break;
            }
        }
    }
    c.endEditBlock();
    SetCursor(c);
}

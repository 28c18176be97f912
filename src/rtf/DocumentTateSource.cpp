#include "rtf/DocumentTateSource.h"

#include <QTextBlock>
#include <QTextDocument>

#include "core/Cp932.h"
#include "rtf/GuiEnvironment.h"
#include "rtf/RtfReader.h"
#include "rtf/TextProperties.h"

namespace {

TateFormat FormatOf(const QTextCharFormat& f, const TateFormat& base) {
    TateFormat t = base;
    const QStringList families = f.fontFamilies().toStringList();
    if (!families.isEmpty() && !families.first().isEmpty())
        t.name = Cp932::ToSjis(families.first().toStdString());
    if (f.fontPointSize() > 0) t.size = int(f.fontPointSize() + 0.5);
    if (f.foreground().style() != Qt::NoBrush) {
        const QColor c = f.foreground().color();
        t.color = RgbColor(std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue()));
    }
    int style = 0;
    if (f.fontWeight() >= QFont::DemiBold) style |= TateFormat::Bold;
    if (f.fontItalic()) style |= TateFormat::Italic;
    if (f.fontUnderline()) style |= TateFormat::Underline;
    if (f.fontStrikeOut()) style |= TateFormat::StrikeOut;
    t.style = style;
    return t;
}

// One character (a surrogate pair counts as one): its Shift-JIS bytes, or, when code page 932
// cannot hold it, its numeric character reference, in the line's cell and in the document text.
// A lone surrogate half is no character and stands as U+FFFD.
void AppendCharacter(TateSource& src, std::string& whole, const QString& ch,
                     const TateFormat& fmt) {
    const char32_t code = ch.size() == 2           ? QChar::surrogateToUcs4(ch.at(0), ch.at(1))
                          : ch.at(0).isSurrogate() ? char32_t(0xFFFD)
                                                   : char32_t(ch.at(0).unicode());
    const Cp932::EncodeResult enc = Cp932::Encode(QString::fromUcs4(&code, 1).toStdString());
    if (enc.ok()) {
        src.AppendChars(enc.bytes, fmt);
        whole += enc.bytes;
        return;
    }
    const std::string reference = "&#" + std::to_string(static_cast<unsigned long>(code)) + ";";
    src.AppendReference(reference, fmt);
    whole += reference;
}

// Walks the document's characters and cuts them into display lines. breakBefore(position,
// charactersOnLine) tells whether a new display line starts at a character (it is asked at
// every character, in order); paragraph ends and line breaks always end a line.
template <typename BreakBefore>
TateSource Walk(const QTextDocument& document, const TateFormat& base, BreakBefore breakBefore) {
    TateSource src;
    std::string whole;
    bool firstParagraph = true;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        if (!firstParagraph) whole += "\r\n";
        firstParagraph = false;
        int inLine = 0;  // characters on the current display line
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment frag = it.fragment();
            // Hidden text is kept in the document but is not part of what is generated.
            if (frag.charFormat().boolProperty(TextProperties::HiddenProperty)) continue;
            const TateFormat fmt = FormatOf(frag.charFormat(), base);
            const QString text = frag.text();
            const int fragStart = frag.position();
            qsizetype i = 0;
            while (i < text.size()) {
                const QChar ch = text.at(i);
                if (ch.unicode() == 0x2028 || ch.unicode() == 0x2029) {
                    src.EndLine(true);
                    whole += "\r\n";
                    inLine = 0;
                    ++i;
                    continue;
                }
                if (ch.unicode() == 0xFFFC) {
                    ++i;
                    continue;
                }
                // Asked at every character, so that a line start that falls on a paragraph's
                // first character, or on hidden text, is passed there.
                const bool newLine = breakBefore(fragStart + int(i), inLine);
                if (inLine > 0 && newLine) {
                    src.EndLine(false);
                    inLine = 0;
                }
                const qsizetype len =
                    (ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
                        ? 2
                        : 1;
                AppendCharacter(src, whole, text.mid(i, len), fmt);
                ++inLine;
                i += len;
            }
        }
        src.EndLine(true);
    }
    src.SetDocumentText(std::move(whole));
    return src;
}

}  // namespace

TateSource DocumentTateSource::FromDocument(const QTextDocument& document, int wrap,
                                            const TateFormat& base) {
    return Walk(document, base, [wrap](int, int inLine) { return wrap > 0 && inLine == wrap; });
}

TateSource DocumentTateSource::FromDisplayLines(const QTextDocument& document,
                                                const std::vector<int>& lineStarts,
                                                const TateFormat& base) {
    // A line start passed since the previous character (one on hidden text is taken at the
    // next character shown) starts a new line there.
    std::size_t next = 0;
    return Walk(document, base, [&](int position, int) {
        bool starts = false;
        while (next < lineStarts.size() && lineStarts[next] <= position) {
            starts = true;
            ++next;
        }
        return starts;
    });
}

bool DocumentTateSource::FromRtf(std::string_view rtf, int wrap, const TateFormat& base,
                                 TateSource& out, std::string& error) {
    GuiEnvironment::EnsureGuiApplication();
    QTextDocument doc;
    const RtfReader::Result r = RtfReader::ReadDocument(rtf, doc);
    if (!r.ok) {
        error = r.error.toStdString();
        return false;
    }
    out = FromDocument(doc, wrap, base);
    return true;
}

#include "vertical/TateSource.h"

#include "core/ShiftJis.h"

int TateSource::AddFormat(const TateFormat& format) {
    for (std::size_t i = formats_.size(); i-- > 0;)
        if (formats_[i] == format) return static_cast<int>(i);
    formats_.push_back(format);
    return static_cast<int>(formats_.size() - 1);
}

void TateSource::AppendLine(std::string text, std::vector<Run> runs, bool paragraphEnd) {
    Line line;
    line.text = std::move(text);
    line.runs = std::move(runs);
    line.paragraphEnd = paragraphEnd;
    lines_.push_back(std::move(line));
}

void TateSource::AppendLine(std::string text, const TateFormat& format, bool paragraphEnd) {
    int f = AddFormat(format);
    AppendLine(std::move(text), std::vector<Run>{Run{0, f}}, paragraphEnd);
}

void TateSource::AppendChars(std::string_view sjis, const TateFormat& format) {
    int f = AddFormat(format);
    if (pending_.runs.empty() || pending_.runs.back().format != f) {
        if (!pending_.runs.empty() && pending_.runs.back().offset == pending_.text.size())
            pending_.runs.back().format = f;
        else
            pending_.runs.push_back(Run{pending_.text.size(), f});
    }
    pending_.text.append(sjis);
}

void TateSource::AppendReference(std::string_view reference, const TateFormat& format) {
    static const std::string geta = "\x81\xAC";  // 〓
    pending_.references.emplace_back(pending_.text.size(), std::string(reference));
    AppendChars(geta, format);
}

void TateSource::EndLine(bool paragraphEnd) {
    pending_.paragraphEnd = paragraphEnd;
    lines_.push_back(std::move(pending_));
    pending_ = Line{};
}

int TateSource::FormatIndexAt(const Line& line, std::size_t offset) {
    int f = 0;
    for (const Run& run : line.runs) {
        if (run.offset > offset) break;
        f = run.format;
    }
    return f;
}

TateSource TateSource::FromPlainText(std::string_view sjis, const TateFormat& format, int wrap) {
    TateSource src;
    const int f = src.AddFormat(format);
    std::string doc;
    doc.reserve(sjis.size() + sjis.size() / 16);

    auto addParagraph = [&](std::string_view para) {
        if (wrap <= 0 || para.empty()) {
            src.AppendLine(std::string(para), {Run{0, f}}, true);
            return;
        }
        std::size_t start = 0;
        while (start < para.size()) {
            std::size_t end = start;
            int chars = 0;
            while (end < para.size() && chars < wrap) {
                end += ShiftJis::CharLength(para, end);
                ++chars;
            }
            src.AppendLine(std::string(para.substr(start, end - start)), {Run{0, f}},
                           end >= para.size());
            start = end;
        }
    };

    std::size_t i = 0, start = 0;
    bool first = true;
    while (i < sjis.size()) {
        unsigned char b = static_cast<unsigned char>(sjis[i]);
        if (b == '\r' || b == '\n') {
            std::string_view para = sjis.substr(start, i - start);
            addParagraph(para);
            if (!first) doc += "\r\n";
            doc.append(para);
            first = false;
            i += (b == '\r' && i + 1 < sjis.size() && sjis[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            i += ShiftJis::CharLength(sjis, i);
        }
    }
    std::string_view last = sjis.substr(start);
    addParagraph(last);
    if (!first) doc += "\r\n";
    doc.append(last);
    src.SetDocumentText(std::move(doc));
    return src;
}

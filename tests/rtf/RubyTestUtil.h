#pragma once
// Helpers of the ruby tests: the ruby words of a document, the files under tests/rtf/data.

#include <QTextBlock>
#include <QTextDocument>
#include <ostream>
#include <string>
#include <vector>

#include "RtfTestUtil.h"
#include "rtf/TextProperties.h"

namespace rtftest {

inline std::string DataFile(const std::string& name) {
    return ReadFile(std::string(ORIMAKI_SOURCE) + "/tests/rtf/data/" + name);
}

inline std::string DataPath(const std::string& name) {
    return std::string(ORIMAKI_SOURCE) + "/tests/rtf/data/" + name;
}

// A ruby word: paragraph, first UTF-16 unit and length in it, reading, options.
struct RubyRun {
    int para;
    int start;
    int length;
    std::string reading;
    std::string options;
    bool operator==(const RubyRun& o) const {
        return para == o.para && start == o.start && length == o.length && reading == o.reading;
    }
};

inline std::ostream& operator<<(std::ostream& os, const RubyRun& r) {
    return os << "{" << r.para << "," << r.start << "," << r.length << "," << r.reading << "}";
}

// The document's ruby words: neighbouring characters with the same reading and group number.
inline std::vector<RubyRun> RubyRuns(const QTextDocument& doc) {
    std::vector<RubyRun> out;
    int para = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next(), ++para) {
        int lastGroup = 0;
        QString lastReading;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const QTextCharFormat fmt = f.charFormat();
            const QString reading = fmt.stringProperty(TextProperties::RubyTextProperty);
            const int group = fmt.intProperty(TextProperties::RubyGroupProperty);
            const int start = f.position() - b.position();
            if (reading.isEmpty()) {
                lastReading.clear();
                lastGroup = 0;
                continue;
            }
            if (!out.empty() && reading == lastReading && group == lastGroup &&
                out.back().para == para && out.back().start + out.back().length == start) {
                out.back().length += f.length();
            } else {
                out.push_back(
                    {para, start, f.length(), reading.toStdString(),
                     fmt.stringProperty(TextProperties::RubyOptionsProperty).toStdString()});
            }
            lastReading = reading;
            lastGroup = group;
        }
    }
    return out;
}

}  // namespace rtftest

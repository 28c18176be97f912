#pragma once
// Helpers shared by the RTF tests.

#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "SofficeConversions.h"
#include "rtf/RtfReader.h"

namespace rtftest {

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

inline std::string TestData(const std::string& name) {
    return std::string(ORIMAKI_TESTDATA) + "/" + name;
}

// The document's paragraphs as UTF-8; a line separator inside a paragraph becomes "\n".
inline std::vector<std::string> Paragraphs(const QTextDocument& doc) {
    std::vector<std::string> out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QString t = b.text();
        t.replace(QChar(0x2028), QChar('\n'));
        out.push_back(t.toStdString());
    }
    return out;
}

inline std::string Text(const QTextDocument& doc) {
    std::string s;
    bool first = true;
    for (const std::string& p : Paragraphs(doc)) {
        if (!first) s += "\n";
        s += p;
        first = false;
    }
    return s;
}

// Reads RTF given as a C string into a fresh document and returns its text.
inline std::string ReadText(const std::string& rtf) {
    QTextDocument doc;
    RtfReader::ReadDocument(rtf, doc);
    return Text(doc);
}

inline bool HaveSoffice() {
    return soffice::Available();
}

// LibreOffice's text of every file, written into outDir as name.txt (UTF-8 with a BOM).
inline bool SofficeToText(const std::vector<std::string>& files, const std::string& outDir) {
    return soffice::Convert(files, "txt:Text (encoded):UTF8", outDir);
}

}  // namespace rtftest

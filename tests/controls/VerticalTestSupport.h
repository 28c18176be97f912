#pragma once
// Helpers shared by the vertical view tests: documents in the test font, the novel.

#include <QFont>
#include <QString>
#include <QTextDocument>
#include <fstream>
#include <memory>
#include <sstream>

#include "core/Cp932.h"

namespace vtest {

// The font the test set-up installs (fonts-ipafont-gothic): fixed-width, 1 em per character
// along a column.
constexpr int kEm = 20;

inline QFont TestFont() {
    QFont f(QStringLiteral("IPAGothic"));
    f.setPixelSize(kEm);
    return f;
}

inline std::unique_ptr<QTextDocument> MakeDocument(const QString& text) {
    auto doc = std::make_unique<QTextDocument>();
    doc->setDefaultFont(TestFont());
    doc->setPlainText(text);
    return doc;
}

inline QString NovelText() {
    std::ifstream f(ORIMAKI_TESTDATA "/text/wagahai.sjis.txt", std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    QString text = QString::fromStdString(Cp932::ToUtf8(ss.str()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

}  // namespace vtest

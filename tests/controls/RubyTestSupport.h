#pragma once
// Helpers for tests of ruby and hidden text: the character properties set directly on a
// document, as the RTF reader sets them.

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <memory>

#include "VerticalTestSupport.h"
#include "rtf/TextProperties.h"

namespace rtest {

inline void SetRuby(QTextDocument* doc, int start, int length, const QString& reading, int group,
                    const QString& options = QString()) {
    QTextCursor c(doc);
    c.setPosition(start);
    c.setPosition(start + length, QTextCursor::KeepAnchor);
    QTextCharFormat f;
    f.setProperty(TextProperties::RubyTextProperty, reading);
    f.setProperty(TextProperties::RubyGroupProperty, group);
    if (!options.isEmpty()) f.setProperty(TextProperties::RubyOptionsProperty, options);
    c.mergeCharFormat(f);
}

inline void SetHidden(QTextDocument* doc, int start, int length) {
    QTextCursor c(doc);
    c.setPosition(start);
    c.setPosition(start + length, QTextCursor::KeepAnchor);
    QTextCharFormat f;
    f.setProperty(TextProperties::HiddenProperty, true);
    c.mergeCharFormat(f);
}

// 鬼門の方角[hidden: 秘密]は北東。 with きもん over 鬼門 and a second paragraph with two ruby
// words side by side.
inline std::unique_ptr<QTextDocument> SampleDocument() {
    auto doc = vtest::MakeDocument(
        QStringLiteral("鬼門の方角秘密は北東。\n東京と京都の紫陽花を見た。\n一行目。"));
    SetRuby(doc.get(), 0, 2, QStringLiteral("きもん"), 1);
    SetHidden(doc.get(), 5, 2);
    const int p2 = doc->findBlockByNumber(1).position();
    SetRuby(doc.get(), p2, 2, QStringLiteral("とうきょう"), 2);
    SetRuby(doc.get(), p2 + 3, 2, QStringLiteral("きょうと"), 3);
    SetRuby(doc.get(), p2 + 6, 3, QStringLiteral("あじさい"), 4);
    return doc;
}

}  // namespace rtest

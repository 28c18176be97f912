#pragma once
// Documents of known size and the poppler tools that read PDF files back.

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>

namespace PrintTest {

// IPAGothic at 12 points: every kanji is 16 pixels (96 per inch) long in a column.
inline QTextCharFormat Gothic12() {
    QTextCharFormat f;
    f.setFontFamilies({QStringLiteral("IPAGothic")});
    f.setFontPointSize(12);
    return f;
}

inline void Fill(QTextDocument& doc, const QStringList& paragraphs,
                 const QTextCharFormat& format = Gothic12()) {
    doc.clear();
    QFont f(QStringLiteral("IPAGothic"));
    f.setPointSize(12);
    doc.setDefaultFont(f);
    QTextCursor c(&doc);
    c.setBlockCharFormat(format);
    for (int i = 0; i < paragraphs.size(); ++i) {
        if (i > 0) c.insertBlock();
        c.insertText(paragraphs[i], format);
    }
}

inline bool HaveTool(const char* name) {
    return !QStandardPaths::findExecutable(QString::fromLatin1(name)).isEmpty();
}

inline QString Run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline int PdfPages(const QString& pdf) {
    const QString info = Run(QStringLiteral("pdfinfo"), {pdf});
    for (const QString& line : info.split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("Pages:"))) return line.mid(6).trimmed().toInt();
    return -1;
}

// The text of the PDF in the order it was drawn, without line ends and spaces.
inline QString PdfText(const QString& pdf) {
    QString t =
        Run(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), pdf, QStringLiteral("-")});
    t.remove(QLatin1Char('\n')).remove(QLatin1Char('\f')).remove(QLatin1Char(' '));
    return t;
}

// Page `page` (1-based) of the PDF as an image at `dpi`.
inline QImage PdfPage(const QString& pdf, int page, int dpi, const QTemporaryDir& dir) {
    const QString base = dir.filePath(QStringLiteral("page"));
    Run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"), QString::number(page),
         QStringLiteral("-l"), QString::number(page), QStringLiteral("-png"),
         QStringLiteral("-singlefile"), pdf, base});
    return QImage(base + QStringLiteral(".png"));
}

}  // namespace PrintTest

#pragma once
// A document with its file commands, answered by scripts instead of dialogs, in a temporary
// folder.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <memory>
#include <string>

#include "app/DocumentFiles.h"
#include "controls/MessageService.h"

namespace doctest {

inline QByteArray ReadAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

inline void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

// The oracle for text files: the iconv program's decoding.
inline QString IconvToUtf8(const QString& from, const QString& path) {
    const std::string cmd =
        "iconv -f " + from.toStdString() + " -t UTF-8 '" + path.toStdString() + "'";
    QByteArray out;
    if (FILE* p = popen(cmd.c_str(), "r")) {
        char buf[65536];
        std::size_t n;
        while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, static_cast<qsizetype>(n));
        pclose(p);
    }
    return QString::fromUtf8(out);
}

// Same bytes through the iconv program, UTF-8 to the named encoding.
inline QByteArray IconvFromUtf8(const QString& to, const QByteArray& utf8) {
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in"));
    WriteAll(in, utf8);
    const std::string cmd = "iconv -f UTF-8 -t " + to.toStdString() + " '" + in.toStdString() + "'";
    QByteArray out;
    if (FILE* p = popen(cmd.c_str(), "r")) {
        char buf[65536];
        std::size_t n;
        while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, static_cast<qsizetype>(n));
        pclose(p);
    }
    return out;
}

struct Harness {
    QTemporaryDir dir;
    QTextDocument doc;
    DocumentFiles files{&doc, nullptr};
    QStringList openAnswers;  // paths the open dialog returns, in order ("" = cancel)
    QStringList saveAnswers;  // the same for the save dialog
    int openDialogs = 0;
    int saveDialogs = 0;
    QStringList addresses;  // every path the address box was asked to show

    Harness() {
        MessageService::ClearHistory();
        MessageService::SetResponder([](const MessageService::Record&) {
            ADD_FAILURE() << "unexpected message box";
            return QMessageBox::Cancel;
        });
        files.hooks().chooseOpenFile = [this](const QString&) {
            ++openDialogs;
            return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
        };
        files.hooks().chooseSaveFile = [this](const QString&) {
            ++saveDialogs;
            return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
        };
        files.hooks().showAddress = [this](const QString& p) { addresses << p; };
        files.setDocumentPath(path(QStringLiteral("新規文書.wri")));
    }
    ~Harness() { MessageService::SetResponder({}); }

    QString path(const QString& name) const { return dir.filePath(name); }

    void Type(const QString& text, const QTextCharFormat& fmt = QTextCharFormat()) {
        QTextCursor c(&doc);
        c.movePosition(QTextCursor::End);
        if (fmt.isEmpty())
            c.insertText(text, files.defaultCharFormat());
        else
            c.insertText(text, fmt);
    }

    QStringList MessageTexts() const {
        QStringList out;
        for (const auto& r : MessageService::History()) out << r.text;
        return out;
    }
};

}  // namespace doctest

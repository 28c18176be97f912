#pragma once
// The document on disk: new document, open, save, save as, dropped files, the questions they
// ask, loading and writing rich text and plain text. Works on the one QTextDocument that both
// editing views show; the main window supplies the rest (clearing the views, the address bar,
// command enabling) through the hooks below, so the commands also run without a window.
//
// Every write goes through QSaveFile: a failed write leaves the old file as it was, the
// document modified and tells the user why. Plain text keeps the encoding and line ends it
// was read with (Shift-JIS with CR LF for new documents), and a save that would lose
// characters the encoding cannot hold names them and asks first.

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTextCharFormat>
#include <functional>

#include "core/TextEncoding.h"

class QTextDocument;
class QWidget;

class DocumentFiles : public QObject {
    Q_OBJECT
public:
    // What the modified prompt is asked for: the two commands that replace the document by
    // another file ask "このファイルは…", the others "編集中のファイルは…".
    enum class PromptKind { NewOrClose, OpenOrDrop };
    enum class PromptResult { Proceed, Cancelled };
    enum class WriteResult { Written, Declined, Failed };

    struct Hooks {
        // Clear, beyond emptying the document: split mode none, view options, undo reset,
        // selection sync and refresh.
        std::function<void()> clearViews;
        // The address box shows the path and the address is applied.
        std::function<void(const QString& path)> showAddress;
        // The save and undo commands follow the modified flag.
        std::function<void()> commandEnabling;
        // After a load: mirror rebuild, undo reset, state refresh.
        std::function<void()> loaded;
        // Brings the main window to the foreground (drop).
        std::function<void()> raiseWindow;
        // File dialogs; an empty result means cancelled. Defaults: QFileDialog.
        std::function<QString(const QString& folder)> chooseOpenFile;
        std::function<QString(const QString& path)> chooseSaveFile;
        // Rich text: read returns false when the bytes are not Rich Text Format.
        std::function<bool(const QByteArray& bytes, QTextDocument* doc)> readRtf;
        std::function<QByteArray(const QTextDocument* doc)> writeRtf;
        // The character format of the default font (otherwise the one set here).
        std::function<QTextCharFormat()> defaultFormat;
    };

    DocumentFiles(QTextDocument* document, QWidget* dialogParent, QObject* parent = nullptr);

    Hooks& hooks() { return hooks_; }

    // State.
    QString documentPath() const { return *documentPathRef_; }
    void setDocumentPath(const QString& path) { *documentPathRef_ = path; }
    QString savedPath() const { return *savedPathRef_; }
    void setSavedPath(const QString& path) { *savedPathRef_ = path; }
    QString newFileExt() const { return *newFileExtRef_; }
    void setNewFileExt(const QString& ext) { *newFileExtRef_ = ext; }
    // Keeps the three values in the main window's own fields instead of here.
    void BindState(QString* documentPath, QString* savedPath, QString* newFileExt);
    QFont defaultFont() const { return defaultFont_; }
    QColor defaultColor() const { return defaultColor_; }
    void setDefaultFont(const QFont& font, const QColor& color);
    // The format the document's plain text is written in.
    TextEncoding::Format textFormat() const { return textFormat_; }
    void setTextFormat(const TextEncoding::Format& f) { textFormat_ = f; }
    // " [UTF-8]" and the like when the document is plain text in another encoding than
    // Shift-JIS with CR LF; empty otherwise. The window caption shows it.
    QString encodingLabel() const;
    bool isModified() const;
    QTextCharFormat defaultCharFormat() const;

    // Commands.
    void NewFile();
    void Open();
    WriteResult Save();
    // Declined when the dialog is cancelled.
    WriteResult SaveAs();
    void Drop(const QStringList& files);
    // The document named on the command line: long form, load, address.
    void OpenFromCommandLine(const QString& argument);
    // The prompt about unsaved changes (also asked by the close query).
    PromptResult ModifiedPrompt(PromptKind kind);

    // Steps.
    void Clear();
    // Reads the file at the document path; false (with a message) when it cannot be read.
    bool Load();
    // Save with overwrite check.
    WriteResult SaveWithOverwriteCheck();
    WriteResult Write();

    // Pure helpers, public for tests.
    // True when every character of the document has the same bold, colour, font name,
    // italic, size, strikeout and underline.
    static bool HasUniformFormatting(const QTextDocument* doc);
    // The document's text with "\n" between paragraphs (line separators become "\n" too,
    // embedded objects are dropped).
    static QString PlainText(const QTextDocument* doc);
    // The long form of a command-line path: absolute and cleaned; a missing folder part
    // becomes "ファイルは存在しません。", a missing file an empty name.
    static QString LongFormPath(const QString& argument);

    static const QString kFileFilter;

signals:
    void documentPathChanged(const QString& path);

private:
    QString& path() { return *documentPathRef_; }
    const QString& path() const { return *documentPathRef_; }
    QString& saved() { return *savedPathRef_; }
    QString& newExt() { return *newFileExtRef_; }
    bool ReadPlainText(const QByteArray& bytes);
    bool WriteBytes(const QByteArray& bytes);
    void FinishLoadOrWrite();
    void ShowError(const QString& text);

    QTextDocument* doc_;
    QWidget* dialogParent_;
    Hooks hooks_;
    QString ownDocumentPath_;
    QString ownSavedPath_;
    QString ownNewFileExt_ = QStringLiteral(".wri");
    QString* documentPathRef_ = &ownDocumentPath_;
    QString* savedPathRef_ = &ownSavedPath_;
    QString* newFileExtRef_ = &ownNewFileExt_;
    QFont defaultFont_;
    QColor defaultColor_ = Qt::black;
    TextEncoding::Format textFormat_;
};

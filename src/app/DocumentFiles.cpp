#include "app/DocumentFiles.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "controls/MessageService.h"
#include "core/DocumentPath.h"
#include "rtf/RtfReader.h"
#include "rtf/RtfWriter.h"

const QString DocumentFiles::kFileFilter = QStringLiteral(
    "テキストファイル(*.txt);;リッチテキストファイル(*.rtf);;ライト形式ファイル(*.wri);;"
    "すべてのファイル(*.*)");

namespace {

const QString kAllFiles = QStringLiteral("すべてのファイル(*.*)");

QString DefaultChooseOpen(QWidget* parent, const QString& folder) {
    QString filter = kAllFiles;
    return QFileDialog::getOpenFileName(parent, QStringLiteral("開く"), folder,
                                        DocumentFiles::kFileFilter, &filter);
}

QString DefaultChooseSave(QWidget* parent, const QString& path) {
    QFileDialog dialog(parent, QStringLiteral("名前を付けて保存"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The overwrite question is the program's own (only for another existing file).
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(DocumentFiles::kFileFilter.split(QStringLiteral(";;")));
    // Choosing a filter puts its extension in place of the name's; for "*.*" that would offer
    // to save "memo.*". So the name is given after the filter, and a later return to the
    // all-files entry gives the name its own extension back.
    dialog.selectNameFilter(kAllFiles);
    const QFileInfo info(path);
    if (!info.path().isEmpty() && QFileInfo(info.path()).isDir()) dialog.setDirectory(info.path());
    dialog.selectFile(info.fileName());
    const QString ownSuffix = QString::fromStdString(DocumentPath::Extension(path.toStdString()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        if (filter != kAllFiles) return;
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!edit || !edit->text().endsWith(QStringLiteral(".*"))) return;
        QString name = edit->text();
        name.chop(2);
        edit->setText(name + ownSuffix);
    });
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

std::string U8(const QString& s) {
    return s.toStdString();
}

}  // namespace

DocumentFiles::DocumentFiles(QTextDocument* document, QWidget* dialogParent, QObject* parent)
    : QObject(parent), doc_(document), dialogParent_(dialogParent) {
    defaultFont_ = QFont(QStringLiteral("ＭＳ Ｐゴシック"));
    defaultFont_.setPointSizeF(11);
    hooks_.chooseOpenFile = [this](const QString& f) {
        return DefaultChooseOpen(dialogParent_, f);
    };
    hooks_.readRtf = [](const QByteArray& bytes, QTextDocument* doc) {
        return RtfReader::ReadDocument(std::string_view(bytes.constData(), bytes.size()), *doc).ok;
    };
    hooks_.writeRtf = [](const QTextDocument* doc) {
        const std::string rtf = RtfWriter::Write(*doc);
        return QByteArray(rtf.data(), static_cast<qsizetype>(rtf.size()));
    };
    hooks_.chooseSaveFile = [this](const QString& p) {
        return DefaultChooseSave(dialogParent_, p);
    };
}

void DocumentFiles::setDefaultFont(const QFont& font, const QColor& color) {
    defaultFont_ = font;
    defaultColor_ = color;
}

void DocumentFiles::BindState(QString* documentPath, QString* savedPath, QString* newFileExt) {
    if (documentPath) documentPathRef_ = documentPath;
    if (savedPath) savedPathRef_ = savedPath;
    if (newFileExt) newFileExtRef_ = newFileExt;
}

QTextCharFormat DocumentFiles::defaultCharFormat() const {
    if (hooks_.defaultFormat) return hooks_.defaultFormat();
    QTextCharFormat f;
    f.setFontFamilies({defaultFont_.family()});
    f.setFontPointSize(defaultFont_.pointSizeF() > 0 ? defaultFont_.pointSizeF() : 11);
    f.setForeground(defaultColor_);
    f.setFontWeight(QFont::Normal);
    f.setFontItalic(false);
    f.setFontUnderline(false);
    f.setFontStrikeOut(false);
    return f;
}

bool DocumentFiles::isModified() const {
    return doc_->isModified();
}

QString DocumentFiles::encodingLabel() const {
    if (DocumentPath::WritesAsRichText(U8(path()))) return {};
    if (textFormat_ == TextEncoding::Format{}) return {};
    QString label = QString::fromLatin1(TextEncoding::Name(textFormat_.encoding));
    if (textFormat_.lineEnd != TextEncoding::LineEnd::CrLf)
        label += QLatin1Char(' ') + QString::fromLatin1(TextEncoding::Name(textFormat_.lineEnd));
    return QStringLiteral(" [") + label + QLatin1Char(']');
}

DocumentFiles::PromptResult DocumentFiles::ModifiedPrompt(PromptKind kind) {
    if (!doc_->isModified()) return PromptResult::Proceed;
    const QString text =
        kind == PromptKind::NewOrClose
            ? QStringLiteral("編集中のファイルは変更されています。\n保存しますか？")
            : QStringLiteral("このファイルは変更されています。\n保存しますか？");
    const auto answer = MessageService::Show(
        dialogParent_, QMessageBox::Information, QStringLiteral("確認"), text,
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Cancel) return PromptResult::Cancelled;
    if (answer == QMessageBox::Yes) {
        // A cancelled dialog or a declined question goes on, as the user chose; a write that
        // failed stops here, so the unsaved text is not thrown away.
        if (SaveAs() == WriteResult::Failed) return PromptResult::Cancelled;
    }
    return PromptResult::Proceed;
}

void DocumentFiles::Clear() {
    doc_->clear();
    QTextCursor c(doc_);
    c.setBlockCharFormat(defaultCharFormat());
    c.setCharFormat(defaultCharFormat());
    doc_->setModified(false);
    textFormat_ = TextEncoding::Format{};
    if (hooks_.clearViews) hooks_.clearViews();
}

void DocumentFiles::NewFile() {
    if (ModifiedPrompt(PromptKind::NewOrClose) == PromptResult::Cancelled) return;
    Clear();
    const std::string folder = DocumentPath::Folder(U8(path()));
    const std::string name = DocumentPath::UntitledName(
        folder.empty() ? U8(QDir::homePath()) : folder, U8(newExt()),
        [](const std::string& p) { return QFileInfo::exists(QString::fromStdString(p)); });
    path() = QString::fromStdString(name);
    emit documentPathChanged(path());
    if (hooks_.showAddress) hooks_.showAddress(path());
    saved().clear();
    doc_->setModified(false);
    if (hooks_.commandEnabling) hooks_.commandEnabling();
}

void DocumentFiles::Open() {
    if (ModifiedPrompt(PromptKind::OpenOrDrop) == PromptResult::Cancelled) return;
    QString folder = QString::fromStdString(DocumentPath::Folder(U8(path())));
    const QString chosen = hooks_.chooseOpenFile ? hooks_.chooseOpenFile(folder) : QString();
    if (chosen.isEmpty()) return;
    Clear();
    path() = chosen;
    emit documentPathChanged(path());
    Load();
}

DocumentFiles::WriteResult DocumentFiles::Save() {
    if (saved().isEmpty()) return SaveAs();
    return SaveWithOverwriteCheck();
}

DocumentFiles::WriteResult DocumentFiles::SaveAs() {
    const QString chosen = hooks_.chooseSaveFile ? hooks_.chooseSaveFile(path()) : QString();
    if (chosen.isEmpty()) return WriteResult::Declined;
    path() = chosen;
    emit documentPathChanged(path());
    return SaveWithOverwriteCheck();
}

DocumentFiles::WriteResult DocumentFiles::SaveWithOverwriteCheck() {
    if (QFileInfo::exists(path()) && path() != saved()) {
        const auto answer = MessageService::Show(
            dialogParent_, QMessageBox::Warning, QStringLiteral("警告"),
            path() + QStringLiteral("\nこのファイルはすでに存在します。\n上書きしますか？"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes) return WriteResult::Declined;
    }
    return Write();
}

void DocumentFiles::Drop(const QStringList& files) {
    if (files.size() != 1) return;
    if (hooks_.raiseWindow) hooks_.raiseWindow();
    if (ModifiedPrompt(PromptKind::OpenOrDrop) == PromptResult::Cancelled) return;
    Clear();
    const QFileInfo info(files.first());
    if (info.isFile()) {
        path() = info.absoluteFilePath();
        emit documentPathChanged(path());
        Load();
    }
}

QString DocumentFiles::LongFormPath(const QString& argument) {
    QString arg = argument;
    while (arg.size() > 1 && arg.endsWith(QLatin1Char('/'))) arg.chop(1);
    const QFileInfo info(QDir::cleanPath(QDir::current().absoluteFilePath(arg)));
    const QString folder = info.absolutePath();
    const QString name = info.fileName();
    if (!QFileInfo(folder).isDir()) return QStringLiteral("ファイルは存在しません。/") + name;
    const QString folderPart =
        folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    if (!info.exists()) return folderPart;
    return folderPart + name;
}

void DocumentFiles::OpenFromCommandLine(const QString& argument) {
    path() = LongFormPath(argument);
    emit documentPathChanged(path());
    if (!Load()) {
        // An empty document under the path given, so the rest of the start-up goes on.
        if (hooks_.showAddress) hooks_.showAddress(path());
        saved() = path();
        doc_->setModified(false);
        if (hooks_.commandEnabling) hooks_.commandEnabling();
    }
}

void DocumentFiles::ShowError(const QString& text) {
    MessageService::Show(dialogParent_, QMessageBox::Critical, QStringLiteral("エラー表示"), text,
                         QMessageBox::Ok, QMessageBox::Ok);
}

bool DocumentFiles::HasUniformFormatting(const QTextDocument* doc) {
    bool first = true;
    QString family;
    qreal size = 0;
    QColor color;
    bool bold = false, italic = false, underline = false, strike = false;
    const QFont docFont = doc->defaultFont();
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment frag = it.fragment();
            if (!frag.isValid() || frag.length() == 0) continue;
            const QTextCharFormat f = frag.charFormat();
            const QFont font = f.font();
            const QString fam = f.hasProperty(QTextFormat::FontFamilies)
                                    ? f.fontFamilies().toStringList().value(0)
                                    : docFont.family();
            const qreal sz = f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize()
                                                                       : docFont.pointSizeF();
            const QColor col = f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color()
                                                                           : QColor(Qt::black);
            const bool bo = font.bold(), it2 = font.italic(), un = font.underline(),
                       st = font.strikeOut();
            if (first) {
                family = fam;
                size = sz;
                color = col;
                bold = bo;
                italic = it2;
                underline = un;
                strike = st;
                first = false;
            } else if (fam != family || sz != size || col != color || bo != bold || it2 != italic ||
                       un != underline || st != strike) {
                return false;
            }
        }
    }
    return true;
}

QString DocumentFiles::PlainText(const QTextDocument* doc) {
    QString text = doc->toRawText();
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == 0x2029 || u == 0x2028)
            out.append(QLatin1Char('\n'));
        else if (u == 0xFFFC)  // an embedded picture: plain text cannot hold it
            continue;
        else
            out.append(c);
    }
    return out;
}

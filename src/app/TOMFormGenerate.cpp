// Vertical HTML and vertical text generation from the window: the dialog of the command, a run
// of the engine over a snapshot of the active view's display lines with the progress window,
// and the delivery of the result (file, browser, clipboard).

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTextDocument>
#include <exception>

#include "app/GeneratedOutput.h"
#include "app/SettingsStore.h"
#include "app/TOMForm.h"
#include "controls/MessageService.h"
#include "controls/TRichEditEx.h"
#include "core/Cp932.h"
#include "core/DocumentPath.h"
#include "rtf/DocumentTateSource.h"
#include "vertical/TateEngine.h"
#include "vertical/TateMessages.h"
#include "vertical/TateSettingsReader.h"
#include "vertical/ui/TCancelForm.h"
#include "vertical/ui/THTMLForm.h"
#include "vertical/ui/TTateTextForm.h"

namespace {
const char* const kCommands[] = {"THTML0", "THTML1", "THTML2", "THTML3", "THTML4", "TateTextM"};
constexpr int kTextMethod = int(TateMethod::Text);
// Events are handled at least this often while a run lays the columns out.
constexpr qint64 kEventIntervalMs = 20;

QString ErrorCaption() {
    return QStringLiteral("エラー表示");
}

// The display lines of a view as it shows them (columns when vertical, wrapped lines when
// horizontal), with every character's attributes. Characters without attributes of their own
// have the document's default font, in black.
TateSource Snapshot(const TRichEditEx& view) {
    const QTextDocument& doc = *view.Document();
    const int lines = view.LineCount();
    std::vector<int> starts;
    starts.reserve(std::size_t(std::max(lines, 0)));
    for (int i = 0; i < lines; ++i) {
        const int byte = view.LineIndex(i);
        if (byte >= 0) starts.push_back(view.PositionOfByte(byte));
    }
    TateFormat base;
    const QFont f = doc.defaultFont();
    base.name = Cp932::ToSjis(f.family().toStdString());
    base.size = f.pointSize() > 0 ? f.pointSize() : 11;
    base.color = clBlack;
    base.style = 0;
    return DocumentTateSource::FromDisplayLines(doc, starts, base);
}

// While a run goes on the main window is disabled and does not close; both come back at every
// ending of the run.
class RunGuard : public QObject {
public:
    RunGuard(TOMForm* form, bool& generating) : form_(form), generating_(generating) {
        generating_ = true;
        form_->setEnabled(false);
        form_->installEventFilter(this);
    }
    ~RunGuard() override {
        form_->removeEventFilter(this);
        form_->setEnabled(true);
        generating_ = false;
    }
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched == form_ && e->type() == QEvent::Close) {
            e->ignore();
            return true;
        }
        return false;
    }

private:
    TOMForm* form_;
    bool& generating_;
};
}  // namespace

void TOMForm::InstallGenerationCommands() {
    for (const char* name : kCommands) {
        const QString sender = QString::fromUtf8(name);
        connect(Command(name), &QAction::triggered, this, [this, sender] { THTML1Click(sender); });
        EnableCommand(sender, true);
    }
    connect(Command("YokoHTMLM"), &QAction::triggered, this, &TOMForm::YokoHTMLMClick);
    EnableCommand(QStringLiteral("YokoHTMLM"), true);
}

int TOMForm::RunGenerationDialog(QDialog& dialog) {
    return generationDialogHook_ ? generationDialogHook_(dialog) : dialog.exec();
}

void TOMForm::GenerationError(const QString& text) {
    MessageService::Show(this, QMessageBox::Critical, ErrorCaption(), text, QMessageBox::Ok);
}

void TOMForm::THTML1Click(const QString& sender) {
    if (generating_ || !active_) return;
    const int method = sender == QLatin1String("TateTextM") ? kTextMethod : sender.right(1).toInt();
    TateSettings settings;
    TateWarnings dialogWarnings;
    QString fileName;
    if (method == kTextMethod) {
        TTateTextForm form(this);
        form.LoadValues(SettingsStore());
        if (RunGenerationDialog(form) != QDialog::Accepted) return;
        settings = TateSettingsReader::FromTextDialog(form.Values());
    } else {
        THTMLForm form(this);
        form.SetUpForMethod(method, active_->Color());
        form.LoadValues(SettingsStore(), addressEdit_ ? addressEdit_->text() : documentPath);
        if (RunGenerationDialog(form) != QDialog::Accepted) return;
        TateHtmlDialogValues values = form.Values();
        values.pageColor = active_->Color();
        settings = TateSettingsReader::FromHtmlDialog(values, method, dialogWarnings);
        fileName = form.FileName();
    }
    RunGeneration(settings, method, fileName, dialogWarnings);
}

void TOMForm::RunGeneration(const TateSettings& settings, int method, const QString& fileName,
                            const TateWarnings& dialogWarnings) {
    TateEngine::Result result;
    {
        RunGuard guard(this, generating_);
        const TateSource source = Snapshot(*active_);
        if (TateEngine::HasLongLine(source)) {
            GenerationError(QString::fromUtf8(TateMessages::kLineTooLong));
            return;
        }
        TCancelForm progress;
        progress.show();
        QApplication::processEvents();
        QElapsedTimer sinceEvents;
        sinceEvents.start();
        auto onColumn = [&](std::size_t done, std::size_t total) {
            if (sinceEvents.elapsed() >= kEventIntervalMs) {
                progress.SetProgress(done, total);
                QApplication::processEvents();
                sinceEvents.restart();
            }
            if (generationProgressHook_) generationProgressHook_(progress, done, total);
            return !progress.Cancelled();
        };
        try {
            result = TateEngine::Run(source, settings, static_cast<TateMethod>(method), onColumn);
        } catch (const std::exception&) {
            result.status = TateEngine::Status::Failed;
            result.error = TateMessages::kLayoutFailed;
        }
        // A close of the progress window after the last column still cancels the run.
        QApplication::processEvents();
        if (progress.Cancelled() && result.status == TateEngine::Status::Completed)
            result.status = TateEngine::Status::Cancelled;
        progress.hide();
    }
    switch (result.status) {
        case TateEngine::Status::Cancelled:
            return;
        case TateEngine::Status::LineTooLong:
            GenerationError(QString::fromUtf8(TateMessages::kLineTooLong));
            return;
        case TateEngine::Status::Failed:
            GenerationError(QString::fromStdString(
                result.error.empty() ? std::string(TateMessages::kLayoutFailed) : result.error));
            return;
        case TateEngine::Status::Completed:
            break;
    }
    // The messages raised while the settings were read and the output written, each once.
    std::vector<std::string> shown;
    auto showOnce = [&](const std::string& m) {
        if (std::find(shown.begin(), shown.end(), m) != shown.end()) return;
        shown.push_back(m);
        MessageService::Show(this, QMessageBox::Information, ApplicationTitle(),
                             QString::fromStdString(m), QMessageBox::Ok);
    };
    for (const std::string& m : dialogWarnings.Messages()) showOnce(m);
    for (const std::string& m : result.warnings) showOnce(m);

    if (method == kTextMethod) {
        GeneratedOutput::ToClipboard(QString::fromStdString(result.unicodeText));
        return;
    }
    DeliverPage(result.output, settings, fileName);
}

bool TOMForm::DeliverPage(const std::string& page, const TateSettings& settings,
                          const QString& fileName) {
    if (settings.toClipboard) {
        GeneratedOutput::ToClipboard(QString::fromStdString(Cp932::ToUtf8(page)));
        return true;
    }
    if (fileName.trimmed().isEmpty()) {
        GenerationError(QStringLiteral("生成するHTMLファイルの名前を指定してください。"));
        return false;
    }
    // The page goes into the document's folder (for an untitled document, the folder of its
    // untitled path).
    const std::string folder = DocumentPath::Folder(documentPath.toStdString());
    const QString path =
        folder.empty() ? fileName
                       : QString::fromStdString(DocumentPath::Join(folder, fileName.toStdString()));
    if (path == documentPath ||
        (!savedPath.isEmpty() && GeneratedOutput::SameFile(path, savedPath))) {
        GenerationError(QStringLiteral("生成するHTMLファイルが文書ファイルと同じです。\n"
                                       "別のファイル名を指定してください。\n%1")
                            .arg(path));
        return false;
    }
    QString error;
    if (!GeneratedOutput::WriteFile(path, page, &error)) {
        GenerationError(error);
        return false;
    }
    if (settings.openInBrowser && !GeneratedOutput::Open(path, openUrlHook_))
        GenerationError(QStringLiteral("ブラウザで開けませんでした。\n%1").arg(path));
    return true;
}

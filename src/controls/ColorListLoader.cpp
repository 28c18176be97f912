#include "controls/ColorListLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "controls/MessageService.h"
#include "controls/TColorLookupComboBox.h"
#include "core/ColorListFile.h"
#include "core/DataLocation.h"
#include "core/FailureReason.h"

namespace {

// Larger files are not colour lists; reading them would only fill the box with rubbish.
constexpr qint64 kMaxListBytes = 16 * 1024 * 1024;

}  // namespace

const char* ColorListLoader::MissingCaption() {
    return "エラー";
}

const char* ColorListLoader::MissingText() {
    return "ColorListが正しくインストールされていません\n"
           "使用に支障が出る可能性があるのでアプリケーションを終了します";
}

QString ColorListLoader::DefaultFolder() {
    const DataLocation location =
        DataLocation::ForProgram(QCoreApplication::applicationDirPath().toStdString());
    return QString::fromStdString(location.DataPath("ColorList")) + QLatin1Char('/');
}

QStringList ColorListLoader::MissingFiles(const QString& folder) {
    QStringList missing;
    const QDir dir(folder);
    for (int type = 0; type < ColorListFile::kFileCount; ++type) {
        const QString name = QString::fromLatin1(ColorListFile::FileNameForType(type));
        if (!QFileInfo(dir.filePath(name)).isFile()) missing << name;
    }
    return missing;
}

ColorListLoader::Result ColorListLoader::Load(TColorLookupComboBox* box, int colorFileType,
                                              const QString& folder, QWidget* parent,
                                              const std::function<void()>& requestClose) {
    const TColor remembered = box->color();

    if (!MissingFiles(folder).isEmpty()) {
        const QMessageBox::StandardButton answer =
            MessageService::Show(parent, QMessageBox::Critical, QString::fromUtf8(MissingCaption()),
                                 QString::fromUtf8(MissingText()),
                                 QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
        if (answer != QMessageBox::Ok) return Result::Cancelled;
        if (requestClose) requestClose();
    }

    Result result = Result::NoFileRead;
    if (const char* name = ColorListFile::FileNameForType(colorFileType)) {
        const QString path = QDir(folder).filePath(QString::fromLatin1(name));
        QFile file(path);
        QByteArray bytes;
        bool ok = file.open(QIODevice::ReadOnly) && file.size() <= kMaxListBytes;
        if (ok) {
            bytes = file.readAll();
            ok = file.error() == QFileDevice::NoError;
        }
        if (!ok) {
            MessageService::Inform(parent, "エラー表示",
                                   QString("カラーリストファイル %1 を読み込めません。\n%2")
                                       .arg(QDir::toNativeSeparators(path),
                                            file.size() > kMaxListBytes
                                                ? QString("ファイルが大きすぎます。")
                                                : QString::fromStdString(FailureReason::Describe(
                                                      file.errorString().toStdString()))),
                                   QMessageBox::Critical);
            return Result::ReadFailed;
        }
        box->setExtendedColorLines(
            ColorListFile::DecodeLines(std::string_view(bytes.constData(), size_t(bytes.size()))));
        box->setBoxWidth(ColorListFile::BoxWidthForType(colorFileType));
        result = Result::Loaded;
    }

    box->setSelection(box->selection() | TColorLookupComboBox::csExtended);
    // The first time may add the colour as a custom colour, the second chooses it.
    box->setColor(remembered);
    box->setColor(remembered);
    return result;
}

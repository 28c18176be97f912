// orimaki-pictures: makes the pictures of the editor's views, dialogs and windows that are kept
// for looking at by eye, as PNG files.
//
//   orimaki-pictures --list              the names of the pictures and what each shows
//   orimaki-pictures OUTDIR [NAME...]    every picture (or the named ones) into OUTDIR
//
// Exit status: 0 done, 1 a picture could not be made or saved, 2 wrong usage.

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <exception>

#include "DialogPictures.h"
#include "DrawingPictures.h"
#include "PictureSandbox.h"
#include "PictureSet.h"
#include "ViewPictures.h"
#include "WindowPictures.h"

namespace {

void Say(FILE* to, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), to);
    std::fputc('\n', to);
    std::fflush(to);
}

const char* const kUsage =
    "使い方 / usage: orimaki-pictures --list\n"
    "                orimaki-pictures OUTDIR [NAME...]\n"
    "OUTDIR に画像（PNG）を書きます。NAME を挙げるとその画像だけを書きます。\n"
    "Writes every picture (or the named ones) into OUTDIR as NAME.png.";

PictureSet AllPictures() {
    PictureSet set;
    ViewPictures::AddTo(set);
    DialogPictures::AddTo(set);
    WindowPictures::AddTo(set);
    DrawingPictures::AddTo(set);
    return set;
}

}  // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    const PictureSet pictures = AllPictures();
    // The list and the usage need no display.
    if (args == QStringList{QStringLiteral("--help")} ||
        args == QStringList{QStringLiteral("-h")}) {
        Say(stdout, QString::fromUtf8(kUsage));
        return 0;
    }
    if (args.contains(QStringLiteral("--list"))) {
        if (args.size() != 1) {
            Say(stderr, QString::fromUtf8(kUsage));
            return 2;
        }
        for (const PictureSet::Entry& e : pictures.Entries())
            Say(stdout, e.name.leftJustified(26) + e.what);
        return 0;
    }
    if (args.isEmpty() || args.first().startsWith(QLatin1Char('-'))) {
        Say(stderr, QString::fromUtf8(kUsage));
        return 2;
    }
    // The folder is taken before the sandbox moves the current folder.
    const QString outDir = QFileInfo(args.takeFirst()).absoluteFilePath();
    std::vector<const PictureSet::Entry*> chosen;
    for (const QString& name : args) {
        const PictureSet::Entry* e = pictures.Find(name);
        if (!e) {
            Say(stderr, QStringLiteral("画像の名前がありません / no picture named %1 "
                                       "(orimaki-pictures --list)")
                            .arg(name));
            return 2;
        }
        chosen.push_back(e);
    }
    if (chosen.empty())
        for (const PictureSet::Entry& e : pictures.Entries()) chosen.push_back(&e);
    // The pictures are made as the window tests run: in the same locale (the default fonts
    // follow it), with a command name the main window does not have stopping at once.
    qputenv("LC_ALL", "C.UTF-8");
    qputenv("ORIMAKI_STRICT_NAMES", "1");
    QApplication app(argc, argv);
    if (!QDir().mkpath(outDir)) {
        Say(stderr, QStringLiteral("フォルダを作成できません / cannot create %1").arg(outDir));
        return 1;
    }

    PictureSandbox sandbox;
    if (!sandbox.IsValid()) {
        Say(stderr, QStringLiteral("一時フォルダを作成できません / no temporary folder"));
        return 1;
    }
    int status = 0;
    for (const PictureSet::Entry* e : chosen) {
        const QString file = QDir(outDir).filePath(e->name + QStringLiteral(".png"));
        sandbox.Reset();
        try {
            const QImage image = e->make();
            if (!image.save(file, "PNG")) {
                Say(stderr, QStringLiteral("保存できません / cannot save %1").arg(file));
                status = 1;
                continue;
            }
            Say(stdout, file);
        } catch (const std::exception& ex) {
            Say(stderr, QStringLiteral("画像を作成できません / cannot make %1: %2")
                            .arg(e->name, QString::fromUtf8(ex.what())));
            status = 1;
        }
    }
    return status;
}

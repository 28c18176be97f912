// Orimaki: the editor's start. The first argument, if any, names a document to open.

#include <QApplication>
#include <cstdio>
#include <cstring>
#include <memory>

#include "app/OrimakiStartup.h"
#include "app/TOMForm.h"

int main(int argc, char** argv) {
    // Answered before any window system is needed.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("orimaki " ORIMAKI_VERSION "\n");
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(ORIMAKI_VERSION));
    QStringList args = QApplication::arguments();
    args.removeFirst();
    std::unique_ptr<TOMForm> form(OrimakiStartup::Start(args));
    return app.exec();
}

// Orimaki: the editor's start. The first argument, if any, names a document to open.

#include <QApplication>
#include <memory>

#include "app/OrimakiStartup.h"
#include "app/TOMForm.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStringList args = QApplication::arguments();
    args.removeFirst();
    std::unique_ptr<TOMForm> form(OrimakiStartup::Start(args));
    return app.exec();
}

#include "rtf/GuiEnvironment.h"

#include <QGuiApplication>
#include <QString>
#include <cstdlib>

namespace {

QtMessageHandler previousHandler = nullptr;

// While the hidden application starts, Qt notes on standard error that a session without
// XDG_RUNTIME_DIR (a console login, a container) falls back to a folder of its own. The tool
// works the same either way, so that note is left out; every other message goes through.
void QuietStartHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    if (previousHandler) previousHandler(type, context, text);
}

}  // namespace

void GuiEnvironment::EnsureGuiApplication() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "orimaki";
    static char* argv[] = {name, nullptr};
    previousHandler = qInstallMessageHandler(QuietStartHandler);
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
    qInstallMessageHandler(previousHandler);
}

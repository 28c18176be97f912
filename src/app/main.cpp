#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle(QStringLiteral("オリマキ"));
    w.resize(780, 600);
    w.show();
    return app.exec();
}

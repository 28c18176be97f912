#pragma once
// Every message box of the program goes through here, so that tests can answer the questions
// and read what was said. Without a responder the real modal QMessageBox is shown.

#include <QMessageBox>
#include <QString>
#include <QVector>
#include <functional>

class MessageService {
public:
    struct Record {
        QMessageBox::Icon icon;
        QString caption;
        QString text;
        QMessageBox::StandardButtons buttons;
    };
    using Responder = std::function<QMessageBox::StandardButton(const Record&)>;

    // Shows a modal box and returns the button pressed.
    static QMessageBox::StandardButton Show(
        QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text,
        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    // Shorthand for an OK box.
    static void Inform(QWidget* parent, const QString& caption, const QString& text,
                       QMessageBox::Icon icon = QMessageBox::Information);

    // Tests: answer every box with the responder instead of showing it (empty: show again).
    static void SetResponder(Responder responder);
    // Tests: answer the next boxes with these buttons, in order; after them, the responder.
    static void QueueAnswers(const QVector<QMessageBox::StandardButton>& answers);
    static const QVector<Record>& History();
    // Whether a window that stays on top is shown now: a box then stays on top as well.
    static bool OnTopWindowShown();
    static void ClearHistory();
};

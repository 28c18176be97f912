#include "controls/MessageService.h"

#include <QApplication>

namespace {
struct State {
    MessageService::Responder responder;
    QVector<QMessageBox::StandardButton> queued;
    QVector<MessageService::Record> history;
};
State& state() {
    static State s;
    return s;
}
}  // namespace

bool MessageService::OnTopWindowShown() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && (w->windowFlags() & Qt::WindowStaysOnTopHint)) return true;
    return false;
}

QMessageBox::StandardButton MessageService::Show(QWidget* parent, QMessageBox::Icon icon,
                                                 const QString& caption, const QString& text,
                                                 QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton) {
    State& s = state();
    Record rec{icon, caption, text, buttons};
    s.history.push_back(rec);
    if (!s.queued.isEmpty()) return s.queued.takeFirst();
    if (s.responder) return s.responder(rec);
    QMessageBox box(icon, caption, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
    // A box asked for while a window that stays on top is shown (the splash at start-up, the
    // find dialog) would open behind it, out of reach of the user it is waiting for.
    if (OnTopWindowShown()) box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void MessageService::Inform(QWidget* parent, const QString& caption, const QString& text,
                            QMessageBox::Icon icon) {
    Show(parent, icon, caption, text, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageService::SetResponder(Responder responder) {
    state().responder = std::move(responder);
}

void MessageService::QueueAnswers(const QVector<QMessageBox::StandardButton>& answers) {
    state().queued += answers;
}

const QVector<MessageService::Record>& MessageService::History() {
    return state().history;
}

void MessageService::ClearHistory() {
    state().history.clear();
}

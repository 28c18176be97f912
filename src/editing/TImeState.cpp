#include "editing/TImeState.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QTimer>

namespace {
const QString kService = QStringLiteral("org.fcitx.Fcitx5");
const QString kPath = QStringLiteral("/controller");
const QString kInterface = QStringLiteral("org.fcitx.Fcitx.Controller1");
constexpr int kActive = 2;  // the controller's State: 0 closed, 1 inactive, 2 active
}  // namespace

TImeState::TImeState(QObject* parent) : QObject(parent) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    hasFramework_ = bus.isConnected() && bus.interface() &&
                    bus.interface()->isServiceRegistered(kService).value();
    if (!hasFramework_) return;
    poll_ = new QTimer(this);
    poll_->setInterval(1000);
    connect(poll_, &QTimer::timeout, this, &TImeState::Refresh);
    poll_->start();
    Refresh();
}

QString TImeState::PanelText(bool open) {
    return open ? QStringLiteral("IME:ON") : QStringLiteral("IME:OFF");
}

void TImeState::SetComposing(bool composing) {
    const bool was = Open();
    composing_ = composing;
    if (Open() != was) emit Changed(Open());
}

void TImeState::SetFrameworkOpen(bool open) {
    const bool was = Open();
    frameworkOpen_ = open;
    if (Open() != was) emit Changed(Open());
}

void TImeState::Refresh() {
    if (!hasFramework_ || asking_) return;
    asking_ = true;
    QDBusMessage m =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("State"));
    auto* watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(m, 500), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        asking_ = false;
        QDBusPendingReply<int> reply = *w;
        // A framework that went away counts as closed.
        SetFrameworkOpen(!reply.isError() && reply.value() == kActive);
        w->deleteLater();
    });
}

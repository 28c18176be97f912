#pragma once
// Whether the input method is open (converting into Japanese) for the program's windows, for
// the status bar's "IME:ON" / "IME:OFF".
//
// Qt tells a program what an input method composes, not whether it is switched on. The input
// method frameworks do: Fcitx 5 answers on the session bus (its controller's State: 2 when the
// input method is active). The answer is asked for without waiting, after keys and focus
// changes and every second; Changed() is emitted when it differs from the last. Without such a
// framework the input method counts as open while it composes.

#include <QObject>

class QTimer;

class TImeState : public QObject {
    Q_OBJECT
public:
    explicit TImeState(QObject* parent = nullptr);

    // The last state known: the framework's answer, or a composition in progress.
    bool Open() const { return frameworkOpen_ || composing_; }
    // A composition started or ended (the window sees the input method's events).
    void SetComposing(bool composing);
    // Asks the framework again (a key was released, the focus moved).
    void Refresh();
    // The panel text for a state.
    static QString PanelText(bool open);

signals:
    void Changed(bool open);

private:
    void SetFrameworkOpen(bool open);

    bool frameworkOpen_ = false;
    bool composing_ = false;
    bool asking_ = false;
    bool hasFramework_ = false;
    QTimer* poll_ = nullptr;
};

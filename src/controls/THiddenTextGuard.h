#pragma once
// Keeps a QTextEdit's caret on caret stops around hidden text and gives it the typing format
// of TextRunRules: arrow keys pass a hidden stretch and the visible character after it in one
// press, a click beside hidden text puts the caret before it, Delete removes the next visible
// character rather than hidden ones, and typed text is never hidden and does not lengthen a
// ruby word it follows. The document's formats and undo stack are not touched by moving.

#include <QObject>
#include <QPointer>

class QTextEdit;

class THiddenTextGuard : public QObject {
    Q_OBJECT
public:
    explicit THiddenTextGuard(QTextEdit* edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnCursorMoved();

    QPointer<QTextEdit> m_edit;
    int m_last = 0;  // where the caret was before it moved
    bool m_mouse = false;
    bool m_busy = false;
};

#include "controls/THiddenTextGuard.h"

#include <QKeyEvent>
#include <QTextEdit>

#include "controls/TextRunRules.h"

THiddenTextGuard::THiddenTextGuard(QTextEdit* edit) : QObject(edit), m_edit(edit) {
    edit->installEventFilter(this);
    edit->viewport()->installEventFilter(this);
    connect(edit, &QTextEdit::cursorPositionChanged, this, &THiddenTextGuard::OnCursorMoved);
}

void THiddenTextGuard::OnCursorMoved() {
    if (m_busy || !m_edit) return;
    QTextCursor c = m_edit->textCursor();
    const int stop = TextRunRules::CaretStop(c.document(), c.position(), m_mouse ? -1 : m_last);
    if (stop != c.position()) {
        m_busy = true;
        c.setPosition(stop, c.hasSelection() ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor);
        m_edit->setTextCursor(c);
        m_busy = false;
    }
    m_last = stop;
    c = m_edit->textCursor();
    bool changed = false;
    const QTextCharFormat f = TextRunRules::TypingFormat(c, &changed);
    if (changed && !c.hasSelection()) {
        m_busy = true;
        m_edit->setCurrentCharFormat(f);
        m_busy = false;
    }
}

bool THiddenTextGuard::eventFilter(QObject* watched, QEvent* event) {
    if (!m_edit) return false;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (watched == m_edit->viewport()) m_mouse = true;
            break;
        case QEvent::MouseButtonRelease:
            if (watched == m_edit->viewport()) m_mouse = false;
            break;
        case QEvent::KeyPress: {
            if (watched != m_edit || m_edit->isReadOnly()) break;
            auto* ke = static_cast<QKeyEvent*>(event);
            const Qt::KeyboardModifiers mods = ke->modifiers() & ~Qt::KeypadModifier;
            QTextCursor c = m_edit->textCursor();
            if (ke->key() == Qt::Key_Delete && mods == Qt::NoModifier && !c.hasSelection() &&
                TextRunRules::IsHiddenAt(c.document(), c.position())) {
                TextRunRules::DeleteForward(c);
                m_edit->ensureCursorVisible();
                return true;
            }
            break;
        }
        default:
            break;
    }
    return false;
}

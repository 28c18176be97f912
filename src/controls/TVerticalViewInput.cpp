// Keys, mouse, wheel and input-method composition of the vertical view.

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethod>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QWheelEvent>
#include <cmath>

#include "controls/TVerticalView.h"
#include "controls/TextRunRules.h"
#include "controls/VerticalTextRules.h"

namespace {

using ColumnRef = TVerticalLayout::ColumnRef;

// The column next to c: dir +1 is the next column (to the left), -1 the previous one.
ColumnRef Neighbour(TVerticalLayout& layout, const ColumnRef& c, int dir) {
    ColumnRef r;
    if (!c.valid()) return r;
    int block = c.block;
    int column = c.column + dir;
    if (column < 0) {
        if (--block < 0) return r;
        column = static_cast<int>(layout.Paragraph(block).columns.size()) - 1;
    } else if (column >= static_cast<int>(layout.Paragraph(block).columns.size())) {
        if (++block >= layout.BlockCount()) return r;
        column = 0;
    }
    const TVerticalParagraph& p = layout.Paragraph(block);
    r.block = block;
    r.column = column;
    r.global = c.global + dir;
    r.offset = layout.BlockOffset(block) + p.columns[static_cast<size_t>(column)].offset;
    r.width = p.columns[static_cast<size_t>(column)].width;
    return r;
}

// Moves a cursor that arrived from `from` onto a caret stop (past hidden text).
void Settle(QTextCursor& cursor, int from, QTextCursor::MoveMode mode) {
    const int stop = TextRunRules::CaretStop(cursor.document(), cursor.position(), from);
    if (stop != cursor.position()) cursor.setPosition(stop, mode);
}

bool IsLastColumn(TVerticalLayout& layout, const ColumnRef& c) {
    return c.column + 1 == static_cast<int>(layout.Paragraph(c.block).columns.size());
}

}  // namespace

void TVerticalView::MoveToColumn(int dir, QTextCursor::MoveMode mode) {
    const ColumnRef here = CaretColumn();
    if (!here.valid()) return;
    if (m_preferredY < 0) m_preferredY = m_layout->CaretY(here, m_cursor.position());
    const ColumnRef there = Neighbour(*m_layout, here, dir);
    if (!there.valid()) return;
    bool atEnd = false;
    const int pos = m_layout->HitTest(there, m_preferredY, &atEnd);
    const bool hadSel = m_cursor.hasSelection();
    m_cursor.setPosition(pos, mode);
    Settle(m_cursor, -1, mode);
    m_atColumnEnd = atEnd;
    CursorMoved(true);
    if (hadSel || m_cursor.hasSelection()) emit SelectionChanged();
}

bool TVerticalView::HandleMoveKey(QKeyEvent* e) {
    const bool shift = e->modifiers() & Qt::ShiftModifier;
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    const QTextCursor::MoveMode mode = shift ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor;
    const bool hadSel = m_cursor.hasSelection();
    auto finish = [&](bool keepY = false) {
        CursorMoved(keepY);
        if (hadSel || m_cursor.hasSelection()) emit SelectionChanged();
        return true;
    };
    switch (e->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down: {
            const bool up = e->key() == Qt::Key_Up;
            const int from = m_cursor.position();
            if (ctrl) {
                m_cursor.movePosition(up ? QTextCursor::PreviousWord : QTextCursor::NextWord, mode);
                Settle(m_cursor, -1, mode);
                m_atColumnEnd = false;
                return finish();
            }
            if (!shift && hadSel) {
                // A selection collapses to its end in the direction of the key.
                m_cursor.setPosition(up ? m_cursor.selectionStart() : m_cursor.selectionEnd());
                m_atColumnEnd = false;
                return finish();
            }
            if (!up && m_atColumnEnd) {
                // From the foot of a column down to the head of the next: same position.
                m_atColumnEnd = false;
                return finish();
            }
            m_cursor.movePosition(up ? QTextCursor::PreviousCharacter : QTextCursor::NextCharacter,
                                  mode);
            Settle(m_cursor, from, mode);
            m_atColumnEnd = false;
            return finish();
        }
        case Qt::Key_Left:
        case Qt::Key_Right:
            if (ctrl) return false;
            MoveToColumn(e->key() == Qt::Key_Left ? +1 : -1, mode);
            return true;
        case Qt::Key_Home:
        case Qt::Key_End: {
            const bool home = e->key() == Qt::Key_Home;
            if (ctrl) {
                m_cursor.movePosition(home ? QTextCursor::Start : QTextCursor::End, mode);
                m_atColumnEnd = false;
                return finish();
            }
            const ColumnRef c = CaretColumn();
            if (!c.valid()) return true;
            if (home) {
                m_cursor.setPosition(m_layout->ColumnStart(c), mode);
                m_atColumnEnd = false;
            } else {
                const int end = m_layout->ColumnEnd(c);
                m_cursor.setPosition(end, mode);
                Settle(m_cursor, -1, mode);
                m_atColumnEnd = !IsLastColumn(*m_layout, c) && end == m_layout->ColumnEnd(c) &&
                                m_layout->ColumnOfPosition(end, false, false).column != c.column;
            }
            return finish();
        }
        case Qt::Key_PageUp:
        case Qt::Key_PageDown: {
            // A screen of columns: Page Down goes on to the left, Page Up back to the right.
            const int dir = e->key() == Qt::Key_PageDown ? +1 : -1;
            const qreal page = std::max<qreal>(1, viewport()->width() - 2 * kPadding);
            ColumnRef c = CaretColumn();
            if (!c.valid()) return true;
            if (m_preferredY < 0) m_preferredY = m_layout->CaretY(c, m_cursor.position());
            qreal moved = 0;
            while (moved + c.width <= page) {
                const ColumnRef n = Neighbour(*m_layout, c, dir);
                if (!n.valid()) break;
                moved += c.width;
                c = n;
            }
            SetOffset(m_offset + dir * moved);
            bool atEnd = false;
            m_cursor.setPosition(m_layout->HitTest(c, m_preferredY, &atEnd), mode);
            Settle(m_cursor, -1, mode);
            m_atColumnEnd = atEnd;
            return finish(true);
        }
        default:
            return false;
    }
}

void TVerticalView::InsertTyped(const QString& text) {
    TextRunRules::PrepareTyping(m_cursor);
    if (m_overwrite && !m_cursor.hasSelection()) {
        // Overwrite replaces as many characters as are typed, never the paragraph end. The
        // typed text takes the format before the caret, as when inserting, not the format of
        // the characters it replaces.
        QTextCharFormat format = m_cursor.charFormat();
        format.clearProperty(QTextFormat::ObjectType);
        for (int i = 0; i < text.size() && !m_cursor.atBlockEnd(); ++i) {
            if (text.at(i).isLowSurrogate()) continue;
            m_cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
        }
        m_cursor.insertText(text, format);
    } else {
        m_cursor.insertText(text);
    }
    m_atColumnEnd = false;
}

bool TVerticalView::HandleEditKey(QKeyEvent* e) {
    const bool hadSel = m_cursor.hasSelection();
    auto finish = [&] {
        m_atColumnEnd = false;
        CursorMoved();
        if (hadSel || m_cursor.hasSelection()) emit SelectionChanged();
        return true;
    };
    if (e == QKeySequence::Copy) {
        Copy();
        return true;
    }
    if (e == QKeySequence::SelectAll) {
        SelectAll();
        return true;
    }
    if (m_readOnly) return false;
    if (e == QKeySequence::Cut) {
        Cut();
        return true;
    }
    if (e == QKeySequence::Paste) {
        Paste();
        return true;
    }
    if (e == QKeySequence::Undo) {
        m_doc->undo(&m_cursor);
        return finish();
    }
    if (e == QKeySequence::Redo) {
        m_doc->redo(&m_cursor);
        return finish();
    }
    const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
    switch (e->key()) {
        case Qt::Key_Backspace:
            if (hadSel)
                m_cursor.removeSelectedText();
            else
                m_cursor.deletePreviousChar();
            return finish();
        case Qt::Key_Delete:
            if (mods & ~Qt::ShiftModifier) return false;
            TextRunRules::DeleteForward(m_cursor);
            return finish();
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (mods & Qt::ShiftModifier)
                m_cursor.insertText(QString(QChar::LineSeparator));
            else
                m_cursor.insertBlock();
            return finish();
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            // Shift+Tab types a Tab too: the focus never leaves the text by Tab.
            if (mods & ~Qt::ShiftModifier) return false;
            InsertTyped(QStringLiteral("\t"));
            return finish();
        case Qt::Key_Insert:
            if (mods != Qt::NoModifier) return false;
            SetOverwriteMode(!m_overwrite);
            return true;
        default:
            break;
    }
    const QString t = e->text();
    if (!t.isEmpty() && !(mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
        (t.at(0).isPrint() || t.at(0).isSurrogate() || t.at(0) == QChar(0x3000))) {
        InsertTyped(t);
        return finish();
    }
    return false;
}

void TVerticalView::keyPressEvent(QKeyEvent* e) {
    if (!m_doc || !m_layout) {
        e->ignore();
        return;
    }
    if (HandleMoveKey(e) || HandleEditKey(e)) {
        e->accept();
        return;
    }
    e->ignore();
}

// ---- clipboard ----

void TVerticalView::Copy() {
    if (!m_cursor.hasSelection()) return;
    const QTextDocumentFragment frag = m_cursor.selection();
    auto* data = new QMimeData;
    QString text = frag.toPlainText();
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    data->setText(text);
    data->setHtml(frag.toHtml());
    QGuiApplication::clipboard()->setMimeData(data);
}

void TVerticalView::Cut() {
    if (m_readOnly || !m_cursor.hasSelection()) return;
    Copy();
    m_cursor.removeSelectedText();
    m_atColumnEnd = false;
    CursorMoved();
    emit SelectionChanged();
}

void TVerticalView::Paste() {
    if (m_readOnly) return;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data) return;
    const bool hadSel = m_cursor.hasSelection();
    if (data->hasHtml())
        m_cursor.insertFragment(QTextDocumentFragment::fromHtml(data->html(), m_doc));
    else if (data->hasText())
        m_cursor.insertText(data->text());
    else
        return;
    m_atColumnEnd = false;
    CursorMoved();
    if (hadSel) emit SelectionChanged();
}

void TVerticalView::SelectAll() {
    if (!m_doc) return;
    m_cursor.select(QTextCursor::Document);
    m_atColumnEnd = false;
    CursorMoved();
    emit SelectionChanged();
}

// ---- mouse ----

void TVerticalView::SelectColumnsTo(const ColumnRef& c) {
    if (!c.valid()) return;
    const int start = m_layout->ColumnStart(c);
    int end = m_layout->ColumnEnd(c);
    // A whole last column takes its paragraph end with it.
    if (IsLastColumn(*m_layout, c) && end + 1 < m_doc->characterCount()) ++end;
    if (start >= m_columnDragAnchor) {
        m_cursor.setPosition(m_columnDragAnchor);
        m_cursor.setPosition(end, QTextCursor::KeepAnchor);
    } else {
        m_cursor.setPosition(m_columnDragAnchorEnd);
        m_cursor.setPosition(start, QTextCursor::KeepAnchor);
    }
    m_atColumnEnd = false;
}

void TVerticalView::mousePressEvent(QMouseEvent* e) {
    if (!m_layout || e->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(e);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const bool shift = e->modifiers() & Qt::ShiftModifier;
    const QPoint p = e->position().toPoint();
    if (p.y() < m_barHeight) {
        // The selection bar above the columns selects whole columns.
        const ColumnRef c = ColumnAtX(p.x());
        if (!c.valid()) return;
        m_columnDrag = true;
        if (!shift || !m_cursor.hasSelection()) {
            m_columnDragAnchor = m_layout->ColumnStart(c);
            int end = m_layout->ColumnEnd(c);
            if (IsLastColumn(*m_layout, c) && end + 1 < m_doc->characterCount()) ++end;
            m_columnDragAnchorEnd = end;
        }
        SelectColumnsTo(c);
    } else {
        bool atEnd = false;
        const int pos = HitTest(p, &atEnd);
        m_cursor.setPosition(pos, shift ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor);
        m_atColumnEnd = atEnd;
        m_dragging = true;
    }
    CursorMoved();
    emit SelectionChanged();
    e->accept();
}

void TVerticalView::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    if (!(e->buttons() & Qt::LeftButton)) {
        viewport()->setCursor(p.y() < m_barHeight ? Qt::ArrowCursor : Qt::IBeamCursor);
        return;
    }
    if (!m_layout || !(m_dragging || m_columnDrag)) return;
    DragTo(p);
    m_dragPoint = p;
    if (p.x() < 0 || p.x() >= viewport()->width())
        m_autoScroll.start(50, this);
    else
        m_autoScroll.stop();
}

void TVerticalView::DragTo(const QPoint& p) {
    if (m_columnDrag) {
        SelectColumnsTo(ColumnAtX(p.x()));
    } else {
        bool atEnd = false;
        const int pos = HitTest(p, &atEnd);
        m_cursor.setPosition(pos, QTextCursor::KeepAnchor);
        m_atColumnEnd = atEnd;
    }
    CursorMoved();
    emit SelectionChanged();
}

void TVerticalView::AutoScrollStep() {
    if (!m_layout || !(m_dragging || m_columnDrag)) {
        m_autoScroll.stop();
        return;
    }
    // A column a step: beyond the left edge on through the text, beyond the right back.
    const qreal pitch = m_layout->DefaultPitch();
    SetOffset(m_offset + (m_dragPoint.x() < 0 ? pitch : -pitch));
    const int x = std::clamp(m_dragPoint.x(), kPadding, viewport()->width() - kPadding - 1);
    DragTo(QPoint(x, m_dragPoint.y()));
}

void TVerticalView::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && (m_dragging || m_columnDrag)) {
        m_autoScroll.stop();
        m_dragging = false;
        m_columnDrag = false;
        QClipboard* cb = QGuiApplication::clipboard();
        if (cb->supportsSelection() && m_cursor.hasSelection())
            cb->setText(
                m_cursor.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n')),
                QClipboard::Selection);
        return;
    }
    QAbstractScrollArea::mouseReleaseEvent(e);
}

void TVerticalView::mouseDoubleClickEvent(QMouseEvent* e) {
    if (!m_layout || e->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseDoubleClickEvent(e);
        return;
    }
    const QPoint p = e->position().toPoint();
    if (p.y() < m_barHeight) {
        mousePressEvent(e);
        return;
    }
    // The word of the character under the pointer, even where the pointer is nearer the place
    // after it.
    const int pos = CharacterAt(p);
    const QTextBlock b = m_doc->findBlock(pos);
    const auto range = VerticalTextRules::WordRange(b.text(), pos - b.position());
    m_cursor.setPosition(b.position() + range.first);
    m_cursor.setPosition(b.position() + range.second, QTextCursor::KeepAnchor);
    m_atColumnEnd = false;
    m_dragging = false;
    CursorMoved();
    emit SelectionChanged();
    e->accept();
}

void TVerticalView::wheelEvent(QWheelEvent* e) {
    if (!m_layout) return;
    // Turning the wheel towards the user goes on through the text, to the left.
    const QPoint pixels = e->pixelDelta();
    const QPoint angle = e->angleDelta();
    qreal dx;
    if (!pixels.isNull())
        dx = -(pixels.y() != 0 ? pixels.y() : -pixels.x());
    else
        dx = -(angle.y() != 0 ? angle.y() : -angle.x()) / 120.0 * 3 * m_layout->DefaultPitch();
    SetOffset(m_offset + dx);
    e->accept();
}

// ---- input method ----

void TVerticalView::UpdatePreedit() {
    if (!m_layout) return;
    m_layout->SetPreedit(m_cursor.position(), m_preedit, m_preeditFormats);
    UpdateScrollBars();
}

void TVerticalView::inputMethodEvent(QInputMethodEvent* e) {
    if (!m_doc || m_readOnly) {
        e->ignore();
        return;
    }
    const bool hadSel = m_cursor.hasSelection();
    const QString commit = e->commitString();
    if (!commit.isEmpty() || e->replacementLength() > 0) {
        m_cursor.beginEditBlock();
        if (e->replacementLength() > 0 && !hadSel) {
            const int at = m_cursor.position() + e->replacementStart();
            m_cursor.setPosition(std::max(0, at));
            m_cursor.setPosition(std::min(at + e->replacementLength(), m_doc->characterCount() - 1),
                                 QTextCursor::KeepAnchor);
        }
        if (!commit.isEmpty())
            InsertTyped(commit);
        else
            m_cursor.removeSelectedText();
        m_cursor.endEditBlock();
    }
    const QString pre = e->preeditString();
    if (!pre.isEmpty() && m_cursor.hasSelection()) m_cursor.removeSelectedText();
    m_preedit = pre;
    m_preeditCursor = static_cast<int>(pre.size());
    m_preeditFormats.clear();
    for (const QInputMethodEvent::Attribute& a : e->attributes()) {
        if (a.type == QInputMethodEvent::Cursor)
            m_preeditCursor = std::clamp(a.start, 0, static_cast<int>(pre.size()));
        if (a.type == QInputMethodEvent::TextFormat && a.length > 0) {
            const QTextCharFormat f = a.value.value<QTextFormat>().toCharFormat();
            if (f.isValid()) m_preeditFormats.push_back({a.start, a.length, f});
        }
    }
    UpdatePreedit();
    m_atColumnEnd = false;
    CursorMoved();
    if (hadSel || m_cursor.hasSelection()) emit SelectionChanged();
    e->accept();
}

QVariant TVerticalView::inputMethodQuery(Qt::InputMethodQuery query) const {
    auto* self = const_cast<TVerticalView*>(this);
    if (!m_doc) return QAbstractScrollArea::inputMethodQuery(query);
    const QTextBlock block = m_cursor.block();
    switch (query) {
        case Qt::ImEnabled:
            return !m_readOnly;
        case Qt::ImCursorRectangle: {
            const QRect caret = self->CaretRect();
            if (m_preedit.isEmpty() || caret.isNull())
                return QRectF(caret.translated(viewport()->pos()));
            // While composing, the whole column of the composition: the input method opens its
            // candidate list outside it, not over the text being converted.
            const QRect column(caret.left(), static_cast<int>(TextTop()), caret.width(),
                               static_cast<int>(std::ceil(m_layout->ColumnHeight())));
            return QRectF(column.translated(viewport()->pos()));
        }
        case Qt::ImFont: {
            QFont f = m_cursor.charFormat().font().resolve(m_doc->defaultFont());
            f.setFamily(TVerticalFontCache::ResolveFamily(f.family()));
            return f;
        }
        case Qt::ImCursorPosition:
            return m_cursor.position() - block.position();
        case Qt::ImAnchorPosition:
            return std::clamp(m_cursor.anchor() - block.position(), 0, block.length() - 1);
        case Qt::ImAbsolutePosition:
            return m_cursor.position();
        case Qt::ImSurroundingText:
            return block.text();
        case Qt::ImCurrentSelection:
            return m_cursor.selectedText();
        case Qt::ImHints:
            return static_cast<int>(Qt::ImhMultiLine);
        case Qt::ImMaximumTextLength:
            return QVariant();
        default:
            return QAbstractScrollArea::inputMethodQuery(query);
    }
}

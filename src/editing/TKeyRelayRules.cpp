#include "editing/TKeyRelayRules.h"

#include <Qt>

#include "editing/TEditKind.h"

namespace {
bool IsNavigation(int key) {
    switch (key) {
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_End:
        case Qt::Key_Home:
        case Qt::Key_Left:
        case Qt::Key_Up:
        case Qt::Key_Right:
        case Qt::Key_Down:
            return true;
        default:
            return false;
    }
}

bool IsFindKey(int key) {
    return key == Qt::Key_F3 || key == Qt::Key_F4;
}
}  // namespace

bool TKeyRelayRules::IsCommandLetter(int key) {
    if (key == Qt::Key_Tab) return true;
    if (key < Qt::Key_A || key > Qt::Key_Z) return false;
    switch (key) {
        case Qt::Key_E:
        case Qt::Key_G:
        case Qt::Key_J:
        case Qt::Key_Q:
        case Qt::Key_W:
            return false;
        default:
            return true;
    }
}

bool TKeyRelayRules::IsModifier(int key) {
    switch (key) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_Super_L:
        case Qt::Key_Super_R:
        case Qt::Key_Hyper_L:
        case Qt::Key_Hyper_R:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
        case Qt::Key_ScrollLock:
            return true;
        default:
            return false;
    }
}

TKeyRelayRules::Step TKeyRelayRules::KeyDown(int key, bool ctrl, bool composing) {
    Step s;
    switch (key) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            s.editKind = TEditKind::Deletion;
            s.stateRefresh = true;
            s.followFormats = true;
            return s;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            s.editKind = TEditKind::LineBreak;
            s.stateRefresh = true;
            return s;
        case Qt::Key_Insert:
            s.toggleInsert = true;
            return s;
        default:
            break;
    }
    if (IsNavigation(key)) {
        s.editKind = TEditKind::Caret;
        s.selectionRefresh = true;
        return s;
    }
    if (IsModifier(key) || IsFindKey(key)) return s;
    if (IsCommandLetter(key) && ctrl) return s;  // the command changes the document itself
    if (composing) return s;                     // the input method has the key
    s.editKind = TEditKind::Typing;
    s.stateRefresh = true;
    return s;
}

TKeyRelayRules::Step TKeyRelayRules::KeyUp(int key, bool ctrl, bool composing) {
    Step s;
    if (composing || IsModifier(key) || IsFindKey(key)) return s;
    if (IsNavigation(key)) {
        s.selectionRefresh = true;
        return s;
    }
    if (IsCommandLetter(key) && ctrl) return s;
    s.stateRefresh = true;
    return s;
}

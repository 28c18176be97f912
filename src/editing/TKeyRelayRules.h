#pragma once
// What the key relay does with a key that reaches the active view: the edit kind it notes before
// the key is delivered, and the refreshes it runs once the key has done its work. Both views show
// one document, so nothing is ever sent on to the other view; a key that changes the text is
// followed by the state refresh instead.
//
// Keys are Qt key codes; ctrl is whether Ctrl is held, composing whether the input method is in
// the middle of a composition.

class TKeyRelayRules {
public:
    struct Step {
        int editKind = -1;              // noted before the key is delivered; -1: none
        bool selectionRefresh = false;  // the caret moved
        bool stateRefresh = false;      // the text changed (in both views at once)
        bool followFormats = false;     // the format boxes follow the selection again
        bool toggleInsert = false;      // insert and overwrite switch
        bool operator==(const Step& o) const {
            return editKind == o.editKind && selectionRefresh == o.selectionRefresh &&
                   stateRefresh == o.stateRefresh && followFormats == o.followFormats &&
                   toggleInsert == o.toggleInsert;
        }
    };

    static Step KeyDown(int key, bool ctrl, bool composing);
    static Step KeyUp(int key, bool ctrl, bool composing);

    // Keys whose Ctrl combination is a command of the window (Tab and the letters A B C D F H I
    // K L M N O P R S T U V X Y Z): held with Ctrl they are left to the command.
    static bool IsCommandLetter(int key);
    // Shift, Ctrl, Alt, the logo keys and the lock keys: they change no text.
    static bool IsModifier(int key);
};

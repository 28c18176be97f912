#pragma once
// Pictures of dialogs on their own: the find dialog in its two layouts, the vertical HTML dialog
// (its three pages, the font switches, method four), the vertical text dialog and the cancel
// box of a generation under way.

class PictureSet;

class DialogPictures {
public:
    static void AddTo(PictureSet& set);
};

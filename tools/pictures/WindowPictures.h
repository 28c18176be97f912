#pragma once
// Pictures of the main window: the ruler over horizontal lines and beside vertical columns, the
// find dialog on a found word, the text image the window copies, and the print preview.

class PictureSet;

class WindowPictures {
public:
    static void AddTo(PictureSet& set);
};

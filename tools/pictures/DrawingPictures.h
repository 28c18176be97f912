#pragma once
// Pictures of formats set through the main window's commands: the vertical view's columns with
// underline, strike-out, a raised and a lowered baseline, alignment and a bullet; the window
// around the last; and an RTF saved with bold, colour, size, centring and a bullet as
// LibreOffice shows it.

class PictureSet;

class DrawingPictures {
public:
    static void AddTo(PictureSet& set);
};

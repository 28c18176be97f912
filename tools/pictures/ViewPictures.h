#pragma once
// Pictures of the two views on their own: ruby and hidden text in both, and the vertical view
// with the novel's first page, a passage of mixed characters with a selection, an input
// method's composition, character and paragraph formats, and the typesetting cases.

class PictureSet;

class ViewPictures {
public:
    static void AddTo(PictureSet& set);
};

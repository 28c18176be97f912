#pragma once
// The numbers between the ruler and the paragraph indents, free of any window.
//
// The ruler keeps three marker positions in pixels along its scale: the first-line marker, the
// left marker (where the lines after the first begin) and the right marker, measured from the
// ruler's origin; its client width is the length of the scale. A paragraph keeps its indents
// in points: the first-line indent, the left indent counted from the first-line indent, and
// the right indent. One point is 4/3 ruler pixels; every conversion cuts toward zero.
//
// The markers are drawn a little inside the text: a first-line indent of 0 shows at 2 pixels
// and a right indent of 0 at 14 pixels before the end of the scale.

struct TRulerPositions {
    int first = 0;
    int left = 0;
    int right = 0;
};

struct TRulerIndents {
    double first = 0;  // points from the text's start to the first line
    double left = 0;   // points from the first-line indent to the other lines
    double right = 0;  // points from the text's end
};

class TRulerRules {
public:
    // The markers a drag may end: first-line marker, left marker, right marker, and the left
    // marker's foot, which moves the first-line and the left marker together.
    enum Marker { FirstMarker = 0, LeftMarker = 1, RightMarker = 2, BothMarker = 3 };

    // The markers of a paragraph.
    static TRulerPositions FromParagraph(const TRulerIndents& indents, int clientWidth);

    // What the end of a drag of marker m changes: the fields of `current` (the paragraph's
    // indents before the drag) that the marker sets, the others unchanged.
    //   left marker:  left  = trunc(ruler left / (4/3)) - the current first-line indent
    //   right marker: right = trunc((client width - ruler right - 10) / (4/3))
    //   first marker, both: first = trunc(ruler first / (4/3)),
    //                       left  = trunc(ruler left / (4/3)) - that first-line indent
    static TRulerIndents ToParagraph(int marker, const TRulerPositions& ruler, int clientWidth,
                                     const TRulerIndents& current);
    // Which indents a marker sets (TParaAttributes field bits are not known here).
    static bool SetsFirst(int marker) { return marker == FirstMarker || marker == BothMarker; }
    static bool SetsLeft(int marker) { return marker != RightMarker; }
    static bool SetsRight(int marker) { return marker == RightMarker; }

    // Lining the ruler up with the text: the origin that shows a first-line indent of 0 at the
    // text's start, and the client width that shows a right indent of 0 at the text's end
    // (`textEnd` measured from that origin).
    static int OriginForTextStart(int textStart);
    static int ClientWidthForTextEnd(int textEnd);

    // trunc(points * 4/3) and trunc(pixels / (4/3)), cutting toward zero; points that are a
    // rounding error away from a whole number count as that number.
    static int PointsToPixels(double points);
    static int PixelsToPoints(int pixels);
};

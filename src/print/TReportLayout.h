#pragma once
// Where the text goes on a printed page. The page holds one band inside its margins and the band
// one text element; both follow from the page size and margins the printer holds:
//   band height   = page length - (top + bottom margin) - 10
//   band width    = page width  - (left + right margin) - 10
//   element       = at 5, 5 in the band, 3 smaller than the band each way
// All in millimetres. A4 with margins of 10 gives a band of 267 x 180 and an element of
// 264 x 177 (height x width).

struct TReportLayout {
    double bandHeight = 0;
    double bandWidth = 0;
    double elementLeft = 0;  // from the band's left edge
    double elementTop = 0;   // from the band's top edge
    double elementHeight = 0;
    double elementWidth = 0;

    static TReportLayout FromPage(double pageLength, double pageWidth, double topMargin,
                                  double bottomMargin, double leftMargin, double rightMargin);
    // The element's place on the page: the band starts at the top-left margin.
    double ElementPageLeft(double leftMargin) const { return leftMargin + elementLeft; }
    double ElementPageTop(double topMargin) const { return topMargin + elementTop; }
    // Whether there is room left for any text (a page smaller than its margins has none).
    bool Usable() const { return elementHeight > 1 && elementWidth > 1; }
};

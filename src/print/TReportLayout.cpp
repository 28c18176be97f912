#include "print/TReportLayout.h"

TReportLayout TReportLayout::FromPage(double pageLength, double pageWidth, double topMargin,
                                      double bottomMargin, double leftMargin, double rightMargin) {
    TReportLayout r;
    r.bandHeight = pageLength - (topMargin + bottomMargin) - 10;
    r.bandWidth = pageWidth - (leftMargin + rightMargin) - 10;
    r.elementLeft = 5;
    r.elementTop = 5;
    r.elementHeight = r.bandHeight - 3;
    r.elementWidth = r.bandWidth - 3;
    return r;
}

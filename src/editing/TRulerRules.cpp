#include "editing/TRulerRules.h"

#include <cmath>

namespace {
// Indents come from the document in pixels and back as points: 12 points may read 11.9999999.
constexpr double kNearWhole = 1e-6;

int Trunc(double v) {
    const double r = std::round(v);
    if (std::abs(v - r) < kNearWhole) return static_cast<int>(r);
    return static_cast<int>(std::trunc(v));
}
}  // namespace

int TRulerRules::PointsToPixels(double points) {
    return Trunc(points * 4.0 / 3.0);
}

int TRulerRules::PixelsToPoints(int pixels) {
    // Integer division cuts toward zero.
    return pixels * 3 / 4;
}

TRulerPositions TRulerRules::FromParagraph(const TRulerIndents& p, int clientWidth) {
    TRulerPositions r;
    r.first = PointsToPixels(p.first) + 2;
    r.left = PointsToPixels(p.left + p.first) + 2;
    r.right = clientWidth - PointsToPixels(p.right + 6) - 6;
    return r;
}

TRulerIndents TRulerRules::ToParagraph(int marker, const TRulerPositions& ruler, int clientWidth,
                                       const TRulerIndents& current) {
    TRulerIndents p = current;
    switch (marker) {
        case LeftMarker:
            p.left = PixelsToPoints(ruler.left) - current.first;
            break;
        case RightMarker:
            p.right = PixelsToPoints(clientWidth - ruler.right - 10);
            break;
        case FirstMarker:
        case BothMarker:
            p.first = PixelsToPoints(ruler.first);
            p.left = PixelsToPoints(ruler.left) - p.first;
            break;
        default:
            break;
    }
    return p;
}

int TRulerRules::OriginForTextStart(int textStart) {
    return textStart - FromParagraph({}, 0).first;
}

int TRulerRules::ClientWidthForTextEnd(int textEnd) {
    return textEnd - FromParagraph({}, 0).right;
}

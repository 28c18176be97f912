#include "controls/RubyLayoutRules.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace RubyLayoutRules {

Options ParseOptions(const QString& options, qreal basePoints) {
    Options o;
    static const QRegularExpression jc(QStringLiteral("\\\\*\\*\\s*jc\\s*(\\d+)"));
    static const QRegularExpression hps(QStringLiteral("\\\\*\\*\\s*hps\\s*(\\d+)"));
    const QRegularExpressionMatch j = jc.match(options);
    if (j.hasMatch()) {
        switch (j.captured(1).toInt()) {
            case 0:
                o.align = Align::Centre;
                break;
            case 1:
                o.align = Align::Distribute;
                break;
            case 3:
                o.align = Align::Start;
                break;
            case 4:
                o.align = Align::End;
                break;
            default:
                o.align = Align::Spread;
                break;
        }
    }
    const QRegularExpressionMatch h = hps.match(options);
    if (h.hasMatch() && basePoints > 0) {
        const qreal points = h.captured(1).toInt() / 2.0;
        if (points > 0)
            o.sizeRatio = std::clamp(points / basePoints, kSmallestRatio, kLargestRatio);
    }
    return o;
}

std::vector<qreal> Place(qreal baseLength, const std::vector<qreal>& advances, Align align) {
    std::vector<qreal> out(advances.size());
    if (advances.empty()) return out;
    const qreal total = std::accumulate(advances.begin(), advances.end(), qreal(0));
    const qreal extra = baseLength - total;
    const int n = static_cast<int>(advances.size());
    qreal start = 0;
    qreal gap = 0;
    if (extra <= 0) {
        start = extra / 2;
    } else {
        switch (align) {
            case Align::Centre:
                start = extra / 2;
                break;
            case Align::Distribute:
                if (n == 1)
                    start = extra / 2;
                else
                    gap = extra / (n - 1);
                break;
            case Align::Spread:
                gap = extra / n;
                start = gap / 2;
                break;
            case Align::Start:
                break;
            case Align::End:
                start = extra;
                break;
        }
    }
    qreal x = start;
    for (int i = 0; i < n; ++i) {
        out[static_cast<size_t>(i)] = x;
        x += advances[static_cast<size_t>(i)] + gap;
    }
    return out;
}

std::pair<int, int> SplitReading(int readingCount, int baseCount, int baseFirst, int baseLast) {
    if (baseCount <= 0 || readingCount <= 0) return {0, 0};
    auto at = [&](int base) {
        return static_cast<int>(std::lround(static_cast<double>(base) * readingCount / baseCount));
    };
    return {std::clamp(at(baseFirst), 0, readingCount), std::clamp(at(baseLast), 0, readingCount)};
}

}  // namespace RubyLayoutRules

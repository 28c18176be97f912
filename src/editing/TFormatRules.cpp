#include "editing/TFormatRules.h"

#include <QtCore/qnamespace.h>

#include <QtGlobal>

#include "controls/TSjisByteIndex.h"

std::optional<int> TFormatRules::ParseSize(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return std::nullopt;
    int i = 0;
    if (t[0] == QLatin1Char('+') || t[0] == QLatin1Char('-')) i = 1;
    if (i >= t.size()) return std::nullopt;
    for (int k = i; k < t.size(); ++k)
        if (t[k] < QLatin1Char('0') || t[k] > QLatin1Char('9')) return std::nullopt;
    bool ok = false;
    const int value = t.toInt(&ok, 10);
    if (!ok) return std::nullopt;
    return value;
}

QString TFormatRules::SizeText(double points) {
    return QString::number(qRound(points));
}

unsigned TFormatRules::StyleField(int style) {
    switch (style) {
        case 0:
            return TCharAttributes::Bold;
        case 1:
            return TCharAttributes::Italic;
        case 2:
            return TCharAttributes::Underline;
        case 3:
            return TCharAttributes::StrikeOut;
        default:
            return 0;
    }
}

namespace {
bool& StyleFlag(TCharAttributes& a, int style) {
    switch (style) {
        case 1:
            return a.italic;
        case 2:
            return a.underline;
        case 3:
            return a.strikeOut;
        default:
            return a.bold;
    }
}
}  // namespace

TFormatRules::ButtonState TFormatRules::StyleState(const TCharAttributes& selection, int style) {
    if (!(selection.uniform & StyleField(style))) return ButtonState::Indeterminate;
    TCharAttributes a = selection;
    return StyleFlag(a, style) ? ButtonState::Down : ButtonState::Up;
}

TCharAttributes TFormatRules::ToggledStyles(const TCharAttributes& selection, int style,
                                            bool down) {
    TCharAttributes a = selection;
    StyleFlag(a, style) = down;
    a.uniform = kStyleMask;
    return a;
}

int TFormatRules::PointsFromTwips(int twips) {
    // Integer division truncates toward zero: -30 twips is -1 point.
    return qBound(kBaselineMin, twips / 20, kBaselineMax);
}

TFormatRules::BaselineKey TFormatRules::BaselineKeyAction(int qtKey, bool keypad) {
    switch (qtKey) {
        case Qt::Key_Up:
            return BaselineKey::StepUp;
        case Qt::Key_Down:
            return BaselineKey::StepDown;
        case Qt::Key_PageUp:
            return BaselineKey::PageUp;
        case Qt::Key_PageDown:
            return BaselineKey::PageDown;
        case Qt::Key_Left:
            return BaselineKey::Left;
        case Qt::Key_Right:
            return BaselineKey::Right;
        case Qt::Key_0:
            return keypad ? BaselineKey::Reset : BaselineKey::ToView;
        case Qt::Key_Insert:
            // The keypad's 0 with Num Lock off.
            return keypad ? BaselineKey::Reset : BaselineKey::ToView;
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_Meta:
        case Qt::Key_AltGr:
        case Qt::Key_NumLock:
            return BaselineKey::None;
        default:
            return BaselineKey::ToView;
    }
}

std::vector<TFormatRules::SjisRun> TFormatRules::SjisRuns(QStringView text) {
    std::vector<SjisRun> runs;
    int pos = 0;
    for (const QChar ch : text) {
        const int bytes = TSjisByteIndex::UnitBytes(ch.unicode());
        if (bytes == 0) continue;  // the second half of a surrogate pair
        const bool dbl = bytes == 2;
        if (runs.empty() || runs.back().doubleByte != dbl)
            runs.push_back({pos, bytes, dbl});
        else
            runs.back().length += bytes;
        pos += bytes;
    }
    return runs;
}

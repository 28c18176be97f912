#include "rtf/ListNumbering.h"

#include <QTextListFormat>

#include "rtf/TextProperties.h"

namespace {

// Katakana in the order of the syllabary table (46) and of the iroha poem (47).
const char16_t kAiueo[] =
    u"アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワヲン";
const char16_t kIroha[] =
    u"イロハニホヘトチリヌルヲワカヨタレソツネナラムウヰノオクヤマケフコエテアサキユメミシヱヒモセ"
    u"ス";
const char16_t kHalfAiueo[] = u"ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜｦﾝ";
const char16_t kHalfIroha[] = u"ｲﾛﾊﾆﾎﾍﾄﾁﾘﾇﾙｦﾜｶﾖﾀﾚｿﾂﾈﾅﾗﾑｳｲﾉｵｸﾔﾏｹﾌｺｴﾃｱｻｷﾕﾒﾐｼｴﾋﾓｾｽ";

// The n-th (from 1) of a cycle of characters; past the end the character doubles (ア … ン,
// アア …), as Word and LibreOffice count.
QString FromCycle(const char16_t* chars, int count, int n) {
    const int i = (n - 1) % count;
    const int times = (n - 1) / count + 1;
    return QString(times, QChar(chars[i]));
}

QString Roman(int n, bool upper) {
    if (n <= 0 || n >= 4000) return QString::number(n);
    static const struct {
        int value;
        const char* text;
    } kParts[] = {{1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"},
                  {90, "xc"},  {50, "l"},   {40, "xl"}, {10, "x"},   {9, "ix"},
                  {5, "v"},    {4, "iv"},   {1, "i"}};
    QString s;
    for (const auto& p : kParts)
        while (n >= p.value) {
            s += QLatin1String(p.text);
            n -= p.value;
        }
    return upper ? s.toUpper() : s;
}

QString Letter(int n, bool upper) {
    if (n <= 0) return QString::number(n);
    const QChar c = QChar((upper ? 'A' : 'a') + (n - 1) % 26);
    return QString((n - 1) / 26 + 1, c);
}

QString CircledNumber(int n) {
    if (n >= 1 && n <= 20) return QString(QChar(0x2460 + n - 1));
    if (n >= 21 && n <= 35) return QString(QChar(0x3251 + n - 21));
    if (n >= 36 && n <= 50) return QString(QChar(0x32B1 + n - 36));
    return QString::number(n);
}

QTextListFormat::Style QtStyleOf(const ListNumbering& n) {
    switch (n.nfc) {
        case ListNumbering::UpperRoman:
            return QTextListFormat::ListUpperRoman;
        case ListNumbering::LowerRoman:
            return QTextListFormat::ListLowerRoman;
        case ListNumbering::UpperLetter:
            return QTextListFormat::ListUpperAlpha;
        case ListNumbering::LowerLetter:
            return QTextListFormat::ListLowerAlpha;
        case ListNumbering::Bullet:
            if (n.levelText == QStringLiteral("▪") || n.levelText == QStringLiteral("■"))
                return QTextListFormat::ListSquare;
            if (n.levelText == QStringLiteral("○") || n.levelText == QStringLiteral("◦") ||
                n.levelText == QStringLiteral("o"))
                return QTextListFormat::ListCircle;
            return QTextListFormat::ListDisc;
        case ListNumbering::NoLabel:
            return QTextListFormat::ListStyleUndefined;
        default:
            return QTextListFormat::ListDecimal;
    }
}

}  // namespace

QString ListNumbering::DefaultText(int nfc, int level) {
    if (nfc == Bullet) return QStringLiteral("•");
    if (nfc == NoLabel) return QString();
    return QStringLiteral("%") + QString::number(level + 1) + QStringLiteral(".");
}

void ListNumbering::ApplyTo(QTextListFormat& format, int level) const {
    format.setStyle(QtStyleOf(*this));
    format.setIndent(level + 1);
    if (!IsBullet() && nfc != NoLabel) {
        // Qt draws one number with a prefix and a suffix: the text around this level's own
        // number in the template.
        const QString own = QStringLiteral("%") + QString::number(level + 1);
        const int at = int(levelText.indexOf(own));
        QString prefix = at >= 0 ? levelText.left(at) : QString();
        QString suffix = at >= 0 ? levelText.mid(at + own.size()) : QString();
        prefix.replace(QStringLiteral("%%"), QStringLiteral("%"));
        suffix.replace(QStringLiteral("%%"), QStringLiteral("%"));
        format.setNumberPrefix(prefix);
        format.setNumberSuffix(suffix);
    }
    format.setProperty(TextProperties::ListNumberFormatProperty, nfc);
    format.setProperty(TextProperties::ListLevelTextProperty, levelText);
    if (start != 1)
        format.setProperty(TextProperties::ListStartProperty, start);
    else
        format.clearProperty(TextProperties::ListStartProperty);
}

ListNumbering ListNumbering::FromFormat(const QTextListFormat& format) {
    ListNumbering n;
    const int level = std::max(0, std::min(format.indent() - 1, 8));
    if (format.hasProperty(TextProperties::ListNumberFormatProperty)) {
        n.nfc = format.intProperty(TextProperties::ListNumberFormatProperty);
        n.levelText = format.stringProperty(TextProperties::ListLevelTextProperty);
        if (format.hasProperty(TextProperties::ListStartProperty))
            n.start = format.intProperty(TextProperties::ListStartProperty);
        if (QtStyleOf(n) == format.style()) return n;
        n = ListNumbering{};  // the style was changed since: it holds
    }
    switch (format.style()) {
        case QTextListFormat::ListDisc:
            n.nfc = Bullet;
            n.levelText = QStringLiteral("•");
            return n;
        case QTextListFormat::ListCircle:
            n.nfc = Bullet;
            n.levelText = QStringLiteral("◦");
            return n;
        case QTextListFormat::ListSquare:
            n.nfc = Bullet;
            n.levelText = QStringLiteral("▪");
            return n;
        case QTextListFormat::ListLowerAlpha:
            n.nfc = LowerLetter;
            break;
        case QTextListFormat::ListUpperAlpha:
            n.nfc = UpperLetter;
            break;
        case QTextListFormat::ListLowerRoman:
            n.nfc = LowerRoman;
            break;
        case QTextListFormat::ListUpperRoman:
            n.nfc = UpperRoman;
            break;
        case QTextListFormat::ListStyleUndefined:
            n.nfc = NoLabel;
            n.levelText.clear();
            return n;
        default:
            n.nfc = Decimal;
            break;
    }
    // Qt's own label: prefix, number, suffix ("." unless a suffix is set).
    QString prefix = format.numberPrefix();
    QString suffix = format.hasProperty(QTextFormat::ListNumberSuffix) ? format.numberSuffix()
                                                                       : QStringLiteral(".");
    prefix.replace(QStringLiteral("%"), QStringLiteral("%%"));
    suffix.replace(QStringLiteral("%"), QStringLiteral("%%"));
    n.levelText = prefix + QStringLiteral("%") + QString::number(level + 1) + suffix;
    return n;
}

QString ListNumbering::Number(int nfc, int n) {
    switch (nfc) {
        case UpperRoman:
            return Roman(n, true);
        case LowerRoman:
            return Roman(n, false);
        case UpperLetter:
            return Letter(n, true);
        case LowerLetter:
            return Letter(n, false);
        case HalfKatakanaAiueo:
            return n > 0 ? FromCycle(kHalfAiueo, 46, n) : QString::number(n);
        case HalfKatakanaIroha:
            return n > 0 ? FromCycle(kHalfIroha, 47, n) : QString::number(n);
        case KatakanaAiueo:
            return n > 0 ? FromCycle(kAiueo, 46, n) : QString::number(n);
        case KatakanaIroha:
            return n > 0 ? FromCycle(kIroha, 47, n) : QString::number(n);
        case Circled:
            return CircledNumber(n);
        case DecimalZero:
            return n >= 0 && n < 10 ? QStringLiteral("0") + QString::number(n) : QString::number(n);
        case Bullet:
        case NoLabel:
            return QString();
        default:
            return QString::number(n);
    }
}

QString ListNumbering::Label(const std::vector<int>& numbers, const std::vector<int>& kinds) const {
    if (IsBullet()) return levelText;
    QString out;
    for (qsizetype i = 0; i < levelText.size(); ++i) {
        const QChar c = levelText.at(i);
        if (c == QLatin1Char('%') && i + 1 < levelText.size()) {
            const QChar d = levelText.at(i + 1);
            ++i;
            if (d == QLatin1Char('%')) {
                out += QLatin1Char('%');
            } else if (d >= QLatin1Char('1') && d <= QLatin1Char('9')) {
                const std::size_t k = std::size_t(d.unicode() - '1');
                const int number = k < numbers.size() ? numbers[k] : 1;
                out += Number(k < kinds.size() ? kinds[k] : Decimal, number);
            }
            continue;
        }
        out += c;
    }
    return out;
}

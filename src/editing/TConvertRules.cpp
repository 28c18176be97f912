#include "editing/TConvertRules.h"

#include <QSet>
#include <string>

#include "core/CharCount.h"
#include "core/Cp932.h"
#include "core/HenkanJ.h"

namespace {

std::string Apply(TConvertRules::Conversion c, std::string_view sjis) {
    using C = TConvertRules::Conversion;
    switch (c) {
        case C::ToHankaku:
            return ZenToHan(sjis);
        case C::ToZenkaku:
            return HanToZen(sjis);
        case C::KanaToZen:
            return HanKanaToZen(sjis);
        case C::ToUpper:
            return SjisToUpper(sjis);
        case C::ToLower:
            return SjisToLower(sjis);
        case C::LineEnds:
            return RestoreLineEnds(sjis);
    }
    return std::string(sjis);
}

QString ConvertMappable(TConvertRules::Conversion c, const QString& text) {
    if (text.isEmpty()) return text;
    const std::string sjis = Cp932::ToSjis(text.toStdString());
    return QString::fromStdString(Cp932::ToUtf8(Apply(c, sjis)));
}

}  // namespace

std::optional<TConvertRules::Conversion> TConvertRules::FromCommand(const QString& name) {
    static const struct {
        const char* name;
        Conversion conversion;
    } kCommands[] = {
        {"ToHankakuM", Conversion::ToHankaku}, {"ToZenkakuM", Conversion::ToZenkaku},
        {"KanaToZenM", Conversion::KanaToZen}, {"ToUpperM", Conversion::ToUpper},
        {"ToLowerM", Conversion::ToLower},     {"CRLFM", Conversion::LineEnds},
    };
    for (const auto& k : kCommands)
        if (name == QLatin1String(k.name)) return k.conversion;
    return std::nullopt;
}

QString TConvertRules::Convert(Conversion c, const QString& text) {
    const Cp932::EncodeResult enc = Cp932::Encode(text.toStdString());
    if (enc.ok()) return QString::fromStdString(Cp932::ToUtf8(Apply(c, enc.bytes)));
    // Convert the stretches between the characters the code page cannot hold.
    QSet<char32_t> foreign;
    for (char32_t u : enc.unmappable) foreign.insert(u);
    QString out;
    QString stretch;
    for (char32_t u : text.toUcs4()) {
        const QString ch = QString::fromUcs4(&u, 1);
        if (foreign.contains(u)) {
            out += ConvertMappable(c, stretch) + ch;
            stretch.clear();
        } else {
            stretch += ch;
        }
    }
    return out + ConvertMappable(c, stretch);
}

QString TConvertRules::FormatQuestion() {
    return QStringLiteral(
        "変換を行うと書式情報\n『フォント名、サイズ、色、スタイルなど』\nが失われてしまいます。\n"
        "よろしいですか？");
}

int TConvertRules::Count(const QString& selText) {
    return static_cast<int>(CharCount::Count(Cp932::ToSjis(selText.toStdString())));
}

QString TConvertRules::CountMessage(const QString& selText) {
    const int n = Count(selText);
    if (n == 0) return QStringLiteral("文字が選択されていません。\n選択してください。");
    return QStringLiteral("選択範囲の文字数は『") + QString::number(n) +
           QStringLiteral("文字』です。\n参考にしてください。");
}

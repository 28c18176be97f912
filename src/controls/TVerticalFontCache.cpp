#include "controls/TVerticalFontCache.h"

#include <fontconfig/fontconfig.h>
#include <hb.h>

#include <QFontDatabase>
#include <cmath>

namespace {

// Points to pixels at the resolution the document is laid out in (as QTextDocument does).
constexpr qreal kDpi = 96.0;

// Japanese families tried, in this order, when a named font is missing or lacks a character.
const char* const kJapaneseFallbacks[] = {
    "IPAGothic",         "IPAPGothic",           "IPAMincho", "IPAPMincho", "Noto Sans CJK JP",
    "Noto Serif CJK JP", "Noto Sans Mono CJK JP"};

bool Installed(const QString& family) {
    static QHash<QString, bool> known;
    auto it = known.constFind(family);
    if (it != known.constEnd()) return *it;
    const bool has = QFontDatabase::families().contains(family, Qt::CaseInsensitive);
    known.insert(family, has);
    return has;
}

QString FirstInstalled(std::initializer_list<const char*> names) {
    for (const char* n : names) {
        if (Installed(QString::fromUtf8(n))) return QString::fromUtf8(n);
    }
    return QString();
}

// The family fontconfig offers to draw c in place of `family`: the first of its sorted
// candidates whose character set has c (a colour font of the "emoji" family for emoji). Empty
// when no installed font has it.
QString FontconfigFamilyFor(const QString& family, char32_t c, bool emoji) {
    if (!FcInit()) return QString();
    FcPattern* pattern = FcPatternCreate();
    const QByteArray name = emoji ? QByteArray("emoji") : family.toUtf8();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.constData()));
    if (emoji) FcPatternAddBool(pattern, FC_COLOR, FcTrue);
    FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>("ja"));
    FcCharSet* wanted = FcCharSetCreate();
    FcCharSetAddChar(wanted, static_cast<FcChar32>(c));
    FcPatternAddCharSet(pattern, FC_CHARSET, wanted);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcFontSet* fonts = FcFontSort(nullptr, pattern, FcFalse, nullptr, &result);
    QString found;
    for (int i = 0; fonts && i < fonts->nfont && found.isEmpty(); ++i) {
        FcCharSet* has = nullptr;
        FcChar8* fam = nullptr;
        if (FcPatternGetCharSet(fonts->fonts[i], FC_CHARSET, 0, &has) == FcResultMatch &&
            FcCharSetHasChar(has, static_cast<FcChar32>(c)) &&
            FcPatternGetString(fonts->fonts[i], FC_FAMILY, 0, &fam) == FcResultMatch)
            found = QString::fromUtf8(reinterpret_cast<const char*>(fam));
    }
    if (fonts) FcFontSetDestroy(fonts);
    FcCharSetDestroy(wanted);
    FcPatternDestroy(pattern);
    return found;
}

hb_blob_t* DestroyableBlob(QByteArray* data) {
    return hb_blob_create(data->constData(), static_cast<unsigned>(data->size()),
                          HB_MEMORY_MODE_READONLY, data,
                          [](void* p) { delete static_cast<QByteArray*>(p); });
}

}  // namespace

struct TVerticalFontCache::FaceEntry {
    QRawFont raw;  // any size: the tables do not depend on it
    hb_face_t* face = nullptr;
};

TVerticalFontCache::TVerticalFontCache() = default;

TVerticalFontCache::~TVerticalFontCache() {
    for (auto& f : m_fonts) hb_font_destroy(f->hb);
    for (FaceEntry* e : std::as_const(m_faces)) {
        hb_face_destroy(e->face);
        delete e;
    }
}

QString TVerticalFontCache::ResolveFamily(const QString& family) {
    static QHash<QString, QString> resolved;
    auto it = resolved.constFind(family);
    if (it != resolved.constEnd()) return *it;

    QString result;
    if (!family.isEmpty() && Installed(family)) {
        result = family;
    } else {
        for (const QString& s : QFont::substitutes(family)) {
            if (Installed(s)) {
                result = s;
                break;
            }
        }
    }
    if (result.isEmpty()) {
        // The Windows Japanese fonts by their look: proportional or fixed, gothic or mincho.
        const QString f = family.normalized(QString::NormalizationForm_KC).toLower();
        const bool mincho = f.contains(QStringLiteral("明朝")) ||
                            f.contains(QStringLiteral("mincho")) ||
                            f.contains(QStringLiteral("serif"));
        const bool proportional = f.contains(QStringLiteral("ms p")) ||
                                  f.contains(QStringLiteral("msp")) ||
                                  f.contains(QStringLiteral("ui gothic"));
        if (mincho)
            result = proportional
                         ? FirstInstalled({"IPAPMincho", "IPAMincho", "Noto Serif CJK JP"})
                         : FirstInstalled({"IPAMincho", "IPAPMincho", "Noto Serif CJK JP"});
        else
            result = proportional ? FirstInstalled({"IPAPGothic", "IPAGothic", "Noto Sans CJK JP"})
                                  : FirstInstalled({"IPAGothic", "IPAPGothic", "Noto Sans CJK JP"});
        if (result.isEmpty()) result = family;
    }
    resolved.insert(family, result);
    return result;
}

int TVerticalFontCache::FontFor(const QTextCharFormat& format, const QFont& base) {
    const QFont f = format.font().resolve(base);
    qreal px = f.pixelSize() > 0 ? f.pixelSize() : f.pointSizeF() * kDpi / 72.0;
    if (!(px > 0)) px = 16;
    const QString key = f.key() + QLatin1Char('|') + QString::number(px);
    auto it = m_formatIndex.constFind(key);
    if (it != m_formatIndex.constEnd()) return *it;
    const int index = FontForResolved(ResolveFamily(f.family()), px, f.bold(), f.italic());
    m_formatIndex.insert(key, index);
    return index;
}

int TVerticalFontCache::FontForResolved(const QString& family, qreal pixelSize, bool bold,
                                        bool italic) {
    const QString key = family + QLatin1Char('|') + QString::number(pixelSize) +
                        (bold ? QLatin1String("|b") : QLatin1String("|")) +
                        (italic ? QLatin1String("i") : QLatin1String(""));
    auto it = m_fontIndex.constFind(key);
    if (it != m_fontIndex.constEnd()) return *it;

    QFont qf(family);
    qf.setWeight(bold ? QFont::Bold : QFont::Normal);
    qf.setItalic(italic);
    qf.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    auto font = std::make_unique<Font>();
    font->raw = QRawFont::fromFont(qf);
    if (!font->raw.isValid()) font->raw = QRawFont::fromFont(qf, QFontDatabase::Japanese);
    font->raw.setPixelSize(pixelSize);
    font->pixelSize = pixelSize;
    font->ascent = font->raw.ascent();
    font->descent = font->raw.descent();
    font->family = font->raw.familyName();
    font->bold = bold;
    // A face without a bold or italic style of its own is made bold or slanted when drawn; the
    // style name of the face file tells which it is.
    const QString styleName = font->raw.styleName().toLower();
    font->syntheticBold = bold && !styleName.contains(QLatin1String("bold")) &&
                          !styleName.contains(QLatin1String("black")) &&
                          !styleName.contains(QLatin1String("heavy"));
    font->italic = italic;
    font->syntheticItalic = italic && !styleName.contains(QLatin1String("italic")) &&
                            !styleName.contains(QLatin1String("oblique"));
    font->hb = hb_font_create(FaceFor(font->raw));
    const int scale = static_cast<int>(std::lround(pixelSize * 64));
    hb_font_set_scale(font->hb, scale, scale);

    const int index = static_cast<int>(m_fonts.size());
    m_fonts.push_back(std::move(font));
    m_fontIndex.insert(key, index);
    return index;
}

hb_face_t* TVerticalFontCache::FaceFor(const QRawFont& raw) {
    const QString key = raw.familyName() + QLatin1Char('|') + raw.styleName();
    auto it = m_faces.constFind(key);
    if (it != m_faces.constEnd()) return (*it)->face;
    auto* entry = new FaceEntry;
    entry->raw = raw;
    entry->face = hb_face_create_for_tables(
        [](hb_face_t*, hb_tag_t tag, void* user) -> hb_blob_t* {
            if (tag == 0) return hb_blob_get_empty();
            char name[5] = {};
            hb_tag_to_string(tag, name);
            auto* data = new QByteArray(static_cast<FaceEntry*>(user)->raw.fontTable(name));
            if (data->isEmpty()) {
                delete data;
                return hb_blob_get_empty();
            }
            return DestroyableBlob(data);
        },
        entry, nullptr);
    m_faces.insert(key, entry);
    return entry->face;
}

bool TVerticalFontCache::HasCharacter(int fontIndex, char32_t c) const {
    hb_codepoint_t glyph = 0;
    return hb_font_get_nominal_glyph(At(fontIndex).hb, c, &glyph) && glyph != 0;
}

int TVerticalFontCache::FontWithCharacter(int fontIndex, char32_t c, bool emoji) {
    if (!emoji && HasCharacter(fontIndex, c)) return fontIndex;
    const quint64 key = (static_cast<quint64>(fontIndex) << 33) |
                        (static_cast<quint64>(emoji) << 32) | static_cast<quint64>(c);
    auto it = m_fallback.constFind(key);
    if (it != m_fallback.constEnd()) return *it;
    const Font& f = At(fontIndex);
    const qreal px = f.pixelSize;
    const bool bold = f.bold, italic = f.italic;
    const QString baseFamily = f.family;
    auto tryFamily = [&](const QString& family) {
        if (family.isEmpty() || !Installed(family)) return -1;
        const int candidate = FontForResolved(family, px, bold, italic);
        return HasCharacter(candidate, c) ? candidate : -1;
    };
    int result = -1;
    // Emoji in the colour emoji font when one is installed; then the font itself, the
    // Japanese fonts, and whatever installed font fontconfig offers for the character.
    if (emoji) result = tryFamily(FontconfigFamilyFor(baseFamily, c, true));
    if (result < 0 && HasCharacter(fontIndex, c)) result = fontIndex;
    for (const char* name : kJapaneseFallbacks) {
        if (result >= 0) break;
        result = tryFamily(QString::fromUtf8(name));
    }
    if (result < 0) result = tryFamily(FontconfigFamilyFor(baseFamily, c, false));
    if (result < 0) result = fontIndex;  // nothing has it: the font's own missing glyph
    m_fallback.insert(key, result);
    return result;
}

#pragma once
// Fonts of the vertical view: a format's font resolved to an installed face (Japanese names
// that are missing here, such as "ＭＳ Ｐゴシック", fall back to installed Japanese fonts),
// one HarfBuzz face per face and one HarfBuzz font per size, all kept for the life of the cache.

#include <QFont>
#include <QHash>
#include <QRawFont>
#include <QString>
#include <QTextCharFormat>
#include <memory>
#include <vector>

struct hb_face_t;
struct hb_font_t;

class TVerticalFontCache {
public:
    struct Font {
        QRawFont raw;
        hb_font_t* hb = nullptr;  // scaled to 1/64 pixel
        qreal pixelSize = 0;
        qreal ascent = 0;
        qreal descent = 0;
        bool bold = false;           // asked for bold
        bool syntheticBold = false;  // the face has no bold: drawn twice, a hair apart
        bool italic = false;
        bool syntheticItalic = false;  // the face has no italic: drawn slanted
        QString family;
    };

    TVerticalFontCache();
    ~TVerticalFontCache();
    TVerticalFontCache(const TVerticalFontCache&) = delete;
    TVerticalFontCache& operator=(const TVerticalFontCache&) = delete;

    // Index of the font that draws a character format (its unset attributes taken from base).
    int FontFor(const QTextCharFormat& format, const QFont& base);
    // Index of a font of the same size and style that has a glyph for c: fontIndex itself when
    // it has one, else the first installed Japanese font that has it, else the installed font
    // that fontconfig offers for c (fontIndex when none has it). For an emoji (emoji true) a
    // colour emoji font comes first.
    int FontWithCharacter(int fontIndex, char32_t c, bool emoji = false);
    bool HasCharacter(int fontIndex, char32_t c) const;

    const Font& At(int index) const { return *m_fonts[static_cast<size_t>(index)]; }
    int Count() const { return static_cast<int>(m_fonts.size()); }

    // The installed family that stands in for a family name (itself when installed).
    static QString ResolveFamily(const QString& family);

private:
    struct FaceEntry;
    int FontForResolved(const QString& family, qreal pixelSize, bool bold, bool italic);
    hb_face_t* FaceFor(const QRawFont& raw);

    std::vector<std::unique_ptr<Font>> m_fonts;
    QHash<QString, int> m_fontIndex;     // family|size|bold|italic -> index
    QHash<QString, FaceEntry*> m_faces;  // family|style -> face
    QHash<quint64, int> m_fallback;      // (font index << 33 | emoji << 32 | char) -> index
    QHash<QString, int> m_formatIndex;   // key of the format's font -> index
};

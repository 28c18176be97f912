#include "rtf/RtfListTable.h"

namespace {

// A bullet character of a symbol font as the Unicode character it shows: Word writes its
// bullets as Symbol or Wingdings code points (U+F0xx or the plain byte).
QString SymbolBullet(const QString& text, const QString& font) {
    if (text.size() != 1) return text;
    char16_t c = text.at(0).unicode();
    if (c >= 0xF000 && c <= 0xF0FF) c = char16_t(c - 0xF000);
    const QString f = font.toLower();
    if (f == QLatin1String("symbol")) {
        if (c == 0xB7) return QStringLiteral("•");
        if (c == 0xA8) return QStringLiteral("♦");
    } else if (f.startsWith(QLatin1String("wingdings"))) {
        switch (c) {
            case 0x6C:
                return QStringLiteral("●");
            case 0x6E:
                return QStringLiteral("■");
            case 0x71:
                return QStringLiteral("❑");
            case 0x75:
                return QStringLiteral("◆");
            case 0x76:
                return QStringLiteral("❖");
            case 0xA7:
                return QStringLiteral("▪");
            case 0xD8:
                return QStringLiteral("➢");
            case 0xFC:
                return QStringLiteral("✓");
            default:
                break;
        }
    }
    if (text.at(0).unicode() >= 0xF000 && text.at(0).unicode() <= 0xF0FF)
        return QStringLiteral("•");  // a symbol we do not know: a plain bullet
    return text;
}

// The \leveltext characters as a template ("%1." …).
QString TemplateOf(const QString& raw) {
    if (raw.isEmpty()) return QString();
    const int length = std::min<int>(raw.at(0).unicode(), int(raw.size()) - 1);
    QString out;
    for (int i = 1; i <= length; ++i) {
        const char16_t c = raw.at(i).unicode();
        if (c < 9)
            out += QStringLiteral("%") + QString::number(c + 1);
        else if (c == '%')
            out += QStringLiteral("%%");
        else if (c >= 0x20)
            out += QChar(c);
    }
    return out;
}

}  // namespace

void RtfListTable::BeginList() {
    FinishLevel();
    lists_.emplace_back();
}

void RtfListTable::SetListId(long id) {
    FinishLevel();
    if (!lists_.empty()) lists_.back().id = id;
}

void RtfListTable::BeginLevel() {
    FinishLevel();
    if (lists_.empty() || lists_.back().levels.size() >= 9) return;
    lists_.back().levels.emplace_back();
}

RtfListTable::Level* RtfListTable::CurrentLevel() {
    if (lists_.empty() || lists_.back().levels.empty()) return nullptr;
    return &lists_.back().levels.back();
}

void RtfListTable::SetLevelKind(int nfc) {
    if (Level* l = CurrentLevel()) l->numbering.nfc = nfc;
}

void RtfListTable::SetLevelStart(int start) {
    if (Level* l = CurrentLevel()) l->numbering.start = start;
}

void RtfListTable::SetLevelText(const QString& raw) {
    if (Level* l = CurrentLevel()) {
        l->rawText = raw;
        l->haveText = true;
    }
}

void RtfListTable::SetLevelFont(const QString& name) {
    if (Level* l = CurrentLevel()) l->font = name;
}

// The level's template is made once its words are all read (its font may follow the text).
void RtfListTable::FinishLevel() {
    Level* l = CurrentLevel();
    if (!l || l->finished) return;
    l->finished = true;
    const int level = int(lists_.back().levels.size()) - 1;
    ListNumbering& n = l->numbering;
    if (!l->haveText) {
        n.levelText = ListNumbering::DefaultText(n.nfc, level);
        return;
    }
    n.levelText = TemplateOf(l->rawText);
    if (n.IsBullet()) {
        n.levelText = SymbolBullet(n.levelText, l->font);
        if (n.levelText.isEmpty()) n.levelText = QStringLiteral("•");
    }
    l->rawText.clear();
}

void RtfListTable::BeginOverride() {
    FinishLevel();
    overrideId_ = 0;
}

void RtfListTable::SetOverrideListId(long id) {
    overrideId_ = id;
}

void RtfListTable::SetOverrideNumber(int ls) {
    overrides_[ls] = overrideId_;
}

const ListNumbering* RtfListTable::Find(int ls, int ilvl) const {
    auto ov = overrides_.find(ls);
    if (ov == overrides_.end()) return nullptr;
    for (const List& l : lists_) {
        if (l.id != ov->second) continue;
        if (ilvl < 0 || std::size_t(ilvl) >= l.levels.size()) return nullptr;
        return &l.levels[std::size_t(ilvl)].numbering;
    }
    return nullptr;
}

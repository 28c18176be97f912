#include "vertical/ui/TateDialogStore.h"

#include <algorithm>

#include "app/SettingsStore.h"
#include "core/SettingsValue.h"

namespace {
constexpr const char* S = TateDialogStore::kSection;

int ReadInt(const SettingsStore& st, const char* name, int def, int lo, int hi) {
    bool found = false;
    const QString t = st.Text(S, QString::fromLatin1(name), &found);
    if (!found) return def;
    const int v = SettingsValue::ReadInteger(t.toStdString(), def);
    return v < lo || v > hi ? def : v;
}

bool ReadBool(const SettingsStore& st, const char* name, bool def) {
    bool found = false;
    const QString t = st.Text(S, QString::fromLatin1(name), &found);
    return found ? SettingsValue::ReadBool(t.toStdString(), def) : def;
}

QString EntryName(const char* prefix, int n) {
    return QString::fromLatin1(prefix) + QLatin1Char('(') + QString::number(n) + QLatin1Char(')');
}

// A history: "<count>" entries named "<prefix>(n)". A count beyond the limit (a damaged store)
// reads the first kMaxHistory entries only.
QStringList ReadHistory(const SettingsStore& st, const char* count, const char* prefix) {
    const int n = ReadInt(st, count, 0, 0, 1 << 30);
    QStringList list;
    for (int i = 0; i < n && i < TateDialogStore::kMaxHistory; ++i) {
        bool found = false;
        list << st.Text(S, EntryName(prefix, i), &found);
    }
    return list;
}

void WriteHistory(SettingsStore& st, const char* count, const char* prefix,
                  const QStringList& list) {
    const int n = std::min(int(list.size()), TateDialogStore::kMaxHistory);
    st.SetInt(S, QString::fromLatin1(count), n);
    for (int i = 0; i < n; ++i) st.SetString(S, EntryName(prefix, i), list[i]);
}
}  // namespace

TateDialogStore::Html TateDialogStore::ReadHtml(const SettingsStore& st) {
    Html h;
    TateHtmlDialogValues& v = h.values;
    const TateHtmlDialogValues d;
    v.lineCount = ReadInt(st, "LineCount", d.lineCount, 1, 399);
    v.lineHeightOn = ReadBool(st, "LineHeightON", d.lineHeightOn);
    v.lineHeight = ReadInt(st, "LineHeight", d.lineHeight, 5, 20);
    v.space = ReadInt(st, "Space", d.space, 0, 15);
    v.gosic = ReadBool(st, "Gosic", d.gosic);
    v.fsCombo = ReadInt(st, "FSCombo", d.fsCombo, 0, 6);
    v.textIn = ReadBool(st, "TextIn", d.textIn);
    v.clip = ReadBool(st, "Clip", d.clip);
    v.macFont = ReadBool(st, "MacFont", d.macFont);
    v.openHtml = ReadBool(st, "OpenHtml", d.openHtml);
    v.link = ReadBool(st, "Link", d.link);
    v.name = ReadBool(st, "Name", d.name);
    v.size = ReadBool(st, "Size", d.size);
    v.style = ReadBool(st, "Style", d.style);
    v.color = ReadBool(st, "Color", d.color);
    v.lSelect = ReadInt(st, "LSelect", d.lSelect, 0, 2);
    v.tenSelect = ReadInt(st, "TenSelect", d.tenSelect, 0, 3);
    v.align = ReadInt(st, "Align", d.align, 0, 2);
    v.dFont1 = ReadInt(st, "DFont1", d.dFont1, 0, 2);
    v.dFont2 = ReadInt(st, "DFont2", d.dFont2, 0, 3);
    v.htmlLine = ReadInt(st, "HtmlLine", d.htmlLine, 0, 2);
    h.titles = ReadHistory(st, "TitleCount", "Title");
    h.backgrounds = ReadHistory(st, "BGCount", "BG");
    return h;
}

void TateDialogStore::WriteHtml(SettingsStore& st, const Html& h) {
    const TateHtmlDialogValues& v = h.values;
    auto i = [&st](const char* n, int x) { st.SetInt(S, QString::fromLatin1(n), x); };
    auto b = [&st](const char* n, bool x) { st.SetBool(S, QString::fromLatin1(n), x); };
    i("LineCount", v.lineCount);
    b("LineHeightON", v.lineHeightOn);
    i("LineHeight", v.lineHeight);
    i("Space", v.space);
    b("Gosic", v.gosic);
    i("FSCombo", v.fsCombo);
    b("TextIn", v.textIn);
    b("Clip", v.clip);
    b("MacFont", v.macFont);
    b("OpenHtml", v.openHtml);
    b("Link", v.link);
    b("Name", v.name);
    b("Size", v.size);
    b("Style", v.style);
    b("Color", v.color);
    i("LSelect", v.lSelect);
    i("TenSelect", v.tenSelect);
    i("Align", v.align);
    i("DFont1", v.dFont1);
    i("DFont2", v.dFont2);
    i("HtmlLine", v.htmlLine);
    WriteHistory(st, "TitleCount", "Title", h.titles);
    WriteHistory(st, "BGCount", "BG", h.backgrounds);
}

TateTextDialogValues TateDialogStore::ReadText(const SettingsStore& st) {
    TateTextDialogValues v;
    const TateTextDialogValues d;
    v.lineCount = ReadInt(st, "LineCount", d.lineCount, 1, 399);
    v.space = ReadInt(st, "Space", d.space, 0, 15);
    v.dan = ReadBool(st, "Dan", d.dan);
    v.zero = ReadBool(st, "Zero", d.zero);
    return v;
}

void TateDialogStore::WriteText(SettingsStore& st, const TateTextDialogValues& v) {
    st.SetInt(S, QStringLiteral("LineCount"), v.lineCount);
    st.SetInt(S, QStringLiteral("Space"), v.space);
    st.SetBool(S, QStringLiteral("Dan"), v.dan);
    st.SetBool(S, QStringLiteral("Zero"), v.zero);
}

void TateDialogStore::AddToHistory(QStringList& history, const QString& text, bool keepEmpty) {
    if (!keepEmpty && text.isEmpty()) return;
    if (history.contains(text)) return;
    history.prepend(text);
}

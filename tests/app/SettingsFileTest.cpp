// The settings file on disk: a damaged line costs only itself at the start, the close writes
// the file again without it, and the file stays one that Qt's own INI reader reads.

#include <QSettings>

#include "MainWindowTestSupport.h"

namespace {

void WriteStore(const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(SettingsStore::FilePath()).path());
    QFile file(SettingsStore::FilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadStore() {
    QFile file(SettingsStore::FilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct DamagedLine {
    const char* what;
    QByteArray line;
    QByteArray remains;  // a part of the damage that must not be written again
};

// Every row sits between the same readable lines; each of them changes a value from its
// default, so a value that falls back to its default shows.
const DamagedLine kDamage[] = {
    {"garbage", "!!garbage*&^%$", "garbage"},
    {"a value that is not a number", "MainHeight=abc", "abc"},
    {"invalid UTF-8", "MainHeight=\xFF\xFE\x80", "\xFF\xFE"},
    {"no '='", "MainHeight 500", "MainHeight 500"},
    {"raw control bytes", "Main\x01\x02Height=500", "\x01\x02"},
    // Qt's own reader lets these run on over the following lines.
    {"unclosed quote", "MainHeight=\"500", "\"500"},
    {"quote in a name", "\"MainHeight=500", "\"Main"},
    {"line ending in a backslash", "MainHeight=5\\", "MainHeight=5\\"},
    {"broken section", "[Window", "[Window\n"},
};

class DamagedSettingsTest : public MainWindowTest,
                            public ::testing::WithParamInterface<DamagedLine> {};

TEST_P(DamagedSettingsTest, TheOtherValuesAreReadAndTheLineIsDroppedAtClose) {
    WriteStore("[Window]\nMainTop=90\nMainLeft=100\n" + GetParam().line +
               "\nMainWidth=640\n[Bar]\nString=0\n[Etc]\nIndentStr=\xEF\xBC\x9E\n");
    TOMForm* f = Start();
    const bool brokenSection = GetParam().line.startsWith('[');
    EXPECT_EQ(f->pos(), QPoint(100, 90)) << GetParam().what;
    // Under a broken header the width cannot be placed in a section: it is left out.
    EXPECT_EQ(f->width(), brokenSection ? 780 : 640) << GetParam().what;
    EXPECT_EQ(f->height(), 600) << GetParam().what;
    EXPECT_FALSE(f->barCaptions) << GetParam().what;
    EXPECT_EQ(f->indentStr, QStringLiteral("＞")) << GetParam().what;

    f->move(120, 80);
    ASSERT_TRUE(Close());
    const QByteArray written = ReadStore();
    EXPECT_FALSE(written.contains(GetParam().remains)) << written.toStdString();
    // Qt's reader finds nothing wrong with the file now, and reads what the program wrote.
    QSettings qt(SettingsStore::FilePath(), QSettings::IniFormat);
    EXPECT_EQ(qt.status(), QSettings::NoError);
    EXPECT_EQ(qt.value(QStringLiteral("Window/MainLeft")).toString(), QStringLiteral("120"));
    EXPECT_EQ(qt.value(QStringLiteral("Window/MainHeight")).toString(), QStringLiteral("600"));
    EXPECT_EQ(qt.value(QStringLiteral("Bar/String")).toString(), QStringLiteral("0"));
    EXPECT_EQ(qt.value(QStringLiteral("Etc/IndentStr")).toString(), QStringLiteral("＞"));
}

INSTANTIATE_TEST_SUITE_P(Table, DamagedSettingsTest, ::testing::ValuesIn(kDamage));

// Texts that need Qt's escapes and quotes, written by Qt's settings class and read by the
// program, then written by the program and read by Qt's settings class.
TEST_F(MainWindowTest, FindHistoryTextsCrossWithQtsReaderAndWriter) {
    const QStringList texts = {QStringLiteral("a,b"),
                               QStringLiteral("x;y=z"),
                               QStringLiteral(" lead"),
                               QStringLiteral("trail "),
                               QStringLiteral("q\"uo\\te"),
                               QStringLiteral("tab\there"),
                               QStringLiteral("@at"),
                               QStringLiteral("縦書き ルビ"),
                               QStringLiteral("#not a comment"),
                               QString()};
    Store(QStringLiteral("Etc/FindStrCount"), QString::number(texts.size()));
    for (int n = 0; n < texts.size(); ++n)
        Store(QStringLiteral("Etc/FindStr(%1)").arg(n), texts[n]);
    // Values of another section, of types the program does not use, are kept.
    {
        QSettings s(SettingsStore::FilePath(), QSettings::IniFormat);
        s.setValue(QStringLiteral("Other/Size"), QSize(3, 4));
    }
    TOMForm* f = Start();
    EXPECT_EQ(f->findHistory, texts);
    f->findHistory.prepend(QStringLiteral("new, \"one\""));
    ASSERT_TRUE(Close());
    QSettings qt(SettingsStore::FilePath(), QSettings::IniFormat);
    EXPECT_EQ(qt.status(), QSettings::NoError);
    EXPECT_EQ(qt.value(QStringLiteral("Etc/FindStr(0)")).toString(),
              QStringLiteral("new, \"one\""));
    for (int n = 0; n < texts.size(); ++n)
        EXPECT_EQ(qt.value(QStringLiteral("Etc/FindStr(%1)").arg(n + 1)).toString(), texts[n]);
    EXPECT_EQ(qt.value(QStringLiteral("Other/Size")).toSize(), QSize(3, 4));
}

TEST_F(MainWindowTest, AStoreThatIsAFolderIsNotReadAndDoesNotStopTheStart) {
    QDir().mkpath(SettingsStore::FilePath());
    TOMForm* f = Start();
    EXPECT_EQ(f->size(), QSize(780, 600));
    Close();
    QDir().rmdir(SettingsStore::FilePath());
}

}  // namespace

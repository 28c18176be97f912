#pragma once
// The start of the program: fonts, splash, main window, first showing.

#include <QStringList>

class TOMForm;

namespace OrimakiStartup {
// The Japanese font names documents carry ("ＭＳ ゴシック" …) drawn with the installed fonts.
void InstallFontSubstitutions();
// The toolkit's own texts (the buttons of message boxes, file dialogs) in Japanese, from the
// installed Qt translations; false when they are not installed (the texts stay English).
bool InstallToolkitTranslation();
// Application-wide settings: font, hint timing, the toolkit's texts.
void SetUpApplication();
// Splash, main window (shown), splash released. The caller owns the window.
TOMForm* Start(const QStringList& args, bool withSplash = true);
}  // namespace OrimakiStartup

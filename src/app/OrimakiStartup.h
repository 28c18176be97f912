#pragma once
// The start of the program: fonts, splash, main window, first showing.

#include <QStringList>

class TOMForm;

namespace OrimakiStartup {
// The Japanese font names documents carry ("ＭＳ ゴシック" …) drawn with the installed fonts.
void InstallFontSubstitutions();
// Application-wide settings: font, hint timing.
void SetUpApplication();
// Splash, main window (shown), splash released. The caller owns the window.
TOMForm* Start(const QStringList& args, bool withSplash = true);
}  // namespace OrimakiStartup

#pragma once
// QTextDocument needs a QGuiApplication for its fonts. Programs without windows (the command
// line tool, tests of the Qt-free layers) call this first; it creates one on the offscreen
// platform unless one exists or a platform is chosen already.

namespace GuiEnvironment {
void EnsureGuiApplication();
}

// Hooks through which the later command groups install themselves into the main window.
//
// Each group defines its hook in a file of its own (connecting its menu items and tool buttons
// through Command() and Button(), enabling them with EnableCommand) and removes the empty
// definition here. Until then the group's commands stay visible and disabled.

#include "app/TOMForm.h"

// The vertical presentation of the views: register it with TRichEditEx::SetVerticalFactory.
// The vertical switch commands are enabled once a factory is registered.
void TOMForm::InstallVerticalView() {}

#pragma once
// Makes the Qt widget of one template entry: its kind, text, styles and focus
// policy, placed at the entry's rectangle in the dialog.

#include "platform/DialogTemplate.h"
#include "platform/DialogUnits.h"

class QWidget;

namespace platform {

// The widget of `control`, a child of `dialog`, laid out in the dialog's `units`.
// Controls with the tab-stop style take the focus by keyboard and mouse, other
// buttons, radios and edits by the mouse only, static controls never.
QWidget* CreateControl(const ControlTemplate& control, const DialogBaseUnits& units, QWidget* dialog);

} // namespace platform

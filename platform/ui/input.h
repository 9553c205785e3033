// Input into the model, as a person gives it. Both backends and the driver
// use these, so the rules live in one place:
//  - an action reaches a control only when the control and every container
//    above it are enabled and visible and its form is the active one;
//  - a menu item is reachable when its form's popup menu can open
//    (AutoPopup) and the item and every item above it are enabled;
//  - keys go to the active form: shortcuts, the focused control, Tab, Enter
//    for the default button, accelerator characters, typing into an edit.
// Each entry point returns false when the action could not reach its target.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/menus.h"

class TEdit;

namespace input {

bool Usable(const TControl& c);
bool Usable(const TMenuItem& item);

bool KeyDown(WORD key, TShiftState shift);
bool KeyUp(WORD key, TShiftState shift);
// A left click: press and release inside.
bool Click(TControl& c);
bool MouseDown(TControl& c, TMouseButton button);
bool MouseUp(TControl& c, TMouseButton button, bool inside);
bool MouseEnter(TControl& c);
bool MouseLeave(TControl& c);
// The focus moved to `c` as a Tab or a click would move it.
bool Focus(TWinControl& c);
// Click into the edit, select all, type `text` (code page 932) over it.
bool Type(TEdit& e, const std::string& text);
// The user replaced the edit's text in the view (already limited).
bool EditChanged(TEdit& e, const std::string& text);
// Open the popup menu with the context-menu gesture and choose `item`.
bool ChooseMenuItem(TMenuItem& item);
// The popup menu of the active form can open now.
bool PopupCanOpen(const TForm& f);
// The user closed a top-level window with its close box.
bool CloseBox(TForm& f);
// The user dragged a top-level window to an outer position.
bool Move(TForm& f, int left, int top);
// Files dropped on the form from a file manager (names in the system's
// form); reaches the form only while it is the active one.
bool DropFiles(TForm& f, const std::vector<std::string>& names);

}  // namespace input

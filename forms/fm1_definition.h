// The window definition of the main window Fm1: every component with its
// class, parent, bounds, caption, hint, limits, colours, font and tab order,
// the popup menu with its shortcut codes, and the open dialog.
#pragma once

#include <span>

#include "platform/ui/builder.h"

extern const FormDef kFm1Form;
std::span<const ComponentDef> Fm1Components();

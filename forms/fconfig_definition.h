// The window definition of the settings dialog FConfig: every control with
// its class, bounds, caption, hint, limits, colours, fonts, tab order and the
// default button, and the form's own dialog frame without title-bar buttons.
#pragma once

#include <span>

#include "platform/ui/builder.h"

extern const FormDef kFConfigForm;
std::span<const ComponentDef> FConfigComponents();

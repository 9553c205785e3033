// Which handler of TFConfig each button's click runs.
#pragma once

#include <span>

#include "platform/ui/builder.h"
#include "settings/config_dialog.h"

std::span<const Binding<TFConfig>> FConfigBindings();

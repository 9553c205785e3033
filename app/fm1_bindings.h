// Which handler of TFm1 each component's event runs. A button and its menu
// item share one handler.
#pragma once

#include <span>

#include "app/main_window.h"
#include "platform/ui/builder.h"

std::span<const Binding<TFm1>> Fm1Bindings();

// The window's preset commands: the four preset buttons (and their menu
// items) apply the letters of the settings dialog's preset texts to the
// shown header texts, with the dialog's author and aspect as defaults and
// the stems of EFileName's text; the default-author button sets the author.
// Without the dialog (the settings file failed to load) they show the
// message the load returned and change nothing.
#pragma once

#include <string_view>

class TFm1;
class TFConfig;

void ApplyPreset(TFm1& window, const TFConfig& dialog, std::string_view code);

// The pointer onto the top edge of PHeader at the window's horizontal centre
// (with equal left, right and bottom frames).
void PointToHeaderPanel(const TFm1& window);

// The look of a classic Japanese desktop for the whole application: the
// "Windows" style where Qt has it, the classic system colours, a Japanese
// Gothic face for menus, boxes and tips, and "ＭＳ ゴシック" standing for
// IPAGothic. Call once, after the QApplication exists and before any
// window is made.
#pragma once

void UseClassicLook();

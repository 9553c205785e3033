// Small value types of the widget model: colours, fonts, shift states, key
// codes, shortcuts, bevels, alignment and the message-box flags. They carry
// the class library's names and values so that window definitions read as
// the library's own.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/os/windows_types.h"

// Colours as the library stores them: 0x00BBGGRR, or a system colour.
using TColor = std::uint32_t;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBtnFace = 0xFF00000F;
inline constexpr TColor clGrayText = 0xFF000011;
inline constexpr TColor clBtnText = 0xFF000012;

// A font as a definition gives it. A negative height is the character height
// in pixels. The face name is kept in UTF-8: it is handed to the display only.
struct TFont {
  std::string Name = "ＭＳ ゴシック";
  int Height = -12;
  bool Bold = false;
  TColor Color = clBlack;
  bool operator==(const TFont&) const = default;
};

struct TShiftState {
  bool Shift = false;
  bool Ctrl = false;
  bool Alt = false;
  bool operator==(const TShiftState&) const = default;
};

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// Virtual-key codes used by the program and the input dispatch.
inline constexpr WORD VK_LBUTTON = 0x01;
inline constexpr WORD VK_TAB = 0x09;
inline constexpr WORD VK_RETURN = 0x0D;
inline constexpr WORD VK_ESCAPE = 0x1B;
inline constexpr WORD VK_SPACE = 0x20;
inline constexpr WORD VK_F1 = 0x70;
inline constexpr WORD VK_F12 = 0x7B;

// A shortcut code: the low byte is the virtual key; 0x2000 adds Shift,
// 0x4000 Ctrl, 0x8000 Alt (Ctrl+O is 16463).
using TShortCut = std::uint16_t;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut ShortCut(WORD key, TShiftState s) {
  return static_cast<TShortCut>(key | (s.Shift ? scShift : 0) | (s.Ctrl ? scCtrl : 0) |
                                (s.Alt ? scAlt : 0));
}

enum class TPanelBevel { bvNone, bvLowered, bvRaised };
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
// Where a popup menu opens: its top-left, top-right or top centre at the
// point it is opened at.
enum class TPopupAlignment { paLeft, paRight, paCenter };

// Message-box flags and results, with the Windows values.
inline constexpr unsigned MB_OK = 0x0;
inline constexpr unsigned MB_YESNO = 0x4;
inline constexpr unsigned MB_ICONERROR = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONWARNING = 0x30;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;
inline constexpr unsigned MB_DEFBUTTON2 = 0x100;
inline constexpr int IDOK = 1;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

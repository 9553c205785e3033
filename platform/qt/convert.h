// Conversions between the widget model's values and Qt's: code page 932
// texts, 0x00BBGGRR colours, fonts, shortcut codes and key events.
//
// Assumes the texts are code page 932 bytes as the model keeps them; a text
// that Unicode cannot show keeps its odd bytes as private-use characters
// (platform/text/cp932.h), so converting back gives the same bytes. System
// colours get the classic desktop's values; only the few the program and
// the painted controls use are known, others read as the button face.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>
#include <string>

#include "platform/ui/types.h"

class QKeyEvent;

QString ToQString(const std::string& cp932);
// Nothing when a character has no code page 932 form.
std::optional<std::string> FromQString(const QString& text);

QColor ToQColor(TColor c);
inline const QColor kBtnHighlight{255, 255, 255};
inline const QColor kBtnShadow{128, 128, 128};
inline const QColor kBtnFace{212, 208, 200};
inline const QColor kGrayText{128, 128, 128};

// "ＭＳ ゴシック" asks for IPAGothic after it, which fontconfig would not
// pick by itself for Latin text.
QFont ToQFont(const TFont& f);

// "Ctrl+O", "F5", "Ctrl+F12"; empty for no shortcut.
QString ShortCutText(TShortCut code);

// The virtual key of a key event, 0 when the model has no name for it.
WORD VirtualKeyOf(const QKeyEvent& e);
TShiftState ShiftOf(Qt::KeyboardModifiers m);

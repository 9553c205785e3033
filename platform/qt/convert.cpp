#include "platform/qt/convert.h"

#include <QKeyEvent>
#include <QStringList>

#include "platform/text/cp932.h"

QString ToQString(const std::string& cp932) { return QString::fromStdString(cp932::ToUtf8(cp932)); }

std::optional<std::string> FromQString(const QString& text) {
  return cp932::TryFromUtf8(text.toStdString());
}

QColor ToQColor(TColor c) {
  if (c & 0xFF000000u) {
    // System colours by their Windows index.
    switch (c & 0xFF) {
      case 5: return Qt::white;         // window
      case 8: return Qt::black;         // window text
      case 13: return QColor(10, 36, 106);  // highlight
      case 16: return kBtnShadow;
      case 17: return kGrayText;
      case 18: return Qt::black;        // button text
      case 20: return kBtnHighlight;
      default: return kBtnFace;
    }
  }
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                static_cast<int>((c >> 16) & 0xFF));
}

QFont ToQFont(const TFont& f) {
  QFont font;
  font.setFamilies({QString::fromStdString(f.Name), QStringLiteral("IPAGothic")});
  // A positive height includes the internal leading; the face has little.
  font.setPixelSize(f.Height < 0 ? -f.Height : (f.Height > 0 ? f.Height : 12));
  font.setBold(f.Bold);
  return font;
}

QString ShortCutText(TShortCut code) {
  const WORD key = code & 0xFF;
  if (key == 0) return {};
  QString text;
  if (code & scShift) text += QStringLiteral("Shift+");
  if (code & scCtrl) text += QStringLiteral("Ctrl+");
  if (code & scAlt) text += QStringLiteral("Alt+");
  if (key >= VK_F1 && key <= VK_F1 + 23) return text + QStringLiteral("F%1").arg(key - VK_F1 + 1);
  switch (key) {
    case VK_RETURN: return text + QStringLiteral("Enter");
    case VK_ESCAPE: return text + QStringLiteral("Esc");
    case VK_SPACE: return text + QStringLiteral("Space");
    case VK_TAB: return text + QStringLiteral("Tab");
    default: return text + QChar(key);
  }
}

WORD VirtualKeyOf(const QKeyEvent& e) {
  const int k = e.key();
  if ((k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9))
    return static_cast<WORD>(k);
  if (k >= Qt::Key_F1 && k <= Qt::Key_F12) return static_cast<WORD>(VK_F1 + (k - Qt::Key_F1));
  switch (k) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    default: return 0;
  }
}

TShiftState ShiftOf(Qt::KeyboardModifiers m) {
  return {m.testFlag(Qt::ShiftModifier), m.testFlag(Qt::ControlModifier),
          m.testFlag(Qt::AltModifier)};
}

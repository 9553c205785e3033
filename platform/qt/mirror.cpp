#include "platform/qt/mirror.h"

#include <QPushButton>

#include "platform/qt/convert.h"
#include "platform/qt/edit_widget.h"
#include "platform/qt/painted.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/stdctrls.h"

namespace {

void SetColours(QWidget& w, QPalette::ColorRole back, QPalette::ColorRole fore, const TControl& c) {
  QPalette pal = w.palette();
  for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
    pal.setColor(g, back, ToQColor(c.Color()));
    pal.setColor(g, fore, ToQColor(c.Font().Color));
  }
  w.setPalette(pal);
}

void ShowCaption(QPushButton& b, const TControl& c) {
  b.setText(ToQString(c.Caption()));
  // setText grabs the mnemonic as a Qt shortcut, which would take the key
  // before the model; accelerators are the model's.
  b.setShortcut(QKeySequence());
}

void ApplyBounds(TControl& c, QWidget& w) {
  QRect r(c.Left(), c.Top(), c.Width(), c.Height());
  if (auto* label = dynamic_cast<LabelWidget*>(&w); label && c.AutoSize())
    r.setSize(label->FittingSize());
  w.setGeometry(r);
}

void ApplyLook(TControl& c, QWidget& w) {
  w.setFont(ToQFont(c.Font()));
  if (dynamic_cast<EditWidget*>(&w)) {
    SetColours(w, QPalette::Base, QPalette::Text, c);
  } else if (auto* button = dynamic_cast<QPushButton*>(&w)) {
    // The platform's push buttons draw their captions in the system's
    // button-text colour, grey when disabled, whatever the font's colour.
    QPalette pal = button->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive})
      pal.setColor(g, QPalette::ButtonText, ToQColor(clBtnText));
    pal.setColor(QPalette::Disabled, QPalette::ButtonText, ToQColor(clGrayText));
    button->setPalette(pal);
  }
  ApplyBounds(c, w);
  w.update();
}

}  // namespace

QWidget* CreateWidget(TControl& c, QWidget* parent) {
  QWidget* w = nullptr;
  if (auto* panel = dynamic_cast<TCustomPanel*>(&c))
    w = new PanelWidget(*panel, parent);
  else if (auto* box = dynamic_cast<TGroupBox*>(&c))
    w = new GroupBoxWidget(*box, parent);
  else if (auto* label = dynamic_cast<TLabel*>(&c))
    w = new LabelWidget(*label, parent);
  else if (auto* edit = dynamic_cast<TEdit*>(&c))
    w = new EditWidget(*edit, parent);
  else if (auto* button = dynamic_cast<TButton*>(&c)) {
    auto* b = new QPushButton(parent);
    b->setDefault(button->Default());
    b->setAutoDefault(false);
    w = b;
  }
  if (w) w->setFocusPolicy(Qt::NoFocus);
  return w;
}

QString ToolTipOf(const TControl& c) {
  if (!c.ShowHint()) return {};
  const std::string& hint = c.Hint();
  return ToQString(hint.substr(0, hint.find('|')));
}

void Apply(TControl& c, QWidget& w, Change what) {
  switch (what) {
    case Change::Text:
      if (auto* edit = dynamic_cast<EditWidget*>(&w))
        edit->ShowModelText();
      else if (auto* button = dynamic_cast<QPushButton*>(&w))
        ShowCaption(*button, c);
      ApplyBounds(c, w);
      w.update();
      break;
    case Change::Bounds: ApplyBounds(c, w); break;
    case Change::Enabled: w.setEnabled(c.Enabled()); break;
    case Change::Visible: w.setVisible(c.Visible()); break;
    case Change::Hint: w.setToolTip(ToolTipOf(c)); break;
    case Change::Look: ApplyLook(c, w); break;
    case Change::Bevel: w.update(); break;
    default: break;
  }
}

void ApplyAll(TControl& c, QWidget& w) {
  for (Change what : {Change::Look, Change::Text, Change::Enabled, Change::Visible, Change::Hint})
    Apply(c, w, what);
}

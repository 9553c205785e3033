#include "platform/ui/extctrls.h"

TCustomPanel::TCustomPanel(TComponent* owner) : TWinControl(owner) {
  SetAlignment(TAlignment::taCenter);
}

void TCustomPanel::SetBevelOuter(TPanelBevel v) {
  if (v == bevelOuter_) return;
  bevelOuter_ = v;
  Notify(Change::Bevel);
}

void TCustomPanel::SetBevelInner(TPanelBevel v) {
  if (v == bevelInner_) return;
  bevelInner_ = v;
  Notify(Change::Bevel);
}

void TCustomPanel::SetBevelWidth(int v) {
  if (v == bevelWidth_) return;
  bevelWidth_ = v;
  Notify(Change::Bevel);
}

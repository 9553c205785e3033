#include "controls/CuteBtn.h"

#include "platform/os/pointer.h"
#include "platform/ui/builder.h"

TCuteButton::TCuteButton(TComponent* owner) : TCustomPanel(owner) {
  SetAcceptsControls(false);
  SetBevelOuter(TPanelBevel::bvNone);
  SetBevelInner(TPanelBevel::bvRaised);
  SetHeight(25);
  SetTabStop(true);
  SetWidth(75);
}

void TCuteButton::SetFlat(bool v) {
  if (v == flat_) return;
  flat_ = v;
  SetBevelInner(v ? TPanelBevel::bvNone : TPanelBevel::bvRaised);
}

void TCuteButton::Click() { TCustomPanel::Click(); }

void TCuteButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft) SetBevelOuter(TPanelBevel::bvLowered);
  TCustomPanel::MouseDown(button, shift, x, y);
}

void TCuteButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft) SetBevelOuter(TPanelBevel::bvNone);
  TCustomPanel::MouseUp(button, shift, x, y);
  ReleaseCapture();
}

void TCuteButton::DoEnter() {
  SetBevelOuter(TPanelBevel::bvRaised);
  TCustomPanel::DoEnter();
}

void TCuteButton::DoExit() {
  TCustomPanel::DoExit();
  SetBevelOuter(TPanelBevel::bvNone);
}

void TCuteButton::KeyDown(WORD& key, TShiftState shift) {
  TCustomPanel::KeyDown(key, shift);
  if ((key == VK_SPACE || key == VK_RETURN) && Enabled()) {
    SetBevelOuter(TPanelBevel::bvLowered);
    Click();
    SetBevelOuter(TPanelBevel::bvRaised);
  }
}

void TCuteButton::KeyUp(WORD& key, TShiftState shift) { TCustomPanel::KeyUp(key, shift); }

void TCuteButton::CMMouseEnter() {
  TCustomPanel::CMMouseEnter();
  if (OnMouseEnter) OnMouseEnter(this);
  // The high bit marks the left button as held: the user dragged back in.
  const short state = GetKeyState(VK_LBUTTON);
  SetBevelOuter(state < -126 ? TPanelBevel::bvLowered : TPanelBevel::bvRaised);
}

void TCuteButton::CMMouseLeave() {
  TCustomPanel::CMMouseLeave();
  if (OnMouseLeave) OnMouseLeave(this);
  SetBevelOuter(TPanelBevel::bvNone);
}

bool TCuteButton::CMDialogChar(char ch) {
  const char accel = AcceleratorOf(Caption());
  if (accel != 0 && accel == ch && Enabled() && Parent() && Parent()->Visible()) {
    Click();
    return true;
  }
  return TCustomPanel::CMDialogChar(ch);
}

void RegisterCuteButton() {
  RegisterClass("TCuteButton",
                {[](TComponent* owner) { return new TCuteButton(owner); },
                 [](TComponent& c, const ComponentDef& d) {
                   if (d.flat) static_cast<TCuteButton&>(c).SetFlat(*d.flat);
                 }});
}

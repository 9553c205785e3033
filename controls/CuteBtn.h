// TCuteButton: a push button drawn as a panel whose outer bevel follows the
// pointer, the focus and the keys: flat while idle, raised under the pointer
// or with the focus, sunken while pressed. The inner bevel follows Flat
// (raised while Flat is False). It clicks on a left click released inside,
// on Space or Enter while enabled, and on its accelerator character while
// enabled with a visible parent. It holds no child controls.
#pragma once

#include "platform/ui/extctrls.h"

class TCuteButton : public TCustomPanel {
 public:
  explicit TCuteButton(TComponent* owner);
  const char* ClassName() const override { return "TCuteButton"; }

  bool Flat() const { return flat_; }
  void SetFlat(bool v);

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

  void Click() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void DoEnter() override;
  void DoExit() override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyUp(WORD& key, TShiftState shift) override;
  void CMMouseEnter() override;
  void CMMouseLeave() override;
  bool CMDialogChar(char ch) override;

  bool IsPushButton() const override { return true; }

 private:
  bool flat_ = false;
};

// Makes "TCuteButton" known to the window-definition builder.
void RegisterCuteButton();

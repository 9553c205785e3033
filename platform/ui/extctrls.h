// Panels: TCustomPanel paints a background, an outer and an inner bevel of
// BevelWidth pixels each (outer outside, inner inside it) and a caption.
#pragma once

#include "platform/ui/controls.h"

class TCustomPanel : public TWinControl {
 public:
  explicit TCustomPanel(TComponent* owner);
  const char* ClassName() const override { return "TCustomPanel"; }

  TPanelBevel BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TPanelBevel v);
  TPanelBevel BevelInner() const { return bevelInner_; }
  void SetBevelInner(TPanelBevel v);
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int v);
  // A container accepts child controls unless a derived class removes it.
  bool AcceptsControls() const { return acceptsControls_; }

 protected:
  void SetAcceptsControls(bool v) { acceptsControls_ = v; }

 private:
  TPanelBevel bevelOuter_ = TPanelBevel::bvRaised;
  TPanelBevel bevelInner_ = TPanelBevel::bvNone;
  int bevelWidth_ = 1;
  bool acceptsControls_ = true;
};

class TPanel : public TCustomPanel {
 public:
  explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
  const char* ClassName() const override { return "TPanel"; }
};

// The popup menu: a tree of items, each with a caption, a shortcut code, its
// own enabled flag and a click event. A shortcut acts only while its item and
// every item above it in the tree (the submenus it sits in) are enabled, and
// is consumed either way. AutoPopup says whether the context-menu gesture
// opens the menu; Alignment, which part of the menu's top edge lies at the
// point where it opens.
#pragma once

#include "platform/ui/controls.h"

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner) : TComponent(owner) {}
  const char* ClassName() const override { return "TMenuItem"; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& c) { caption_ = c; }
  bool IsSeparator() const { return caption_ == "-"; }
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut s) { shortCut_ = s; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);

  TMenuItem* Parent() const { return parent_; }
  const std::vector<TMenuItem*>& Items() const { return items_; }
  void Add(TMenuItem* item);

  // This item and every item above it are enabled.
  bool EnabledChain() const;
  void Click();
  TNotifyEvent OnClick;

 private:
  std::string caption_;
  TShortCut shortCut_ = 0;
  bool enabled_ = true;
  TMenuItem* parent_ = nullptr;
  std::vector<TMenuItem*> items_;
};

class TPopupMenu : public TComponent {
 public:
  explicit TPopupMenu(TComponent* owner);
  const char* ClassName() const override { return "TPopupMenu"; }

  TMenuItem& Items() { return *root_; }
  const TMenuItem& Items() const { return *root_; }
  bool AutoPopup() const { return autoPopup_; }
  void SetAutoPopup(bool v);
  TPopupAlignment Alignment() const { return alignment_; }
  void SetAlignment(TPopupAlignment a) { alignment_ = a; }

  // The item whose shortcut is `code`, anywhere in the tree, or null.
  TMenuItem* FindShortCut(TShortCut code) const;

 private:
  TMenuItem* root_;
  bool autoPopup_ = true;
  TPopupAlignment alignment_ = TPopupAlignment::paLeft;
};

// Builds forms from declarative definitions.
//
// A definition lists one entry per component: class name, name, parent and
// whatever properties it sets; anything it leaves out keeps the class's
// default (the class's constructor sets those). Classes are found in a
// registry by name, so classes outside the platform (the bevel button) can
// add themselves. Events are bound explicitly, by member-function pointer;
// a binding or member that names no component of the right class stops the
// program with a message, so a misspelt name fails the first test that
// builds the form.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <type_traits>

#include "platform/ui/forms.h"

struct ComponentDef {
  const char* cls = nullptr;
  const char* name = nullptr;
  const char* parent = nullptr;  // a control, a popup menu or a menu item
  std::optional<int> left{}, top{}, width{}, height{};
  const char* caption = nullptr;  // UTF-8
  const char* hint = nullptr;     // UTF-8
  std::optional<int> maxLength{};
  std::optional<int> tabOrder{};
  std::optional<bool> tabStop{};
  std::optional<bool> enabled{};
  std::optional<bool> showHint{};
  std::optional<TColor> color{};
  std::optional<TFont> font{};
  std::optional<TAlignment> alignment{};
  std::optional<bool> autoSize{};
  std::optional<bool> isDefault{};
  std::optional<TShortCut> shortCut{};
  std::optional<bool> flat{};
  std::optional<TPanelBevel> bevelOuter{};
  const char* title = nullptr;       // open dialog, UTF-8
  const char* filter = nullptr;      // open dialog: "label|pattern"
  const char* defaultExt = nullptr;  // open dialog
  std::optional<TPopupAlignment> popupAlignment{};
};

struct FormDef {
  const char* name = nullptr;
  const char* caption = nullptr;  // UTF-8
  int left = 0, top = 0;
  int clientWidth = 0, clientHeight = 0;
  TBorderStyle borderStyle = TBorderStyle::bsSingle;
  bool systemMenu = true;
  bool minimize = true;
  TColor color = clBtnFace;
  TFont font{};
  bool showHint = false;
  const char* popupMenu = nullptr;
};

// A class the builder can create: its constructor, and how it takes the
// properties that only it has.
struct ClassEntry {
  std::function<TComponent*(TComponent* owner)> create;
  std::function<void(TComponent&, const ComponentDef&)> apply;
};
void RegisterClass(const std::string& name, ClassEntry entry);

// Creates the form's own properties and every component, in order.
void BuildForm(TForm& form, const FormDef& def, std::span<const ComponentDef> components);

enum class Event { OnClick, OnCreate, OnActivate };

template <class F>
struct Binding {
  const char* component;  // null for the form itself
  Event event;
  void (F::*handler)(TObject* sender);
};

[[noreturn]] void DefinitionError(const char* what, const char* name);

// The component of `form` named `name`, of class T.
template <class T>
T* Member(TForm& form, const char* name) {
  T* c = dynamic_cast<T*>(form.FindComponent(name));
  if (!c) DefinitionError("no component of the right class named", name);
  return c;
}

// In a form's member function: sets the typed member `name` to the
// component of that name, of the member's class.
#define VX_MEMBER(name) name = Member<std::remove_reference_t<decltype(*name)>>(*this, #name)

void BindEvent(TForm& form, const char* component, Event event, TNotifyEvent handler);

template <class F>
void BindEvents(F& form, std::span<const Binding<F>> bindings) {
  for (const Binding<F>& b : bindings) {
    auto handler = b.handler;
    BindEvent(form, b.component, b.event, [&form, handler](TObject* s) { (form.*handler)(s); });
  }
}

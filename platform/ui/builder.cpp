#include "platform/ui/builder.h"

#include <map>

#include "platform/text/cp932.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/menus.h"
#include "platform/ui/stdctrls.h"

namespace {

std::map<std::string, ClassEntry>& Registry() {
  static std::map<std::string, ClassEntry> classes = {
      {"TPanel", {[](TComponent* o) { return new TPanel(o); }, nullptr}},
      {"TGroupBox", {[](TComponent* o) { return new TGroupBox(o); }, nullptr}},
      {"TLabel", {[](TComponent* o) { return new TLabel(o); }, nullptr}},
      {"TEdit", {[](TComponent* o) { return new TEdit(o); }, nullptr}},
      {"TButton", {[](TComponent* o) { return new TButton(o); }, nullptr}},
      {"TPopupMenu", {[](TComponent* o) { return new TPopupMenu(o); }, nullptr}},
      {"TMenuItem", {[](TComponent* o) { return new TMenuItem(o); }, nullptr}},
      {"TOpenDialog", {[](TComponent* o) { return new TOpenDialog(o); }, nullptr}},
  };
  return classes;
}

std::string Text(const char* utf8) { return utf8 ? cp932::FromUtf8(utf8) : std::string(); }

void ApplyControl(TControl& c, TForm& form, const ComponentDef& d) {
  auto* parent = dynamic_cast<TWinControl*>(d.parent ? form.FindComponent(d.parent) : &form);
  if (!parent) DefinitionError("no container named", d.parent);
  c.SetParent(parent);
  c.SetBounds(d.left.value_or(c.Left()), d.top.value_or(c.Top()), d.width.value_or(c.Width()),
              d.height.value_or(c.Height()));
  if (d.caption) c.SetCaption(Text(d.caption));
  if (d.hint) c.SetHint(Text(d.hint));
  if (d.tabOrder) c.SetTabOrder(*d.tabOrder);
  if (d.tabStop) c.SetTabStop(*d.tabStop);
  if (d.enabled) c.SetEnabled(*d.enabled);
  if (d.showHint) c.SetShowHint(*d.showHint);
  if (d.color) c.SetColor(*d.color);
  if (d.font) c.SetFont(*d.font);
  if (d.alignment) c.SetAlignment(*d.alignment);
  if (d.autoSize) c.SetAutoSize(*d.autoSize);
  if (auto* e = dynamic_cast<TEdit*>(&c); e && d.maxLength) e->SetMaxLength(*d.maxLength);
  if (auto* b = dynamic_cast<TButton*>(&c); b && d.isDefault) b->SetDefault(*d.isDefault);
  if (auto* p = dynamic_cast<TCustomPanel*>(&c); p && d.bevelOuter) p->SetBevelOuter(*d.bevelOuter);
}

void ApplyMenuItem(TMenuItem& item, TForm& form, const ComponentDef& d) {
  TComponent* parent = d.parent ? form.FindComponent(d.parent) : nullptr;
  if (auto* menu = dynamic_cast<TPopupMenu*>(parent))
    menu->Items().Add(&item);
  else if (auto* up = dynamic_cast<TMenuItem*>(parent))
    up->Add(&item);
  else
    DefinitionError("no menu named", d.parent);
  if (d.caption) item.SetCaption(Text(d.caption));
  if (d.shortCut) item.SetShortCut(*d.shortCut);
  if (d.enabled) item.SetEnabled(*d.enabled);
}

void ApplyOpenDialog(TOpenDialog& dialog, const ComponentDef& d) {
  if (d.title) dialog.Title = d.title;
  if (d.filter) {
    const std::string f = d.filter;
    const auto bar = f.find('|');
    dialog.FilterName = f.substr(0, bar);
    dialog.FilterMask = bar == std::string::npos ? std::string() : f.substr(bar + 1);
  }
  if (d.defaultExt) dialog.DefaultExt = d.defaultExt;
}

}  // namespace

void RegisterClass(const std::string& name, ClassEntry entry) {
  Registry()[name] = std::move(entry);
}

[[noreturn]] void DefinitionError(const char* what, const char* name) {
  std::fprintf(stderr, "window definition: %s %s\n", what, name ? name : "(null)");
  std::abort();
}

void BuildForm(TForm& form, const FormDef& def, std::span<const ComponentDef> components) {
  form.SetName(def.name);
  form.SetCaption(Text(def.caption));
  form.SetBounds(def.left, def.top, def.clientWidth, def.clientHeight);
  form.SetBorderStyle(def.borderStyle);
  form.SetBorderIcons(def.systemMenu, def.minimize);
  form.SetColor(def.color);
  form.SetFont(def.font);
  form.SetShowHint(def.showHint);
  for (const ComponentDef& d : components) {
    auto it = Registry().find(d.cls);
    if (it == Registry().end()) DefinitionError("unknown class", d.cls);
    if (form.FindComponent(d.name)) DefinitionError("duplicate name", d.name);
    TComponent* c = it->second.create(&form);
    c->SetName(d.name);
    if (auto* control = dynamic_cast<TControl*>(c))
      ApplyControl(*control, form, d);
    else if (auto* item = dynamic_cast<TMenuItem*>(c))
      ApplyMenuItem(*item, form, d);
    else if (auto* dialog = dynamic_cast<TOpenDialog*>(c))
      ApplyOpenDialog(*dialog, d);
    else if (auto* menu = dynamic_cast<TPopupMenu*>(c); menu && d.popupAlignment)
      menu->SetAlignment(*d.popupAlignment);
    if (it->second.apply) it->second.apply(*c, d);
  }
  if (def.popupMenu) form.SetPopupMenu(Member<TPopupMenu>(form, def.popupMenu));
}

void BindEvent(TForm& form, const char* component, Event event, TNotifyEvent handler) {
  if (event == Event::OnCreate) {
    form.OnCreate = std::move(handler);
    return;
  }
  if (event == Event::OnActivate) {
    form.OnActivate = std::move(handler);
    return;
  }
  TComponent* c = form.FindComponent(component);
  if (auto* item = dynamic_cast<TMenuItem*>(c))
    item->OnClick = std::move(handler);
  else if (auto* control = dynamic_cast<TControl*>(c))
    control->OnClick = std::move(handler);
  else
    DefinitionError("no component to bind named", component);
}

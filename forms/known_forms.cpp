#include "forms/known_forms.h"

#include "forms/fconfig_definition.h"
#include "forms/fm1_definition.h"

namespace {

bool Lists(std::span<const ComponentDef> components, std::string_view name) {
  for (const ComponentDef& d : components)
    if (name == d.name) return true;
  return false;
}

}  // namespace

bool KnownComponent(std::string_view form, std::string_view component) {
  if (form == "Fm1") return component.empty() || Lists(Fm1Components(), component);
  if (form == "FConfig") return component.empty() || Lists(FConfigComponents(), component);
  return false;
}

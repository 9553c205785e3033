#include "forms/known_forms.h"

#include "forms/fm1_definition.h"

bool KnownComponent(std::string_view form, std::string_view component) {
  if (form == "Fm1") {
    if (component.empty()) return true;
    for (const ComponentDef& d : Fm1Components())
      if (component == d.name) return true;
  }
  return false;
}

#include "framework/dialog_template.h"

#include <map>
#include <utility>

namespace tqr417::fw {
namespace {

// Function-local so that templates registering from other files' static initialisers find it
// constructed whatever the order of initialisation.
std::map<int, DialogTemplate>& Registry() {
  static std::map<int, DialogTemplate> registry;
  return registry;
}

}  // namespace

const ControlTemplate* DialogTemplate::FindControl(int controlId) const {
  const int index = IndexOf(controlId);
  return index < 0 ? nullptr : &controls[static_cast<std::size_t>(index)];
}

int DialogTemplate::IndexOf(int controlId) const {
  if (controlId == kStatic) return -1;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].id == controlId) return static_cast<int>(i);
  }
  return -1;
}

const DialogTemplate* FindTemplate(int templateId) {
  const auto& registry = Registry();
  const auto found = registry.find(templateId);
  return found == registry.end() ? nullptr : &found->second;
}

bool RegisterTemplate(DialogTemplate dialogTemplate) {
  const int id = dialogTemplate.id;
  Registry().insert_or_assign(id, std::move(dialogTemplate));
  return true;
}

TemplateRegistration::TemplateRegistration(DialogTemplate dialogTemplate) {
  RegisterTemplate(std::move(dialogTemplate));
}

}  // namespace tqr417::fw

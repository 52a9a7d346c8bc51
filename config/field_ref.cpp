#include "config/field_ref.h"

namespace tqr417 {

int& FieldRef::Number(UnitConfig& config, int entry) const {
  if (auto* m = std::get_if<MainNumber>(&member_)) return config.main.**m;
  if (auto* d = std::get_if<DialogNumber>(&member_)) return config.dialog.**d;
  return (config.functionTable.*std::get<TableNumber>(member_)).at(entry);
}

int FieldRef::Number(const UnitConfig& config, int entry) const {
  return Number(const_cast<UnitConfig&>(config), entry);
}

std::string& FieldRef::Text(UnitConfig& config, int entry) const {
  if (auto* m = std::get_if<MainText>(&member_)) return config.main.**m;
  if (auto* d = std::get_if<DialogText>(&member_)) return config.dialog.**d;
  return (config.functionTable.*std::get<TableText>(member_)).at(entry);
}

const std::string& FieldRef::Text(const UnitConfig& config, int entry) const {
  return Text(const_cast<UnitConfig&>(config), entry);
}

int& FieldRef::Number(DialogSettings& settings) const {
  return settings.*std::get<DialogNumber>(member_);
}

int FieldRef::Number(const DialogSettings& settings) const {
  return settings.*std::get<DialogNumber>(member_);
}

std::string& FieldRef::Text(DialogSettings& settings) const {
  return settings.*std::get<DialogText>(member_);
}

const std::string& FieldRef::Text(const DialogSettings& settings) const {
  return settings.*std::get<DialogText>(member_);
}

}  // namespace tqr417

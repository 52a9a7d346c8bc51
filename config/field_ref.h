#pragma once
// A typed reference to one field of UnitConfig: a number or a text, in one of the three
// groups. Table fields take the entry number; the other groups ignore it.

#include <string>
#include <variant>

#include "config/unit_config.h"

namespace tqr417 {

class FieldRef {
 public:
  using MainNumber = int MainWindowSettings::*;
  using DialogNumber = int DialogSettings::*;
  using TableNumber = EntryArray<int> FunctionTable::*;
  using MainText = std::string MainWindowSettings::*;
  using DialogText = std::string DialogSettings::*;
  using TableText = EntryArray<std::string> FunctionTable::*;

  template <typename Member>
  constexpr FieldRef(Member member) : member_(member) {}  // NOLINT: implicit by design

  constexpr bool IsText() const {
    return std::holds_alternative<MainText>(member_) ||
           std::holds_alternative<DialogText>(member_) ||
           std::holds_alternative<TableText>(member_);
  }
  constexpr bool IsTableField() const {
    return std::holds_alternative<TableNumber>(member_) ||
           std::holds_alternative<TableText>(member_);
  }

  // Precondition: !IsText().
  int& Number(UnitConfig& config, int entry = 0) const;
  int Number(const UnitConfig& config, int entry = 0) const;
  // Precondition: IsText().
  std::string& Text(UnitConfig& config, int entry = 0) const;
  const std::string& Text(const UnitConfig& config, int entry = 0) const;
  // The same within the dialog group alone. Precondition: a dialog field.
  int& Number(DialogSettings& settings) const;
  int Number(const DialogSettings& settings) const;
  std::string& Text(DialogSettings& settings) const;
  const std::string& Text(const DialogSettings& settings) const;

 private:
  std::variant<MainNumber, DialogNumber, TableNumber, MainText, DialogText, TableText> member_;
};

}  // namespace tqr417

#pragma once
// Shared set-up of the dialog tests: a scripted modal runner, a valid configuration whose
// fields all differ, and one entry point that runs any setting command by template number.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "config/field_catalogue.h"
#include "config/unit_config.h"
#include "dialogs/setting_commands.h"
#include "framework/dialog.h"
#include "framework/dialog_template.h"
#include "framework/modal_runner.h"
#include "framework/testing/scripted_runner.h"
#include "framework/wnd.h"
#include "resources/resource_ids.h"

namespace tqr417 {

// Failure output: the dialog group field by field.
inline void PrintTo(const DialogSettings& settings, std::ostream* os) {
  UnitConfig config;
  config.dialog = settings;
  for (const FieldInfo* field : AllFields()) {
    if (field->group != FieldGroup::kDialog) continue;
    *os << field->name << '=';
    if (field->ref.IsText()) {
      *os << '"' << field->ref.Text(config) << "\" ";
    } else {
      *os << field->ref.Number(config) << ' ';
    }
  }
}

}  // namespace tqr417

namespace tqr417::dialogs::dialog_tests {

using fw::DialogDriver;
using namespace tqr417::res;

// Every field in range and every number different, so that a value bound to the wrong
// control or copied into the wrong field shows up.
// clang-format off
inline DialogSettings DistinctSettings() {
  return DialogSettings{
      .sidetoneGain = -1, .radioTxGain = -2, .lineTxGain = -3, .ctcssGain = -4,
      .morseAutoMode = 1, .morseIntervalMin = 11, .morseFreq = 1001, .morseGain = -5,
      .morseText = "CQ", .txAgc = 1, .txPreEmphasis = 1, .voxLevel = -6, .voxTimeoutSec = 61,
      .callTimeoutMin = 12, .holdToneAlways = 1, .dig5Enable = 1, .dig5R1 = 1,
      .dig5ToneFreq = 1201, .dig5ToneLevel = -7, .dig5OnMs = 501, .dig5OffMs = 502,
      .dig4Enable = 1, .dig4RxMute = 1, .dig4RevertF1 = 1, .dig4RevertSec = 301, .dig4R2 = 1};
}
// clang-format on

// Runs the setting command whose dialog is on `templateId`.
inline void RunCommand(int templateId, DialogSettings& settings, AppState& state) {
  switch (templateId) {
    case IDD_PORT:
      RunPortSettings(state);
      break;
    case IDD_GAIN:
      RunGainSettings(settings);
      break;
    case IDD_MORSE:
      RunMorseSettings(settings);
      break;
    case IDD_TX_AUDIO:
      RunTxAudioSettings(settings);
      break;
    case IDD_VOX:
      RunVoxSettings(settings);
      break;
    case IDD_DIG5_TONE:
      RunDig5Settings(settings);
      break;
    case IDD_DIG4_COR:
      RunDig4Settings(settings);
      break;
    default:
      FAIL() << "no command for template " << templateId;
  }
}

// True when control `id` is a check box or radio button.
inline bool IsCheckable(DialogDriver& d, int id) {
  const fw::DialogTemplate* dialogTemplate = d.Dialog().Template();
  if (dialogTemplate == nullptr) return false;
  for (const fw::ControlTemplate& control : dialogTemplate->controls) {
    if (control.id == id) {
      return control.kind == fw::ControlKind::kCheckBox ||
             control.kind == fw::ControlKind::kRadioButton;
    }
  }
  return false;
}

inline bool IsChecked(DialogDriver& d, int id) {
  CWnd* control = d.Dialog().GetDlgItem(id);
  return control != nullptr && IsCheckable(d, id) && control->GetCheck() == 1;
}

inline bool IsEnabled(DialogDriver& d, int id) {
  CWnd* control = d.Dialog().GetDlgItem(id);
  return control != nullptr && control->IsWindowEnabled() != FALSE;
}

// What a control shows: "[x]" or "[ ]" for a check box or radio button, else its text.
inline std::string Shown(DialogDriver& d, int id) {
  if (IsCheckable(d, id)) return IsChecked(d, id) ? "[x]" : "[ ]";
  return d.Text(id).str();
}

class DialogTest : public ::testing::Test {
 protected:
  // Runs the command for `templateId` with `script` driving its dialog; the script must end it.
  void Run(int templateId, fw::ScriptedRunner::DialogScript script) {
    runner.OnDialog(templateId, std::move(script));
    RunCommand(templateId, settings, state);
    EXPECT_EQ(runner.UnexpectedModals(), 0);
  }

  size_t MessageCount() const { return runner.Messages().size(); }
  std::string LastMessage() const {
    return runner.Messages().empty() ? std::string() : runner.Messages().back().text;
  }

  fw::ScriptedRunner runner;
  fw::ScopedModalRunner use{runner};
  DialogSettings settings = DistinctSettings();
  AppState state;
};

// Expects `message` to name every text in `mentions` (bounds, limits, "positive").
inline void ExpectNames(const std::string& message, const std::vector<std::string>& mentions) {
  for (const std::string& mention : mentions) {
    EXPECT_NE(message.find(mention), std::string::npos)
        << "message \"" << message << "\" does not name " << mention;
  }
}

}  // namespace tqr417::dialogs::dialog_tests

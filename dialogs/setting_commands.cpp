#include "dialogs/setting_commands.h"

#include "dialogs/dig4_cor_dlg.h"
#include "dialogs/dig5_tone_dlg.h"
#include "dialogs/gain_dlg.h"
#include "dialogs/morse_dlg.h"
#include "dialogs/port_dlg.h"
#include "dialogs/tx_audio_dlg.h"
#include "dialogs/vox_dlg.h"

namespace tqr417::dialogs {
namespace {

// Runs one setting dialog over `settings`: the dialog lives on the stack, so it is destroyed on
// every way out. Its rows' fields go in before the run and come back only when it ends with
// IDOK (not on Cancel, Esc, the close box, or -1 when the dialog cannot be created); returns
// whether they came back.
template <typename Dialog>
bool RunSettingDialog(DialogSettings& settings) {
  Dialog dlg;
  for (const SettingRow<Dialog>& row : Dialog::Rows()) row.CopyIn(dlg, settings);
  if (dlg.DoModal() != IDOK) return false;
  for (const SettingRow<Dialog>& row : Dialog::Rows()) row.CopyBack(dlg, settings);
  return true;
}

}  // namespace

void RunGainSettings(DialogSettings& settings) { RunSettingDialog<CGainDlg>(settings); }

void RunPortSettings(AppState& state) {
  // The dialog works on the radio index; ComPortFromChoice says what an index means (-1, no
  // button chosen, included).
  CPortDlg dlg;
  dlg.comPort = ChoiceFromComPort(state.comPort);
  if (dlg.DoModal() == IDOK) state.comPort = ComPortFromChoice(dlg.comPort);
}

void RunMorseSettings(DialogSettings& settings) {
  if (!RunSettingDialog<CMorseDlg>(settings)) return;
  // After every OK the stored text is upper case (a to z only), even when it was not edited.
  CString text = settings.morseText;
  text.MakeUpper();
  settings.morseText = text.str();
}

void RunTxAudioSettings(DialogSettings& settings) { RunSettingDialog<CTxAudioDlg>(settings); }

void RunVoxSettings(DialogSettings& settings) { RunSettingDialog<CVoxDlg>(settings); }

void RunDig5Settings(DialogSettings& settings) { RunSettingDialog<CDig5ToneDlg>(settings); }

void RunDig4Settings(DialogSettings& settings) { RunSettingDialog<CDig4CorDlg>(settings); }

}  // namespace tqr417::dialogs

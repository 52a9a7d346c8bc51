#include "dialogs/setting_commands.h"

#include <string>

#include "dialogs/dig4_cor_dlg.h"
#include "dialogs/dig5_tone_dlg.h"
#include "dialogs/gain_dlg.h"
#include "dialogs/morse_dlg.h"
#include "dialogs/port_dlg.h"
#include "dialogs/tx_audio_dlg.h"
#include "dialogs/vox_dlg.h"

namespace tqr417::dialogs {
namespace {

// Configuration field to dialog member. The configuration holds every number as a signed
// integer; an unsigned member takes the same bits.
struct CopyIn {
  void operator()(int& member, int field) const { member = field; }
  void operator()(UINT& member, int field) const { member = static_cast<UINT>(field); }
  void operator()(CString& member, const std::string& field) const { member = field; }
};

// Dialog member back to configuration field, bits kept the same way.
struct CopyBack {
  void operator()(int member, int& field) const { field = member; }
  void operator()(UINT member, int& field) const { field = static_cast<int>(member); }
  void operator()(const CString& member, std::string& field) const { field = member.str(); }
};

// Runs one setting dialog: `fields(dlg, copy)` calls `copy(member, field)` for each of the
// dialog's fields in the command's order. The dialog lives on the stack, so it is destroyed on
// every way out. The fields go in before the run and come back only when it ends with IDOK
// (not on Cancel, Esc, the close box, or -1 when the dialog cannot be created); returns
// whether they came back.
template <typename Dialog, typename Fields>
bool RunSettingDialog(Fields fields) {
  Dialog dlg;
  fields(dlg, CopyIn{});
  if (dlg.DoModal() != IDOK) return false;
  fields(dlg, CopyBack{});
  return true;
}

}  // namespace

void RunGainSettings(DialogSettings& settings) {
  RunSettingDialog<CGainDlg>([&settings](CGainDlg& dlg, auto copy) {
    copy(dlg.sidetoneGain, settings.sidetoneGain);
    copy(dlg.ctcssGain, settings.ctcssGain);
    copy(dlg.lineTxGain, settings.lineTxGain);
    copy(dlg.radioTxGain, settings.radioTxGain);
  });
}

void RunPortSettings(AppState& state) {
  // The dialog shows the port as its radio index and gives back an index (-1 for none).
  RunSettingDialog<CPortDlg>([&state](CPortDlg& dlg, auto copy) {
    int choice = ChoiceFromComPort(state.comPort);
    copy(dlg.comPort, choice);
    state.comPort = ComPortFromChoice(choice);
  });
}

void RunMorseSettings(DialogSettings& settings) {
  const bool ok = RunSettingDialog<CMorseDlg>([&settings](CMorseDlg& dlg, auto copy) {
    copy(dlg.morseAutoMode, settings.morseAutoMode);
    copy(dlg.morseFreq, settings.morseFreq);
    copy(dlg.morseText, settings.morseText);
    copy(dlg.morseIntervalMin, settings.morseIntervalMin);
    copy(dlg.morseGain, settings.morseGain);
  });
  if (!ok) return;
  // After every OK the stored text is upper case (a to z only), even when it was not edited.
  CString text = settings.morseText;
  text.MakeUpper();
  settings.morseText = text.str();
}

void RunTxAudioSettings(DialogSettings& settings) {
  RunSettingDialog<CTxAudioDlg>([&settings](CTxAudioDlg& dlg, auto copy) {
    copy(dlg.txAddCtcss, settings.txAddCtcss);
    copy(dlg.txAgc, settings.txAgc);
    copy(dlg.txPreEmphasis, settings.txPreEmphasis);
    copy(dlg.txLowPass, settings.txLowPass);
  });
}

void RunVoxSettings(DialogSettings& settings) {
  RunSettingDialog<CVoxDlg>([&settings](CVoxDlg& dlg, auto copy) {
    copy(dlg.holdToneAlways, settings.holdToneAlways);
    copy(dlg.callTimeoutMin, settings.callTimeoutMin);
    copy(dlg.phoneInstalled, settings.phoneInstalled);
    copy(dlg.voxLevel, settings.voxLevel);
    copy(dlg.voxTimeoutSec, settings.voxTimeoutSec);
  });
}

void RunDig5Settings(DialogSettings& settings) {
  RunSettingDialog<CDig5ToneDlg>([&settings](CDig5ToneDlg& dlg, auto copy) {
    copy(dlg.dig5ActiveHigh, settings.dig5ActiveHigh);
    copy(dlg.dig5Enable, settings.dig5Enable);
    copy(dlg.dig5ToneFreq, settings.dig5ToneFreq);
    copy(dlg.dig5ToneLevel, settings.dig5ToneLevel);
    copy(dlg.dig5OffMs, settings.dig5OffMs);
    copy(dlg.dig5OnMs, settings.dig5OnMs);
    copy(dlg.dig5R1, settings.dig5R1);
    copy(dlg.dig5R2, settings.dig5R2);
  });
}

void RunDig4Settings(DialogSettings& settings) {
  RunSettingDialog<CDig4CorDlg>([&settings](CDig4CorDlg& dlg, auto copy) {
    copy(dlg.dig4RevertF1, settings.dig4RevertF1);
    copy(dlg.dig4RevertSec, settings.dig4RevertSec);
    copy(dlg.dig4ActiveHigh, settings.dig4ActiveHigh);
    copy(dlg.dig4RxMute, settings.dig4RxMute);
    copy(dlg.dig4Enable, settings.dig4Enable);
    copy(dlg.dig4R1, settings.dig4R1);
    copy(dlg.dig4R2, settings.dig4R2);
  });
}

}  // namespace tqr417::dialogs

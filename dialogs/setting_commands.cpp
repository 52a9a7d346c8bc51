#include "dialogs/setting_commands.h"

#include "dialogs/dig4_cor_dlg.h"
#include "dialogs/dig5_tone_dlg.h"
#include "dialogs/gain_dlg.h"
#include "dialogs/morse_dlg.h"
#include "dialogs/port_dlg.h"
#include "dialogs/tx_audio_dlg.h"
#include "dialogs/vox_dlg.h"

// Every command follows one pattern: the dialog lives on the stack (so it is destroyed on
// every way out), its members are filled from the configuration, it runs modally, and only
// IDOK copies the members back. Nothing else happens after OK.

namespace tqr417::dialogs {

void RunGainSettings(DialogSettings& settings) {
  CGainDlg dlg;
  dlg.sidetoneGain = settings.sidetoneGain;
  dlg.ctcssGain = settings.ctcssGain;
  dlg.lineTxGain = settings.lineTxGain;
  dlg.radioTxGain = settings.radioTxGain;
  if (dlg.DoModal() != IDOK) return;
  settings.sidetoneGain = dlg.sidetoneGain;
  settings.ctcssGain = dlg.ctcssGain;
  settings.lineTxGain = dlg.lineTxGain;
  settings.radioTxGain = dlg.radioTxGain;
}

void RunPortSettings(AppState& state) {
  CPortDlg dlg;
  dlg.comPort = state.comPort;
  if (dlg.DoModal() != IDOK) return;
  state.comPort = dlg.comPort;
}

void RunMorseSettings(DialogSettings& settings) {
  CMorseDlg dlg;
  // The configuration holds the two unsigned fields as signed integers; the copies keep
  // the bits in both directions.
  dlg.morseAutoMode = settings.morseAutoMode;
  dlg.morseFreq = static_cast<UINT>(settings.morseFreq);
  dlg.morseText = settings.morseText;
  dlg.morseIntervalMin = static_cast<UINT>(settings.morseIntervalMin);
  dlg.morseGain = settings.morseGain;
  if (dlg.DoModal() != IDOK) return;
  settings.morseAutoMode = dlg.morseAutoMode;
  settings.morseFreq = static_cast<int>(dlg.morseFreq);
  CString text = dlg.morseText;
  text.MakeUpper();  // a to z only; the stored text is upper case after every OK
  settings.morseText = text.str();
  settings.morseIntervalMin = static_cast<int>(dlg.morseIntervalMin);
  settings.morseGain = dlg.morseGain;
}

void RunTxAudioSettings(DialogSettings& settings) {
  CTxAudioDlg dlg;
  dlg.txAddCtcss = settings.txAddCtcss;
  dlg.txAgc = settings.txAgc;
  dlg.txPreEmphasis = settings.txPreEmphasis;
  dlg.txLowPass = settings.txLowPass;
  if (dlg.DoModal() != IDOK) return;
  settings.txAddCtcss = dlg.txAddCtcss;
  settings.txAgc = dlg.txAgc;
  settings.txPreEmphasis = dlg.txPreEmphasis;
  settings.txLowPass = dlg.txLowPass;
}

void RunVoxSettings(DialogSettings& settings) {
  CVoxDlg dlg;
  dlg.holdToneAlways = settings.holdToneAlways;
  dlg.callTimeoutMin = settings.callTimeoutMin;
  dlg.phoneInstalled = settings.phoneInstalled;
  dlg.voxLevel = settings.voxLevel;
  dlg.voxTimeoutSec = settings.voxTimeoutSec;
  if (dlg.DoModal() != IDOK) return;
  settings.holdToneAlways = dlg.holdToneAlways;
  settings.callTimeoutMin = dlg.callTimeoutMin;
  settings.phoneInstalled = dlg.phoneInstalled;
  settings.voxLevel = dlg.voxLevel;
  settings.voxTimeoutSec = dlg.voxTimeoutSec;
}

void RunDig5Settings(DialogSettings& settings) {
  CDig5ToneDlg dlg;
  dlg.dig5ActiveHigh = settings.dig5ActiveHigh;
  dlg.dig5Enable = settings.dig5Enable;
  dlg.dig5ToneFreq = settings.dig5ToneFreq;
  dlg.dig5ToneLevel = settings.dig5ToneLevel;
  dlg.dig5OffMs = settings.dig5OffMs;
  dlg.dig5OnMs = settings.dig5OnMs;
  dlg.dig5R1 = settings.dig5R1;
  dlg.dig5R2 = settings.dig5R2;
  if (dlg.DoModal() != IDOK) return;
  settings.dig5ActiveHigh = dlg.dig5ActiveHigh;
  settings.dig5Enable = dlg.dig5Enable;
  settings.dig5ToneFreq = dlg.dig5ToneFreq;
  settings.dig5ToneLevel = dlg.dig5ToneLevel;
  settings.dig5OffMs = dlg.dig5OffMs;
  settings.dig5OnMs = dlg.dig5OnMs;
  settings.dig5R1 = dlg.dig5R1;
  settings.dig5R2 = dlg.dig5R2;
}

void RunDig4Settings(DialogSettings& settings) {
  CDig4CorDlg dlg;
  dlg.dig4RevertF1 = settings.dig4RevertF1;
  dlg.dig4RevertSec = settings.dig4RevertSec;
  dlg.dig4ActiveHigh = settings.dig4ActiveHigh;
  dlg.dig4RxMute = settings.dig4RxMute;
  dlg.dig4Enable = settings.dig4Enable;
  dlg.dig4R1 = settings.dig4R1;
  dlg.dig4R2 = settings.dig4R2;
  if (dlg.DoModal() != IDOK) return;
  settings.dig4RevertF1 = dlg.dig4RevertF1;
  settings.dig4RevertSec = dlg.dig4RevertSec;
  settings.dig4ActiveHigh = dlg.dig4ActiveHigh;
  settings.dig4RxMute = dlg.dig4RxMute;
  settings.dig4Enable = dlg.dig4Enable;
  settings.dig4R1 = dlg.dig4R1;
  settings.dig4R2 = dlg.dig4R2;
}

}  // namespace tqr417::dialogs

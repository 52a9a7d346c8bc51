#include "dialogs/setting_commands.h"

#include <string>
#include <tuple>

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

// One dialog member and the configuration field it edits.
template <typename Dialog, typename Member, typename Settings, typename Field>
struct Binding {
  Member Dialog::*member;
  Field Settings::*field;
};
template <typename Dialog, typename Member, typename Settings, typename Field>
constexpr Binding<Dialog, Member, Settings, Field> Bind(Member Dialog::*member,
                                                        Field Settings::*field) {
  return {member, field};
}

// The port dialog's radio index, between AppState::comPort and the dialog.
struct PortChoice {
  int index;
};

// Each dialog's members and the fields they edit, in the order the command copies them.
constexpr std::tuple kGainFields{
    Bind(&CGainDlg::sidetoneGain, &DialogSettings::sidetoneGain),
    Bind(&CGainDlg::ctcssGain, &DialogSettings::ctcssGain),
    Bind(&CGainDlg::lineTxGain, &DialogSettings::lineTxGain),
    Bind(&CGainDlg::radioTxGain, &DialogSettings::radioTxGain),
};
constexpr std::tuple kMorseFields{
    Bind(&CMorseDlg::morseAutoMode, &DialogSettings::morseAutoMode),
    Bind(&CMorseDlg::morseFreq, &DialogSettings::morseFreq),
    Bind(&CMorseDlg::morseText, &DialogSettings::morseText),
    Bind(&CMorseDlg::morseIntervalMin, &DialogSettings::morseIntervalMin),
    Bind(&CMorseDlg::morseGain, &DialogSettings::morseGain),
};
constexpr std::tuple kTxAudioFields{
    Bind(&CTxAudioDlg::txAddCtcss, &DialogSettings::txAddCtcss),
    Bind(&CTxAudioDlg::txAgc, &DialogSettings::txAgc),
    Bind(&CTxAudioDlg::txPreEmphasis, &DialogSettings::txPreEmphasis),
    Bind(&CTxAudioDlg::txLowPass, &DialogSettings::txLowPass),
};
constexpr std::tuple kVoxFields{
    Bind(&CVoxDlg::holdToneAlways, &DialogSettings::holdToneAlways),
    Bind(&CVoxDlg::callTimeoutMin, &DialogSettings::callTimeoutMin),
    Bind(&CVoxDlg::phoneInstalled, &DialogSettings::phoneInstalled),
    Bind(&CVoxDlg::voxLevel, &DialogSettings::voxLevel),
    Bind(&CVoxDlg::voxTimeoutSec, &DialogSettings::voxTimeoutSec),
};
constexpr std::tuple kDig5Fields{
    Bind(&CDig5ToneDlg::dig5ActiveHigh, &DialogSettings::dig5ActiveHigh),
    Bind(&CDig5ToneDlg::dig5Enable, &DialogSettings::dig5Enable),
    Bind(&CDig5ToneDlg::dig5ToneFreq, &DialogSettings::dig5ToneFreq),
    Bind(&CDig5ToneDlg::dig5ToneLevel, &DialogSettings::dig5ToneLevel),
    Bind(&CDig5ToneDlg::dig5OffMs, &DialogSettings::dig5OffMs),
    Bind(&CDig5ToneDlg::dig5OnMs, &DialogSettings::dig5OnMs),
    Bind(&CDig5ToneDlg::dig5R1, &DialogSettings::dig5R1),
    Bind(&CDig5ToneDlg::dig5R2, &DialogSettings::dig5R2),
};
constexpr std::tuple kDig4Fields{
    Bind(&CDig4CorDlg::dig4RevertF1, &DialogSettings::dig4RevertF1),
    Bind(&CDig4CorDlg::dig4RevertSec, &DialogSettings::dig4RevertSec),
    Bind(&CDig4CorDlg::dig4ActiveHigh, &DialogSettings::dig4ActiveHigh),
    Bind(&CDig4CorDlg::dig4RxMute, &DialogSettings::dig4RxMute),
    Bind(&CDig4CorDlg::dig4Enable, &DialogSettings::dig4Enable),
    Bind(&CDig4CorDlg::dig4R1, &DialogSettings::dig4R1),
    Bind(&CDig4CorDlg::dig4R2, &DialogSettings::dig4R2),
};

// Runs one setting dialog over `settings`: the dialog lives on the stack, so it is destroyed on
// every way out. The bound fields go in before the run and come back only when it ends with
// IDOK (not on Cancel, Esc, the close box, or -1 when the dialog cannot be created); returns
// whether they came back.
template <typename Dialog, typename Settings, typename Bindings>
bool RunSettingDialog(Settings& settings, const Bindings& bindings) {
  Dialog dlg;
  const auto copyAll = [&](auto copy) {
    std::apply([&](const auto&... b) { (copy(dlg.*b.member, settings.*b.field), ...); }, bindings);
  };
  copyAll(CopyIn{});
  if (dlg.DoModal() != IDOK) return false;
  copyAll(CopyBack{});
  return true;
}

}  // namespace

void RunGainSettings(DialogSettings& settings) {
  RunSettingDialog<CGainDlg>(settings, kGainFields);
}

void RunPortSettings(AppState& state) {
  // The dialog works on the radio index; ComPortFromChoice says what an index means (-1, no
  // button chosen, included).
  PortChoice choice{ChoiceFromComPort(state.comPort)};
  if (RunSettingDialog<CPortDlg>(choice,
                                 std::tuple{Bind(&CPortDlg::comPort, &PortChoice::index)})) {
    state.comPort = ComPortFromChoice(choice.index);
  }
}

void RunMorseSettings(DialogSettings& settings) {
  const bool ok = RunSettingDialog<CMorseDlg>(settings, kMorseFields);
  if (!ok) return;
  // After every OK the stored text is upper case (a to z only), even when it was not edited.
  CString text = settings.morseText;
  text.MakeUpper();
  settings.morseText = text.str();
}

void RunTxAudioSettings(DialogSettings& settings) {
  RunSettingDialog<CTxAudioDlg>(settings, kTxAudioFields);
}

void RunVoxSettings(DialogSettings& settings) { RunSettingDialog<CVoxDlg>(settings, kVoxFields); }

void RunDig5Settings(DialogSettings& settings) {
  RunSettingDialog<CDig5ToneDlg>(settings, kDig5Fields);
}

void RunDig4Settings(DialogSettings& settings) {
  RunSettingDialog<CDig4CorDlg>(settings, kDig4Fields);
}

}  // namespace tqr417::dialogs

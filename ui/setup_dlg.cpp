#include "ui/setup_dlg.h"

#include "config/defaults.h"
#include "dialogs/field_checks.h"
#include "dialogs/setting_commands.h"
#include "framework/data_exchange.h"
#include "framework/ddx.h"
#include "framework/win_app.h"
#include "resources/resource_ids.h"
#include "resources/string_table.h"
#include "ui/about_dlg.h"
#include "ui/grid_layout.h"

namespace ids = tqr417::res::setup;
using tqr417::ui::GridId;
using tqr417::ui::kGridRows;
namespace grid = tqr417::ui::grid;

CSetupDlg::CSetupDlg(tqr417::UnitConfig& config, tqr417::AppState& state, tqr417::PortOpener& ports,
                     CDialog* parent)
    : CDialog(tqr417::res::IDD_SETUP_DIALOG, parent),
      appIcon(AfxLoadIcon(tqr417::res::IDR_MAINFRAME)),
      config_(config),
      state_(state),
      ports_(ports) {
  // The window owns the main-window settings: they start as 0 and empty like every member.
  config_.main = tqr417::MainWindowSettings{};
  RegisterHandlers();
}

void CSetupDlg::RegisterHandlers() {
  AddHandler(ids::IDC_SEND, BN_CLICKED, [this] { OnSendConfig(); });
  AddHandler(ids::IDC_RECV, BN_CLICKED, [this] { OnRecvConfig(); });
  AddHandler(ids::IDC_LOAD, BN_CLICKED, [this] { OnLoadConfig(); });
  AddHandler(ids::IDC_SAVE, BN_CLICKED, [this] { OnSaveConfig(); });
  AddHandler(ids::IDC_EXIT, BN_CLICKED, [this] { OnCancel(); });

  namespace dialogs = tqr417::dialogs;
  AddHandler(ids::IDC_COM_PORT, BN_CLICKED, [this] { dialogs::RunPortSettings(state_); });
  AddHandler(ids::IDC_SET_GAINS, BN_CLICKED, [this] { dialogs::RunGainSettings(config_.dialog); });
  AddHandler(ids::IDC_MORSE, BN_CLICKED, [this] { dialogs::RunMorseSettings(config_.dialog); });
  AddHandler(ids::IDC_TX_FILTERS, BN_CLICKED, [this] { OnTxFilters(); });
  AddHandler(ids::IDC_DUZO, BN_CLICKED, [this] { dialogs::RunVoxSettings(config_.dialog); });
  AddHandler(ids::IDC_DIG5, BN_CLICKED, [this] { dialogs::RunDig5Settings(config_.dialog); });
  AddHandler(ids::IDC_DIG4, BN_CLICKED, [this] { dialogs::RunDig4Settings(config_.dialog); });

  AddHandler(ids::IDC_SINGLE, BN_CLICKED, [this] { OnToneModeClicked(); });
  AddHandler(ids::IDC_DUAL, BN_CLICKED, [this] { OnToneModeClicked(); });
  for (int id :
       {ids::IDC_MON_RESET_ON_PTT, ids::IDC_MON_ALWAYS_EXCEPT_PTT, ids::IDC_MON_MOMENTARY}) {
    AddHandler(id, BN_CLICKED, [this] { OnMonRelayClicked(); });
  }

  for (int row = 1; row <= kGridRows; ++row) {
    AddHandler(GridId(grid::kToneActive, row), BN_CLICKED, [this, row] { EnableRowControls(row); });
    AddHandler(GridId(grid::kRelay, row), CBN_KILLFOCUS, [this, row] { ShareRelaySettings(row); });
    AddHandler(GridId(grid::kGroup, row), CBN_KILLFOCUS, [this, row] { ShareRelaySettings(row); });
    AddHandler(GridId(grid::kDuration, row), EN_KILLFOCUS,
               [this, row] { ShareRelaySettings(row); });
  }
}

void CSetupDlg::DoDataExchange(CDataExchange* pDX) {
  using tqr417::ui::kLabelExchangeOrder;
  using tqr417::ui::kRowExchangeOrder;
  const auto at = [](int row) { return static_cast<std::size_t>(row - 1); };

  DDX_Control(pDX, ids::IDC_SCROLLBAR, scrollBar);
  for (int row : kLabelExchangeOrder) {
    DDX_Text(pDX, GridId(grid::kLabel, row), rows.rowLabel[at(row)]);
  }
  for (int row : kRowExchangeOrder) {
    DDX_CBString(pDX, GridId(grid::kRelay, row), rows.rowRelay[at(row)]);
  }
  for (int row : kRowExchangeOrder) {
    DDX_CBString(pDX, GridId(grid::kGroup, row), rows.rowGroup[at(row)]);
  }
  for (int row : kRowExchangeOrder) {
    DDX_Text(pDX, GridId(grid::kDuration, row), rows.rowDurationMs[at(row)]);
    DDV_Field(pDX, rows.rowDurationMs[at(row)], tqr417::Field("relayDurationMs"));
  }
  for (int row : kRowExchangeOrder) {
    DDX_Text(pDX, GridId(grid::kCtcss, row), rows.rowCtcssCode[at(row)]);
    DDV_Field(pDX, rows.rowCtcssCode[at(row)], tqr417::Field("ctcssCode"));
  }
  for (int row : kRowExchangeOrder) {
    DDX_Check(pDX, GridId(grid::kUseDefaultCtcss, row), rows.rowUseDefaultCtcss[at(row)]);
  }
  for (int row : kRowExchangeOrder) {
    DDX_Text(pDX, GridId(grid::kDigitalOutput, row), rows.rowDigitalOutput[at(row)]);
    DDV_Field(pDX, rows.rowDigitalOutput[at(row)], tqr417::Field("digitalOutput"));
  }

  tqr417::MainWindowSettings& m = config_.main;
  DDX_Radio(pDX, ids::IDC_MON_RESET_ON_PTT, m.monRelayMode);
  DDX_Radio(pDX, ids::IDC_SINGLE, m.toneMode);
  DDX_Text(pDX, ids::IDC_MON_MOMENTARY_MS, m.monMomentaryMs);
  DDV_Field(pDX, m.monMomentaryMs, tqr417::Field("monMomentaryMs"));
  DDX_Radio(pDX, ids::IDC_PTT_NO_RELAYS, m.pttRelayOption);
  DDX_Radio(pDX, ids::IDC_CTCSS_PTT_ONLY, m.ctcssToneMode);
  DDX_Check(pDX, ids::IDC_REVERT_TO_R1, m.revertToR1);
  DDX_Check(pDX, ids::IDC_REPEATER_MODE, m.repeaterMode);
  DDX_Check(pDX, ids::IDC_LINE_DTMF_DISABLE, m.lineDtmfDisable);
  DDX_Check(pDX, ids::IDC_AUDIO_LOOPBACK, m.audioLoopback);
  DDX_Check(pDX, ids::IDC_PTT_TONE_ONLY, m.pttToneOnly);
  DDX_Check(pDX, ids::IDC_ERROR_BEEPS, m.errorBeeps);

  for (int row : kRowExchangeOrder) {
    DDX_Check(pDX, GridId(grid::kToneActive, row), rows.rowToneActive[at(row)]);
  }

  // The configuration holds the text as a plain string; the exchange works on a CString and
  // the result goes back whatever the check says, as a bound member would keep it.
  CString pttFrequency(m.pttFrequency);
  DDX_CBString(pDX, ids::IDC_PTT_FREQUENCY, pttFrequency);
  DDV_Field(pDX, pttFrequency, tqr417::Field("pttFrequency"));
  m.pttFrequency = pttFrequency.str();
}

BOOL CSetupDlg::OnInitDialog() {
  // Not the framework's OnInitDialog: its exchange would fill every control from the members,
  // all 0 or empty, for SetTableDefaults to read the same values straight back and FillRows
  // to replace them all. Without those two exchanges the window opens the same, each control
  // set once; the scroll bar is attached here as that first exchange would attach it.
  AttachControl(ids::IDC_SCROLLBAR, scrollBar);

  if (CMenu* systemMenu = GetSystemMenu(FALSE)) {
    const CString about(tqr417::res::LoadResourceString(tqr417::res::IDS_ABOUTBOX));
    if (!about.IsEmpty()) {
      systemMenu->AppendMenu(MF_SEPARATOR);
      systemMenu->AppendMenu(MF_STRING, tqr417::res::IDM_ABOUTBOX, about);
    }
  }

  SetIcon(appIcon, TRUE);
  SetIcon(appIcon, FALSE);

  SetTableDefaults();
  ResetScrollRange();
  tqr417::SetDialogDefaults(config_.dialog);
  tqr417::SetMainWindowStartupValues(config_.main);

  FillRows(FirstEntryOfMode());
  SetAccessibleName(ids::IDC_MON_MOMENTARY_MS, "Momentary time (ms)");
  SetAccessibleName(ids::IDC_PTT_FREQUENCY, "PTT Frequency");
  SetAccessibleName(ids::IDC_SCROLLBAR, "Function table rows");
  if (!startupFile_.empty()) LoadAndShow(startupFile_);
  return TRUE;
}

void CSetupDlg::SetTableDefaults() {
  state_.scrollMax = config_.main.toneMode == 0 ? 7 : 90;
  tqr417::SetTableDefaults(config_.functionTable);
  UpdateMomentaryEnabling();
}

void CSetupDlg::RefreshFromConfig() {
  ResetScrollRange();
  UpdateMomentaryEnabling();
  FillRows(FirstEntryOfMode());
}

void CSetupDlg::UpdateMomentaryEnabling() {
  CWnd* momentary = GetDlgItem(ids::IDC_MON_MOMENTARY_MS);
  if (momentary == nullptr) return;
  const int mode = config_.main.monRelayMode;
  if (mode == 0 || mode == 1) {
    momentary->EnableWindow(FALSE);
  } else if (mode == 2) {
    momentary->EnableWindow(TRUE);
  }
}

int CSetupDlg::FirstEntryOfMode() const { return config_.main.toneMode == 0 ? 1 : 0; }

void CSetupDlg::OnToneModeClicked() {
  UpdateData(TRUE);
  ResetScrollRange();
}

void CSetupDlg::OnMonRelayClicked() {
  UpdateData(TRUE);
  UpdateMomentaryEnabling();
}

void CSetupDlg::OnTxFilters() {
  // Decides by the repeater mode of the exchange; a failed exchange leaves the last one.
  UpdateData(TRUE);
  if (config_.main.repeaterMode == 0) tqr417::dialogs::RunTxAudioSettings(config_.dialog);
}

void CSetupDlg::OnSysCommand(UINT command, LPARAM param) {
  if ((command & 0xFFF0u) == tqr417::res::IDM_ABOUTBOX) {
    CAboutDlg about;
    about.DoModal();
    return;
  }
  CDialog::OnSysCommand(command, param);
}

void CSetupDlg::WinHelp(DWORD /*data*/, UINT /*command*/) {}

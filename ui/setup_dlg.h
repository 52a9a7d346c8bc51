#pragma once
// CSetupDlg: the application's main window on template 102, "TQR-417 Configuration
// Application".
//
// It shows the main-window settings of the configuration, the function table through a
// ten-row grid with a scroll bar, and runs every command: upload and download, save and load,
// the setting dialogs and exit. The configuration and the application state belong to the
// application; the window works on them by reference and binds the main-window settings
// (config.main) directly to their controls.
//
// The grid is a working copy (GridRows): FillRows shows ten entries, StoreRows writes them
// back. Commands that read the table store first; the download and the load refresh last.

#include <functional>
#include <string>
#include <utility>

#include "config/unit_config.h"
#include "framework/dialog.h"
#include "framework/scroll_bar.h"
#include "link/port_opener.h"
#include "link/transfers.h"
#include "ui/grid_rows.h"

class CSetupDlg : public CDialog {
 public:
  // `ports` opens the serial port of each transfer (state.comPort chooses which); the
  // application shell owns it, and it outlives the window.
  CSetupDlg(tqr417::UnitConfig& config, tqr417::AppState& state, tqr417::PortOpener& ports,
            CDialog* parent = nullptr);

  // A file to load as "Load Config" loads a chosen one, once the window has its start-up
  // configuration and before it shows: on failure the same message, and the start-up
  // configuration stays. Set before the window is created; empty for none.
  void SetStartupFile(std::string path) { startupFile_ = std::move(path); }

  // --- The grid (setup_dlg_grid.cpp). Rows are numbered 1 to 10 from the top.

  // Makes `top` (0 to 90) the first entry shown, shows entries top to top + 9 and every
  // setting, then enables each row by its Tone Active box.
  void FillRows(int top);
  // Takes every control into its member (checks included, outcome ignored) and writes the
  // ten rows into the table at windowTop.
  void StoreRows();
  // Stores the rows, then gives every other entry with the same relay text as row `row`'s
  // entry that entry's group and duration; refills the rows when any entry matched.
  void ShareRelaySettings(int row);
  // Takes every control into its member, then enables or disables the six editing controls
  // of row `row` by its Tone Active value.
  void EnableRowControls(int row);
  // Range 1 to 7 (scrollMax 7) in Single tone mode, 0 to 90 (scrollMax 90) otherwise; the
  // thumb moves only as far as the new range clamps it.
  void ResetScrollRange();

  // --- Window state (setup_dlg.cpp).

  // Shows the configuration as it now stands: scroll range, momentary enabling, rows from the
  // range minimum. Stores nothing first; the thumb is not set.
  void RefreshFromConfig();
  // Momentary time field: disabled for MON relay mode 0 or 1, enabled for 2, else unchanged.
  void UpdateMomentaryEnabling();
  // The start-up defaults of the function table, with scrollMax for the tone mode and the
  // momentary field's enabling.
  void SetTableDefaults();

  // --- Commands (setup_dlg_commands.cpp).
  void OnSendConfig();
  void OnRecvConfig();
  void OnSaveConfig();
  void OnLoadConfig();

  // --- Framework overrides.
  BOOL OnInitDialog() override;
  void OnSysCommand(UINT command, LPARAM param) override;
  void OnVScroll(UINT code, UINT pos, CScrollBar* bar) override;
  // Help requests have no effect in this window.
  void WinHelp(DWORD data, UINT command) override;

  tqr417::UnitConfig& Config() { return config_; }
  tqr417::AppState& State() { return state_; }

  // Members bound to controls: the scroll bar and the grid's rows. The main-window settings
  // are bound straight from Config().main.
  CScrollBar scrollBar;
  tqr417::ui::GridRows rows;
  tqr417::fw::IconId appIcon = 0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  void RegisterHandlers();
  void OnToneModeClicked();
  void OnMonRelayClicked();
  void OnTxFilters();
  // Enables or disables the six editing controls of row `row` by its Tone Active value.
  void EnableRowByToneActive(int row);
  // Gives each grid cell the name of its column heading and row label, e.g. "Relay F01".
  void NameGridCells();
  // Loads `path` into the configuration, reports a failure or warning naming the file, and
  // shows the configuration as it then stands.
  void LoadAndShow(const std::string& path);
  // Shows a transfer's outcome in a message box.
  void ReportOutcome(const tqr417::TransferResult& result);
  // When a transfer lets go of the port: the upload holds it until the technician has seen
  // its result, the download closes it before showing its result.
  enum class PortRelease { kAfterResultSeen, kBeforeResultShown };
  // One transfer: opens the chosen port, runs `exchange` over it on a helper thread under
  // the wait cursor (the window keeps painting and takes no input), then shows the result
  // and closes the port in the order `release` gives. A port that cannot be opened is
  // reported at once.
  void RunTransfer(int outputQueueSize, PortRelease release,
                   const std::function<tqr417::TransferResult(tqr417::ByteChannel&)>& exchange);
  // The range minimum of the current tone mode: 1 for Single, 0 for Dual.
  int FirstEntryOfMode() const;

  tqr417::UnitConfig& config_;
  tqr417::AppState& state_;
  tqr417::PortOpener& ports_;
  std::string startupFile_;
};

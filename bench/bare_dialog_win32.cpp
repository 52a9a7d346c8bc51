// tqr417_bare_dialog (Windows): the yardsticks of bench/startup_time.py. Shows one dialog box
// through a plain DialogBoxIndirectParamW and a dialog procedure that only makes the controls
// as the program makes them, so its start is what the system alone costs:
//
//   tqr417_bare_dialog main     the main window's template (102) as the program builds it,
//                               with no control subclassed, named or filled
//   tqr417_bare_dialog button   a dialog of the same size, font and styles with one button
//
// It carries the program's manifest (common controls 6, DPI awareness) and registers the
// common controls as the program does. The box ends with Esc or its close box.

#include <windows.h>
// The common controls need <windows.h> first.
#include <commctrl.h>

#include <cstring>
#include <vector>

#include "framework/dialog_template.h"
#include "framework/win32/template_builder.h"
#include "resources/resource_ids.h"

namespace {

// Makes the controls of the template in `lParam` and nothing else.
INT_PTR CALLBACK MakeControls(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    const auto& shown = *reinterpret_cast<const tqr417::fw::DialogTemplate*>(lParam);
    for (const tqr417::fw::ControlTemplate& control : shown.controls) {
      tqr417::fw::CreateControl(window, control);
    }
    return TRUE;
  }
  if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
    EndDialog(window, IDCANCEL);
    return TRUE;
  }
  return FALSE;
}

// The main window's frame and font around one push button.
tqr417::fw::DialogTemplate OneButton(const tqr417::fw::DialogTemplate& main) {
  tqr417::fw::DialogTemplate bare = main;
  bare.caption = "Bare dialog";
  bare.controls = {{IDCANCEL,
                    tqr417::fw::ControlKind::kPushButton,
                    "Close",
                    10,
                    10,
                    50,
                    14,
                    tqr417::fw::style::kGroup | tqr417::fw::style::kTabStop,
                    {}}};
  return bare;
}

}  // namespace

int main(int argc, char** argv) {
  const bool button = argc == 2 && std::strcmp(argv[1], "button") == 0;
  const bool main = argc == 2 && std::strcmp(argv[1], "main") == 0;
  const tqr417::fw::DialogTemplate* setup = tqr417::fw::FindTemplate(tqr417::res::IDD_SETUP_DIALOG);
  if ((!button && !main) || setup == nullptr) return 2;

  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  const tqr417::fw::DialogTemplate shown = main ? *setup : OneButton(*setup);
  const std::vector<WORD> bytes = tqr417::fw::BuildDialogTemplate(shown);
  DialogBoxIndirectParamW(GetModuleHandleW(nullptr),
                          reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()), nullptr, &MakeControls,
                          reinterpret_cast<LPARAM>(&shown));
  return 0;
}

// Reads what the running application's main window shows, for the installer check under
// Wine: waits for the window with the main template's caption to be shown, prints the text
// of each named control as NAME=TEXT (asked with WM_GETTEXT), and with --close closes the
// window as its close box does and waits for it to go.
// Usage: tqr417_window_text [--close] CONTROL...  (names from the table below)
// Exit status: 0 done, 1 no such window or control, or the window stayed open.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>
#include <thread>

#include "framework/dialog_template.h"
#include "platform/wide_text.h"
#include "resources/resource_ids.h"

namespace {

using namespace std::chrono_literals;
namespace ids = tqr417::res::setup;

// The main window's controls that hold one value each, by their resource names.
struct NamedControl {
  std::string_view name;
  int id;
};
constexpr NamedControl kControls[] = {
    {"IDC_PTT_FREQUENCY", ids::IDC_PTT_FREQUENCY},
    {"IDC_MON_MOMENTARY_MS", ids::IDC_MON_MOMENTARY_MS},
};

const NamedControl* FindControl(std::string_view name) {
  for (const NamedControl& control : kControls) {
    if (control.name == name) return &control;
  }
  return nullptr;
}

// Polls `ready` every 50 ms for up to `limit`; true as soon as it holds.
template <typename Ready>
bool WaitFor(Ready ready, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!ready()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(50ms);
  }
  return true;
}

// The control's text as the control itself answers WM_GETTEXT: GetWindowText would give
// another process's edit control and combo box only the title they were created with.
std::string ControlText(HWND window, int id) {
  HWND control = GetDlgItem(window, id);
  if (control == nullptr) return {};
  const auto length = SendMessageW(control, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const auto copied =
      SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(copied));
  return tqr417::Utf8FromWide(text);
}

}  // namespace

int main(int argc, char** argv) {
  const tqr417::fw::DialogTemplate* setup = tqr417::fw::FindTemplate(tqr417::res::IDD_SETUP_DIALOG);
  const std::wstring title = tqr417::WideFromUtf8(setup->caption).value_or(L"");
  bool close = false;
  int first = 1;
  if (argc > 1 && std::string_view(argv[1]) == "--close") {
    close = true;
    first = 2;
  }
  for (int i = first; i < argc; ++i) {
    if (FindControl(argv[i]) == nullptr) {
      std::fprintf(stderr, "tqr417_window_text: the main window has no control named %s.\n",
                   argv[i]);
      return 1;
    }
  }

  // FindWindow also finds the window before its controls are filled; it is shown after.
  HWND window = nullptr;
  if (!WaitFor(
          [&] {
            window = FindWindowW(nullptr, title.c_str());
            return window != nullptr && IsWindowVisible(window);
          },
          20s)) {
    std::fprintf(stderr, "tqr417_window_text: no window \"%s\" was shown within 20 s.\n",
                 setup->caption.c_str());
    return 1;
  }
  for (int i = first; i < argc; ++i) {
    std::printf("%s=%s\n", argv[i], ControlText(window, FindControl(argv[i])->id).c_str());
  }
  std::fflush(stdout);
  if (close) {
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (!WaitFor([&] { return !IsWindow(window); }, 10s)) {
      std::fprintf(stderr, "tqr417_window_text: \"%s\" did not close within 10 s.\n",
                   setup->caption.c_str());
      return 1;
    }
  }
  return 0;
}

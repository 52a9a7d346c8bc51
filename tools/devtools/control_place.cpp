// Prints where a control of the main window lies, from the window's template: the dialog's
// client size and the control's centre, in dialog units, as "WIDTH HEIGHT X Y". For scripts
// that click the running program (scripts/test-windows.sh), so that they follow the template.
//   tools/devtools/tqr417_control_place "Send to 417"

#include <cstdio>
#include <string>

#include "framework/dialog_template.h"
#include "resources/resource_ids.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "Usage: %s CAPTION\n", argv[0]);
    return 2;
  }
  const tqr417::fw::DialogTemplate* setup = tqr417::fw::FindTemplate(tqr417::res::IDD_SETUP_DIALOG);
  if (!setup) {
    std::fprintf(stderr, "The main window's template is not registered.\n");
    return 1;
  }
  for (const tqr417::fw::ControlTemplate& control : setup->controls) {
    if (control.caption == argv[1]) {
      std::printf("%d %d %d %d\n", setup->width, setup->height, control.x + control.width / 2,
                  control.y + control.height / 2);
      return 0;
    }
  }
  std::fprintf(stderr, "The main window has no control captioned \"%s\".\n", argv[1]);
  return 1;
}

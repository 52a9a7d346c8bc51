// Saves a PNG of each setting dialog, and of the About box, as it first opens with the
// start-up configuration, for the documentation. Not a test: run it under Xvfb,
//   xvfb-run -a tools/devtools/tqr417_dialog_screenshots <output folder>
// Each dialog runs through its own command; the runner below paints it, saves it with a
// drawn title bar (Xvfb has no window manager to draw one) and cancels it.

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <cstdio>
#include <optional>

#include "config/defaults.h"
#include "dialogs/setting_commands.h"
#include "framework/dialog.h"
#include "framework/modal_runner.h"
#include "framework/qt/qt_access.h"
#include "ui/about_dlg.h"
#include "ui/app_icon.h"

namespace {

class ScreenshotRunner : public tqr417::fw::ModalRunner {
 public:
  explicit ScreenshotRunner(QDir folder) : folder_(std::move(folder)) {}

  void NextName(const char* name) { name_ = name; }
  bool Failed() const { return failed_; }

  int RunDialog(CDialog& dialog) override {
    QDialog* window = tqr417::fw::QtWindow(dialog);
    window->show();
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    const QPixmap client = window->grab();
    const QString path = folder_.filePath(QString::fromLatin1(name_) + ".png");
    if (!WithTitleBar(client, window->windowTitle()).save(path)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      failed_ = true;
    }
    dialog.EndDialog(IDCANCEL);
    return IDCANCEL;
  }

  int ShowMessage(const tqr417::fw::MessageRequest& request, CDialog*) override {
    std::fprintf(stderr, "unexpected message while opening %s: %s\n", name_,
                 request.text.c_str());
    failed_ = true;
    return IDOK;
  }

  std::optional<std::string> ChooseFile(const tqr417::fw::FileRequest&, CDialog*) override {
    return std::nullopt;
  }

  UINT TrackMenu(const CMenu&, CDialog*, const tqr417::fw::ScreenPoint&) override { return 0; }

 private:
  static QPixmap WithTitleBar(const QPixmap& client, const QString& caption) {
    constexpr int kBar = 22;
    QPixmap framed(client.width() + 2, client.height() + kBar + 1);
    framed.fill(QColor(0x80, 0x80, 0x80));
    QPainter painter(&framed);
    painter.fillRect(1, 1, client.width(), kBar - 1, QColor(0x00, 0x00, 0x80));
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    const QRect title(6, 1, client.width() - 30, kBar - 1);
    painter.drawText(title, Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(caption, Qt::ElideRight, title.width()));
    painter.drawText(QRect(client.width() - 20, 1, 18, kBar - 1), Qt::AlignCenter, "x");
    painter.drawPixmap(1, kBar, client);
    return framed;
  }

  QDir folder_;
  const char* name_ = "dialog";
  bool failed_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  tqr417::ui::RegisterAppIdentity();
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
    return 2;
  }
  QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(".")) {
    std::fprintf(stderr, "cannot create %s\n", argv[1]);
    return 1;
  }
  ScreenshotRunner runner(folder);
  tqr417::fw::ScopedModalRunner use(runner);

  tqr417::UnitConfig config = tqr417::StartupConfig();
  tqr417::AppState state;  // as the application starts: Com1
  tqr417::DialogSettings& settings = config.dialog;
  using namespace tqr417::dialogs;

  runner.NextName("port");
  RunPortSettings(state);
  runner.NextName("gain");
  RunGainSettings(settings);
  runner.NextName("morse");
  RunMorseSettings(settings);
  runner.NextName("tx_audio");
  RunTxAudioSettings(settings);
  runner.NextName("vox");
  RunVoxSettings(settings);
  runner.NextName("dig5_tone");
  RunDig5Settings(settings);
  runner.NextName("dig4_cor");
  RunDig4Settings(settings);

  // The digital input dialogs once more with their inputs enabled.
  settings.dig5Enable = 1;
  settings.dig4Enable = 1;
  settings.dig4RevertF1 = 1;
  runner.NextName("dig5_tone_enabled");
  RunDig5Settings(settings);
  runner.NextName("dig4_cor_enabled");
  RunDig4Settings(settings);

  runner.NextName("about");
  CAboutDlg about;
  about.DoModal();
  return runner.Failed() ? 1 : 0;
}

// The Qt production runner's own boxes, driven by a timer while they run: the file chooser's
// path and the encodings of a message box's text.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <optional>
#include <string>

#include "framework/qt/qt_modal_runner.h"

namespace {

// The production chooser, driven by a timer while it runs: the path it gives is the file
// system's spelling, whatever characters the name holds.
TEST(QtFileChooserTest, NameOutsideLatinOneComesBackAsTheFileSystemSpellsIt) {
  const QString folder = QDir::temp().filePath(QStringLiteral("tqr417-chooser-%1").arg(getpid()));
  QDir().mkpath(folder);
  const QString typed = QStringLiteral("\u041a\u043e\u043d\u0444\u0438\u0433 \u20ac");
  QTimer::singleShot(0, [&] {
    auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(chooser, nullptr);
    chooser->setDirectory(folder);
    chooser->selectFile(typed);
    static_cast<QDialog*>(chooser)->accept();  // as the Save button does
  });
  tqr417::fw::QtModalRunner runner;
  tqr417::fw::FileRequest request;
  request.open = false;
  request.defaultExt = "417";
  request.initialName = "*.417";
  request.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
  const std::optional<std::string> path = runner.ChooseFile(request, nullptr);
  ASSERT_TRUE(path.has_value());
  const QString expected = QDir(folder).filePath(typed + QStringLiteral(".417"));
  EXPECT_EQ(*path, QFile::encodeName(expected).toStdString());
  QDir(folder).removeRecursively();
}

// A path given as the initial name (UTF-8) is the name the chooser offers, accents and Greek
// letters included: accepted at once, it comes back unchanged.
TEST(QtFileChooserTest, InitialPathIsOfferedAsItIsSpelt) {
  const QString folder =
      QDir::temp().filePath(QStringLiteral("tqr417-chooser-%1/B\u00fcro \u03a9").arg(getpid()));
  QDir().mkpath(folder);
  const std::string initial = QFile::encodeName(folder).toStdString() + "/\xC3\xA9 site.417";
  QTimer::singleShot(0, [] {
    auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(chooser, nullptr);
    static_cast<QDialog*>(chooser)->accept();
  });
  tqr417::fw::QtModalRunner runner;
  tqr417::fw::FileRequest request;
  request.open = false;
  request.defaultExt = "417";
  request.initialName = initial;
  const std::optional<std::string> path = runner.ChooseFile(request, nullptr);
  EXPECT_EQ(path, initial);
  QDir(folder).removeRecursively();
}

// A message composed in UTF-8 (one that names a file) is shown as UTF-8; 8-bit text of the
// windows and the configuration byte for byte, even where its bytes would read as UTF-8.
TEST(QtMessageBoxTest, ShowsEachTextInTheEncodingItCameIn) {
  using tqr417::fw::TextEncoding;
  struct Case {
    std::string bytes;
    TextEncoding encoding;
    QString shown;
  };
  const Case cases[] = {
      {"Cannot load \"/tmp/\xD0\x9A.417\"", TextEncoding::kUtf8,
       QStringLiteral("Cannot load \"/tmp/\u041a.417\"")},
      {"Morse \xE9", TextEncoding::kLatin1, QStringLiteral("Morse \u00e9")},
      {"Morse \xC3\xA9", TextEncoding::kLatin1, QStringLiteral("Morse \u00c3\u00a9")},
      {"Cannot load \"B\xC3\xBCro \xCE\xA9/\xC3\xA9 site.417\"", TextEncoding::kUtf8,
       QStringLiteral("Cannot load \"B\u00fcro \u03a9/\u00e9 site.417\"")},
      // Bytes that are not UTF-8 show as U+FFFD, not as the Latin-1 characters of their bytes.
      {"Cannot load \"caf\xE9.417\"", TextEncoding::kUtf8,
       QStringLiteral("Cannot load \"caf\ufffd.417\"")},
  };
  for (const Case& c : cases) {
    QString seen;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      seen = box->text();
      box->accept();
    });
    tqr417::fw::QtModalRunner runner;
    tqr417::fw::MessageRequest request;
    request.text = c.bytes;
    request.type = MB_OK;
    request.encoding = c.encoding;
    runner.ShowMessage(request, nullptr);
    EXPECT_EQ(seen, c.shown);
  }
}

}  // namespace

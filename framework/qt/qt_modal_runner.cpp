#include "framework/qt/qt_modal_runner.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QStringDecoder>

#include "framework/dialog.h"
#include "framework/menu.h"
#include "framework/qt/qt_access.h"
#include "framework/qt/qt_text.h"

namespace tqr417::fw {
namespace {

QMessageBox::Icon IconOf(UINT type) {
  switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
      return QMessageBox::Critical;
    case MB_ICONQUESTION:
      return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
      return QMessageBox::Warning;
    case MB_ICONINFORMATION:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

// The message in the encoding its sender gave.
QString MessageText(const MessageRequest& request) {
  if (request.encoding == TextEncoding::kUtf8) return QString::fromUtf8(request.text);
  return QString::fromLatin1(request.text);
}

// The window a modal box belongs to: the owner dialog's, else the active window.
QWidget* ParentOf(CDialog* owner) {
  QWidget* window = owner != nullptr ? QtWindow(*owner) : nullptr;
  return window != nullptr ? window : QApplication::activeWindow();
}

}  // namespace

int QtModalRunner::RunDialog(CDialog& dialog) {
  QDialog* window = QtWindow(dialog);
  if (window == nullptr) return -1;
  if (!dialog.HasEnded()) window->exec();
  return dialog.HasEnded() ? dialog.EndCode() : IDCANCEL;
}

int QtModalRunner::ShowMessage(const MessageRequest& request, CDialog* owner) {
  QMessageBox box(IconOf(request.type), ToQString(request.caption), MessageText(request),
                  QMessageBox::NoButton, ParentOf(owner));
  const bool yesNo = (request.type & MB_TYPEMASK) == MB_YESNO;
  box.setStandardButtons(yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return IDYES;
    case QMessageBox::No:
      return IDNO;
    default:
      return IDOK;
  }
}

std::optional<std::string> QtModalRunner::ChooseFile(const FileRequest& request, CDialog* owner) {
  QFileDialog chooser(ParentOf(owner));
  chooser.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  chooser.setFileMode(QFileDialog::AnyFile);
  if ((request.flags & OFN_OVERWRITEPROMPT) == 0 || request.open) {
    chooser.setOption(QFileDialog::DontConfirmOverwrite);
  }
  // CFileDialog adds the default extension to the chosen name; the chooser is told it too only
  // so that its question before replacing a file names the file that will be replaced.
  if (!request.defaultExt.empty()) chooser.setDefaultSuffix(QString::fromUtf8(request.defaultExt));

  const ChooserOpening opening = OpeningOf(request);
  if (!opening.fileName.empty()) chooser.selectFile(QString::fromUtf8(opening.fileName));
  QStringList filters;
  for (const std::string& pattern : opening.patterns) filters << QString::fromUtf8(pattern);
  filters << QStringLiteral("All files (*)");
  chooser.setNameFilters(filters);

  if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  // A path is handed to the file functions as the file system spells it (UTF-8 here), not as
  // Latin-1 like the configuration's texts, so a name with any characters opens the file the
  // technician chose.
  return QFile::encodeName(chooser.selectedFiles().front()).toStdString();
}

UINT QtModalRunner::TrackMenu(const CMenu& menu, CDialog* owner, const ScreenPoint& globalPos) {
  QMenu popup(ParentOf(owner));
  for (const CMenu::Item& item : menu.Items()) {
    if ((item.flags & MF_SEPARATOR) != 0) {
      popup.addSeparator();
    } else {
      popup.addAction(ToQString(item.text))->setData(item.command);
    }
  }
  const QAction* chosen = popup.exec(QPoint(globalPos.x, globalPos.y));
  return chosen == nullptr ? 0 : chosen->data().toUInt();
}

}  // namespace tqr417::fw

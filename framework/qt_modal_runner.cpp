#include "framework/qt_modal_runner.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QStringDecoder>

#include "framework/dialog.h"
#include "framework/menu.h"

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

// Message texts may quote a file name, which the file system spells in UTF-8; every other
// text is 8-bit. Text that reads as UTF-8 is shown as such, anything else byte for byte.
QString MessageText(const CString& text) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString decoded = utf8(QByteArrayView(text.str().data(), text.GetLength()));
  return utf8.hasError() ? text.ToQString() : decoded;
}

}  // namespace

int QtModalRunner::RunDialog(CDialog& dialog) {
  QDialog* window = dialog.Window();
  if (window == nullptr) return -1;
  if (!dialog.HasEnded()) window->exec();
  return dialog.HasEnded() ? dialog.EndCode() : IDCANCEL;
}

int QtModalRunner::ShowMessage(const MessageRequest& request, QWidget* owner) {
  QMessageBox box(IconOf(request.type), request.caption.ToQString(), MessageText(request.text),
                  QMessageBox::NoButton, owner);
  switch (request.type & MB_TYPEMASK) {
    case MB_OKCANCEL:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      break;
    case MB_YESNO:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
    default:
      box.setStandardButtons(QMessageBox::Ok);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Cancel:
      return IDCANCEL;
    case QMessageBox::Yes:
      return IDYES;
    case QMessageBox::No:
      return IDNO;
    default:
      return IDOK;
  }
}

std::optional<CString> QtModalRunner::ChooseFile(const FileRequest& request, QWidget* owner) {
  QFileDialog chooser(owner);
  chooser.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  chooser.setFileMode(QFileDialog::AnyFile);
  if ((request.flags & OFN_OVERWRITEPROMPT) == 0 || request.open) {
    chooser.setOption(QFileDialog::DontConfirmOverwrite);
  }
  if (!request.defaultExt.IsEmpty()) chooser.setDefaultSuffix(request.defaultExt.ToQString());

  const QString initial = request.initialName.ToQString();
  QStringList filters;
  if (!request.filter.IsEmpty()) filters << request.filter.ToQString();
  if (initial.contains(QLatin1Char('*')) || initial.contains(QLatin1Char('?'))) {
    filters << initial;  // a pattern names the files to show
  } else if (!initial.isEmpty()) {
    chooser.selectFile(initial);
  }
  if (!request.defaultExt.IsEmpty() && filters.isEmpty()) {
    filters << QStringLiteral("*.") + request.defaultExt.ToQString();
  }
  filters << QStringLiteral("All files (*)");
  chooser.setNameFilters(filters);

  if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  // A path is handed to the file functions as the file system spells it (UTF-8 here), not as
  // Latin-1 like the configuration's texts, so a name with any characters opens the file the
  // technician chose.
  return CString(QFile::encodeName(chooser.selectedFiles().front()).toStdString().c_str());
}

UINT QtModalRunner::TrackMenu(const CMenu& menu, QWidget* owner, const QPoint& globalPos) {
  QMenu popup(owner);
  for (const CMenu::Item& item : menu.Items()) {
    if ((item.flags & MF_SEPARATOR) != 0) {
      popup.addSeparator();
    } else {
      popup.addAction(item.text.ToQString())->setData(item.command);
    }
  }
  const QAction* chosen = popup.exec(globalPos);
  return chosen == nullptr ? 0 : chosen->data().toUInt();
}

}  // namespace tqr417::fw

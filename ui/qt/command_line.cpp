// The program's arguments as Qt has them: decoded from the command line (UTF-8 on Linux),
// Qt's own options such as -platform already taken out.
#include <QCoreApplication>
#include <QStringList>

#include "ui/startup_arguments.h"

namespace tqr417::ui {

std::vector<std::string> CommandLineArguments() {
  std::vector<std::string> arguments;
  const QStringList all = QCoreApplication::arguments();
  for (qsizetype i = 1; i < all.size(); ++i) arguments.push_back(all[i].toStdString());
  return arguments;
}

}  // namespace tqr417::ui

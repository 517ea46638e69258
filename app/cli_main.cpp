#include <QCoreApplication>
#include <QLocale>
#include <iostream>

#include "cli.h"
#include "core/numbers.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QLocale locale = QLocale::system();
  const wattora::Separators separators = wattora::Separators::FromLocale(
      locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString());
  std::vector<std::string> args(argv + 1, argv + argc);
  return wattora::RunCli(args, std::cout, std::cerr, separators);
}

#pragma once
// Program entry: the process values, the splash, every window created once in a fixed order.
#include <QStringList>
#include <memory>

#include "core/workspace.h"

namespace wattora {

class TForm1;
struct StartupParts;

class Startup {
 public:
  // `arguments` without the program name; joined with single spaces they name a start-up file.
  explicit Startup(const QStringList& arguments);
  ~Startup();

  TForm1& MainWindow();
  Workspace& Work();
  // Shows the main window; the event loop is the caller's.
  void Show();

 private:
  std::unique_ptr<StartupParts> parts_;
};

QString StartupFileFromArguments(const QStringList& arguments);

}  // namespace wattora

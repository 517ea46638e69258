#pragma once
// Program entry: the process values, the splash, every window created once in a fixed order.
#include <QStringList>
#include <memory>

#include "core/services.h"
#include "core/workspace.h"

namespace wattora {

class TForm1;
class TFANFORM;
class TMULTIP;
struct StartupParts;

class Startup {
 public:
  // `arguments` without the program name; joined with single spaces they name a start-up file.
  // Tests pass their own message and platform services; the program uses the real ones.
  explicit Startup(const QStringList& arguments, Messages* messages = nullptr,
                   Platform* platform = nullptr);
  ~Startup();

  TForm1& MainWindow();
  TFANFORM& EstimationWindow();
  TMULTIP& ConfigurationDialog();
  Messages& MessageService();
  Workspace& Work();
  // Shows the main window; the event loop is the caller's.
  void Show();

 private:
  std::unique_ptr<StartupParts> parts_;
};

QString StartupFileFromArguments(const QStringList& arguments);

}  // namespace wattora

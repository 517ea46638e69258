#include "shell/application.h"
#include "startup.h"

int main(int argc, char** argv) {
  wattora::WattoraApplication app(argc, argv);
  QStringList arguments = QCoreApplication::arguments();
  arguments.removeFirst();
  wattora::Startup startup(arguments);
  startup.Show();
  return app.exec();
}

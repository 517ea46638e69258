#pragma once
// The program's QApplication: the last line of defence for errors that reach the event loop.
#include <QApplication>
#include <exception>
#include <functional>

#include "core/services.h"

namespace wattora {

class WattoraApplication : public QApplication {
  Q_OBJECT

 public:
  WattoraApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;

  // Installed by the about box when it is created.
  void InstallErrorHandler(Messages* messages, std::function<void(int)> terminate);

 private:
  Messages* messages_ = nullptr;
  std::function<void(int)> terminate_;
};

// Shows "ERREUR D'EXCEPTION :" + message + "Programme arrêté !" and ends the program.
void ReportUnexpectedError(const std::string& message, Messages& messages,
                           const std::function<void(int)>& terminate);

}  // namespace wattora

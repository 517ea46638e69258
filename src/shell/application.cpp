#include "shell/application.h"

#include <cstdlib>

#include "core/texttable.h"

namespace wattora {

WattoraApplication::WattoraApplication(int& argc, char** argv) : QApplication(argc, argv) {}

void WattoraApplication::InstallErrorHandler(Messages* messages,
                                             std::function<void(int)> terminate) {
  messages_ = messages;
  terminate_ = std::move(terminate);
}

bool WattoraApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    if (!messages_) throw;
    ReportUnexpectedError(e.what(), *messages_, terminate_);
  } catch (...) {
    if (!messages_) throw;
    ReportUnexpectedError("?", *messages_, terminate_);
  }
  return false;
}

void ReportUnexpectedError(const std::string& message, Messages& messages,
                           const std::function<void(int)>& terminate) {
  const TextTable& texts = TextTable::ForWindow("TAboutBox");
  messages.Show(texts, MessageKind::Error,
                texts.GetText("IDS_2") + message + texts.GetText("IDS_3"), MessageButtons::Ok);
  if (terminate)
    terminate(3);
  else
    std::_Exit(3);
}

}  // namespace wattora

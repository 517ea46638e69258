#include "core/services.h"

#include <cstdio>
#include <cstring>

namespace wattora {

std::string SystemErrorText(int code) { return std::strerror(code); }

bool ShowIOError(int code, Messages& messages, const TextTable& owner) {
  if (code == 0) return true;
  messages.Show(owner, MessageKind::Warning, SystemErrorText(code), MessageButtons::Ok);
  return false;
}

}  // namespace wattora

namespace wattora {

MessageAnswer StderrMessages::Show(const TextTable&, MessageKind, const std::string& text,
                                   MessageButtons buttons) {
  std::fprintf(stderr, "%s\n", text.c_str());
  return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel ||
                 buttons == MessageButtons::Yes
             ? MessageAnswer::Yes
             : MessageAnswer::Ok;
}

void StderrFatalSink::Fatal(const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
}

}  // namespace wattora

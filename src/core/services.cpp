#include "core/services.h"

#include <cstring>

namespace wattora {

std::string SystemErrorText(int code) { return std::strerror(code); }

bool ShowIOError(int code, Messages& messages, const TextTable& owner) {
  if (code == 0) return true;
  messages.Show(owner, MessageKind::Warning, SystemErrorText(code), MessageButtons::Ok);
  return false;
}

}  // namespace wattora

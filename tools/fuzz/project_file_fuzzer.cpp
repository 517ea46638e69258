// libFuzzer target for the project-file reader: any bytes, both passes, OK and Cancel answers.
// Build: CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DWATTORA_FUZZ=ON
//        -DWATTORA_SANITIZE=ON -DWATTORA_TESTS=OFF && cmake --build build-fuzz --target
//        project_file_fuzzer
// Run:   build-fuzz/tools/fuzz/project_file_fuzzer -max_total_time=600 tools/fuzz/corpus
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/services.h"
#include "core/workspace.h"
#include "persistence/project_file.h"
#include "persistence/settings_store.h"

namespace {

using namespace wattora;

// Answers from the input's first byte, so the fuzzer explores Cancel paths too.
class ScriptedMessages : public Messages {
 public:
  explicit ScriptedMessages(uint8_t script) : script_(script) {}
  MessageAnswer Show(const TextTable&, MessageKind, const std::string&,
                     MessageButtons buttons) override {
    const bool cancel = (script_ >> (count_++ % 8)) & 1;
    if (buttons == MessageButtons::OkCancel) return cancel ? MessageAnswer::Cancel : MessageAnswer::Ok;
    return MessageAnswer::Ok;
  }

 private:
  uint8_t script_;
  int count_ = 0;
};

struct AbortingSink : FatalErrorSink {
  void Fatal(const std::string&) override { std::abort(); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  static SettingsStore store("/nonexistent/wattora-fuzz/SETUP.ini", /*readOnly=*/true);
  AbortingSink sink;
  Workspace ws(sink);
  ws.parameters.DefineAllParameters();
  ws.separators = Separators::French();
  ScriptedMessages messages(data[0]);
  NullPlatform platform;
  ProjectLoader loader(ws, store, messages, platform);
  const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  if (loader.LoadProjectText(bytes, ws.parameters, 0)) loader.LoadProjectText(bytes, ws.parameters, 1);

  // Whatever the file, every parameter stays inside its range and the texts stay bounded.
  for (int n = 1; n <= ws.parameters.Count(); ++n) {
    const Parameter& p = ws.parameters[n];
    if (!(p.value >= p.minimum && p.value <= p.maximum)) std::abort();
  }
  for (const std::string& text : loader.InformationSlots())
    if (text.size() > 60 * 4) std::abort();
  if (ws.settings.currencySelection < 0 || ws.settings.currencySelection > 3) std::abort();
  if (ws.settings.customCurrency.size() > 5 * 4) std::abort();
  return 0;
}

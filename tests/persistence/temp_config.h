#pragma once
// A private configuration folder per test, so no test touches the user's settings.
#include <QTemporaryDir>
#include <string>

#include "core/parameters.h"
#include "core/workspace.h"

namespace wattora::testing {

struct TempFolder {
  QTemporaryDir dir;
  std::string Path(const std::string& name) const {
    return (dir.path() + "/" + QString::fromStdString(name)).toStdString();
  }
};

struct QuietSink : FatalErrorSink {
  std::vector<std::string> messages;
  void Fatal(const std::string& m) override { messages.push_back(m); }
};

// A workspace as the main window has it after creation: the 72 parameters defined.
struct TestWorkspace {
  QuietSink sink;
  Workspace ws{sink};
  explicit TestWorkspace(Separators seps = Separators::Dot()) {
    ws.parameters.DefineAllParameters();
    ws.separators = seps;
  }
};

}  // namespace wattora::testing

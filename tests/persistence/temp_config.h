#pragma once
// A private configuration folder per test, so no test touches the user's settings.
#include <QTemporaryDir>
#include <string>

#include "core/parameters.h"
#include "core/workspace.h"
#include "support/fakes.h"

namespace wattora::testing {

struct TempFolder {
  QTemporaryDir dir;
  std::string Path(const std::string& name) const {
    return (dir.path() + "/" + QString::fromStdString(name)).toStdString();
  }
};

// A workspace as the main window has it after creation: the 72 parameters defined.
struct TestWorkspace {
  RecordingSink sink;
  Workspace ws{sink};
  explicit TestWorkspace(Separators seps = Separators::Dot()) {
    ws.parameters.DefineAllParameters();
    ws.separators = seps;
  }
};

}  // namespace wattora::testing

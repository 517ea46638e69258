#pragma once
// The worked fan example of a new project: defaults, default curves, euro, French separators.
#include <cstdio>
#include <string>

#include "core/workspace.h"

namespace wattora::tools {

struct PrintingSink : FatalErrorSink {
  void Fatal(const std::string& message) override { std::fprintf(stderr, "%s\n", message.c_str()); }
};

struct SampleWorkspace {
  PrintingSink sink;
  Workspace ws{sink};
  SampleWorkspace() {
    ws.parameters.DefineAllParameters();
    ws.curves.ResetToDefaults();
    ws.separators = Separators::French();
    ws.settings.currencySelection = 0;
    ws.settings.currencySymbol = "€";
    ws.settings.subUnitLabel = "Cents";
    ws.project.active = true;
    ws.project.application = ApplicationType::Fan;
  }
};

}  // namespace wattora::tools

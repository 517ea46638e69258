#pragma once
// The worked fan example of a new project: defaults, default curves, euro, French separators.
#include <cstdio>
#include <string>

#include "core/services.h"
#include "core/workspace.h"

namespace wattora::tools {

struct SampleWorkspace {
  StderrFatalSink sink;
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

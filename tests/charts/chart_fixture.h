#pragma once
// The worked fan example (8760 h, kW) and small helpers shared by the chart tests.
#include <QColor>
#include <QImage>

#include "charts/chartmodel.h"
#include "core/estimate_fixture.h"
#include "core/texttable.h"

namespace wattora::testing {

inline EnergyEstimate WorkedEstimate(ApplicationType application = ApplicationType::Fan) {
  EnergyEstimate estimate;
  ComputeEstimate(application, DefaultInputs(), estimate);
  return estimate;
}

inline const TextTable& WindowTexts() {
  return TextTable::ForWindow("TFANFORM");
}

// Pixels of exactly this colour inside a rectangle of the image.
inline int CountColour(const QImage& image, QColor colour, QRect area = {}) {
  if (area.isNull()) area = image.rect();
  area &= image.rect();
  const QRgb wanted = colour.rgb();
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) == (wanted & 0xFFFFFF)) ++count;
  return count;
}

inline int CountNotWhite(const QImage& image, QRect area = {}) {
  if (area.isNull()) area = image.rect();
  area &= image.rect();
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) ++count;
  return count;
}

}  // namespace wattora::testing

#pragma once
// Pictures of the report-layout page, drawn in code: the numbered markers and a thumbnail of
// the report's first page with the two text zones marked.
#include <QPixmap>

namespace wattora {

QPixmap MarkerPicture(int number);
QPixmap ReportThumbnail();

}  // namespace wattora

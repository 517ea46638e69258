#include "config/config_pictures.h"

#include <QPainter>

namespace wattora {

namespace {

const QColor kMarkerYellow(0xFF, 0xE0, 0x30);
const QColor kMarkerEdge(0x9A, 0x7B, 0x00);

void PaintMarker(QPainter& painter, const QRectF& box, int number) {
  painter.save();
  painter.setPen(QPen(kMarkerEdge, 1));
  painter.setBrush(kMarkerYellow);
  painter.drawEllipse(box);
  QFont font = painter.font();
  font.setBold(true);
  font.setPixelSize(static_cast<int>(box.height() * 0.62));
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(box, Qt::AlignCenter, QString::number(number));
  painter.restore();
}

}  // namespace

QPixmap MarkerPicture(int number) {
  QPixmap pixmap(26, 26);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  PaintMarker(painter, QRectF(1, 1, 24, 24), number);
  return pixmap;
}

QPixmap ReportThumbnail() {
  // Proportions of an A4 page; zone 1 is the company block, zone 2 the "Prepared by" block.
  const QSize size(136, 192);
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF page(2, 2, size.width() - 6, size.height() - 6);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 60));
  painter.drawRect(page.translated(3, 3));
  painter.setPen(QPen(QColor(0x70, 0x70, 0x70), 1));
  painter.setBrush(Qt::white);
  painter.drawRect(page);

  const QColor zoneFill(0xFF, 0xF4, 0xB8);
  const QColor ink(0xA0, 0xA0, 0xA0);
  const QRectF zone1(page.left() + 6, page.top() + 6, 52, 30);
  const QRectF zone2(page.right() - 58, page.top() + 6, 52, 30);
  for (const QRectF& zone : {zone1, zone2}) {
    painter.setPen(QPen(kMarkerEdge, 1, Qt::DashLine));
    painter.setBrush(zoneFill);
    painter.drawRect(zone);
    painter.setPen(QPen(ink, 1.5));
    for (int line = 0; line < 3; ++line) {
      const qreal y = zone.top() + 8 + line * 7;
      painter.drawLine(QPointF(zone.left() + 4, y), QPointF(zone.right() - 14 - line * 6, y));
    }
  }
  PaintMarker(painter, QRectF(zone1.right() - 11, zone1.bottom() - 11, 14, 14), 1);
  PaintMarker(painter, QRectF(zone2.right() - 11, zone2.bottom() - 11, 14, 14), 2);

  // Title, a chart and a table: enough to read as the report's first page.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x33, 0x55, 0x99));
  painter.drawRect(QRectF(page.left() + 24, page.top() + 46, page.width() - 48, 6));
  const QRectF chart(page.left() + 10, page.top() + 62, page.width() - 20, 56);
  painter.setPen(QPen(QColor(0xC0, 0xC0, 0xC0), 1));
  painter.setBrush(QColor(0xF4, 0xF7, 0xFC));
  painter.drawRect(chart);
  const qreal bars[6] = {0.9, 0.55, 0.75, 0.35, 0.6, 0.25};
  for (int b = 0; b < 6; ++b) {
    const qreal w = chart.width() / 8;
    const qreal h = (chart.height() - 8) * bars[b];
    painter.setBrush(b % 2 ? QColor(0x66, 0x99, 0xCC) : QColor(0xE0, 0x80, 0x40));
    painter.setPen(Qt::NoPen);
    painter.drawRect(QRectF(chart.left() + w * (b + 1), chart.bottom() - 4 - h, w * 0.7, h));
  }
  painter.setPen(QPen(ink, 1));
  for (int row = 0; row < 7; ++row) {
    const qreal y = chart.bottom() + 12 + row * 8;
    painter.drawLine(QPointF(page.left() + 10, y), QPointF(page.right() - 10, y));
  }
  return pixmap;
}

}  // namespace wattora

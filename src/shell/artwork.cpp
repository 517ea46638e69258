#include "shell/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace wattora {

namespace {

const QColor kBlue(0x1f, 0x4e, 0x8c);
const QColor kTeal(0x1c, 0x9a, 0x8e);
const QColor kYellow(0xf6, 0xc9, 0x2b);

// A stylised fan rotor: the product's emblem.
void DrawRotor(QPainter& p, QPointF centre, double radius, const QColor& colour) {
  p.save();
  p.translate(centre);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  for (int blade = 0; blade < 5; ++blade) {
    QPainterPath path;
    path.moveTo(0, 0);
    path.cubicTo(radius * 0.2, -radius * 0.55, radius * 0.95, -radius * 0.45, radius, 0);
    path.cubicTo(radius * 0.6, radius * 0.1, radius * 0.25, radius * 0.12, 0, 0);
    p.drawPath(path);
    p.rotate(72);
  }
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(0, 0), radius * 0.16, radius * 0.16);
  p.restore();
}

void DrawTitle(QPainter& p, const QRectF& r, int pointSize, const QColor& colour) {
  QFont f(QStringLiteral("Liberation Sans"));
  f.setPointSize(pointSize);
  f.setBold(true);
  p.setFont(f);
  p.setPen(colour);
  p.drawText(r, Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Vantrel Wattora VV"));
}

// A rising savings curve below a falling cost curve.
void DrawCurves(QPainter& p, const QRectF& r, int alpha) {
  QPainterPath cube;
  cube.moveTo(r.left(), r.bottom());
  for (int i = 0; i <= 40; ++i) {
    const double q = i / 40.0;
    cube.lineTo(r.left() + q * r.width(), r.bottom() - q * q * q * r.height());
  }
  p.setPen(QPen(QColor(255, 255, 255, alpha), 3));
  p.setBrush(Qt::NoBrush);
  p.drawPath(cube);
  p.setPen(QPen(QColor(255, 255, 255, alpha / 2), 2, Qt::DashLine));
  p.drawLine(r.bottomLeft(), r.topRight());
}

}  // namespace

QPixmap DrawArtwork(Artwork kind, QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::white);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF all(QPointF(0, 0), QSizeF(size));
  switch (kind) {
    case Artwork::Splash:
    case Artwork::About: {
      QLinearGradient g(all.topLeft(), all.bottomRight());
      g.setColorAt(0, kBlue);
      g.setColorAt(1, kTeal);
      const QRectF band(0, 0, size.width(), size.height() * (kind == Artwork::Splash ? 1.0 : 0.55));
      p.fillRect(band, g);
      DrawCurves(p, band.adjusted(band.width() * 0.55, 20, -20, -20), 160);
      DrawRotor(p, QPointF(band.height() * 0.5, band.height() * 0.5), band.height() * 0.34,
                kYellow);
      DrawTitle(p, band.adjusted(band.height() * 0.95, 0, 0, 0), size.height() > 150 ? 24 : 16,
                Qt::white);
      break;
    }
    case Artwork::WelcomeStrip:
    case Artwork::Background: {
      QLinearGradient g(all.topLeft(), all.topRight());
      g.setColorAt(0, kBlue);
      g.setColorAt(1, kTeal);
      p.fillRect(all, g);
      DrawCurves(p, all.adjusted(all.width() * 0.5, all.height() * 0.15, -all.width() * 0.05,
                                 -all.height() * 0.15),
                 kind == Artwork::Background ? 60 : 140);
      const double r = std::min(all.height() * 0.36, all.width() * 0.12);
      DrawRotor(p, QPointF(r * 1.5, all.height() / 2), r, kYellow);
      if (kind == Artwork::WelcomeStrip)
        DrawTitle(p, all.adjusted(r * 3, 0, 0, 0), 18, Qt::white);
      break;
    }
    case Artwork::Question: {
      p.setPen(Qt::NoPen);
      p.setBrush(kBlue);
      p.drawEllipse(all.adjusted(2, 2, -2, -2));
      QFont f(QStringLiteral("Liberation Sans"));
      f.setBold(true);
      f.setPixelSize(size.height() * 2 / 3);
      p.setFont(f);
      p.setPen(Qt::white);
      p.drawText(all, Qt::AlignCenter, QStringLiteral("?"));
      break;
    }
    case Artwork::FanChoice:
    case Artwork::PumpChoice: {
      p.fillRect(all, QColor(0xf3, 0xf6, 0xfa));
      if (kind == Artwork::FanChoice) {
        DrawRotor(p, all.center(), size.height() * 0.38, kBlue);
      } else {
        // A volute casing with its outlet.
        p.setPen(QPen(kBlue, 4));
        p.setBrush(QColor(0xdd, 0xe8, 0xf5));
        const double r = size.height() * 0.32;
        p.drawEllipse(all.center(), r, r);
        p.drawRect(QRectF(all.center().x(), all.center().y() - r, r * 1.3, r * 0.55));
        DrawRotor(p, all.center(), r * 0.7, kTeal);
      }
      break;
    }
  }
  return pixmap;
}

QPixmap DrawStepSquare(int step, int side) {
  QPixmap pixmap(side, side);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0x99, 0x77, 0x00), 1));
  p.setBrush(kYellow);
  p.drawRoundedRect(QRectF(0.5, 0.5, side - 1, side - 1), 3, 3);
  QFont f(QStringLiteral("Liberation Sans"));
  f.setBold(true);
  f.setPixelSize(side * 2 / 3);
  p.setFont(f);
  p.setPen(Qt::black);
  p.drawText(QRect(0, 0, side, side), Qt::AlignCenter, QString::number(step));
  return pixmap;
}

QIcon DrawToolIcon(ToolIcon kind) {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  switch (kind) {
    case ToolIcon::New:
      p.setPen(QPen(kBlue, 2));
      p.setBrush(Qt::white);
      p.drawPolygon(QPolygonF({{7, 3}, {20, 3}, {26, 9}, {26, 29}, {7, 29}}));
      p.setPen(QPen(kYellow, 3));
      p.drawLine(QPointF(16, 13), QPointF(16, 23));
      p.drawLine(QPointF(11, 18), QPointF(21, 18));
      break;
    case ToolIcon::Open:
      p.setPen(QPen(kBlue, 2));
      p.setBrush(kYellow);
      p.drawPolygon(QPolygonF({{3, 9}, {12, 9}, {15, 12}, {29, 12}, {29, 27}, {3, 27}}));
      break;
    case ToolIcon::Save:
      p.setPen(QPen(kBlue, 2));
      p.setBrush(QColor(0xdd, 0xe8, 0xf5));
      p.drawRoundedRect(QRectF(4, 4, 24, 24), 3, 3);
      p.setBrush(kBlue);
      p.drawRect(QRectF(9, 4, 14, 8));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(8, 17, 16, 11));
      break;
    case ToolIcon::Active:
      DrawRotor(p, QPointF(16, 16), 13, kTeal);
      break;
  }
  return QIcon(pixmap);
}

}  // namespace wattora

#include "wizard/wizardkit.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QtMath>

namespace wattora {

namespace {
constexpr const char* kDesignLimit = "wattora_maxLength";
}

void UseDesignFont(QWidget* window) {
  QFont f = window->font();
  f.setFamily(QStringLiteral("Arial"));
  f.setPointSize(8);
  window->setFont(f);
}

QLabel* NamedLabel(QWidget* parent, const char* name, Qt::Alignment alignment) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);  // custom titles and customer texts show as typed
  if (alignment) label->setAlignment(alignment);
  return label;
}

QPushButton* NamedButton(QWidget* parent, const char* name) {
  auto* button = new QPushButton(parent);
  button->setObjectName(name);
  return button;
}

QLineEdit* NamedEdit(QWidget* parent, const char* name, int maxLength) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setMaxLength(maxLength);
  edit->setProperty(kDesignLimit, maxLength);
  // Typing back under the limit brings the limit back.
  QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
    const int limit = edit->property(kDesignLimit).toInt();
    if (limit > 0 && text.size() <= limit && edit->maxLength() != limit) edit->setMaxLength(limit);
  });
  return edit;
}

void SetEditText(QLineEdit* edit, const QString& text) {
  const int limit = edit->property(kDesignLimit).toInt();
  if (limit > 0) edit->setMaxLength(std::max<int>(limit, text.size()));
  edit->setText(text);
}

void SetTextColour(QWidget* widget, const QColor& colour) {
  QPalette p = widget->palette();
  p.setColor(QPalette::WindowText, colour);
  p.setColor(QPalette::ButtonText, colour);
  widget->setPalette(p);
}

void SetBold(QWidget* widget) {
  QFont f = widget->font();
  f.setBold(true);
  widget->setFont(f);
}

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
  setCursor(Qt::PointingHandCursor);
  SetTextColour(this, Qt::blue);
  QFont f = font();
  f.setUnderline(true);
  setFont(f);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked();
}

QPixmap DrawPageLogo(QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = QRectF(pixmap.rect()).adjusted(1, 1, -1, -1);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x1f, 0x4e, 0x8c));
  p.drawRoundedRect(r, 6, 6);
  // A rising curve: energy saved as the drive slows the fan down.
  QPainterPath curve;
  curve.moveTo(r.left() + 0.15 * r.width(), r.bottom() - 0.2 * r.height());
  curve.cubicTo(r.left() + 0.55 * r.width(), r.bottom() - 0.22 * r.height(),
                r.left() + 0.7 * r.width(), r.top() + 0.45 * r.height(),
                r.right() - 0.15 * r.width(), r.top() + 0.18 * r.height());
  p.setPen(QPen(QColor(0x7c, 0xd9, 0x4a), std::max(2.0, r.height() / 12)));
  p.setBrush(Qt::NoBrush);
  p.drawPath(curve);
  return pixmap;
}

QPixmap DrawFanPicture(QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF c(size.width() / 2.0, size.height() / 2.0);
  const double radius = std::min(size.width(), size.height()) / 2.0 - 4;
  p.setPen(QPen(QColor(0x60, 0x6c, 0x7a), 3));
  p.setBrush(QColor(0xee, 0xf2, 0xf7));
  p.drawEllipse(c, radius, radius);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x2f, 0x6d, 0xb5));
  for (int blade = 0; blade < 5; ++blade) {
    p.save();
    p.translate(c);
    p.rotate(blade * 72.0);
    QPainterPath path;
    path.moveTo(0, 0);
    path.cubicTo(radius * 0.25, -radius * 0.15, radius * 0.85, -radius * 0.35, radius * 0.85, 0);
    path.cubicTo(radius * 0.7, radius * 0.2, radius * 0.3, radius * 0.15, 0, 0);
    p.drawPath(path);
    p.restore();
  }
  p.setBrush(QColor(0x60, 0x6c, 0x7a));
  p.drawEllipse(c, radius * 0.14, radius * 0.14);
  return pixmap;
}

}  // namespace wattora

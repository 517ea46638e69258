#include "charts/chartrenderer.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <functional>

namespace wattora {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kMargin = 6;
constexpr double kTick = 4;
constexpr double kElevation = 15 * kPi / 180;  // the fixed look from above used with rotation
constexpr double kMarkerHalf = 4;
constexpr double kBarGroupShare = 0.7;  // of one category, the rest is the gap between groups

const QColor kGridColour(0xC8, 0xC8, 0xC8);
const QColor kFrameColour(0x80, 0x80, 0x80);
const QColor kLeftWallColour(0xC0, 0xC0, 0xC0);  // silver
const QColor kFloorColour(0xF2, 0xF2, 0xF2);

QFont ChartFont(int pixels, bool bold) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

QString ToQt(const std::string& text) {
  return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

bool IsBar(ChartStyle style) {
  return style == ChartStyle::HorizontalBar || style == ChartStyle::VerticalBar;
}

// Devices report their density; the layout is made for 96 pixels per inch and scaled.
double DeviceScale(const QPainter& painter) {
  const QPaintDevice* device = painter.device();
  if (!device) return 1.0;
  const int dpi = device->logicalDpiX();
  return dpi > 0 ? dpi / 96.0 : 1.0;
}

struct Series {
  int slot = 0;
  std::vector<ChartPoint> points;
  double maxValue = 0;
};

std::vector<Series> DrawnSeries(const ChartModel& model) {
  std::vector<Series> drawn;
  for (int slot = 0; slot < kSeriesSlots; ++slot) {
    const ChartSeries& series = model.series[slot];
    if (!series.active) continue;
    Series s;
    s.slot = slot;
    for (const ChartPoint& point : series.points)
      if (std::isfinite(point.flow) && std::isfinite(point.value)) s.points.push_back(point);
    if (s.points.empty()) continue;
    s.maxValue = s.points.front().value;
    for (const ChartPoint& point : s.points) s.maxValue = std::max(s.maxValue, point.value);
    drawn.push_back(std::move(s));
  }
  return drawn;
}

struct DataRange {
  double low = 0;
  double high = 0;
  bool any = false;
  void Add(double v) {
    if (!any) {
      low = high = v;
      any = true;
      return;
    }
    low = std::min(low, v);
    high = std::max(high, v);
  }
};

// The narrowest distance between two flows: one bar category.
double CategoryWidth(const std::vector<Series>& drawn) {
  std::vector<double> flows;
  for (const Series& s : drawn)
    for (const ChartPoint& p : s.points) flows.push_back(p.flow);
  std::sort(flows.begin(), flows.end());
  double width = 0;
  for (size_t i = 1; i < flows.size(); ++i) {
    const double d = flows[i] - flows[i - 1];
    if (d > 1e-9 && (width == 0 || d < width)) width = d;
  }
  return width > 0 ? width : 10.0;
}

struct AxisData {
  double low, high;
  bool extend;
  double tickLow = -std::numeric_limits<double>::infinity();
  double tickHigh = std::numeric_limits<double>::infinity();
};

AxisScale FitScale(const AxisData& data, double lengthPx,
                   const std::function<double(const AxisScale&)>& minSpacing) {
  AxisScale scale;
  for (int intervals = 10; intervals >= 1; --intervals) {
    scale = NiceScale(data.low, data.high, intervals, data.extend);
    scale.tickLow = data.tickLow;
    scale.tickHigh = data.tickHigh;
    const double pxPerStep = lengthPx * scale.step / (scale.max - scale.min);
    if (pxPerStep >= minSpacing(scale)) break;
  }
  return scale;
}

QPolygonF Quad(QPointF a, QPointF b, QPointF c, QPointF d) {
  return QPolygonF({a, b, c, d});
}

class Renderer {
 public:
  Renderer(QPainter& painter, const ChartModel& model, ChartStyle style, const ViewSettings& view,
           const RenderOptions& options)
      : p_(painter),
        model_(model),
        style_(style),
        view_(view),
        options_(options),
        drawn_(DrawnSeries(model)),
        patterns_(view.fillPatterns && PatternsShowIn(style)),
        labelFont_(ChartFont(11, false)),
        titleFont_(ChartFont(13, true)),
        labelMetrics_(labelFont_),
        titleMetrics_(titleFont_) {}

  ChartGeometry Paint(const QRectF& area);

 private:
  QColor Colour(int slot) const { return options_.colours[slot].value_or(SlotColour(slot)); }
  Qt::BrushStyle Pattern(int slot) const {
    return patterns_ ? SlotPattern(slot) : Qt::SolidPattern;
  }
  QPointF At(double flow, double value) const {
    const double x = FlowOnVerticalAxis(style_) ? MapH(value) : MapH(flow);
    const double y = FlowOnVerticalAxis(style_) ? MapV(flow) : MapV(value);
    return {x, y};
  }
  double MapH(double v) const {
    const AxisScale& s = FlowOnVerticalAxis(style_) ? valueScale_ : flowScale_;
    return front_.left() + (v - s.min) / (s.max - s.min) * front_.width();
  }
  double MapV(double v) const {
    const AxisScale& s = FlowOnVerticalAxis(style_) ? flowScale_ : valueScale_;
    return front_.bottom() - (v - s.min) / (s.max - s.min) * front_.height();
  }
  QPointF Depth(double z) const { return offset_ * z; }
  double Baseline() const { return std::clamp(0.0, valueScale_.min, valueScale_.max); }

  void Layout(const QRectF& area);
  void DrawWalls();
  void DrawGrid();
  void DrawAxes();
  void DrawTitles(const QRectF& area);
  void DrawLegend();
  void DrawSeries();
  void DrawArea(const Series& s, double z0, double z1);
  void DrawLine(const Series& s, double z0, double z1);
  void DrawPoints(const Series& s, double z0, double z1);
  void DrawFastLine(const Series& s, double z0);
  void DrawBars();
  void FillShape(const QPolygonF& shape, const QColor& colour, Qt::BrushStyle pattern);
  void DrawSwatch(const QRectF& box, int slot);

  QPainter& p_;
  const ChartModel& model_;
  ChartStyle style_;
  ViewSettings view_;
  const RenderOptions& options_;
  std::vector<Series> drawn_;
  bool patterns_;
  QFont labelFont_, titleFont_;
  QFontMetricsF labelMetrics_, titleMetrics_;

  QRectF titleRect_, legendRect_, front_;
  QPointF offset_;
  AxisScale flowScale_, valueScale_;
  std::vector<int> legendSlots_;
  double leftTitleX_ = 0, bottomTitleY_ = 0;
};

void Renderer::Layout(const QRectF& area) {
  const bool deco = options_.decorations;
  const double margin = deco ? kMargin : 3;
  double top = area.top() + margin, bottom = area.bottom() - margin;
  double left = area.left() + margin, right = area.right() - margin;

  if (deco && !model_.title.empty()) {
    titleRect_ = QRectF(left, top, right - left, titleMetrics_.height());
    top += titleMetrics_.height() + 4;
  }

  if (deco && options_.legend) {
    double textWidth = 0;
    for (const Series& s : drawn_) {
      if (!model_.series[s.slot].inLegend) continue;
      legendSlots_.push_back(s.slot);
      textWidth =
          std::max(textWidth, labelMetrics_.horizontalAdvance(ToQt(model_.series[s.slot].title)));
    }
    if (!legendSlots_.empty()) {
      const double rowHeight = labelMetrics_.height() + 6;
      const double width = std::min(6 + 16 + 6 + textWidth + 8, (right - left) * 0.3);
      const double height = rowHeight * double(legendSlots_.size());
      legendRect_ =
          QRectF(right - width, top + std::max(0.0, (bottom - top - height) / 2), width, height);
      right -= width + 10;
    }
  }

  const std::string& leftTitle =
      FlowOnVerticalAxis(style_) ? model_.flowAxisTitle : model_.ValueAxisTitle(style_);
  const std::string& bottomTitle =
      FlowOnVerticalAxis(style_) ? model_.ValueAxisTitle(style_) : model_.flowAxisTitle;
  if (deco) {
    leftTitleX_ = left;
    if (!leftTitle.empty()) left += labelMetrics_.height() + 4;
    if (!bottomTitle.empty()) {
      bottom -= labelMetrics_.height();
      bottomTitleY_ = bottom;
      bottom -= 2;
    }
    bottom -= kTick + labelMetrics_.height() + 2;
    top += labelMetrics_.height() / 2;  // the top value label is centred on the top edge
    right -= 12;                        // half of the last bottom label
  }

  // Data ranges; the flow axis of a bar chart gets half a category at each end.
  DataRange flows, values;
  for (const Series& s : drawn_)
    for (const ChartPoint& point : s.points) {
      flows.Add(point.flow);
      values.Add(point.value);
    }
  double flowLow = flows.any ? flows.low : 0, flowHigh = flows.any ? flows.high : 100;
  bool extendFlow = true;
  if (options_.flowRange) {
    flowLow = options_.flowRange->first;
    flowHigh = options_.flowRange->second;
    extendFlow = false;
  }
  AxisData flowData{flowLow, flowHigh, extendFlow};
  if (!options_.flowRange && IsBar(style_)) {
    const double half = CategoryWidth(drawn_) / 2;
    flowData = {flowLow - half, flowHigh + half, false, flowLow, flowHigh};
  }
  // Bars and areas are measured from zero, so the value axis always holds it.
  const AxisData valueData{std::min(values.any ? values.low : 0, 0.0),
                           std::max(values.any ? values.high : 0, 0.0), true};

  // Depth in pixels grows with the plot height so the 3D look survives every target size.
  const double plotHeight = bottom - top;
  const double depth =
      view_.view3D ? std::clamp(view_.depthPercent, 1, 100) / 100.0 * 0.45 * plotHeight : 0;
  const double phi = std::clamp(360 - view_.rotation, 0, 90) * kPi / 180;
  double dy = 0;
  if (view_.view3D)
    dy = view_.orthogonal ? depth * std::sqrt(0.5) : depth * std::sin(kElevation) * std::cos(phi);
  const double frontHeight = std::max(1.0, plotHeight - dy);

  const double labelHeight = labelMetrics_.height();
  const auto vertical = [&](const AxisScale&) { return deco ? labelHeight * 1.5 : 14.0; };
  const auto horizontal = [&](const AxisScale& s) {
    if (!deco) return 14.0;
    double widest = 0;
    for (double t : s.Ticks())
      widest =
          std::max(widest, labelMetrics_.horizontalAdvance(TickLabel(t, s, options_.separators)));
    return widest + 14;
  };

  AxisScale& verticalScale = FlowOnVerticalAxis(style_) ? flowScale_ : valueScale_;
  AxisScale& horizontalScale = FlowOnVerticalAxis(style_) ? valueScale_ : flowScale_;
  if (FlowOnVerticalAxis(style_))
    verticalScale = FitScale(flowData, frontHeight, vertical);
  else
    verticalScale = FitScale(valueData, frontHeight, vertical);

  if (deco) {
    double widest = 0;
    for (double t : verticalScale.Ticks())
      widest = std::max(widest, labelMetrics_.horizontalAdvance(
                                    TickLabel(t, verticalScale, options_.separators)));
    left += widest + kTick + 3;
  }

  const double plotWidth = right - left;
  double dx = 0;
  if (view_.view3D) {
    if (view_.orthogonal) {
      dx = depth * std::sqrt(0.5);
    } else {
      // Turning the box shortens the front and widens the side; a sliver of front stays so
      // the labels keep a place.
      const double frontPart = plotWidth * std::max(std::cos(phi), 0.05);
      const double sidePart = depth * std::sin(phi);
      dx = plotWidth * sidePart / (frontPart + sidePart);
    }
  }
  const double frontWidth = std::max(1.0, plotWidth - dx);
  if (FlowOnVerticalAxis(style_))
    horizontalScale = FitScale(valueData, frontWidth, horizontal);
  else
    horizontalScale = FitScale(flowData, frontWidth, horizontal);

  // Whole pixels plus a half keep the one-pixel axes and walls crisp on screen.
  const double frontLeft = std::floor(left) + 0.5, frontTop = std::floor(top + dy) + 0.5;
  front_ = QRectF(frontLeft, frontTop, std::max(1.0, std::floor(frontWidth)),
                  std::max(1.0, std::floor(frontHeight)));
  offset_ = QPointF(dx, -dy);
}

void Renderer::FillShape(const QPolygonF& shape, const QColor& colour, Qt::BrushStyle pattern) {
  const QPen outline(colour.darker(170), 1);
  if (pattern == Qt::SolidPattern) {
    p_.setPen(outline);
    p_.setBrush(colour);
    p_.drawPolygon(shape);
    return;
  }
  // Hatching over white, so a black-and-white printer tells the slots apart.
  p_.setPen(Qt::NoPen);
  p_.setBrush(Qt::white);
  p_.drawPolygon(shape);
  p_.setBrush(QBrush(colour.darker(150), pattern));
  p_.setPen(outline);
  p_.drawPolygon(shape);
}

void Renderer::DrawWalls() {
  const QRectF back = front_.translated(offset_);
  if (view_.view3D) {
    p_.setPen(QPen(kFrameColour, 1));
    p_.setBrush(kFloorColour);
    p_.drawPolygon(
        Quad(front_.bottomLeft(), front_.bottomRight(), back.bottomRight(), back.bottomLeft()));
    p_.setBrush(kLeftWallColour);
    p_.drawPolygon(Quad(front_.bottomLeft(), front_.topLeft(), back.topLeft(), back.bottomLeft()));
  }
  p_.setPen(QPen(kFrameColour, 1));
  p_.setBrush(Qt::NoBrush);  // the back wall is white and lets the background through
  p_.drawRect(back);
}

void Renderer::DrawGrid() {
  const QRectF back = front_.translated(offset_);
  QPen pen(kGridColour, 1, Qt::DotLine);
  p_.setPen(pen);
  p_.setBrush(Qt::NoBrush);
  const AxisScale& hs = FlowOnVerticalAxis(style_) ? valueScale_ : flowScale_;
  const AxisScale& vs = FlowOnVerticalAxis(style_) ? flowScale_ : valueScale_;
  for (double t : vs.Ticks()) {
    const double y = MapV(t);
    if (y <= front_.top() + 0.5 || y >= front_.bottom() - 0.5) continue;
    p_.drawLine(QPointF(back.left(), y + offset_.y()), QPointF(back.right(), y + offset_.y()));
    if (view_.view3D) p_.drawLine(QPointF(front_.left(), y), QPointF(back.left(), y + offset_.y()));
  }
  for (double t : hs.Ticks()) {
    const double x = MapH(t);
    if (x <= front_.left() + 0.5 || x >= front_.right() - 0.5) continue;
    p_.drawLine(QPointF(x + offset_.x(), back.top()), QPointF(x + offset_.x(), back.bottom()));
    if (view_.view3D)
      p_.drawLine(QPointF(x, front_.bottom()), QPointF(x + offset_.x(), back.bottom()));
  }
}

void Renderer::DrawAxes() {
  p_.setPen(QPen(Qt::black, 1));
  p_.drawLine(front_.topLeft(), front_.bottomLeft());
  p_.drawLine(front_.bottomLeft(), front_.bottomRight());
  if (!options_.decorations) return;

  p_.setFont(labelFont_);
  const AxisScale& hs = FlowOnVerticalAxis(style_) ? valueScale_ : flowScale_;
  const AxisScale& vs = FlowOnVerticalAxis(style_) ? flowScale_ : valueScale_;
  const double h = labelMetrics_.height();
  for (double t : vs.Ticks()) {
    const double y = MapV(t);
    p_.drawLine(QPointF(front_.left() - kTick, y), QPointF(front_.left(), y));
    const QString text = TickLabel(t, vs, options_.separators);
    const double w = labelMetrics_.horizontalAdvance(text);
    p_.drawText(QRectF(front_.left() - kTick - 3 - w - 2, y - h / 2, w + 2, h),
                Qt::AlignRight | Qt::AlignVCenter, text);
  }
  for (double t : hs.Ticks()) {
    const double x = MapH(t);
    p_.drawLine(QPointF(x, front_.bottom()), QPointF(x, front_.bottom() + kTick));
    const QString text = TickLabel(t, hs, options_.separators);
    const double w = labelMetrics_.horizontalAdvance(text) + 2;
    p_.drawText(QRectF(x - w / 2, front_.bottom() + kTick + 1, w, h), Qt::AlignCenter, text);
  }
}

void Renderer::DrawTitles(const QRectF& area) {
  if (!options_.decorations) return;
  p_.setPen(Qt::black);
  if (!titleRect_.isNull()) {
    p_.setFont(titleFont_);
    p_.drawText(titleRect_, Qt::AlignHCenter | Qt::AlignTop,
                titleMetrics_.elidedText(ToQt(model_.title), Qt::ElideRight, titleRect_.width()));
  }
  p_.setFont(labelFont_);
  const std::string& leftTitle =
      FlowOnVerticalAxis(style_) ? model_.flowAxisTitle : model_.ValueAxisTitle(style_);
  const std::string& bottomTitle =
      FlowOnVerticalAxis(style_) ? model_.ValueAxisTitle(style_) : model_.flowAxisTitle;
  const double h = labelMetrics_.height();
  if (!leftTitle.empty()) {
    // Centred on the plot, but allowed the whole height of the chart when it is long.
    const double span = area.height() - 2 * kMargin;
    const QString text = labelMetrics_.elidedText(ToQt(leftTitle), Qt::ElideRight, span);
    const double width = labelMetrics_.horizontalAdvance(text);
    double centre = front_.center().y() + offset_.y() / 2;
    centre =
        std::clamp(centre, area.top() + kMargin + width / 2, area.bottom() - kMargin - width / 2);
    p_.save();
    p_.translate(leftTitleX_, centre);
    p_.rotate(-90);
    p_.drawText(QRectF(-width / 2 - 1, 0, width + 2, h), Qt::AlignCenter, text);
    p_.restore();
  }
  if (!bottomTitle.empty()) {
    const double span = area.width() - 2 * kMargin;
    const QString text = labelMetrics_.elidedText(ToQt(bottomTitle), Qt::ElideRight, span);
    const double width = labelMetrics_.horizontalAdvance(text) + 2;
    double centre = front_.center().x() + offset_.x() / 2;
    centre =
        std::clamp(centre, area.left() + kMargin + width / 2, area.right() - kMargin - width / 2);
    p_.drawText(QRectF(centre - width / 2, bottomTitleY_, width, h), Qt::AlignCenter, text);
  }
}

void Renderer::DrawSwatch(const QRectF& box, int slot) {
  const QColor colour = Colour(slot);
  if (style_ == ChartStyle::Line || style_ == ChartStyle::FastLine) {
    p_.setPen(QPen(colour, style_ == ChartStyle::FastLine ? 2 : 1.5));
    p_.drawLine(QPointF(box.left(), box.center().y()), QPointF(box.right(), box.center().y()));
    return;
  }
  FillShape(QPolygonF(box), colour, Pattern(slot));
}

void Renderer::DrawLegend() {
  if (legendSlots_.empty()) return;
  p_.setPen(QPen(Qt::black, 1));
  p_.setBrush(Qt::white);
  p_.drawRect(legendRect_);
  p_.setFont(labelFont_);
  const double rowHeight = legendRect_.height() / double(legendSlots_.size());
  for (size_t row = 0; row < legendSlots_.size(); ++row) {
    const int slot = legendSlots_[row];
    const double y = legendRect_.top() + rowHeight * double(row);
    if (row > 0) {
      p_.setPen(QPen(kFrameColour, 1));
      p_.drawLine(QPointF(legendRect_.left(), y), QPointF(legendRect_.right(), y));
    }
    DrawSwatch(QRectF(legendRect_.left() + 6, y + rowHeight / 2 - 5, 16, 10), slot);
    const QRectF textBox(legendRect_.left() + 28, y, legendRect_.width() - 32, rowHeight);
    p_.setPen(Qt::black);
    p_.drawText(
        textBox, Qt::AlignLeft | Qt::AlignVCenter,
        labelMetrics_.elidedText(ToQt(model_.series[slot].title), Qt::ElideRight, textBox.width()));
  }
}

void Renderer::DrawArea(const Series& s, double z0, double z1) {
  const QColor colour = Colour(s.slot);
  const QPointF near = Depth(z0), far = Depth(z1);
  const double base = Baseline();
  QPolygonF line;
  for (const ChartPoint& point : s.points) line << At(point.flow, point.value) + near;
  const QPointF firstBase = At(s.points.front().flow, base) + near;
  const QPointF lastBase = At(s.points.back().flow, base) + near;
  if (view_.view3D) {
    const QPointF deep = far - near;
    for (int i = 0; i + 1 < line.size(); ++i)
      FillShape(Quad(line[i], line[i + 1], line[i + 1] + deep, line[i] + deep), colour.darker(115),
                Qt::SolidPattern);
    FillShape(Quad(line.back(), lastBase, lastBase + deep, line.back() + deep), colour.darker(140),
              Qt::SolidPattern);
  }
  QPolygonF face;
  face << firstBase << line << lastBase;
  FillShape(face, colour, Qt::SolidPattern);
}

void Renderer::DrawLine(const Series& s, double z0, double z1) {
  const QColor colour = Colour(s.slot);
  QPolygonF line;
  for (const ChartPoint& point : s.points) line << At(point.flow, point.value) + Depth(z0);
  if (!view_.view3D) {
    p_.setPen(QPen(colour, 1.5));
    p_.setBrush(Qt::NoBrush);
    p_.drawPolyline(line);
    return;
  }
  // A ribbon; the faces turned away from the eye are darker.
  const QPointF deep = Depth(z1) - Depth(z0);
  for (int i = 0; i + 1 < line.size(); ++i) {
    const QPointF d = line[i + 1] - line[i];
    const bool facing = d.x() * deep.y() - d.y() * deep.x() <= 0;
    FillShape(Quad(line[i], line[i + 1], line[i + 1] + deep, line[i] + deep),
              facing ? colour : colour.darker(130), Qt::SolidPattern);
  }
}

void Renderer::DrawPoints(const Series& s, double z0, double z1) {
  const QColor colour = Colour(s.slot);
  const Qt::BrushStyle pattern = Pattern(s.slot);
  const double depthLength = std::hypot(offset_.x(), offset_.y());
  const double zBack = depthLength > 0 ? std::min(z1, z0 + 2 * kMarkerHalf / depthLength) : z0;
  const QPointF deep = Depth(zBack) - Depth(z0);
  for (const ChartPoint& point : s.points) {
    const QPointF c = At(point.flow, point.value) + Depth(z0);
    const QRectF box(c.x() - kMarkerHalf, c.y() - kMarkerHalf, 2 * kMarkerHalf, 2 * kMarkerHalf);
    if (view_.view3D && deep != QPointF()) {
      FillShape(Quad(box.topLeft(), box.topRight(), box.topRight() + deep, box.topLeft() + deep),
                colour.darker(115), pattern);
      FillShape(
          Quad(box.topRight(), box.bottomRight(), box.bottomRight() + deep, box.topRight() + deep),
          colour.darker(140), pattern);
    }
    FillShape(QPolygonF(box), colour, pattern);
  }
}

void Renderer::DrawFastLine(const Series& s, double z0) {
  QPolygonF line;
  for (const ChartPoint& point : s.points) line << At(point.flow, point.value) + Depth(z0);
  p_.setPen(QPen(Colour(s.slot), 2));
  p_.setBrush(Qt::NoBrush);
  p_.drawPolyline(line);
}

void Renderer::DrawBars() {
  if (drawn_.empty()) return;
  const bool horizontal = style_ == ChartStyle::HorizontalBar;
  const double category = CategoryWidth(drawn_);
  const double categoryPx = horizontal
                                ? category * front_.height() / (flowScale_.max - flowScale_.min)
                                : category * front_.width() / (flowScale_.max - flowScale_.min);
  const double groupPx = categoryPx * kBarGroupShare;
  const double barPx = groupPx / double(drawn_.size());
  const double base = Baseline();

  struct Bar {
    QRectF rect;
    int slot;
  };
  std::vector<Bar> bars;
  for (size_t k = 0; k < drawn_.size(); ++k) {
    for (const ChartPoint& point : drawn_[k].points) {
      const QPointF tip = At(point.flow, point.value);
      const QPointF foot = At(point.flow, base);
      QRectF rect;
      if (horizontal) {
        // Slot order reads from the top of a group down, like the legend.
        const double top = tip.y() - groupPx / 2 + barPx * double(k);
        rect = QRectF(QPointF(std::min(tip.x(), foot.x()), top),
                      QPointF(std::max(tip.x(), foot.x()), top + barPx));
      } else {
        const double left = tip.x() - groupPx / 2 + barPx * double(k);
        rect = QRectF(QPointF(left, std::min(tip.y(), foot.y())),
                      QPointF(left + barPx, std::max(tip.y(), foot.y())));
      }
      if ((horizontal ? rect.width() : rect.height()) < 0.5) continue;  // nothing to show
      bars.push_back({rect, drawn_[k].slot});
    }
  }
  // Back to front: a bar covers the top and side faces of its left or lower neighbour.
  std::stable_sort(bars.begin(), bars.end(), [&](const Bar& a, const Bar& b) {
    return horizontal ? a.rect.bottom() > b.rect.bottom() : a.rect.left() < b.rect.left();
  });
  // A bar is never deeper than it is thick: full-depth bars side by side turn into long slabs
  // at large depths and cover their neighbours.
  QPointF deep = offset_;
  const double across = std::max(std::abs(deep.x()), std::abs(deep.y()));
  if (across > barPx) deep *= barPx / across;
  for (const Bar& bar : bars) {
    const QColor colour = Colour(bar.slot);
    const Qt::BrushStyle pattern = Pattern(bar.slot);
    const QRectF& r = bar.rect;
    if (view_.view3D) {
      FillShape(Quad(r.topLeft(), r.topRight(), r.topRight() + deep, r.topLeft() + deep),
                colour.darker(115), pattern);
      FillShape(Quad(r.topRight(), r.bottomRight(), r.bottomRight() + deep, r.topRight() + deep),
                colour.darker(140), pattern);
    }
    FillShape(QPolygonF(r), colour, pattern);
  }
}

void Renderer::DrawSeries() {
  if (IsBar(style_)) {
    DrawBars();
    return;
  }
  // Larger series go to the back (and are painted first in 2D) so they never hide the
  // smaller ones; the slot order stays in the legend.
  std::vector<const Series*> order;
  for (const Series& s : drawn_) order.push_back(&s);
  std::stable_sort(order.begin(), order.end(),
                   [](const Series* a, const Series* b) { return a->maxValue > b->maxValue; });
  const double n = double(order.size());
  for (size_t k = 0; k < order.size(); ++k) {
    const Series& s = *order[k];
    // Slice k from the back: order[0] takes the deepest slice.
    const double z1 = view_.view3D ? (n - double(k)) / n : 0;
    const double z0 = view_.view3D ? (n - double(k) - 1) / n : 0;
    switch (style_) {
      case ChartStyle::Area:
        DrawArea(s, z0, z1);
        break;
      case ChartStyle::Line:
        DrawLine(s, z0, z1);
        break;
      case ChartStyle::Point:
        DrawPoints(s, z0, z1);
        break;
      default:
        DrawFastLine(s, z0);
        break;
    }
  }
}

ChartGeometry Renderer::Paint(const QRectF& area) {
  ChartGeometry geometry;
  Layout(area);
  if (front_.width() < 4 || front_.height() < 4) {
    DrawTitles(area);
    return geometry;
  }
  DrawWalls();
  DrawGrid();
  p_.save();
  // Markers may reach a few pixels past the axes; anything further is out of range.
  p_.setClipRect(
      front_.united(front_.translated(offset_))
          .adjusted(-kMarkerHalf - 1, -kMarkerHalf - 1, kMarkerHalf + 1, kMarkerHalf + 1),
      Qt::IntersectClip);
  DrawSeries();
  p_.restore();
  DrawAxes();
  DrawTitles(area);
  DrawLegend();
  geometry.front = front_;
  geometry.depthOffset = offset_;
  geometry.flowScale = flowScale_;
  geometry.valueScale = valueScale_;
  geometry.drawn = true;
  return geometry;
}

}  // namespace

std::vector<double> AxisScale::Ticks() const {
  std::vector<double> ticks;
  if (!(step > 0) || !std::isfinite(min) || !std::isfinite(max)) return ticks;
  const double first = std::ceil(min / step - 1e-9);
  const double last = std::floor(max / step + 1e-9);
  if (last - first > 1000) return ticks;
  for (double k = first; k <= last; ++k) {
    const double t = k == 0 ? 0.0 : k * step;
    if (t >= tickLow - step * 1e-9 && t <= tickHigh + step * 1e-9) ticks.push_back(t);
  }
  return ticks;
}

AxisScale NiceScale(double low, double high, int maxIntervals, bool extend) {
  AxisScale scale;
  if (!std::isfinite(low) || !std::isfinite(high) || !std::isfinite(high - low)) return scale;
  if (high < low) std::swap(low, high);
  if (high - low <= std::abs(high) * 1e-12) {
    // One value only: the axis runs from zero to it, or a unit when it is zero.
    if (high > 0)
      low = 0;
    else if (low < 0)
      high = 0;
    else
      high = 1;
  }
  const double raw = (high - low) / std::max(1, maxIntervals);
  const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
  double step = 10 * magnitude;
  for (double m : {1.0, 2.0, 5.0}) {
    if (m * magnitude >= raw * (1 - 1e-9)) {
      step = m * magnitude;
      break;
    }
  }
  scale.step = step;
  if (extend) {
    scale.min = std::floor(low / step + 1e-9) * step;
    scale.max = std::ceil(high / step - 1e-9) * step;
  } else {
    scale.min = low;
    scale.max = high;
  }
  if (scale.max <= scale.min) scale.max = scale.min + step;
  scale.decimals = step >= 1 ? 0 : std::clamp(int(std::ceil(-std::log10(step) - 1e-9)), 0, 15);
  return scale;
}

QString TickLabel(double value, const AxisScale& scale, const Separators& separators) {
  if (std::abs(value) >= 1e15) {
    // Beyond any real cost; a short exponent form keeps the axis readable.
    QString text = QString::number(value, 'g', 6);
    return text.replace(QLatin1Char('.'), QString::fromStdString(separators.decimal));
  }
  const std::string text = FormatFixed(static_cast<long double>(value), scale.decimals, separators);
  return QString::fromStdString(text);
}

QColor SlotColour(int slot) {
  static const QColor kColours[kSeriesSlots] = {QColor(0x00, 0xFF, 0x00), QColor(0xFF, 0x00, 0x00),
                                                QColor(0x00, 0x00, 0xFF), QColor(0x00, 0x80, 0x00),
                                                QColor(0xFF, 0xFF, 0x00)};
  return kColours[std::clamp(slot, 0, kSeriesSlots - 1)];
}

Qt::BrushStyle SlotPattern(int slot) {
  static constexpr Qt::BrushStyle kPatterns[kSeriesSlots] = {
      Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern, Qt::FDiagPattern, Qt::HorPattern};
  return kPatterns[std::clamp(slot, 0, kSeriesSlots - 1)];
}

bool PatternsShowIn(ChartStyle style) {
  return style == ChartStyle::HorizontalBar || style == ChartStyle::VerticalBar ||
         style == ChartStyle::Point;
}

ChartGeometry RenderChart(QPainter& painter, const QRectF& target, const ChartModel& model,
                          ChartStyle style, const ViewSettings& view,
                          const RenderOptions& options) {
  ChartGeometry geometry;
  if (!(target.width() >= 8 && target.height() >= 8)) return geometry;
  const double scale = DeviceScale(painter);
  painter.save();
  painter.translate(target.topLeft());
  painter.scale(scale, scale);
  const QRectF area(0, 0, target.width() / scale, target.height() / scale);
  painter.setClipRect(area, Qt::IntersectClip);
  painter.fillRect(area, Qt::white);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
#if QT_VERSION >= QT_VERSION_CHECK(6, 4, 0)
  // Hatching keeps its spacing on a printer instead of shrinking to device pixels.
  painter.setRenderHint(QPainter::NonCosmeticBrushPatterns, true);
#endif
  Renderer renderer(painter, model, style, view, options);
  geometry = renderer.Paint(area);
  painter.restore();
  if (geometry.drawn) {
    geometry.front =
        QRectF(target.topLeft() + geometry.front.topLeft() * scale, geometry.front.size() * scale);
    geometry.depthOffset *= scale;
  }
  return geometry;
}

QImage RenderChartImage(const QSize& size, const ChartModel& model, ChartStyle style,
                        const ViewSettings& view, const RenderOptions& options) {
  QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QPainter painter(&image);
  RenderChart(painter, QRectF(QPointF(0, 0), QSizeF(size)), model, style, view, options);
  return image;
}

bool WriteChartSvg(QIODevice* device, const QSize& size, const ChartModel& model, ChartStyle style,
                   const ViewSettings& view, const RenderOptions& options) {
  if (!device) return false;
  QSvgGenerator generator;
  generator.setOutputDevice(device);
  generator.setSize(size);
  generator.setViewBox(QRect(QPoint(0, 0), size));
  generator.setResolution(96);
  generator.setTitle(QString::fromStdString(model.title));
  QPainter painter;
  if (!painter.begin(&generator)) return false;
  RenderChart(painter, QRectF(QPointF(0, 0), QSizeF(size)), model, style, view, options);
  return painter.end();
}

}  // namespace wattora

#include "common/qt/ProgramIcons.h"

#include <QPainter>
#include <cmath>

namespace zelvo::qt {
namespace {

const QColor kWater(40, 110, 190);
const QColor kPaper(250, 250, 245);
const QColor kEdge(120, 130, 140);
// The four stream classes of tarvel: intermittent stable, perennial stable, perennial flashy,
// intermittent flashy.
const QColor kClassColours[4] = {QColor(214, 186, 120), QColor(90, 160, 215), QColor(30, 90, 170),
                                 QColor(220, 120, 50)};

// A transparent square image with a painter that draws in units of 1/32 of its side.
QImage Canvas(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

void Begin(QPainter& p, int size) {
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 32.0, size / 32.0);
}

void Paper(QPainter& p) {
  p.setPen(QPen(kEdge, 0.8));
  p.setBrush(kPaper);
  p.drawRoundedRect(QRectF(1, 1, 30, 30), 5, 5);
}

QIcon AllSizes(QImage (*draw)(int)) {
  QIcon icon;
  for (int size : kDesktopIconSizes) icon.addPixmap(QPixmap::fromImage(draw(size)));
  return icon;
}

}  // namespace

QPainterPath HydrographPath(const QRectF& r) {
  QPainterPath path;
  const int n = 120;
  for (int i = 0; i <= n; ++i) {
    const double t = static_cast<double>(i) / n;
    double q = 0.15 + 0.05 * std::sin(t * 6.28);
    for (double peak : {0.18, 0.42, 0.47, 0.75}) {
      const double d = t - peak;
      if (d >= 0) q += 0.55 * std::exp(-d * 28.0) * (peak == 0.42 ? 1.3 : 0.8);
    }
    const QPointF p(r.left() + t * r.width(), r.bottom() - std::min(q, 1.0) * r.height());
    if (i == 0)
      path.moveTo(p);
    else
      path.lineTo(p);
  }
  return path;
}

QImage ZelvoIconImage(int size) {
  QImage image = Canvas(size);
  QPainter p(&image);
  Begin(p, size);
  Paper(p);
  QPainterPath drop;
  drop.moveTo(16, 3);
  drop.cubicTo(22, 12, 26, 16, 26, 20);
  drop.arcTo(QRectF(6, 10, 20, 20), 0, -180);
  drop.cubicTo(6, 16, 10, 12, 16, 3);
  p.setPen(Qt::NoPen);
  p.setBrush(kWater);
  p.drawPath(drop);
  p.setPen(QPen(Qt::white, size <= 24 ? 2.2 : 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(HydrographPath(QRectF(8, 14, 16, 12)));
  return image;
}

QImage TarvelIconImage(int size) {
  QImage image = Canvas(size);
  QPainter p(&image);
  Begin(p, size);
  Paper(p);
  // Four class tiles, two by two, and one stream's hydrograph drawn across them.
  p.setPen(Qt::NoPen);
  for (int k = 0; k < 4; ++k) {
    p.setBrush(kClassColours[k]);
    p.drawRoundedRect(QRectF(5 + 12 * (k % 2), 5 + 12 * (k / 2), 10, 10), 2, 2);
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::white, size <= 24 ? 3.6 : 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  const QPainterPath flow = HydrographPath(QRectF(4, 8, 24, 18));
  p.drawPath(flow);
  p.setPen(QPen(QColor(20, 40, 70), size <= 24 ? 1.8 : 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(flow);
  return image;
}

QIcon ZelvoIcon() { return AllSizes(ZelvoIconImage); }
QIcon TarvelIcon() { return AllSizes(TarvelIconImage); }

}  // namespace zelvo::qt

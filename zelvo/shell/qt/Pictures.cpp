#include "zelvo/shell/qt/Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "common/qt/ProgramIcons.h"
#include "zelvo/session/CommandIds.h"

namespace zelvo::qt {
namespace {

const QColor kWater(40, 110, 190);
const QColor kDeepWater(20, 70, 140);
const QColor kInk(40, 40, 40);

void DrawLandscape(QPainter& p, const QRectF& r) {
  QLinearGradient sky(r.topLeft(), r.bottomLeft());
  sky.setColorAt(0.0, QColor(170, 205, 235));
  sky.setColorAt(0.55, QColor(225, 238, 245));
  sky.setColorAt(0.56, QColor(120, 160, 95));
  sky.setColorAt(1.0, QColor(80, 125, 70));
  p.fillRect(r, sky);
  // Hills.
  QPainterPath hills;
  hills.moveTo(r.left(), r.top() + r.height() * 0.58);
  hills.cubicTo(r.left() + r.width() * 0.25, r.top() + r.height() * 0.35, r.left() + r.width() * 0.45,
                r.top() + r.height() * 0.62, r.left() + r.width() * 0.7, r.top() + r.height() * 0.42);
  hills.cubicTo(r.left() + r.width() * 0.85, r.top() + r.height() * 0.33, r.right(),
                r.top() + r.height() * 0.5, r.right(), r.top() + r.height() * 0.5);
  hills.lineTo(r.bottomRight());
  hills.lineTo(r.bottomLeft());
  hills.closeSubpath();
  p.fillPath(hills, QColor(100, 145, 85));
  // The river, widening toward the viewer.
  QPainterPath river;
  const double cx = r.left() + r.width() * 0.55;
  river.moveTo(cx - 4, r.top() + r.height() * 0.56);
  river.cubicTo(cx - r.width() * 0.2, r.top() + r.height() * 0.7, cx + r.width() * 0.15,
                r.top() + r.height() * 0.8, cx - r.width() * 0.12, r.bottom());
  river.lineTo(cx + r.width() * 0.12, r.bottom());
  river.cubicTo(cx + r.width() * 0.25, r.top() + r.height() * 0.8, cx - r.width() * 0.12,
                r.top() + r.height() * 0.7, cx + 4, r.top() + r.height() * 0.56);
  river.closeSubpath();
  QLinearGradient water(r.left(), r.top() + r.height() * 0.56, r.left(), r.bottom());
  water.setColorAt(0, QColor(150, 190, 225));
  water.setColorAt(1, kWater);
  p.fillPath(river, water);
}

QPixmap Canvas(int w, int h) {
  QPixmap pm(w, h);
  pm.fill(Qt::transparent);
  return pm;
}

}  // namespace

QPixmap SplashPicture() {
  QPixmap pm = Canvas(520, 320);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF all(0, 0, 520, 320);
  DrawLandscape(p, all);
  // Hydrograph panel.
  const QRectF panel(30, 30, 460, 120);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 215));
  p.drawRoundedRect(panel, 8, 8);
  p.setPen(QPen(kDeepWater, 2.2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(HydrographPath(panel.adjusted(14, 12, -14, -12)));
  // Name and version.
  QFont big(QStringLiteral("DejaVu Sans"), 34, QFont::Bold);
  p.setFont(big);
  p.setPen(Qt::white);
  p.drawText(QRectF(0, 182, 520, 60), Qt::AlignCenter, QStringLiteral("MORVIK"));
  QFont small(QStringLiteral("DejaVu Sans"), 12);
  p.setFont(small);
  p.drawText(QRectF(0, 236, 520, 30), Qt::AlignCenter,
             QStringLiteral("Version 1.1  -  hydrologic indices of stream flow"));
  p.setPen(QPen(kDeepWater, 3));
  p.drawRect(all.adjusted(1.5, 1.5, -1.5, -1.5));
  return pm;
}

QPixmap BackgroundPicture() {
  QPixmap pm = Canvas(800, 500);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  DrawLandscape(p, QRectF(0, 0, 800, 500));
  // A gauging station on the bank.
  p.setPen(QPen(kInk, 1.5));
  p.setBrush(QColor(230, 225, 210));
  p.drawRect(QRectF(560, 300, 40, 44));
  p.setBrush(QColor(150, 60, 50));
  QPolygonF roof;
  roof << QPointF(555, 300) << QPointF(580, 282) << QPointF(605, 300);
  p.drawPolygon(roof);
  p.setPen(QPen(kInk, 2));
  p.drawLine(QPointF(600, 330), QPointF(640, 352));
  // A faint hydrograph in the sky.
  p.setPen(QPen(QColor(255, 255, 255, 170), 3));
  p.setBrush(Qt::NoBrush);
  p.drawPath(HydrographPath(QRectF(60, 40, 680, 170)));
  return pm;
}

QIcon ProgramIcon() { return ZelvoIcon(); }

QIcon CommandIcon(int id) {
  QPixmap pm = Canvas(24, 24);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QPen ink(kInk, 1.4);
  auto folder = [&](QColor fill) {
    p.setPen(ink);
    p.setBrush(fill);
    QPolygonF f;
    f << QPointF(2, 7) << QPointF(9, 7) << QPointF(11, 9) << QPointF(21, 9) << QPointF(21, 20)
      << QPointF(2, 20);
    p.drawPolygon(f);
  };
  auto page = [&]() {
    p.setPen(ink);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5, 2, 14, 19));
  };
  auto graph = [&](QColor line) {
    p.setPen(ink);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2, 3, 20, 18));
    p.setPen(QPen(line, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(HydrographPath(QRectF(4, 6, 16, 13)));
  };
  auto arrowIn = [&]() {
    p.setPen(QPen(QColor(30, 130, 60), 2.2));
    p.drawLine(QPointF(12, 1), QPointF(12, 11));
    p.drawLine(QPointF(8, 7), QPointF(12, 11));
    p.drawLine(QPointF(16, 7), QPointF(12, 11));
  };
  switch (id) {
    case kCmdNewProject:
      folder(QColor(245, 215, 120));
      p.setPen(QPen(QColor(30, 130, 60), 2.2));
      p.drawLine(QPointF(15, 11), QPointF(15, 19));
      p.drawLine(QPointF(11, 15), QPointF(19, 15));
      break;
    case kCmdOpenProject:
      folder(QColor(245, 215, 120));
      p.setBrush(QColor(250, 230, 150));
      p.drawPolygon(QPolygonF() << QPointF(5, 12) << QPointF(23, 12) << QPointF(20, 20) << QPointF(2, 20));
      break;
    case kCmdDeleteProject:
      folder(QColor(245, 215, 120));
      p.setPen(QPen(QColor(190, 30, 30), 2.4));
      p.drawLine(QPointF(11, 11), QPointF(19, 19));
      p.drawLine(QPointF(19, 11), QPointF(11, 19));
      break;
    case kCmdGraphicsPreferences:  // a palette
      p.setPen(ink);
      p.setBrush(QColor(235, 220, 190));
      p.drawEllipse(QRectF(2, 3, 20, 18));
      for (auto [x, y, c] : {std::tuple{7.0, 8.0, QColor(200, 40, 40)},
                             {12.0, 6.5, QColor(40, 150, 60)},
                             {17.0, 9.0, QColor(40, 80, 200)},
                             {8.0, 14.0, QColor(230, 190, 30)}}) {
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawEllipse(QPointF(x, y), 2.3, 2.3);
      }
      break;
    case kCmdImportAgncData:  // a page of numbers coming in
      page();
      p.setPen(QPen(QColor(120, 120, 120), 1));
      for (int y = 13; y <= 19; y += 3) p.drawLine(QPointF(7, y), QPointF(17, y));
      arrowIn();
      break;
    case kCmdImportAlternativeCsv:  // a grid coming in
      page();
      p.setPen(QPen(QColor(120, 120, 120), 1));
      for (int y = 13; y <= 19; y += 3) p.drawLine(QPointF(7, y), QPointF(17, y));
      for (int x = 9; x <= 15; x += 3) p.drawLine(QPointF(x, 12), QPointF(x, 20));
      arrowIn();
      break;
    case kCmdGraphDataSet:
      graph(kWater);
      break;                           // Graph Data Set
    case kCmdCreateTimePeriodProfile:  // a bar split into periods
      p.setPen(ink);
      for (int i = 0; i < 4; ++i) {
        p.setBrush(QColor::fromHsv(200 + i * 25, 140, 230));
        p.drawRect(QRectF(2 + i * 5, 8, 5, 8));
      }
      p.drawLine(QPointF(2, 19), QPointF(22, 19));
      break;
    case kCmdGraphTimePeriodData:
      graph(QColor(40, 150, 60));
      break;  // Graph Time Period Data
    case kCmdGraphProfileIndices:
    case kCmdGraphAlternativeIndices:
      p.setPen(ink);
      p.setBrush(Qt::white);
      p.drawRect(QRectF(2, 3, 20, 18));
      for (int i = 0; i < 4; ++i) {
        p.setBrush(id == kCmdGraphProfileIndices ? QColor(40, 150, 60) : QColor(180, 90, 30));
        const double h = 4 + ((i * 7) % 11);
        p.drawRect(QRectF(4.5 + i * 4.3, 19 - h, 3, h));
      }
      break;
    case kCmdSelectBaseline:  // a flag on a base line
      p.setPen(QPen(kInk, 1.6));
      p.drawLine(QPointF(3, 20), QPointF(21, 20));
      p.drawLine(QPointF(7, 20), QPointF(7, 3));
      p.setBrush(QColor(200, 40, 40));
      p.drawPolygon(QPolygonF() << QPointF(7, 3) << QPointF(19, 7) << QPointF(7, 11));
      break;
    case kCmdGraphAlternativeData:
      graph(QColor(180, 90, 30));
      break;               // Graph Alternative Data
    case kCmdContextHelp:  // arrow with question mark
      p.setPen(QPen(kInk, 1.2));
      p.setBrush(Qt::white);
      p.drawPolygon(QPolygonF() << QPointF(3, 2) << QPointF(3, 17) << QPointF(7, 13) << QPointF(10, 20)
                                << QPointF(12, 19) << QPointF(9, 12) << QPointF(14, 12));
      p.setFont(QFont(QStringLiteral("DejaVu Sans"), 11, QFont::Bold));
      p.setPen(kWater);
      p.drawText(QRectF(12, 1, 12, 16), Qt::AlignCenter, QStringLiteral("?"));
      break;
    default:
      return QIcon();
  }
  return QIcon(pm);
}

}  // namespace zelvo::qt

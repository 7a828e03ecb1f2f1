#include "app/qt/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace selkan {

namespace {

constexpr int kSize = 18;

void DrawPage(QPainter& p) {
  QPainterPath page;
  page.moveTo(3.5, 1.5);
  page.lineTo(10.5, 1.5);
  page.lineTo(14.5, 5.5);
  page.lineTo(14.5, 16.5);
  page.lineTo(3.5, 16.5);
  page.closeSubpath();
  p.setPen(QPen(QColor(60, 60, 60), 1));
  p.setBrush(Qt::white);
  p.drawPath(page);
  p.drawLine(QPointF(10.5, 1.5), QPointF(10.5, 5.5));
  p.drawLine(QPointF(10.5, 5.5), QPointF(14.5, 5.5));
}

void DrawFolder(QPainter& p) {
  p.setPen(QPen(QColor(120, 90, 20), 1));
  p.setBrush(QColor(240, 200, 80));
  p.drawRect(QRectF(1.5, 5.5, 14, 10));
  p.drawRect(QRectF(1.5, 3.5, 6, 2));
  p.setBrush(QColor(250, 220, 120));
  QPolygonF flap({QPointF(4.5, 8.5), QPointF(17.5, 8.5), QPointF(15.5, 15.5), QPointF(1.5, 15.5)});
  p.drawPolygon(flap);
}

void DrawDisk(QPainter& p) {
  p.setPen(QPen(QColor(20, 40, 90), 1));
  p.setBrush(QColor(60, 100, 180));
  p.drawRect(QRectF(2.5, 2.5, 13, 13));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(5.5, 2.5, 7, 5));
  p.setBrush(QColor(200, 200, 200));
  p.drawRect(QRectF(5.5, 10.5, 7, 5));
}

// A small handheld radio with an arrow: into the computer (read) or out of
// it (write).
void DrawTransfer(QPainter& p, bool read) {
  p.setPen(QPen(QColor(30, 30, 30), 1));
  p.setBrush(QColor(60, 70, 90));
  p.drawRect(QRectF(1.5, 5.5, 6, 11));
  p.drawLine(QPointF(3.5, 1.5), QPointF(3.5, 5.5));
  p.setBrush(QColor(120, 200, 120));
  p.drawRect(QRectF(2.5, 7.5, 4, 2));
  const QColor arrow = read ? QColor(20, 140, 40) : QColor(200, 60, 20);
  p.setPen(QPen(arrow, 2));
  p.drawLine(QPointF(9, 11), QPointF(16, 11));
  p.setPen(Qt::NoPen);
  p.setBrush(arrow);
  if (read)
    p.drawPolygon(QPolygonF({QPointF(17, 11), QPointF(13, 7), QPointF(13, 15)}));
  else
    p.drawPolygon(QPolygonF({QPointF(8, 11), QPointF(12, 7), QPointF(12, 15)}));
}

void DrawPrinter(QPainter& p) {
  p.setPen(QPen(QColor(60, 60, 60), 1));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(5.5, 1.5, 7, 6));
  p.setBrush(QColor(170, 170, 170));
  p.drawRect(QRectF(1.5, 7.5, 15, 6));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(5.5, 11.5, 7, 5));
  p.setPen(QColor(20, 140, 40));
  p.drawPoint(QPointF(14, 9.5));
}

void DrawAbout(QPainter& p) {
  p.setPen(QPen(QColor(20, 60, 140), 1));
  p.setBrush(QColor(70, 120, 210));
  p.drawEllipse(QRectF(1.5, 1.5, 15, 15));
  QFont font = p.font();
  font.setBold(true);
  font.setPixelSize(12);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRectF(1.5, 1.5, 15, 15), Qt::AlignCenter, QStringLiteral("?"));
}

}  // namespace

QIcon ToolbarIcon(ToolbarIconKind kind) {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  switch (kind) {
    case ToolbarIconKind::New:
      DrawPage(p);
      break;
    case ToolbarIconKind::Open:
      DrawFolder(p);
      break;
    case ToolbarIconKind::Save:
      DrawDisk(p);
      break;
    case ToolbarIconKind::Read:
      DrawTransfer(p, true);
      break;
    case ToolbarIconKind::Write:
      DrawTransfer(p, false);
      break;
    case ToolbarIconKind::Print:
      DrawPrinter(p);
      break;
    case ToolbarIconKind::About:
      DrawAbout(p);
      break;
  }
  p.end();
  return QIcon(pixmap);
}

}  // namespace selkan

#include "app/qt/mdi_client_wnd.h"

#include <QCoreApplication>
#include <QDir>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

namespace selkan {

std::vector<QPoint> TileOrigins(QSize client, QSize tile) {
  std::vector<QPoint> origins;
  if (tile.width() <= 0 || tile.height() <= 0 || client.width() < 0 || client.height() < 0)
    return origins;
  const int columns = client.width() / tile.width();
  const int rows = client.height() / tile.height();
  origins.reserve(static_cast<std::size_t>(columns + 1) * static_cast<std::size_t>(rows + 1));
  for (int i = 0; i <= columns; ++i)
    for (int j = 0; j <= rows; ++j) origins.emplace_back(i * tile.width(), j * tile.height());
  return origins;
}

QPixmap LoadBackgroundTile(const QString& programDirectory) {
  QPixmap tile(QDir(programDirectory).filePath(QStringLiteral("background.bmp")), "BMP");
  if (tile.isNull()) tile.load(QStringLiteral(":/selkan/bitmap137.bmp"), "BMP");
  return tile;
}

CMDIClientWnd::CMDIClientWnd(QString programDirectory, QWidget* parent)
    : QMdiArea(parent), programDirectory_(std::move(programDirectory)) {
  // A document window larger than the area (a small main window) is
  // reached by scrolling.
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void CMDIClientWnd::paintEvent(QPaintEvent* event) {
  const QPixmap tile = LoadBackgroundTile(programDirectory_);
  const std::vector<QPoint> origins = TileOrigins(viewport()->size(), tile.size());
  if (origins.empty()) {  // no usable bitmap: the plain MDI background
    QMdiArea::paintEvent(event);
    return;
  }
  QPainter painter(viewport());
  for (const QPoint& origin : origins) painter.drawPixmap(origin, tile);
}

void CMDIClientWnd::UpdateScrollRange() {
  // The area measures its windows again when its viewport is resized.
  QResizeEvent event(viewport()->size(), viewport()->size());
  QCoreApplication::sendEvent(viewport(), &event);
}

void CMDIClientWnd::resizeEvent(QResizeEvent* event) {
  QMdiArea::resizeEvent(event);
  viewport()->update();  // lay the tiles out again from the top-left corner
}

}  // namespace selkan

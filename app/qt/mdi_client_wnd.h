#pragma once

#include <QMdiArea>
#include <QPixmap>
#include <QPoint>
#include <QSize>
#include <QString>
#include <vector>

namespace selkan {

// Top-left corners of the tiles that cover a client area of the given size
// from its top-left corner: (width / w + 1) columns by (height / h + 1) rows,
// the last ones cut off by the edge. Empty for a tile without area.
std::vector<QPoint> TileOrigins(QSize client, QSize tile);

// The tile: "background.bmp" of the program directory, read anew each time
// so that a replaced file shows at the next repaint; else bitmap 137 of the
// program's resources.
QPixmap LoadBackgroundTile(const QString& programDirectory);

// The MDI client area of the main frame, painted with the tiled background.
class CMDIClientWnd : public QMdiArea {
  Q_OBJECT
 public:
  explicit CMDIClientWnd(QString programDirectory, QWidget* parent = nullptr);

  // Fits the scroll bars to the visible document windows again (after one
  // was hidden or shown).
  void UpdateScrollRange();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QString programDirectory_;
};

}  // namespace selkan

#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "navbar/bar_mouse.h"

namespace selkan {

class CNavigatorTree;

// The navigation bar on the left of the main window: an etched frame with
// the company's name as caption, a close button, and the navigation tree.
// Its width is dragged by a strip along its right edge, with a dotted
// tracking line following the mouse; it starts 220 pixels wide. It cannot
// be moved or floated.
class CNavigatorBar : public QWidget {
  Q_OBJECT
 public:
  explicit CNavigatorBar(QString caption, QWidget* parent = nullptr);
  ~CNavigatorBar() override;

  CNavigatorTree* Tree() const { return tree_; }
  int BarWidth() const { return barWidth_; }
  const BarMouse& Mouse() const { return mouse_; }
  // The dotted line shown over the main window while the strip is dragged;
  // nullptr before the first drag.
  QWidget* TrackingLine() const { return trackingLine_.data(); }

  void setVisible(bool visible) override;

 signals:
  // The bar was shown or hidden: by its close button, or by the frame.
  void shownChanged(bool shown);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void Apply(const BarMouse::Effects& effects);
  void PlaceTrackingLine();
  // The main window's width: the bar takes at most half of it.
  int FrameClientWidth() const;

  QString caption_;
  CNavigatorTree* tree_ = nullptr;
  QPointer<QWidget> trackingLine_;
  BarMouse mouse_;
  int barWidth_;
};

}  // namespace selkan

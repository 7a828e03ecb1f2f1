#include "navbar/qt/navigator_bar.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "navbar/qt/navigator_tree.h"

namespace selkan {

namespace {

QRect ToQRect(const BarRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

// A horizontal or vertical line that, like the platform's line drawing,
// leaves out its end point.
void DrawLineTo(QPainter& painter, int x1, int y1, int x2, int y2) {
  if (x1 == x2 && y1 != y2) painter.drawLine(x1, y1, x2, y2 > y1 ? y2 - 1 : y2 + 1);
  if (y1 == y2 && x1 != x2) painter.drawLine(x1, y1, x2 > x1 ? x2 - 1 : x2 + 1, y2);
}

// A one-pixel 3-D outline: topLeft on the top and left edges, bottomRight
// on the right and bottom ones.
void Draw3dRect(QPainter& painter, const BarRect& r, const QColor& topLeft,
                const QColor& bottomRight) {
  painter.setPen(topLeft);
  DrawLineTo(painter, r.left, r.top, r.right - 1, r.top);
  DrawLineTo(painter, r.left, r.top, r.left, r.bottom - 1);
  painter.setPen(bottomRight);
  DrawLineTo(painter, r.right - 1, r.top, r.right - 1, r.bottom);
  DrawLineTo(painter, r.left, r.bottom - 1, r.right, r.bottom - 1);
}

// The close button's glyph: a black diagonal cross on a transparent
// ground, 16 by 16 pixels.
const QPixmap& CloseGlyph() {
  static const QPixmap glyph = [] {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    for (int dx : {0, 1}) {
      painter.drawLine(4 + dx, 4, 10 + dx, 10);
      painter.drawLine(10 + dx, 4, 4 + dx, 10);
    }
    return pixmap;
  }();
  return glyph;
}

// Two dotted vertical lines two pixels apart, over whatever lies below.
class DottedTrackingLine : public QWidget {
 public:
  explicit DottedTrackingLine(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("trackingLine"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    QPen pen(palette().color(QPalette::WindowText));
    pen.setDashPattern({1, 1});
    painter.setPen(pen);
    for (int x : {0, 2}) painter.drawLine(x, 0, x, height() - 1);
  }
};

}  // namespace

CNavigatorBar::CNavigatorBar(QString caption, QWidget* parent)
    : QWidget(parent), caption_(std::move(caption)), barWidth_(navbar::kDefaultWidth) {
  setObjectName(QStringLiteral("navigatorBar"));
  setAutoFillBackground(true);
  setMouseTracking(true);  // the close button's hover look
  // The caption and the tree: 14 pixels high, regular weight. The face is
  // seldom installed; the font mapping picks a near one.
  QFont font(QStringLiteral("Time New Roman"));
  font.setPixelSize(14);
  font.setWeight(QFont::Normal);
  setFont(font);
  tree_ = new CNavigatorTree(this);
  setFixedWidth(barWidth_);
}

CNavigatorBar::~CNavigatorBar() { delete trackingLine_.data(); }

void CNavigatorBar::setVisible(bool visible) {
  const bool wasShown = !isHidden();
  QWidget::setVisible(visible);
  if (wasShown != !isHidden()) emit shownChanged(!isHidden());
}

int CNavigatorBar::FrameClientWidth() const { return window()->width(); }

bool CNavigatorBar::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const BarRect& button = mouse_.CloseButton();
    if (!button.IsEmpty() && button.Contains(help->pos().x(), help->pos().y())) {
      QToolTip::showText(help->globalPos(), tr("Close"), this, ToQRect(button));
    } else {
      QToolTip::hideText();
      event->ignore();
    }
    return true;
  }
  return QWidget::event(event);
}

void CNavigatorBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor grayText = palette().color(QPalette::Disabled, QPalette::WindowText);

  // The etched frame: a grey outline with white lines inside its top-left
  // and outside its bottom-right.
  const BarRect outline = FrameOutline(width(), height());
  const int l = outline.left, t = outline.top, r = outline.right, b = outline.bottom;
  painter.setPen(grayText);
  painter.drawRect(l, t, outline.Width() - 1, outline.Height() - 1);
  painter.setPen(Qt::white);
  DrawLineTo(painter, l + 1, t + 1, l + 1, b - 1);
  DrawLineTo(painter, l + 1, t + 1, r - 1, t + 1);
  DrawLineTo(painter, r, t, r, b);
  DrawLineTo(painter, l, b, r + 1, b);
  const BarRect frame = InnerFrame(outline);
  mouse_.SetFrame(frame);

  // The caption, centred in a box its own width, and the line below it.
  const int captionWidth = fontMetrics().horizontalAdvance(caption_);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(QRect(frame.left + 5, frame.top, captionWidth, navbar::kCaptionHeight),
                   Qt::AlignCenter | Qt::TextSingleLine, caption_);
  painter.setPen(grayText);
  const int lineY = frame.top + navbar::kCaptionHeight;
  DrawLineTo(painter, frame.left + 1, lineY, frame.right, lineY);

  // The close button, raised on hover and sunken while pressed.
  const BarRect& button = mouse_.CloseButton();
  const QColor light = palette().color(QPalette::Light);
  const QColor shadow = palette().color(QPalette::Dark);
  if (mouse_.Look() == CloseButtonLook::Raised) Draw3dRect(painter, button, light, shadow);
  if (mouse_.Look() == CloseButtonLook::Sunken) Draw3dRect(painter, button, shadow, light);
  painter.drawPixmap(button.left, button.top, CloseGlyph());
}

void CNavigatorBar::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  tree_->setGeometry(ToQRect(TreeRect(barWidth_, height())));
}

void CNavigatorBar::mousePressEvent(QMouseEvent* event) {
  // The bar is never dragged to another place: the press only concerns the
  // close button and the resize strip.
  if (event->button() != Qt::LeftButton) return;
  const QPoint p = event->position().toPoint();
  Apply(mouse_.Press(p.x(), p.y()));
}

void CNavigatorBar::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  Apply(mouse_.Move(p.x(), p.y(), FrameClientWidth()));
  if (!mouse_.Frame().IsEmpty() && !mouse_.Resizing())
    setCursor(mouse_.ShowsResizeCursor(p.x(), p.y()) ? Qt::SplitHCursor : Qt::ArrowCursor);
}

void CNavigatorBar::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint p = event->position().toPoint();
  Apply(mouse_.Release(p.x(), p.y(), FrameClientWidth()));
}

void CNavigatorBar::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

void CNavigatorBar::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  Apply(mouse_.Leave());
}

void CNavigatorBar::Apply(const BarMouse::Effects& effects) {
  if (effects.repaintButton) update(ToQRect(mouse_.CloseButton()));
  PlaceTrackingLine();
  if (effects.hideBar) hide();
  if (effects.width) {
    barWidth_ = *effects.width;
    setFixedWidth(barWidth_);
    tree_->setGeometry(ToQRect(TreeRect(barWidth_, height())));
  }
}

void CNavigatorBar::PlaceTrackingLine() {
  const std::optional<int> x = mouse_.TrackingX();
  if (!x) {
    if (trackingLine_) trackingLine_->hide();
    return;
  }
  if (!trackingLine_) trackingLine_ = new DottedTrackingLine(window());
  const QPoint top = mapTo(window(), QPoint(*x, 0));
  trackingLine_->setGeometry(top.x(), top.y(), 3, height());
  trackingLine_->raise();
  trackingLine_->show();
}

}  // namespace selkan

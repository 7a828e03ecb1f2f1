#include "print/qt/listing_painter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <cmath>

namespace selkan {

namespace {

constexpr double kTwipsPerInch = 1440.0;
// The rules: half a point, black.
constexpr int kRuleWidthTwips = 10;

struct PageFontSet {
  QFont title;
  QFont body;
};

// A family wider than the one the columns were made for would run one text
// into the next on its line: the body font is narrowed until every text
// ends before the next one begins. The owner text is shortened instead.
void FitToColumns(const PageDrawing& drawing, const PageFonts& sizes, PageFontSet& fonts) {
  const QFontMetricsF metrics(fonts.body);
  double fit = 1.0;
  for (std::size_t i = 0; i < drawing.texts.size(); ++i) {
    const PageText& text = drawing.texts[i];
    if (text.font != PageFont::Body || static_cast<int>(i) == drawing.ownerIndex) continue;
    const int room = RoomOnLine(drawing, i, sizes);
    const double width = metrics.horizontalAdvance(QString::fromStdString(text.text));
    if (room >= 0 && width > room) fit = std::min(fit, room / width);
  }
  if (fit < 1.0) {
    const int stretch = fonts.body.stretch() > 0 ? fonts.body.stretch() : 100;
    fonts.body.setStretch(std::max(1, static_cast<int>(stretch * fit)));
  }
}

}  // namespace

QFont ListingFont(int height, int averageWidth) {
  QFont font(QStringLiteral("Times New Roman"));
  font.setPixelSize(std::max(1, height));
  font.setWeight(QFont::Normal);
  font.setItalic(false);
  font.setUnderline(false);
  font.setStrikeOut(false);
  // The family in place of Times New Roman may be wider or narrower: the
  // stretch brings its average character width to the one asked for.
  const double natural = QFontMetricsF(font).averageCharWidth();
  if (natural > 0 && averageWidth > 0) {
    const int stretch = static_cast<int>(std::lround(100.0 * averageWidth / natural));
    font.setStretch(std::clamp(stretch, 50, 200));
  }
  return font;
}

void DrawListingPage(QPainter& painter, const Listing& listing, const ChannelPages& pages,
                     int page) {
  const QPaintDevice* device = painter.device();
  const int dpiX = device->logicalDpiX();
  const int dpiY = device->logicalDpiY();
  if (dpiX <= 0 || dpiY <= 0) return;
  const int widthTwips = static_cast<int>(static_cast<long long>(device->width()) * 1440 / dpiX);
  const int heightTwips = static_cast<int>(static_cast<long long>(device->height()) * 1440 / dpiY);
  const PageFonts sizes = PageFontsFor(widthTwips, heightTwips);
  PageFontSet fonts{ListingFont(sizes.titleHeight, sizes.titleWidth),
                    ListingFont(sizes.bodyHeight, sizes.bodyWidth)};
  const QFontMetricsF titleMetrics(fonts.title);
  const QFontMetricsF bodyMetrics(fonts.body);
  const LineHeights lines{static_cast<int>(titleMetrics.lineSpacing()),
                          static_cast<int>(bodyMetrics.lineSpacing())};
  const PageDrawing drawing = LayOutListingPage(listing, pages, page, sizes, lines);
  FitToColumns(drawing, sizes, fonts);
  const QFontMetricsF fittedBody(fonts.body);

  painter.save();
  // Twips from the top-left corner of the printable area, depth downward.
  painter.scale(dpiX / kTwipsPerInch, dpiY / kTwipsPerInch);
  painter.setPen(QPen(Qt::black, kRuleWidthTwips));
  for (const PageRule& rule : drawing.rules)
    painter.drawLine(QPointF(rule.x1, rule.depth), QPointF(rule.x2, rule.depth));
  for (std::size_t i = 0; i < drawing.texts.size(); ++i) {
    const PageText& item = drawing.texts[i];
    const bool title = item.font == PageFont::Title;
    const QFontMetricsF& metrics = title ? titleMetrics : fittedBody;
    QString text = QString::fromStdString(item.text);
    if (static_cast<int>(i) == drawing.ownerIndex)
      text = metrics.elidedText(text, Qt::ElideRight, drawing.ownerWidth);
    painter.setFont(title ? fonts.title : fonts.body);
    // The point given is the text's top-left corner: the baseline lies one
    // ascent below it.
    painter.drawText(QPointF(item.x, item.depth + metrics.ascent()), text);
  }
  painter.restore();
}

}  // namespace selkan

#include "print/qt/listing_output.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <cstdint>
#include <span>

#include "platform/atomic_file.h"
#include "print/qt/listing_painter.h"

namespace selkan {

namespace {

// Pages first..last (1-based) of the listing, each on a page of its own.
bool PaintPages(QPagedPaintDevice& device, const Listing& listing, int first, int last) {
  const ChannelPages pages = PaginateChannels(listing.channels);
  first = std::max(first, 1);
  last = std::min(last, ListingPageCount(pages));
  QPainter painter;
  if (!painter.begin(&device)) return false;
  for (int page = first; page <= last; ++page) {
    if (page != first && !device.newPage()) return false;
    DrawListingPage(painter, listing, pages, page);
  }
  return painter.end();
}

}  // namespace

bool PrintListing(QPrinter& printer, const Listing& listing) {
  int first = 1;
  int last = ListingPageCount(PaginateChannels(listing.channels));
  if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
    first = printer.fromPage();
    last = std::min(last, printer.toPage() > 0 ? printer.toPage() : last);
  }
  if (first > last) return true;  // nothing of the listing in the range asked for
  return PaintPages(printer, listing, first, last);
}

QPageLayout DefaultPdfLayout(const QPageSize& paper) {
  return QPageLayout(paper, QPageLayout::Portrait, QMarginsF(6.35, 6.35, 6.35, 6.35),
                     QPageLayout::Millimeter);
}

QByteArray ListingPdf(const Listing& listing, const QPageLayout& layout, const QString& title) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly)) return {};
  {
    QPdfWriter writer(&buffer);
    writer.setPageLayout(layout);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Selkan"));
    if (!PaintPages(writer, listing, 1, ListingPageCount(PaginateChannels(listing.channels))))
      return {};
  }
  buffer.close();
  return bytes;
}

bool SaveListingPdf(const std::filesystem::path& path, const Listing& listing,
                    const QPageLayout& layout, const QString& title, std::string* error) {
  const QByteArray pdf = ListingPdf(listing, layout, title);
  if (pdf.isEmpty()) {
    if (error) *error = "the PDF document could not be made";
    return false;
  }
  const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(pdf.constData()),
                                            static_cast<std::size_t>(pdf.size()));
  return WriteFileAtomically(path, bytes, error);
}

}  // namespace selkan

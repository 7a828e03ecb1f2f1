#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QString>
#include <filesystem>
#include <string>

#include "print/page_layout.h"

class QPrinter;

namespace selkan {

// The listing's pages on a printer (or its preview): the page range the
// print dialog chose, all pages when none was chosen. False when the
// printer could not be started.
bool PrintListing(QPrinter& printer, const Listing& listing);

// The page layout a PDF gets when nothing else is asked for: the paper size,
// portrait, with quarter-inch margins like a printer's unprintable edge.
QPageLayout DefaultPdfLayout(const QPageSize& paper);

// The listing as a PDF document: the same pages as the printout, the text
// as text (searchable, fonts embedded), the title in its document
// information. Empty when it could not be made.
QByteArray ListingPdf(const Listing& listing, const QPageLayout& layout, const QString& title);

// ListingPdf written to a file atomically: the file is either left as it was
// or holds the complete document. False with *error (when given) saying why.
bool SaveListingPdf(const std::filesystem::path& path, const Listing& listing,
                    const QPageLayout& layout, const QString& title, std::string* error);

}  // namespace selkan

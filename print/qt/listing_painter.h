#pragma once

#include <QFont>

#include "print/page_layout.h"

class QPainter;

namespace selkan {

// The listing's fonts: "Times New Roman" (or what the system puts in its
// place, with a CJK font for the Chinese texts) at the given character
// height and average character width, both in the painter's units.
QFont ListingFont(int height, int averageWidth);

// Draws page `page` of the listing on the painter's device, whose whole area
// is taken as the printable area (as printers and PDF writers give it).
// The painter's state is restored afterwards.
void DrawListingPage(QPainter& painter, const Listing& listing, const ChannelPages& pages,
                     int page);

}  // namespace selkan

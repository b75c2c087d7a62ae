#pragma once
// The sign pictures of a report. A picture is an image of the document named after its vector
// file (":/pictures/banner-leo.svg"): drawn from the vector file wherever the document is laid
// out with drawPicturesAsVectors (PDF, print), and read as an image by whoever reads the name as
// a resource (the OpenDocument writer).

#include "zodiac/SignCatalogue.h"

#include <QTextImageFormat>

class QTextDocument;

namespace report {

QTextImageFormat bannerFormat(zodiac::Sign sign);

// Draws the document's pictures from their vector files; the handler is the document's child.
void drawPicturesAsVectors(QTextDocument& document);

} // namespace report

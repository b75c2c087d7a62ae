#include "report/Artwork.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextDocument>

namespace report {

namespace {

// The document's units are pixels at 96 dpi, scaled to the device the layout draws on, as
// Qt's own image handler does.
qreal deviceScale(const QTextDocument* document) {
    const QPaintDevice* device = document ? document->documentLayout()->paintDevice() : nullptr;
    return device ? device->logicalDpiY() / 96.0 : 1.0;
}

class VectorPictures : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    using QObject::QObject;

    QSizeF intrinsicSize(QTextDocument* document, int, const QTextFormat& format) override {
        const QTextImageFormat image = format.toImageFormat();
        return QSizeF(image.width(), image.height()) * deviceScale(document);
    }

    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                    const QTextFormat& format) override {
        QSvgRenderer renderer(format.toImageFormat().name());
        if (renderer.isValid())
            renderer.render(painter, rect);
    }
};

} // namespace

QTextImageFormat bannerFormat(zodiac::Sign sign) {
    QTextImageFormat format;
    format.setName(QStringLiteral(":/pictures/banner-%1.svg").arg(zodiac::signName(sign).toLower()));
    format.setWidth(468);
    format.setHeight(75);
    return format;
}

void drawPicturesAsVectors(QTextDocument& document) {
    document.documentLayout()->registerHandler(QTextFormat::ImageObject,
                                               new VectorPictures(&document));
}

} // namespace report

#include "Artwork.moc"

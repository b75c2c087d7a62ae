// Renders a vector picture into a PNG when the program is built, so that bitmaps come from the
// one drawing:
//   zelvoria_render_picture PICTURE.svg SIZE OUT.png
//       a square icon: the picture keeps its proportions, centred on a transparent square;
//   zelvoria_render_picture PICTURE.svg WIDTHxHEIGHT OUT.argb32
//       the picture filling exactly that many pixels, as the program draws it in a frame of
//       that size (see shell::SvgPicture), written as the bare rows of a premultiplied ARGB32
//       image in this machine's byte order, which the program draws straight from its
//       resources without decoding anything.

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QSvgRenderer>

#include <cstdio>

namespace {

// "48" is a square of 48; "455x276" a frame of that size. Invalid when out of 1..4096.
QSize parseSize(const QString& text, bool* square) {
    const QStringList parts = text.split(QLatin1Char('x'));
    bool widthOk = false, heightOk = parts.size() == 1;
    const int width = parts.value(0).toInt(&widthOk);
    const int height = parts.size() == 1 ? width : parts.value(1).toInt(&heightOk);
    *square = parts.size() == 1;
    const QSize size(width, height);
    const bool inRange = width >= 1 && width <= 4096 && height >= 1 && height <= 4096;
    return widthOk && heightOk && parts.size() <= 2 && inRange ? size : QSize();
}

} // namespace

int main(int argc, char* argv[]) {
    // Pictures with text need the font database, which needs an application; no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s PICTURE.svg SIZE|WIDTHxHEIGHT OUT.png|OUT.argb32\n", argv[0]);
        return 2;
    }
    bool square = false;
    const QSize size = parseSize(QString::fromLocal8Bit(argv[2]), &square);
    if (!size.isValid()) {
        std::fprintf(stderr, "%s: the size must be pixels from 1 to 4096, as 48 or 455x276\n", argv[0]);
        return 2;
    }
    QSvgRenderer picture(QString::fromLocal8Bit(argv[1]));
    if (!picture.isValid()) {
        std::fprintf(stderr, "%s: %s is no readable SVG picture\n", argv[0], argv[1]);
        return 1;
    }
    if (square)
        picture.setAspectRatioMode(Qt::KeepAspectRatio);

    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        picture.render(&painter, QRectF(QPointF(), QSizeF(size)));
    }
    const QString out = QString::fromLocal8Bit(argv[3]);
    if (out.endsWith(QLatin1String(".argb32"))) {
        QFile file(out);
        const auto bytes = static_cast<qint64>(image.sizeInBytes());
        if (!file.open(QIODevice::WriteOnly)
            || file.write(reinterpret_cast<const char*>(image.constBits()), bytes) != bytes) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[3]);
            return 1;
        }
        return 0;
    }
    if (!image.save(out, "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[3]);
        return 1;
    }
    return 0;
}

#include "shell/SvgPicture.h"

#include "shell/Accessibility.h"

#include <QPainter>
#include <QResource>
#include <QSvgRenderer>

namespace shell {

SvgPicture::SvgPicture(QWidget* parent) : QWidget(parent), m_renderer(new QSvgRenderer(this)) {
    installAccessibleInterfaces();
}

SvgPicture::~SvgPicture() = default;

void SvgPicture::setSource(const QString& source) {
    m_source = source;
    m_loaded = false;
    update();
}

QString SvgPicture::bakedName(const QString& source, QSize pixels) {
    if (!source.endsWith(QLatin1String(".svg")))
        return {};
    return source.chopped(4) + QStringLiteral("-%1x%2.argb32").arg(pixels.width()).arg(pixels.height());
}

QImage SvgPicture::baked() const {
    const QSize pixels = (QSizeF(size()) * devicePixelRatioF()).toSize();
    const QString name = bakedName(m_source, pixels);
    // A missing one is the usual case: only a few pictures are baked, at a few sizes.
    const QResource resource(name);
    const qint64 bytes = qint64(pixels.width()) * pixels.height() * 4;
    if (name.isEmpty() || !resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression
        || resource.size() != bytes)
        return {};
    QImage bitmap(resource.data(), pixels.width(), pixels.height(), pixels.width() * 4,
                  QImage::Format_ARGB32_Premultiplied);
    bitmap.setDevicePixelRatio(devicePixelRatioF());
    return bitmap;
}

QSvgRenderer& SvgPicture::renderer() const {
    if (!m_loaded) {
        m_loaded = true;
        m_renderer->load(m_source);
    }
    return *m_renderer;
}

bool SvgPicture::isValid() const { return renderer().isValid(); }

void SvgPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (const QImage bitmap = baked(); !bitmap.isNull()) {
        painter.drawImage(rect(), bitmap);
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    renderer().render(&painter, QRectF(rect()));
}

} // namespace shell

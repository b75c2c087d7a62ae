#include "shell/SvgPicture.h"

#include "shell/Accessibility.h"

#include <QPainter>
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
    painter.setRenderHint(QPainter::Antialiasing);
    renderer().render(&painter, QRectF(rect()));
}

} // namespace shell

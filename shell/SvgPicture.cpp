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
    m_renderer->load(source);
    update();
}

bool SvgPicture::isValid() const { return m_renderer->isValid(); }

void SvgPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    m_renderer->render(&painter, QRectF(rect()));
}

} // namespace shell

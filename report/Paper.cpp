#include "report/Paper.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>

namespace report {

QPageLayout localePageLayout() {
    const bool us = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    return QPageLayout(QPageSize(us ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
}

bool paintPages(QTextDocument& document, QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // The painter's origin is the top left of the printable area.
    const int dpi = device.logicalDpiY();
    const QRectF area(QPointF(0, 0), device.pageLayout().paintRectPixels(dpi).size());
    const qreal footer = dpi * 0.4; // room for the page number: 1 cm
    document.documentLayout()->setPaintDevice(&device);
    document.setPageSize(QSizeF(area.width(), area.height() - footer));
    const qreal pageHeight = document.pageSize().height();

    QFont numberFont = document.defaultFont();
    numberFont.setPointSizeF(9);
    const int pages = document.pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !device.newPage())
            return false;
        painter.save();
        painter.translate(0, -page * pageHeight);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, page * pageHeight, area.width(), pageHeight);
        painter.setClipRect(context.clip);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
        painter.setFont(numberFont);
        painter.drawText(QRectF(0, area.height() - footer, area.width(), footer),
                         Qt::AlignHCenter | Qt::AlignBottom, QString::number(page + 1));
    }
    return painter.end();
}

} // namespace report

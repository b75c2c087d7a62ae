#include "report/Paper.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <QTextFrame>

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
    // Room for the page number: 1 cm, in the document's units (pixels at 96 dpi, which the
    // layout scales to the device) and on the device.
    constexpr qreal footerUnits = 38;
    const qreal footer = footerUnits * dpi / 96.0;
    document.documentLayout()->setPaintDevice(&device);
    // Each page keeps room for its number at the bottom, as the root frame's bottom margin.
    QTextFrameFormat frame = document.rootFrame()->frameFormat();
    frame.setMargin(0);
    frame.setBottomMargin(footerUnits);
    document.rootFrame()->setFrameFormat(frame);
    document.setPageSize(area.size());
    const qreal pageHeight = area.height();

    QFont numberFont = document.defaultFont();
    numberFont.setPointSizeF(9);
    const int pages = document.pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !device.newPage())
            return false;
        painter.save();
        painter.translate(0, -page * pageHeight);
        QAbstractTextDocumentLayout::PaintContext context;
        // The layout draws every line that touches the clip, so the one starting right at the
        // next page's top must not touch it.
        const QRectF pageArea(0, page * pageHeight, area.width(), pageHeight);
        context.clip = pageArea.adjusted(0, 1, 0, -1);
        painter.setClipRect(pageArea);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
        painter.setFont(numberFont);
        painter.drawText(QRectF(0, area.height() - footer, area.width(), footer),
                         Qt::AlignHCenter | Qt::AlignBottom, QString::number(page + 1));
    }
    return painter.end();
}

} // namespace report

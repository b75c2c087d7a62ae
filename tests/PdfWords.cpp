#include "PdfWords.h"

#include <QProcess>
#include <QRegularExpression>

namespace pdfwords {

QStringList words(const QString& text) {
    QStringList all = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    all.removeIf([](const QString& word) { return word.count(QLatin1Char('-')) == word.size(); });
    for (qsizetype i = 0; i + 1 < all.size(); ++i)
        if (all[i].endsWith(QLatin1Char('-')))
            all[i] += all.takeAt(i + 1);
    return all;
}

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        qWarning("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList readingWords(const QString& pdf, const QRect& area) {
    QStringList pages = run(QStringLiteral("pdftotext"),
                            {"-layout", "-x", QString::number(area.x()), "-y", QString::number(area.y()),
                             "-W", QString::number(area.width()), "-H", QString::number(area.height()), pdf, "-"})
                            .split(u'\f');
    if (pages.last().trimmed().isEmpty())
        pages.removeLast();
    QStringList all;
    for (qsizetype page = 0; page < pages.size(); ++page) {
        QStringList onPage = words(pages[page]);
        if (onPage.size() < 2 || onPage.takeLast() != QString::number(page + 1)) {
            qWarning("page %lld of %s has no number or no text", qlonglong(page + 1), qPrintable(pdf));
            return {};
        }
        all << onPage;
    }
    return all;
}

} // namespace pdfwords

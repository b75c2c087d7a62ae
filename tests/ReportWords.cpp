#include "ReportWords.h"

#include "compat/LoveMatch.h"
#include "compat/SignGuides.h"
#include "personal/PersonalContent.h"

#include <QProcess>
#include <QRegularExpression>

namespace reportwords {

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

namespace {

QStringList personalTopics(const QString& sign) {
    return {*personal::BuildIntroductionText(sign), *personal::BuildHouseText(sign),
            *personal::BuildQualityText(sign),      *personal::BuildPlanetText(sign),
            *personal::BuildElementText(sign),      personal::BuildRelationshipText()};
}

// The header rows of a topic's grids: as many words as the run of dashes below them that
// rules them in the pane.
QList<QStringList> gridHeaders(const QString& topic) {
    const QStringList all = topic.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    const auto ruler = [&](qsizetype i) { return all[i].count(u'-') == all[i].size(); };
    QList<QStringList> headers;
    for (qsizetype i = 1; i < all.size(); ++i) {
        if (!ruler(i) || ruler(i - 1))
            continue;
        qsizetype n = 0;
        while (i + n < all.size() && ruler(i + n))
            ++n;
        if (n <= i)
            headers << all.mid(i - n, n);
    }
    return headers;
}

// How many of the topic's words stand in the report from `at` on, and where they end.
std::pair<qsizetype, qsizetype> match(const QStringList& report, qsizetype at, const QStringList& topic,
                                      const QList<QStringList>& headers) {
    qsizetype n = 0;
    for (; n < topic.size(); ++n, ++at) {
        if (at < report.size() && report[at] != topic[n] && n > 0)
            for (const QStringList& header : headers)
                if (report.mid(at, header.size()) == header) {
                    at += header.size();
                    break;
                }
        if (at >= report.size() || report[at] != topic[n])
            break;
    }
    return {n, at};
}

} // namespace

QStringList reportTopics(const QString& user, const QString& partner, const QString& gender) {
    QStringList topics;
    if (!partner.isEmpty()) {
        topics << *compat::BuildLoveMatchText(user, partner) << *compat::BuildDosAndDontsText(partner)
               << *compat::BuildDateGuideText(partner) << *compat::BuildGiftGuideText(partner, gender)
               << compat::BuildLoveRatingsText();
    }
    topics << personalTopics(user);
    if (!partner.isEmpty() && partner != user)
        topics << personalTopics(partner);
    return topics;
}

bool holdsInOrder(const QStringList& report, const QStringList& topics, QString& what) {
    qsizetype from = 0;
    for (qsizetype t = 0; t < topics.size(); ++t) {
        const QStringList topic = words(topics[t]);
        const QList<QStringList> headers = gridHeaders(topics[t]);
        qsizetype best = 0, bestAt = from, end = -1;
        for (qsizetype at = from; at < report.size() && end < 0; ++at) {
            const auto [n, until] = match(report, at, topic, headers);
            if (n == topic.size())
                end = until;
            else if (n > best)
                best = n, bestAt = at;
        }
        if (end < 0) {
            what = QStringLiteral("topic %1 breaks off after %2 words: report \"%3\", topic \"%4\"")
                       .arg(t)
                       .arg(best)
                       .arg(report.mid(bestAt + best - 3, 8).join(u' '), topic.mid(best - 3, 8).join(u' '));
            return false;
        }
        from = end;
    }
    return true;
}

} // namespace reportwords

// Every report, every word: each sign's personal report and each ordered pair's couple's
// report (with the partner's gender alternating), saved as PDF, OpenDocument text and plain
// text and read back with pdftotext and odt2txt. Each topic's words, as the screens' builders
// make them for the pane, stand in the report in the screens' order, one topic after the other
// and none cut or doubled (words are compared, so line breaks cannot hide a lost paragraph);
// the first page names the signs; every page carries its number; every font is embedded; the
// PDF's title, subject and creator are set.

#include "report/Paper.h"
#include "report/Report.h"
#include "report/ReportFile.h"
#include "shell/Version.h"
#include "zodiac/SignCatalogue.h"
#include "ReportWords.h"

#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace reportwords;

class TestReportContent : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        for (const char* tool : {"pdftotext", "pdffonts", "pdfinfo", "odt2txt"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                QSKIP("needs poppler-utils and odt2txt");
        QVERIFY(m_folder.isValid());
    }

    void everyReport_data() {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("partner"); // empty: the personal report
        QTest::addColumn<QString>("gender");
        const QStringList signs = zodiac::signNames();
        for (const QString& sign : signs)
            QTest::addRow("%s", qPrintable(sign)) << sign << QString() << QString();
        int n = 0;
        for (const QString& user : signs)
            for (const QString& partner : signs)
                QTest::addRow("%s+%s", qPrintable(user), qPrintable(partner))
                    << user << partner << (n++ % 2 ? "He" : "She");
    }
    void everyReport() {
        QFETCH(QString, user);
        QFETCH(QString, partner);
        QFETCH(QString, gender);
        const auto made = partner.isEmpty() ? report::personalReport(user)
                                            : report::coupleReport(user, partner, gender);
        QVERIFY(made);
        const QStringList topics = reportTopics(user, partner, gender);

        const QString base = m_folder.filePath(QStringLiteral("report"));
        for (const report::Format format :
             {report::Format::Pdf, report::Format::OpenDocument, report::Format::Text}) {
            const auto failure = report::saveReport(*made, base + u'.' + report::extensionOf(format), format);
            QVERIFY2(!failure, qPrintable(failure.value_or(QString())));
        }

        const QRect area = report::localePageLayout().paintRect(QPageLayout::Point).toAlignedRect();
        const QStringList pdfWords = readingWords(base + ".pdf", area);
        QVERIFY(!pdfWords.isEmpty());
        const QStringList firstPage = words(run("pdftotext", {"-l", "1", base + ".pdf", "-"}));
        QVERIFY(firstPage.contains(user));
        if (!partner.isEmpty())
            QVERIFY(firstPage.contains(partner));

        QString what;
        QVERIFY2(holdsInOrder(pdfWords, topics, what), qPrintable("PDF: " + what));
        QVERIFY2(holdsInOrder(words(run("odt2txt", {"--encoding=UTF-8", base + ".odt"})), topics, what),
                 qPrintable("ODT: " + what));
        QFile text(base + ".txt");
        QVERIFY(text.open(QIODevice::ReadOnly));
        QVERIFY2(holdsInOrder(words(QString::fromUtf8(text.readAll())), topics, what),
                 qPrintable("text: " + what));

        const QStringList fonts = run("pdffonts", {base + ".pdf"}).split(u'\n', Qt::SkipEmptyParts).mid(2);
        QVERIFY(!fonts.isEmpty());
        for (const QString& font : fonts) {
            const QStringList columns = words(font);
            QVERIFY2(columns.size() >= 5 && columns[columns.size() - 5] == "yes", qPrintable(font));
        }
        const QString info = run("pdfinfo", {base + ".pdf"});
        QVERIFY2(info.contains(QRegularExpression("^Title: +" + QRegularExpression::escape(made->title) + "$",
                                                  QRegularExpression::MultilineOption)), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression("^Creator: +Zelvoria " + shell::VersionText() + "$",
                                                  QRegularExpression::MultilineOption)), qPrintable(info));
        // Qt's PDF writer has no subject of its own: it stands in the XMP metadata.
        QVERIFY(run("pdfinfo", {"-meta", base + ".pdf"}).contains(made->subject.toHtmlEscaped()));
    }

private:
    QTemporaryDir m_folder;
};

QTEST_MAIN(TestReportContent)
#include "test_reportcontent.moc"

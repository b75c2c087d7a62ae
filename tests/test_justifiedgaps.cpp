// Every analysis text as the pane shows it: no full justified line may spread its spare columns
// into a gap of five spaces or more between two words, which reads as a hole in the column.

#include "compat/LoveMatch.h"
#include "compat/SignGuides.h"
#include "personal/PersonalContent.h"
#include "textlayout/PaneRows.h"
#include "zodiac/SignCatalogue.h"

#include <QtTest>
#include <algorithm>

using namespace zodiac;

namespace {

constexpr int kWidestGap = 4;

// The widest run of spaces between two words of a full justified line, or 0 for any other row.
// A full line fills the pane with a word at each end; the last line of a paragraph, a separator
// and the rows of the grids end or open with spaces, and a single word has no gap.
int widestGap(const QString& row) {
    if (row.size() != 35 || row.front() == QLatin1Char(' ') || row.back() == QLatin1Char(' '))
        return 0;
    int widest = 0;
    int run = 0;
    for (const QChar c : row) {
        run = c == QLatin1Char(' ') ? run + 1 : 0;
        widest = std::max(widest, run);
    }
    return widest;
}

} // namespace

class TestJustifiedGaps : public QObject {
    Q_OBJECT
private slots:
    // One row per text family, each with every text of the family and the name it is known by.
    void noWideGaps_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("texts");
        QStringList names[3];
        QStringList texts[3];
        const auto add = [&](int family, const QString& name, const std::optional<QString>& text) {
            names[family] << name;
            texts[family] << text.value_or(QString());
        };
        add(0, QStringLiteral("Relationship"), personal::BuildRelationshipText());
        for (const QString& sign : signNames()) {
            add(0, sign + QStringLiteral(" Introduction"), personal::BuildIntroductionText(sign));
            add(0, sign + QStringLiteral(" House"), personal::BuildHouseText(sign));
            add(0, sign + QStringLiteral(" Quality"), personal::BuildQualityText(sign));
            add(0, sign + QStringLiteral(" Planet"), personal::BuildPlanetText(sign));
            add(0, sign + QStringLiteral(" Element"), personal::BuildElementText(sign));
            add(2, sign + QStringLiteral(" Do's and Dont's"), compat::BuildDosAndDontsText(sign));
            add(2, sign + QStringLiteral(" Date Guide"), compat::BuildDateGuideText(sign));
            for (const QString& gender : genderWords())
                add(2, sign + QStringLiteral(" Gift Guide ") + gender,
                    compat::BuildGiftGuideText(sign, gender));
            for (const QString& partner : signNames().mid(signNames().indexOf(sign)))
                add(1, sign + QLatin1Char('+') + partner, compat::BuildLoveMatchText(sign, partner));
        }
        const char* families[] = {"personal", "love match", "guides"};
        for (int family = 0; family < 3; ++family)
            QTest::newRow(families[family]) << names[family] << texts[family];
    }
    void noWideGaps() {
        QFETCH(QStringList, names);
        QFETCH(QStringList, texts);
        QStringList faults;
        for (qsizetype i = 0; i < texts.size(); ++i) {
            QVERIFY2(!texts[i].isEmpty(), qPrintable(names[i] + QStringLiteral(" is not built")));
            for (const QString& row : textlayout::PaneRows(texts[i], 35)) {
                if (widestGap(row) > kWidestGap)
                    faults << QStringLiteral("%1: \"%2\"").arg(names[i], row);
            }
        }
        for (const QString& fault : faults)
            qWarning("%s", qPrintable(fault));
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 lines with a gap of %2 spaces or "
                                                             "more, the first: %3")
                                                  .arg(faults.size())
                                                  .arg(kWidestGap + 1)
                                                  .arg(faults.value(0))));
    }
};

QTEST_GUILESS_MAIN(TestJustifiedGaps)
#include "test_justifiedgaps.moc"

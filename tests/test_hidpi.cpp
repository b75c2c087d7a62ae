// The screens at the scale factor the test runs under (QT_SCALE_FACTOR, set per CTest entry
// before the application exists): the designed proportions, pictures drawn from the vector
// artwork at the screen's pixel ratio, the text pane's 35 columns, and the fonts that stand in
// for the designed ones.
#include "ProgramDriver.h"
#include "personal/PersonalContent.h"
#include "shell/Fonts.h"
#include "shell/SvgPicture.h"
#include "shell/TextPane.h"
#include "textlayout/FormatParagraph.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QSvgRenderer>
#include <QtTest>
#include <cmath>

using namespace drive;
using namespace shell;

namespace {

double scaleFactor() {
    bool ok = false;
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok ? factor : 1.0;
}

// The width a button's caption needs: a check box its box and text (its size hint adds a
// margin), any other button its size hint.
int captionNeeds(const QAbstractButton* button) {
    if (const auto* box = qobject_cast<const QCheckBox*>(button)) {
        QStyleOptionButton option;
        option.initFrom(box);
        const QRect text = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
        QString caption = box->text();
        caption.remove(u'&');
        return text.left() + box->fontMetrics().horizontalAdvance(caption);
    }
    return button->sizeHint().width();
}

// Mean difference of two images of one size, over all channels, 0 to 255.
double meanDifference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            sum += std::abs(qRed(p[col]) - qRed(q[col])) +
                   std::abs(qGreen(p[col]) - qGreen(q[col])) +
                   std::abs(qBlue(p[col]) - qBlue(q[col]));
        }
    }
    return sum / (3.0 * x.width() * x.height());
}

// The artwork drawn straight from the vector file onto an image of the given layout size and
// pixel ratio.
QImage drawn(const QString& source, QSize layout, qreal ratio) {
    QImage image((QSizeF(layout) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer(source).render(&painter, QRectF(QPointF(0, 0), QSizeF(layout)));
    return image;
}

} // namespace

class TestHiDpi : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        installFontSubstitutes();
        QApplication::setFont(defaultFont());
        qInfo("scale factor %g", scaleFactor());
    }
    void init() {
        programWithRecordedMusic();
        setPair("Sagittarius", "Capricorn", "He");
    }
    void cleanupTestCase() { freshProgram(); }

    // Windows keep their designed size in layout pixels and grow by the factor on the screen.
    void proportions_data() {
        QTest::addColumn<QString>("screenName");
        QTest::addColumn<QSize>("designed");
        QTest::newRow("splash") << "frmSplash" << QSize(455, 277);
        QTest::newRow("chooser") << "frmChoose" << QSize(353, 288);
        QTest::newRow("personal") << "frmPersonal" << QSize(457, 385);
        QTest::newRow("partner") << "frmMoreinfo" << QSize(406, 146);
        QTest::newRow("progress") << "frmProcessing" << QSize(408, 128);
        QTest::newRow("love") << "frmLove" << QSize(455, 385);
        QTest::newRow("about") << "frmAbout" << QSize(375, 216);
    }
    void proportions() {
        QFETCH(QString, screenName);
        QFETCH(QSize, designed);
        Screen& s = screen(screenName);
        s.Show();
        QVERIFY(QTest::qWaitForWindowExposed(s.window()));
        QCOMPARE(s.window()->devicePixelRatio(), scaleFactor());
        QCOMPARE(s.window()->size(), designed);
        const QPixmap shot = s.window()->grab();
        QCOMPARE(shot.size(), (QSizeF(designed) * scaleFactor()).toSize());

        // Every caption still fits its control: nothing is clipped at this factor.
        const auto labels = s.window()->findChildren<QLabel*>();
        for (const QLabel* label : labels) {
            if (label->wordWrap() || label->text().isEmpty() || !label->isVisible())
                continue;
            QVERIFY2(label->sizeHint().width() <= label->width() + 1,
                     qPrintable(label->objectName()));
        }
        const auto buttons = s.window()->findChildren<QAbstractButton*>();
        for (const QAbstractButton* button : buttons) {
            if (!button->text().isEmpty() && button->isVisible()) {
                QVERIFY2(captionNeeds(button) <= button->width(),
                         qPrintable(QStringLiteral("%1 needs %2 of %3")
                                        .arg(button->objectName())
                                        .arg(captionNeeds(button))
                                        .arg(button->width())));
            }
        }
    }

    // The pictures are drawn from the vector artwork at the screen's pixel ratio: what the
    // widget paints is the artwork rendered at full device resolution, not a small picture
    // blown up.
    void picturesAreCrisp_data() {
        QTest::addColumn<QString>("screenName");
        QTest::addColumn<QString>("picture");
        QTest::newRow("splash") << "frmSplash"
                                << "Image1";
        QTest::newRow("heading") << "frmChoose"
                                 << "Image1";
        QTest::newRow("banner") << "frmPersonal"
                                << "Image9";
        QTest::newRow("heart") << "frmLove"
                               << "Image1";
        QTest::newRow("photo") << "frmAbout"
                               << "imgPhoto";
    }
    void picturesAreCrisp() {
        QFETCH(QString, screenName);
        QFETCH(QString, picture);
        screen(screenName).Show();
        auto* widget = screen(screenName).window()->findChild<SvgPicture*>(picture);
        QVERIFY(widget && widget->isVisible() && widget->isValid());
        const QPixmap grabbed = widget->grab();
        const QSize device = grabbed.size();
        QCOMPARE(device, (QSizeF(widget->size()) * scaleFactor()).toSize());

        const QImage sharp = drawn(widget->source(), widget->size(), scaleFactor());
        const double offSharp = meanDifference(grabbed.toImage(), sharp);
        QVERIFY2(offSharp < 2.0, qPrintable(QString::number(offSharp)));
        if (scaleFactor() > 1.0) {
            // A picture drawn at layout size and scaled up differs visibly from the sharp one.
            const QImage blurred =
                drawn(widget->source(), widget->size(), 1.0)
                    .scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            const double offBlurred = meanDifference(blurred, sharp);
            QVERIFY2(offBlurred > offSharp * 2 + 0.5,
                     qPrintable(QStringLiteral("%1 vs %2").arg(offBlurred).arg(offSharp)));
        }
    }

    // The pane shows exactly 35 columns: the longest texts need no sideways scrolling, and a
    // full row fits in the visible width with its margins.
    void thePaneShows35Columns_data() {
        QTest::addColumn<QString>("screenName");
        QTest::addColumn<int>("topic");
        QTest::newRow("personal, introduction") << "frmPersonal" << 1;
        QTest::newRow("personal, relationship grid") << "frmPersonal" << 6;
        QTest::newRow("love, match") << "frmLove" << 1;
        QTest::newRow("love, ratings grid") << "frmLove" << 5;
    }
    void thePaneShows35Columns() {
        QFETCH(QString, screenName);
        QFETCH(int, topic);
        screen(screenName).Show();
        QWidget* window = screen(screenName).window();
        window->findChild<QRadioButton*>(QStringLiteral("Option%1").arg(topic))->click();
        auto* pane = window->findChild<TextPane*>(QStringLiteral("txtContent"));
        QVERIFY(!pane->text().isEmpty());
        QApplication::processEvents();

        const QStringList rows = pane->rows();
        qsizetype widest = 0;
        for (const QString& row : rows)
            widest = std::max(widest, row.size());
        QCOMPARE(widest, qsizetype(textlayout::PaneColumns));
        QCOMPARE(pane->horizontalScrollBar()->maximum(), 0);

        const QFontMetricsF metrics(pane->font());
        const qreal row = metrics.horizontalAdvance(QString(textlayout::PaneColumns, u'W'));
        const qreal margins = 2 * pane->document()->documentMargin();
        QVERIFY2(row + margins <= pane->viewport()->width(),
                 qPrintable(QStringLiteral("%1 + %2 > %3")
                                .arg(row)
                                .arg(margins)
                                .arg(pane->viewport()->width())));
    }

    // The pane's font is bold and monospaced whatever stands in for Courier New.
    void thePaneFont() {
        screen(QStringLiteral("frmPersonal")).Show();
        const QFont font = screen(QStringLiteral("frmPersonal"))
                               .window()
                               ->findChild<TextPane*>(QStringLiteral("txtContent"))
                               ->font();
        const QFontInfo info(font);
        QVERIFY2(info.fixedPitch(), qPrintable(info.family()));
        QVERIFY(info.bold());
        QCOMPARE(font.pointSizeF(), 9.75);
        const QFontMetricsF metrics(font);
        QCOMPARE(metrics.horizontalAdvance(QStringLiteral("iiiii")),
                 metrics.horizontalAdvance(QStringLiteral("WWWWW")));
    }

    // Each designed typeface is shown in one of its stated stand-ins, and at least one of them
    // is installed.
    void substitutes_data() {
        QTest::addColumn<QString>("designed");
        QTest::addColumn<QStringList>("installed");
        for (const FontSubstitute& entry : fontSubstitutes())
            QTest::newRow(qPrintable(entry.designed)) << entry.designed << entry.installed;
    }
    void substitutes() {
        QFETCH(QString, designed);
        QFETCH(QStringList, installed);
        const QStringList families = QFontDatabase::families();
        QVERIFY(std::any_of(installed.begin(), installed.end(),
                            [&](const QString& f) { return families.contains(f); }));
        const QFontInfo info{QFont(designed)};
        QVERIFY2(info.family() == designed || installed.contains(info.family()),
                 qPrintable(info.family()));
    }
};

QTEST_MAIN(TestHiDpi)
#include "test_hidpi.moc"

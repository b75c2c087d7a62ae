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
#include <QRegularExpression>
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

// The size a screen's form gives its window: the first width and height in its .ui file.
QSize designedSize(const QString& screenName) {
    for (const char* folder : {"shell", "personal", "compat", "about"}) {
        QFile form(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../%1/%2.ui").arg(QLatin1String(folder), screenName));
        if (!form.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(form.readAll());
        const auto number = [&](const char* tag) {
            return QRegularExpression(QStringLiteral("<%1>(\\d+)<").arg(QLatin1String(tag))).match(text).captured(1).toInt();
        };
        return {number("width"), number("height")};
    }
    qFatal("no form for %s", qPrintable(screenName));
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
    void cleanupTestCase() { freshWholeProgram(); }

    // Windows keep their designed size in layout pixels and grow by the factor on the screen.
    void proportions_data() {
        QTest::addColumn<QString>("screenName");
        for (const QString& name : screenNames())
            QTest::newRow(qPrintable(name)) << name;
    }
    void proportions() {
        QFETCH(QString, screenName);
        QVERIFY(walkTo(screenName));
        QWidget* window = &screen(screenName);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->devicePixelRatio(), scaleFactor());
        const QSize designed = designedSize(screenName);
        QCOMPARE(window->size(), designed);
        const QPixmap shot = window->grab();
        QCOMPARE(shot.size(), (QSizeF(designed) * scaleFactor()).toSize());

        // Every caption still fits its control: nothing is clipped at this factor.
        const auto labels = window->findChildren<QLabel*>();
        for (const QLabel* label : labels) {
            if (label->wordWrap() || label->text().isEmpty() || !label->isVisible())
                continue;
            QVERIFY2(label->sizeHint().width() <= label->width() + 1,
                     qPrintable(label->objectName()));
        }
        const auto buttons = window->findChildren<QAbstractButton*>();
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
                                << "Image5"; // Leo's, the user walkTo chooses
        QTest::newRow("heart") << "frmLove"
                               << "Image1";
        QTest::newRow("photo") << "frmAbout"
                               << "imgPhoto";
    }
    void picturesAreCrisp() {
        QFETCH(QString, screenName);
        QFETCH(QString, picture);
        QVERIFY(walkTo(screenName));
        auto* widget = screen(screenName).findChild<SvgPicture*>(picture);
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
        QVERIFY(walkTo(screenName));
        QWidget* window = &screen(screenName);
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
        QVERIFY(walkTo(QStringLiteral("frmPersonal")));
        const QFont font = control<TextPane>(QStringLiteral("frmPersonal"), QStringLiteral("txtContent"))->font();
        QVERIFY(QFontInfo(font).bold());
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

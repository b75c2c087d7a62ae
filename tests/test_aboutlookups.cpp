#include "ScreenTestSupport.h"
#include "about/LinkOpener.h"
#include "about/SystemInfo.h"
#include "shell/MessageBox.h"

#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <functional>
#include <memory>

using namespace about;

namespace {

// A search path holding the named programs, and a starter that starts what it is told to.
struct FakeSystem : SystemServices {
    QStringList installed;
    bool starts = true;
    QStringList asked, started;
    QString findExecutable(const QString& name) override {
        asked << name;
        return installed.contains(name) ? QStringLiteral("/opt/bin/") + name : QString();
    }
    bool isNormalFile(const QString&) override { return false; }
    bool startDetached(const QString& path) override {
        started << path;
        return starts;
    }
};

// Opens, refuses, or keeps the later warning for the test to run.
struct FakeOpener : LinkOpener {
    bool succeeds = true;
    QStringList opened;
    std::function<void()> gaveUpLater;
    bool open(const QString& url, std::function<void()> later) override {
        opened << url;
        gaveUpLater = std::move(later);
        return succeeds;
    }
};

void checkUnavailableMessage() {
    QCOMPARE(messages().size(), 1);
    QCOMPARE(messages()[0].text, QStringLiteral("System Information Is Unavailable At This Time"));
    QCOMPARE(messages()[0].title, QStringLiteral("Zelvoria"));
    QCOMPARE(messages()[0].icon, shell::MessageIcon::None);
}

void checkLinkWarning() {
    QCOMPARE(messages().size(), 1);
    QCOMPARE(messages()[0].text, QStringLiteral("Error jumping to:" ZELVORIA_HOMEPAGE));
    QCOMPARE(messages()[0].title, QStringLiteral("Warning"));
    QCOMPARE(messages()[0].icon, shell::MessageIcon::Warning);
}

} // namespace

class TestAboutLookups : public QObject {
    Q_OBJECT
private slots:
    void init() { recordMessages(); }
    void cleanupTestCase() { shell::setMessageSink({}); }

#ifndef Q_OS_WIN
    // The known tools are asked for in order of preference; the first found is started.
    void systemInfoTool_data() {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<QString>("started"); // empty: nothing started, the message instead
        const QStringList all{"hardinfo", "kinfocenter", "gnome-system-monitor"};
        QTest::newRow("none installed") << QStringList() << true << all << "";
        QTest::newRow("the last one only") << QStringList{"gnome-system-monitor"} << true << all
                                           << "/opt/bin/gnome-system-monitor";
        QTest::newRow("preferred before later ones")
            << QStringList{"gnome-system-monitor", "kinfocenter"} << true
            << QStringList{"hardinfo", "kinfocenter"} << "/opt/bin/kinfocenter";
        QTest::newRow("all three") << all << true << QStringList{"hardinfo"} << "/opt/bin/hardinfo";
        QTest::newRow("found but does not start") << all << false << QStringList{"hardinfo"} << "";
    }
    void systemInfoTool() {
        QFETCH(QStringList, installed);
        QFETCH(bool, starts);
        QFETCH(QStringList, asked);
        QFETCH(QString, started);
        FakeSystem system;
        system.installed = installed;
        system.starts = starts;
        startSystemInfo(system, nullptr);
        QCOMPARE(system.asked, asked);
        QCOMPARE(system.started.size(), installed.isEmpty() ? 0 : 1);
        if (started.isEmpty()) {
            checkUnavailableMessage();
        } else {
            QCOMPARE(system.started[0], started);
            QVERIFY(messages().isEmpty());
        }
    }

    // On this system: a tool that is not executable does not count, and the one found is
    // started without arguments though its folder's name holds a blank (no shell splits it).
    void desktopSystemStartsTheToolFound() {
        QTemporaryDir root;
        const QString bin = root.filePath(QStringLiteral("my tools"));
        QVERIFY(QDir().mkpath(bin));
        const QString marker = root.filePath(QStringLiteral("started"));
        QFile notExecutable(bin + QStringLiteral("/hardinfo"));
        QVERIFY(notExecutable.open(QIODevice::WriteOnly));
        notExecutable.close();
        QFile tool(bin + QStringLiteral("/kinfocenter"));
        QVERIFY(tool.open(QIODevice::WriteOnly));
        tool.write("#!/bin/sh\necho \"$#\" > '" + QFile::encodeName(marker) + "'\n");
        tool.close();
        QVERIFY(tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

        const QByteArray savedPath = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin));
        startSystemInfo(desktopSystem(), nullptr);
        qputenv("PATH", savedPath);

        QVERIFY(messages().isEmpty());
        QTRY_VERIFY(QFileInfo(marker).size() > 0);
        QFile record(marker);
        QVERIFY(record.open(QIODevice::ReadOnly));
        QCOMPARE(record.readAll().trimmed(), QByteArray("0"));
    }
#endif

    void homePage_data() {
        QTest::addColumn<bool>("succeeds");
        QTest::addColumn<bool>("warnedNow");
        QTest::newRow("opened") << true << false;
        QTest::newRow("no handler") << false << true;
    }
    void homePage() {
        QFETCH(bool, succeeds);
        QFETCH(bool, warnedNow);
        FakeOpener opener;
        opener.succeeds = succeeds;
        openHomePage(opener, nullptr);
        QCOMPARE(opener.opened, QStringList{QStringLiteral(ZELVORIA_HOMEPAGE)});
        if (warnedNow)
            checkLinkWarning();
        else
            QVERIFY(messages().isEmpty());
    }

    // A handler that gives up after it was started: the warning comes then, once, even though
    // the window that asked is gone.
    void homePageGivenUpLater() {
        FakeOpener opener;
        auto owner = std::make_unique<QWidget>();
        openHomePage(opener, owner.get());
        QVERIFY(messages().isEmpty());
        QVERIFY(opener.gaveUpLater);
        owner.reset();
        opener.gaveUpLater();
        checkLinkWarning();
    }
};

QTEST_MAIN(TestAboutLookups)
#include "test_aboutlookups.moc"

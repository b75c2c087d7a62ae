#include "ScreenTestSupport.h"
#include "about/HyperLink.h"
#include "about/RegistryStandIn.h"
#include "about/SystemInfo.h"
#include "shell/MessageBox.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>

using namespace about;

namespace {

QByteArray zeroTerminated(const QByteArray& text) { return text + QByteArray(1, '\0'); }

// A registry with a handful of values, a file system of a few names and a program starter that
// starts only the programs it knows. It records what it was asked, in order.
struct FakeSystem : SystemServices {
    std::map<QString, RegistryValue> values; // "key|value name"
    QStringList files;
    QStringList programs;
    bool startThrows = false;

    QStringList reads, fileChecks, starts;
    QList<quint32> roots;

    bool readRegistryValue(quint32 root, const QString& keyName, const QString& valueName,
                           RegistryValue& value) override {
        const QString name = keyName + u'|' + valueName;
        reads << name;
        roots << root;
        const auto found = values.find(name);
        if (found == values.end())
            return false;
        value = found->second;
        return true;
    }
    bool isNormalFile(const QString& path) override {
        fileChecks << path;
        return files.contains(path);
    }
    bool startProgram(const QString& path) override {
        starts << path;
        if (startThrows)
            throw std::runtime_error("cannot start");
        return programs.contains(path);
    }
};

struct FakeOpener : LinkOpener {
    bool succeeds = true;
    bool throws = false;
    QStringList opened;
    bool open(const QString& address) override {
        opened << address;
        if (throws)
            throw std::runtime_error("no handler");
        return succeeds;
    }
};

const QString kPathEntry = msinfoKey() + QStringLiteral("|PATH");
const QString kLocationEntry = toolsLocationKey() + QStringLiteral("|MSINFO");

void writeFile(const QString& path, const QByteArray& content = "x") {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

class TestAboutLookups : public QObject {
    Q_OBJECT
private slots:
    void init() {
        recordMessages();
    }
    void cleanupTestCase() { shell::setMessageSink({}); }

    void getKeyValue_data() {
        QTest::addColumn<bool>("present");
        QTest::addColumn<quint32>("type");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QString>("text");
        const QString before = QStringLiteral("before");
        QTest::newRow("string with its zero byte")
            << true << REG_SZ_TYPE << zeroTerminated("C:\\Tools") << true << "C:\\Tools";
        QTest::newRow("string without a zero byte")
            << true << REG_SZ_TYPE << QByteArray("C:\\Tools") << true << "C:\\Tools";
        QTest::newRow("only one zero byte is dropped")
            << true << REG_SZ_TYPE << QByteArray("ab\0\0", 4) << true << QString::fromLatin1("ab\0", 3);
        QTest::newRow("empty string") << true << REG_SZ_TYPE << QByteArray() << true << "";
        QTest::newRow("number, low byte first")
            << true << REG_DWORD_TYPE << QByteArray("\x05\x01\x00\x00", 4) << true << "261";
        QTest::newRow("largest number")
            << true << REG_DWORD_TYPE << QByteArray("\xff\xff\xff\xff", 4) << true << "4294967295";
        QTest::newRow("other type keeps the text")
            << true << quint32(3) << QByteArray("\x01\x02", 2) << true << before;
        QTest::newRow("longest string that fits")
            << true << REG_SZ_TYPE << QByteArray(1024, 'a') << true << QString(1024, u'a');
        QTest::newRow("too long for the buffer")
            << true << REG_SZ_TYPE << QByteArray(1025, 'a') << false << "";
        QTest::newRow("missing value empties the text")
            << false << REG_SZ_TYPE << QByteArray() << false << "";
    }
    void getKeyValue() {
        QFETCH(bool, present);
        QFETCH(quint32, type);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, result);
        QFETCH(QString, text);
        FakeSystem system;
        if (present)
            system.values[QStringLiteral("K|V")] = {type, bytes};
        QString value = QStringLiteral("before");
        QCOMPARE(GetKeyValue(system, HKEY_LOCAL_MACHINE_ROOT, QStringLiteral("K"),
                             QStringLiteral("V"), value),
                 result);
        QCOMPARE(value, text);
    }

    // What the two registry locations lead to. Paths are Windows-like, as the registry holds them.
    void startSysInfo_data() {
        QTest::addColumn<std::optional<RegistryValue>>("pathValue");
        QTest::addColumn<std::optional<RegistryValue>>("locationValue");
        QTest::addColumn<bool>("toolFileExists");
        QTest::addColumn<QString>("started"); // empty: the message instead
        QTest::addColumn<QStringList>("reads");
        QTest::addColumn<int>("fileChecks");

        const QString registered = QStringLiteral("C:\\Info\\info.exe");
        const QString folder = QStringLiteral("C:\\Shared");
        const QString inFolder = folder + toolFileSuffix();
        const RegistryValue path{REG_SZ_TYPE, zeroTerminated(registered.toLatin1())};
        const RegistryValue plainPath{REG_SZ_TYPE, registered.toLatin1()};
        const RegistryValue gonePath{REG_SZ_TYPE, zeroTerminated("C:\\Gone\\info.exe")};
        const RegistryValue location{REG_SZ_TYPE, zeroTerminated(folder.toLatin1())};
        const RegistryValue plainLocation{REG_SZ_TYPE, folder.toLatin1()};
        const std::optional<RegistryValue> none;
        const QStringList first{kPathEntry};
        const QStringList both{kPathEntry, kLocationEntry};

        QTest::newRow("first location wins over the second")
            << std::optional(path) << std::optional(location) << true << registered << first << 0;
        QTest::newRow("first location without its zero byte")
            << std::optional(plainPath) << none << false << registered << first << 0;
        QTest::newRow("first naming no file: message, second not tried")
            << std::optional(gonePath) << std::optional(location) << true << "" << first << 0;
        QTest::newRow("first holding an empty string")
            << std::optional(RegistryValue{REG_SZ_TYPE, zeroTerminated("")})
            << std::optional(location) << true << "" << first << 0;
        QTest::newRow("first holding no text")
            << std::optional(RegistryValue{3, QByteArray("\x01", 1)}) << std::optional(location)
            << true << "" << first << 0;
        QTest::newRow("only the second, tool file there")
            << none << std::optional(location) << true << inFolder << both << 1;
        QTest::newRow("only the second, without its zero byte")
            << none << std::optional(plainLocation) << true << inFolder << both << 1;
        QTest::newRow("only the second, tool file missing")
            << none << std::optional(location) << false << "" << both << 1;
        QTest::newRow("neither location") << none << none << true << "" << both << 0;
    }
    void startSysInfo() {
        QFETCH(std::optional<RegistryValue>, pathValue);
        QFETCH(std::optional<RegistryValue>, locationValue);
        QFETCH(bool, toolFileExists);
        QFETCH(QString, started);
        QFETCH(QStringList, reads);
        QFETCH(int, fileChecks);

        FakeSystem system;
        if (pathValue)
            system.values[kPathEntry] = *pathValue;
        if (locationValue)
            system.values[kLocationEntry] = *locationValue;
        const QString inFolder = QStringLiteral("C:\\Shared") + toolFileSuffix();
        if (toolFileExists)
            system.files << inFolder;
        system.programs << QStringLiteral("C:\\Info\\info.exe") << inFolder;

        StartSysInfo(system, nullptr);

        QCOMPARE(system.reads, reads);
        for (quint32 root : system.roots)
            QCOMPARE(root, HKEY_LOCAL_MACHINE_ROOT);
        QCOMPARE(system.fileChecks.size(), fileChecks);
        QVERIFY(system.starts.size() <= 1);
        if (started.isEmpty()) {
            QCOMPARE(messages().size(), 1);
            QCOMPARE(messages()[0].text,
                     QStringLiteral("System Information Is Unavailable At This Time"));
            QCOMPARE(messages()[0].title, QStringLiteral("Zelvoria"));
            QCOMPARE(messages()[0].icon, shell::MessageIcon::None);
        } else {
            QCOMPARE(system.starts, QStringList{started});
            QVERIFY(messages().isEmpty());
        }
    }

    void startSysInfoCatchesErrors() {
        FakeSystem system;
        system.values[kPathEntry] = {REG_SZ_TYPE, zeroTerminated("C:\\Info\\info.exe")};
        system.startThrows = true;
        StartSysInfo(system, nullptr);
        QCOMPARE(system.starts.size(), 1);
        QCOMPARE(messages().size(), 1);
        QCOMPARE(messages()[0].text,
                 QStringLiteral("System Information Is Unavailable At This Time"));
    }

    void executeLink_data() {
        QTest::addColumn<QString>("earlier");  // Link before the call
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("opened");   // empty: nothing opened
        QTest::addColumn<QString>("linkAfter");
        const QString a = QStringLiteral("https://a.example.org/");
        const QString b = QStringLiteral("https://b.example.org/");
        QTest::newRow("empty argument, empty link: nothing") << "" << "" << "" << "";
        QTest::newRow("empty argument opens the earlier link") << a << "" << a << a;
        QTest::newRow("argument on a fresh object") << "" << b << b << b;
        QTest::newRow("argument replaces the earlier link") << a << b << b << b;
    }
    void executeLink() {
        QFETCH(QString, earlier);
        QFETCH(QString, argument);
        QFETCH(QString, opened);
        QFETCH(QString, linkAfter);
        FakeOpener opener;
        CHYPERLINK link(opener);
        link.Link = earlier;
        link.ExecuteLink(argument);
        QCOMPARE(opener.opened, opened.isEmpty() ? QStringList() : QStringList{opened});
        QCOMPARE(link.Link, linkAfter);
        QVERIFY(messages().isEmpty());
    }

    void failingLinkWarnsOnce_data() {
        QTest::addColumn<bool>("throws");
        QTest::newRow("handler refuses") << false;
        QTest::newRow("handler throws") << true;
    }
    void failingLinkWarnsOnce() {
        QFETCH(bool, throws);
        FakeOpener opener;
        opener.succeeds = false;
        opener.throws = throws;
        CHYPERLINK link(opener);
        link.ExecuteLink(QStringLiteral("https://zelvoria.example.org/"));
        QCOMPARE(opener.opened.size(), 1);
        QCOMPARE(messages().size(), 1);
        QCOMPARE(messages()[0].text, QStringLiteral("Error jumping to:https://zelvoria.example.org/"));
        QCOMPARE(messages()[0].title, QStringLiteral("Warning"));
        QCOMPARE(messages()[0].icon, shell::MessageIcon::Warning);
    }

    // A handler that gives up after it was started: the warning comes then, once, even though
    // the link object and the window that asked are gone.
    void lateFailureWarnsOnce() {
        struct LateOpener : LinkOpener {
            std::function<void()> failed;
            bool open(const QString&) override { return true; }
            bool openWatched(const QString&, std::function<void()> failedLater) override {
                failed = std::move(failedLater);
                return true;
            }
        } opener;
        auto owner = std::make_unique<QWidget>();
        CHYPERLINK(opener, owner.get()).ExecuteLink(QStringLiteral("https://zelvoria.example.org/"));
        QVERIFY(messages().isEmpty());
        QVERIFY(opener.failed);
        owner.reset();
        opener.failed();
        QCOMPARE(messages().size(), 1);
        QCOMPARE(messages()[0].text, QStringLiteral("Error jumping to:https://zelvoria.example.org/"));
        QCOMPARE(messages()[0].icon, shell::MessageIcon::Warning);
    }

#ifndef Q_OS_WIN
    // The stand-in for the registry where there is none.
    void standInFindsTheFirstKnownTool_data() {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("found"); // empty: the lookup fails
        QTest::newRow("none installed") << QStringList() << "";
        QTest::newRow("the last one only") << QStringList{"gnome-system-monitor"}
                                           << "gnome-system-monitor";
        QTest::newRow("preferred before later ones")
            << QStringList{"gnome-system-monitor", "kinfocenter"} << "kinfocenter";
        QTest::newRow("all three") << QStringList{"gnome-system-monitor", "kinfocenter", "hardinfo"}
                                   << "hardinfo";
        QTest::newRow("not executable does not count") << QStringList{"-hardinfo"} << "";
    }
    void standInFindsTheFirstKnownTool() {
        QFETCH(QStringList, installed);
        QFETCH(QString, found);
        QTemporaryDir bin;
        for (QString tool : installed) {
            const bool executable = !tool.startsWith(u'-');
            tool.remove(0, executable ? 0 : 1);
            writeFile(bin.filePath(tool));
            if (executable)
                QFile::setPermissions(bin.filePath(tool), QFile::ReadOwner | QFile::ExeOwner);
        }
        const QByteArray savedPath = qgetenv("PATH");
        qputenv("PATH", bin.path().toLocal8Bit());
        RegistryStandIn standIn;
        RegistryValue value;
        const bool ok = standIn.readRegistryValue(HKEY_LOCAL_MACHINE_ROOT, msinfoKey(),
                                                  QStringLiteral("PATH"), value);
        qputenv("PATH", savedPath);
        QCOMPARE(ok, !found.isEmpty());
        if (ok) {
            QCOMPARE(value.type, REG_SZ_TYPE);
            QCOMPARE(value.data, zeroTerminated(bin.filePath(found).toLocal8Bit()));
        }
    }

    void standInAnswersOnlyItsTwoLocations() {
        RegistryStandIn standIn(QStringLiteral("/opt/tools"));
        RegistryValue value;
        QVERIFY(standIn.readRegistryValue(HKEY_LOCAL_MACHINE_ROOT, toolsLocationKey(),
                                          QStringLiteral("MSINFO"), value));
        QCOMPARE(value.data, zeroTerminated("/opt/tools"));
        QVERIFY(standIn.readRegistryValue(HKEY_LOCAL_MACHINE_ROOT, toolsLocationKey().toUpper(),
                                          QStringLiteral("msinfo"), value));
        QVERIFY(!standIn.readRegistryValue(0x80000001u, toolsLocationKey(),
                                           QStringLiteral("MSINFO"), value));
        QVERIFY(!standIn.readRegistryValue(HKEY_LOCAL_MACHINE_ROOT, toolsLocationKey(),
                                           QStringLiteral("PATH"), value));
        QVERIFY(!standIn.readRegistryValue(HKEY_LOCAL_MACHINE_ROOT, QStringLiteral("SOFTWARE"),
                                           QStringLiteral("MSINFO"), value));
    }

    void standInNormalFiles() {
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("tool")));
        writeFile(dir.filePath(QStringLiteral(".hidden")));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        RegistryStandIn standIn;
        QVERIFY(standIn.isNormalFile(dir.filePath(QStringLiteral("tool"))));
        QVERIFY(!standIn.isNormalFile(dir.filePath(QStringLiteral(".hidden"))));
        QVERIFY(!standIn.isNormalFile(dir.filePath(QStringLiteral("folder"))));
        QVERIFY(!standIn.isNormalFile(dir.filePath(QStringLiteral("missing"))));
    }

    // End to end on this system: nothing on the search path, the tool in the stand-in's folder,
    // whose name holds a blank (no shell may split it).
    void standInStartsTheToolFromItsFolder() {
        QTemporaryDir root;
        const QString folder = root.filePath(QStringLiteral("shared tools"));
        QVERIFY(QDir().mkpath(folder));
        const QString marker = root.filePath(QStringLiteral("started"));
        const QString tool = folder + toolFileSuffix();
        writeFile(tool, "#!/bin/sh\necho \"$#\" > '" + marker.toLocal8Bit() + "'\n");
        QFile::setPermissions(tool, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        const QByteArray savedPath = qgetenv("PATH");
        qputenv("PATH", root.filePath(QStringLiteral("empty")).toLocal8Bit());
        RegistryStandIn standIn(folder);
        StartSysInfo(standIn, nullptr);
        qputenv("PATH", savedPath);

        QVERIFY(messages().isEmpty());
        QTRY_VERIFY(QFileInfo(marker).size() > 0);
        QFile started(marker);
        QVERIFY(started.open(QIODevice::ReadOnly));
        QCOMPARE(started.readAll().trimmed(), QByteArray("0")); // no arguments
    }

    void standInWithoutAnyTool() {
        QTemporaryDir root;
        const QByteArray savedPath = qgetenv("PATH");
        qputenv("PATH", root.path().toLocal8Bit());
        RegistryStandIn standIn(root.path());
        StartSysInfo(standIn, nullptr);
        qputenv("PATH", savedPath);
        QCOMPARE(messages().size(), 1);
        QCOMPARE(messages()[0].text,
                 QStringLiteral("System Information Is Unavailable At This Time"));
        QVERIFY(!standIn.startProgram(QString()));
        QVERIFY(!standIn.startProgram(root.filePath(QStringLiteral("missing"))));
    }
#endif
};

QTEST_MAIN(TestAboutLookups)
#include "test_aboutlookups.moc"

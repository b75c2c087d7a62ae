#include "assets/ContentCatalogue.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <map>

namespace assets {

QStringList ContentCatalogue::parse(const QString& text, QHash<QString, QString>& entries) {
    static const QString separator = QStringLiteral(" = ");
    QStringList faults;
    const auto lines = QStringView(text).split(QLatin1Char('\n'));
    for (QStringView line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype at = line.indexOf(separator);
        const QStringView key = at < 0 ? QStringView() : line.left(at);
        if (key.isEmpty() || key.trimmed().size() != key.size() ||
            entries.contains(key.toString())) {
            faults << line.toString();
            continue;
        }
        entries.insert(key.toString(), line.mid(at + separator.size()).toString());
    }
    return faults;
}

namespace {
struct Loaded {
    QMutex lock;
    std::map<QString, ContentCatalogue> folders;
};

Loaded& loadedFolders() {
    static Loaded loaded;
    return loaded;
}
} // namespace

bool ContentCatalogue::isLoaded(const QString& resourceFolder) {
    Loaded& loaded = loadedFolders();
    QMutexLocker guard(&loaded.lock);
    return loaded.folders.count(resourceFolder) != 0;
}

const ContentCatalogue& ContentCatalogue::folder(const QString& resourceFolder) {
    Loaded& all = loadedFolders();
    QMutexLocker guard(&all.lock);
    auto& loaded = all.folders;
    auto found = loaded.find(resourceFolder);
    if (found != loaded.end())
        return found->second;
    ContentCatalogue catalogue;
    const QDir dir(resourceFolder);
    const QStringList files = dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    for (const QString& name : files) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            catalogue.m_faults << dir.filePath(name);
            continue;
        }
        for (const QString& line : parse(QString::fromUtf8(file.readAll()), catalogue.m_entries))
            catalogue.m_faults << name + QStringLiteral(": ") + line;
    }
    return loaded.emplace(resourceFolder, std::move(catalogue)).first->second;
}

std::optional<QString> ContentCatalogue::entry(const QString& key) const {
    const auto found = m_entries.constFind(key);
    if (found == m_entries.constEnd())
        return std::nullopt;
    return *found;
}

} // namespace assets

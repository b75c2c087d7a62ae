#pragma once
// The built-in prose. Each content folder of the resources holds plain-text files, one entry a
// line: "Key = paragraph". Lines starting with '#' and empty lines are skipped; a line may end in
// "\r\n". A catalogue merges every file of its folder; it is read once, on first use, and never
// changes.

#include <QHash>
#include <QString>
#include <optional>

namespace assets {

class ContentCatalogue {
public:
    // Parses the text of one content file into `entries`; returns the lines it could not read
    // (no " = " separator, a key that is empty or has a space at an end, or a key `entries`
    // already holds: the first entry stays), so that content tests can name them.
    static QStringList parse(const QString& text, QHash<QString, QString>& entries);

    // The catalogue of a resource folder, e.g. ":/content/personal".
    static const ContentCatalogue& folder(const QString& resourceFolder);
    // Whether the folder has been read yet (it is read by the first folder() call for it).
    static bool isLoaded(const QString& resourceFolder);

    std::optional<QString> entry(const QString& key) const;
    const QHash<QString, QString>& entries() const { return m_entries; }
    // The lines no file could give, each after its file's name: "aries.txt: <line>".
    const QStringList& faults() const { return m_faults; }

private:
    QHash<QString, QString> m_entries;
    QStringList m_faults;
};

} // namespace assets

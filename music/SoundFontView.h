#pragma once
// A General MIDI soundfont as the synth is shown it: the same file, with its preset tables cut
// down to the programs a song uses. FluidSynth builds tables for every preset of a soundfont
// and for every instrument those presets use, whether or not a song ever selects them; for a
// whole General MIDI set that is several megabytes, against a few hundred kilobytes for the
// handful of programs of one song. The sample data, the instruments' sample headers and
// everything else of the file are passed through untouched, read from the file when asked for.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <memory>
#include <set>
#include <vector>

namespace music {

class SoundFontView {
public:
    // The view of the SoundFont at `path` keeping the presets whose program number is in
    // `programs`, in every bank (a drum kit is a program in its own bank). Null if the file
    // cannot be read or its preset tables do not hold together; the caller then loads the file
    // itself and leaves the checking to the synth.
    static std::shared_ptr<const SoundFontView> make(const QString& path, const std::set<int>& programs);

    const QString& path() const { return m_path; }
    qint64 size() const { return m_size; }
    int presetCount() const { return m_presets; }

    // Copies `count` bytes of the view from `pos` into `out`, reading the file's parts through
    // `file` (opened on path()). False if the range leaves the view or the file fails.
    bool read(QFile& file, qint64 pos, char* out, qint64 count) const;

private:
    // A stretch of the view: bytes of its own, or `length` bytes of the file from `fileOffset`.
    struct Piece {
        qint64 at = 0;
        qint64 length = 0;
        qint64 fileOffset = -1;
        QByteArray bytes;
    };

    void append(QByteArray bytes);
    void appendFile(qint64 offset, qint64 length);

    QString m_path;
    qint64 m_size = 0;
    int m_presets = 0;
    std::vector<Piece> m_pieces;
};

// Rewrites the body of a soundfont's "pdta" list (the part after the "pdta" tag) to keep only
// the presets of the given program numbers and the instruments they use. Empty if the tables
// are inconsistent. The preset and instrument counts kept, end records excluded, go to the
// optional out-parameters.
QByteArray trimPresetData(const QByteArray& pdta, const std::set<int>& programs, int* presets = nullptr,
                          int* instruments = nullptr);

} // namespace music

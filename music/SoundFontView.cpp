#include "music/SoundFontView.h"

#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <optional>

namespace music {

namespace {

// The nine tables of a "pdta" list, in the order a SoundFont 2 file has them, and the size of
// one record of each.
constexpr std::array<std::pair<const char*, qsizetype>, 9> kTables{{{"phdr", 38},
                                                                   {"pbag", 4},
                                                                   {"pmod", 10},
                                                                   {"pgen", 4},
                                                                   {"inst", 22},
                                                                   {"ibag", 4},
                                                                   {"imod", 10},
                                                                   {"igen", 4},
                                                                   {"shdr", 46}}};
enum Table { Phdr, Pbag, Pmod, Pgen, Inst, Ibag, Imod, Igen, Shdr };

// Generator operators that point at other records.
constexpr quint16 kInstrumentGenerator = 41;

quint16 word(const char* at) { return qFromLittleEndian<quint16>(at); }
quint32 dword(const char* at) { return qFromLittleEndian<quint32>(at); }

void putWord(QByteArray& out, quint16 value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

QByteArray chunk(const char* id, const QByteArray& body) {
    QByteArray out(id, 4);
    char size[4];
    qToLittleEndian(static_cast<quint32>(body.size()), size);
    out.append(size, 4);
    out += body;
    if (body.size() % 2)
        out += '\0';
    return out;
}

// One table as records, the last of which is the end record every table finishes with.
struct Records {
    const char* data = nullptr;
    qsizetype size = 0; // bytes of one record
    qsizetype count = 0;
    const char* at(qsizetype i) const { return data + i * size; }
};

// Each header (preset or instrument) owns the bags from its index to the next header's; each
// bag owns the generators and modulators from its indices to the next bag's.
struct Zones {
    const Records& headers;
    qsizetype bagField; // offset of the bag index in a header
    const Records& bags;
    const Records& gens;
    const Records& mods;

    // Indices must rise and stay inside their tables, or the file is not used.
    bool consistent() const {
        for (qsizetype h = 0; h + 1 < headers.count; ++h)
            if (word(headers.at(h) + bagField) > word(headers.at(h + 1) + bagField))
                return false;
        if (word(headers.at(headers.count - 1) + bagField) >= bags.count)
            return false;
        for (qsizetype b = 0; b + 1 < bags.count; ++b)
            if (word(bags.at(b)) > word(bags.at(b + 1)) || word(bags.at(b) + 2) > word(bags.at(b + 1) + 2))
                return false;
        const char* last = bags.at(bags.count - 1);
        return word(last) < gens.count && word(last + 2) < mods.count;
    }

    // Appends header h's record (its bag index renumbered), bags, generators and modulators to
    // the output tables; `mapGen` may rewrite a generator's amount.
    template <class MapGen>
    void copy(qsizetype h, QByteArray& outHeaders, QByteArray& outBags, QByteArray& outGens, QByteArray& outMods,
              const MapGen& mapGen) const {
        const char* header = headers.at(h);
        outHeaders.append(header, bagField);
        putWord(outHeaders, static_cast<quint16>(outBags.size() / bags.size));
        outHeaders.append(header + bagField + 2, headers.size - bagField - 2);
        for (quint16 b = word(header + bagField); b < word(headers.at(h + 1) + bagField); ++b) {
            putWord(outBags, static_cast<quint16>(outGens.size() / gens.size));
            putWord(outBags, static_cast<quint16>(outMods.size() / mods.size));
            for (quint16 g = word(bags.at(b)); g < word(bags.at(b + 1)); ++g) {
                const quint16 oper = word(gens.at(g));
                putWord(outGens, oper);
                putWord(outGens, mapGen(oper, word(gens.at(g) + 2)));
            }
            const quint16 m0 = word(bags.at(b) + 2), m1 = word(bags.at(b + 1) + 2);
            outMods.append(mods.at(m0), (m1 - m0) * mods.size);
        }
    }

    // The end records, pointing past everything copied.
    void finish(QByteArray& outHeaders, QByteArray& outBags, QByteArray& outGens, QByteArray& outMods) const {
        const char* end = headers.at(headers.count - 1);
        outHeaders.append(end, bagField);
        putWord(outHeaders, static_cast<quint16>(outBags.size() / bags.size));
        outHeaders.append(end + bagField + 2, headers.size - bagField - 2);
        putWord(outBags, static_cast<quint16>(outGens.size() / gens.size));
        putWord(outBags, static_cast<quint16>(outMods.size() / mods.size));
        outGens.append(gens.at(gens.count - 1), gens.size);
        outMods.append(mods.at(mods.count - 1), mods.size);
    }
};

std::optional<std::array<Records, 9>> readTables(const QByteArray& pdta) {
    std::array<Records, 9> tables;
    qsizetype pos = 0;
    for (std::size_t t = 0; t < kTables.size(); ++t) {
        const auto& [id, recordSize] = kTables[t];
        if (pdta.size() - pos < 8 || std::memcmp(pdta.constData() + pos, id, 4) != 0)
            return std::nullopt;
        const quint32 length = dword(pdta.constData() + pos + 4);
        pos += 8;
        if (length > static_cast<quint64>(pdta.size() - pos) || length % recordSize || length < static_cast<quint64>(recordSize)
            || length / recordSize > 0xFFFF)
            return std::nullopt;
        tables[t] = {pdta.constData() + pos, recordSize, static_cast<qsizetype>(length / recordSize)};
        pos += length + (length % 2);
    }
    return tables;
}

} // namespace

QByteArray trimPresetData(const QByteArray& pdta, const std::set<int>& programs, int* presets, int* instruments) {
    const auto tables = readTables(pdta);
    if (!tables)
        return {};
    const auto& t = *tables;
    const Zones presetZones{t[Phdr], 24, t[Pbag], t[Pgen], t[Pmod]};
    const Zones instrumentZones{t[Inst], 20, t[Ibag], t[Igen], t[Imod]};
    if (!presetZones.consistent() || !instrumentZones.consistent())
        return {};

    // The presets kept, and the instruments they use, numbered in the order they are met.
    std::vector<qsizetype> kept;
    std::map<quint16, quint16> newInstrument;
    std::vector<quint16> instrumentOrder;
    for (qsizetype p = 0; p + 1 < t[Phdr].count; ++p) {
        if (!programs.count(word(t[Phdr].at(p) + 20)))
            continue;
        kept.push_back(p);
        for (quint16 b = word(t[Phdr].at(p) + 24); b < word(t[Phdr].at(p + 1) + 24); ++b)
            for (quint16 g = word(t[Pbag].at(b)); g < word(t[Pbag].at(b + 1)); ++g)
                if (word(t[Pgen].at(g)) == kInstrumentGenerator) {
                    const quint16 instrument = word(t[Pgen].at(g) + 2);
                    if (instrument + 1 >= t[Inst].count)
                        return {};
                    if (newInstrument.emplace(instrument, static_cast<quint16>(instrumentOrder.size())).second)
                        instrumentOrder.push_back(instrument);
                }
    }

    QByteArray out[9];
    const auto keep = [](quint16, quint16 amount) { return amount; };
    for (quint16 instrument : instrumentOrder)
        instrumentZones.copy(instrument, out[Inst], out[Ibag], out[Igen], out[Imod], keep);
    instrumentZones.finish(out[Inst], out[Ibag], out[Igen], out[Imod]);
    const auto renumber = [&](quint16 oper, quint16 amount) {
        return oper == kInstrumentGenerator ? newInstrument.at(amount) : amount;
    };
    for (qsizetype p : kept)
        presetZones.copy(p, out[Phdr], out[Pbag], out[Pgen], out[Pmod], renumber);
    presetZones.finish(out[Phdr], out[Pbag], out[Pgen], out[Pmod]);
    out[Shdr] = QByteArray(t[Shdr].data, t[Shdr].count * t[Shdr].size);

    QByteArray body;
    for (std::size_t i = 0; i < kTables.size(); ++i)
        body += chunk(kTables[i].first, out[i]);
    if (presets)
        *presets = static_cast<int>(kept.size());
    if (instruments)
        *instruments = static_cast<int>(instrumentOrder.size());
    return body;
}

std::shared_ptr<const SoundFontView> SoundFontView::make(const QString& path, const std::set<int>& programs) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    char riff[12];
    if (file.read(riff, 12) != 12 || std::memcmp(riff, "RIFF", 4) != 0 || std::memcmp(riff + 8, "sfbk", 4) != 0)
        return nullptr;
    auto view = std::make_shared<SoundFontView>();
    view->m_path = path;
    view->append(QByteArray(riff, 12)); // its size is set once the whole view is known
    const qint64 end = std::min<qint64>(file.size(), 8 + static_cast<qint64>(dword(riff + 4)));
    qint64 pos = 12;
    bool trimmed = false;
    while (end - pos >= 8) {
        char header[12] = {};
        if (!file.seek(pos) || file.read(header, 8) != 8)
            return nullptr;
        const qint64 length = dword(header + 4);
        if (length > end - pos - 8)
            return nullptr;
        const qint64 whole = 8 + length + (length % 2);
        if (std::memcmp(header, "LIST", 4) == 0 && length >= 4 && file.read(header + 8, 4) == 4
            && std::memcmp(header + 8, "pdta", 4) == 0) {
            const QByteArray pdta = file.read(length - 4);
            const QByteArray body = trimPresetData(pdta, programs, &view->m_presets);
            if (pdta.size() != length - 4 || body.isEmpty() || trimmed)
                return nullptr;
            view->append(chunk("LIST", QByteArray("pdta", 4) + body));
            trimmed = true;
        } else {
            view->appendFile(pos, std::min(whole, end - pos));
        }
        pos += whole;
    }
    if (!trimmed)
        return nullptr;
    qToLittleEndian(static_cast<quint32>(view->m_size - 8), view->m_pieces.front().bytes.data() + 4);
    return view;
}

void SoundFontView::append(QByteArray bytes) {
    const qint64 length = bytes.size();
    m_pieces.push_back({m_size, length, -1, std::move(bytes)});
    m_size += length;
}

void SoundFontView::appendFile(qint64 offset, qint64 length) {
    m_pieces.push_back({m_size, length, offset, {}});
    m_size += length;
}

bool SoundFontView::read(QFile& file, qint64 pos, char* out, qint64 count) const {
    if (pos < 0 || count < 0 || count > m_size - pos)
        return false;
    // The last piece starting at or before pos, then the ones after it.
    auto piece = std::prev(std::upper_bound(m_pieces.begin(), m_pieces.end(), pos,
                                            [](qint64 at, const Piece& p) { return at < p.at; }));
    for (; count > 0; ++piece) {
        const qint64 offset = pos - piece->at;
        const qint64 n = std::min(count, piece->length - offset);
        if (piece->fileOffset < 0) {
            std::memcpy(out, piece->bytes.constData() + offset, static_cast<std::size_t>(n));
        } else if (!file.seek(piece->fileOffset + offset) || file.read(out, n) != n) {
            return false;
        }
        out += n;
        pos += n;
        count -= n;
    }
    return true;
}

} // namespace music

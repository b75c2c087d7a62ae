#pragma once
// The properties the fuzz targets check, as plain functions: the libFuzzer targets call them
// on every generated input, and the replay test calls them on every stored input (seeds and
// the inputs that once failed). Each returns an empty string when the input passes, otherwise
// a one-line description of what went wrong.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace fuzzchecks {

// The targets, by the name of their folders under fuzz/corpus and fuzz/regressions.
struct Target {
    const char* name;
    std::string (*check)(const std::uint8_t* data, std::size_t size);
};
const std::vector<Target>& targets();

// Whole inputs, as the fuzzers see them.
// format_paragraph: the first byte chooses the width (-3 to 60), the rest is the paragraph
// (UTF-8, invalid bytes included), laid out as it is and once more with its words separated by
// single spaces, as prose is: then the lines must also be justified.
std::string checkFormatInput(const std::uint8_t* data, std::size_t size);
// pane_rows: the bytes are the text shown in a pane of 35 columns. When the first byte is
// '\n', the rest is instead a list of paragraphs separated by '\n', each tidied as the content
// is (single spaces between words, none at the ends), laid out at 35 columns and joined by blank
// lines, as the analysis screens build their texts: then every laid-out line must be one row.
std::string checkPaneInput(const std::uint8_t* data, std::size_t size);
// sign_words: the bytes (UTF-8) are the text typed into a sign or gender box.
std::string checkSignInput(const std::uint8_t* data, std::size_t size);
// song_file: the bytes are a song file, given to the song-file check in a buffer of exactly its
// size (so that the sanitizers see any read past its end), and cut short as well.
std::string checkSongInput(const std::uint8_t* data, std::size_t size);

// The properties themselves, on a given result, so that the replay test can show that they
// catch a wrong one.
// `laidOut` is what the formatter gave for `paragraph` at `width`.
std::string checkLaidOut(const QString& paragraph, int width, const QString& laidOut);
// `rows` are the rows a pane `width` columns wide shows for `text`.
std::string checkRows(const QString& text, int width, const QStringList& rows);
// `accepts` is a song-file check: a file it accepts must hold every chunk its header asks for,
// and cut 1 or 8 bytes short of its last track's end it must be refused.
std::string checkSongVerdicts(const QByteArray& file, const std::function<bool(const QByteArray&)>& accepts);
// `isSign`, `isGender` and `range` are the catalogue's answers for `text`.
std::string checkSignAnswers(const QString& text, bool isSign, bool isGender, const QString& range);

} // namespace fuzzchecks

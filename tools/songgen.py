#!/usr/bin/env python3
"""Writes Zelvoria's twenty background songs, song1.msc .. song20.msc (Standard MIDI Files,
format 1, General MIDI).

Every song is composed by rules from its own fixed seed, so the output is the same on every run:
a chord progression in the song's key and mode, an accompaniment pattern and a bass line over it,
and a melody built in periods (a four-chord phrase ending on the dominant, answered by one that
starts the same way and closes on the tonic), arranged as intro, A and B sections and a slowing
coda.

    python3 tools/songgen.py [output-directory]     (default: assets/music beside this tool)
"""

import os
import random
import struct
import sys

PPQ = 480
EIGHTH = PPQ // 2

MODES = {
    "major": [0, 2, 4, 5, 7, 9, 11],
    "minor": [0, 2, 3, 5, 7, 8, 10],
    "dorian": [0, 2, 3, 5, 7, 9, 10],
    "mixolydian": [0, 2, 4, 5, 7, 9, 10],
    "lydian": [0, 2, 4, 6, 7, 9, 11],
}
# Semitones from the relative major's tonic, for the key signature.
MODE_OFFSET = {"major": 0, "minor": 9, "dorian": 2, "mixolydian": 7, "lydian": 5}
SHARPS = {0: 0, 7: 1, 2: 2, 9: 3, 4: 4, 11: 5, 6: 6, 5: -1, 10: -2, 3: -3, 8: -4, 1: -5}

# Four-chord phrases as scale degrees (0 = tonic); the first list of each mode opens the A
# sections, the second the B sections.
PROGRESSIONS = {
    "major": ([[0, 4, 5, 3], [0, 5, 3, 4], [0, 3, 1, 4], [0, 2, 3, 4], [0, 3, 0, 4]],
              [[3, 4, 2, 5], [5, 2, 3, 4], [3, 0, 1, 4], [5, 3, 1, 4]]),
    "minor": ([[0, 5, 2, 6], [0, 3, 6, 2], [0, 5, 3, 4], [0, 3, 4, 0]],
              [[5, 6, 2, 4], [2, 6, 5, 4], [3, 6, 2, 5]]),
    "dorian": ([[0, 3, 0, 3], [0, 6, 3, 0], [0, 1, 6, 3]],
               [[2, 3, 6, 4], [6, 3, 6, 4]]),
    "mixolydian": ([[0, 6, 3, 0], [0, 3, 6, 0], [0, 4, 6, 3]],
                   [[3, 6, 0, 4], [5, 3, 6, 4]]),
    "lydian": ([[0, 1, 0, 1], [0, 1, 6, 5], [0, 2, 1, 0]],
               [[5, 1, 2, 4], [2, 1, 5, 4]]),
}

# Melody rhythms, one bar each, in eighths; a negative length is a rest.
CELLS = {
    (4, 4): [[2, 2, 2, 2], [3, 1, 2, 2], [2, 1, 1, 4], [4, 2, 2], [1, 1, 2, 2, 2], [2, 2, 4],
             [3, 1, 3, 1], [2, 1, 1, 2, 2], [2, 2, 2, -2], [6, 2]],
    (3, 4): [[2, 2, 2], [3, 1, 2], [4, 2], [2, 1, 1, 2], [1, 1, 2, 2], [2, 4]],
    (6, 8): [[3, 3], [2, 1, 3], [2, 1, 2, 1], [3, 2, 1], [1, 1, 1, 3], [3, 1, 1, 1]],
}
STRONG = {(4, 4): {0, 4}, (3, 4): {0}, (6, 8): {0, 3}}
CADENCE_CELLS = {(4, 4): [[8], [6, -2]], (3, 4): [[6], [4, -2]], (6, 8): [[6], [5, -1]]}

# name, tonic (MIDI pitch of the tonic near middle C), mode, quarter-note tempo, time signature,
# lead, second lead, accompaniment, bass, pad (GM programs), accompaniment pattern, bars per
# chord, drums, seconds wanted.
SONGS = [
    ("Morning Star", 60, "major", 96, (4, 4), 73, 71, 24, 32, 48, "arpeggio", 1, False, 120),
    ("Moon Waltz", 57, "minor", 138, (3, 4), 40, 73, 0, 42, 49, "waltz", 2, False, 130),
    ("Venus Garden", 65, "major", 100, (6, 8), 71, 68, 46, 45, 48, "rocking", 1, False, 110),
    ("Aquarius Rain", 62, "dorian", 88, (4, 4), 11, 4, 4, 35, 89, "block", 1, True, 140),
    ("Leo Sunrise", 55, "major", 112, (4, 4), 68, 40, 0, 32, 48, "alberti", 1, False, 125),
    ("Pisces Tide", 64, "minor", 84, (6, 8), 75, 52, 46, 32, 52, "rocking", 1, False, 120),
    ("Gemini Dance", 58, "major", 124, (4, 4), 12, 8, 25, 33, 48, "strum", 1, True, 115),
    ("Taurus Meadow", 63, "major", 108, (3, 4), 74, 71, 21, 32, 48, "waltz", 1, False, 100),
    ("Scorpio Night", 60, "minor", 72, (4, 4), 69, 42, 0, 43, 49, "arpeggio", 1, False, 150),
    ("Libra Balance", 57, "major", 100, (4, 4), 40, 73, 6, 42, 48, "alberti", 1, False, 120),
    ("Sagittarius Road", 62, "mixolydian", 116, (4, 4), 73, 22, 25, 33, 48, "strum", 1, True, 120),
    ("Capricorn Peaks", 55, "minor", 80, (4, 4), 60, 40, 48, 43, 52, "block", 1, False, 140),
    ("Cancer Shore", 64, "major", 96, (6, 8), 11, 73, 24, 32, 89, "rocking", 1, False, 115),
    ("Virgo Lace", 59, "minor", 96, (3, 4), 68, 40, 46, 42, 49, "waltz", 1, False, 105),
    ("Aries Spark", 62, "major", 128, (4, 4), 71, 12, 0, 33, 48, "arpeggio", 1, True, 110),
    ("Orion Lullaby", 55, "major", 126, (3, 4), 10, 46, 46, 32, 89, "arpeggio", 2, False, 120),
    ("Nebula Drift", 65, "lydian", 72, (4, 4), 53, 11, 4, 35, 89, "block", 1, False, 150),
    ("Comet Trail", 57, "dorian", 112, (6, 8), 79, 75, 24, 32, 48, "rocking", 1, True, 110),
    ("Twin Hearts", 60, "major", 84, (4, 4), 42, 73, 0, 32, 49, "arpeggio", 1, False, 135),
    ("Evening Constellation", 56, "major", 92, (4, 4), 108, 48, 4, 33, 49, "block", 1, False, 130),
]

# Songs whose instruments come out loudest in the General MIDI set play a little softer.
LEVEL = {12: 0.8, 20: 0.78}

LEAD, SECOND, ACCOMP, BASS, PAD, DRUMS = 0, 1, 2, 3, 4, 9
# Where each instrument's melody sits: the MIDI pitch it centres on.
MELODY_CENTRE = {73: 79, 71: 74, 40: 76, 11: 74, 4: 72, 68: 74, 75: 77, 12: 74, 8: 81, 74: 79,
                 69: 68, 42: 67, 60: 67, 10: 81, 46: 74, 53: 69, 79: 79, 108: 76, 48: 74, 52: 69,
                 22: 74}


def vlq(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append((value & 0x7F) | 0x80)
        value >>= 7
    return bytes(reversed(out))


class Track:
    def __init__(self, name):
        self.events = []  # (tick, order, bytes): at one tick, note-offs go before note-ons
        self.notes = []  # (tick, length, channel, pitch, velocity)
        self.meta(0, 0x03, name.encode("ascii"))

    def meta(self, tick, kind, data):
        self.events.append((tick, 1, bytes([0xFF, kind]) + vlq(len(data)) + data))

    def add(self, tick, *message):
        self.events.append((tick, 1, bytes(message)))

    def note(self, channel, tick, length, pitch, velocity):
        self.notes.append((tick, max(1, length), channel, max(0, min(127, pitch)), max(1, min(127, int(velocity)))))

    def note_events(self):
        """The notes as on and off events; a note that is struck again while it still sounds
        is ended where the new one begins."""
        notes = sorted(self.notes)
        for n, (tick, length, channel, pitch, velocity) in enumerate(notes):
            stop = tick + length
            for later in notes[n + 1:]:
                if later[0] >= stop:
                    break
                if later[2:4] == (channel, pitch) and later[0] > tick:
                    stop = later[0]
                    break
            yield tick, 2, bytes([0x90 | channel, pitch, velocity])
            yield stop, 0, bytes([0x90 | channel, pitch, 0])

    def encode(self, end):
        body, now, running = bytearray(), 0, None
        for tick, _, message in sorted(self.events + list(self.note_events()), key=lambda e: (e[0], e[1])):
            body += vlq(tick - now)
            now = tick
            if message[0] < 0xF0 and message[0] == running:
                body += message[1:]
            else:
                body += message
                running = message[0] if message[0] < 0xF0 else None
        body += vlq(max(0, end - now)) + b"\xff\x2f\x00"
        return b"MTrk" + struct.pack(">I", len(body)) + bytes(body)


class Song:
    def __init__(self, number, spec):
        (self.title, self.tonic, self.mode, self.bpm, self.meter, self.lead, self.second,
         self.accomp, self.bass, self.pad, self.pattern, self.bars_per_chord, self.drums,
         self.seconds) = spec
        self.rng = random.Random(7919 * number + 17)
        self.level = LEVEL.get(number, 1.0)
        self.scale = MODES[self.mode]
        self.bar = self.meter[0] * (PPQ * 4 // self.meter[1])
        self.eighths = self.bar // EIGHTH
        self.tracks = {part: Track(name) for part, name in
                       ((LEAD, "Melody"), (SECOND, "Second voice"), (ACCOMP, "Accompaniment"),
                        (BASS, "Bass"), (PAD, "Pad"), (DRUMS, "Drums"))}
        self.voicing = None

    # --- harmony -----------------------------------------------------------------------------
    def pitch(self, index):
        """MIDI pitch of scale step `index` (0 = the tonic, 7 = an octave up)."""
        octave, step = divmod(index, 7)
        return self.tonic + 12 * octave + self.scale[step]

    def chord(self, degree):
        notes = [self.pitch(degree + k) for k in (0, 2, 4)]
        if self.raised(degree):  # a minor key's dominant takes the raised leading note
            notes[1] += 1
        return notes

    def voice(self, chord):
        """The inversion of `chord` closest to the previous voicing, kept below the melody
        (with room for the patterns that climb an octave above it)."""
        climb = 12 if self.pattern in ("arpeggio", "rocking") else 0
        high = max(55, min(72, self.pitch(self.centre) - 3 - climb))
        low = high - 20
        classes = sorted({p % 12 for p in chord})
        options = []
        for base in range(low, high - 6):
            shape = sorted(next(p for p in range(base, base + 12) if p % 12 == c) for c in classes)
            if shape[-1] <= high:
                options.append(shape)
        previous = self.voicing or [62, 66, 69]
        best = min(options, key=lambda v: sum(abs(a - b) for a, b in zip(v, previous)))
        self.voicing = best
        return best

    # --- accompaniment -----------------------------------------------------------------------
    def accompany(self, start, degree, bars, strength):
        chord = self.chord(degree)
        shape = self.voice(chord)
        root = chord[0] % 12 + 36
        root = root + 12 if root < 38 else root
        fifth = root + 7 if (chord[2] - chord[0]) % 12 == 7 else root + 6
        acc, bass = self.tracks[ACCOMP], self.tracks[BASS]
        for b in range(bars):
            t = start + b * self.bar
            v = 58 * strength
            if self.pattern == "arpeggio":  # up and back down in eighths
                tones = shape + [shape[0] + 12, shape[1] + 12]
                order = (0, 1, 2, 3, 4, 3, 2, 1) if self.eighths == 8 else (0, 1, 2, 3, 2, 1)
                for i, k in enumerate(order):
                    acc.note(ACCOMP, t + i * EIGHTH, EIGHTH * 2 - 20, tones[k], v - 6 + (8 if i == 0 else 0))
            elif self.pattern == "alberti":
                for i in range(self.eighths):
                    acc.note(ACCOMP, t + i * EIGHTH, EIGHTH, shape[(0, 2, 1, 2)[i % 4]], v - 4)
            elif self.pattern == "rocking":  # 6/8 arpeggio over an octave and a third
                tones = [shape[0], shape[2], shape[0] + 12, shape[1] + 12, shape[0] + 12, shape[2]]
                for i in range(self.eighths):
                    acc.note(ACCOMP, t + i * EIGHTH, EIGHTH * 2 - 20, tones[i % 6], v - 2 + (8 if i % 3 == 0 else 0))
            elif self.pattern == "waltz":  # the bass has beat one, the chord beats two and three
                for beat in (1, 2):
                    for p in shape:
                        acc.note(ACCOMP, t + beat * PPQ, PPQ - 60, p, v - 8)
            elif self.pattern == "strum":  # a guitar strummed on a 3+3+2 rhythm
                for beat, length in ((0, 3), (3, 3), (6, 2)):
                    for i, p in enumerate(shape + [shape[0] + 12]):
                        acc.note(ACCOMP, t + beat * EIGHTH + 18 * i, length * EIGHTH - 40, p, v - 4)
            else:  # block: chords held over each half bar
                half = self.bar // 2
                for h in (0, half):
                    for p in shape:
                        acc.note(ACCOMP, t + h, half - 30, p, v - 6)
            # The bass: the root, with the fifth on the second half of longer bars.
            if self.meter == (3, 4) or self.meter == (6, 8):
                bass.note(BASS, t, self.bar - 60, root, 78 * strength)
            else:
                bass.note(BASS, t, self.bar // 2 - 40, root, 80 * strength)
                bass.note(BASS, t + self.bar // 2, self.bar // 2 - 40, fifth if b % 2 else root, 72 * strength)
            if self.drums and strength > 0.95:
                self.drum_bar(t)
        return shape

    def drum_bar(self, t):
        drums = self.tracks[DRUMS]
        if self.meter == (4, 4):
            for i in range(8):
                drums.note(DRUMS, t + i * EIGHTH, 60, 42, 34 + (10 if i % 2 == 0 else 0))
            drums.note(DRUMS, t, 80, 36, 66)
            drums.note(DRUMS, t + 4 * EIGHTH, 80, 36, 56)
            drums.note(DRUMS, t + 2 * EIGHTH, 80, 37, 46)
            drums.note(DRUMS, t + 6 * EIGHTH, 80, 37, 46)
        else:
            drums.note(DRUMS, t, 80, 36, 62)
            for i in range(self.eighths):
                drums.note(DRUMS, t + i * EIGHTH, 60, 70 if self.meter == (6, 8) else 42, 30 + (8 if i % 3 == 0 else 0))

    # --- melody ------------------------------------------------------------------------------
    def rhythm_for(self, cadence):
        pool = CADENCE_CELLS[self.meter] if cadence else CELLS[self.meter]
        return list(self.rng.choice(pool))

    def chord_steps(self, degree):
        steps = {(degree + k) % 7 for k in (0, 2, 4)}
        return steps - {6} if self.raised(degree) else steps

    def raised(self, degree):
        return self.mode == "minor" and degree % 7 == 4

    def nearest(self, wanted, steps):
        return min((i for i in range(wanted - 4, wanted + 5) if i % 7 in steps),
                   key=lambda i: (abs(i - wanted), i))

    def melody_bar(self, cell, degree, current, goal, final=None):
        """One bar of melody as (offset in eighths, length, scale index or None for a rest):
        chord tones on the strong beats, steps and the odd skip in between, heading for `goal`."""
        notes, offset = [], 0
        for n, length in enumerate(cell):
            if length < 0:
                notes.append((offset, -length, None))
                offset -= length
                continue
            toward = (goal > current) - (goal < current)
            if final is not None and n == 0:
                current = final
            elif offset in STRONG[self.meter]:
                current = self.nearest(current + toward * self.rng.choice((0, 1, 2)), self.chord_steps(degree))
            else:
                step = toward or self.rng.choice((-1, 1))
                if self.rng.random() < 0.3:
                    step = -step
                current += step * (2 if self.rng.random() < 0.15 else 1)
                if self.raised(degree) and current % 7 == 6:
                    current += step  # no natural seventh against the raised leading note
            current = max(self.centre - 6, min(self.centre + 7, current))
            notes.append((offset, length, current))
            offset += length
        return notes, current

    def phrase_melody(self, degrees, half_cadence, opening=None):
        """A phrase over four chords. Its first half is `opening` when given (so an answer starts
        like its question); its last bar holds the cadence note: the dominant's root or fifth,
        or the tonic. Returns the bars as (notes, rhythm, chord) and the opening it used."""
        chords = [d for d in degrees for _ in range(self.bars_per_chord)]
        count, half = len(chords), len(chords) // 2
        peak = self.centre + self.rng.choice((2, 3, 4))
        target = (self.nearest(self.centre - 1, {4, 1}) if half_cadence
                  else self.nearest(self.centre - 2, {0}))
        if opening is not None:
            bars, current = list(opening[0]), opening[1]
        else:
            bars, current = [], self.centre
        for b in range(len(bars), count):
            if b == count - 1:
                cell = self.rhythm_for(True)
                notes, current = self.melody_bar(cell, chords[b], current, target, final=target)
            else:
                goal = peak if b < count - 2 else target
                # The second half often keeps the rhythm of the first.
                if b >= half and self.rng.random() < 0.6:
                    cell = list(bars[b - half][1])
                else:
                    cell = self.rhythm_for(False)
                notes, current = self.melody_bar(cell, chords[b], current, goal)
            bars.append((notes, cell, chords[b]))
            if b == half - 1 and opening is None:
                opening = (list(bars), current)
        return bars, opening

    def play_melody(self, part, start, bars, strength, harmony=False):
        """Plays the bars on `part`; with `harmony`, a chord tone a third to a fifth below."""
        track = self.tracks[part]
        for b, (notes, _, degree) in enumerate(bars):
            for offset, length, index in notes:
                if index is None:
                    continue
                if harmony:
                    index = next((i for i in (index - 2, index - 3, index - 4)
                                  if i % 7 in self.chord_steps(degree)), index - 2)
                t = start + b * self.bar + offset * EIGHTH
                accent = 8 if offset == 0 else (3 if offset % 2 == 0 else 0)
                velocity = (74 + accent + self.rng.randint(-4, 4)) * strength * (0.72 if harmony else 1)
                pitch = self.pitch(index) + (1 if self.raised(degree) and index % 7 == 6 else 0)
                track.note(part, t, int(length * EIGHTH * 0.92), pitch, velocity)

    # --- form --------------------------------------------------------------------------------
    def section(self, start, progression, closing, strength, theme=None):
        """Two phrases over the progression: a question ending on the dominant, and an answer
        that begins like it and ends on the tonic (`closing`) or again on the dominant."""
        question = progression[:3] + [4]
        answer = progression[:2] + ([4, 0] if closing else [1, 4])
        first, opening = self.phrase_melody(question, True, theme)
        second, _ = self.phrase_melody(answer, not closing, opening)
        t = start
        for degrees in (question, answer):
            for degree in degrees:
                shape = self.accompany(t, degree, self.bars_per_chord, strength)
                if strength >= 0.95:
                    for p in shape:
                        self.tracks[PAD].note(PAD, t, self.bars_per_chord * self.bar - 20, p, 46 * strength)
                t += self.bars_per_chord * self.bar
        return first + second, opening, t

    def coda(self, t):
        """Subdominant and tonic under a falling line, then the tonic chord held. (Lydian's
        fourth degree carries a diminished chord; its major second degree stands in.)"""
        subdominant = 1 if self.mode == "lydian" else 3
        for degree, line in ((subdominant, (5, 3)), (0, (2, 1))):
            self.accompany(t, degree, 1, 0.8)
            for k, step in enumerate(line):
                index = self.nearest(self.centre - 2, {0}) + step
                self.tracks[LEAD].note(LEAD, t + k * self.bar // 2, self.bar // 2 - 30, self.pitch(index), 70)
            t += self.bar
        last = self.chord(0)
        for part, pitches in ((ACCOMP, last), (PAD, last), (BASS, [last[0] % 12 + 36])):
            for p in pitches:
                self.tracks[part].note(part, t, 2 * self.bar, p, 60)
        self.tracks[LEAD].note(LEAD, t, 2 * self.bar, self.pitch(self.nearest(self.centre - 2, {0})), 66)
        return t

    def compose(self):
        rng = self.rng
        lead_centre = MELODY_CENTRE.get(self.lead, 74)
        self.centre = self.nearest((lead_centre - self.tonic) * 7 // 12, {0, 2, 4})
        a_pool, b_pool = PROGRESSIONS[self.mode]
        prog_a, prog_b = rng.choice(a_pool), rng.choice(b_pool)
        quarter_us = 60_000_000 // self.bpm
        section_seconds = 8 * self.bars_per_chord * self.bar / PPQ * 60 / self.bpm
        kinds = ["AAB"[s % 3] for s in range(max(3, round((self.seconds - 14) / section_seconds)))]
        if kinds[-1] == "B":
            kinds.append("A")

        t = 0
        for _ in range(2):  # the accompaniment alone sets the scene
            self.accompany(t, 0, 1, 0.85)
            t += self.bar
        theme = None
        for s, kind in enumerate(kinds):
            strength = (0.9, 1.0, 1.0, 0.95, 1.0, 1.0)[s % 6]
            begin = t
            if kind == "A":
                bars, opening, t = self.section(t, prog_a, True, strength,
                                                theme if theme and rng.random() < 0.75 else None)
                theme = theme or opening
                self.play_melody(LEAD, begin, bars, strength)
                if s >= 3:  # later statements gain a second voice below
                    self.play_melody(SECOND, begin, bars, strength, harmony=True)
            else:
                bars, _, t = self.section(t, prog_b, False, strength)
                self.play_melody(SECOND, begin, bars, strength)
        coda = t
        t = self.coda(t)
        end = t + 2 * self.bar + PPQ

        conductor = Track(self.title)
        conductor.meta(0, 0x01, b"Composed for Zelvoria")
        num, den = self.meter
        conductor.meta(0, 0x58, bytes([num, den.bit_length() - 1, 24 if den == 4 else 36, 8]))
        key = SHARPS[(self.tonic - MODE_OFFSET[self.mode]) % 12]
        conductor.meta(0, 0x59, bytes([key & 0xFF, 1 if self.mode == "minor" else 0]))
        conductor.meta(0, 0x51, quarter_us.to_bytes(3, "big"))
        for i in range(1, 9):  # the coda slows down
            slower = int(quarter_us * (1 + 0.45 * i / 8))
            conductor.meta(coda + i * (t - coda) // 8, 0x51, slower.to_bytes(3, "big"))

        programs = {LEAD: self.lead, SECOND: self.second, ACCOMP: self.accomp, BASS: self.bass, PAD: self.pad}
        volumes = {LEAD: 104, SECOND: 88, ACCOMP: 84, BASS: 92, PAD: 60, DRUMS: 70}
        pans = {LEAD: 64, SECOND: 44, ACCOMP: 80, BASS: 60, PAD: 70, DRUMS: 64}
        out = [conductor]
        for part, track in self.tracks.items():
            if not track.notes:
                continue
            if part in programs:
                track.add(0, 0xC0 | part, programs[part])
            track.add(0, 0xB0 | part, 7, round(volumes[part] * self.level))
            track.add(0, 0xB0 | part, 10, pans[part])
            track.add(0, 0xB0 | part, 91, 70 if part in (LEAD, SECOND, PAD) else 45)
            out.append(track)
        header = b"MThd" + struct.pack(">IHHH", 6, 1, len(out), PPQ)
        return header + b"".join(track.encode(end) for track in out)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "assets", "music")
    os.makedirs(folder, exist_ok=True)
    for number, spec in enumerate(SONGS, start=1):
        data = Song(number, spec).compose()
        with open(os.path.join(folder, f"song{number}.msc"), "wb") as out:
            out.write(data)
        print(f"song{number}.msc  {spec[0]:<22} {len(data):6d} bytes")


if __name__ == "__main__":
    main()

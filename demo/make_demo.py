#!/usr/bin/env python3
"""Writes the demo songs as Standard MIDI Files (type 1, with a tempo change
and running status), so the demo stays reproducible without other tools."""

import struct

PPQN = 480


def var_len(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.insert(0, (value & 0x7F) | 0x80)
        value >>= 7
    return bytes(out)


def track(events):
    """events: (tick, bytes) in any order; running status is used where it can be."""
    data = bytearray()
    last_tick, status = 0, None
    for tick, message in sorted(events, key=lambda e: (e[0], e[1][0] & 0xF0 != 0x80)):
        data += var_len(tick - last_tick)
        last_tick = tick
        if message[0] < 0xF0 and message[0] == status:
            data += message[1:]
        else:
            data += message
            status = message[0] if message[0] < 0xF0 else None
    data += var_len(0) + b"\xff\x2f\x00"
    return b"MTrk" + struct.pack(">I", len(data)) + data


def tempo(tick, bpm):
    micro = round(60_000_000 / bpm)
    return (tick, b"\xff\x51\x03" + micro.to_bytes(3, "big"))


def note(start, length, key, velocity, channel=0):
    return [(start, bytes([0x90 | channel, key, velocity])), (start + length, bytes([0x80 | channel, key, 0]))]


def song(path, tracks):
    header = b"MThd" + struct.pack(">IHHH", 6, 1, len(tracks), PPQN)
    with open(path, "wb") as out:
        out.write(header + b"".join(track(t) for t in tracks))


def bassline():
    q, e, s = PPQN, PPQN // 2, PPQN // 4
    conductor = [tempo(0, 120), tempo(8 * q, 132)]
    events = []
    # Staccato eighths, then overlapping notes (legato: the next key before the last lets go) that slide.
    pattern = [(36, e, 110), (36, e, 70), (48, s, 100), (36, s, 90), (39, e, 120), (41, e, 80), (43, e, 100),
               (46, e, 90)]
    tick = 0
    for bar in range(4):
        for key, length, velocity in pattern:
            overlap = s if bar % 2 == 1 and key != 36 else -20
            events += note(tick, length + overlap, key + (5 if bar == 2 else 0), velocity)
            tick += length
    for key in (36, 43, 48, 55, 51, 48):  # a long legato run
        events += note(tick, q + e, key, 100)
        tick += q
    events += note(tick, 2 * q, 36, 127)
    events.append((tick + 3 * q, bytes([0xB0, 123, 0])))
    song("bassline.mid", [conductor, events])


def chords():
    q = PPQN
    conductor = [tempo(0, 90)]
    progression = [(48, 52, 55, 59, 62), (45, 48, 52, 55, 60, 64), (41, 45, 48, 52, 57, 60, 64, 67, 72),
                   (43, 47, 50, 53, 57, 59, 62, 65, 67, 71)]
    left, right = [], []
    tick = 0
    for chord in progression:
        for i, key in enumerate(chord):
            target = left if key < 56 else right
            target += note(tick + 12 * i, 2 * q - 30, key, 70 + 5 * (i % 5), channel=0 if key < 56 else 1)
        tick += 2 * q
    right += note(tick, 2 * q, 72, 90, channel=1) + note(tick + q // 2, q, 72, 60, channel=1)
    song("chords.mid", [conductor, left, right])


if __name__ == "__main__":
    bassline()
    chords()

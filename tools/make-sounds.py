#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes the program's two sounds, resources/defaults/alarm.wav and bell.wav.

Run from the repository root: python3 tools/make-sounds.py
Both are 16-bit mono 22050 Hz, synthesised here from sine partials (nothing copied).
"""
import math
import struct
import wave

RATE = 22050


def write(path, samples):
    peak = max(abs(s) for s in samples) or 1.0
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", int(s / peak * 0.7 * 32767)) for s in samples))


def tone(freq, seconds, partials=((1.0, 1.0),), decay=6.0, attack=0.01):
    out = []
    for i in range(int(seconds * RATE)):
        t = i / RATE
        env = min(1.0, t / attack) * math.exp(-decay * t)
        out.append(env * sum(a * math.sin(2 * math.pi * freq * m * t) for m, a in partials))
    return out


def mix(*parts):
    length = max(offset + len(p) for offset, p in parts)
    out = [0.0] * length
    for offset, p in parts:
        for i, s in enumerate(p):
            out[offset + i] += s
    return out


# Alarm: a soft two-note chime, rising (E6 then A6), heard over a noisy monitor.
chime = ((1.0, 1.0), (2.0, 0.25), (3.0, 0.08))
alarm = mix((0, tone(1318.5, 0.45, chime, decay=7.0)),
            (int(0.18 * RATE), tone(1760.0, 0.55, chime, decay=6.0)))
write("resources/defaults/alarm.wav", alarm)

# Bell: one strike of a small bell (inharmonic partials, long decay).
bell_partials = ((1.0, 1.0), (2.76, 0.5), (5.40, 0.25), (8.93, 0.12))
write("resources/defaults/bell.wav", tone(880.0, 1.1, bell_partials, decay=3.5, attack=0.002))

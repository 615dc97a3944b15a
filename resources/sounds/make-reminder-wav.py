#!/usr/bin/env python3
"""Writes Reminder.wav: a soft two-note chime of about 1.2 seconds.

Run it from this folder to make the file anew; the result is committed so
that the build needs no Python.
"""
import math
import struct
import wave

RATE = 22050
NOTES = [(0.0, 880.0), (0.35, 1318.5)]  # A5, then E6
LENGTH = 1.2


def sample(t):
    value = 0.0
    for start, frequency in NOTES:
        if t < start:
            continue
        age = t - start
        envelope = math.exp(-4.0 * age) * min(1.0, age * 200.0)
        # A bell: the note with a little of its octave and twelfth.
        value += envelope * (math.sin(2 * math.pi * frequency * age)
                             + 0.3 * math.sin(2 * math.pi * 2 * frequency * age)
                             + 0.1 * math.sin(2 * math.pi * 3 * frequency * age))
    return value * 0.35


def main():
    frames = bytearray()
    for i in range(int(RATE * LENGTH)):
        level = max(-1.0, min(1.0, sample(i / RATE)))
        frames += struct.pack('<h', int(level * 32767))
    with wave.open('Reminder.wav', 'wb') as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(bytes(frames))


if __name__ == '__main__':
    main()

#!/usr/bin/env python3
"""Writes Zoboclick.wav: a short, soft click (25 ms, 22.05 kHz, 16-bit mono)."""
import math
import struct
import sys
import wave

RATE = 22050
LENGTH = int(RATE * 0.025)

def sample(i):
    t = i / RATE
    envelope = math.exp(-t * 220.0)
    return int(12000 * envelope * math.sin(2 * math.pi * 1800 * t))

with wave.open(sys.argv[1], "wb") as out:
    out.setnchannels(1)
    out.setsampwidth(2)
    out.setframerate(RATE)
    out.writeframes(b"".join(struct.pack("<h", sample(i)) for i in range(LENGTH)))

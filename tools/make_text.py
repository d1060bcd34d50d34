#!/usr/bin/env python3
"""Writes a text file for Windows: UTF-8 with a byte-order mark, so Notepad on
Windows 7 to 11 reads the Japanese right, and CR LF line ends.
Usage: make_text.py SOURCE OUTPUT"""
import os
import sys

with open(sys.argv[1], encoding="utf-8") as f:
    text = f.read()
os.makedirs(os.path.dirname(os.path.abspath(sys.argv[2])), exist_ok=True)
with open(sys.argv[2], "w", encoding="utf-8-sig", newline="\r\n") as f:
    f.write(text)

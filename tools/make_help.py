#!/usr/bin/env python3
"""Builds a help file (Sorvane.chm, Sorvane-en.chm): the help sources (UTF-8) are written in Shift-JIS to a
work folder and compiled with chmcmd. Usage: make_help.py SOURCE_DIR OUTPUT_CHM"""
import os
import shutil
import subprocess
import sys

source, output = sys.argv[1], sys.argv[2]
work = output + ".work"
shutil.rmtree(work, ignore_errors=True)
os.makedirs(work)
for name in os.listdir(source):
    if os.path.isdir(os.path.join(source, name)):
        continue  # another language's pages
    with open(os.path.join(source, name), encoding="utf-8") as f:
        text = f.read()
    with open(os.path.join(work, name), "w", encoding="cp932", newline="\r\n") as f:
        f.write(text)
subprocess.run(["chmcmd", "--no-html-scan", "Sorvane.hhp"], cwd=work, check=True,
               stdout=subprocess.DEVNULL)
shutil.move(os.path.join(work, "Sorvane.chm"), output)
shutil.rmtree(work)

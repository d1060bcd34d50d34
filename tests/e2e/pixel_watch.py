#!/usr/bin/env python3
"""Watches one screen pixel of the X display, far faster than a screenshot.

    pixel_watch.py X Y MILLISECONDS

Reads the pixel every few milliseconds for MILLISECONDS and prints each colour
it showed, in order, as "RRGGBB FIRST_SEEN_MS LAST_SEEN_MS" (ms from the start),
one a line. Writes "watching" to stderr once the first reading is taken.
"""
import ctypes
import ctypes.util
import os
import sys
import time


def main():
    x, y, milliseconds = (int(a) for a in sys.argv[1:4])
    xlib = ctypes.CDLL(ctypes.util.find_library("X11"))
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XDefaultRootWindow.restype = ctypes.c_ulong
    xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    xlib.XGetImage.restype = ctypes.c_void_p
    xlib.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                               ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    xlib.XFree.argtypes = [ctypes.c_void_p]
    display = xlib.XOpenDisplay(os.environ.get("DISPLAY", "").encode())
    if not display:
        sys.exit("pixel_watch: cannot open the display")
    root = xlib.XDefaultRootWindow(display)
    z_pixmap, all_planes = 2, 0xFFFFFFFF
    seen = []
    start = time.monotonic()
    while True:
        now = int((time.monotonic() - start) * 1000)
        image = xlib.XGetImage(display, root, x, y, 1, 1, all_planes, z_pixmap)
        if not image:
            sys.exit("pixel_watch: cannot read the screen")
        # XImage's data pointer follows four ints. Xvfb's 24-bit screen keeps
        # a pixel in 32 bits, blue first.
        data = ctypes.cast(image + 16, ctypes.POINTER(ctypes.c_void_p))[0]
        blue, green, red = ctypes.string_at(data, 3)
        xlib.XFree(ctypes.c_void_p(data))  # what XDestroyImage, a macro, would do
        xlib.XFree(ctypes.c_void_p(image))
        colour = "%02X%02X%02X" % (red, green, blue)
        if not seen:
            print("watching", file=sys.stderr, flush=True)
        if seen and seen[-1][0] == colour:
            seen[-1][2] = now
        else:
            seen.append([colour, now, now])
        if now >= milliseconds:
            break
        time.sleep(0.003)
    for colour, first, last in seen:
        print(colour, first, last)


if __name__ == "__main__":
    main()

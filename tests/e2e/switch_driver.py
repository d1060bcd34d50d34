#!/usr/bin/env python3
"""Works the switch file that SorvaneE2E.exe reads, with millisecond timing.

    switch_driver.py FILE taps COUNT LENGTH_MS GAP_MS   taps, one after another
    switch_driver.py FILE releases COUNT LENGTH_MS GAP_MS
                                                        the same taps; prints the time of
                                                        every release instead
    switch_driver.py FILE hold LENGTH_MS [CHATTER_AT_MS] a hold, optionally with
                                                        30 ms of contact chatter
    switch_driver.py FILE release-chatter LENGTH_MS CHATTER_MS STEP_MS
                                                        a hold whose release bounces:
                                                        open and closed by turns every
                                                        STEP_MS for CHATTER_MS, then open
    switch_driver.py FILE states                        the states on stdin, one "MS STATE"
                                                        a line: STATE ("1", "01", "11", "0")
                                                        written MS after the start
Prints the Unix time in ms of every press (or release), one a line.

    switch_driver.py FILE at UNIX_MS COMMAND ...       the same, from Unix time UNIX_MS
                                                        (started early, so the time holds
                                                        however slow Python is to start)
"""
import sys
import time


def write(path, state):
    with open(path, "w") as switch:
        switch.write(state)


def now_ms():
    return int(time.time() * 1000)


def sleep_until(deadline):
    while True:
        left = deadline - time.monotonic()
        if left <= 0:
            return
        time.sleep(min(left, 0.002))


def main():
    path, command, rest = sys.argv[1], sys.argv[2], sys.argv[3:]
    if command == "at":
        time.sleep(max(0, int(rest[0]) / 1000 - time.time()))
        command, rest = rest[1], rest[2:]
    if command == "states":
        start = time.monotonic()
        for line in sys.stdin:
            offset, state = line.split()
            sleep_until(start + int(offset) / 1000)
            write(path, state)
        return
    numbers = [int(a) for a in rest]
    if command in ("taps", "releases"):
        count, length, gap = numbers
        for _ in range(count):
            start = time.monotonic()
            write(path, "1")
            if command == "taps":
                print(now_ms(), flush=True)
            sleep_until(start + length / 1000)
            write(path, "0")
            if command == "releases":
                print(now_ms(), flush=True)
            sleep_until(start + (length + gap) / 1000)
    elif command == "release-chatter":
        length, chatter, step = numbers
        start = time.monotonic()
        write(path, "1")
        print(now_ms(), flush=True)
        sleep_until(start + length / 1000)
        for i in range(chatter // step):
            write(path, "0" if i % 2 == 0 else "1")
            sleep_until(start + (length + step * (i + 1)) / 1000)
        write(path, "0")
    elif command == "hold":
        length = numbers[0]
        chatter_at = numbers[1] if len(numbers) > 1 else None
        start = time.monotonic()
        write(path, "1")
        print(now_ms(), flush=True)
        if chatter_at is not None:
            # Contacts that bounce: 7 ms open, 7 ms closed, for 30 ms.
            sleep_until(start + chatter_at / 1000)
            for step in range(4):
                write(path, "0" if step % 2 == 0 else "1")
                sleep_until(start + (chatter_at + 7 * (step + 1)) / 1000)
            write(path, "1")
        sleep_until(start + length / 1000)
        write(path, "0")
    else:
        sys.exit("unknown command " + command)


main()

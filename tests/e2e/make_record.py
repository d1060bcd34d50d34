"""Writes a made-up switch record: presses over the last DAYS days, slower in
the afternoon and quicker week by week, a few ignored; with --bytes, as many
as fill that size.
  make_record.py FILE DAYS [--bytes N]"""
import datetime
import random
import sys

path, days = sys.argv[1], int(sys.argv[2])
size = int(sys.argv[4]) if len(sys.argv) > 4 and sys.argv[3] == "--bytes" else 0
random.seed(7)
header = "\ufeff日時,スイッチ,押していた時間(ms),判定,理由,点灯位置,点灯していた時間(ms),送ったボタン,モード\r\n"
now = datetime.datetime.now().replace(microsecond=0)
start = (now - datetime.timedelta(days=days - 1)).replace(hour=0, minute=0, second=0)


def line(at):
    afternoon = 13 <= at.hour < 17
    weeks_in = (at - start).days / 7
    lit = int(random.gauss(1300 + (700 if afternoon else 0) - 120 * weeks_in, 250))
    lit = max(150, lit)
    if random.random() < (0.18 if afternoon else 0.06):
        verdict, reason, sent = "無視", "受付時間より短い", ""
        down = random.randint(30, 90)
    else:
        verdict, reason, sent = "受付", "", str(random.randint(1, 4))
        down = random.randint(150, 500)
    stamp = at.strftime("%Y-%m-%d %H:%M:%S.") + "%03d" % random.randint(0, 999)
    return f"{stamp},1,{down},{verdict},{reason},{random.randint(1, 4)},{lit},{sent},通常\r\n"


with open(path, "w", encoding="utf-8", newline="") as out:
    out.write(header)
    written = len(header.encode("utf-8"))
    # Sessions at 9-12 and 13-16 on most days; --bytes repeats the month.
    while True:
        day = start
        while day.date() <= now.date():
            for hour in (9, 10, 11, 13, 14, 15, 16):
                if random.random() < 0.2:
                    continue
                at = day.replace(hour=hour)
                for _ in range(random.randint(8, 40) if not size else 400):
                    at += datetime.timedelta(seconds=random.randint(2, 8))
                    if at > now:
                        break
                    text = line(at)
                    out.write(text)
                    written += len(text.encode("utf-8"))
            day += datetime.timedelta(days=1)
        if not size or written >= size:
            break

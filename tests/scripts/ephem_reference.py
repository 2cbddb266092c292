"""Compares the ephemerides of brevane-ephemerides with python3-ephem.

Reads the tool's JSON lines on standard input; prints each disagreement and exits 1 when
there is one. Illuminated fraction within 1 point, event times within 3 minutes.
"""
import datetime
import json
import sys
from zoneinfo import ZoneInfo

import ephem

ZONE = ZoneInfo("Europe/Paris")
TIME_TOLERANCE = datetime.timedelta(minutes=3)
PERCENT_TOLERANCE = 1.0


def observer(lat, lon):
    o = ephem.Observer()
    o.lat, o.lon = str(lat), str(lon)
    o.elevation = 0
    return o


def events(lat, lon, body, method, start, end):
    """Every event of one kind between two aware datetimes, as aware UTC datetimes."""
    o = observer(lat, lon)
    o.date = ephem.Date(start.astimezone(datetime.timezone.utc).replace(tzinfo=None))
    found = []
    while True:
        try:
            t = getattr(o, method)(body)
        except (ephem.AlwaysUpError, ephem.NeverUpError):
            return found
        when = t.datetime().replace(tzinfo=datetime.timezone.utc)
        if when >= end:
            return found
        found.append(when)
        o.date = t + ephem.minute


KINDS = {
    "moonrise": (ephem.Moon, "next_rising"),
    "moontransit": (ephem.Moon, "next_transit"),
    "moonset": (ephem.Moon, "next_setting"),
    "moonlowertransit": (ephem.Moon, "next_antitransit"),
    "sunrise": (ephem.Sun, "next_rising"),
    "sunset": (ephem.Sun, "next_setting"),
}


def unmatched(ours, theirs, start, end):
    """Times of one list with no partner in the other, ignoring those at the day's edges."""
    lonely = []
    for t in ours:
        near_edge = t - start < TIME_TOLERANCE or end - t < TIME_TOLERANCE
        if not near_edge and not any(abs(t - u) <= TIME_TOLERANCE for u in theirs):
            lonely.append(t)
    return lonely


def check(day):
    if "error" in day:
        return ["illisible : " + day["error"]]
    problems = []
    lat, lon = day["latitude"], day["longitude"]
    date = datetime.date.fromisoformat(day["day"])
    start = datetime.datetime.combine(date, datetime.time(0), ZONE)
    end = datetime.datetime.combine(date + datetime.timedelta(days=1), datetime.time(0), ZONE)
    noon = datetime.datetime.combine(date, datetime.time(12), ZONE)
    moon = ephem.Moon(ephem.Date(noon.astimezone(datetime.timezone.utc).replace(tzinfo=None)))
    if abs(moon.phase - day["illuminated"]) > PERCENT_TOLERANCE:
        problems.append(f"éclairement {day['illuminated']:.2f} au lieu de {moon.phase:.2f}")
    for kind, (body, method) in KINDS.items():
        ours = [datetime.datetime.fromisoformat(t) for t in day[kind]]
        if any(t.utcoffset() != t.astimezone(ZONE).utcoffset() for t in ours):
            problems.append(f"{kind} : décalage horaire faux {day[kind]}")
        theirs = events(lat, lon, body(), method, start, end)
        for t in unmatched(ours, theirs, start, end):
            problems.append(f"{kind} {t.isoformat()} absent chez ephem {theirs}")
        for t in unmatched(theirs, ours, start, end):
            problems.append(f"{kind} {t.isoformat()} d'ephem absent chez nous {day[kind]}")
    return [f"{day.get('day')} {lat:.2f},{lon:.2f} : {p}" for p in problems]


def main():
    days = [json.loads(line) for line in sys.stdin if line.strip()]
    problems = [p for day in days for p in check(day)]
    for p in problems:
        print(p)
    print(f"{len(days)} jours comparés, {len(problems)} écarts")
    return 1 if problems or not days else 0


if __name__ == "__main__":
    sys.exit(main())

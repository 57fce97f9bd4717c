#!/usr/bin/env python3
"""Writes catalog.tsv: the public stations of public-stations.tsv followed by made-up stations
and clips on the reserved example hosts (example.com, example.net, example.org).

The made-up part is generated, not random, so the file comes out the same on every run. It is
built to cover what the client has to cope with: every stream address form the client
classifies, every genre and category of its menus, audio and video, unknown speeds and lengths,
every location shape its location cleaning handles, and a few names the service has to clean
before they go on a page.

Run from anywhere: python3 directory/make_catalog.py
"""

import csv
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
PUBLIC = os.path.join(HERE, "public-stations.tsv")
OUTPUT = os.path.join(HERE, "catalog.tsv")

COLUMNS = ["kind", "name", "title", "additional", "stream_url", "site", "format", "city", "region",
           "styles", "category", "bitrate", "seconds", "video"]

CATEGORIES = ["College", "Religious", "Talk/News", "Live Television", "Special"]

MUSIC_STYLES = ["50s", "60s", "70s", "80s", "90s", "Alternative", "Adult Contemporary", "Big Band",
                "Blues", "Calypso", "Celtic", "Classical", "Country", "Dance", "Experimental", "Goth",
                "Industrial", "Jazz", "Metal", "New Age", "Oldtime", "Oldies", "Pop", "Punk", "Rock",
                "Reggae", "Ska", "Swing", "Techno", "Zydeco"]

# Style spellings that the genre keyword lists must also find ("50's", "1950", "fifties", ...).
STYLE_SPELLINGS = {
    "50s": ["50s", "50's", "1950", "Fifties"],
    "60s": ["60s", "60's", "1960", "Sixties"],
    "70s": ["70s", "70's", "1970", "Seventies"],
    "80s": ["80s", "80's", "1980", "Eighties"],
    "90s": ["90s", "90's", "1990", "Nineties"],
    "Ska": ["Ska", "Ska-Punk", "Ska/Reggae", "Skamusic", "Skabeat Sound"],
    "Techno": ["Techno", "Techno-Pop", "Techno/Trance", "Technomusic", "Techno"],
}

# Stream address forms: (key, template, family). {slug} and {n} are filled in per entry.
ADDRESS_FORMS = [
    ("ra", "http://stream.example.com/live/{slug}.ra", "real"),
    ("ram", "http://stream.example.com/live/{slug}.ram", "real"),
    ("rm", "http://stream.example.com/media/{slug}.rm", "real"),
    ("rpm", "http://stream.example.com/media/{slug}.rpm", "real"),
    ("smi", "http://stream.example.com/media/{slug}.smi", "real"),
    ("smil", "http://stream.example.com/media/{slug}.smil", "real"),
    ("rmm", "http://stream.example.com/media/{slug}.rmm", "real"),
    ("asf", "http://media.example.net/{slug}.asf", "media"),
    ("asx", "http://media.example.net/{slug}.asx", "media"),
    ("wma", "http://media.example.net/{slug}.wma", "media"),
    ("wmv", "http://media.example.net/{slug}.wmv", "media"),
    ("wax", "http://media.example.net/{slug}.wax", "media"),
    ("xdm", "http://xdm.example.org/{slug}.xdm", "streamworks"),
    ("pls", "http://radio.example.org:8000/{slug}.pls", "mp3"),
    ("m3u", "http://radio.example.org:8000/{slug}.m3u", "mp3"),
    ("mp3", "http://radio.example.org:8000/{slug}.mp3", "mp3"),
    ("makeasx", "http://media.example.net/cgi-bin/makeasx.asp?id={n}", "media"),
    ("makeram", "http://stream.example.com/cgi-bin/makeram.cgi?s={n}", "real"),
    ("rtsp-rm", "rtsp://live.example.com/{slug}.rm", "real"),
    ("rtsp", "rtsp://live.example.com/{slug}", "real"),
    ("ram-query", "http://stream.example.com/live/{slug}.ram?id={n}", "other"),
    ("asx-query", "http://media.example.net/{slug}.asx?user=guest", "other"),
    ("bare", "http://radio.example.org:8000/{slug}", "other"),
]

# Forms that can carry pictures; the rest are audio only.
VIDEO_CAPABLE = {"rm", "smil", "smi", "asf", "asx", "wmv", "makeasx", "makeram", "rtsp-rm", "rtsp",
                 "xdm"}

# Every shape the client's location cleaning handles, plus ordinary places.
LOCATIONS = [
    ("Dayton", "Ohio"), ("Chicago", "Illinois"), ("Austin", "Texas"), ("Portland", "Oregon"),
    ("Unknown", "Internet"), ("Halifax", "Nova Scotia"), ("Unknown", "Unknown"), ("Cork", "Ireland"),
    ("Unknown", "Ohio"), ("Lyon", "France"), ("", "Ohio"), ("Osaka", "Japan"), ("Dayton", ""),
    ("Perth", "Australia"), ("", ""), ("Juneau", "Alaska"), ("Memphis", "Tennessee"),
    ("Lafayette", "Louisiana"), ("Kingston", "Jamaica"), ("Glasgow", "Scotland"),
]

# Bit rates in kbit/s, 0 = unknown; they sit on and just above the client's speed ceilings.
BITRATES = ["0", "16", "20", "24", "28", "28.8", "32", "33", "40", "56", "0", "64", "96", "128", "160",
            "300", "320", "0"]

# Clip lengths in seconds, 0 = unknown.
LENGTHS = [0, 59, 60, 125, 245, 1800, 3600, 0, 95, 4210]

FIRST_WORDS = ["Amber", "Blue Heron", "Cedar", "Driftwood", "Foxglove", "Harbor", "Ivy", "Juniper",
               "Kestrel", "Lantern", "Marigold", "Nightjar", "Orchard", "Pinecone", "Quarry",
               "Riverbend", "Saltmarsh", "Thistledown", "Upland", "Willow", "Yarrow", "Meadowlark",
               "Copper Kettle", "Lighthouse", "Old Mill"]
LAST_WORDS = ["Radio", "FM", "Airwaves", "Wireless", "Stream", "Broadcast"]

CLIP_SHAPES = ["Live Set", "Studio Session", "Interview", "Lecture", "Concert", "Documentary",
               "Rehearsal", "Field Recording"]
CLIP_NOTES = ["Recorded 1997", "Part 2", "Encore", "Complete Performance", "", "Highlights",
              "Archive Copy", "Morning Broadcast"]

CATEGORY_NAMES = {
    "College": ["Campus Voice", "Student Union", "Quad", "Lecture Hall"],
    "Religious": ["Morning Hymns", "Chapel Bells", "Gospel Hour", "Evening Vespers"],
    "Talk/News": ["Town Crier", "Newsdesk", "Open Line", "Morning Report"],
    "Live Television": ["Channel Nine", "Harbor Vision", "Valley TV", "Metro Screen"],
    "Special": ["County Fire Dispatch Scanner", "Police Band Monitor", "Emergency Weather Watch",
                "Airport Tower Feed"],
}


def slug(text):
    return "".join(c.lower() if c.isalnum() else "-" for c in text).strip("-")


def format_text(family, video):
    if family == "real":
        return "RealVideo" if video else "RealAudio"
    if family == "media":
        return "Windows Media Video" if video else "Windows Media Audio"
    if family == "streamworks":
        return "StreamWorks"
    if family == "mp3":
        return "MP3"
    return ""  # shown as "Unknown" by the client


def address(form_index, name, n):
    key, template, family = ADDRESS_FORMS[form_index]
    return key, template.format(slug=slug(name), n=n), family


def pick_form(n, video):
    """Cycles through every address form; a video entry only through forms that carry pictures."""
    if not video:
        return n % len(ADDRESS_FORMS)
    video_forms = [i for i, form in enumerate(ADDRESS_FORMS) if form[0] in VIDEO_CAPABLE or form[0] == "wmv"]
    return video_forms[n % len(video_forms)]


def row(kind, name="", title="", additional="", stream_url="", site="", fmt="", city="", region="",
        styles="", category="", bitrate="0", seconds=0, video=False):
    return [kind, name, title, additional, stream_url, site, fmt, city, region, styles, category,
            bitrate, str(seconds), "1" if video else "0"]


def public_rows():
    """The public stations as listed: bit rates and formats are not known, so 0 and empty."""
    rows = []
    with open(PUBLIC, newline="", encoding="utf-8") as f:
        lines = [line for line in f if not line.startswith("#")]
    for rec in csv.DictReader(lines, delimiter="\t"):
        styles = [s for s in rec["styles"].split(",") if s]
        categories = [s for s in styles if s in CATEGORIES]
        music = [s for s in styles if s not in CATEGORIES]
        rows.append(row("live", name=rec["name"], stream_url=rec["stream_url"], site=rec["site"],
                        city=rec["city"], region=rec["region"], styles=",".join(music),
                        category=categories[0] if categories else ""))
    return rows


class Generator:
    def __init__(self):
        self.n = 0

    def next(self):
        self.n += 1
        return self.n

    def station(self, name, styles, category, video_wanted=None):
        n = self.next()
        form = pick_form(n, video_wanted)
        key, url, family = address(form, name, n)
        video = video_wanted if video_wanted is not None else key == "wmv" or (key in VIDEO_CAPABLE and n % 3 == 0)
        city, region = LOCATIONS[n % len(LOCATIONS)]
        return row("live", name=name, stream_url=url, site=f"http://www.example.com/stations/{slug(name)}.htm",
                   fmt=format_text(family, video), city=city, region=region, styles=styles,
                   category=category, bitrate=BITRATES[n % len(BITRATES)], video=video)

    def clip(self, title, additional, styles, video):
        n = self.next()
        key, url, family = address(pick_form(n * 7, video), title, n)
        video = video or key == "wmv"
        city, region = LOCATIONS[(n * 3) % len(LOCATIONS)]
        return row("clip", title=title, additional=additional, stream_url=url,
                   site=f"http://www.example.org/archive/{slug(title)}.htm", fmt=format_text(family, video),
                   city=city, region=region, styles=styles, bitrate=BITRATES[(n * 5) % len(BITRATES)],
                   seconds=LENGTHS[n % len(LENGTHS)], video=video)


def music_stations(gen):
    rows = []
    for i, style in enumerate(MUSIC_STYLES):
        spellings = STYLE_SPELLINGS.get(style, [style])
        for j in range(5):
            first = FIRST_WORDS[(i * 5 + j) % len(FIRST_WORDS)]
            last = LAST_WORDS[(i + j) % len(LAST_WORDS)]
            spelled = spellings[j % len(spellings)]
            rows.append(gen.station(f"{first} {spelled} {last}", spelled, ""))
    return rows


def category_stations(gen):
    rows = []
    for category in CATEGORIES:
        for j, base in enumerate(CATEGORY_NAMES[category]):
            for k, last in enumerate(["Radio", "Live"]):
                video = True if category == "Live Television" else None
                styles = MUSIC_STYLES[(j * 2 + k) % len(MUSIC_STYLES)] if category == "College" else ""
                rows.append(gen.station(f"{base} {last}", styles, category, video))
    return rows


def awkward_stations(gen):
    """Names the service must clean, and near misses for the genre markers."""
    return [
        gen.station('Late Night "Request" Line <Beta>', "Rock", ""),
        gen.station("Rock && Roll Hour", "Rock,Oldies", ""),
        gen.station("Starlight Radio**", "Pop", ""),
        gen.station("Juneau Country Hour", "Country", ""),
        gen.station("Tuskan Nights", "Jazz", ""),
        gen.station("Acidtechno Underground", "Dance", ""),
        gen.station("Technocrat Talk Hour", "Dance", ""),
        gen.station("Rhythm & Blues Parlour", "Blues", ""),
        gen.station("Café Olé Radio", "Calypso", ""),
    ]


def clips(gen):
    rows = []
    for i in range(120):
        style = MUSIC_STYLES[i % len(MUSIC_STYLES)]
        first = FIRST_WORDS[(i * 7) % len(FIRST_WORDS)]
        shape = CLIP_SHAPES[i % len(CLIP_SHAPES)]
        note = CLIP_NOTES[(i // 3) % len(CLIP_NOTES)]
        video = i % 4 == 1 or shape == "Documentary"
        rows.append(gen.clip(f"{first} {style} {shape}", note, style, video))
    rows.append(gen.clip("Harbor Lights: The Reunion", "Live at the Old Mill: 1969", "Rock", False))
    rows.append(gen.clip("", "Untitled Jam Session", "Jazz", False))
    return rows


def main():
    gen = Generator()
    rows = public_rows() + music_stations(gen) + category_stations(gen) + awkward_stations(gen) + clips(gen)
    with open(OUTPUT, "w", newline="", encoding="utf-8") as f:
        f.write("# Generated by make_catalog.py; edit that script, not this file.\n")
        f.write("# Columns are described in README.md. Bit rate and seconds 0 mean unknown.\n")
        f.write("\t".join(COLUMNS) + "\n")
        for r in rows:
            assert len(r) == len(COLUMNS) and not any("\t" in c or "\n" in c for c in r), r
            f.write("\t".join(r) + "\n")
    print(f"{OUTPUT}: {len(rows)} entries", file=sys.stderr)


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Writes a made-up station list in the community directory's JSON form, for benchmarks.

    make_stations_json.py [COUNT] [OUTPUT]

COUNT stations (default 50000) go to OUTPUT (default standard output). The same COUNT always
gives the same list. Names, tags and places are drawn from small word lists so keyword searches
find anything from a handful to thousands of stations; votes follow a long tail like a real list.
"""
import json
import random
import sys
import uuid

WORDS = ["Radio", "FM", "Classic", "Hits", "Jazz", "Rock", "Metal", "Soul", "Country", "Public",
         "Community", "Campus", "News", "Talk", "Sunshine", "Coast", "City", "Valley", "Mountain",
         "River", "Star", "Wave", "Pulse", "Echo", "Groove", "Vibe", "Beat", "Melody", "Harmony",
         "Nova", "Planet", "Cosmos", "Retro", "Gold", "Oldies", "Dance", "Club", "Chill", "Lounge",
         "Blues", "Folk", "Latino", "Café", "Música", "Rádio", "Klassik", "Welle", "Sender"]
TAGS = ["pop", "rock", "jazz", "classical", "news", "talk", "80s", "90s", "oldies", "dance",
        "electronic", "house", "techno", "ska", "reggae", "blues", "country", "folk", "hip-hop",
        "metal", "ambient", "chillout", "latin", "world music", "christian", "sports", "top 40",
        "community radio", "college radio", "public radio", "alternative", "indie", "soul", "funk"]
PLACES = [("Germany", "DE", ["Bavaria", "Berlin", "Hamburg", "Saxony"]),
          ("The United States Of America", "US", ["Ohio", "California", "Texas", "New York"]),
          ("France", "FR", ["Île-de-France", "Brittany", "Occitanie"]),
          ("Brazil", "BR", ["São Paulo", "Bahia", "Paraná"]),
          ("Japan", "JP", ["Tokyo", "Osaka"]),
          ("United Kingdom", "GB", ["England", "Scotland", "Wales"]),
          ("Spain", "ES", ["Madrid", "Catalonia", "Andalusia"]),
          ("Canada", "CA", ["Ontario", "Quebec"]),
          ("", "", [""])]
CODECS = [("MP3", 0.55), ("AAC", 0.2), ("AAC+", 0.1), ("OGG", 0.05), ("OPUS", 0.03),
          ("FLAC", 0.02), ("UNKNOWN", 0.05)]
LANGUAGES = ["english", "german", "french", "portuguese", "spanish", "japanese", ""]


def station(rng, index):
    words = rng.sample(WORDS, rng.randint(1, 3))
    name = " ".join(words) + " " + str(index)
    country, code, states = rng.choice(PLACES)
    codec = rng.choices([c for c, _ in CODECS], [w for _, w in CODECS])[0]
    hls = 1 if rng.random() < 0.04 else 0
    host = "stream%d.example.net" % index
    url = "http://%s/live" % host
    return {
        "changeuuid": str(uuid.UUID(int=rng.getrandbits(128))),
        "stationuuid": str(uuid.UUID(int=rng.getrandbits(128))),
        "serveruuid": None,
        "name": name,
        "url": url,
        "url_resolved": url + (".m3u8" if hls else rng.choice(["", ".mp3", "/stream", ".aac"])),
        "homepage": "https://www.example.org/station/%d" % index,
        "favicon": "https://www.example.org/icons/%d.png" % index,
        "tags": ",".join(rng.sample(TAGS, rng.randint(0, 5))),
        "country": country,
        "countrycode": code,
        "iso_3166_2": None,
        "state": rng.choice(states),
        "language": rng.choice(LANGUAGES),
        "languagecodes": "",
        "votes": int(rng.paretovariate(1.2)) - 1,
        "lastchangetime": "2024-01-01 00:00:00",
        "lastchangetime_iso8601": "2024-01-01T00:00:00Z",
        "codec": codec,
        "bitrate": rng.choice([0, 32, 48, 64, 96, 128, 128, 192, 256, 320]),
        "hls": hls,
        "lastcheckok": 0 if rng.random() < 0.05 else 1,
        "lastchecktime": "2024-01-01 00:00:00",
        "lastcheckoktime": "2024-01-01 00:00:00",
        "clicktimestamp": "2024-01-01 00:00:00",
        "clickcount": rng.randint(0, 5000),
        "clicktrend": rng.randint(-50, 50),
        "ssl_error": 0,
        "geo_lat": None,
        "geo_long": None,
        "has_extended_info": False,
    }


def main():
    count = int(sys.argv[1]) if len(sys.argv) > 1 else 50000
    rng = random.Random(count)
    stations = [station(rng, i) for i in range(count)]
    out = open(sys.argv[2], "w", encoding="utf-8") if len(sys.argv) > 2 else sys.stdout
    json.dump(stations, out, ensure_ascii=False)
    out.write("\n")
    if out is not sys.stdout:
        out.close()


if __name__ == "__main__":
    main()

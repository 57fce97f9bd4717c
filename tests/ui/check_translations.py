#!/usr/bin/env python3
"""Each translation is complete for the sources as they are now: lupdate, run over copies of the
.ts files, finds nothing unfinished, obsolete or vanished, and every translation keeps its
source's placeholders and, where the source has one, an access key."""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

lupdate, sources, *ts_files = sys.argv[1:]


def access_key(text):
    return re.search(r"&[^&]", text.replace("&&", "")) is not None


problems = []
with tempfile.TemporaryDirectory() as folder:
    copies = [pathlib.Path(shutil.copy(ts, folder)) for ts in ts_files]
    subprocess.run([lupdate, sources, "-locations", "none", "-silent", "-ts", *map(str, copies)], check=True)
    for copy in copies:
        for context in ET.parse(copy).getroot().iter("context"):
            for message in context.iter("message"):
                source = message.findtext("source")
                translation = message.find("translation")
                text = translation.text or ""
                where = f"{copy.name} {context.findtext('name')} {source!r}"
                if translation.get("type") or not text:
                    problems.append(f"{where}: {translation.get('type') or 'empty'}")
                elif set(re.findall(r"%\d", source)) != set(re.findall(r"%\d", text)):
                    problems.append(f"{where}: placeholders differ in {text!r}")
                elif access_key(source) != access_key(text):
                    problems.append(f"{where}: access key lost or added in {text!r}")
print("\n".join(problems) or f"{len(ts_files)} translations complete")
sys.exit(1 if problems else 0)

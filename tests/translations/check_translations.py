#!/usr/bin/env python3
"""Checks each translation of the game against the code.

Usage: check_translations.py <lupdate> <source folder> <translation.ts>...

A translation passes when lupdate, run over the sources, leaves it exactly as committed
(no text of the game is missing from it and none it holds has left the game), and every
text in it is translated: finished, not empty, with the same numbered parts ("%1") as its
English and one shortcut letter ("&") where its English has one.
"""

import difflib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
from pathlib import Path

PART = re.compile(r"%[1-9]")
SHORTCUT = re.compile(r"&(?=[^&\s])")


def up_to_date(lupdate, sources, ts):
    with tempfile.TemporaryDirectory() as folder:
        fresh = Path(folder) / ts.name
        shutil.copyfile(ts, fresh)
        subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none",
                        str(sources), "-ts", str(fresh)], check=True)
        committed = ts.read_text(encoding="utf-8").splitlines(keepends=True)
        updated = fresh.read_text(encoding="utf-8").splitlines(keepends=True)
    if committed == updated:
        return []
    diff = "".join(difflib.unified_diff(committed, updated, str(ts), "after lupdate"))
    return [f"{ts.name} is not up to date with the code; run lupdate as this test does "
            f"and translate what it adds:\n{diff}"]


def translated(ts):
    problems = []
    for context in ElementTree.parse(ts).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            text = translation.text if translation is not None else None
            where = f"{ts.name}, {name}: {source!r}"
            if translation is None or translation.get("type") or not text:
                problems.append(f"{where} is not translated")
                continue
            if sorted(PART.findall(source)) != sorted(PART.findall(text)):
                problems.append(f"{where}: the parts differ in {text!r}")
            if len(SHORTCUT.findall(source)) != len(SHORTCUT.findall(text)):
                problems.append(f"{where}: the shortcut letters differ in {text!r}")
    return problems


def main(lupdate, sources, *translations):
    problems = []
    for ts in map(Path, translations):
        problems += up_to_date(lupdate, Path(sources), ts) + translated(ts)
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))

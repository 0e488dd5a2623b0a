#!/usr/bin/env python3
"""Compiles every source of the given folders with g++ and the warnings the play build asks
for, as errors, and fails when g++ warns of anything.

The test build is made with clang; the game that players build is made with g++, whose
warnings differ. This check reads the test build's compile commands (include folders and
definitions), runs g++ over the sources of the game and its shipped tools with
-fsyntax-only, which finds every warning of g++'s front end, and prints each warning
with its file and line.

  gcc_warnings.py <g++> <compile_commands.json> <folder>...
"""

import json
import os
import shlex
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor
from pathlib import Path

WARNINGS = ["-Wall", "-Wextra", "-Wpedantic", "-Werror"]
# What g++ needs of a command: the definitions, the include folders and the language; not
# clang's own options, such as its precompiled header (each source is compiled on its own).
KEPT_PREFIXES = ("-D", "-I", "-std=")
KEPT_WITH_VALUE = {"-isystem", "-I", "-D"}


def gcc_command(compiler, entry):
    """The g++ command that checks one entry of compile_commands.json."""
    arguments = entry.get("arguments") or shlex.split(entry["command"])
    kept = []
    words = iter(arguments[1:])
    for word in words:
        if word == "-Xclang":
            next(words)
        elif word in KEPT_WITH_VALUE:
            kept += [word, next(words)]
        elif word.startswith(KEPT_PREFIXES):
            kept.append(word)
    return [compiler, "-fsyntax-only", *WARNINGS, *kept, entry["file"]]


def check(compiler, entry):
    result = subprocess.run(gcc_command(compiler, entry), cwd=entry["directory"],
                            capture_output=True, text=True, check=False)
    return entry["file"], result.returncode, result.stdout + result.stderr


def main(arguments):
    if len(arguments) < 3:
        print(__doc__.strip().splitlines()[-1].strip(), file=sys.stderr)
        return 2
    compiler, commands = arguments[0], Path(arguments[1])
    folders = [Path(folder).resolve() for folder in arguments[2:]]
    entries = [entry for entry in json.loads(commands.read_text(encoding="utf-8"))
               if any(Path(entry["file"]).resolve().is_relative_to(folder)
                      for folder in folders)]
    if not entries:
        print("no sources of " + ", ".join(map(str, folders)) + f" in {commands}",
              file=sys.stderr)
        return 2
    with ThreadPoolExecutor(max_workers=os.cpu_count() or 1) as pool:
        results = list(pool.map(lambda entry: check(compiler, entry), entries))
    failed = [(file, output) for file, status, output in results if status != 0]
    for file, output in failed:
        print(output.rstrip() or f"{file}: g++ failed without a word")
    if failed:
        print(f"g++ warns of {len(failed)} of {len(results)} sources")
        return 1
    print(f"g++ compiles {len(results)} sources without a warning")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

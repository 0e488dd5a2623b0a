#!/usr/bin/env python3
"""Fails when an include under src/ points the wrong way between the game's layers.

Every layer library exports the whole src/ folder as its include path, so the compiler
accepts any include; this check is what keeps the layers apart:

- a file includes headers of its own layer and of the layers below it, never above;
- src/rules includes its own headers and the standard library only, none of it that reads
  or writes the outside world or runs threads: the rules run whole games in a unit test;
- src/platform includes nothing of the game: neither another layer nor a header of the
  other folders named (the tools', the build's);
- a class derives only from classes of its own layer (and the libraries'): a layer that
  implemented an interface of another would be called back by it, around the one way down
  from the window to the game to the rules. Layers answer with values instead.

Every broken rule is printed as "file:line: ..." and the exit code is 1; a clean tree
prints a summary and exits with 0.
"""

import re
import sys
from pathlib import Path

# From the bottom up. Layers on the same step sit side by side: neither includes the other.
LAYER_STEPS = {
    "platform": 0,
    "rules": 0,
    "skinformat": 1,
    "persistence": 2,
    "presentation": 3,
    "dialogs": 4,
    "app": 5,
}

# What the rules may take from the standard library: computation, containers and text in
# memory, and <ctime> for the seed of the random source. Not streams, files, the
# environment, clocks that would bypass the game's injected ticks, or threads.
RULES_STANDARD_HEADERS = {
    "algorithm", "any", "array", "bit", "bitset", "cassert", "cctype", "cfloat",
    "charconv", "cinttypes", "climits", "cmath", "compare", "concepts", "cstddef",
    "cstdint", "cstring", "ctime", "deque", "exception", "format", "functional",
    "initializer_list", "iterator", "limits", "list", "map", "memory", "new", "numbers",
    "numeric", "optional", "queue", "ranges", "ratio", "set", "source_location", "span",
    "stack", "stdexcept", "string", "string_view", "tuple", "type_traits", "typeinfo",
    "unordered_map", "unordered_set", "utility", "variant", "vector", "version",
}

USAGE = "usage: check_layers.py <source folder> [<folder of other headers>...]"
SOURCE_SUFFIXES = {".h", ".hpp", ".cpp", ".cc"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
# A class or struct defined with its bases, up to the brace that opens its body.
CLASS_WITH_BASES = re.compile(r"\b(?:class|struct)\s+(\w+)(?:\s+final)?\s*:(?!:)([^{;]*)\{")
# A class or struct defined (not only declared) at the start of a line.
CLASS_DEFINED = re.compile(r"^\s*(?:class|struct)\s+(\w+)\b(?!\s*;)", re.MULTILINE)


def layer_of(path, src):
    """The layer folder a file under src/ belongs to, or None for src/ itself."""
    parts = path.relative_to(src).parts
    return parts[0] if len(parts) > 1 else None


def resolve_in_src(name, quoted, including, src):
    """The file under src/ that an include names, or None when it names none."""
    candidates = [including.parent / name] if quoted else []
    candidates.append(src / name)
    for candidate in candidates:
        resolved = candidate.resolve()
        if resolved.is_file() and resolved.is_relative_to(src):
            return resolved
    return None


def tool_headers(folders):
    """Paths of every header under the folders, to recognise an include of one of them."""
    return [path.as_posix() for folder in folders if folder.is_dir()
            for path in folder.rglob("*") if path.suffix in {".h", ".hpp"}]


def names_tool_header(name, headers):
    return any(header.endswith("/" + name) for header in headers)


def check_include(source, own, name, quoted, src, headers):
    """What is wrong with one include, or None."""
    shown = f'"{name}"' if quoted else f"<{name}>"
    target = resolve_in_src(name, quoted, source, src)
    target_layer = layer_of(target, src) if target else None

    if own == "rules":
        if target_layer == "rules":
            return None
        if target is None and not quoted and name in RULES_STANDARD_HEADERS:
            return None
        return (f"rules includes {shown}: the rules include only their own headers and the "
                "standard library's in-memory ones (no Qt, SDL, archive, JPEG or platform "
                "header; no streams, files, threads or <chrono>)")

    if own == "platform":
        if target_layer == "platform":
            return None
        if target is not None or names_tool_header(name, headers):
            return (f"platform includes {shown}: the platform adapters include nothing of "
                    "the game, only their own headers, the system's and the libraries'")
        return None

    if target is None or target_layer == own:
        return None
    if target_layer not in LAYER_STEPS:
        return f"{own} includes {shown}, a file in no layer"
    if LAYER_STEPS[target_layer] >= LAYER_STEPS[own]:
        return (f"{own} includes {shown} of {target_layer}, a layer above its own: "
                "includes point down the layers only")
    return None


def defining_layers(sources, src):
    """Each class name defined under src/, with the layers that define it."""
    layers = {}
    for source in sources:
        own = layer_of(source, src)
        for match in CLASS_DEFINED.finditer(source.read_text(encoding="utf-8", errors="replace")):
            layers.setdefault(match.group(1), set()).add(own)
    return layers


def base_faults(source, own, text, layers):
    """Every base class of another layer, as (line, message)."""
    faults = []
    for match in CLASS_WITH_BASES.finditer(text):
        for base in match.group(2).split(","):
            words = re.sub(r"<.*", "", base).split()
            name = words[-1].split("::")[-1] if words else ""
            defined_in = layers.get(name, set())
            if defined_in and own not in defined_in:
                line = text.count("\n", 0, match.start()) + 1
                faults.append((line, f"{own} class {match.group(1)} derives from {name} of "
                                     f"{', '.join(sorted(defined_in))}: that layer would call "
                                     "back through it; answer with values instead"))
    return faults


def check(src, others):
    src = src.resolve()
    headers = tool_headers(others)
    faults = []
    files = 0
    includes = 0
    sources = [path for path in sorted(src.rglob("*"))
               if path.suffix in SOURCE_SUFFIXES and path.is_file()]
    layers = defining_layers(sources, src)
    for source in sources:
        shown_path = source.relative_to(src.parent).as_posix()
        own = layer_of(source, src)
        if own not in LAYER_STEPS:
            faults.append(f"{shown_path}:1: the file is in no layer: every source under src/ "
                          f"belongs to one of {', '.join(LAYER_STEPS)}")
            continue
        files += 1
        text = source.read_text(encoding="utf-8", errors="replace")
        for number, fault in base_faults(source, own, text, layers):
            faults.append(f"{shown_path}:{number}: {fault}")
        lines = text.splitlines()
        for number, line in enumerate(lines, start=1):
            match = INCLUDE.match(line)
            if not match:
                continue
            includes += 1
            fault = check_include(source, own, match.group(2), match.group(1) == '"', src,
                                  headers)
            if fault:
                faults.append(f"{shown_path}:{number}: {fault}")
    return faults, files, includes


def main(arguments):
    if not arguments:
        print(USAGE, file=sys.stderr)
        return 2
    src = Path(arguments[0])
    if not src.is_dir():
        print(f"{src}: no such source folder", file=sys.stderr)
        return 2
    faults, files, includes = check(src, [Path(folder) for folder in arguments[1:]])
    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} include(s) or class(es) break the layer rule")
        return 1
    print(f"{files} files, {includes} includes: every include points down the layers, "
          "no class implements another layer's")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

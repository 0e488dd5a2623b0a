#!/usr/bin/env python3
"""Plants includes of every kind in a small tree laid out like src/, tools/ and game/, and
checks that the layer check reports exactly the wrong-way ones, each at its file and line."""

import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

CHECK = Path(__file__).with_name("check_layers.py")

# Every file of the planted tree, with its lines. A line ending in "# wrong" must be
# reported, with the words after it in the message; no other line may be.
TREE = {
    "game/Pictures.h": ["#pragma once"],
    "tools/skintool/SkinTool.h": ["#pragma once"],
    "src/rules/GameState.h": [
        "#pragma once",
        "#include <array>",
        "#include <ctime>",
        '#include "Text.h"',
        "#include <QString>  # wrong: rules includes <QString>",
        "#include <fstream>  # wrong: no streams, files, threads or <chrono>",
        "#include <chrono>  # wrong: rules includes <chrono>",
        '#include "platform/FileSystem.h"  # wrong: rules includes "platform/FileSystem.h"',
        '#include "Pictures.h"  # wrong: rules includes "Pictures.h"',
    ],
    "src/rules/Text.h": ["#pragma once", "#include <string_view>"],
    "src/platform/FileSystem.h": [
        "#pragma once",
        "#include <QWidget>",
        "#include <unistd.h>",
        '#include "Latin1.h"',
        '#include "rules/GameState.h"  # wrong: platform includes "rules/GameState.h"',
        '#include "Pictures.h"  # wrong: the platform adapters include nothing of the game',
        "#include <Pictures.h>  # wrong: platform includes <Pictures.h>",
        '#include "SkinTool.h"  # wrong: platform includes "SkinTool.h"',
        "#include <skinformat/SkinConfig.h>  # wrong: platform includes <skinformat",
    ],
    "src/platform/Latin1.h": ["#pragma once"],
    "src/skinformat/SkinConfig.h": [
        "#pragma once",
        '#include "rules/GameState.h"',
        '#include "persistence/Saves.h"  # wrong: skinformat includes "persistence/Saves.h"'
        " of persistence, a layer above its own",
    ],
    "src/persistence/Saves.h": [
        "#pragma once",
        '#include "skinformat/SkinConfig.h"',
        '#include "platform/FileSystem.h"',
        '#include "../presentation/Renderer.h"  # wrong: of presentation, a layer above',
    ],
    "src/presentation/Renderer.h": [
        "#pragma once",
        '#include "persistence/Saves.h"',
        "#include <dialogs/Box.h>  # wrong: presentation includes <dialogs/Box.h>",
    ],
    "src/dialogs/Box.h": [
        "#pragma once",
        '#include "Pictures.h"',
        '#include "presentation/Renderer.h"',
        '#include "app/Window.h"  # wrong: of app, a layer above its own',
        "class QWidget;",
        "class TBoxHost {",
        "public:",
        "    virtual void Repaint() = 0;",
        "};",
        "class TBox final : public QDialog {",
        "};",
    ],
    "src/app/Window.h": [
        "#pragma once",
        '#include "dialogs/Box.h"',
        '#include "rules/GameState.h"',
        '#include "platform/Latin1.h"',
        '#include "extra/Stray.h"  # wrong: app includes "extra/Stray.h", a file in no layer',
        "// #include \"nothing/Here.h\" is a comment",
        "class TView;",
        "class TView final : public QWidget {};",
        "class TWindow final : public QMainWindow,",
        "                      public TView,",
        "                      private std::array<int, 2> {};",
        "class THost : public TBoxHost {  # wrong: app class THost derives from TBoxHost of dialogs",
        "};",
        "enum class TSide : uint8_t { Left, Right };",
    ],
    "src/app/main.cpp": ['#include "Window.h"', '  #  include "Window.h"'],
    "src/extra/Stray.h": ["#pragma once  # wrong: the file is in no layer"],
}


def planted(tree_root):
    expected = {}
    for relative, lines in TREE.items():
        path = tree_root / relative
        path.parent.mkdir(parents=True, exist_ok=True)
        code = []
        for number, line in enumerate(lines, start=1):
            text, _, words = line.partition("  # wrong: ")
            code.append(text)
            if words:
                expected[f"{relative}:{number}"] = words
        path.write_text("\n".join(code) + "\n", encoding="utf-8")
    return expected


def run_check(*arguments):
    return subprocess.run([sys.executable, str(CHECK), *map(str, arguments)],
                          capture_output=True, text=True, check=False)


class LayerCheck(unittest.TestCase):
    def test_reports_every_wrong_way_include_at_its_line_and_nothing_else(self):
        with tempfile.TemporaryDirectory() as folder:
            root = Path(folder)
            expected = planted(root)
            result = run_check(root / "src", root / "tools", root / "game")
            self.assertEqual(result.returncode, 1, result.stdout + result.stderr)
            reported = {}
            for line in result.stdout.splitlines()[:-1]:
                place, _, message = line.partition(": ")
                file, number = place.rsplit(":", 1)
                reported[f"{file}:{number}"] = message
            self.assertEqual(sorted(reported), sorted(expected), result.stdout)
            for place, words in expected.items():
                self.assertIn(words, reported[place], place)

    def test_a_clean_tree_passes_and_a_fixed_fault_no_longer_counts(self):
        with tempfile.TemporaryDirectory() as folder:
            root = Path(folder)
            planted(root)
            for relative, lines in TREE.items():
                kept = [line for line in lines if "  # wrong: " not in line]
                (root / relative).write_text("\n".join(kept) + "\n", encoding="utf-8")
            (root / "src/extra/Stray.h").unlink()
            result = run_check(root / "src", root / "tools", root / "game")
            self.assertEqual(result.returncode, 0, result.stdout)
            self.assertIn("every include points down the layers", result.stdout)

    def test_refuses_a_missing_source_folder(self):
        with tempfile.TemporaryDirectory() as folder:
            result = run_check(Path(folder) / "nothing")
            self.assertEqual(result.returncode, 2)
            self.assertIn("no such source folder", result.stderr)


if __name__ == "__main__":
    unittest.main()

#!/usr/bin/env python3
"""Writes the exchange examples of examples/ from the other examples, with Corvane's writer.

Runs corvane-check with --emit url --emit pzprv3 over the example puzzles and writes
  - <kind>.url: the puzz.link URLs of the <kind>-*.txt examples in the three original formats,
  - <name>.pzprv3.txt: the pzprv3 text of a few of them, with the first solution found (the
    puzzle alone when there is none), CR LF line ends as a save writes them.
Usage: make_exchange_examples.py [CHECKER [FOLDER]] (defaults: build/src/cli/corvane-check,
examples/).
"""
import json
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
KINDS = ["unique", "two-solutions", "no-solution"]
# Source example -> name of its pzprv3 file.
PZPRV3 = {
    "unique-5x5.kavrin.txt": "unique-5x5.pzprv3.txt",
    "unique-10x10.nsha.txt": "unique-10x10.pzprv3.txt",
    "two-solutions-4x3.kavrin.txt": "two-solutions-4x3.pzprv3.txt",
    "no-solution-3x3.nsha.txt": "no-solution-3x3.pzprv3.txt",
}


def reports(checker, files):
    """The checker's JSON report of each file, by file name."""
    run = subprocess.run([str(checker), "--json", "-j", "1", "--emit", "url", "--emit", "pzprv3"]
                         + [str(f) for f in files], capture_output=True, text=True)
    out = {}
    for line in run.stdout.splitlines():
        report = json.loads(line)
        out[Path(report["file"]).name] = report
    return out


def main(checker, folder):
    sources = sorted(f for f in folder.glob("*.txt") if not f.name.endswith(".pzprv3.txt"))
    found = reports(checker, sources)
    for kind in KINDS:
        urls = [found[f.name]["url"] for f in sources if f.name.startswith(kind + "-")]
        urls = list(dict.fromkeys(urls))  # one puzzle written in two formats is listed once
        text = f"# The {kind} examples as puzz.link URLs, one per line.\n" + "\n".join(urls)
        (folder / f"{kind}.url").write_bytes((text + "\n").encode("ascii"))
    for source, name in PZPRV3.items():
        text = found[source]["pzprv3"]
        (folder / name).write_bytes(text.replace("\n", "\r\n").encode("ascii"))


if __name__ == "__main__":
    main(Path(sys.argv[1]) if len(sys.argv) > 1 else ROOT / "build/src/cli/corvane-check",
         Path(sys.argv[2]) if len(sys.argv) > 2 else ROOT / "examples")

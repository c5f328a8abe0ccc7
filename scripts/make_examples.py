#!/usr/bin/env python3
"""Writes the example puzzles of examples/ from known path layouts.

Unique puzzles come from tilings of the grid by straight paths (each path joins the two clues
at its ends). Such a puzzle has exactly one solution: the cells are exactly as many as the
shortest paths of all pairs need together, so every pair must take a shortest path, and between
two clues in one row or column the only shortest path is the straight one.
"""
import random
import sys
from pathlib import Path

ALPHABET = ".123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"


def stripes(width, height, seed, max_pairs, min_side=3):
    """Answer grid (rows of pair numbers) of a guillotine partition filled with stripes."""
    rng = random.Random(seed)
    for _ in range(10000):
        rects = []

        def split(x, y, w, h, depth):
            can_v = w >= 2 * min_side
            can_h = h >= 2 * min_side
            if depth >= 5 or not (can_v or can_h) or (depth >= 1 and rng.random() < 0.1):
                rects.append((x, y, w, h))
                return
            if can_v and (not can_h or rng.random() < 0.5):
                cut = rng.randint(min_side, w - min_side)
                split(x, y, cut, h, depth + 1)
                split(x + cut, y, w - cut, h, depth + 1)
            else:
                cut = rng.randint(min_side, h - min_side)
                split(x, y, w, cut, depth + 1)
                split(x, y + cut, w, h - cut, depth + 1)

        split(0, 0, width, height, 0)
        pairs = sum(min(w, h) for (_, _, w, h) in rects)
        if pairs <= max_pairs:
            break
    grid = [[0] * width for _ in range(height)]
    pair = 0
    for (x, y, w, h) in rects:
        if w >= h:  # horizontal stripes, one per row
            for row in range(y, y + h):
                pair += 1
                for col in range(x, x + w):
                    grid[row][col] = pair
        else:
            for col in range(x, x + w):
                pair += 1
                for row in range(y, y + h):
                    grid[row][col] = pair
    return grid


def clues_of(grid):
    """The endpoint rule: a cell is a clue when at most one neighbour has its value."""
    h, w = len(grid), len(grid[0])
    out = [[0] * w for _ in range(h)]
    for y in range(h):
        for x in range(w):
            v = grid[y][x]
            if v == 0:
                continue
            same = sum(1 for (dx, dy) in ((1, 0), (-1, 0), (0, 1), (0, -1))
                       if 0 <= x + dx < w and 0 <= y + dy < h and grid[y + dy][x + dx] == v)
            if same <= 1:
                out[y][x] = v
    return out


def kavrin(clues):
    h, w = len(clues), len(clues[0])
    text, run = f"w{w}h{h}", 0
    for row in clues:
        for v in row:
            if v == 0:
                run += 1
                continue
            text += ("s" + str(run)) if run >= 2 else ("s" if run == 1 else "")
            run = 0
            text += f"n{v}"
    return text + "\r\n"


def nsha(grid):
    def cell(v):
        return str(v) if 1 <= v <= 9 else (f",{v}" if 10 <= v <= 99 else "0")
    return "".join("".join(cell(v) for v in row) + "\r\n" for row in grid)


def nshac(grid, info1="", info2=""):
    largest = max(max(row) for row in grid)
    assert largest < len(ALPHABET)
    lines = ["TABLE\t" + ALPHABET[:largest + 1], "--", f":{info1}:{info2}",
             f";{len(grid[0])}*{len(grid)}"]
    lines += ["".join(ALPHABET[v] for v in row) for row in grid]
    return "".join(line + "\r\n" for line in lines)


def picture(rows):
    return [[0 if c == "." else int(c) for c in row.split()] for row in rows]


def main(folder):
    out = Path(folder)
    files = {}
    files["unique-5x5.kavrin.txt"] = kavrin(clues_of(picture([
        "1 1 1 2 3", "4 4 4 2 3", "5 5 6 2 3", "7 7 6 8 8", "9 9 6 10 10"])))
    files["unique-5x5.nsha.txt"] = nsha(picture([
        "1 2 2 2 2", "1 3 3 4 5", "1 6 6 4 5", "7 7 7 4 5", "8 8 8 8 5"]))
    files["unique-10x10.nsha.txt"] = nsha(stripes(10, 10, 7, 99, 2))
    files["unique-12x10.nshac.txt"] = nshac(stripes(12, 10, 11, 61, 3), "縞模様", "Corvane")
    files["unique-30x30.kavrin.txt"] = kavrin(clues_of(stripes(30, 30, 3, 99, 4)))
    files["unique-30x30.nsha.txt"] = nsha(stripes(30, 30, 5, 99, 4))
    files["unique-40x25.nshac.txt"] = nshac(stripes(40, 25, 9, 61, 5), "", "")
    # Pair 1 goes round the adjacent pair 2 either above or below it.
    files["two-solutions-4x3.kavrin.txt"] = kavrin(picture([". . . .", "1 2 2 1", ". . . ."]))
    files["two-solutions-3x4.nsha.txt"] = nsha(picture(["1 1 0", "1 2 0", "1 2 0", "1 1 0"]))
    files["two-solutions-4x3.nshac.txt"] = nshac(
        picture(["1 1 1 1", "1 2 2 1", ". . . ."]), "二通り", "")
    # Pairs whose paths would have to cross.
    files["no-solution-2x2.kavrin.txt"] = kavrin(picture(["1 2", "2 1"]))
    files["no-solution-3x3.nsha.txt"] = nsha(picture(["1 0 2", "0 0 0", "2 0 1"]))
    files["no-solution-4x4.nshac.txt"] = nshac(
        picture(["1 . . 2", ". 3 3 .", ". . . .", "2 . . 1"]), "", "")
    for name, text in files.items():
        (out / name).write_bytes(text.encode("cp932"))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "examples")

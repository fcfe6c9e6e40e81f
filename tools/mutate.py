#!/usr/bin/env python3
"""Mutation testing for Quintrel: does the test suite notice a fault nobody listed?

The mutants are drawn mechanically. Every line of the game's own C++ (all of
it, except tests/, bench/ and tools/) is read with its comments, strings and
preprocessor lines blanked out, and every place where one of these operators
applies becomes a candidate:

  rel      a relational operator moved across its boundary or negated
           (<  <=  >  >=  ==  !=)
  arith    + and - swapped, * and / swapped, += and -= swapped, ++ and --
  bool     && and || swapped, a ! taken away, true and false swapped
  const    an integer constant one up or one down
  delete   a statement (a call, an assignment, an emit) taken out
  swap     the two arguments of a call swapped
  return   a function returning at once (nothing, false, 0 or {})

From a seed, the lines that hold at least one candidate are put in a random
order, and one candidate is drawn on each, until COUNT mutants have been
built (a mutant that does not compile is "stillborn" and is replaced by the
next one). Drawing a line first keeps long tables of numbers from filling the
sample. The same seed on the same sources draws the same mutants.

Each mutant is applied in a git worktree of its own under the work folder,
never in the working tree: the worktree is the current HEAD plus the working
tree's uncommitted changes. It is built (Release, no debug information, so
that a mutant that leaves every object file byte for byte the same is known to
be equivalent without running anything), then the whole suite runs with
ctest, fastest tests first, stopping at the first failure. The screen reader
test, which plays a real game against the real clock and mostly waits, goes
last: on a copy of the mutant's game, in the background, while the next
mutants build (--readers at once):

  killed       a test failed, crashed or hung (the tests are named);
  survived     every test passed;
  equivalent   the mutant compiled to the same object code ("same code"), or
               it was judged equivalent in tools/mutants.txt (the reason is
               written there);
  stillborn    it did not compile (not counted);
  stale        (when a run is repeated) its line is no longer in the sources.

A survivor that tools/mutants.txt does not judge equivalent is a gap: a test
is missing. The kill rate is killed / (killed + survived); the exit status is
0 when it is at least --target (85 %), 1 otherwise, 2 when the run could not
be made.

Run from the repository root:

  python3 tools/mutate.py --seed 1                  # draw 80 and run them
  python3 tools/mutate.py --seed 1 --list           # only show the draw
  python3 tools/mutate.py --seed 1 --only 3,17      # some of the draw again
  python3 tools/mutate.py --seed 1 --survivors      # the last run's survivors again
  options: --count N (80), --work DIR (build-mutate), --jobs N (2),
           --target PERCENT (85), --candidates (print how many of each kind)

The report is written to WORK/report-seed<N>.md and WORK/results-seed<N>.json;
the build and test output of each mutant to WORK/logs/.

Python 3 standard library only.
"""

from __future__ import annotations

import argparse
import fcntl
import hashlib
import json
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import threading
import time
from dataclasses import dataclass, field
from pathlib import Path

SOURCE_SUFFIXES = (".cpp", ".h")
NOT_PRODUCTION = ("tests/", "bench/", "tools/")
# Run first, all at once; then these, one group after another.
SLOW_TESTS = [["tst_scorefiles_disk", "tst_layout_screens"]]
# The screen reader test plays a real game against the real clock: it mostly
# waits. It runs last, in the background, on a copy of the mutant's game,
# while the next mutant builds; a few of them at once.
SCREEN_READER = "tst_screen_reader"
SCREEN_READER_SCRIPT = "tests/a11y/orca.sh"
GAME_FILES = ("quintrel", "quintrel_browser.so")


def log(message: str = "") -> None:
    print(message, flush=True)


# ---------------------------------------------------------------- reading C++

def masked(text: str) -> str:
    """The text with comments, string and character literals and preprocessor
    lines replaced by spaces, keeping every offset and newline."""
    out = list(text)
    i, n = 0, len(text)

    def blank(a: int, b: int) -> None:
        for k in range(a, min(b, n)):
            if out[k] != "\n":
                out[k] = " "

    line_start = True
    while i < n:
        c = text[i]
        if line_start and c in " \t":
            i += 1
            continue
        if line_start and c == "#":
            # A preprocessor line, with its continuations.
            j = i
            while j < n:
                k = text.find("\n", j)
                k = n if k < 0 else k
                if k > 0 and text[k - 1] == "\\":
                    j = k + 1
                    continue
                j = k
                break
            blank(i, j)
            i = j
            continue
        line_start = False
        if c == "\n":
            line_start = True
            i += 1
        elif text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            blank(i, j)
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            blank(i, j)
            i = j
        elif c == "R" and i + 1 < n and text[i + 1] == '"' and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == "_")):
            m = re.match(r'R"([^(\s]*)\(', text[i:])
            if m:
                end = text.find(")" + m.group(1) + '"', i + m.end())
                end = n if end < 0 else end + len(m.group(1)) + 2
                blank(i, end)
                i = end
            else:
                i += 1
        elif c in "\"'":
            if c == "'" and i > 0 and text[i - 1].isalnum():
                i += 1          # a digit separator: 1'000
                continue
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            blank(i, j + 1)
            i = j + 1
        else:
            i += 1
    return "".join(out)


@dataclass
class Mutant:
    file: str
    line: int            # 1-based
    kind: str
    before: str          # the whole line as it is
    after: str           # the whole line with the fault
    number: int = 0      # its place in the draw, from 1
    context: str = ""    # a lone brace's line before it: the function it opens

    @property
    def key(self) -> tuple[str, str, str]:
        """How tools/mutants.txt names it: a lone brace with the line before."""
        lead = self.context + " " if self.context else ""
        return (self.file, lead + self.before.strip(), lead + self.after.strip())

    def describe(self) -> str:
        return f"{self.file}:{self.line} [{self.kind}]  {self.before.strip()}  =>  {self.after.strip()}"


REL = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
ARITH = {"+": "-", "-": "+", "*": "/", "/": "*", "+=": "-=", "-=": "+="}
KEYWORDS = {"return", "if", "else", "for", "while", "do", "switch", "case", "default",
            "break", "continue", "goto", "using", "namespace", "class", "struct", "enum",
            "public", "private", "protected", "template", "typedef", "static_assert",
            "throw", "try", "catch", "co_return", "Q_OBJECT", "signals", "slots"}


# `Type name = ...;`, `Type name(...);`: taking one away only breaks the build.
DECLARATION = re.compile(r"^(?!emit\b)(?:(?:const|static|constexpr)\s+)*[\w:<>,]+(?:\s*[*&]+\s*(?:const\s+)?|\s+)[A-Za-z_]\w*\s*[=({\[]")


def line_mutations(path: str, lines: list[str], mlines: list[str], index: int) -> list[Mutant]:
    """Every candidate fault on line `index` (0-based)."""
    raw, code = lines[index], mlines[index]
    found: list[Mutant] = []

    def add(kind: str, start: int, end: int, new: str) -> None:
        found.append(Mutant(path, index + 1, kind, raw, raw[:start] + new + raw[end:]))

    if not code.strip():
        return found
    for m in re.finditer(r"(?<=\s)(<=|>=|==|!=|<|>)(?=\s)", code):
        add("rel", m.start(), m.end(), REL[m.group(1)])
    for m in re.finditer(r"(?<=\s)(\+=|-=|\+|-|\*|/)(?=\s)", code):
        add("arith", m.start(), m.end(), ARITH[m.group(1)])
    for m in re.finditer(r"\+\+|--", code):
        add("arith", m.start(), m.end(), "--" if m.group(0) == "++" else "++")
    for m in re.finditer(r"(?<=\s)(&&|\|\|)(?=\s)", code):
        add("bool", m.start(), m.end(), "||" if m.group(1) == "&&" else "&&")
    for m in re.finditer(r"(?<![\w)\]!=<>])!(?!=)", code):
        add("bool", m.start(), m.end(), "")
    for m in re.finditer(r"\b(true|false)\b", code):
        add("bool", m.start(), m.end(), "false" if m.group(1) == "true" else "true")
    for m in re.finditer(r"(?<![\w.'])(\d+)(?![\w.'])", code):
        value = int(m.group(1))
        add("const", m.start(), m.end(), str(value + 1))
        if value > 0:
            add("const", m.start(), m.end(), str(value - 1))
    for m in re.finditer(r"\b([A-Za-z_][\w:]*(?:(?:\.|->)[A-Za-z_]\w*)*)\(\s*([A-Za-z_][\w.:]*|\d+)\s*,\s*([A-Za-z_][\w.:]*|\d+)\s*\)", code):
        a, b = m.group(2), m.group(3)
        if a != b and m.group(1).split("::")[-1] not in KEYWORDS:
            add("swap", m.start(2), m.end(3), f"{b}, {a}")

    # A whole statement taken out: one line, inside a function, balanced.
    if path.endswith(".cpp"):
        s = code.strip()
        first = re.match(r"[A-Za-z_]\w*", s)
        indent = len(code) - len(code.lstrip())
        previous = next((mlines[k].strip() for k in range(index - 1, -1, -1) if mlines[k].strip()), "")
        starts_statement = previous.endswith((";", "{", "}", ":")) or previous == "else" or (
            previous.endswith(")") and re.match(r"(else\s+)?(if|for|while)\b", previous))
        if (indent >= 4 and s.endswith(";") and s.count("(") == s.count(")")
                and starts_statement and first and first.group(0) not in KEYWORDS
                and not DECLARATION.match(s)
                and (s.startswith("emit ") or "(" in s or re.search(r"[^=!<>]=[^=]", s) or s.endswith(("++;", "--;")))):
            start = raw.index(raw.strip()[0])
            add("delete", start, len(raw.rstrip()), "{}")

    # A function that returns at once.
    if path.endswith(".cpp") and raw.rstrip() == "{" and index > 0:
        head = mlines[index - 1].rstrip()
        m = re.match(r"^(?:static\s+|inline\s+)?([\w:<>,* &]+?)\s*[*&]?\s*\b([\w:]+)\((.*)\)\s*(const)?\s*(noexcept)?$", head)
        if m and not head.startswith((" ", "\t")) and m.group(1) not in ("", "else", "return"):
            kind = m.group(1).strip()
            value = {"void": "return;", "bool": "return false;", "int": "return 0;",
                     "double": "return 0;", "qreal": "return 0;", "qint64": "return 0;"}.get(kind, "return {};")
            found.append(Mutant(path, index + 1, "return", raw, raw.rstrip("\n") + " " + value))
    return found


def candidates(root: Path) -> dict[tuple[str, int], list[Mutant]]:
    """Candidate faults of the production sources, by (file, line)."""
    files = subprocess.run(["git", "ls-files", "-z"], cwd=root, capture_output=True,
                           check=True).stdout.decode().split("\0")
    out: dict[tuple[str, int], list[Mutant]] = {}
    for path in sorted(f for f in files if f.endswith(SOURCE_SUFFIXES) and not f.startswith(NOT_PRODUCTION)):
        text = (root / path).read_text(errors="replace")
        lines = text.split("\n")
        mlines = masked(text).split("\n")
        for i in range(len(lines)):
            found = line_mutations(path, lines, mlines, i)
            if found:
                out[(path, i + 1)] = found
    return out


def draw(root: Path, seed: int) -> list[Mutant]:
    """The candidate lines in the seed's order, each with one drawn fault."""
    by_line = candidates(root)
    rng = random.Random(seed)
    keys = sorted(by_line)
    rng.shuffle(keys)
    return [rng.choice(by_line[key]) for key in keys]


class Stale(Exception):
    pass


def apply(tree: Path, m: Mutant) -> bytes:
    """Puts the fault in the worktree's file; returns the original bytes."""
    path = tree / m.file
    original = path.read_bytes()
    lines = original.decode(errors="surrogateescape").split("\n")
    if m.line > len(lines) or lines[m.line - 1] != m.before:
        # The code moved since the draw: the same line, nearest where it was.
        near = [i + 1 for i, line in enumerate(lines) if line == m.before]
        if not near:
            raise Stale(f"{m.file}: the line is gone")
        m.line = min(near, key=lambda n: abs(n - m.line))
    if m.before.strip() == "{" and m.line > 1:
        m.context = lines[m.line - 2].strip()
    lines[m.line - 1] = m.after
    path.write_bytes("\n".join(lines).encode(errors="surrogateescape"))
    return original


# ---------------------------------------------------------------- judgements

def read_judgements(path: Path) -> dict[tuple[str, str, str], tuple[str, str]]:
    """tools/mutants.txt: survivors judged by hand, as blocks of

        equivalent game/Table.cpp
        - <the line as it is>
        + <the line with the fault>
        why: <the reason, one line>

    (or `gap` instead of `equivalent`, with what test is missing)."""
    judged: dict = {}
    if not path.exists():
        return judged
    block: dict = {}
    for raw in path.read_text().splitlines() + [""]:
        line = raw.rstrip()
        if line.startswith("#"):
            continue
        if not line:
            if {"verdict", "file", "before", "after"} <= block.keys():
                judged[(block["file"], block["before"], block["after"])] = (block["verdict"], block.get("why", ""))
            block = {}
        elif line.startswith(("equivalent ", "gap ")):
            block["verdict"], block["file"] = line.split(" ", 1)
        elif line.startswith("- "):
            block["before"] = line[2:].strip()
        elif line.startswith("+ "):
            block["after"] = line[2:].strip()
        elif line.startswith("why: "):
            block["why"] = line[5:].strip()
    return judged


# ---------------------------------------------------------------- processes

def failures(out: "Outcome") -> list[str]:
    """The tests a ctest run failed, each with how."""
    failed = [f"{m.group(1)} ({m.group(2).strip('* ')})" for m in re.finditer(
        r"^\s*\d+/\d+\s+Test\s+#\d+:\s+(\S+)\s+\.*\s*(.*?)\s+[\d.]+\s+sec", out.output, re.M)
        if not m.group(2).strip("* ").startswith("Passed")]
    failed += [f"{t} (hung)" for t in out.hung]
    if out.code and not failed:
        failed.append(f"ctest (exit {out.code})")
    return failed


@dataclass
class Outcome:
    code: int
    output: str
    hung: list[str] = field(default_factory=list)


def kill_group(proc: subprocess.Popen) -> None:
    for sig in (signal.SIGTERM, signal.SIGKILL):
        try:
            os.killpg(proc.pid, sig)
        except ProcessLookupError:
            return
        try:
            proc.wait(timeout=5)
            return
        except subprocess.TimeoutExpired:
            continue


def run(cmd: list[str], cwd: Path, env: dict, limits: dict[str, float] | None = None) -> Outcome:
    """Runs `cmd` in a process group of its own. With `limits`, reads ctest's
    output and ends the run when a test runs past its limit (a test's own
    TIMEOUT property would otherwise let a hung mutant run for minutes)."""
    proc = subprocess.Popen(cmd, cwd=cwd, env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                            start_new_session=True, text=True, errors="replace")
    lines: list[str] = []
    reader = threading.Thread(target=lambda: lines.extend(l.rstrip("\n") for l in proc.stdout), daemon=True)
    reader.start()
    started: dict[str, float] = {}
    hung: list[str] = []
    try:
        while proc.poll() is None:
            time.sleep(0.2)
            if limits is None:
                continue
            now = time.monotonic()
            for line in list(lines):
                m = re.match(r"\s*Start\s+\d+:\s+(\S+)", line)
                if m:
                    started.setdefault(m.group(1), now)
                m = re.match(r"\s*\d+/\d+\s+Test\s+#\d+:\s+(\S+)", line)
                if m:
                    started[m.group(1)] = float("inf")
            hung = [t for t, at in started.items() if now - at > limits.get(t, 600)]
            if hung:
                kill_group(proc)
                break
        proc.wait()
    except BaseException:
        kill_group(proc)
        raise
    reader.join(timeout=5)
    return Outcome(proc.returncode, "\n".join(lines), hung)


# ---------------------------------------------------------------- the worktree

class Tree:
    def __init__(self, root: Path, work: Path, jobs: int):
        self.root, self.work, self.jobs = root, work, jobs
        self.tree = work / "tree"
        self.build = self.tree / "build"
        self.env = dict(os.environ, QT_QPA_PLATFORM="offscreen", QTWEBENGINE_DISABLE_SANDBOX="1")
        if shutil.which("ccache"):
            self.env.setdefault("CCACHE_DIR", str(work / "ccache"))
            self.env["CCACHE_BASEDIR"] = str(self.tree)
        self.objects: dict[str, str] = {}
        self.limits: dict[str, float] = {}

    def git(self, *args: str, cwd: Path | None = None, **kw) -> subprocess.CompletedProcess:
        return subprocess.run(["git", *args], cwd=cwd or self.root, check=True, capture_output=True, **kw)

    def prepare(self) -> None:
        """The worktree at HEAD with the working tree's uncommitted changes."""
        head = self.git("rev-parse", "HEAD", text=True).stdout.strip()
        if not (self.tree / ".git").exists():
            self.git("worktree", "prune")
            self.git("worktree", "add", "--detach", str(self.tree), head)
        self.git("checkout", "--detach", "--force", head, cwd=self.tree)
        self.git("clean", "-fdq", "-e", self.build.name, cwd=self.tree)
        diff = self.git("diff", "--binary", "HEAD").stdout
        if diff:
            subprocess.run(["git", "apply", "--whitespace=nowarn"], cwd=self.tree, input=diff, check=True)
        for path in self.git("ls-files", "--others", "--exclude-standard", "-z").stdout.decode().split("\0"):
            if path:
                (self.tree / path).parent.mkdir(parents=True, exist_ok=True)
                shutil.copy2(self.root / path, self.tree / path)

    def configure(self) -> None:
        if (self.build / "build.ninja").exists():
            return
        launcher = ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"] if shutil.which("ccache") else []
        out = run(["cmake", "-S", ".", "-B", str(self.build), "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release",
                   *launcher], self.tree, self.env)
        if out.code:
            raise SystemExit(f"cmake failed:\n{out.output[-3000:]}")

    def compile(self) -> Outcome:
        return run(["cmake", "--build", str(self.build), "-j", str(self.jobs)], self.tree, self.env)

    def object_hashes(self) -> dict[str, str]:
        return {str(p): hashlib.sha1(p.read_bytes()).hexdigest()
                for p in self.build.rglob("*.o")}

    def ctest(self, *selection: str) -> Outcome:
        return run(["ctest", "--test-dir", str(self.build), "-j", str(self.jobs), "--stop-on-failure",
                    "--output-on-failure", *selection], self.tree, self.env, self.limits)

    def suite(self) -> tuple[list[str], str]:
        """The whole suite, fastest first: (failed tests, output)."""
        slow = [t for group in SLOW_TESTS for t in group] + [SCREEN_READER]
        stages = [["-E", "^(" + "|".join(slow) + ")$"]] + [["-R", "^(" + "|".join(g) + ")$"] for g in SLOW_TESTS]
        output = []
        for stage in stages:
            out = self.ctest(*stage)
            output.append(out.output)
            failed = failures(out)
            named = [f.split(" ")[0] for f in failed if not f.startswith("ctest ")]
            if failed and named:
                # A failure counts when the test fails again on its own: the
                # tests that wait on a window manager can fail by themselves
                # on a machine this busy.
                again = self.ctest("-R", "^(" + "|".join(named) + ")$")
                output.append("== the failed tests again, alone\n" + again.output)
                failed = failures(again)
            if failed:
                return failed, "\n".join(output)
        return [], "\n".join(output)

    def baseline(self) -> None:
        """Builds the unchanged tree; the suite must pass on it. Keeps each
        test's time to set how long a mutant's test may run."""
        built = self.compile()
        if built.code:
            raise SystemExit(f"The unchanged tree does not build:\n{built.output[-3000:]}")
        self.objects = self.object_hashes()
        self.limits = {}
        failed, output = self.suite()
        if failed:
            raise SystemExit(f"The suite fails without a fault: {', '.join(failed)}\n{output[-3000:]}")
        for m in re.finditer(r"^\s*\d+/\d+\s+Test\s+#\d+:\s+(\S+)\s+\.*\s*Passed\s+([\d.]+)\s+sec", output, re.M):
            self.limits[m.group(1)] = 3 * float(m.group(2)) + 30
        started = time.monotonic()
        reader = self.screen_reader(self.copy_game("baseline"), self.work / "logs" / "baseline-screen-reader.txt")
        reader.join()
        if reader.failed:
            raise SystemExit(f"The screen reader test fails without a fault: see {reader.log}")
        self.limits[SCREEN_READER] = 2 * (time.monotonic() - started) + 60

    def copy_game(self, name: str) -> Path:
        """The game as built now, copied where the next build cannot touch it."""
        folder = self.work / "games" / name
        shutil.rmtree(folder, ignore_errors=True)
        folder.mkdir(parents=True)
        for f in GAME_FILES:
            if (self.build / f).exists():
                shutil.copy2(self.build / f, folder / f)
        return folder / GAME_FILES[0]

    def screen_reader(self, game: Path, log: Path) -> "Reader":
        reader = Reader(["bash", str(self.tree / SCREEN_READER_SCRIPT), str(game), str(log.with_suffix(".speech"))],
                        self.tree, self.env, self.limits.get(SCREEN_READER, 900), log)
        reader.start()
        return reader


class Reader(threading.Thread):
    """One run of the screen reader test, in the background."""

    def __init__(self, cmd: list[str], cwd: Path, env: dict, limit: float, log: Path):
        super().__init__(daemon=True)
        self.cmd, self.cwd, self.env, self.limit, self.log = cmd, cwd, env, limit, log
        self.failed: list[str] = []

    def run(self) -> None:
        proc = subprocess.Popen(self.cmd, cwd=self.cwd, env=self.env, stdout=subprocess.PIPE,
                                stderr=subprocess.STDOUT, start_new_session=True, text=True, errors="replace")
        try:
            output, _ = proc.communicate(timeout=self.limit)
            if proc.returncode == 77:
                output += "\n(skipped: no screen reader here)"
            elif proc.returncode:
                self.failed = [f"{SCREEN_READER} (Failed)"]
        except subprocess.TimeoutExpired:
            kill_group(proc)
            output, _ = proc.communicate()
            self.failed = [f"{SCREEN_READER} (hung)"]
        self.log.parent.mkdir(parents=True, exist_ok=True)
        self.log.write_text(output or "")


# ---------------------------------------------------------------- one mutant

@dataclass
class Result:
    mutant: Mutant
    result: str
    tests: list[str] = field(default_factory=list)
    why: str = ""
    seconds: float = 0.0
    reader: "Reader | None" = None


def try_one(tree: Tree, m: Mutant, judged: dict, logs: Path) -> Result:
    started = time.monotonic()
    try:
        original = apply(tree.tree, m)
    except Stale as gone:
        return Result(m, "stale", why=str(gone))
    try:
        built = tree.compile()
        logfile = logs / f"{m.number:03d}.txt"
        logfile.write_text(f"== {m.describe()}\n== build\n{built.output}\n")
        if built.code:
            return Result(m, "stillborn", seconds=time.monotonic() - started)
        now = tree.object_hashes()
        if all(now.get(p) == h for p, h in tree.objects.items()):
            return Result(m, "equivalent", why="same code", seconds=time.monotonic() - started)
        failed, output = tree.suite()
        with logfile.open("a") as f:
            f.write(f"== ctest\n{output}\n")
    finally:
        (tree.tree / m.file).write_bytes(original)
    if failed:
        return Result(m, "killed", failed, seconds=time.monotonic() - started)
    # Every other test passed: the screen reader has the last word, later.
    game = tree.copy_game(f"{m.number:03d}")
    result = Result(m, "pending", seconds=time.monotonic() - started)
    result.reader = tree.screen_reader(game, logs / f"{m.number:03d}-screen-reader.txt")
    return result


def settle(r: Result, judged: dict) -> None:
    """A mutant that passed the other tests, once its screen reader run is over."""
    r.reader.join()
    shutil.rmtree(Path(r.reader.cmd[2]).parent, ignore_errors=True)
    if r.reader.failed:
        r.result, r.tests = "killed", r.reader.failed
        return
    verdict, why = judged.get(r.mutant.key, ("gap", ""))
    r.result, r.why = ("equivalent" if verdict == "equivalent" else "survived"), why


# ---------------------------------------------------------------- report

def report(seed: int, results: list[Result], target: float) -> tuple[str, float | None]:
    counts = {k: sum(r.result == k for r in results) for k in ("killed", "survived", "equivalent", "stillborn", "stale")}
    judged = counts["killed"] + counts["survived"]
    rate = counts["killed"] / judged if judged else None
    kinds = sorted({r.mutant.kind for r in results})
    lines = [f"# Mutants drawn with seed {seed}", "",
             ", ".join(f"{k}: {v}" for k, v in counts.items()),
             f"kill rate: {counts['killed']}/{judged} = {100 * rate:.1f} % (target {target:.0f} %)" if rate is not None
             else "kill rate: none", "",
             "| kind | killed | survived | equivalent | stillborn |", "|---|---|---|---|---|"]
    for k in kinds:
        lines.append(f"| {k} | " + " | ".join(str(sum(r.result == s and r.mutant.kind == k for r in results))
                                              for s in ("killed", "survived", "equivalent", "stillborn")) + " |")
    lines += ["", "| # | where | kind | fault | result | by / why |", "|---|---|---|---|---|---|"]
    for r in results:
        m = r.mutant
        fault = f"`{m.before.strip()}` → `{m.after.strip()}`".replace("|", "\\|")
        detail = (", ".join(r.tests) if r.tests else r.why).replace("|", "\\|")
        lines.append(f"| {m.number} | {m.file}:{m.line} | {m.kind} | {fault} | {r.result} | {detail} |")
    return "\n".join(lines) + "\n", rate


def save(work: Path, seed: int, results: list[Result]) -> None:
    (work / f"results-seed{seed}.json").write_text(json.dumps([{
        "number": r.mutant.number, "file": r.mutant.file, "line": r.mutant.line, "kind": r.mutant.kind,
        "before": r.mutant.before, "after": r.mutant.after, "result": r.result, "tests": r.tests,
        "why": r.why, "seconds": round(r.seconds, 1)} for r in results], indent=1))


# ---------------------------------------------------------------- main

def report_one(r: Result) -> None:
    log(f"{r.mutant.number:3d} {r.result:10s} {r.seconds:6.0f}s  {r.mutant.describe()}"
        + (f"\n      by {', '.join(r.tests)}" if r.tests else "") + (f"\n      {r.why}" if r.why else ""))


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--seed", type=int, required=True)
    parser.add_argument("--count", type=int, default=80, help="mutants to build (stillborn ones not counted)")
    parser.add_argument("--work", default="build-mutate")
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--target", type=float, default=85.0)
    parser.add_argument("--readers", type=int, default=3, help="screen reader runs at once in the background")
    parser.add_argument("--list", action="store_true", help="show the draw and stop")
    parser.add_argument("--candidates", action="store_true", help="count the candidates of each kind and stop")
    parser.add_argument("--only", help="numbers in the draw, comma-separated")
    parser.add_argument("--survivors", action="store_true", help="run the last run's survivors again")
    args = parser.parse_args()
    signal.signal(signal.SIGPIPE, signal.SIG_DFL)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(3))

    root = Path.cwd()
    if not (root / "CMakeLists.txt").exists() or not (root / ".git").exists():
        log("Run this from the repository root.")
        return 2
    if args.candidates:
        by_line = candidates(root)
        kinds: dict[str, int] = {}
        for found in by_line.values():
            for m in found:
                kinds[m.kind] = kinds.get(m.kind, 0) + 1
        log(f"{len(by_line)} lines with candidates; " + ", ".join(f"{k} {v}" for k, v in sorted(kinds.items())))
        return 0

    mutants = draw(root, args.seed)
    if args.list:
        for n, m in zip(range(1, args.count + 1), mutants):
            log(f"{n:3d}  {m.describe()}")
        return 0

    work = (root / args.work).resolve()
    work.mkdir(parents=True, exist_ok=True)
    lock = open(work / "mutate.lock", "w")
    try:
        fcntl.flock(lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
    except BlockingIOError:
        log(f"Another run is using {work}.")
        return 2
    logs = work / "logs" / f"seed{args.seed}"
    logs.mkdir(parents=True, exist_ok=True)
    judged = read_judgements(root / "tools" / "mutants.txt")
    previous = work / f"results-seed{args.seed}.json"
    wanted: set[int] | None = None
    if args.only:
        wanted = {int(x) for x in args.only.split(",") if x.strip()}
    elif args.survivors:
        # With those a run cut short left unsettled.
        wanted = {r["number"] for r in json.loads(previous.read_text()) if r["result"] in ("survived", "pending")}

    if wanted is not None and previous.exists():
        # The mutants of that run, found again by their lines' text.
        mutants = [Mutant(o["file"], o["line"], o["kind"], o["before"], o["after"])
                   for o in sorted(json.loads(previous.read_text()), key=lambda o: o["number"])]

    tree = Tree(root, work, args.jobs)
    tree.prepare()
    tree.configure()
    log(f"Building and testing the unchanged tree in {tree.tree} ...")
    tree.baseline()

    results: list[Result] = []
    old = {r["number"]: r for r in json.loads(previous.read_text())} if wanted is not None and previous.exists() else {}
    built = number = 0
    for m in mutants:
        if built >= args.count:
            break
        number += 1
        m.number = number
        if wanted is not None and number not in wanted:
            if number in old:
                o = old[number]
                results.append(Result(m, o["result"], o["tests"], o["why"], o["seconds"]))
                if o["result"] not in ("stillborn", "stale"):
                    built += 1
            continue
        # No more than a few games at once in the background.
        while sum(1 for r in results if r.result == "pending" and r.reader.is_alive()) >= args.readers:
            time.sleep(1)
        for r in results:
            if r.result == "pending" and not r.reader.is_alive():
                settle(r, judged)
                report_one(r)
        r = try_one(tree, m, judged, logs)
        results.append(r)
        if r.result not in ("stillborn", "stale"):
            built += 1
        if r.result != "pending":
            report_one(r)
        save(work, args.seed, results)

    for r in results:
        if r.result == "pending":
            settle(r, judged)
            report_one(r)
    save(work, args.seed, results)
    text, rate = report(args.seed, results, args.target)
    (work / f"report-seed{args.seed}.md").write_text(text)
    log("\n" + text.split("\n\n")[1])
    log(f"Report: {work / f'report-seed{args.seed}.md'}")
    return 0 if rate is not None and 100 * rate >= args.target else 1


if __name__ == "__main__":
    sys.exit(main())

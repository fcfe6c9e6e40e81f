#!/usr/bin/env python3
"""Mutation testing for Quintrel: does the test suite notice a real fault?

Each mutant below is one realistic fault in the game's code, written as an
exact piece of text in one file and what it becomes. For each mutant the
runner puts the fault into the working tree, rebuilds incrementally in a build
folder of its own, puts the original text back as soon as the build is over,
and then runs the whole suite with ctest against what was built. A mutant is

  caught            the build passed and at least one test failed (or hung);
  caught-by-build   the fault did not compile (a poor mutant: rewrite it);
  survived          the build passed and every test passed;
  stale             its text is no longer in the file exactly once (the code
                    moved on): nothing was changed, the mutant needs updating.

The kill rate is caught / (caught + survived); the exit status is 0 when it is
at least 90 %, 1 otherwise, 2 when the run could not be made.

Other people edit this working tree while the runner works, so:
  * only one file is ever changed at a time, and only for the length of one
    incremental build; the tests then run on the binaries, with the file
    already back to what it was;
  * the original bytes go back in a `finally`, also on Ctrl-C, SIGTERM and
    SIGHUP, with those signals held off while a file is written; if someone
    edited the file while it held the fault, only the fault is taken out of
    their text (their edit stays), and when even that is impossible their text
    is saved in the build folder before the original goes back;
  * a journal in the build folder names the file being changed, so a run
    killed outright (SIGKILL, power loss) is repaired by the next run's start;
  * the restored file is touched, so the next incremental build compiles it;
  * one run at a time per build folder (a lock file in it).

A test still running `--timeout` + 30 s after it started is ended by the
runner (ctest's --timeout does not shorten a test's own TIMEOUT property), and
the mutant counts as caught by that timeout. The build and ctest output of
each mutant is kept in BUILD_DIR/mutate-logs/, the results of the last run in
BUILD_DIR/mutate-results.json, with a digest of tests/ as it was built: the
runner warns when the tests changed during the run.

Run from the repository root:

  python3 tools/mutate.py                 # the whole list
  python3 tools/mutate.py --list          # the list, and which are stale
  python3 tools/mutate.py --only ID[,ID]  # some of them
  options: --build-dir DIR (default build-mutate), --jobs N (default 2),
           --timeout S (default 120, per test), --no-final-check

Python 3 standard library only.
"""

from __future__ import annotations

import argparse
import base64
import fcntl
import json
import os
import re
import signal
import subprocess
import sys
import textwrap
import threading
import time
from dataclasses import dataclass, field
from pathlib import Path


@dataclass
class Mutant:
    id: str
    file: str      # relative to the repository root
    fault: str     # the fault as a player or a maintainer would notice it
    search: str    # must occur exactly once in the file
    replace: str

    @property
    def folder(self) -> str:
        return self.file.split("/", 1)[0]


M = Mutant

MUTANTS: list[Mutant] = [
    # ------------------------------------------------------------ game/
    M("table-cover", "game/Table.cpp",
      "the cover table has one wrong entry: place 8 counts 15 as lying on it "
      "instead of 14, so it opens while 14 still covers it",
      "{-1, -1}, {13, 14}, {14, 15},",
      "{-1, -1}, {13, 15}, {14, 15},"),
    M("table-points", "game/Table.cpp",
      "one card of row 4 (place 12) scores 300 instead of 400",
      "400, 400, 400, 400, 400, 400,     // row 4",
      "400, 400, 300, 400, 400, 400,     // row 4"),
    M("table-clear-bonus", "game/Table.cpp",
      "clearing the whole pyramid pays 1000 instead of 10000",
      "constexpr int ClearTableBonus = 10000;",
      "constexpr int ClearTableBonus = 1000;"),
    M("table-elevens-kept", "game/Table.cpp",
      "the elevens count is not reset at a new round: round 2 starts with "
      "round 1's elevens (and pays them again)",
      "    elevens_ = 0;\n    emit elevensChanged(0);\n",
      "    emit elevensChanged(0);\n"),
    M("table-tick-92", "game/Table.cpp",
      "the round lasts 92 ticks: the time is up one second late and the bar "
      "shows -1",
      "    if (secondsLeft_ == 0) {",
      "    if (secondsLeft_ < 0) {"),
    M("table-time-bonus", "game/Table.cpp",
      "each second left pays 10 instead of 100",
      "constexpr int TimeBonusEach = 100;",
      "constexpr int TimeBonusEach = 10;"),
    M("table-bonus-threshold", "game/Table.cpp",
      "exactly 90000 after round 2 no longer earns the bonus round",
      "(round_ == 3 && score_ < BonusRoundScore)",
      "(round_ == 3 && score_ <= BonusRoundScore)"),
    M("table-no-end-after-3", "game/Table.cpp",
      "the game does not end after round 3: a fourth round is dealt",
      "|| round_ > 3)",
      "|| round_ > 4)"),
    M("table-count-pause", "game/Table.cpp",
      "each step of a bonus count pauses 100 ms instead of 150 ms",
      "constexpr int ShortPauseMs = 150;",
      "constexpr int ShortPauseMs = 100;"),
    M("table-banner-pause", "game/Table.cpp",
      "the round banner (and CLEAR SCREEN) shows 1 s instead of 1.5 s",
      "constexpr int LongPauseMs = 1500;",
      "constexpr int LongPauseMs = 1000;"),
    M("table-zero-over-bonus", "game/Table.cpp",
      "the running total shows \"0\" over the bonus count after the click "
      "that cleared the table",
      "    removeSelected();\n    if (phase_ == Phase::Playing)\n        setRunningTotal(0);\n",
      "    removeSelected();\n    setRunningTotal(0);\n"),
    M("table-selection-outside-play", "game/Table.cpp",
      "selection marks stay on the cards after Take Score, through the count",
      "state.selected = selected_[std::size_t(place)] && phase_ == Phase::Playing;",
      "state.selected = selected_[std::size_t(place)];"),
    M("table-cards-left-at-deal", "game/Table.cpp",
      "a new deal does not show the 30 cards left: the previous count stays",
      "    emit secondsLeftChanged(secondsLeft_);\n"
      "    emit cardsLeftChanged(Deck::Size + 1 - deckPosition_);\n",
      "    emit secondsLeftChanged(secondsLeft_);\n"),
    M("table-covered-never-back", "game/Table.cpp",
      "a drawn card covered by a later Turn never comes back when the card "
      "on it is used",
      "if (drawnLeft && !cards_[DrawnPlace] && !covered_.empty()) {",
      "if (drawnLeft && cards_[DrawnPlace] && !covered_.empty()) {"),
    M("table-never-seeded", "game/Table.cpp",
      "the generator is never seeded: every start deals the same games",
      "{\n    random_.seed();\n    // Before the first deal",
      "{\n    // Before the first deal"),
    M("table-deal-in-play", "game/Table.cpp",
      "Deal is accepted during play: a round can be dealt again mid-round",
      "        return phase_ == Phase::Idle || phase_ == Phase::Over;",
      "        return phase_ == Phase::Idle || phase_ == Phase::Over || phase_ == Phase::Playing;"),
    M("table-turn-cards-left", "game/Table.cpp",
      "after each Turn the cards left show one too few (29 shows as 28)",
      "    ++deckPosition_;\n    emit cardsLeftChanged(Deck::Size + 1 - deckPosition_);",
      "    ++deckPosition_;\n    emit cardsLeftChanged(Deck::Size - deckPosition_);"),
    M("card-ace-position", "game/Card.h",
      "a 10 counts as an Ace (1) in a sum: the Ace rule is off by one",
      "return position > 10 ? 1 : position;",
      "return position >= 10 ? 1 : position;"),
    M("deck-duplicates", "game/Deck.cpp",
      "the shuffle no longer checks for a card drawn twice: a deal can hold "
      "the same card twice and miss another",
      "        if (std::find(numbers_.begin(), numbers_.end(), drawn) == numbers_.end())\n"
      "            numbers_[std::size_t(count++)] = drawn;\n",
      "        numbers_[std::size_t(count++)] = drawn;\n"),
    # ------------------------------------------------------------ platform/
    M("random-unseeded", "platform/Random.cpp",
      "the clock seed is never used: every start of the game deals the same",
      "currentMSecsSinceEpoch() >> 32)};\n    generator_.seed(seq);\n",
      "currentMSecsSinceEpoch() >> 32)};\n"),
    M("store-truncates", "platform/DataStore.cpp",
      "writing a data file drops the bytes beyond its fields: a longer file "
      "is cut short",
      "    std::copy(bytes.begin(), bytes.end(), content.begin() + offset);\n    return content;\n",
      "    std::copy(bytes.begin(), bytes.end(), content.begin() + offset);\n    return content.left(end);\n"),
    M("store-lock-not-taken", "platform/FolderStore_posix.cpp",
      "the folder's lock is never taken but reported as held: two copies "
      "of the game can write the table at once",
      "if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {",
      "if (true) {"),
    M("store-no-journal", "platform/FolderStore_posix.cpp",
      "a save of the table goes without its journal: a crash between the "
      "two files tears names from their scores",
      "    if (changed.size() == 1)",
      "    if (changed.size() >= 1)"),
    M("store-journal-not-synced", "platform/FolderStore_posix.cpp",
      "the journal is not synced before the table files change",
      "    bool ok = writeAt(fd.get(), 0, record) && ::fsync(fd.get()) == 0;",
      "    bool ok = writeAt(fd.get(), 0, record);"),
    M("journal-any-file", "platform/DataStore.cpp",
      "a journal's patch may lie past the end of its file's fields",
      " || *offset + *length > span->end)",
      ")"),
    M("store-undo-keeps-growth", "platform/FolderStore_posix.cpp",
      "a failed save undoes its bytes but leaves the file longer than it was",
      "            if (sizeOf(fd.get()) > c->sizeBefore)",
      "            if (false)"),
    M("store-no-recovery-at-start", "scores/ScoreBook.cpp",
      "a save cut short is not finished at the next start",
      "        if (lock->held())\n            recover(*lock, trouble);",
      "        if (false)\n            recover(*lock, trouble);"),
    # ------------------------------------------------------------ app/
    M("app-focus-lost-after-removal", "app/frmQuintrel.cpp",
      "after a removal the keyboard's focus is left to chance",
      "    if (hadFocus)\n        keepFocus(place);",
      "    (void)hadFocus;"),
    M("app-prompt-over-banner", "app/frmQuintrel.cpp",
      "the name prompt opens over \"GAME OVER\"",
      "hiScores().HighScores(finalScore, banner);",
      "hiScores().HighScores(finalScore, {});"),
    M("ui-off-screen-by-one", "ui/Placement.cpp",
      "a window pulled onto a small screen ends one pixel off it",
      "std::min(designed.left(), available.right() + 1 - designed.width())",
      "std::min(designed.left(), available.right() + 2 - designed.width())"),
    M("app-clock-100ms", "app/frmQuintrel.cpp",
      "the round clock ticks every 100 ms: a round is over in 9 seconds",
      "clock_->setInterval(1000);",
      "clock_->setInterval(100);"),
    M("app-no-scores-button", "app/frmQuintrel.cpp",
      "the High Scores button is not shown again after game over",
      "    cmdScores_->setVisible(between);",
      "    cmdScores_->setVisible(phase == Phase::Idle);"),
    M("app-table-enabled-under-scores", "app/frmQuintrel.cpp",
      "the table stays enabled while the high score window opened by game "
      "over is up",
      "        connect(hiScores_.get(), &frmHiScores::opened, this, [this] { setEnabled(false); });\n",
      ""),
    M("app-places-enabled-in-banner", "app/frmQuintrel.cpp",
      "open cards take clicks while the ROUND banner shows",
      "place->setEnabled(state.open && table_.phase() == Phase::Playing);",
      "place->setEnabled(state.open);"),
    M("app-back-not-applied", "app/frmQuintrel.cpp",
      "the chosen card back is not shown on the places (neither the saved "
      "one at start nor a new choice)",
      "    cardBack_ = back;\n"
      "    for (int p = 0; p < game::PlaceCount; ++p)\n"
      "        if (table_.place(p).shows == PlaceState::Shows::Back)\n"
      "            places_[std::size_t(p)]->showBack(back);\n",
      "    cardBack_ = back;\n"),
    M("app-close-box-keeps-game", "app/frmQuintrel.cpp",
      "closing the table by its title bar does not end the game like Exit",
      "    event->accept();\n    emit exitRequested();\n",
      "    event->accept();\n"),
    # ------------------------------------------------------------ cards/
    M("picture-no-repaint", "cards/CardPicture.cpp",
      "a card given a new picture is not repainted until something else "
      "covers it (a new back stays old on screen)",
      "    outline_ = {};\n    update();\n",
      "    outline_ = {};\n"),
    M("picture-no-outline", "cards/CardPicture.cpp",
      "the outline (red selection frame, chooser's outlines) is never drawn",
      "    if (outline_.isValid()) {",
      "    if (false) {"),
    M("picture-enter-ignored", "cards/CardPicture.cpp",
      "Enter on a card in focus does nothing",
      "        if (!event->isAutoRepeat())\n            click();",
      "        if (false)\n            click();"),
    M("faces-position-10", "cards/CardFaces.cpp",
      "position 10 of each suit (where the Jack would be) shows \"11\" "
      "instead of the Ace",
      "(position == 0 || position >= 10)",
      "(position == 0 || position > 10)"),
    # ------------------------------------------------------------ scores/
    M("files-score-big-endian", "scores/DataFiles.cpp",
      "a score is stored big-endian: the table reads back garbage",
      "qToLittleEndian<qint32>(score, bytes.data());",
      "qToBigEndian<qint32>(score, bytes.data());"),
    M("files-name-zero-padded", "scores/DataFiles.cpp",
      "a typed name is padded with zero bytes instead of spaces",
      "    return bytes.leftJustified(NameLength, ' ');",
      "    return bytes.leftJustified(NameLength, '\\0');"),
    M("scores-tie-above", "scores/ScoreTable.cpp",
      "a score tying an entry enters above it instead of below",
      "if (score > table[std::size_t(k - 1)].score)",
      "if (score >= table[std::size_t(k - 1)].score)"),
    M("scores-no-shift", "scores/ScoreTable.cpp",
      "a new entry overwrites the one at its rank: the entries below do not "
      "move down",
      "        return;\n"
      "    for (int k = Entries; k > rank; --k)\n"
      "        table[std::size_t(k - 1)] = table[std::size_t(k - 2)];\n"
      "    table[std::size_t(rank - 1)] = ",
      "        return;\n"
      "    table[std::size_t(rank - 1)] = "),
    M("start-back-range", "scores/ScoreBook.cpp",
      "a stored card back of 10 (there is none) is used instead of back 0",
      "back >= 0 && back < CardBacks ? back : 0;",
      "back >= 0 && back <= CardBacks ? back : 0;"),
    M("hiscores-told-twice", "scores/ScoreBook.cpp",
      "a save that cannot be made is told again at the high score window's "
      "first showing",
      "    if (tellFailure)\n        trouble.add(error);",
      "    trouble.add(error);"),
    M("hiscores-ok-no-closed", "scores/frmHiScores.cpp",
      "OK on the high score window hides it but does not give the table back",
      "    emit closed();\n    hide();\n",
      "    hide();\n"),
    # ------------------------------------------------------------ backs/
    M("backs-first-click", "backs/frmBacks.cpp",
      "OK reports the first back clicked instead of the last",
      "    chosen_ = index;\n",
      "    if (chosen_ == 0)\n        chosen_ = index;\n"),
    # ------------------------------------------------------------ windows/
    M("menu-close-no-closed", "windows/frmMenu.cpp",
      "Close in the menu hides it but does not give the table back",
      "void frmMenu::goBack()\n{\n    hide();\n    emit closed();\n}",
      "void frmMenu::goBack()\n{\n    hide();\n}"),
    M("menu-no-start-address", "windows/frmMenu.cpp",
      "Visit Me On The Web opens the browser without the maker's page",
      "    }\n    browser_->setStartingAddress(owner::MakerAddress);\n    browser_->showWindow();",
      "    }\n    browser_->showWindow();"),
    M("browser-timer-runs", "windows/frmBrowser.cpp",
      "the browser's busy timer never stops once a page has loaded",
      "    } else {\n        progress_->stop();\n",
      "    } else {\n"),
    M("about-no-unavailable", "windows/frmAbout.cpp",
      "System Info says nothing when no tool starts (and \"Unavailable\" "
      "when one does)",
      "    if (!systemInfo_.start())\n",
      "    if (systemInfo_.start())\n"),
    # ------------------------------------------------------------ ui/
    M("ui-close-request-ignored", "ui/BorderlessWindow.cpp",
      "the desktop's close request on a small window does nothing instead "
      "of acting as its back button",
      "    event->ignore();\n    goBack();\n",
      "    event->ignore();\n"),
    M("ui-no-border", "ui/BorderlessWindow.cpp",
      "the small windows lose their thick border: the lines are never kept",
      "owner_(owner), border_(border)",
      "owner_(owner)"),
    M("ui-not-above-owner", "ui/Placement.cpp",
      "a small window is not tied above the table: it can drop behind it",
      "    owner->winId();\n"
      "    if (QWindow *handle = window->windowHandle())\n"
      "        handle->setTransientParent(owner->windowHandle());\n",
      "    owner->winId();\n"),
    M("twips-16", "ui/Scale.cpp",
      "16 twips per pixel instead of 15: every window is laid out too small",
      "return int(std::floor(twips * factor / 15.0 + 1e-6));",
      "return int(std::floor(twips * factor / 16.0 + 1e-6));"),
    M("layout-not-centred", "ui/Layout.cpp",
      "a table wider or taller than its shape sticks to the window's top left "
      "corner instead of standing in the middle",
      "        r.translate(origin);\n",
      ""),
    M("table-stretched", "app/frmQuintrel.cpp",
      "the table takes the larger of the window's two proportions: part of it "
      "falls outside a window of another shape",
      "    return std::min(double(width()) / DesignedWidth, double(height()) / DesignedHeight);",
      "    return std::max(double(width()) / DesignedWidth, double(height()) / DesignedHeight);"),
    M("first-size-unframed", "ui/Placement.cpp",
      "a window that can be resized is fitted to the screen without its frame: "
      "on a small screen its bottom edge goes off it",
      "    const QSize space = room - (frame - client);",
      "    const QSize space = room;"),
]


# ---------------------------------------------------------------- signals

class Stop(Exception):
    """A termination signal arrived; unwinds through every `finally`."""


GUARDED = (signal.SIGINT, signal.SIGTERM, signal.SIGHUP)


def on_signal(signum, _frame):
    raise Stop(signal.Signals(signum).name)


class SignalsHeld:
    """Holds off the termination signals while a file is half written."""

    def __enter__(self):
        signal.pthread_sigmask(signal.SIG_BLOCK, GUARDED)

    def __exit__(self, *exc):
        signal.pthread_sigmask(signal.SIG_UNBLOCK, GUARDED)
        return False


# ---------------------------------------------------------------- files

def log(message: str = "") -> None:
    print(message, flush=True)


def occurrences(path: Path, text: str) -> int:
    try:
        return path.read_bytes().count(text.encode())
    except OSError:
        return 0


def suite_fingerprint(root: Path) -> str:
    """A digest of the tests as they are on disk: other people edit them
    during a run, and a result only means something against a known suite."""
    import hashlib
    digest = hashlib.sha256()
    for path in sorted((root / "tests").rglob("*")):
        if path.is_file():
            digest.update(str(path.relative_to(root)).encode() + b"\0")
            try:
                digest.update(path.read_bytes())
            except OSError:
                pass
    return digest.hexdigest()[:12]


class Journal:
    """Names the file that holds a fault, with its original and faulty bytes,
    for as long as it holds it."""

    def __init__(self, build_dir: Path):
        self.path = build_dir / "mutate-journal.json"

    def write(self, file: Path, original: bytes, mutated: bytes, search: str, replace: str):
        record = {
            "file": str(file),
            "original": base64.b64encode(original).decode(),
            "mutated": base64.b64encode(mutated).decode(),
            "search": search,
            "replace": replace,
        }
        tmp = self.path.with_suffix(".tmp")
        tmp.write_text(json.dumps(record))
        os.replace(tmp, self.path)

    def clear(self):
        try:
            self.path.unlink()
        except FileNotFoundError:
            pass

    def recover(self, conflicts: Path) -> None:
        """Puts back a file left with a fault by a run that was killed."""
        if not self.path.exists():
            return
        record = json.loads(self.path.read_text())
        file = Path(record["file"])
        log(f"A previous run was stopped while {file} held a fault: putting it back.")
        restore(file, base64.b64decode(record["original"]), base64.b64decode(record["mutated"]),
                record["search"], record["replace"], conflicts)
        self.clear()


def restore(file: Path, original: bytes, mutated: bytes, search: str, replace: str,
            conflicts: Path) -> None:
    """Takes the fault out of `file` and touches it, without losing an edit
    someone else made meanwhile."""
    with SignalsHeld():
        try:
            now = file.read_bytes()
        except FileNotFoundError:
            now = None
        if now == mutated or now is None:
            file.write_bytes(original)
        elif now == original:
            pass
        else:
            # Edited by someone else while it held the fault: take out only
            # the fault when it can be found, keeping their edit.
            fault = replace.encode()
            if fault and now.count(fault) == 1:
                file.write_bytes(now.replace(fault, search.encode(), 1))
                log(f"  NOTE: {file} was edited while it held the fault; only the fault "
                    f"was taken out, the edit stays.")
            else:
                conflicts.mkdir(parents=True, exist_ok=True)
                saved = conflicts / f"{file.name}.{int(time.time())}"
                saved.write_bytes(now)
                file.write_bytes(original)
                log(f"  WARNING: {file} was edited while it held the fault, which could "
                    f"not be told apart; the original is back, the edited text is in {saved}")
        os.utime(file, None)


# ---------------------------------------------------------------- processes

@dataclass
class Outcome:
    code: int
    output: str
    killed: bool = False
    note: str = ""


def run(cmd: list[str], env: dict | None = None, watch=None) -> Outcome:
    """Runs `cmd` in a process group of its own and collects its output.

    `watch(lines, elapsed)` may return a note to kill the group (a hang); the
    group is also killed when this runner is told to stop."""
    proc = subprocess.Popen(cmd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, env=env,
                            start_new_session=True, text=True, errors="replace")
    lines: list[str] = []

    def reader():
        for line in proc.stdout:
            lines.append(line.rstrip("\n"))

    thread = threading.Thread(target=reader, daemon=True)
    thread.start()
    started = time.monotonic()
    note = ""
    try:
        while proc.poll() is None:
            time.sleep(0.2)
            if watch:
                note = watch(list(lines), time.monotonic() - started) or ""
                if note:
                    kill_group(proc)
                    break
        proc.wait()
    except BaseException:
        kill_group(proc)
        raise
    thread.join(timeout=5)
    return Outcome(proc.returncode, "\n".join(lines), bool(note), note)


def kill_group(proc: subprocess.Popen) -> None:
    """Ends the group of the process this runner started (and only that)."""
    for sig, wait in ((signal.SIGTERM, 5), (signal.SIGKILL, 5)):
        try:
            os.killpg(proc.pid, sig)
        except ProcessLookupError:
            return
        try:
            proc.wait(timeout=wait)
            return
        except subprocess.TimeoutExpired:
            continue


# ---------------------------------------------------------------- build and test

class Runner:
    def __init__(self, root: Path, build_dir: Path, jobs: int, timeout: int):
        self.root = root
        self.build_dir = build_dir
        self.jobs = jobs
        self.timeout = timeout
        self.env = dict(os.environ, QT_QPA_PLATFORM="offscreen", QTWEBENGINE_DISABLE_SANDBOX="1")

    def configure(self) -> bool:
        if (self.build_dir / "build.ninja").exists():
            return True
        log(f"Configuring {self.build_dir} ...")
        out = run(["cmake", "-S", str(self.root), "-B", str(self.build_dir), "-G", "Ninja",
                   "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DQUINTREL_BROWSER=ON"], self.env)
        if out.code != 0:
            log(out.output[-4000:])
        return out.code == 0

    def build(self) -> Outcome:
        return run(["cmake", "--build", str(self.build_dir), "-j", str(self.jobs)], self.env)

    def test(self) -> tuple[list[str], list[str], Outcome]:
        """Runs the whole suite: (tests run, tests failed with their status, outcome)."""
        start_re = re.compile(r"^\s*Start\s+(\d+):\s+(\S+)")
        done_re = re.compile(r"^\s*\d+/\d+\s+Test\s+#(\d+):\s+(\S+)\s+\.*\s*(.*?)\s+[\d.]+\s+sec")
        limit = self.timeout + 30

        # ctest's --timeout does not shorten a test's own TIMEOUT property, so
        # a test still running well past the limit is ended here.
        def watch(lines, _elapsed):
            now = time.monotonic()
            for line in lines:
                m = start_re.match(line)
                if m and m.group(2) not in watch.started:
                    watch.started[m.group(2)] = now
                m = done_re.match(line)
                if m:
                    watch.done.add(m.group(2))
            hung = [name for name, t in watch.started.items()
                    if name not in watch.done and now - t > limit]
            if hung:
                watch.hung = hung
                return "hung: " + ", ".join(hung)
            return ""
        watch.started, watch.done, watch.hung = {}, set(), []

        out = run(["ctest", "--test-dir", str(self.build_dir), "-j", str(self.jobs),
                   "--timeout", str(self.timeout), "--output-on-failure"], self.env, watch)
        ran, failed = [], []
        for line in out.output.splitlines():
            m = done_re.match(line)
            if m:
                ran.append(m.group(2))
                status = m.group(3).strip("* ")
                if not status.startswith("Passed"):
                    failed.append(f"{m.group(2)} ({status})")
        failed += [f"{name} (Timeout, ended by the runner)" for name in watch.hung]
        if out.code != 0 and not failed:
            # Failed without a failing test: ctest itself could not run them.
            failed.append("ctest (exit %d)" % out.code)
        return ran, failed, out


def first_error(output: str) -> str:
    for line in output.splitlines():
        if "error" in line.lower() and not line.startswith("["):
            return line.strip()[:200]
    return output.strip().splitlines()[-1][:200] if output.strip() else ""


@dataclass
class Result:
    mutant: Mutant
    result: str
    tests: list[str] = field(default_factory=list)
    note: str = ""
    seconds: float = 0.0
    suite: str = ""


def mutate_one(m: Mutant, runner: Runner, journal: Journal, conflicts: Path) -> Result:
    started = time.monotonic()
    suite = suite_fingerprint(runner.root)
    logfile = runner.build_dir / "mutate-logs" / f"{m.id}.txt"
    logfile.parent.mkdir(parents=True, exist_ok=True)
    path = runner.root / m.file
    try:
        original = path.read_bytes()
    except OSError as e:
        return Result(m, "stale", note=str(e))
    search = m.search.encode()
    count = original.count(search)
    if count != 1:
        return Result(m, "stale", note=f"search text found {count} times in {m.file}")
    mutated = original.replace(search, m.replace.encode(), 1)

    with SignalsHeld():
        journal.write(path, original, mutated, m.search, m.replace)
        path.write_bytes(mutated)
    try:
        built = runner.build()
    finally:
        restore(path, original, mutated, m.search, m.replace, conflicts)
        journal.clear()

    logfile.write_text(f"== {m.id}: {m.fault}\n== tests {suite}\n== build\n{built.output}\n")
    if built.code != 0:
        error = first_error(built.output)
        # Someone else's edit may have broken the tree meanwhile.
        again = runner.build()
        if again.code != 0:
            raise TreeBroken(f"the tree no longer builds without a fault:\n{again.output[-3000:]}")
        return Result(m, "caught-by-build", note=error, seconds=time.monotonic() - started,
                      suite=suite)

    _ran, failed, out = runner.test()
    with logfile.open("a") as f:
        f.write(f"== ctest{' (' + out.note + ')' if out.note else ''}\n{out.output}\n")
    result = "caught" if failed else "survived"
    return Result(m, result, failed, seconds=time.monotonic() - started, suite=suite)


class TreeBroken(Exception):
    pass


# ---------------------------------------------------------------- report

def table(results: list[Result]) -> str:
    rows = [("id", "folder", "fault", "result", "tests failed / note")]
    for r in results:
        detail = ", ".join(r.tests) if r.tests else r.note
        rows.append((r.mutant.id, r.mutant.folder, r.mutant.fault, r.result, detail))
    widths = [max(len(row[0]) for row in rows), max(len(row[1]) for row in rows), 46,
              max(len(row[3]) for row in rows)]
    lines = []
    for i, (mid, folder, fault, result, detail) in enumerate(rows):
        wrapped = textwrap.wrap(fault, widths[2]) or [""]
        detail_wrapped = textwrap.wrap(detail, 60) or [""]
        for j in range(max(len(wrapped), len(detail_wrapped))):
            lines.append("  ".join([
                (mid if j == 0 else "").ljust(widths[0]),
                (folder if j == 0 else "").ljust(widths[1]),
                (wrapped[j] if j < len(wrapped) else "").ljust(widths[2]),
                (result if j == 0 else "").ljust(widths[3]),
                detail_wrapped[j] if j < len(detail_wrapped) else "",
            ]).rstrip())
        if i == 0:
            lines.append("-" * (sum(widths) + 8 + 30))
    return "\n".join(lines)


def summary(results: list[Result]) -> tuple[str, float | None]:
    counts = {k: sum(r.result == k for r in results)
              for k in ("caught", "caught-by-build", "survived", "stale")}
    judged = counts["caught"] + counts["survived"]
    rate = counts["caught"] / judged if judged else None
    text = ", ".join(f"{k}: {v}" for k, v in counts.items())
    if rate is not None:
        text += f"\nkill rate: {counts['caught']}/{judged} = {100 * rate:.1f} %"
    else:
        text += "\nkill rate: none (no mutant was judged)"
    return text, rate


def save(results: list[Result], build_dir: Path) -> Path:
    path = build_dir / "mutate-results.json"
    path.write_text(json.dumps([{
        "id": r.mutant.id, "file": r.mutant.file, "fault": r.mutant.fault,
        "result": r.result, "tests": r.tests, "note": r.note, "seconds": round(r.seconds, 1),
        "tests_digest": r.suite,
    } for r in results], indent=2))
    return path


# ---------------------------------------------------------------- main

def main() -> int:
    parser = argparse.ArgumentParser(description="Mutation testing for Quintrel.")
    parser.add_argument("--list", action="store_true", help="list the mutants and exit")
    parser.add_argument("--only", help="comma-separated mutant ids")
    parser.add_argument("--build-dir", default="build-mutate")
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--timeout", type=int, default=120, help="seconds per test")
    parser.add_argument("--no-final-check", action="store_true",
                        help="skip building and testing the unchanged tree after the run")
    args = parser.parse_args()
    signal.signal(signal.SIGPIPE, signal.SIG_DFL)   # `--list | head` ends quietly

    root = Path.cwd()
    if not (root / "CMakeLists.txt").exists() or not (root / "game" / "Table.cpp").exists():
        log("Run this from the repository root.")
        return 2

    ids = [m.id for m in MUTANTS]
    duplicates = {i for i in ids if ids.count(i) > 1}
    if duplicates:
        log(f"Mutant ids used twice: {', '.join(sorted(duplicates))}")
        return 2

    chosen = MUTANTS
    if args.only:
        wanted = [i.strip() for i in args.only.split(",") if i.strip()]
        unknown = [i for i in wanted if i not in ids]
        if unknown:
            log(f"Unknown mutant ids: {', '.join(unknown)}")
            return 2
        chosen = [m for m in MUTANTS if m.id in wanted]

    # One run at a time per build folder: a second one would see the first
    # one's fault in the tree and take it for a killed run's.
    build_dir = (root / args.build_dir).resolve()
    build_dir.mkdir(parents=True, exist_ok=True)
    lock_file = open(build_dir / "mutate.lock", "w")
    conflicts = build_dir / "mutate-conflicts"
    journal = Journal(build_dir)
    try:
        fcntl.flock(lock_file, fcntl.LOCK_EX | fcntl.LOCK_NB)
    except BlockingIOError:
        if not args.list:
            log(f"Another mutation run is using {build_dir}; wait for it to end.")
            return 2
        log(f"(a mutation run is using {build_dir}: one file may hold its fault now)")
    else:
        # A run killed outright may have left a fault behind: it goes first.
        journal.recover(conflicts)

    if args.list:
        for m in chosen:
            n = occurrences(root / m.file, m.search)
            state = "ok" if n == 1 else f"STALE (found {n} times)"
            if n == 1:
                mutated = (root / m.file).read_bytes().replace(m.search.encode(), m.replace.encode())
                if not m.replace or mutated.count(m.replace.encode()) != 1:
                    state += " (fault not unique in the mutated file: an edit made meanwhile "\
                             "could not be kept)"
            log(f"{m.id:32} {m.file:26} {state}")
            log(textwrap.indent(textwrap.fill(m.fault, 70), " " * 6))
        folders = sorted({m.folder for m in chosen})
        log(f"\n{len(chosen)} mutants in {len(folders)} folders: {', '.join(folders)}")
        return 0

    for sig in GUARDED:
        signal.signal(sig, on_signal)

    runner = Runner(root, build_dir, args.jobs, args.timeout)
    results: list[Result] = []

    def report() -> float | None:
        log("\n" + table(results))
        text, rate = summary(results)
        log("\n" + text)
        digests = sorted({r.suite for r in results if r.suite})
        if len(digests) > 1:
            log(f"NOTE: the tests changed during the run ({len(digests)} versions: "
                f"{', '.join(digests)}); see tests_digest in the results.")
        log(f"build and test logs in {build_dir / 'mutate-logs'}")
        log(f"results saved in {save(results, build_dir)}")
        return rate

    try:
        # Every mutant is checked before anything changes: a stale one is
        # reported and left out, never forced in.
        stale = [m for m in chosen if occurrences(root / m.file, m.search) != 1]
        for m in stale:
            log(f"stale: {m.id} ({m.file}): search text found "
                f"{occurrences(root / m.file, m.search)} times")

        if not runner.configure():
            log("Configuring the build folder failed.")
            return 2
        log("Building and testing the unchanged tree ...")
        built = runner.build()
        if built.code != 0:
            log(built.output[-4000:])
            log("The unchanged tree does not build: stopping.")
            return 2
        ran, failed, out = runner.test()
        if failed or not ran:
            log(out.output[-4000:])
            log("The unchanged tree fails its tests: stopping. " + ", ".join(failed))
            return 2
        baseline_suite = suite_fingerprint(root)
        log(f"  {len(ran)} tests pass (tests digest {baseline_suite}): {', '.join(ran)}")

        for n, m in enumerate(chosen, 1):
            log(f"[{n}/{len(chosen)}] {m.id} ({m.file}) ...")
            if m in stale:
                r = Result(m, "stale", note="search text not found exactly once")
            else:
                r = mutate_one(m, runner, journal, conflicts)
            results.append(r)
            if r.suite and r.suite != baseline_suite:
                log(f"      NOTE: the tests changed since the baseline (digest {r.suite})")
            detail = ", ".join(r.tests) if r.tests else r.note
            log(f"      {r.result} in {r.seconds:.0f} s{': ' + detail if detail else ''}")

        if not args.no_final_check:
            log("Building and testing the unchanged tree again ...")
            built = runner.build()
            ran, failed, _ = runner.test() if built.code == 0 else ([], ["build"], None)
            if failed:
                log("WARNING: the unchanged tree now fails (" + ", ".join(failed) + "): "
                    "someone's edit, or a flaky test; results may be unreliable.")
            else:
                log(f"  still {len(ran)} tests pass.")
    except Stop as e:
        log(f"\nStopped by {e}; every file is back as it was.")
        report()
        return 130
    except TreeBroken as e:
        log(f"\nStopping: {e}")
        report()
        return 2

    rate = report()
    return 0 if rate is not None and rate >= 0.9 else 1


if __name__ == "__main__":
    sys.exit(main())

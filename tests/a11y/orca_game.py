# A short game played by keys with Orca listening; run through orca.sh. What
# Orca says is read from its debug log as it goes, and each step waits (with a
# time limit) for what a blind player must hear after it.
import itertools, os, re, subprocess, sys, tempfile, time
from gi.repository import Gio, GLib

game_path, speech_path = sys.argv[1], sys.argv[2]
# The game in the player's language: "de" plays a short German game.
language = os.environ.get("QUINTREL_TEST_LANGUAGE", "")
work = tempfile.TemporaryDirectory()
launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
bus = Gio.bus_get_sync(Gio.BusType.SESSION)
def pump(seconds, until=lambda: False):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if until():
            return True
        GLib.MainContext.default().iteration(False) or time.sleep(0.05)
    return until()
pump(10, lambda: bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                               "NameHasOwner", GLib.Variant("(s)", ("org.a11y.Bus",)), None, 0, 5000, None)[0])
import pyatspi

debug_log = os.environ.get("ORCA_DEBUG_LOG") or os.path.join(work.name, "orca-debug.out")
speech_log = open(speech_path, "w", buffering=1)
# Orca talks to a speech server that, with no sound card, can stall it and
# with it every key the game waits on it for. A speechd module that cannot be
# imported leaves Orca without a server: it then only logs what it would say.
# Orca's debug log is written through a buffer, so what it says could reach
# the file long after: Orca's own Python opens that file line by line.
os.makedirs(os.path.join(work.name, "nospeech", "speechd"))
with open(os.path.join(work.name, "nospeech", "speechd", "__init__.py"), "w") as stub:
    stub.write("raise ImportError('no speech server in this test')\n")
with open(os.path.join(work.name, "nospeech", "sitecustomize.py"), "w") as lines:
    lines.write(f"""import builtins
_open = builtins.open
def _by_line(file, mode="r", *args, **kwargs):
    if file == {debug_log!r} and not args and "buffering" not in kwargs:
        kwargs["buffering"] = 1
    return _open(file, mode, *args, **kwargs)
builtins.open = _by_line
# Orca will not start while another Orca of the same user runs, even on
# another display: a player's own, or another run of this test. This one has
# a display and buses of its own and disturbs neither.
import subprocess
class _Popen(subprocess.Popen):
    def __init__(self, args, *rest, **kwargs):
        if isinstance(args, str) and args.startswith("pgrep -u ") and args.endswith(" -x orca"):
            args = "true"
        super().__init__(args, *rest, **kwargs)
subprocess.Popen = _Popen
""")
# Not --replace: that kills every other Orca of the user, a player's own too.
orca = subprocess.Popen(["orca", "--debug-file=" + debug_log],
                        env=dict(os.environ, PYTHONPATH=os.path.join(work.name, "nospeech")),
                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
spoken, heard_at, failures = [], [], []
_offset, _pending = 0, ""
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*?)'\s?\[?\{", re.S)
def listen():
    """Takes in what Orca has said since the last call."""
    global _offset, _pending
    try:
        with open(debug_log, encoding="utf-8", errors="replace") as f:
            f.seek(_offset)
            _pending += f.read()
            _offset = f.tell()
    except FileNotFoundError:
        return
    end = 0
    for m in SPEECH.finditer(_pending):
        spoken.append(" ".join(m.group(1).split()))
        heard_at.append(time.monotonic())
        speech_log.write(spoken[-1] + "\n")
        end = m.end()
    _pending = _pending[end:]
def hear(pattern, what, seconds=20, since=None):
    """Waits for Orca to say something matching `pattern`, after `since`."""
    start = len(spoken) if since is None else since
    rx = re.compile(pattern)
    found = []
    def said():
        listen()
        found[:] = [s for s in spoken[start:] if rx.search(s)]
        return bool(found)
    if pump(seconds, said):
        print(f"{time.strftime('%T')} heard {what}: {found[0]!r}")
        return rx.search(found[0])
    failures.append(f"never heard {what} (/{pattern}/)")
    print("FAIL:", failures[-1])
    return None
def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what)
def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "80", *keys], check=False)
def press(*keys):
    """Presses keys and returns the point in the speech they start from."""
    listen()
    mark = len(spoken)
    key(*keys)
    return mark

def windows():
    # The game's alone: a call into Orca's own tree can wait for as long as
    # Orca is busy.
    return [w for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "quintrel" for w in a]
def table():
    return next((w for w in windows() if w.name == "Quintrel"), None)
def focused(root):
    if root.getState().contains(pyatspi.STATE_FOCUSED):
        return root
    return next((f for c in root for f in [focused(c)] if f is not None), None)
VALUES = {"Ace": 1, "Two": 2, "Three": 3, "Four": 4, "Five": 5, "Six": 6, "Seven": 7, "Eight": 8,
          "Nine": 9, "Ten": 10, "Ass": 1, "Zwei": 2, "Drei": 3, "Vier": 4, "Fünf": 5, "Sechs": 6,
          "Sieben": 7, "Acht": 8, "Neun": 9, "Zehn": 10}
def rank(place):
    """The rank's word of a card's name: "Seven of Hearts", "Herz-Sieben"."""
    return next((w for w in re.split(r"[ -]", place.name.split(",")[0]) if w in VALUES), None)
def open_cards(win):
    places = [win[i] for i in range(23)]
    return {i: p for i, p in enumerate(places) if p.getState().contains(pyatspi.STATE_SENSITIVE) and rank(p)}
def value(place):
    return VALUES[rank(place)]

def german_game(win):
    """A short game in German: the round's banner, a selection with its
    total, both rounds taken at once, GAME OVER with the final score."""
    mark = press("space")
    hear(r"^notification RUNDE 1\b", "RUNDE 1", since=mark)
    hear(r"^Stapel, 30 Karten push button", "the focus on the deck, in German", since=mark)
    one = next(iter(open_cards(win).values()))
    tab_to(win, one)
    mark = press("space")
    hear(rf"^notification {re.escape(one.name.split(',')[0])}, ausgewählt, Summe {value(one)}\.?$",
         "a selection with its total", since=mark)
    mark = press("alt+k")
    hear(r"ZEITBONUS \d+", "the time bonus with its amount", 30, since=mark)
    hear(r"RUNDE 2\b", "RUNDE 2", 30, since=mark)
    check(pump(10, lambda: win[23].getState().contains(pyatspi.STATE_SENSITIVE)), "round 2 never began")
    mark = press("alt+k")
    hear(r"SPIEL VORBEI, Endstand \d+\. In der Bestenliste: Platz 1 von 10",
         "GAME OVER with the final score and its place", 40, since=mark)
    hear(r"Du bist in der Bestenliste!! Gib deinen Namen ein", "the name prompt", 20, since=mark)
    # No name: the table, then the key list with the German keys and the
    # German captions' Alt letters.
    mark = press("Return")
    hear(r"^notification Bestenliste\. ", "the high scores in German", since=mark)
    press("Escape")
    mark = press("F1")
    hear(r"Alt\+A, Strg\+N: .*Alt\+K: .*Alt\+E, Strg\+Q: ", "the key list with the German keys", since=mark)
    english = [s for s in spoken if re.search(r"\b(ROUND|selected|total|GAME OVER|final score|Deck)\b", s)]
    check(not english, f"English in the German game: {english}")
def tab_to(win, place):
    for _ in range(40):
        f = focused(win)
        if f is not None and f == place:
            return True
        key("Tab")
        pump(0.15)
    return False

class ShortGameOver(Exception):
    """The short game in another language has been heard to its end."""
game = None
try:
    check(hear(r"Screen reader on", "Orca starting", 60), "Orca did not start")
    game = subprocess.Popen([game_path], cwd=work.name,
                            env=dict(os.environ, LANGUAGE=language, LANG=language + "_DE.UTF-8") if language
                            else None)
    pump(30, table)
    win = table()
    assert win, "the game's window never showed on the accessibility bus"
    subprocess.run(["xdotool", "search", "--sync", "--name", "^Quintrel$", "windowfocus"], check=False)
    pump(30, lambda: listen() or any(s.startswith("Deal push button") for s in spoken))
    nameless = [i for i in range(24) if not win[i].name]
    check(not nameless, f"places without a name before the first deal: {nameless}")
    if language == "de":
        german_game(win)
        raise ShortGameOver

    # Round 1: the banner, the focus on the deck, never on a hidden button.
    mark = press("space")
    hear(r"^notification ROUND 1\b", "ROUND 1", since=mark)
    hear(r"^Deck, 30 cards push button", "the focus on the deck after Deal", since=mark)
    check(not any(s.startswith(("Exit push", "Menu push", "High Scores push")) for s in spoken[mark:]),
          f"the focus went to a hidden button after Deal: {spoken[mark:]}")

    # The pyramid row by row, from P.
    mark = press("p")
    hear(r"^notification Row 1: .+, covered\. Row 2: .+ Row 6: [^.]+, open; [^.]+, open\. No drawn card\. Deck: 30 cards",
         "the pyramid read by P", since=mark)
    # Two cards over eleven, said so, and let go.
    cards = open_cards(win)
    over = next(((a, b) for a, b in itertools.combinations(cards, 2) if value(cards[a]) + value(cards[b]) > 11), None)
    if over:
        for i in over:
            tab_to(win, cards[i])
            mark = press("space")
        hear(r"^notification .+, selected, total \d+, over eleven", "a total over eleven", since=mark)
        for i in reversed(over):
            tab_to(win, cards[i])
            mark = press("space")
        hear(r"unselected, total 0", "the cards let go", since=mark)
    # A selection and an unselection, heard with the running total.
    one = next(iter(open_cards(win).values()))
    tab_to(win, one)
    mark = press("space")
    hear(rf"^notification {re.escape(one.name.split(',')[0])}, selected, total {value(one)}",
         "a selection with its total", since=mark)
    mark = press("space")
    hear(rf"^notification {re.escape(one.name.split(',')[0])}, unselected, total 0", "an unselection",
         since=mark)

    # An eleven, turning cards until the table holds one.
    pick = None
    for _ in range(25):
        cards = open_cards(win)
        pick = next((c for n in (2, 3) for c in itertools.combinations(cards, n)
                     if sum(value(cards[i]) for i in c) == 11), None)
        if pick:
            break
        mark = press("n")
        hear(r"^notification Turned .+, \d+ cards left", "a Turn with the drawn card", since=mark)
    if pick:
        cards = open_cards(win)
        names = [cards[i].name for i in pick]
        for i in pick[:-1]:
            tab_to(win, cards[i])
            key("space")
        tab_to(win, cards[pick[-1]])
        mark = press("space")
        m = hear(r"^notification Eleven, (\d+) points, score (\d+)", f"the eleven of {names}", since=mark)
        check(m and m.group(1) == m.group(2), "the first eleven's points are not the score")
        # The focused card went with the eleven: what the focus lands on is named.
        pump(1)
        now = focused(win)
        check(now is not None and hear(re.escape(now.name.split(",")[0]), "the focus after the eleven", 5, since=mark),
              "the focus after the eleven was not named")
    else:
        failures.append("no eleven came up in 25 turns")
    # A Turn; with the focus on the drawn card, the card under the focus is named.
    on_drawn = win[22].getState().contains(pyatspi.STATE_SENSITIVE) and tab_to(win, win[22])
    mark = press("n")
    hear(r"^notification (Turned .+, \d+ cards left|No card turned: the drawn .+ fills the gap)",
         "a Turn, or why there was none", since=mark)
    if on_drawn:
        pump(1)
        now = focused(win)
        check(now is not None and hear(re.escape(now.name.split(",")[0]), "the focus after a Turn", 5, since=mark),
              "the focus after a Turn was not named")
    mark = press("s")
    # The clock has run since the deal: fewer than the round's 90 seconds.
    hear(r"^notification Score \d+, [1-8]?\d seconds left, 1 eleven, \d+ cards left, round 1",
         "the state key", since=mark)
    hear(r"^notification 60 seconds left", "the time at 60 seconds", 45, since=0)
    check(not any("percent" in s for s in spoken), "the time was told as a percentage")

    mark = press("alt+t")
    hear(r"ELEVENS BONUS 1000\b", "the elevens bonus with its amount", since=mark)
    hear(r"TIME LEFT BONUS \d+", "the time bonus with its amount", 30, since=mark)
    hear(r"ROUND 2\b", "ROUND 2", 30, since=mark)
    check(pump(10, lambda: win[23].getState().contains(pyatspi.STATE_SENSITIVE)), "round 2 never began")
    # Each count at its start and its end, and never three seconds and more
    # without a word while they run.
    said = [p for s in spoken[mark:] for p in re.split(r"\. ", s.removeprefix("notification ").rstrip("."))
            if "BONUS" in p]
    check([re.sub(r" \d+", " N", p) for p in said] == ["ELEVENS BONUS", "ELEVENS BONUS N", "TIME LEFT BONUS",
                                                      "TIME LEFT BONUS N"], f"each count at its start and end: {said}")
    round2 = next((i for i in range(mark, len(spoken)) if "ROUND 2" in spoken[i]), len(spoken) - 1)
    gaps = [heard_at[i + 1] - heard_at[i] for i in range(mark, round2)]
    check(max(gaps, default=0) < 4, f"a silence of {max(gaps, default=0):.1f} s while the bonuses were counted")

    # Round 2: the menu waits for the round's end, and says so.
    mark = press("alt+m")
    hear(r"^notification The menu opens between rounds", "Alt+M in a round", since=mark)
    # The deck down to its last card, then the clock runs out.
    mark = press(*["n"] * 29)
    hear(r"^notification (.+\. )?Turned [^,]+, 1 card left\.?$", "the last card of the deck, in the singular",
         since=mark)
    check(win[23].name == "Deck, 1 card", f"the deck with one card is named {win[23].name!r}")
    mark = press("n", "n")
    hear(r"The deck is empty", "N on an empty deck", since=mark)
    hear(r"^notification 10 seconds left", "the last ten seconds", 100, since=mark)
    hear(r"^notification 1 second left", "the last second", 15, since=mark)
    mark = len(spoken)
    hear(r"time is up", "time is up", 10, since=mark)
    mark = press("Return")
    over = hear(r"GAME OVER, final score (\d+)", "GAME OVER with the final score", 40, since=mark)
    hear(r"You Got A High Score!! Enter Your Name", "the name prompt", 20, since=mark)
    # GAME OVER, the final score and the place, then the prompt.
    order = [i for i, s in enumerate(spoken) if i >= mark and re.search(r"GAME OVER, final score|You Got A High", s)]
    check(len(order) == 2 and "GAME OVER" in spoken[order[0]], f"GAME OVER after the prompt: {spoken[mark:]}")
    hear(r"A high score: place 1 of 10", "the place the score takes", 1, since=mark)
    pump(1)
    subprocess.run(["xdotool", "type", "--delay", "60", "ABCDEFGHIJKL"], check=False)
    hear(r"The name holds ten characters", "the name box full", 5, since=mark)
    mark = press("Return")
    score = over.group(1) if over else r"\d+"
    hear(rf"^notification High Scores\. #1, ABCDEFGHIJ, {score}, your score\. Places 2 to 10 empty\.",
         "the high score table as it now stands", since=mark)
    mark = press("Escape")
    hear(r"^Deal push button", "Deal after the high scores", since=mark)
    readings = [s for s in spoken[mark - 8:] if s.startswith("notification High Scores")]
    check(len(readings) == 1, f"the high scores read {len(readings)} times")
    mark = press("s")
    hear(r"^notification Game over, final score \d+, \d+ elevens? in the game", "S after the game", since=mark)
    mark = press("ctrl+plus")
    hear(r"^notification Table at 125 percent of its designed size", "the size key", since=mark)
    press("ctrl+0")
    # Alt+H reads the table once, its empty places together.
    mark = press("alt+h")
    hear(r"^notification High Scores\. #1, ABCDEFGHIJ, \d+\. Places 2 to 10 empty\.$", "Alt+H", since=mark)
    pump(2)
    check(len([s for s in spoken[mark:] if s.startswith("notification High Scores")]) == 1,
          f"Alt+H read twice: {spoken[mark:]}")
    mark = press("Escape")
    hear(r"^Deal push button", "Deal after Alt+H", since=mark)

    # The menu by arrows, and each window's text.
    mark = press("alt+m")
    hear(r"^Credits push button", "the menu", since=mark)
    mark = press("Right", "Right")
    hear(r"^About push button", "Right, Right to About", since=mark)
    mark = press("Left", "Down")
    hear(r"^Change Cardbacks push button", "Left, Down to Change Cardbacks", since=mark)
    mark = press("space")
    current = hear(r"^(.+), selected push button", "the chooser on the back in use", since=mark)
    mark = press("Right")
    other = hear(r"^([^,]+) push button", "the next back by name", since=mark)
    mark = press("Return")
    hear(r"^Change Cardbacks push button", "the menu again after Enter on a back", since=mark)
    mark = press("space")
    if other:
        hear(rf"^{re.escape(other.group(1))}, selected push button", "the back chosen by Enter, selected",
             since=mark)
    mark = press("Escape")
    mark = press("Up")
    hear(r"^Instructions push button", "Up to Instructions", since=mark)
    mark = press("Return")
    hear(r"^notification Instructions\. INSTRUCTIONS\. .*Pretty simple", "the instructions' text",
         since=mark)
    mark = press("Escape")
    mark = press("Right", "Return")
    hear(r"^notification About.*Version \d+\.\d+\.\d+", "About with its version", since=mark)
    pump(2)
    about = [s for s in spoken[mark:] if "forethought" in s]
    check(len(about) == 1, f"About's text read {len(about)} times")
    mark = press("Escape")
    mark = press("Left", "Left", "Return")
    hear(r"^notification Credits\. .*Written By", "the credits' text", since=mark)
    press("Escape")
    # The browser: a page's text is read when it has loaded; the toolbar is
    # in the tab order; Alt+A takes the whole address; Alt+Left and
    # Alt+Right go back and forward.
    for name, title, text in (("one", "First Page", "Quintrel reads this page aloud"),
                              ("two", "Second Page", "And this one after it")):
        with open(os.path.join(work.name, name + ".html"), "w") as page:
            page.write(f"<title>{title}</title><h1>{title}</h1><p>{text}.</p><a href=x>A link</a>")
    mark = press("Down", "Return")
    hear(r"^Address: editable combo box", "the browser's address box", 120, since=mark)
    def visit(name):
        # Typed over the whole address, or the page would never come.
        press("alt+a")
        pump(0.5)
        subprocess.run(["xdotool", "type", "--delay", "30", f"file://{work.name}/{name}.html"], check=False)
        return press("Return")
    hear(r"^notification First Page\. First Page Quintrel reads this page aloud\. A link", "a page's text",
         30, since=visit("one"))
    hear(r"^notification Second Page\. Second Page And this one", "the next page's text", 30,
         since=visit("two"))
    mark = press("Tab")
    hear(r"^Back push button", "Tab from the address box to the toolbar", since=mark)
    mark = press("alt+Left")
    hear(r"^notification First Page\.", "Alt+Left back to the page before", 30, since=mark)
    mark = press("alt+Right")
    hear(r"^notification Second Page\.", "Alt+Right forward again", 30, since=mark)
    mark = press("Escape")
    hear(r"^Visit Me On The Web push button", "the menu again after the browser", since=mark)
    mark = press("Escape")
    hear(r"^Deal push button", "the table after the menu", since=mark)
    mark = press("F1")
    hear(r"Alt\+D, Ctrl\+N: .*Ctrl\+\+.*Alt\+Left", "the key help with every key", since=mark)
    press("Return")
    hear(r"^Deal push button", "the focus on Deal at the start", 1, since=0)
except ShortGameOver:
    pass
finally:
    pump(1)
    listen()
    speech_log.close()
    for p in (game, orca, launcher):
        if p is not None:
            p.terminate()
            try:
                p.wait(5)
            except subprocess.TimeoutExpired:
                p.kill()
for f in failures:
    print("FAIL:", f)
print(f"speech log: {speech_path}")
print(f"{len(failures)} screen reader checks failed" if failures else "Orca heard the whole game")
sys.exit(1 if failures else 0)

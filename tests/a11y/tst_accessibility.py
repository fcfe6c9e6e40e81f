# Reads the game as a screen reader does: over the AT-SPI bus, from another process.
import collections, re, subprocess, sys, tempfile, time
from gi.repository import Gio, GLib

launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
bus = Gio.bus_get_sync(Gio.BusType.SESSION)
has_bus = lambda: bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                                "NameHasOwner", GLib.Variant("(s)", ("org.a11y.Bus",)), None, 0, 5000, None)[0]
def pump(seconds, until=lambda: False):
    end = time.monotonic() + seconds
    while time.monotonic() < end and not until():
        GLib.MainContext.default().iteration(False) or time.sleep(0.02)
pump(10, has_bus)
import pyatspi  # only once the accessibility bus is up, so it joins that one

heard = []
pyatspi.Registry.registerEventListener(lambda e: heard.append((e.source.getRoleName(), e.source.name)),
                                       "object:property-change:accessible-name")
folder = tempfile.TemporaryDirectory()  # no score files: the game starts fresh
game = subprocess.Popen([sys.argv[1]], cwd=folder.name)
failures = []
def check(ok, what):
    if not ok:
        failures.append(what)
def states(a):
    return [pyatspi.stateToString(s) for s in a.getState().getStates()]
def dump(a, depth=0):
    print("  " * depth + f"{a.getRoleName()} {a.name!r} {a.description!r} {states(a)}")
    for child in a:
        dump(child, depth + 1)
def window():
    apps = [a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.childCount]
    return next((w for a in apps for w in a if w.name == "Quintrel"), None)
try:
    pump(20, window)
    win = window()
    assert win, "the game's window never showed on the accessibility bus"
    check(win.getRoleName() == "frame", f"main window is a {win.getRoleName()!r}, not a frame")
    deal = next(c for c in win if c.name == "Deal" and c.getRoleName() == "push button")
    deal.queryAction().doAction(0)
    pump(10, lambda: ("label", "Time left 89 seconds") in heard)  # the round has begun
    dump(win)
    check(("label", "ROUND 1") in heard, "no name change to 'ROUND 1' heard")
    for tick in ("Time left 90 seconds", "Time left 89 seconds"):
        check(("label", tick) in heard, f"no time bar name change to {tick!r} heard")
    places = [win[i] for i in range(24)]
    card = re.compile(r"(Ace|Two|Three|Four|Five|Six|Seven|Eight|Nine|Ten) of (Spades|Hearts|Clubs|Diamonds)")
    names = [p.name for p in places[:22]]
    check(all(card.fullmatch(n) for n in names), f"card names: {names}")
    ranks = collections.Counter(n.split()[0] for n in names)
    check(all(k <= 4 for r, k in ranks.items() if r != "Ace"), f"more than 4 of a rank: {ranks}")
    check(all(k <= (4 if n.startswith("Ace") else 1) for n, k in collections.Counter(names).items()),
          f"a card dealt more often than the deck holds it: {names}")
    roles = {i: p.getRoleName() for i, p in enumerate(places) if p.getRoleName() != "push button"}
    check(not roles, f"places that are no push button: {roles}")
    for i, p in enumerate(places):
        open_ = i in (7, 20, 21, 23)
        check(p.getState().contains(pyatspi.STATE_SENSITIVE) == open_, f"place {i} sensitive: {states(p)}")
        if i < 22:
            check(p.description == ("" if open_ else "covered"), f"place {i} description {p.description!r}")
    check(places[22].name == "No drawn card", f"drawn place named {places[22].name!r}")
    check(places[23].name == "Deck, 30 cards", f"deck named {places[23].name!r}")
    labels = {c.name for c in win if c.getRoleName() == "label"}
    check(not any(c.getRoleName() == "progress bar" for c in win), "the time is a progress bar")
    for name in ("Score 0", "Elevens 0", "Cards left 30", "Running total 0"):
        check(name in labels, f"no label named {name!r}")
    # Told in seconds by a name: as a bar, a reader calls out percentages.
    bar = [c.name for c in win if c.name.startswith("Time left")]
    check(len(bar) == 1 and re.fullmatch(r"Time left (8\d|90) seconds", bar[0]), f"time bar: {bar}")
    # Turning a card the way a screen reader does: the deck's first action.
    actions = places[23].queryAction()
    actions.doAction(0)
    pump(3, lambda: places[23].name == "Deck, 29 cards")
    check(places[23].name == "Deck, 29 cards",
          f"after the deck's action {actions.getName(0)!r} it is named {places[23].name!r}")
    check(card.fullmatch(places[22].name or ""), f"drawn place named {places[22].name!r} after a turn")
finally:
    game.kill()
    launcher.terminate()
for f in failures:
    print("FAIL:", f)
print(f"{len(failures)} accessibility checks failed" if failures else "all accessibility checks passed")
sys.exit(1 if failures else 0)

#!/usr/bin/env bash
# Checks that a Debian package of the game, as `cpack -G DEB` makes it,
# installs and starts on a clean Debian system:
#
#   1. reads the package: its dependencies and its files (the game in
#      /usr/games, the web browser module, the desktop entry, the icon, the
#      AppStream metadata, the manual page and the changelog), and validates
#      the desktop entry and the metadata;
#   2. bootstraps a minimal Debian into a fresh folder under /tmp, installs
#      the package there with apt (without recommended packages, so that a
#      dependency the package forgets to declare shows), then runs the game
#      under Xvfb from an empty folder: screenshot, Deal, screenshot, the
#      score files, Menu, "Visit Me On The Web" and the browser window;
#   3. removes the package again and cleans up (unmounts, deletes the folder).
#
#   sudo tools/check-deb.sh build-package/quintrel_1.2.3_amd64.deb
#   sudo tools/check-deb.sh --keep build-package/quintrel_1.2.3_amd64.deb
#
# Settings (environment):
#   OUT=DIR        where the screenshots and logs go (default: a new folder
#                  /tmp/quintrel-check-deb.XXXXXX, printed at the end)
#   SUITE=bookworm the Debian release to install into
#   MIRROR=URL     the Debian mirror (default: the one apt on this machine
#                  uses, else http://deb.debian.org/debian)
#   RECOMMENDS=1   install the package with its recommended packages too
#
# --keep leaves the bootstrapped system in place (unmounted) for a look
# around. Needs root and dpkg-deb; debootstrap, desktop-file-validate and
# appstreamcli are installed with apt-get when missing.
# Takes about three minutes. Exits non-zero when any check fails.
set -euo pipefail
# `test && ok ... || bad ...` is meant: ok only prints.
# shellcheck disable=SC2015

# ---------------------------------------------------------------------------
# Inside the bootstrapped system, under xvfb-run: drives the installed game.
# Writes its screenshots and notes to the folder given as $2.
# ---------------------------------------------------------------------------
if [ "${1:-}" = "--inside" ]; then
    out=$2
    failed=0
    ok() { echo "ok: $*"; }
    bad() { echo "FAIL: $*"; failed=1; }

    play=$(mktemp -d /tmp/play.XXXXXX)
    cd "$play"
    # The game must switch the engine's sandbox off by itself when it runs
    # as root; nothing here does it for it.
    unset QTWEBENGINE_DISABLE_SANDBOX
    pid=""
    stop() { [ -z "$pid" ] || { kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; }; }
    trap stop EXIT

    # window NAME SECONDS: the id of a visible window of the game with that
    # name (a regular expression), once it shows; nothing when it does not.
    window() {
        local until=$((SECONDS + $2)) id
        while [ $SECONDS -lt "$until" ]; do
            id=$(xdotool search --all --onlyvisible --pid "$pid" --name "$1" 2>/dev/null | head -1 || true)
            if [ -n "$id" ]; then sleep 1; echo "$id"; return; fi
            kill -0 "$pid" 2>/dev/null || return 0
            sleep 0.3
        done
    }
    # click WINDOW X Y: a left click at X, Y inside the window.
    click() {
        # shellcheck disable=SC2034
        local X Y WIDTH HEIGHT SCREEN WINDOW
        eval "$(xdotool getwindowgeometry --shell "$1")"
        xdotool mousemove $((X + $2)) $((Y + $3)) click 1
    }
    shot() { import -window root "$out/$1.png"; }
    alive() { kill -0 "$pid" 2>/dev/null; }
    colours() { convert "$out/$1.png" -format %k info:; }

    # start LOG SHOT: starts the game in the working folder and waits for its
    # window (into $table); a screenshot when it does not show.
    start() {
        stop
        quintrel >"$out/$1" 2>&1 &
        pid=$!
        table=$(window '^Quintrel$' 30)
        if [ -z "$table" ]; then
            shot "$2"
            bad "the game's window did not show within 30 s (output: $1)"
            exit 1
        fi
        ok "the game's window is up: $(xdotool getwindowgeometry "$table" | tr -s '\n ' ' ')"
    }

    # A first game: the table, a deal and the files it keeps.
    start game.log 1-start
    shot 1-start
    [ "$(colours 1-start)" -gt 16 ] && ok "the first screenshot shows something" \
        || bad "the first screenshot is (nearly) one colour"

    click "$table" 267 312      # Deal
    sleep 2
    shot 2-dealt
    changed=$(compare -metric AE "$out/1-start.png" "$out/2-dealt.png" null: 2>&1 \
                  | awk '{print int($1)}' || true)
    [ "${changed:-0}" -gt 10000 ] && ok "Deal changed the table ($changed pixels)" \
        || bad "Deal changed (almost) nothing on the screen ($changed pixels)"

    for f in hiscores.dat cardbacks.dat; do
        [ -e "$play/$f" ] && ok "$f is in the working folder" || bad "$f is not in the working folder"
    done

    # A second game in the same folder, which now holds the files: the Menu
    # button is only there while no round runs.
    start game-again.log 3-menu
    click "$table" 40 16        # Menu
    menu=$(window '^Menu$' 10)
    if [ -z "$menu" ]; then
        shot 3-menu
        bad "the menu did not open"
        exit 1
    fi
    ok "the menu is open"
    shot 3-menu

    before=$(xdotool search --all --onlyvisible --pid "$pid" --name '' 2>/dev/null | sort || true)
    click "$menu" 40 80         # Visit Me On The Web
    # The browser: a new, large window of the game, and the web engine's
    # helper processes started by it.
    browser="" engine=0
    until=$((SECONDS + 60))
    while [ $SECONDS -lt $until ] && alive; do
        for id in $(comm -13 <(echo "$before") \
                <(xdotool search --all --onlyvisible --pid "$pid" --name '' 2>/dev/null | sort || true)); do
            w_WIDTH=0 w_HEIGHT=0
            eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null | sed 's/^/w_/')"
            [ "$w_WIDTH" -ge 400 ] && [ "$w_HEIGHT" -ge 300 ] && browser=$id
        done
        engine=0
        for p in /proc/[0-9]*; do
            [ "$(awk '{print $4}' "$p/stat" 2>/dev/null)" = "$pid" ] || continue
            case "$(readlink "$p/exe" 2>/dev/null)" in *QtWebEngineProcess) engine=$((engine + 1)) ;; esac
        done
        [ -n "$browser" ] && [ "$engine" -gt 0 ] && break
        sleep 0.5
    done
    sleep 5                     # let it draw its page (an error page: no network here)
    shot 4-browser
    if [ -n "$browser" ]; then
        ok "the browser window opened: '$(xdotool getwindowname "$browser")'"
    else
        bad "no browser window opened (see 4-browser.png for a message instead)"
    fi
    [ "$engine" -gt 0 ] && ok "the web engine runs ($engine helper processes)" \
        || bad "the web engine's helper processes did not start"
    alive && ok "the game is still running" || bad "the game ended by itself"
    grep -q 'Sandboxing disabled' "$out/game-again.log" \
        && ok "the game turned the engine's sandbox off for root by itself" \
        || echo "note: no 'Sandboxing disabled' line in the game's output"
    exit $failed
fi

# ---------------------------------------------------------------------------
# Outside: reads the package, bootstraps a system, installs, runs, cleans up.
# ---------------------------------------------------------------------------
keep=0
if [ "${1:-}" = "--keep" ]; then keep=1; shift; fi
if [ $# -ne 1 ] || [ ! -f "$1" ]; then
    echo "usage: $0 [--keep] path/to/quintrel_<version>_<arch>.deb" >&2
    exit 2
fi
[ "$(id -u)" = 0 ] || { echo "$0: needs root (debootstrap, chroot, mount)" >&2; exit 2; }
deb=$(realpath "$1")
self=$(realpath "$0")
suite=${SUITE:-bookworm}
out=${OUT:-$(mktemp -d /tmp/quintrel-check-deb.XXXXXX)}
mkdir -p "$out"
out=$(realpath "$out")

failures=0
ok() { echo "ok: $*"; }
bad() { echo "FAIL: $*"; failures=$((failures + 1)); }
section() { echo; echo "== $*"; }

need() {   # need COMMAND PACKAGE
    command -v "$1" >/dev/null && return
    echo "installing $2 for $1"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$2" >/dev/null
}
need debootstrap debootstrap
need desktop-file-validate desktop-file-utils
need appstreamcli appstream

root="" unpacked=""
cleanup() {
    local rc=$? p m
    if [ -n "$root" ] && [ -d "$root" ]; then
        # Whatever still runs inside (the game, Xvfb, the engine) was started
        # by this script; it would keep the mounts busy.
        for p in /proc/[0-9]*; do
            [ "$(readlink "$p/root" 2>/dev/null)" = "$root" ] && kill -9 "${p#/proc/}" 2>/dev/null || true
        done
        sleep 0.5
        for m in $(awk -v r="$root/" 'index($2, r) == 1 {print $2}' /proc/mounts | sort -r); do
            umount "$m" 2>/dev/null || umount -l "$m" || true
        done
        if awk -v r="$root/" 'index($2, r) == 1 {found = 1} END {exit !found}' /proc/mounts; then
            echo "$root: still mounted, so not deleted" >&2
        elif [ $keep = 1 ]; then
            echo "kept: $root"
        else
            rm -rf --one-file-system "$root"
        fi
    fi
    [ -n "$unpacked" ] && rm -rf "$unpacked"
    exit $rc
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# --- 1. The package itself ---------------------------------------------------
section "package: $deb"
dpkg-deb -I "$deb" | tee "$out/info.txt"
dpkg-deb -c "$deb" > "$out/contents.txt"
package=$(dpkg-deb -f "$deb" Package)
version=$(dpkg-deb -f "$deb" Version)
arch=$(dpkg-deb -f "$deb" Architecture)
depends=$(dpkg-deb -f "$deb" Depends)
echo
echo "declared dependencies:"
echo "$depends" | tr ',' '\n' | sed 's/^ */  /'
twice=$(echo "$depends" | tr ',|' '\n\n' | sed 's/^ *//; s/[ (].*//' | sort | uniq -d | tr '\n' ' ')
[ -z "$twice" ] || echo "note: named more than once in Depends: $twice"

unpacked=$(mktemp -d /tmp/quintrel-deb-files.XXXXXX)
dpkg-deb -x "$deb" "$unpacked"
echo
(cd "$unpacked" && find . -type f -printf '%m %9s %p\n' | sort -k3)

has() { [ -n "$(cd "$unpacked" && compgen -G "$1" || true)" ]; }
# Debian puts games in /usr/games.
[ -x "$unpacked/usr/games/quintrel" ] && ok "/usr/games/quintrel (executable)" || bad "no executable /usr/games/quintrel"
if has "usr/lib/quintrel/quintrel_browser.so" || has "usr/lib/*-linux-*/quintrel/quintrel_browser.so"; then
    ok "browser module: /$(cd "$unpacked" && compgen -G 'usr/lib/quintrel/quintrel_browser.so' || compgen -G 'usr/lib/*/quintrel/quintrel_browser.so')"
else
    bad "no browser module under /usr/lib/quintrel or /usr/lib/<multiarch>/quintrel"
fi
stray=$(cd "$unpacked" && find . -mindepth 1 -maxdepth 1 ! -name usr; find usr/local 2>/dev/null || true)
[ -z "$stray" ] && ok "everything is under /usr (none in /usr/local)" || bad "files outside /usr or in /usr/local: $stray"

desktop=$(cd "$unpacked" && compgen -G 'usr/share/applications/*.desktop' | head -1 || true)
metainfo=$(cd "$unpacked" && compgen -G 'usr/share/metainfo/*.xml' | head -1 || true)
if [ -n "$desktop" ]; then
    ok "desktop entry: /$desktop"
    if desktop-file-validate "$unpacked/$desktop" > "$out/desktop-file-validate.txt" 2>&1 \
            && [ ! -s "$out/desktop-file-validate.txt" ]; then
        ok "desktop-file-validate: no complaints"
    else
        bad "desktop-file-validate:"; sed 's/^/    /' "$out/desktop-file-validate.txt"
    fi
    icon=$(sed -n 's/^Icon=//p' "$unpacked/$desktop" | head -1)
    exec_line=$(sed -n 's/^Exec=//p' "$unpacked/$desktop" | head -1)
    # The program the entry starts: its first word, or, where that is a
    # `sh -c "..."` wrapper, the word after the wrapper's last `exec`.
    program=${exec_line%% *}
    if [ "$program" = sh ] && [[ "$exec_line" == *"exec "* ]]; then
        program=${exec_line##*exec }
        program=${program%%[ \"\\]*}
    fi
    if [ -x "$unpacked/usr/games/$program" ] || [ -x "$unpacked/usr/bin/$program" ]; then
        ok "Exec=$exec_line starts $program, which is in the package"
    else
        bad "Exec=$exec_line starts $program, which is not an executable in /usr/games or /usr/bin of the package"
    fi
    if has "usr/share/icons/hicolor/*/apps/$icon.*" || has "usr/share/pixmaps/$icon.*"; then
        ok "icon $icon: /$(cd "$unpacked" && compgen -G "usr/share/icons/hicolor/*/apps/$icon.*" \
            || compgen -G "usr/share/pixmaps/$icon.*" | head -1)"
    else
        bad "Icon=$icon is not in the package's hicolor theme"
    fi
else
    bad "no desktop entry in /usr/share/applications"
fi
if [ -n "$metainfo" ]; then
    ok "AppStream metadata: /$metainfo"
    # No network is assumed, so URLs are not fetched; everything else counts,
    # down to the pedantic hints.
    if appstreamcli validate --no-net --pedantic "$unpacked/$metainfo" > "$out/appstreamcli.txt" 2>&1; then
        ok "appstreamcli validate --pedantic: $(tail -1 "$out/appstreamcli.txt")"
    else
        bad "appstreamcli validate:"; sed 's/^/    /' "$out/appstreamcli.txt"
    fi
    grep -q "<release[^>]*version=\"${version%%-*}\"" "$unpacked/$metainfo" \
        && ok "the metadata lists release $version" || bad "the metadata lists no release $version"
    if [ -n "$desktop" ]; then
        grep -q "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" "$unpacked/$metainfo" \
            && ok "the metadata's launchable is $(basename "$desktop")" \
            || bad "the metadata's launchable is not $(basename "$desktop")"
    fi
else
    bad "no AppStream metadata in /usr/share/metainfo"
fi
file "$unpacked/usr/games/quintrel" | grep -q 'not stripped' \
    && echo "note: /usr/games/quintrel is not stripped ($(du -h "$unpacked/usr/games/quintrel" | cut -f1))"
[ -e "$unpacked/usr/share/doc/$package/copyright" ] || echo "note: no /usr/share/doc/$package/copyright"
man=usr/share/man/man6/quintrel.6.gz
[ -e "$unpacked/$man" ] && ok "manual page: /$man" || bad "no manual page /$man"
changelog=usr/share/doc/$package/changelog.gz
[ -e "$unpacked/$changelog" ] && ok "changelog: /$changelog" || bad "no changelog /$changelog"

# --- 2. A clean system ---------------------------------------------------------
# The mirrors apt on this machine uses (one-line and deb822 sources alike).
uris=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null \
           | awk '$1 == "deb" {for (i = 2; i <= NF; i++) if ($i ~ /^[a-z]+:\/\//) {print $i; break}}'
       cat /etc/apt/sources.list.d/*.sources 2>/dev/null | awk '$1 == "URIs:" {for (i = 2; i <= NF; i++) print $i}')
mirror=${MIRROR:-$(echo "$uris" | grep -E '/debian/?$' | head -1 || true)}
mirror=${mirror:-http://deb.debian.org/debian}
security=$(echo "$uris" | grep -E '/debian-security/?$' | head -1 || true)
security=${security:-http://deb.debian.org/debian-security}

root=$(mktemp -d /tmp/quintrel-deb-root.XXXXXX)
section "debootstrap --variant=minbase $suite $root $mirror"
if ! debootstrap --variant=minbase "$suite" "$root" "$mirror" > "$out/debootstrap.log" 2>&1; then
    tail -20 "$out/debootstrap.log"
    bad "debootstrap failed (log: $out/debootstrap.log)"
    exit 1
fi
ok "minimal $suite in $root"
cat > "$root/etc/apt/sources.list" <<EOF
deb $mirror $suite main
deb $mirror $suite-updates main
deb $security $suite-security main
EOF
mount -t proc proc "$root/proc"
mkdir -p "$root/dev/shm"
mount -t tmpfs -o mode=1777 shm "$root/dev/shm"        # the web engine needs shared memory

inside() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
               LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive "$@"; }
installed() { inside dpkg-query -W -f='${Package}\n' | sort; }

section "apt-get install ./$(basename "$deb")"
inside apt-get update -q > "$out/apt-update.log" 2>&1 || { tail "$out/apt-update.log"; bad "apt-get update failed"; exit 1; }
cp "$deb" "$root/tmp/"
installed > "$out/packages-base.txt"
recommends=--no-install-recommends
[ "${RECOMMENDS:-0}" = 1 ] && recommends=
# shellcheck disable=SC2086
if inside apt-get install -y -q $recommends "/tmp/$(basename "$deb")" > "$out/apt-install.log" 2>&1; then
    ok "$package $version installed ($(grep -c '^Setting up' "$out/apt-install.log") packages set up)"
else
    tail -20 "$out/apt-install.log"
    bad "apt-get install of the package failed (log: $out/apt-install.log)"
    exit 1
fi
installed > "$out/packages-game.txt"
echo "pulled in: $(comm -13 "$out/packages-base.txt" "$out/packages-game.txt" | tr '\n' ' ')"

# Libraries nothing provides, in the game, its module, the engine's helper and
# every Qt plugin now installed (plugins are loaded at run time, where
# dpkg-shlibdeps does not look).
missing=$(inside sh -c 'for f in /usr/games/quintrel /usr/lib/quintrel/*.so /usr/lib/*/quintrel/*.so \
                         /usr/lib/qt6/libexec/* /usr/lib/*/qt6/plugins/*/*.so; do
                           [ -f "$f" ] || continue
                           ldd "$f" 2>/dev/null | grep "not found" | sed "s|^[[:space:]]*|    $f: |"
                         done' || true)
[ -z "$missing" ] && ok "every library the game, the module and the Qt plugins need is installed" \
    || bad "libraries missing after the install:"$'\n'"$missing"
for f in /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqxcb.so \
         /usr/lib/x86_64-linux-gnu/qt6/plugins/imageformats/libqsvg.so \
         /usr/lib/x86_64-linux-gnu/qt6/plugins/iconengines/libqsvgicon.so \
         /usr/lib/qt6/libexec/QtWebEngineProcess \
         /usr/share/qt6/resources/qtwebengine_resources.pak \
         /usr/share/qt6/translations/qtwebengine_locales/en-US.pak; do
    [ "$arch" = amd64 ] || [[ $f != *x86_64* ]] || continue
    if [ -e "$root$f" ]; then
        ok "$f ($(inside dpkg -S "$f" 2>/dev/null | cut -d: -f1 | head -1))"
    else
        bad "$f is missing: the package should depend on whatever provides it"
    fi
done

section "tools to drive the game: xvfb xauth xdotool imagemagick"
if ! inside apt-get install -y -q --no-install-recommends xvfb xauth xdotool imagemagick \
        > "$out/apt-tools.log" 2>&1; then
    tail -20 "$out/apt-tools.log"; bad "could not install the test tools"; exit 1
fi
installed > "$out/packages-tools.txt"
echo "the tools pulled in: $(comm -13 "$out/packages-game.txt" "$out/packages-tools.txt" | tr '\n' ' ')"

section "running the installed game"
mkdir -p "$root/tmp/check-out" "$root/run/user/0"
chmod 700 "$root/run/user/0"
cp "$self" "$root/tmp/check-deb.sh"
set +e
# /usr/games is on the PATH as on a player's login (Debian's /etc/profile).
timeout 300 chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin:/usr/games HOME=/root LANG=C.UTF-8 \
    XDG_RUNTIME_DIR=/run/user/0 \
    xvfb-run -a -s "-screen 0 1024x768x24" bash /tmp/check-deb.sh --inside /tmp/check-out
rc=$?
set -e
cp -r "$root/tmp/check-out/." "$out/"
[ $rc = 0 ] || bad "the run of the installed game failed (exit $rc; game output: $out/game*.log)"
if cat "$out"/game*.log 2>/dev/null \
        | grep -qiE 'could not (find|load) the Qt platform plugin|cannot be loaded|cannot load library'; then
    bad "the game's output names something it could not load:"
    cat "$out"/game*.log | grep -iE 'platform plugin|cannot be loaded|cannot load library' | sed 's/^/    /'
fi

section "apt-get purge $package"
if inside apt-get purge -y -q "$package" > "$out/apt-purge.log" 2>&1 && [ ! -e "$root/usr/games/quintrel" ] \
        && [ -z "$(compgen -G "$root/usr/lib/*quintrel*" || compgen -G "$root/usr/lib/*/quintrel" || true)" ]; then
    ok "removed again, nothing of it left behind"
else
    bad "apt-get purge failed or left files behind (log: $out/apt-purge.log)"
fi

section "result"
echo "screenshots and logs: $out"
ls "$out"/*.png 2>/dev/null | sed 's/^/  /'
if [ $failures = 0 ]; then
    echo "PASS: $package $version installs and runs on a clean $suite"
else
    echo "FAILED: $failures check(s)"
    exit 1
fi

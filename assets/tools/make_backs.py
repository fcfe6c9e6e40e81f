#!/usr/bin/env python3
"""Writes the ten card backs, assets/backs/back0.svg to back9.svg.

Each back is a 75 x 100 picture inside the same white card margin; the
textured backs are laid out here from a fixed random seed, so running this
again gives the same files. The renderer only knows SVG Tiny 1.2: no filters,
masks, patterns or clip paths, so every texture is built from plain shapes and
gradients, and the margin is painted last over anything that runs past the
picture area.
"""

import math
import os
import random
import re

W, H = 75, 100
# The picture area inside the white margin.
IX, IY, IW, IH, IR = 3, 3, 69, 94, 2.5

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "backs")


def f(x):
    """A number short and exact enough for the files."""
    s = ("%.2f" % x).rstrip("0").rstrip(".")
    return "0" if s == "-0" else s


def frame():
    """White card margin around the picture, and the card's thin edge."""
    x2, y2 = IX + IW, IY + IH
    r = IR
    inner = (f"M{f(IX + r)},{f(IY)} H{f(x2 - r)} A{f(r)},{f(r)} 0 0 1 {f(x2)},{f(IY + r)} "
             f"V{f(y2 - r)} A{f(r)},{f(r)} 0 0 1 {f(x2 - r)},{f(y2)} H{f(IX + r)} "
             f"A{f(r)},{f(r)} 0 0 1 {f(IX)},{f(y2 - r)} V{f(IY + r)} A{f(r)},{f(r)} 0 0 1 {f(IX + r)},{f(IY)} Z")
    return (f'<g id="frame">'
            f'<path fill="#fbfbf7" fill-rule="evenodd" d="M-1,-1 H{W + 1} V{H + 1} H-1 Z {inner}"/>'
            f'<path fill="none" stroke="#000000" stroke-opacity="0.35" stroke-width="0.6" d="{inner}"/>'
            f'<rect x="0.4" y="0.4" width="{f(W - 0.8)}" height="{f(H - 0.8)}" rx="4" ry="4" '
            f'fill="none" stroke="#1a1a1a" stroke-width="0.8"/>'
            f'</g>')


def card(title, defs, body):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{W}" height="{H}" '
            f'viewBox="0 0 {W} {H}" version="1.2" baseProfile="tiny">\n'
            f'<title>{title}</title>\n'
            f'<defs>\n{defs}\n</defs>\n{body}\n{frame()}\n</svg>\n')


def bg(fill):
    return f'<rect x="0" y="0" width="{W}" height="{H}" fill="{fill}"/>'


# ---------------------------------------------------------------- 0 skull

SKULL_DEFS = """
<radialGradient id="sk-bg" cx="37.5" cy="46" r="58" gradientUnits="userSpaceOnUse">
  <stop offset="0" stop-color="#2f5fd0"/><stop offset="0.45" stop-color="#10245e"/>
  <stop offset="1" stop-color="#03050f"/>
</radialGradient>
<linearGradient id="sk-chrome" x1="0" y1="16" x2="0" y2="86" gradientUnits="userSpaceOnUse">
  <stop offset="0" stop-color="#ffffff"/><stop offset="0.18" stop-color="#e4ecf6"/>
  <stop offset="0.40" stop-color="#8f9db2"/><stop offset="0.47" stop-color="#2c3342"/>
  <stop offset="0.50" stop-color="#c9b79c"/><stop offset="0.62" stop-color="#f4f0e8"/>
  <stop offset="0.80" stop-color="#8c96a6"/><stop offset="1" stop-color="#3a4250"/>
</linearGradient>
<radialGradient id="sk-round" cx="37.5" cy="42" r="31" gradientUnits="userSpaceOnUse">
  <stop offset="0.55" stop-color="#000000" stop-opacity="0"/>
  <stop offset="1" stop-color="#000010" stop-opacity="0.65"/>
</radialGradient>
<radialGradient id="sk-shine" cx="29" cy="24.5" r="10" gradientUnits="userSpaceOnUse">
  <stop offset="0" stop-color="#ffffff" stop-opacity="0.95"/>
  <stop offset="1" stop-color="#ffffff" stop-opacity="0"/>
</radialGradient>
<radialGradient id="sk-eye" cx="0.5" cy="0.55" r="0.5">
  <stop offset="0" stop-color="#f4ffff"/><stop offset="0.22" stop-color="#5cf0ff"/>
  <stop offset="0.55" stop-color="#0a6ab0" stop-opacity="0.8"/><stop offset="1" stop-color="#020814" stop-opacity="0"/>
</radialGradient>
<radialGradient id="sk-halo" cx="37.5" cy="50" r="34" gradientUnits="userSpaceOnUse">
  <stop offset="0.5" stop-color="#5ad2ff" stop-opacity="0.55"/>
  <stop offset="1" stop-color="#5ad2ff" stop-opacity="0"/>
</radialGradient>
<linearGradient id="sk-hole" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#05070e"/><stop offset="1" stop-color="#262c3a"/>
</linearGradient>
"""


def bolt(points, width):
    d = "M" + " L".join(f"{f(x)},{f(y)}" for x, y in points)
    return (f'<path d="{d}" fill="none" stroke="#49c8ff" stroke-opacity="0.35" stroke-width="{f(width * 3)}" '
            f'stroke-linejoin="round" stroke-linecap="round"/>'
            f'<path d="{d}" fill="none" stroke="#a8ecff" stroke-width="{f(width)}" '
            f'stroke-linejoin="round" stroke-linecap="round"/>'
            f'<path d="{d}" fill="none" stroke="#ffffff" stroke-width="{f(width * 0.4)}" '
            f'stroke-linejoin="round" stroke-linecap="round"/>')


def zigzag(rng, x0, y0, x1, y1, steps, jitter):
    pts = []
    for i in range(steps + 1):
        t = i / steps
        x = x0 + (x1 - x0) * t
        y = y0 + (y1 - y0) * t
        if 0 < i < steps:
            x += rng.uniform(-jitter, jitter)
            y += rng.uniform(-jitter, jitter)
        pts.append((x, y))
    return pts


SKULL_OUTLINE = ("M37.5,15 C53,15 63,25.5 63,40 C63,46 61.5,49.5 60,51.5 C61.5,53.5 61.5,57 59.5,59 "
                 "C57.5,61 55.5,62.5 54,64.5 L53,68 C55,69.5 55,73 53.5,76 C51.5,82 46,87 37.5,87 "
                 "C29,87 23.5,82 21.5,76 C20,73 20,69.5 22,68 L21,64.5 C19.5,62.5 17.5,61 15.5,59 "
                 "C13.5,57 13.5,53.5 15,51.5 C13.5,49.5 12,46 12,40 C12,25.5 22,15 37.5,15 Z")


def mirror(d, axis=W):
    """The path `d` (absolute x,y pairs only) reflected left to right."""
    return re.sub(r"(-?[\d.]+),(-?[\d.]+)", lambda m: f"{f(axis - float(m.group(1)))},{m.group(2)}", d)


def both(d, attrs):
    return f'<path d="{d}" {attrs}/><path d="{mirror(d)}" {attrs}/>'


def skull_group():
    """The chrome skull, in its own group so the icons can reuse it."""
    eye = ("M20,41.5 C21,36.5 27,35.8 31.5,37 C35.5,38.2 36.2,42.5 35,47 "
           "C34,51.5 29.5,53.5 25,52.3 C21,51.2 19.3,46.5 20,41.5 Z")
    nose = ("M37.5,52 C36.3,55 33.8,58.5 34.3,61 C34.8,62.3 36.5,62 37.5,60.6 "
            "C38.5,62 40.2,62.3 40.7,61 C41.2,58.5 38.7,55 37.5,52 Z")
    teeth = []
    xs = [27.6, 30.7, 34.0, 37.5, 41.0, 44.3, 47.4]
    for i in range(len(xs) - 1):
        x0, x1 = xs[i] + 0.3, xs[i + 1] - 0.3
        teeth.append(f'<rect x="{f(x0)}" y="64.6" width="{f(x1 - x0)}" height="5.6" rx="0.9" fill="url(#sk-tooth)"/>')
        teeth.append(f'<rect x="{f(x0 + 0.25)}" y="71" width="{f(x1 - x0 - 0.5)}" height="5.2" rx="0.9" fill="url(#sk-tooth)"/>')
    dark = 'fill="#000010" fill-opacity="0.38"'
    shine = 'fill="none" stroke="#ffffff" stroke-linecap="round"'
    return f"""<g id="skull">
<path d="{SKULL_OUTLINE}" fill="url(#sk-chrome)"/>
<path d="{SKULL_OUTLINE}" fill="url(#sk-round)"/>
{both("M15.5,59 C18,61.5 20.5,63 21,64.5 L22,68 C24,66.5 26.5,65.2 28.5,64.8 C25.5,61.5 21,58.3 16.8,57.3 Z", dark)}
{both("M12.4,44 C13.3,48.5 14.3,50.5 15,51.5 C17,51 18.6,49 19.2,46 C17,45 14.5,44.4 12.4,44 Z", dark)}
{both("M22,68 C23.5,69.6 25.2,70.6 27.2,70.9", 'fill="none" stroke="#0a0d16" stroke-opacity="0.7" stroke-width="0.5"')}
<path d="M27,64 C31,63 44,63 48,64 L47.5,77.5 C44,79.2 31,79.2 27.5,77.5 Z" fill="#0b0e18"/>
{''.join(teeth)}
{both("M20.3,37.6 C24,34.6 30,34.4 34.2,36.6", shine + ' stroke-opacity="0.9" stroke-width="0.8"')}
{both("M15.6,55.4 C18.5,53.3 23.5,53.4 27.2,55.6", shine + ' stroke-opacity="0.85" stroke-width="0.7"')}
{both("M14.5,40 C15.2,33 19,27 24,24", shine + ' stroke-opacity="0.5" stroke-width="0.7"')}
<path d="M44.5,16.2 L45.8,20.5 L44.2,23.4 L46.2,27" fill="none" stroke="#1a2030" stroke-width="0.45" stroke-linejoin="round"/>
{both(eye, 'fill="url(#sk-hole)" stroke="#000000" stroke-width="0.5"')}
<ellipse cx="27.8" cy="45" rx="5.2" ry="5" fill="url(#sk-eye)"/>
<ellipse cx="47.2" cy="45" rx="5.2" ry="5" fill="url(#sk-eye)"/>
<path d="{nose}" fill="#0b0e18" stroke="#000000" stroke-width="0.4"/>
<ellipse cx="29" cy="24.5" rx="10" ry="6" fill="url(#sk-shine)"/>
<path d="{SKULL_OUTLINE}" fill="none" stroke="#0a0d16" stroke-width="0.9"/>
</g>"""


def back0():
    rng = random.Random(1000)
    defs = SKULL_DEFS + """
<linearGradient id="sk-tooth" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#ffffff"/><stop offset="0.55" stop-color="#aab4c4"/>
  <stop offset="1" stop-color="#4a5262"/>
</linearGradient>"""
    body = [bg("url(#sk-bg)")]
    for (x0, y0, x1, y1) in [(3, 20, 15, 40), (72, 14, 60, 38), (5, 88, 24, 70),
                             (71, 92, 53, 72), (36, 3, 37.5, 17)]:
        body.append(bolt(zigzag(rng, x0, y0, x1, y1, 5, 3), 0.7))
    body.append('<ellipse cx="37.5" cy="50" rx="34" ry="40" fill="url(#sk-halo)"/>')
    body.append(skull_group())
    return card("Chrome skull", defs, "\n".join(body))


# ---------------------------------------------------------------- 1 dusk clouds

def cloud(rng, name, cx, cy, width, height, top, bottom):
    """A cloud of overlapping puffs that share one gradient, dark at the top
    and lit from below by the low sun, so that they read as one shape."""
    y0, y1 = cy - height, cy + height * 0.35
    grad = (f'<linearGradient id="{name}" x1="0" y1="{f(y0)}" x2="0" y2="{f(y1)}" gradientUnits="userSpaceOnUse">'
            f'<stop offset="0" stop-color="{top}"/><stop offset="0.55" stop-color="{top}"/>'
            f'<stop offset="1" stop-color="{bottom}"/></linearGradient>')
    puffs = []
    n = max(3, int(width / 5))
    for i in range(n):
        t = (i + 0.5) / n
        x = cx - width / 2 + width * t + rng.uniform(-1.5, 1.5)
        # taller in the middle of the cloud, flatter at its ends
        rise = math.sin(math.pi * t)
        ry = height * (0.35 + 0.5 * rise) * rng.uniform(0.8, 1.1)
        rx = max(ry * rng.uniform(1.0, 1.5), width / n * 0.8)
        y = cy - ry * 0.55
        puffs.append(f'<ellipse cx="{f(x)}" cy="{f(y)}" rx="{f(rx)}" ry="{f(ry)}" fill="url(#{name})"/>')
    # a flat base joining the puffs
    puffs.append(f'<ellipse cx="{f(cx)}" cy="{f(cy)}" rx="{f(width / 2 + 2)}" ry="{f(height * 0.3)}" fill="url(#{name})"/>')
    return grad, "".join(puffs)


def back1():
    rng = random.Random(1001)
    defs = """
<linearGradient id="dc-sky" x1="0" y1="3" x2="0" y2="84" gradientUnits="userSpaceOnUse">
  <stop offset="0" stop-color="#151238"/><stop offset="0.3" stop-color="#3f2466"/>
  <stop offset="0.55" stop-color="#a33f78"/><stop offset="0.78" stop-color="#f07a50"/>
  <stop offset="1" stop-color="#ffd27a"/>
</linearGradient>
<radialGradient id="dc-sun" cx="44" cy="84" r="26" gradientUnits="userSpaceOnUse">
  <stop offset="0" stop-color="#fff6c8"/><stop offset="0.12" stop-color="#ffe08a"/>
  <stop offset="0.35" stop-color="#ffb060" stop-opacity="0.6"/>
  <stop offset="1" stop-color="#ff8050" stop-opacity="0"/>
</radialGradient>
<linearGradient id="dc-far" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#b25a86"/><stop offset="0.7" stop-color="#f28e6a"/>
  <stop offset="1" stop-color="#ffd090"/>
</linearGradient>
<linearGradient id="dc-mid" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#5a3470"/><stop offset="0.6" stop-color="#b54f78"/>
  <stop offset="1" stop-color="#ff9a70"/>
</linearGradient>
<linearGradient id="dc-near" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#2a1f4a"/><stop offset="0.55" stop-color="#6a3672"/>
  <stop offset="0.9" stop-color="#e0706a"/><stop offset="1" stop-color="#ffb080"/>
</linearGradient>
<linearGradient id="dc-hill" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#2a1838"/><stop offset="1" stop-color="#0e0818"/>
</linearGradient>
<linearGradient id="dc-water" x1="0" y1="84" x2="0" y2="97" gradientUnits="userSpaceOnUse">
  <stop offset="0" stop-color="#f6a070"/><stop offset="1" stop-color="#5a2a5a"/>
</linearGradient>
"""
    body = [bg("url(#dc-sky)")]
    for _ in range(14):
        x, y = rng.uniform(5, 70), rng.uniform(5, 26)
        body.append(f'<circle cx="{f(x)}" cy="{f(y)}" r="{f(rng.uniform(0.25, 0.5))}" fill="#ffffff" '
                    f'fill-opacity="{f(rng.uniform(0.4, 0.9))}"/>')
    body.append(f'<rect x="0" y="84" width="{W}" height="16" fill="url(#dc-water)"/>')
    body.append('<circle cx="44" cy="84" r="26" fill="url(#dc-sun)"/>')
    body.append('<path d="M37,84 A7,7 0 0 1 51,84 Z" fill="#fff2b8"/>')
    for y, w in [(86, 16), (88.5, 11), (91, 7), (93.5, 4)]:
        body.append(f'<rect x="{f(44 - w / 2)}" y="{f(y)}" width="{f(w)}" height="0.8" rx="0.4" '
                    f'fill="#ffe7a0" fill-opacity="0.8"/>')
    # far, small clouds low over the sun; nearer, larger and darker above
    clouds = [("dc-c0", 8, 77, 22, 4, "#b0567e", "#ffc890"), ("dc-c1", 66, 74, 26, 4.5, "#a8507c", "#ffbe88"),
              ("dc-c2", 30, 69, 30, 5, "#8a4278", "#ffa878"), ("dc-c3", 60, 58, 34, 7, "#6a3472", "#ff9a72"),
              ("dc-c4", 12, 52, 36, 7.5, "#5a2e6c", "#f88a70"), ("dc-c5", 46, 40, 40, 8.5, "#3e2462", "#e0707a"),
              ("dc-c6", 8, 27, 40, 9, "#2a1c52", "#c05a7a"), ("dc-c7", 70, 15, 36, 8, "#221848", "#a84c78")]
    for name, cx, cy, width, height, top, bottom in clouds:
        grad, shape = cloud(rng, name, cx, cy, width, height, top, bottom)
        defs += grad + "\n"
        body.append(shape)
    body.append('<path d="M-1,86 C10,80 18,81 27,85 C34,82 38,83 41,85 L41,86 Z" fill="url(#dc-hill)"/>')
    body.append('<path d="M50,86 C58,81.5 66,79 76,82 L76,86 Z" fill="url(#dc-hill)"/>')
    for x, y, s in [(22, 44, 1.3), (27, 41, 1.0), (18.5, 40, 0.8)]:
        body.append(f'<path d="M{f(x - 2 * s)},{f(y - 0.6 * s)} Q{f(x - s)},{f(y - 1.3 * s)} {f(x)},{f(y)} '
                    f'Q{f(x + s)},{f(y - 1.3 * s)} {f(x + 2 * s)},{f(y - 0.6 * s)}" fill="none" '
                    f'stroke="#1e1430" stroke-width="0.45" stroke-linecap="round"/>')
    return card("Dusk clouds", defs, "\n".join(body))


# ---------------------------------------------------------------- 2 ornate pattern

def back2():
    defs = """
<radialGradient id="or-bg" cx="37.5" cy="50" r="55" gradientUnits="userSpaceOnUse">
  <stop offset="0" stop-color="#7a2a96"/><stop offset="0.6" stop-color="#4a1262"/>
  <stop offset="1" stop-color="#22062e"/>
</radialGradient>
<radialGradient id="or-red" cx="0.5" cy="0.35" r="0.7">
  <stop offset="0" stop-color="#ff6a6a"/><stop offset="0.45" stop-color="#d0182c"/>
  <stop offset="1" stop-color="#6a0614"/>
</radialGradient>
<linearGradient id="or-gold" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#fff0b0"/><stop offset="0.5" stop-color="#e0a838"/>
  <stop offset="1" stop-color="#8a5a10"/>
</linearGradient>
<radialGradient id="or-plum" cx="0.5" cy="0.4" r="0.6">
  <stop offset="0" stop-color="#b050d0"/><stop offset="1" stop-color="#3a0a50"/>
</radialGradient>
"""
    gold = 'stroke="#f0c050"'
    body = [bg("url(#or-bg)")]
    # a diagonal trellis of fine gold lines with red studs at its crossings
    step = 10
    for k in range(-12, 14):
        c = k * step
        body.append(f'<path d="M{f(c)},0 L{f(c + H * 0.75)},{H}" fill="none" {gold} stroke-opacity="0.45" stroke-width="0.4"/>')
        body.append(f'<path d="M{f(c)},0 L{f(c - H * 0.75)},{H}" fill="none" {gold} stroke-opacity="0.45" stroke-width="0.4"/>')
    for i in range(-8, 16):
        for j in range(-2, 16):
            x = 37.5 + (i - j) * step / 2
            y = 50 + (i + j) * step / 1.5 / 2 - 50
            if -2 < x < 77 and -2 < y < 102:
                body.append(f'<circle cx="{f(x)}" cy="{f(y)}" r="0.9" fill="#c8102a" stroke="#f0c050" stroke-width="0.3"/>')

    def rosette(cx, cy, scale, petals=8):
        g = [f'<g transform="translate({f(cx)},{f(cy)}) scale({f(scale)})">']
        g.append('<circle r="17" fill="#2a0638" stroke="#f0c050" stroke-width="0.8"/>')
        for k in range(petals):
            a = 360 / petals * k
            g.append(f'<path transform="rotate({f(a)})" d="M0,-2 C5,-6 5,-13 0,-16.5 C-5,-13 -5,-6 0,-2 Z" '
                     f'fill="url(#or-red)" stroke="url(#or-gold)" stroke-width="0.7"/>')
            g.append(f'<path transform="rotate({f(a + 180 / petals)})" d="M0,-5 C2,-8 2,-11 0,-13 C-2,-11 -2,-8 0,-5 Z" '
                     f'fill="url(#or-gold)"/>')
        g.append('<circle r="6.5" fill="url(#or-plum)" stroke="url(#or-gold)" stroke-width="1"/>')
        star = " ".join(f"{f(math.sin(math.radians(a)) * (4.8 if k % 2 == 0 else 2.2))},"
                        f"{f(-math.cos(math.radians(a)) * (4.8 if k % 2 == 0 else 2.2))}"
                        for k, a in enumerate(range(0, 360, 45 // 2)))
        g.append(f'<path d="M{star} Z" fill="url(#or-red)" stroke="#ffd870" stroke-width="0.35"/>')
        g.append('<circle r="1.4" fill="url(#or-gold)"/>')
        g.append('</g>')
        return "".join(g)

    body.append(rosette(37.5, 50, 1.35))
    for cy in (11, 89):
        body.append(rosette(37.5, cy, 0.62))
    for cx, cy in [(9, 30), (66, 30), (9, 70), (66, 70)]:
        body.append(rosette(cx, cy, 0.5))
    # scrolls between the medallions
    scroll = "M0,0 C3,-5 9,-5 10,0 C11,4 6,6 4.5,3 C3.5,1 6,-0.5 7,1"
    for sx in (1, -1):
        for sy in (1, -1):
            for (x, y, r) in [(37.5 + sx * 9, 50 + sy * 29, 0), (37.5 + sx * 22, 50 + sy * 6, 90)]:
                body.append(f'<path transform="translate({f(x)},{f(y)}) scale({sx},{sy}) rotate({r})" d="{scroll}" '
                            f'fill="none" stroke="url(#or-gold)" stroke-width="1.1" stroke-linecap="round"/>')
    return card("Ornate pattern", defs, "\n".join(body))


# ---------------------------------------------------------------- 3 fruit still life

def back3():
    rng = random.Random(1003)
    defs = """
<radialGradient id="fr-bg" cx="30" cy="38" r="60" gradientUnits="userSpaceOnUse">
  <stop offset="0" stop-color="#6a4424"/><stop offset="0.6" stop-color="#33200f"/>
  <stop offset="1" stop-color="#120a04"/>
</radialGradient>
<linearGradient id="fr-table" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#8a4a22"/><stop offset="0.15" stop-color="#a85e2c"/>
  <stop offset="1" stop-color="#3a1a08"/>
</linearGradient>
<linearGradient id="fr-cloth" x1="0" y1="0" x2="1" y2="0">
  <stop offset="0" stop-color="#c9c2b2"/><stop offset="0.5" stop-color="#f4efe4"/>
  <stop offset="1" stop-color="#a8a090"/>
</linearGradient>
<linearGradient id="fr-bowl" x1="0" y1="0" x2="1" y2="0">
  <stop offset="0" stop-color="#1a3a78"/><stop offset="0.3" stop-color="#4a80d8"/>
  <stop offset="0.45" stop-color="#dcecff"/><stop offset="0.6" stop-color="#3a6cc0"/>
  <stop offset="1" stop-color="#0e2250"/>
</linearGradient>
<radialGradient id="fr-apple" cx="0.35" cy="0.35" r="0.7">
  <stop offset="0" stop-color="#ff8a7a"/><stop offset="0.25" stop-color="#e8202a"/>
  <stop offset="0.8" stop-color="#8a0810"/><stop offset="1" stop-color="#4a0408"/>
</radialGradient>
<radialGradient id="fr-orange" cx="0.38" cy="0.35" r="0.7">
  <stop offset="0" stop-color="#ffe0a0"/><stop offset="0.25" stop-color="#ffa020"/>
  <stop offset="0.8" stop-color="#d06000"/><stop offset="1" stop-color="#7a3000"/>
</radialGradient>
<radialGradient id="fr-pear" cx="0.35" cy="0.45" r="0.7">
  <stop offset="0" stop-color="#f8ffa0"/><stop offset="0.35" stop-color="#c8d830"/>
  <stop offset="0.85" stop-color="#6a8a10"/><stop offset="1" stop-color="#3a4a08"/>
</radialGradient>
<radialGradient id="fr-grape" cx="0.35" cy="0.3" r="0.7">
  <stop offset="0" stop-color="#c8a0ff"/><stop offset="0.35" stop-color="#6a2aa0"/>
  <stop offset="1" stop-color="#240a40"/>
</radialGradient>
<linearGradient id="fr-banana" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#fff38a"/><stop offset="0.5" stop-color="#f0c820"/>
  <stop offset="1" stop-color="#a07a08"/>
</linearGradient>
<linearGradient id="fr-leaf" x1="0" y1="0" x2="1" y2="1">
  <stop offset="0" stop-color="#8ad040"/><stop offset="1" stop-color="#2a6010"/>
</linearGradient>
"""
    body = [bg("url(#fr-bg)")]
    # a drape hanging behind, and the table top with its front edge
    body.append('<path d="M3,3 L24,3 C22,20 26,40 22,73 L3,73 Z" fill="#4a1020" fill-opacity="0.85"/>')
    body.append('<path d="M9,3 C10,25 8,50 12,73" fill="none" stroke="#7a2a3a" stroke-width="1.2" stroke-opacity="0.7"/>')
    body.append('<path d="M17,3 C16,25 19,50 17,73" fill="none" stroke="#2a0610" stroke-width="1.2" stroke-opacity="0.7"/>')
    body.append(f'<rect x="0" y="72" width="{W}" height="17" fill="url(#fr-table)"/>')
    body.append(f'<rect x="0" y="89" width="{W}" height="11" fill="#2a1206"/>')
    body.append(f'<rect x="0" y="88.3" width="{W}" height="1.2" fill="#d08a4a"/>')
    # the inside of the bowl, seen past its far rim
    body.append('<ellipse cx="37.5" cy="62" rx="27" ry="4.5" fill="#0e2250"/>')
    # the pear stands at the back
    body.append('<path d="M47,27 C50,27 51,32 52,36 C53,39 58.5,43 58.5,50.5 C58.5,58 53,61.5 47.5,61.5 C42,61.5 36.5,58 36.5,50.5 '
                'C36.5,43 42,39 43,36 C44,32 44,27 47,27 Z" fill="url(#fr-pear)"/>')
    body.append('<path d="M47,27.5 C47,25 48,23 50,22" fill="none" stroke="#4a2a10" stroke-width="1" stroke-linecap="round"/>')
    body.append('<path d="M48.5,24 C52,20 57,21 58,23 C55,25.5 51,26 48.5,24 Z" fill="url(#fr-leaf)"/>')
    body.append('<ellipse cx="42" cy="46" rx="1.6" ry="3.5" fill="#ffffff" fill-opacity="0.35"/>')
    # the apple
    body.append('<path d="M22,41 C26.5,37.5 31,39 32.5,40 C34.5,38.5 40,38 42.5,42 C46,48 43.5,58 36,60.5 '
                'C34,61 32,60.5 31,60 C29,60.8 26.5,60.8 24.5,59.5 C17.5,55 17,45 22,41 Z" fill="url(#fr-apple)"/>')
    body.append('<path d="M32,40.5 C32,37.5 32.5,35.5 34,34" fill="none" stroke="#3a2008" stroke-width="0.9" stroke-linecap="round"/>')
    body.append('<path d="M33,36 C29.5,32.5 25,34 24,36 C27,38 30.5,38 33,36 Z" fill="url(#fr-leaf)"/>')
    body.append('<ellipse cx="24.5" cy="46" rx="2" ry="3.2" fill="#ffffff" fill-opacity="0.4"/>')
    # the orange, in front on the left
    body.append('<circle cx="19" cy="58" r="9" fill="url(#fr-orange)"/>')
    for _ in range(24):
        a, r = rng.uniform(0, 2 * math.pi), rng.uniform(1, 8)
        body.append(f'<circle cx="{f(19 + math.cos(a) * r)}" cy="{f(58 + math.sin(a) * r)}" r="0.25" fill="#a04800" fill-opacity="0.5"/>')
    body.append('<circle cx="19.5" cy="49.8" r="0.9" fill="#5a6a10"/>')
    # grapes hanging over the bowl's right rim
    grapes = [(52, 57), (56.5, 56.5), (60.5, 58), (54.5, 61), (59, 62), (63, 62.5),
              (57, 65.5), (61.5, 66.5), (59.5, 70), (63.5, 70.5), (61.5, 74.5)]
    for x, y in grapes:
        body.append(f'<circle cx="{f(x)}" cy="{f(y)}" r="2.7" fill="url(#fr-grape)" stroke="#1a0630" stroke-width="0.25"/>')
        body.append(f'<circle cx="{f(x - 0.9)}" cy="{f(y - 1)}" r="0.55" fill="#ffffff" fill-opacity="0.75"/>')
    body.append('<path d="M53,55 C53,52 51.5,50 49.5,49.5" fill="none" stroke="#4a3010" stroke-width="0.8"/>')
    # the bowl's body and near rim, over the foot of the fruit
    body.append('<path d="M10.5,62 C11.5,73 21,79.5 37.5,79.5 C54,79.5 63.5,73 64.5,62 C60,66 50,67 37.5,67 C25,67 15,66 10.5,62 Z" fill="url(#fr-bowl)"/>')
    body.append('<path d="M10.5,62 C15,66 25,67 37.5,67 C50,67 60,66 64.5,62" fill="none" stroke="#cfe2ff" stroke-width="1"/>')
    body.append('<path d="M29,79 L27.5,83 L47.5,83 L46,79 Z" fill="#1a3a78"/>')
    body.append('<ellipse cx="37.5" cy="83" rx="10.5" ry="1.3" fill="#0e2250"/>')
    body.append('<path d="M14,69 C20,72.5 28,73.8 37.5,73.8 C47,73.8 55,72.5 61,69" fill="none" stroke="#ffe080" stroke-width="0.8"/>')
    for k in range(7):
        x = 18 + k * 6.5
        body.append(f'<circle cx="{f(x)}" cy="{f(72.2 + 1.7 * math.sin(math.pi * k / 6))}" r="0.9" fill="#ffe080"/>')
    body.append('<path d="M16,66 C18,71 22,74.5 27,76.5" fill="none" stroke="#ffffff" stroke-opacity="0.55" stroke-width="1" stroke-linecap="round"/>')
    # a banana lying on the table in front
    body.append('<path d="M44,84 C52,85.5 60,83.5 66,78.5 C67,78 68,78.6 67.5,79.6 C63,87.5 53,91 43.5,88.5 C42,88 42.4,83.8 44,84 Z" '
                'fill="url(#fr-banana)" stroke="#6a4a04" stroke-width="0.35"/>')
    body.append('<path d="M66,78.6 L68.5,76.6 L69.3,77.6 L67.5,79.6 Z" fill="#5a3a08"/>')
    body.append('<path d="M43.4,84.2 L42,85.6 L42.6,88 L43.6,88.4 Z" fill="#3a2a08"/>')
    body.append('<path d="M45,85.6 C53,87 60,85 65.5,80.5" fill="none" stroke="#fff8c0" stroke-opacity="0.8" stroke-width="0.6"/>')
    # two cherries on the table
    body.append('<path d="M11,85 C12,80 14,78 17,76.5 C16,80 16.5,83 17,85.5" fill="none" stroke="#3a5a10" stroke-width="0.5"/>')
    for x, y in [(11, 86), (17.3, 86.5)]:
        body.append(f'<circle cx="{x}" cy="{y}" r="2.4" fill="url(#fr-apple)"/>')
        body.append(f'<circle cx="{f(x - 0.7)}" cy="{f(y - 0.8)}" r="0.5" fill="#ffffff" fill-opacity="0.8"/>')
    return card("Fruit still life", defs, "\n".join(body))


# ---------------------------------------------------------------- 4 swirl

def back4():
    rng = random.Random(1004)
    defs = """
<radialGradient id="sw-bg" cx="37.5" cy="50" r="60" gradientUnits="userSpaceOnUse">
  <stop offset="0" stop-color="#f4fbff"/><stop offset="0.5" stop-color="#bfe6fb"/>
  <stop offset="1" stop-color="#7cc4ee"/>
</radialGradient>
<radialGradient id="sw-core" cx="37.5" cy="50" r="9" gradientUnits="userSpaceOnUse">
  <stop offset="0" stop-color="#ffffff"/><stop offset="0.5" stop-color="#ffffff" stop-opacity="0.8"/>
  <stop offset="1" stop-color="#ffffff" stop-opacity="0"/>
</radialGradient>
"""
    body = [bg("url(#sw-bg)")]
    cx, cy = 37.5, 50
    colours = ["#1d4fb8", "#7a44d0", "#12a0b4", "#2c7ee0", "#b048c0"]
    arms = len(colours)
    for k, colour in enumerate(colours):
        base = 2 * math.pi * k / arms
        left, right = [], []
        n = 60
        for i in range(n + 1):
            t = i / n
            a = base + t * 3.4 * math.pi / 2 + t * t * 1.2
            r = 2 + 56 * t ** 1.15
            w = 0.3 + 5.5 * math.sin(math.pi * min(t * 1.15, 1.0)) ** 1.2
            px, py = cx + math.cos(a) * r, cy + math.sin(a) * r * 1.12
            nx, ny = math.cos(a), math.sin(a)
            left.append((px + nx * w / 2, py + ny * w / 2))
            right.append((px - nx * w / 2, py - ny * w / 2))
        pts = left + right[::-1]
        d = "M" + " L".join(f"{f(x)},{f(y)}" for x, y in pts) + " Z"
        body.append(f'<path d="{d}" fill="{colour}" fill-opacity="0.82"/>')
        mid = "M" + " L".join(f"{f((a[0] + b[0]) / 2)},{f((a[1] + b[1]) / 2)}"
                              for a, b in list(zip(left, right))[4:48]) 
        body.append(f'<path d="{mid}" fill="none" stroke="#ffffff" stroke-opacity="0.7" stroke-width="0.6" stroke-linecap="round"/>')
    # a sprinkle of bubbles drifting along the arms
    for _ in range(26):
        t = rng.uniform(0.2, 1.0)
        a = rng.uniform(0, 2 * math.pi)
        r = 4 + 48 * t
        x, y = cx + math.cos(a) * r, cy + math.sin(a) * r * 1.12
        body.append(f'<circle cx="{f(x)}" cy="{f(y)}" r="{f(rng.uniform(0.5, 1.6))}" fill="#ffffff" '
                    f'fill-opacity="{f(rng.uniform(0.45, 0.9))}" stroke="#2c6ad0" stroke-opacity="0.5" stroke-width="0.3"/>')
    body.append(f'<circle cx="{cx}" cy="{cy}" r="9" fill="url(#sw-core)"/>')
    return card("Swirl", defs, "\n".join(body))


# ---------------------------------------------------------------- 5 dark red texture

def back5():
    rng = random.Random(1005)
    defs = """
<radialGradient id="dr-cell" cx="0.38" cy="0.32" r="0.7">
  <stop offset="0" stop-color="#9a222c"/><stop offset="0.7" stop-color="#701018"/>
  <stop offset="1" stop-color="#4a060e"/>
</radialGradient>
<radialGradient id="dr-cell2" cx="0.38" cy="0.32" r="0.7">
  <stop offset="0" stop-color="#881c26"/><stop offset="0.7" stop-color="#620c14"/>
  <stop offset="1" stop-color="#42050c"/>
</radialGradient>
<linearGradient id="dr-sheen" x1="0" y1="0" x2="1" y2="1">
  <stop offset="0" stop-color="#ff6060" stop-opacity="0.22"/>
  <stop offset="0.45" stop-color="#ff6060" stop-opacity="0"/>
  <stop offset="1" stop-color="#000000" stop-opacity="0.35"/>
</linearGradient>
<radialGradient id="dr-vig" cx="37.5" cy="50" r="58" gradientUnits="userSpaceOnUse">
  <stop offset="0.5" stop-color="#000000" stop-opacity="0"/>
  <stop offset="1" stop-color="#000000" stop-opacity="0.6"/>
</radialGradient>
"""
    # pebbled leather: close-set grains with dark grooves between them
    body = [bg("#2e040a")]
    step = 3.6
    row = 0
    y = 1.0
    while y < H + 2:
        x = -1.0 + (step / 2 if row % 2 else 0)
        while x < W + 2:
            cx, cy = x + rng.uniform(-0.6, 0.6), y + rng.uniform(-0.6, 0.6)
            rx, ry = rng.uniform(2.0, 2.6), rng.uniform(1.8, 2.2)
            grad = "dr-cell" if rng.random() < 0.6 else "dr-cell2"
            body.append(f'<ellipse transform="rotate({rng.randint(0, 179)} {f(cx)} {f(cy)})" cx="{f(cx)}" cy="{f(cy)}" '
                        f'rx="{f(rx)}" ry="{f(ry)}" fill="url(#{grad})"/>')
            x += step
        y += step * 0.87
        row += 1
    body.append(bg("url(#dr-sheen)"))
    body.append(bg("url(#dr-vig)"))
    return card("Dark red texture", defs, "\n".join(body))


# ---------------------------------------------------------------- 6 red weave

def back6():
    defs = """
<linearGradient id="wv-h" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#5a060c"/><stop offset="0.3" stop-color="#e0303a"/>
  <stop offset="0.5" stop-color="#ff7a70"/><stop offset="0.7" stop-color="#d0242e"/>
  <stop offset="1" stop-color="#4a0408"/>
</linearGradient>
<linearGradient id="wv-v" x1="0" y1="0" x2="1" y2="0">
  <stop offset="0" stop-color="#48040a"/><stop offset="0.3" stop-color="#b81822"/>
  <stop offset="0.5" stop-color="#ea4a48"/><stop offset="0.7" stop-color="#a8141e"/>
  <stop offset="1" stop-color="#3a0206"/>
</linearGradient>
<linearGradient id="wv-shade-r" x1="0" y1="0" x2="1" y2="0">
  <stop offset="0" stop-color="#000000" stop-opacity="0"/><stop offset="1" stop-color="#000000" stop-opacity="0.55"/>
</linearGradient>
<linearGradient id="wv-shade-b" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#000000" stop-opacity="0"/><stop offset="1" stop-color="#000000" stop-opacity="0.55"/>
</linearGradient>
<radialGradient id="wv-light" cx="30" cy="35" r="60" gradientUnits="userSpaceOnUse">
  <stop offset="0" stop-color="#ffffff" stop-opacity="0.18"/>
  <stop offset="0.5" stop-color="#ffffff" stop-opacity="0"/>
  <stop offset="1" stop-color="#000000" stop-opacity="0.45"/>
</radialGradient>
"""
    body = [bg("#2a0204")]
    s = 7.0      # one cell of the weave
    g = 0.5      # the gap between strands
    body.append('<g transform="rotate(45 37.5 50)">')
    n = 16
    for i in range(-n, n):
        for j in range(-n, n):
            x, y = 37.5 + i * s, 50 + j * s
            if (x - 37.5) ** 2 + (y - 50) ** 2 > 68 ** 2:
                continue
            if (i + j) % 2 == 0:
                # the weft passes over: a horizontal strand, shaded where it dives
                body.append(f'<rect x="{f(x - g)}" y="{f(y + g)}" width="{f(s + 2 * g)}" height="{f(s - 2 * g)}" '
                            f'rx="1.2" fill="url(#wv-h)"/>')
                body.append(f'<rect x="{f(x + s - 1.6)}" y="{f(y + g)}" width="2.1" height="{f(s - 2 * g)}" fill="url(#wv-shade-r)"/>')
            else:
                body.append(f'<rect x="{f(x + g)}" y="{f(y - g)}" width="{f(s - 2 * g)}" height="{f(s + 2 * g)}" '
                            f'rx="1.2" fill="url(#wv-v)"/>')
                body.append(f'<rect x="{f(x + g)}" y="{f(y + s - 1.6)}" width="{f(s - 2 * g)}" height="2.1" fill="url(#wv-shade-b)"/>')
    body.append('</g>')
    body.append(bg("url(#wv-light)"))
    return card("Red weave", defs, "\n".join(body))


# ---------------------------------------------------------------- 7 lava lamp

def back7():
    defs = """
<radialGradient id="ll-bg" cx="37.5" cy="50" r="55" gradientUnits="userSpaceOnUse">
  <stop offset="0" stop-color="#5a1a6a"/><stop offset="0.5" stop-color="#26082e"/>
  <stop offset="1" stop-color="#0a020c"/>
</radialGradient>
<radialGradient id="ll-glow" cx="37.5" cy="52" r="30" gradientUnits="userSpaceOnUse">
  <stop offset="0" stop-color="#ff6a3a" stop-opacity="0.55"/>
  <stop offset="1" stop-color="#ff3a6a" stop-opacity="0"/>
</radialGradient>
<linearGradient id="ll-liquid" x1="0" y1="0" x2="1" y2="0">
  <stop offset="0" stop-color="#2a0e7a"/><stop offset="0.35" stop-color="#6a3af0"/>
  <stop offset="0.55" stop-color="#8a62ff"/><stop offset="1" stop-color="#1e0a5a"/>
</linearGradient>
<radialGradient id="ll-wax" cx="0.4" cy="0.35" r="0.7">
  <stop offset="0" stop-color="#fff0a0"/><stop offset="0.3" stop-color="#ffa020"/>
  <stop offset="0.75" stop-color="#f04010"/><stop offset="1" stop-color="#a01808"/>
</radialGradient>
<linearGradient id="ll-metal" x1="0" y1="0" x2="1" y2="0">
  <stop offset="0" stop-color="#3a3a44"/><stop offset="0.25" stop-color="#c8ccd8"/>
  <stop offset="0.4" stop-color="#ffffff"/><stop offset="0.6" stop-color="#8a8e9c"/>
  <stop offset="1" stop-color="#22222a"/>
</linearGradient>
<linearGradient id="ll-shine" x1="0" y1="0" x2="1" y2="0">
  <stop offset="0" stop-color="#ffffff" stop-opacity="0"/><stop offset="0.5" stop-color="#ffffff" stop-opacity="0.55"/>
  <stop offset="1" stop-color="#ffffff" stop-opacity="0"/>
</linearGradient>
"""
    body = [bg("url(#ll-bg)")]
    body.append('<ellipse cx="37.5" cy="52" rx="30" ry="40" fill="url(#ll-glow)"/>')
    glass = "M31,22 L44,22 C46,34 52,48 52.5,60 C52.8,68 49.5,74 47,77 L28,77 C25.5,74 22.2,68 22.5,60 C23,48 29,34 31,22 Z"
    body.append(f'<path d="{glass}" fill="url(#ll-liquid)"/>')
    # the wax: a pool at the foot, a rising blob, a drop near the top
    body.append('<path d="M26.5,70 C30,66 34,68 37,66.5 C41,64.5 45,67 49,69 C49.5,72 48.5,75 47,77 L28,77 C26.5,75 25.8,72.5 26.5,70 Z" fill="url(#ll-wax)"/>')
    body.append('<path d="M33,48 C34,42 42,41 44,46.5 C45.5,50 44,53 42.5,55 C41.5,57 42.5,59.5 40,60.5 '
                'C37,61.5 35.5,59 35.5,57 C35.5,55 32,53 33,48 Z" fill="url(#ll-wax)"/>')
    body.append('<ellipse cx="38" cy="30" rx="3.2" ry="4" fill="url(#ll-wax)"/>')
    body.append('<ellipse cx="30" cy="62" rx="2" ry="2.3" fill="url(#ll-wax)"/>')
    body.append('<ellipse cx="45.5" cy="38" rx="1.6" ry="2" fill="url(#ll-wax)"/>')
    body.append('<path d="M30.5,26 C29,36 25.5,48 25.3,60 C25.2,65 26.5,70 28,73" fill="none" stroke="#ffffff" '
                'stroke-opacity="0.45" stroke-width="1.3" stroke-linecap="round"/>')
    body.append(f'<path d="{glass}" fill="none" stroke="#c8b8ff" stroke-opacity="0.6" stroke-width="0.5"/>')
    # cap and base
    body.append('<path d="M31.5,12 L43.5,12 L44.8,22.5 L30.2,22.5 Z" fill="url(#ll-metal)"/>')
    body.append('<ellipse cx="37.5" cy="12" rx="6" ry="1.2" fill="#d8dce8"/>')
    body.append('<path d="M28,76.5 L47,76.5 L55,94 L20,94 Z" fill="url(#ll-metal)"/>')
    body.append('<path d="M27.3,76.5 L47.7,76.5 L48.5,79 L26.5,79 Z" fill="#2a2a34"/>')
    body.append('<ellipse cx="37.5" cy="94" rx="17.5" ry="2" fill="#3a3a44"/>')
    body.append('<path d="M33,80 L35,80 L33.5,92 L29,92 Z" fill="url(#ll-shine)"/>')
    return card("Lava lamp", defs, "\n".join(body))


# ---------------------------------------------------------------- 8 sea and boat

def back8():
    defs = """
<linearGradient id="se-sky" x1="0" y1="3" x2="0" y2="60" gradientUnits="userSpaceOnUse">
  <stop offset="0" stop-color="#3a8ee0"/><stop offset="0.7" stop-color="#a8d8f8"/>
  <stop offset="1" stop-color="#fff2c8"/>
</linearGradient>
<radialGradient id="se-sun" cx="56" cy="20" r="12" gradientUnits="userSpaceOnUse">
  <stop offset="0" stop-color="#fffbe0"/><stop offset="0.45" stop-color="#ffe060"/>
  <stop offset="0.5" stop-color="#ffd040" stop-opacity="0.6"/><stop offset="1" stop-color="#ffd040" stop-opacity="0"/>
</radialGradient>
<linearGradient id="se-sea0" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#3a8ad0"/><stop offset="1" stop-color="#1a5a98"/>
</linearGradient>
<linearGradient id="se-sea1" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#1f6cc0"/><stop offset="1" stop-color="#124a8a"/>
</linearGradient>
<linearGradient id="se-sea2" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#155aa8"/><stop offset="1" stop-color="#0a3470"/>
</linearGradient>
<linearGradient id="se-sea3" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#0c4590"/><stop offset="1" stop-color="#041c44"/>
</linearGradient>
<linearGradient id="se-sail" x1="0" y1="0" x2="1" y2="0">
  <stop offset="0" stop-color="#ffffff"/><stop offset="1" stop-color="#c8d4e0"/>
</linearGradient>
<linearGradient id="se-hull" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#e0403a"/><stop offset="1" stop-color="#7a140e"/>
</linearGradient>
"""
    body = [bg("url(#se-sky)")]
    body.append('<circle cx="56" cy="20" r="12" fill="url(#se-sun)"/>')
    for x, y, w in [(8, 16, 18), (14, 20, 12), (40, 33, 16), (50, 36, 10)]:
        body.append(f'<rect x="{x}" y="{y}" width="{w}" height="1.6" rx="0.8" fill="#ffffff" fill-opacity="0.85"/>')
    for x, y in [(20, 28), (25, 25)]:
        body.append(f'<path d="M{x - 2},{y - 0.8} Q{x - 1},{y - 1.5} {x},{y} Q{x + 1},{y - 1.5} {x + 2},{y - 0.8}" '
                    f'fill="none" stroke="#1e3a5a" stroke-width="0.45" stroke-linecap="round"/>')
    body.append('<path d="M0,56 L14,52 L22,55 L30,53.5 L34,56 Z" fill="#5a8a9a" fill-opacity="0.8"/>')

    def band(y, amp, wavelength, grad, phase, curls=True):
        x = -2 + phase
        top = ""
        while x < W + wavelength:
            top += f"Q{f(x + wavelength / 4)},{f(y - amp)} {f(x + wavelength / 2)},{f(y)} "
            top += f"Q{f(x + wavelength * 3 / 4)},{f(y + amp * 0.5)} {f(x + wavelength)},{f(y)} "
            x += wavelength
        start = f"M{f(-2 + phase)},{f(y)} "
        out = [f'<path d="{start}{top}L{f(x)},{f(H + 2)} L{f(-2 + phase)},{f(H + 2)} Z" fill="url(#{grad})"/>',
               f'<path d="{start}{top}" fill="none" stroke="#d8f0ff" stroke-width="0.8" stroke-linejoin="round"/>']
        if curls:
            x = -2 + phase
            while x < W + wavelength:
                cx, cy = x + wavelength / 4, y - amp * 0.75
                r = amp * 0.45
                out.append(f'<path d="M{f(cx - r * 2.2)},{f(cy + r * 1.4)} C{f(cx - r)},{f(cy - r * 0.6)} {f(cx + r * 1.2)},{f(cy - r * 0.8)} '
                           f'{f(cx + r * 1.1)},{f(cy + r * 0.4)} C{f(cx + r)},{f(cy + r * 1.2)} {f(cx)},{f(cy + r * 1.1)} {f(cx - r * 0.1)},{f(cy + r * 0.4)}" '
                           f'fill="none" stroke="#ffffff" stroke-width="0.75" stroke-linecap="round"/>')
                x += wavelength
        return "".join(out)

    body.append(band(56, 1.0, 9, "se-sea0", 0, False))
    # the boat rides on the second band
    body.append('<g transform="translate(34,63.2) rotate(-4) scale(1.15)">'
                '<path d="M0,-30 L0,0" stroke="#4a2a10" stroke-width="0.9"/>'
                '<path d="M0,-30 L5.5,-31.8 L0,-33.4 Z" fill="#e02020"/>'
                '<path d="M1,-28.5 C8,-20 12,-10 13,-1.5 L1,-1.5 Z" fill="url(#se-sail)" stroke="#7a8a9a" stroke-width="0.3"/>'
                '<path d="M-1,-25 C-5,-18 -8,-9 -9.5,-1.5 L-1,-1.5 Z" fill="url(#se-sail)" stroke="#7a8a9a" stroke-width="0.3"/>'
                '<path d="M-13,0 L16,0 C15,3.5 12,5.5 8,5.5 L-8,5.5 C-10.5,5.5 -12.5,3 -13,0 Z" fill="url(#se-hull)"/>'
                '<path d="M-12.6,1.2 L15.6,1.2" stroke="#ffe0a0" stroke-width="0.6"/>'
                '</g>')
    body.append(band(67, 2.2, 14, "se-sea1", -4))
    body.append(band(77, 3.0, 18, "se-sea2", -9))
    body.append(band(88, 3.8, 24, "se-sea3", -3))
    return card("Sea and boat", defs, "\n".join(body))


# ---------------------------------------------------------------- 9 starfield

def back9():
    rng = random.Random(1009)
    defs = """
<linearGradient id="st-bg" x1="0" y1="0" x2="0.4" y2="1">
  <stop offset="0" stop-color="#020310"/><stop offset="0.5" stop-color="#080c2a"/>
  <stop offset="1" stop-color="#02020a"/>
</linearGradient>
<radialGradient id="st-neb1" cx="0.5" cy="0.5" r="0.5">
  <stop offset="0" stop-color="#8a3ad0" stop-opacity="0.45"/><stop offset="1" stop-color="#8a3ad0" stop-opacity="0"/>
</radialGradient>
<radialGradient id="st-neb2" cx="0.5" cy="0.5" r="0.5">
  <stop offset="0" stop-color="#20a0c0" stop-opacity="0.35"/><stop offset="1" stop-color="#20a0c0" stop-opacity="0"/>
</radialGradient>
<radialGradient id="st-glow" cx="0.5" cy="0.5" r="0.5">
  <stop offset="0" stop-color="#ffffff"/><stop offset="0.2" stop-color="#d8e8ff" stop-opacity="0.8"/>
  <stop offset="1" stop-color="#a0c0ff" stop-opacity="0"/>
</radialGradient>
"""
    body = [bg("url(#st-bg)")]
    body.append('<ellipse transform="rotate(-30 40 48)" cx="40" cy="48" rx="34" ry="13" fill="url(#st-neb1)"/>')
    body.append('<ellipse transform="rotate(-30 30 58)" cx="30" cy="58" rx="22" ry="9" fill="url(#st-neb2)"/>')
    body.append('<ellipse transform="rotate(-30 50 38)" cx="50" cy="38" rx="16" ry="7" fill="url(#st-neb2)"/>')
    # a faint band of crowded small stars along the nebula
    for _ in range(150):
        t = rng.uniform(-1, 1)
        x = 40 + t * 45 * math.cos(math.radians(-30)) + rng.gauss(0, 5)
        y = 48 + t * 45 * math.sin(math.radians(-30)) + rng.gauss(0, 7)
        body.append(f'<circle cx="{f(x)}" cy="{f(y)}" r="{f(rng.uniform(0.12, 0.3))}" fill="#dce6ff" '
                    f'fill-opacity="{f(rng.uniform(0.3, 0.8))}"/>')
    tints = ["#ffffff", "#ffffff", "#cfe0ff", "#fff0c8", "#ffd0c0"]
    for _ in range(70):
        x, y = rng.uniform(2, 73), rng.uniform(2, 98)
        body.append(f'<circle cx="{f(x)}" cy="{f(y)}" r="{f(rng.uniform(0.2, 0.55))}" fill="{rng.choice(tints)}" '
                    f'fill-opacity="{f(rng.uniform(0.5, 1))}"/>')
    for x, y, s in [(16, 22, 1.0), (57, 70, 1.3), (60, 16, 0.7), (22, 80, 0.8), (45, 52, 0.6)]:
        body.append(f'<circle cx="{f(x)}" cy="{f(y)}" r="{f(3 * s)}" fill="url(#st-glow)"/>')
        body.append(f'<path d="M{f(x - 5 * s)},{f(y)} L{f(x)},{f(y - 0.35 * s)} L{f(x + 5 * s)},{f(y)} L{f(x)},{f(y + 0.35 * s)} Z '
                    f'M{f(x)},{f(y - 5 * s)} L{f(x + 0.35 * s)},{f(y)} L{f(x)},{f(y + 5 * s)} L{f(x - 0.35 * s)},{f(y)} Z" fill="#ffffff"/>')
    return card("Starfield", defs, "\n".join(body))


BACKS = [back0, back1, back2, back3, back4, back5, back6, back7, back8, back9]



def main():
    os.makedirs(OUT, exist_ok=True)
    for i, make in enumerate(BACKS):
        with open(os.path.join(OUT, f"back{i}.svg"), "w") as out:
            out.write(make())


if __name__ == "__main__":
    main()

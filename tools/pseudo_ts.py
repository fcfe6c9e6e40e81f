#!/usr/bin/env python3
"""Makes a pseudo-translation of the game from a .ts template: every text
lengthened by 40 % and written in accented letters, its placeholders, Alt
letters and line breaks kept. A window that shows plain English under it has
a text that never went through tr(); one that cuts a text is too tight for a
longer language."""
import re
import sys
import xml.etree.ElementTree as ET

ACCENTED = dict(zip("aeiouycnsAEIOUYCNS", "áéíöüýçñšÅÉÍÖÜÝÇÑŠ"))
FILLER = "ŀőŕéḿíṕšũḿďôĺőŕšíṫáḿéťẃäŷ"
# %1, %n, %L1 and the like, and &x Alt letters, stay as they are.
KEEP = re.compile(r"%L?\d+|%n|&.")


def pseudo(text):
    parts, last = [], 0
    for m in KEEP.finditer(text):
        parts.append("".join(ACCENTED.get(c, c) for c in text[last:m.start()]))
        parts.append(m.group(0))
        last = m.end()
    parts.append("".join(ACCENTED.get(c, c) for c in text[last:]))
    # Words of six letters, so that a longer text wraps as words do.
    extra = (len(text) * 2 + 4) // 5
    filler = (FILLER * (extra // len(FILLER) + 1))[:max(1, extra - 1)]
    words = [filler[i:i + 6] for i in range(0, len(filler), 6)]
    return "".join(parts) + " " + " ".join(words)


def text_of(element):
    """The element's text, a <byte value="xd"/> inside it read as a carriage return."""
    text = element.text or ""
    for child in element:
        text += chr(int(child.get("value").lstrip("x"), 16)) + (child.tail or "")
    return text


def put(element, text):
    """Writes `text` into `element`, each carriage return as a <byte/>."""
    lines = text.split("\r")
    element.text = lines[0]
    for line in lines[1:]:
        ET.SubElement(element, "byte", value="xd").tail = line


def main(template, out):
    tree = ET.parse(template)
    root = tree.getroot()
    root.set("language", "eo")
    for message in root.iter("message"):
        source = text_of(message.find("source"))
        translation = message.find("translation")
        translation.attrib.pop("type", None)
        for child in list(translation):
            translation.remove(child)
        if message.get("numerus") == "yes":
            translation.text = None
            for _ in range(2):
                put(ET.SubElement(translation, "numerusform"), pseudo(source))
        else:
            put(translation, pseudo(source))
    tree.write(out, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])

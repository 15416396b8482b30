"""Tidies an RTF file that LibreOffice wrote so that older readers show it
as Word would have written it: the Greek code page (\\ansicpg1253) is
declared, text fonts carry the Greek character set, every \\uN escape has
its code-page 1253 byte as fallback instead of '?', and the list bullets
name the Symbol and Wingdings fonts that draw them."""
import re

BULLETS = {61623: ("Symbol", 0xB7), 61607: ("Wingdings", 0xA7)}


def _fallback(codepoint):
    try:
        return "\\'%02x" % chr(codepoint).encode("cp1253")[0]
    except (UnicodeEncodeError, ValueError):
        return "?"


def tidy(rtf):
    rtf = rtf.replace("{\\rtf1\\ansi\\deff", "{\\rtf1\\ansi\\ansicpg1253\\deff", 1)
    start = rtf.index("{\\fonttbl")
    end = rtf.index("}}", start) + 1
    table = rtf[start:end]
    fonts = dict((name, int(num)) for num, name in re.findall(r"\{\\f(\d+)\\[^ ;]*?\\fcharset\d+ ([^;{]+)", table))
    table = table.replace("\\fcharset0 ", "\\fcharset161 ")
    # A number that nothing refers to yet (\\af numbers name fonts too).
    next_font = max(int(n) for n in re.findall(r"\\a?f(\d+)", rtf)) + 1
    for name in ("Symbol", "Wingdings"):
        if name not in fonts:
            fonts[name] = next_font
            table += "{\\f%d\\fnil\\fprq2\\fcharset2 %s;}" % (next_font, name)
            next_font += 1
    rtf = rtf[:start] + table + rtf[end:]

    # Bullet levels of the list table: the bullet escape and the font that draws it.
    def level(match):
        code = int(match.group(1))
        name, byte = BULLETS[code]
        rest = re.sub(r"\\f\d+", "", match.group(2))
        return "{\\leveltext \\'01\\u%d \\'%02x;}%s\\f%d" % (code - 65536, byte, rest, fonts[name])

    rtf = re.sub(r"\{\\leveltext \\'01\\u(61623|61607) \?;\}(\{\\levelnumbers;\}(?:\\f\d+)?)", level, rtf)

    def listtext(match):
        code = int(match.group(1))
        name, byte = BULLETS[code]
        return "{\\listtext\\pard\\plain \\f%d\\u%d\\'%02x\\tab}" % (fonts[name], code - 65536, byte)

    rtf = re.sub(r"\{\\listtext\\pard\\plain\s*\\u(61623|61607)\\'3f\\tab\}", listtext, rtf)
    return re.sub(r"\\u(\d+)\\'3f", lambda m: "\\u%s%s" % (m.group(1), _fallback(int(m.group(1)))), rtf)


def tidy_file(path):
    with open(path, encoding="ascii") as f:
        text = f.read()
    with open(path, "w", encoding="ascii", newline="") as f:
        f.write(tidy(text))

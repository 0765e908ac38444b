"""The mutation rules: regular expressions over C++ source lines.

Comments, preprocessor lines, static_assert and Q_ASSERT are left alone, and so are the contents of
literals except for the two rules about literals. The same file always gives the same mutants in
the same order.
"""

import hashlib
import re

# The order of the rules is the order of the report's table and of the round-robin sample.
REGELN = (
    "tabelle-tausch",  # two adjacent entries of a table row swapped
    "zeilen-tausch",  # two adjacent rows of a table swapped
    "zahl",  # n -> n+1, n -> n-1
    "farbe",  # colour literal: red and blue swapped, a digit of green changed; Qt::black <-> white
    "vergleich",  # < <-> <=, > <-> >=
    "gleichheit",  # == <-> !=
    "logik",  # && <-> ||
    "bedingung",  # if (c) -> if (!(c))
    "wahrheit",  # true <-> false
    "index",  # a[i] -> a[i + 1], a[i - 1]
    "anweisung-weg",  # a statement replaced by an empty block
    "tastentext",  # key or label string: two characters swapped, one overwritten by its neighbour
    "text",  # one character of a user-visible text changed
)


# --------------------------------------------------------------------------------------------
# Reading C++: comments, literals and preprocessor lines
# --------------------------------------------------------------------------------------------

LITERAL_PRAEFIXE = ("", "u8", "u", "U", "L", "R", "u8R", "uR", "UR", "LR")
MASKE = "\x01"  # stands for every character inside a literal in the masked text


class Literal:
    """A string or character literal: where it starts, where its contents lie, what kind."""

    def __init__(self, anfang, inhalt_anfang, inhalt_ende, praefix, roh, zeichen):
        self.anfang = anfang
        self.inhalt_anfang = inhalt_anfang
        self.inhalt_ende = inhalt_ende
        self.praefix = praefix
        self.roh = roh
        self.zeichen = zeichen  # a character literal ('x'), not a string


def lies_cpp(text):
    """Returns the masked text (comments blanked, literal contents replaced by MASKE, same length
    and same line breaks as the text), the literals, and the indexes of preprocessor lines."""
    maske = list(text)
    literale = []
    pp_zeilen = set()
    n = len(text)
    i = 0
    zeile = 0
    zeilenanfang = True  # only whitespace so far on this line

    def wort_davor(pos):
        j = pos
        while j > 0 and (text[j - 1].isalnum() or text[j - 1] == "_"):
            j -= 1
        return j, text[j:pos]

    while i < n:
        c = text[i]
        if c == "\n":
            zeile += 1
            zeilenanfang = True
            i += 1
            continue
        if zeilenanfang and c == "#":
            # A directive runs to the end of the line, or further after a backslash.
            pp_zeilen.add(zeile)
            j = i
            while j < n:
                if text[j] == "\n":
                    if j > 0 and text[j - 1] == "\\":
                        zeile += 1
                        pp_zeilen.add(zeile)
                    else:
                        break
                j += 1
            # Comments and literals inside directives still need masking; handle them in place.
            if j > i + 1:
                maske[i + 1 : j] = list(lies_cpp(text[i + 1 : j])[0])
            i = j
            continue
        if not c.isspace():
            zeilenanfang = False
        if c == "/" and i + 1 < n and text[i + 1] == "/":
            while i < n and text[i] != "\n":
                maske[i] = " "
                i += 1
            continue
        if c == "/" and i + 1 < n and text[i + 1] == "*":
            ende = text.find("*/", i + 2)
            ende = n if ende < 0 else ende + 2
            for k in range(i, ende):
                if text[k] == "\n":
                    zeile += 1
                else:
                    maske[k] = " "
            i = ende
            continue
        if c == '"' or c == "'":
            wortanfang, praefix = wort_davor(i)
            if praefix not in LITERAL_PRAEFIXE or (
                wortanfang > 0 and (text[wortanfang - 1].isalnum() or text[wortanfang - 1] == "_")
            ):
                # A digit separator (1'000) or something this reader does not know: leave it.
                i += 1
                continue
            if c == '"' and praefix.endswith("R"):
                klammer = text.find("(", i + 1)
                trenner = text[i + 1 : klammer]
                ende = text.find(")" + trenner + '"', klammer + 1)
                if klammer < 0 or ende < 0:
                    raise ValueError("unterminated raw string literal")
                inhalt_anfang, inhalt_ende = klammer + 1, ende
                schluss = ende + len(trenner) + 2
                roh = True
            else:
                j = i + 1
                while j < n and text[j] != c:
                    if text[j] == "\\":
                        j += 1
                    elif text[j] == "\n":
                        raise ValueError("line break inside a literal")
                    j += 1
                inhalt_anfang, inhalt_ende = i + 1, j
                schluss = j + 1
                roh = False
            for k in range(inhalt_anfang, inhalt_ende):
                if text[k] == "\n":
                    zeile += 1
                else:
                    maske[k] = MASKE
            literale.append(
                Literal(wortanfang, inhalt_anfang, inhalt_ende, praefix, roh, c == "'")
            )
            i = schluss
            continue
        i += 1
    return "".join(maske), literale, pp_zeilen


def passende_klammer(maske, pos):
    """Index of the bracket that closes the one at pos, or -1."""
    auf = maske[pos]
    zu = {"(": ")", "[": "]", "{": "}"}[auf]
    tiefe = 0
    for k in range(pos, len(maske)):
        if maske[k] == auf:
            tiefe += 1
        elif maske[k] == zu:
            tiefe -= 1
            if tiefe == 0:
                return k
    return -1


def zeichen_einheiten(inhalt, roh):
    """Splits literal contents into units: an escape sequence or one character each."""
    if roh:
        return list(inhalt)
    einheiten = []
    i = 0
    while i < len(inhalt):
        if inhalt[i] == "\\" and i + 1 < len(inhalt):
            art = inhalt[i + 1]
            if art == "u":
                laenge = 6
            elif art == "U":
                laenge = 10
            elif art == "x":
                laenge = 2
                while i + laenge < len(inhalt) and inhalt[i + laenge] in "0123456789abcdefABCDEF":
                    laenge += 1
            elif art in "01234567":
                laenge = 2
                while laenge < 4 and i + laenge < len(inhalt) and inhalt[i + laenge] in "01234567":
                    laenge += 1
            else:
                laenge = 2
            einheiten.append(inhalt[i : i + laenge])
            i += laenge
        else:
            einheiten.append(inhalt[i])
            i += 1
    return einheiten


# --------------------------------------------------------------------------------------------
# The rules
# --------------------------------------------------------------------------------------------


class Mutant:
    def __init__(self, datei, zeile, regel, vorher, nachher):
        self.datei = datei
        self.zeile = zeile  # 0-based index of the first line
        self.regel = regel
        self.vorher = vorher  # list of original lines
        self.nachher = nachher  # list of replacement lines, same count
        self.id = ""

    def ort(self):
        return "%s:%d" % (self.datei, self.zeile + 1)

    def aenderung(self):
        return kurzfassung(
            "\n".join(ohne_ende(s) for s in self.vorher),
            "\n".join(ohne_ende(s) for s in self.nachher),
        )


def kurzfassung(vorher, nachher, rand=28):
    """The changed part of a line with some context, as `before → after`."""
    a = 0
    while a < min(len(vorher), len(nachher)) and vorher[a] == nachher[a]:
        a += 1
    e = 0
    while (
        e < min(len(vorher), len(nachher)) - a
        and vorher[len(vorher) - 1 - e] == nachher[len(nachher) - 1 - e]
    ):
        e += 1

    def ausschnitt(s):
        von = max(0, a - rand)
        bis = min(len(s), len(s) - e + rand)
        teil = s[von:bis].strip().replace("\n", " ⏎ ")
        teil = re.sub(r"\s{2,}", " ", teil)
        return ("…" if von > 0 and s[:von].strip() else "") + teil + (
            "…" if bis < len(s) and s[bis:].strip() else ""
        )

    return "%s → %s" % (ausschnitt(vorher), ausschnitt(nachher))


ZAHL = re.compile(
    r"(?<![\w.])(0[xX][0-9A-Fa-f']+|\d[\d']*\.\d*(?:[eE][+-]?\d+)?|\d[\d']*)([uUlLfF]*)(?![\w.'])"
)
FARBE_HEX = re.compile(r"(?<![\w.])0[xX]([0-9A-Fa-f]{8})([uU]?)(?![\w.])")
QT_FARBEN = {
    "black": "white",
    "white": "black",
    "red": "green",
    "green": "red",
    "blue": "red",
    "yellow": "red",
    "gray": "darkGray",
    "darkGray": "gray",
    "lightGray": "gray",
    "transparent": "white",
}
QT_FARBE = re.compile(r"\bQt::(" + "|".join(QT_FARBEN) + r")\b")
VERGLEICH = re.compile(r"(?<=\s)(<=|>=|<|>)(?=\s)")
GLEICHHEIT = re.compile(r"(?<=\s)(==|!=)(?=\s)")
LOGIK = re.compile(r"(?<=\s)(&&|\|\|)(?=\s)")
WAHRHEIT = re.compile(r"\b(true|false)\b")
WENN = re.compile(r"\bif\s*(?:constexpr\s*)?\(")
INDEX = re.compile(r"(?<=[\w\])])\[")
KEIN_AUSDRUCK = re.compile(
    r"^\s*(return|break|continue|goto|using|typedef|case|default|friend|public|private|protected|"
    r"namespace|template|struct|class|enum|union|static_assert|Q_[A-Z_]+\b(?!\s*\())"
)
BEIWORT = re.compile(
    r"^(?:(?:const|constexpr|consteval|constinit|static|inline|thread_local|mutable|volatile|"
    r"extern|unsigned|signed|typename|explicit|virtual|struct|class|enum)\s+)+"
)
DEKLARATION = re.compile(
    r"^(?!(?:return|delete|throw|goto|co_return|co_yield|else|Q_EMIT|emit)\b)"
    r"[A-Za-z_][\w]*(?:::[A-Za-z_~][\w]*)*\s*(?:<.*>)?(?:::\w+)*"
    r"(?:\s*[*&]+\s*|\s+)(?:const\s+)?[*&]*\s*[A-Za-z_]\w*\s*(?:\[[^\]]*\])?\s*(?:=|\{|\(|;|:|,)"
)


def hex_farbe(wert, ziffern):
    """Two faults for a colour word: outer channels swapped, the middle channel's high digit +1."""
    ergebnisse = []
    v = int(wert, 16)
    niedrig, mitte, hoch = v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF
    oben = v & 0xFF000000
    if niedrig != hoch:
        ergebnisse.append(oben | (niedrig << 16) | (mitte << 8) | hoch)
    mitte2 = (((mitte >> 4) + 1) & 0xF) << 4 | (mitte & 0xF)
    ergebnisse.append(oben | (hoch << 16) | (mitte2 << 8) | niedrig)
    return ["%0*X" % (ziffern, e) for e in ergebnisse]


def zahl_varianten(literal):
    if literal.lower().startswith("0x"):
        wert = int(literal.replace("'", ""), 16)
        ergebnis = ["0x%X" % (wert + 1)]
        if wert > 0:
            ergebnis.append("0x%X" % (wert - 1))
        return ergebnis
    if "." in literal or "e" in literal.lower():
        wert = float(literal.replace("'", ""))
        return [repr(wert + 1), repr(wert - 1)] if wert >= 1 else [repr(wert + 1)]
    wert = int(literal.replace("'", ""))
    return [str(wert + 1)] + ([str(wert - 1)] if wert > 0 else [])


def zeilen_teilen(text):
    """Lines with their ends, so that joining them gives the text back unchanged."""
    return text.splitlines(keepends=True)


def ohne_ende(zeile):
    return zeile.rstrip("\r\n")


def zeilenende(zeile):
    return zeile[len(ohne_ende(zeile)) :]


def zeilen_in_zusicherungen(maske):
    """Lines inside static_assert(...) and Q_ASSERT(...): their constants are no fault."""
    zeilen = set()
    for m in re.finditer(r"\b(?:static_assert|Q_ASSERT(?:_X)?)\s*\(", maske):
        ende = passende_klammer(maske, m.end() - 1)
        if ende < 0:
            continue
        z0 = maske.count("\n", 0, m.start())
        z1 = maske.count("\n", 0, ende)
        zeilen.update(range(z0, z1 + 1))
    return zeilen


def blockarten(maske):
    """For each line, the kind of its innermost enclosing brace: "code" (a function or control
    body, a lambda), "enum", "scope" (class, struct, namespace), "init" (an initializer), or ""
    at file level."""
    ergebnis = []
    stapel = []
    vorher = ""  # the last non-empty masked line, for a look back from a brace
    for zeile in maske.split("\n"):
        ergebnis.append(stapel[-1] if stapel else "")
        for k, c in enumerate(zeile):
            if c == "{":
                davor = (vorher + " " + zeile[:k]).rstrip()
                if re.search(r"\benum\b[^;{}()]*$", davor):
                    art = "enum"
                elif re.search(r"\b(class|struct|namespace|union)\b[^;{}()=]*$", davor):
                    art = "scope"
                elif re.search(
                    r"(\)|\bconst|\boverride|\bnoexcept|\bmutable|\belse|\bdo|\btry)$", davor
                ):
                    art = "code"
                else:
                    art = "init"
                stapel.append(art)
            elif c == "}":
                if stapel:
                    stapel.pop()
        if zeile.strip():
            vorher = zeile
    return ergebnis


def gruppen_der_zeile(mz):
    """Brace, parenthesis and implicit groups of a masked line: (open char, start, end) of the
    contents. An opener without closer on this line runs to its end; a closer without opener ends
    the implicit group that started the line."""
    gruppen = []
    stapel = [("^", 0)]
    for k, c in enumerate(mz):
        if c in "({[":
            stapel.append((c, k + 1))
        elif c in ")}]":
            auf, anfang = stapel.pop()
            gruppen.append((auf, anfang, k))
            if not stapel:
                stapel.append(("^", k + 1))
    while stapel:
        auf, anfang = stapel.pop()
        gruppen.append((auf, anfang, len(mz)))
    return gruppen


def eintraege(mz, anfang, ende):
    """Top-level comma-separated entries of mz[anfang:ende] as (start, end) without whitespace."""
    teile = []
    tiefe = 0
    start = anfang
    for k in range(anfang, ende):
        c = mz[k]
        if c in "({[":
            tiefe += 1
        elif c in ")}]":
            tiefe -= 1
        elif c == "," and tiefe == 0:
            teile.append((start, k))
            start = k + 1
    teile.append((start, ende))
    ergebnis = []
    for a, e in teile:
        while a < e and mz[a].isspace():
            a += 1
        while e > a and mz[e - 1].isspace():
            e -= 1
        ergebnis.append((a, e))
    return ergebnis


def eintragsart(mz):
    if re.fullmatch(r"-?" + ZAHL.pattern, mz):
        return "N"
    if re.fullmatch(r'(?:(?:u8|u|U|L)?"\x01*"\s*)+', mz):
        return "S"
    if re.fullmatch(r"(?:u8|u|U|L)?'\x01+'", mz):
        return "C"
    if mz.startswith("{") and mz.endswith("}"):
        return "G"
    if mz in ("true", "false"):
        return "B"
    if re.fullmatch(r"[A-Za-z_]\w*(?:::\w+)*", mz):
        return "I"
    return None


def zeilengestalt(mz):
    """The token kinds of a masked line: literals and names become placeholders."""
    g = re.sub(r'(?:u8|u|U|L)?"\x01*"', "S", mz)
    g = re.sub(r"(?:u8|u|U|L)?'\x01*'", "C", g)
    g = ZAHL.sub("N", g)
    g = re.sub(r"\b(?!true\b|false\b)[A-Za-z_]\w*\b", "I", g)
    return re.sub(r"\s+", "", g)


def ausgeglichen(mz):
    tiefe = 0
    for c in mz:
        if c in "({[":
            tiefe += 1
        elif c in ")}]":
            tiefe -= 1
            if tiefe < 0:
                return False
    return tiefe == 0


def ist_tastentext(lit, inhalt, maske):
    """A key string or label: a char16_t literal without spaces that stands alone (not a piece of
    a longer text split over adjacent literals), and not a resource path, a web address or an
    object name like mnu_Link1."""
    if lit.praefix != "u" or lit.zeichen or lit.roh or not inhalt:
        return False
    if any(ch.isspace() for ch in inhalt) or inhalt.startswith(":/") or "://" in inhalt:
        return False
    if re.fullmatch(r"[A-Za-z][A-Za-z0-9]*_\w*", inhalt, re.ASCII):
        return False
    davor = maske[: lit.anfang].rstrip()
    danach = maske[lit.inhalt_ende + 1 :].lstrip()
    return not davor.endswith('"') and not re.match(r'(?:u8|u|U|L)?"', danach)


def mutanten_der_datei(datei, text):
    """Every mutant of one file, in line order and, within a line, in rule order."""
    maske, literale, pp_zeilen = lies_cpp(text)
    zeilen = zeilen_teilen(text)
    mzeilen = maske.split("\n")
    gesperrt = set(pp_zeilen) | zeilen_in_zusicherungen(maske)
    im_code = blockarten(maske)
    ergebnis = []

    def ersetze(z, anfang, ende, neu, regel):
        alt = zeilen[z]
        zeile = ohne_ende(alt)
        neu_zeile = zeile[:anfang] + neu + zeile[ende:]
        if neu_zeile != zeile:
            ergebnis.append(Mutant(datei, z, regel, [alt], [neu_zeile + zeilenende(alt)]))

    for z, mz in enumerate(mzeilen):
        if z in gesperrt or z >= len(zeilen):
            continue
        zeile = ohne_ende(zeilen[z])
        code = mz.strip()
        if not code:
            continue

        # Enumerators keep their meaning under any order or value; swapping them is no fault.
        aufzaehlung = im_code[z] == "enum" or re.search(r"\benum\b", mz)

        # tabelle-tausch: adjacent entries of the same kind inside one group of this line.
        for auf, anfang, ende in ([] if aufzaehlung else gruppen_der_zeile(mz)):
            if auf == "[":
                continue
            if auf == "^" and not code.endswith(","):
                continue
            teile = eintraege(mz, anfang, ende)
            if len(teile) < 2:
                continue
            for (a1, e1), (a2, e2) in zip(teile, teile[1:]):
                art = eintragsart(mz[a1:e1])
                if art is None or art != eintragsart(mz[a2:e2]):
                    continue
                if auf == "(" and art != "N":
                    continue
                t1, t2 = zeile[a1:e1], zeile[a2:e2]
                if t1 != t2:
                    ersetze(z, a1, e2, t2 + zeile[e1:a2] + t1, "tabelle-tausch")

        # zeilen-tausch: this line and the next are rows of the same shape.
        if z + 1 < len(mzeilen) and z + 1 < len(zeilen) and z + 1 not in gesperrt:
            mz2 = mzeilen[z + 1]
            code2 = mz2.strip()
            einzug = len(mz) - len(mz.lstrip())
            einzug2 = len(mz2) - len(mz2.lstrip())
            if (
                code2
                and not aufzaehlung
                and einzug == einzug2
                and code[-1] == code2[-1]
                and code[-1] in ",;"
                and ausgeglichen(code)
                and ausgeglichen(code2)
                and zeilengestalt(code) == zeilengestalt(code2)
                and code != code2
                and (
                    code[-1] == ","
                    or "{" in code
                    or len(re.findall(r"[NSC]", zeilengestalt(code))) >= 2
                )
            ):
                z2 = ohne_ende(zeilen[z + 1])
                if zeile.strip() != z2.strip():
                    ergebnis.append(
                        Mutant(
                            datei,
                            z,
                            "zeilen-tausch",
                            [zeilen[z], zeilen[z + 1]],
                            [z2 + zeilenende(zeilen[z]), zeile + zeilenende(zeilen[z + 1])],
                        )
                    )

        # farbe
        farbstellen = set()
        for m in FARBE_HEX.finditer(mz):
            farbstellen.add(m.start())
            for neu in hex_farbe(m.group(1), 8):
                ersetze(z, m.start(1), m.end(1), neu, "farbe")
        for m in QT_FARBE.finditer(mz):
            ersetze(z, m.start(1), m.end(1), QT_FARBEN[m.group(1)], "farbe")

        # zahl
        deklaration = DEKLARATION.match(BEIWORT.sub("", code))
        for m in ZAHL.finditer(mz):
            if m.start() in farbstellen:
                continue
            # Not the 0 of a pure virtual function nor an array size in a declaration: one more
            # only adds an unused element, one less stops the build.
            if re.search(r"\)\s*(?:const\s*)?(?:override\s*)?=\s*$", mz[: m.start()]):
                continue
            if (
                deklaration
                and re.search(r"\[\s*$", mz[: m.start()])
                and re.match(r"\s*\]\s*(?:=|;|\{)", mz[m.end() :])
            ):
                continue
            for neu in zahl_varianten(m.group(1)):
                ersetze(z, m.start(1), m.end(1), neu, "zahl")

        # vergleich: only operators with spaces on both sides, as formatted; never a template.
        for m in VERGLEICH.finditer(mz):
            if re.search(r"\btemplate\s*$", mz[: m.start()]):
                continue
            neu = {"<": "<=", "<=": "<", ">": ">=", ">=": ">"}[m.group(1)]
            ersetze(z, m.start(), m.end(), neu, "vergleich")

        for m in GLEICHHEIT.finditer(mz):
            ersetze(z, m.start(), m.end(), "!=" if m.group(1) == "==" else "==", "gleichheit")

        for m in LOGIK.finditer(mz):
            ersetze(z, m.start(), m.end(), "||" if m.group(1) == "&&" else "&&", "logik")

        # bedingung: the whole condition negated, when it closes on this line.
        for m in WENN.finditer(mz):
            ende = passende_klammer(mz, m.end() - 1)
            if ende < 0:
                continue
            innen = zeile[m.end() : ende]
            if DEKLARATION.match(innen.strip()):
                continue  # if (T *x = ...): negating a declaration does not compile
            ersetze(z, m.end(), ende, "!(" + innen + ")", "bedingung")

        for m in WAHRHEIT.finditer(mz):
            ersetze(z, m.start(), m.end(), "false" if m.group(1) == "true" else "true", "wahrheit")

        # index: a[i] -> a[i + 1] and a[i - 1], for indexes that are not a bare number (the
        # number rule covers those) and not in a declaration's size.
        for m in INDEX.finditer(mz):
            ende = passende_klammer(mz, m.start())
            if ende < 0:
                continue
            innen_maske = mz[m.end() : ende].strip()
            if (
                not innen_maske
                or ZAHL.fullmatch(innen_maske)
                or MASKE in innen_maske
                or "++" in innen_maske
                or "--" in innen_maske
            ):
                continue  # a bare number is the number rule's; a counter n++ is no index fault
            if DEKLARATION.match(BEIWORT.sub("", code)) and "=" in mz[ende:]:
                if "=" not in mz[: m.start()]:
                    continue
            innen = zeile[m.end() : ende]
            ersetze(z, m.end(), ende, innen + " + 1", "index")
            ersetze(z, m.end(), ende, innen + " - 1", "index")

        # anweisung-weg: a whole statement line inside a function body becomes an empty block.
        if (
            im_code[z] == "code"
            and code.endswith(";")
            and ausgeglichen(code)
            and not code.startswith("}")
            and not KEIN_AUSDRUCK.match(code)
            and not re.search(r"=\s*(default|delete|0)\s*;$", code)
            and not DEKLARATION.match(BEIWORT.sub("", code))
        ):
            davor = ""
            for k in range(z - 1, -1, -1):
                if mzeilen[k].strip() and k not in pp_zeilen:
                    davor = mzeilen[k].strip()
                    break
            kopf = davor.endswith(")") and re.match(r"^(?:\}\s*)?(?:if|for|while|else if)\b", davor)
            if davor.endswith((";", "{", "}", ":")) or kopf or davor in ("else", "} else"):
                einzug = zeile[: len(zeile) - len(zeile.lstrip())]
                ende_z = zeilenende(zeilen[z])
                ergebnis.append(
                    Mutant(datei, z, "anweisung-weg", [zeilen[z]], [einzug + "{}" + ende_z])
                )

    # Literal rules work on the literals themselves, which may span lines (raw strings).
    zeilenanfaenge = [0]
    for zeile in zeilen:
        zeilenanfaenge.append(zeilenanfaenge[-1] + len(zeile))

    def zeile_von(pos):
        lo, hi = 0, len(zeilenanfaenge) - 1
        while lo < hi - 1:
            mitte = (lo + hi) // 2
            if zeilenanfaenge[mitte] <= pos:
                lo = mitte
            else:
                hi = mitte
        return lo

    def ersetze_im_text(pos, laenge, neu, regel):
        z = zeile_von(pos)
        if z in gesperrt:
            return
        spalte = pos - zeilenanfaenge[z]
        ersetze(z, spalte, spalte + laenge, neu, regel)

    for lit in literale:
        if lit.zeichen:
            continue
        inhalt = text[lit.inhalt_anfang : lit.inhalt_ende]
        einheiten = zeichen_einheiten(inhalt, lit.roh)
        positionen = []
        p = lit.inhalt_anfang
        for e in einheiten:
            positionen.append(p)
            p += len(e)
        if ist_tastentext(lit, inhalt, maske):
            if len(einheiten) < 2:
                continue
            # Many key strings are sets (the keys of a lesson, of a finger), where a swap changes
            # nothing; a key overwritten by its neighbour drops one from the set as well as
            # shifting an ordered table. So: one swap in the middle, one overwrite near each end
            # (the second unit rather than the first, which in the lessons' key strings is a
            # capital that no key stands for).
            n = len(einheiten)
            k = min((n - 1) // 2, n - 2)
            a, b = einheiten[k], einheiten[k + 1]
            if a != b:
                ersetze_im_text(positionen[k], len(a) + len(b), b + a, "tastentext")
            v = 1 if n >= 3 else 0
            if einheiten[v] != einheiten[v + 1]:
                ersetze_im_text(positionen[v], len(einheiten[v]), einheiten[v + 1], "tastentext")
            letzte, vorletzte = einheiten[n - 1], einheiten[n - 2]
            if letzte != vorletzte:
                ersetze_im_text(positionen[n - 1], len(letzte), vorletzte, "tastentext")
            continue
        # A user-visible text: not a resource path, not a code name (object or font names, also
        # as a pattern like "Finger_%1").
        if inhalt.startswith(":/") or re.fullmatch(r"[A-Za-z_][A-Za-z0-9_]*(?:%\d)*", inhalt):
            continue
        kandidaten = [
            k
            for k, e in enumerate(einheiten)
            if len(e) == 1
            and (e.isdigit() or (e.isalpha() and len(e.swapcase()) == 1 and e.swapcase() != e))
        ]
        if not kandidaten:
            continue
        mitte = (len(einheiten) - 1) / 2
        k = min(kandidaten, key=lambda i: (abs(i - mitte), i))
        e = einheiten[k]
        neu = str((int(e) + 1) % 10) if e.isdigit() else e.swapcase()
        if text[positionen[k]] == "\n":
            continue
        ersetze_im_text(positionen[k], 1, neu, "text")

    # Rule order within a line, then line order: the list is stable for the same file.
    rang = {r: i for i, r in enumerate(REGELN)}
    ergebnis.sort(key=lambda m: (m.zeile, rang[m.regel]))
    eindeutig = []
    gesehen = set()
    for m in ergebnis:
        schluessel = (m.zeile, tuple(m.nachher))
        if schluessel not in gesehen:
            gesehen.add(schluessel)
            eindeutig.append(m)
    return eindeutig


def vergib_ids(mutanten):
    """Ids that survive edits elsewhere in the file: a hash of file, rule and the changed lines,
    numbered when the same change occurs more than once in a file."""
    zaehler = {}
    for m in mutanten:
        grund = "\0".join(
            [
                m.datei,
                m.regel,
                "\n".join(s.strip() for s in m.vorher),
                "\n".join(s.strip() for s in m.nachher),
            ]
        )
        k = zaehler.get(grund, 0)
        zaehler[grund] = k + 1
        m.id = hashlib.sha1((grund + "\0" + str(k)).encode("utf-8")).hexdigest()[:10]

"""The faults the mutation tool puts into the program, each a change of one or two lines.

Every rule changes something a learner sees or hears: a comparison, a condition, a number, a
truth value, a statement, an entry of one of the tables the design fixes, or a letter of a text
the design quotes. The C++ rules read lines with comments and the contents of literals masked;
preprocessor lines, static_assert and Q_ASSERT are left alone. The same file always gives the
same mutants in the same order.
"""

import hashlib
import re
from dataclasses import dataclass

# In the order of the report's table and of the sample's round robin.
REGELN = {
    "tabelle": "one entry of two adjacent rows of a design table swapped",
    "zahl": "a number one up or one down",
    "vergleich": "< and <=, > and >=, == and != exchanged",
    "bedingung": "an if's condition negated, && and || exchanged",
    "wahrheit": "true and false exchanged",
    "weg": "a statement deleted",
    "text": "a letter of a text the design quotes in the other case",
}

# The tables the design fixes: the keys, the fingers and markers, the key names, the key
# explanations, the web links, the menu groups, and the lesson catalogue below. For each, the
# columns of our own wording, as (entries per row, column), which only a second copy could check:
# the screen-reader names of the keys that show no character and of the finger markers.
TABELLEN = {
    "keyboard/Tastatur.cpp": {(14, 13)},
    "keyboard/Finger.cpp": {(2, 1)},
    "keyboard/Taste.cpp": set(),
    "help/Tastenerklaerungen.cpp": set(),
    "help/Weblinks.cpp": set(),
    "main_window/Hauptmenue.cpp": set(),
}
LEKTIONEN = "lessons/lektionen.txt"
# The tests' one place for what the design quotes; its texts are the ones worth a changed letter.
SOLLWERTE = "tests/support/Sollwerte.h"
MASKE = "\x01"  # every character inside a literal, in the masked text


@dataclass
class Mutant:
    datei: str
    zeile: int  # 0-based index of the first changed line
    regel: str
    vorher: list  # the original lines, with their ends
    nachher: list  # as many lines, changed
    tausch: str = ""  # for a swap, what was swapped
    id: str = ""

    def ort(self):
        return "%s:%d" % (self.datei, self.zeile + 1)

    def aenderung(self):
        """The changed part with a little context, as `before → after`."""
        if self.tausch:
            return self.tausch
        a, b = self.vorher[0].strip(), self.nachher[0].strip()
        vorn = 0
        while vorn < min(len(a), len(b)) and a[vorn] == b[vorn]:
            vorn += 1
        hinten = 0
        while hinten < min(len(a), len(b)) - vorn and a[-1 - hinten] == b[-1 - hinten]:
            hinten += 1

        def stueck(s):
            von, bis = max(0, vorn - 24), min(len(s), len(s) - hinten + 24)
            return ("…" if von else "") + s[von:bis] + ("…" if bis < len(s) else "")

        return "%s → %s" % (stueck(a), stueck(b))


LITERAL = re.compile(
    r"//[^\n]*|/\*.*?\*/"
    r'|(?:u8|[uUL])?R"(?P<trenner>[^(]*)\((?P<roh>.*?)\)(?P=trenner)"'
    r'|(?:u8|[uUL])?"(?P<text>(?:\\.|[^"\\\n])*)"'
    r"|(?:u8|[uUL])?'(?P<zeichen>(?:\\.|[^'\\\n])*)'",
    re.S,
)


def maskieren(text):
    """The text with comments blanked and literal contents replaced by MASKE (same length, same
    line breaks), and for each string literal its start and the span of its contents."""
    teile, texte, pos = [], [], 0
    for m in LITERAL.finditer(text):
        teile.append(text[pos : m.start()])
        art = next((g for g in ("roh", "text", "zeichen") if m.group(g) is not None), None)
        if art is None:
            teile.append(re.sub(r"[^\n]", " ", m.group()))
        else:
            a, e = m.span(art)
            if art != "zeichen":
                texte.append((m.start(), a, e))
            teile.append(
                text[m.start() : a] + re.sub(r"[^\n]", MASKE, text[a:e]) + text[e : m.end()]
            )
        pos = m.end()
    teile.append(text[pos:])
    return "".join(teile), texte


def klammer_zu(maske, pos):
    """The index of the bracket that closes the one at pos, or -1."""
    tiefe = 0
    for k in range(pos, len(maske)):
        tiefe += (maske[k] in "([{") - (maske[k] in ")]}")
        if tiefe == 0:
            return k
    return -1


def ausgeglichen(s):
    tiefe = 0
    for c in s:
        tiefe += (c in "([{") - (c in ")]}")
        if tiefe < 0:
            return False
    return tiefe == 0


def gesperrte_zeilen(maske):
    """Preprocessor lines and the lines of static_assert and Q_ASSERT: nothing to change there."""
    zeilen = {z for z, s in enumerate(maske.split("\n")) if s.lstrip().startswith("#")}
    for m in re.finditer(r"\b(?:static_assert|Q_ASSERT(?:_X)?)\s*\(", maske):
        ende = klammer_zu(maske, m.end() - 1)
        zeilen.update(range(maske.count("\n", 0, m.start()), maske.count("\n", 0, ende) + 1))
    return zeilen


def blockarten(maske):
    """For each line the kind of the innermost brace around it: "code" (a function, control or
    lambda body), "init" (an initializer) or "" (file, namespace, class, enum)."""
    arten, stapel, davor = [], [], ""
    for zeile in maske.split("\n"):
        arten.append(stapel[-1] if stapel else "")
        for k, c in enumerate(zeile):
            if c == "{":
                vorn = (davor + " " + zeile[:k]).rstrip()
                if re.search(r"\b(?:class|struct|namespace|union|enum)\b[^;{}()=]*$", vorn):
                    stapel.append("")
                elif re.search(
                    r"(?:[)\]]|\b(?:const|override|noexcept|mutable|else|do|try))$", vorn
                ):
                    stapel.append("code")
                else:
                    stapel.append("init")
            elif c == "}" and stapel:
                stapel.pop()
        if zeile.strip():
            davor = zeile
    return arten


def eintraege(zeile):
    """The top-level entries of a table row such as `{a, {b, c}, d},` as (start, end) spans; a
    row without braces is one entry."""
    anfang = len(zeile) - len(zeile.lstrip())
    ende = zeile.rstrip().rfind(",")
    if zeile[anfang] == "{" and klammer_zu(zeile, anfang) == ende - 1:
        anfang, ende = anfang + 1, ende - 1
    spannen, tiefe, start = [], 0, anfang
    for k in range(anfang, ende + 1):
        if k == ende or (zeile[k] == "," and tiefe == 0):
            a, e = start, k
            while a < e and zeile[a].isspace():
                a += 1
            while e > a and zeile[e - 1].isspace():
                e -= 1
            spannen.append((a, e))
            start = k + 1
        else:
            tiefe += (zeile[k] in "([{") - (zeile[k] in ")]}")
    return spannen


def ist_text(maske, start, a):
    """Texts are wide literals or QStringLiteral, or pieces joined to one; narrow literals are
    object names, addresses and the build's own messages."""
    return start < a - 1 or re.search(
        r'(?:QStringLiteral\(|")\s*$', maske[max(0, start - 40) : start]
    )


def zitate(sollwerte):
    """The texts of the tests' one place, adjacent literals joined as the compiler joins them."""
    maske, texte = maskieren(sollwerte)
    ergebnis, bis = [], -1
    for start, a, e in texte:
        if ergebnis and re.fullmatch(r'"\s*(?:u8|[uUL])?"', maske[bis:a]):
            ergebnis[-1] += sollwerte[a:e]
        elif ist_text(maske, start, a):
            ergebnis.append(sollwerte[a:e])
        bis = e
    return ergebnis


def zitiert(inhalt, texte):
    """A program text is the design's when it is one of the tests' texts, or a piece of one that
    is more than a word (a single word may occur in a quote by chance)."""
    return len(inhalt) > 1 and (
        inhalt in texte or (" " in inhalt and any(inhalt in t for t in texte))
    )


ESCAPE = re.compile(r"\\(?:u[0-9A-Fa-f]{4}|U[0-9A-Fa-f]{8}|x[0-9A-Fa-f]+|.)")
ZAHL = re.compile(r"(?<![\w.])(0[xX][0-9A-Fa-f]+|\d+\.\d*|\d+)(?=[uUlLfF]*(?![\w.]))")
VERGLEICH = re.compile(r"(?<= )(<=|>=|<|>|==|!=)(?= )")
LOGIK = re.compile(r"(?<= )(&&|\|\|)(?= )")
GEGENTEIL = dict(
    zip("< <= > >= == != && || true false".split(), "<= < >= > != == || && false true".split())
)
KEINE_ANWEISUNG = re.compile(
    r"^(?:return|break|continue|goto|case|default|using|typedef|static_assert|Q_(?!EMIT\b)[A-Z_]+)\b"
)
DEKLARATION = re.compile(
    r"^(?!(?:return|delete|throw|else|Q_EMIT)\b)(?:(?:const|constexpr|static|inline)\s+)*"
    r"[A-Za-z_][\w:]*(?:<[^;=]*>)?[\s*&]+\w+\s*(?:=|\{|\(|;|\[)"
)


def naechste_zahlen(zahl):
    if zahl.lower().startswith("0x"):
        wert = int(zahl, 16)
        return ["0x%0*X" % (len(zahl) - 2, v) for v in (wert + 1, wert - 1) if v >= 0]
    if "." in zahl:
        wert = float(zahl)
        return [repr(v) for v in (wert + 1, wert - 1) if v >= 0]
    return [str(v) for v in (int(zahl) + 1, int(zahl) - 1) if v >= 0]


def zahlen(zeile, mz, code):
    for m in ZAHL.finditer(mz):
        if mz[m.end() :].startswith(">") or (
            re.search(r"\bvirtual\b", mz) and code.endswith("= 0;")
        ):
            continue  # a template's size argument, a pure virtual function
        for neu in naechste_zahlen(m.group(1)):
            yield m.start(1), m.end(1), neu


def vergleiche(zeile, mz, code):
    for m in VERGLEICH.finditer(mz):
        yield m.start(), m.end(), GEGENTEIL[m.group()]


def bedingungen(zeile, mz, code):
    for m in re.finditer(r"\bif\s*(?:constexpr\s*)?\(", mz):
        ende = klammer_zu(mz, m.end() - 1)
        innen = zeile[m.end() : ende]
        if ende > 0 and not DEKLARATION.match(innen.strip()):
            yield m.end(), ende, "!(" + innen + ")"
    for m in LOGIK.finditer(mz):
        yield m.start(), m.end(), GEGENTEIL[m.group()]


def wahrheiten(zeile, mz, code):
    for m in re.finditer(r"\b(?:true|false)\b", mz):
        yield m.start(), m.end(), GEGENTEIL[m.group()]


ZEILENREGELN = {
    "zahl": zahlen,
    "vergleich": vergleiche,
    "bedingung": bedingungen,
    "wahrheit": wahrheiten,
}


def ist_anweisung(code, davor):
    """A whole statement on its line, after the end of another or the head of a block, and not
    one whose loss the compiler would refuse (a declaration, a return)."""
    return (
        code.endswith(";")
        and ausgeglichen(code)
        and not code.startswith("}")
        and not KEINE_ANWEISUNG.match(code)
        and not DEKLARATION.match(code)
        and not re.search(r"=\s*(?:default|delete)\s*;$", code)
        and (
            davor.endswith((";", "{", "}", ":", "else"))
            or re.match(r"(?:\}\s*)?(?:if|for|while|else if)\b.*\)$", davor)
        )
    )


def tausche(datei, z, n, zeilen, mzeilen, arten):
    """When lines z and n are adjacent rows of a design table, each entry that differs between
    them, swapped."""
    if datei not in TABELLEN or n is None or not arten[z] == arten[n] == "init":
        return
    if not all(
        mzeilen[k].strip().endswith(",") and ausgeglichen(mzeilen[k].strip()) for k in (z, n)
    ):
        return
    eins, zwei = eintraege(mzeilen[z]), eintraege(mzeilen[n])
    if len(eins) != len(zwei):
        return
    for k, ((a1, e1), (a2, e2)) in enumerate(zip(eins, zwei)):
        t1, t2 = zeilen[z][a1:e1], zeilen[n][a2:e2]
        if t1 != t2 and (len(eins), k) not in TABELLEN[datei]:
            # The lines between the rows (a comment) come along unchanged.
            nachher = [zeilen[z][:a1] + t2 + zeilen[z][e1:], *zeilen[z + 1 : n]]
            nachher.append(zeilen[n][:a2] + t1 + zeilen[n][e2:])
            yield Mutant(datei, z, "tabelle", zeilen[z : n + 1], nachher, "%s ⇄ %s" % (t1, t2))


def text_mutanten(datei, text, maske, literale, gesperrt, texte):
    """A letter in the middle of each text the design quotes, in the other case."""
    for start, a, e in literale:
        z = maske.count("\n", 0, a)
        inhalt = text[a:e]
        if (
            z in gesperrt
            or "\n" in inhalt
            or not ist_text(maske, start, a)
            or not zitiert(inhalt, texte)
        ):
            continue
        folgen = {k for m in ESCAPE.finditer(text, a, e) for k in range(*m.span())}
        buchstaben = [
            k
            for k in range(a, e)
            if k not in folgen and text[k].swapcase() != text[k] and len(text[k].swapcase()) == 1
        ]
        if buchstaben:
            k = min(buchstaben, key=lambda k: (abs(k - (a + e - 1) / 2), k))
            anfang = maske.rfind("\n", 0, k) + 1
            yield z, k - anfang, k + 1 - anfang, text[k].swapcase()


def cpp_mutanten(datei, text, texte):
    maske, literale = maskieren(text)
    zeilen = text.splitlines(keepends=True)
    mzeilen = maske.split("\n")
    gesperrt = gesperrte_zeilen(maske)
    arten = blockarten(maske)
    ergebnis = []

    def ersetze(z, a, e, neu, regel):
        alt = zeilen[z].rstrip("\r\n")
        neue = alt[:a] + neu + alt[e:] + zeilen[z][len(alt) :]
        ergebnis.append(Mutant(datei, z, regel, [zeilen[z]], [neue]))

    offen = [z for z in range(len(zeilen)) if z not in gesperrt and mzeilen[z].strip()]
    for nr, z in enumerate(offen):
        mz, zeile, code = mzeilen[z], zeilen[z], mzeilen[z].strip()
        ergebnis.extend(
            tausche(
                datei, z, offen[nr + 1] if nr + 1 < len(offen) else None, zeilen, mzeilen, arten
            )
        )
        for regel, finde in ZEILENREGELN.items():
            for a, e, neu in finde(zeile, mz, code):
                ersetze(z, a, e, neu, regel)
        if arten[z] == "code" and ist_anweisung(code, mzeilen[offen[nr - 1]].strip() if nr else ""):
            ersetze(z, len(zeile) - len(zeile.lstrip()), len(zeile.rstrip("\r\n")), "{}", "weg")
    for z, a, e, neu in text_mutanten(datei, text, maske, literale, gesperrt, texte):
        ersetze(z, a, e, neu, "text")
    return ergebnis


def lektions_mutanten(text):
    """The catalogue in the lesson file: the new keys, or the explanations, of two adjacent
    lessons swapped."""
    zeilen = text.splitlines(keepends=True)
    ergebnis = []
    for schluessel in ("neu:", "erklärung:"):
        stellen = [z for z, s in enumerate(zeilen) if s.startswith(schluessel)]
        for z1, z2 in zip(stellen, stellen[1:]):
            if zeilen[z1] != zeilen[z2]:
                vorher = zeilen[z1 : z2 + 1]
                nachher = [zeilen[z2]] + vorher[1:-1] + [zeilen[z1]]
                tausch = "%s ⇄ %s (line %d)" % (zeilen[z1].strip(), zeilen[z2].strip(), z2 + 1)
                ergebnis.append(Mutant(LEKTIONEN, z1, "tabelle", vorher, nachher, tausch))
    return ergebnis


def mutanten(dateien, lies):
    """Every mutant of the files, each file in line order and within a line in rule order, with
    ids that stay while the changed lines stay: a hash of file, rule and lines, numbered when the
    same change occurs twice in a file."""
    texte = zitate(lies(SOLLWERTE))
    rang = list(REGELN)
    alle = []
    for datei in dateien:
        if datei == LEKTIONEN:
            liste = lektions_mutanten(lies(datei))
        elif datei.endswith((".cpp", ".h")):
            liste = cpp_mutanten(datei, lies(datei), texte)
        else:
            continue
        gesehen = set()
        for m in sorted(liste, key=lambda m: (m.zeile, rang.index(m.regel))):
            if (m.zeile, tuple(m.nachher)) not in gesehen:
                gesehen.add((m.zeile, tuple(m.nachher)))
                alle.append(m)
    zaehler = {}
    for m in alle:
        zeilen = ("\n".join(s.strip() for s in z) for z in (m.vorher, m.nachher))
        grund = "\0".join([m.datei, m.regel, *zeilen])
        zaehler[grund] = zaehler.get(grund, 0) + 1
        m.id = hashlib.sha1((grund + "\0" + str(zaehler[grund] - 1)).encode()).hexdigest()[:10]
    return alle

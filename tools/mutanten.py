#!/usr/bin/python3
"""Mutation testing for the program's own sources.

Puts small faults into the C++ sources one at a time (swapped table entries, changed numbers and
colours, comparisons off by one, inverted conditions, removed statements, changed characters in
texts and key strings), rebuilds incrementally, runs the test suite and reports which share of the
faults the suite notices. The source tree is never touched: the script works on a copy of the
tracked files inside a work folder.

    tools/mutanten.py --list                      # the mutants, without running anything
    tools/mutanten.py --limit 150 --seed 1        # a reproducible sample
    tools/mutanten.py --tree ../other-checkout    # another source tree

Standard library only, for Debian's /usr/bin/python3.
"""

import argparse
import datetime
import hashlib
import json
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time

from mutanten_regeln import REGELN, mutanten_der_datei, vergib_ids, zeilen_teilen

ORDNER = ("app/", "engine/", "help/", "keyboard/", "lessons/", "main_window/", "util/")
ENDUNGEN = (".cpp", ".h")
LANGSAM_STANDARD = r"^tst_zufallssitzung$"  # run last, with fewer steps

# --------------------------------------------------------------------------------------------
# The tree and its copy
# --------------------------------------------------------------------------------------------


def verfolgte_dateien(baum):
    ausgabe = subprocess.run(
        ["git", "-C", baum, "ls-files", "-z"], check=True, capture_output=True
    ).stdout.decode("utf-8")
    return sorted(p for p in ausgabe.split("\0") if p and os.path.isfile(os.path.join(baum, p)))


def quelldateien(dateien, nur):
    muster = re.compile(nur) if nur else None
    return [
        d
        for d in dateien
        if d.startswith(ORDNER) and d.endswith(ENDUNGEN) and (muster is None or muster.search(d))
    ]


def alle_mutanten(baum, dateien):
    mutanten = []
    for d in dateien:
        with open(os.path.join(baum, d), encoding="utf-8", newline="") as f:
            text = f.read()
        try:
            mutanten.extend(mutanten_der_datei(d, text))
        except ValueError as fehler:
            print("warning: %s skipped: %s" % (d, fehler), file=sys.stderr)
    vergib_ids(mutanten)
    return mutanten


def stichprobe(mutanten, grenze, saat):
    """A reproducible sample that draws from every rule in turn, so that rules with many mutants
    (numbers) do not crowd out the rare ones; returned in source order for short rebuilds."""
    if grenze is None or grenze >= len(mutanten):
        return list(mutanten)
    zufall = random.Random(saat)
    je_regel = []
    for regel in REGELN:
        gruppe = [m for m in mutanten if m.regel == regel]
        zufall.shuffle(gruppe)
        je_regel.append(gruppe)
    gewaehlt = []
    runde = 0
    while len(gewaehlt) < grenze:
        for gruppe in je_regel:
            if runde < len(gruppe) and len(gewaehlt) < grenze:
                gewaehlt.append(gruppe[runde])
        runde += 1
    reihenfolge = {id(m): i for i, m in enumerate(mutanten)}
    return sorted(gewaehlt, key=lambda m: reihenfolge[id(m)])


def fingerabdruck(baum, dateien):
    """Results are only reused for the very same tracked files, tests included. Documents and
    this tool's own files (the list of equivalent mutants among them) build nothing and run in
    no test, so editing them keeps the results."""
    h = hashlib.sha1()
    for d in dateien:
        if d.endswith(".md") or d.startswith("tools/mutanten"):
            continue
        with open(os.path.join(baum, d), "rb") as f:
            h.update(d.encode() + b"\0" + hashlib.sha1(f.read()).digest())
    return h.hexdigest()


def kopie_abgleichen(baum, dateien, ziel):
    """Brings the copy to the tree's contents, writing only files that differ so that the
    incremental build stays small."""
    soll = set(dateien)
    for d in dateien:
        with open(os.path.join(baum, d), "rb") as f:
            inhalt = f.read()
        pfad = os.path.join(ziel, d)
        try:
            with open(pfad, "rb") as f:
                gleich = f.read() == inhalt
        except FileNotFoundError:
            gleich = False
        if not gleich:
            os.makedirs(os.path.dirname(pfad), exist_ok=True)
            with open(pfad, "wb") as f:
                f.write(inhalt)
            shutil.copymode(os.path.join(baum, d), pfad)
    for wurzel, _, namen in os.walk(ziel):
        for name in namen:
            rel = os.path.relpath(os.path.join(wurzel, name), ziel)
            if rel not in soll:
                os.remove(os.path.join(wurzel, name))


def git(baum, *argumente):
    return subprocess.run(
        ["git", "-C", baum, *argumente], check=True, capture_output=True, text=True
    ).stdout.strip()


def baum_stand(baum):
    try:
        kopf = git(baum, "rev-parse", "--short", "HEAD")
        geaendert = git(baum, "status", "--porcelain", "--untracked-files=no")
        return kopf + (" with uncommitted changes" if geaendert else "")
    except (subprocess.CalledProcessError, FileNotFoundError):
        return "unknown"


# --------------------------------------------------------------------------------------------
# Building and testing
# --------------------------------------------------------------------------------------------


LAUFEND = []  # the command running now, for a clean stop on a signal


def anhalten():
    """Kills the running command's whole process group, so that no compiler writes an object
    file of a mutant after the source has been restored."""
    # No wait() here: this runs in a signal handler, possibly inside the interrupted wait.
    for p in LAUFEND:
        try:
            os.killpg(p.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
    if LAUFEND:
        time.sleep(0.5)


def ausfuehren(befehl, zeitlimit, umgebung=None, cwd=None):
    """Runs a command in its own process group; on timeout the whole group is killed.
    Returns (exit code or None on timeout, output)."""
    p = subprocess.Popen(
        befehl,
        stdout=subprocess.PIPE,
        stderr=subprocess.STDOUT,
        start_new_session=True,
        env=umgebung,
        cwd=cwd,
    )
    LAUFEND.append(p)
    try:
        ausgabe, _ = p.communicate(timeout=zeitlimit)
        return p.returncode, ausgabe.decode("utf-8", "replace")
    except subprocess.TimeoutExpired:
        os.killpg(p.pid, signal.SIGKILL)
        ausgabe, _ = p.communicate()
        return None, ausgabe.decode("utf-8", "replace")
    finally:
        if p in LAUFEND:
            LAUFEND.remove(p)


class Pruefstand:
    """The build folder of the copy: configure once, build the test programs, run ctest."""

    def __init__(
        self, quelle, bau, bau_jobs, test_jobs, test_zeitlimit, langsam, langsam_schritte, linker
    ):
        self.quelle = quelle
        self.bau = bau
        self.bau_jobs = bau_jobs
        self.test_jobs = test_jobs
        self.test_zeitlimit = test_zeitlimit
        self.langsam = langsam
        self.langsam_schritte = langsam_schritte
        self.linker = linker
        self.ziele = []
        self.grenze_schnell = None
        self.grenze_langsam = None

    def umgebung(self, langsam=False):
        u = dict(os.environ)
        u.setdefault("QT_QPA_PLATFORM", "offscreen")
        if langsam:
            u["FINGALO_SCHRITTE"] = str(self.langsam_schritte)
        return u

    def konfigurieren(self):
        """Debug without optimisation or debug information: the quickest build that still keeps
        Q_ASSERT. With one shared library per folder a mutant then recompiles one file and relinks
        one library; the test programs need no relinking against a changed shared library."""
        befehl = [
            "cmake",
            "-S",
            self.quelle,
            "-B",
            self.bau,
            "-DCMAKE_BUILD_TYPE=Debug",
            "-DCMAKE_CXX_FLAGS_DEBUG=-O0",
            "-DBUILD_SHARED_LIBS=ON",
            "-DCMAKE_LINK_DEPENDS_NO_SHARED=ON",
        ]
        neu = not os.path.exists(os.path.join(self.bau, "CMakeCache.txt"))
        if neu and shutil.which("ninja"):
            befehl += ["-G", "Ninja"]
        if self.linker:
            for art in ("EXE", "SHARED", "MODULE"):
                befehl.append("-DCMAKE_%s_LINKER_FLAGS=-fuse-ld=%s" % (art, self.linker))
        code, ausgabe = ausfuehren(befehl, 600)
        if code != 0:
            if neu:
                shutil.rmtree(self.bau, ignore_errors=True)
            raise SystemExit("configure failed:\n" + ausgabe[-4000:])

    def testprogramme(self):
        """The build targets the tests run, read from the CTestTestfile.cmake files that configure
        writes (the programs do not exist yet, so ctest cannot name them). Benchmarks, screenshots
        and packaging are never built."""
        bau = os.path.realpath(self.bau)
        ziele, tests = set(), []
        offen = [bau]
        while offen:
            ordner = offen.pop()
            try:
                with open(os.path.join(ordner, "CTestTestfile.cmake"), encoding="utf-8") as f:
                    inhalt = f.read()
            except FileNotFoundError:
                continue
            for m in re.finditer(r'^subdirs\("([^"]+)"\)', inhalt, re.M):
                offen.append(os.path.join(ordner, m.group(1)))
            for m in re.finditer(r'^add_test\(\[(=*)\[(.*?)\]\1\] "([^"]+)"', inhalt, re.M):
                tests.append(m.group(2))
                programm = os.path.realpath(m.group(3))
                if programm.startswith(bau + os.sep):
                    ziele.add(os.path.basename(programm))
        self.ziele = sorted(ziele)
        self.tests = tests
        if not self.ziele:
            raise SystemExit("no test programs found in " + self.bau)

    def bauen(self, zeitlimit=3600):
        befehl = ["cmake", "--build", self.bau, "-j", str(self.bau_jobs), "--target"] + self.ziele
        return ausfuehren(befehl, zeitlimit, self.umgebung())

    def ctest(self, langsam, zeitlimit):
        befehl = [
            "ctest",
            "--test-dir",
            self.bau,
            "--stop-on-failure",
            "-j",
            str(self.test_jobs),
            "--timeout",
            str(self.test_zeitlimit),
        ]
        if self.langsam:
            befehl += ["-R" if langsam else "-E", self.langsam]
        code, ausgabe = ausfuehren(befehl, zeitlimit, self.umgebung(langsam))
        # The summary names the failed tests; a run killed by the time limit has none, so the
        # progress lines marked *** are read as well.
        fehlgeschlagen = re.findall(r"^\s*\d+ - (\S+) \(", ausgabe, re.M)
        fehlgeschlagen += re.findall(r"^\s*\d+/\d+ Test\s+#\d+: (\S+) .*\*\*\*", ausgabe, re.M)
        return code, fehlgeschlagen, ausgabe

    def hat_langsame(self):
        return bool(self.langsam) and any(re.search(self.langsam, t) for t in self.tests)

    def grundlauf(self):
        """Builds everything the tests need and checks that the untouched copy is green; sets the
        time limits of later runs from the times measured here."""
        t0 = time.monotonic()
        code, ausgabe = self.bauen(zeitlimit=4 * 3600)
        if code != 0:
            raise SystemExit("the untouched tree does not build:\n" + ausgabe[-4000:])
        dauer_bau = time.monotonic() - t0
        t0 = time.monotonic()
        code, fehler, ausgabe = self.ctest(False, 3600)
        dauer_schnell = time.monotonic() - t0
        if code != 0:
            raise SystemExit(
                "the suite fails on the untouched tree (%s):\n%s"
                % (", ".join(fehler), ausgabe[-4000:])
            )
        dauer_langsam = 0.0
        if self.hat_langsame():
            t0 = time.monotonic()
            code, fehler, ausgabe = self.ctest(True, 3600)
            dauer_langsam = time.monotonic() - t0
            if code != 0:
                raise SystemExit("the slow test fails on the untouched tree:\n" + ausgabe[-4000:])
        # A mutant that loops for ever is caught by the time limit; the margin covers a machine
        # that other jobs slow down.
        self.grenze_schnell = 4 * dauer_schnell + 20
        self.grenze_langsam = 4 * dauer_langsam + 20
        self.grund = (
            "Untouched tree: test programs built in %.0f s; suite green, fast tests %.1f s, "
            "slow tests (FINGALO_SCHRITTE=%d) %.1f s."
            % (dauer_bau, dauer_schnell, self.langsam_schritte, dauer_langsam)
        )
        print(self.grund, flush=True)

    def pruefen(self):
        """Runs the suite against the current copy: (status, killing test, seconds in tests)."""
        t0 = time.monotonic()
        code, fehler, _ = self.ctest(False, self.grenze_schnell)
        if code is None:
            return "killed", "timeout (fast tests)", time.monotonic() - t0
        if code != 0:
            return "killed", fehler[0] if fehler else "ctest", time.monotonic() - t0
        if self.hat_langsame():
            code, fehler, _ = self.ctest(True, self.grenze_langsam)
            if code is None:
                return "killed", "timeout (slow test)", time.monotonic() - t0
            if code != 0:
                return "killed", fehler[0] if fehler else "ctest", time.monotonic() - t0
        return "survived", "", time.monotonic() - t0


def erster_fehler(ausgabe):
    for zeile in ausgabe.splitlines():
        if "error:" in zeile:
            return zeile.strip()[-200:]
    return ausgabe.strip().splitlines()[-1][-200:] if ausgabe.strip() else ""


# --------------------------------------------------------------------------------------------
# Report
# --------------------------------------------------------------------------------------------


def lies_aequivalente(pfad):
    ergebnis = {}
    if not pfad or not os.path.exists(pfad):
        return ergebnis
    with open(pfad, encoding="utf-8") as f:
        for zeile in f:
            zeile = zeile.strip()
            if not zeile or zeile.startswith("#"):
                continue
            teile = zeile.split(None, 1)
            ergebnis[teile[0]] = teile[1] if len(teile) > 1 else ""
    return ergebnis


def bericht(pfad, kopf, mutanten, ergebnisse, aequivalenzdatei):
    # Read afresh each time, so that survivors judged during a run count in its report.
    aequivalente = lies_aequivalente(aequivalenzdatei)
    getoetet = [m for m in mutanten if ergebnisse.get(m.id, {}).get("status") == "killed"]
    ueberlebt = [m for m in mutanten if ergebnisse.get(m.id, {}).get("status") == "survived"]
    aequivalent = [m for m in ueberlebt if m.id in aequivalente]
    ueberlebt = [m for m in ueberlebt if m.id not in aequivalente]
    unbaubar = [m for m in mutanten if ergebnisse.get(m.id, {}).get("status") == "not viable"]
    offen = [m for m in mutanten if m.id not in ergebnisse]
    gewertet = len(getoetet) + len(ueberlebt)
    punkte = 100.0 * len(getoetet) / gewertet if gewertet else 0.0
    gelaufen = [ergebnisse[m.id] for m in mutanten if m.id in ergebnisse]

    def zeile(m):
        return "- `%s` %s: %s: %s" % (m.id, m.ort(), m.regel, m.aenderung())

    z = ["# Mutation testing report", ""]
    z += kopf
    z += [
        "",
        "**Score: %.1f %%** (%d killed of %d; %d judged equivalent and %d not viable are left "
        "out%s)"
        % (punkte, len(getoetet), gewertet, len(aequivalent), len(unbaubar),
           "; %d not run yet" % len(offen) if offen else ""),
        "",
    ]
    if gelaufen:
        # Summed over the mutants rather than read off the clock, so that resumed runs add up.
        bau = sum(e["bau_s"] for e in gelaufen)
        test = sum(e["test_s"] for e in gelaufen)
        z += [
            "Time: %.0f min for %d mutants; per mutant %.1f s on average (build %.1f s, tests "
            "%.1f s)." % ((bau + test) / 60, len(gelaufen), (bau + test) / len(gelaufen),
                          bau / len(gelaufen), test / len(gelaufen)),
            "",
        ]
    z += [
        "| rule | mutants | killed | survived | equivalent | not viable |",
        "|---|---|---|---|---|---|",
    ]
    for regel in REGELN:
        auswahl = [m for m in mutanten if m.regel == regel]
        if not auswahl:
            continue
        z.append(
            "| %s | %d | %d | %d | %d | %d |"
            % (
                regel,
                len(auswahl),
                sum(m in getoetet for m in auswahl),
                sum(m in ueberlebt for m in auswahl),
                sum(m in aequivalent for m in auswahl),
                sum(m in unbaubar for m in auswahl),
            )
        )
    z += ["", "## Survivors", ""]
    z += [zeile(m) for m in ueberlebt] or ["None."]
    z += ["", "## Judged equivalent", ""]
    z += [
        "- `%s` %s: %s: %s — %s" % (m.id, m.ort(), m.regel, m.aenderung(), aequivalente[m.id])
        for m in aequivalent
    ] or ["None."]
    falsch_markiert = [m for m in getoetet if m.id in aequivalente]
    if falsch_markiert:
        z += ["", "Marked equivalent but killed (drop these lines from the equivalence file):", ""]
        z += ["- `%s` %s: %s" % (m.id, m.ort(), m.regel) for m in falsch_markiert]
    z += ["", "## Caught by", ""]
    zaehlung = {}
    for m in getoetet:
        t = ergebnisse[m.id]["test"]
        zaehlung[t] = zaehlung.get(t, 0) + 1
    rangfolge = sorted(zaehlung.items(), key=lambda p: (-p[1], p[0]))
    z += ["- %s: %d" % (t, n) for t, n in rangfolge] or ["None."]
    z += ["", "## Not viable (do not compile)", ""]
    z += [zeile(m) for m in unbaubar] or ["None."]
    z.append("")
    os.makedirs(os.path.dirname(os.path.abspath(pfad)), exist_ok=True)
    with open(pfad + ".neu", "w", encoding="utf-8") as f:
        f.write("\n".join(z))
    os.replace(pfad + ".neu", pfad)
    return punkte, len(getoetet), gewertet


# --------------------------------------------------------------------------------------------


def anwenden(quelle, mutant, inhalt):
    zeilen = zeilen_teilen(inhalt)
    assert zeilen[mutant.zeile : mutant.zeile + len(mutant.vorher)] == mutant.vorher, mutant.ort()
    zeilen[mutant.zeile : mutant.zeile + len(mutant.vorher)] = mutant.nachher
    with open(os.path.join(quelle, mutant.datei), "w", encoding="utf-8", newline="") as f:
        f.write("".join(zeilen))


def schreibe(quelle, datei, inhalt):
    with open(os.path.join(quelle, datei), "w", encoding="utf-8", newline="") as f:
        f.write(inhalt)


def standard_linker():
    for name, programm in (("lld", "ld.lld"), ("gold", "ld.gold")):
        if shutil.which(programm):
            return name
    return ""


def main():
    skript_ordner = os.path.dirname(os.path.abspath(__file__))
    p = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    p.add_argument(
        "--tree",
        default=os.path.dirname(skript_ordner),
        help="source tree (a git checkout); default: this script's",
    )
    p.add_argument("--work", help="work folder; default: build-mutanten/ in the source tree")
    p.add_argument("--list", action="store_true", help="print the mutants and stop")
    p.add_argument("--only", metavar="FILE_REGEX", help="only files whose path matches")
    p.add_argument("--rules", metavar="RULE_REGEX", help="only rules whose name matches")
    p.add_argument(
        "--limit", type=int, metavar="N", help="a sample of N, drawn from every rule in turn"
    )
    p.add_argument("--seed", type=int, default=1, help="seed of the sample (default 1)")
    p.add_argument("--jobs", type=int, default=2, help="parallel tests in ctest (default 2)")
    p.add_argument("--build-jobs", type=int, default=2, help="parallel compile jobs (default 2)")
    p.add_argument(
        "--timeout", type=int, default=120, help="ctest's per-test timeout, seconds (default 120)"
    )
    p.add_argument(
        "--slow",
        default=LANGSAM_STANDARD,
        help="tests run last and with fewer steps (regex; '' for none)",
    )
    p.add_argument(
        "--slow-steps", type=int, default=3000, help="FINGALO_SCHRITTE for them (default 3000)"
    )
    p.add_argument("--linker", help="for -fuse-ld (default: lld or gold when installed)")
    p.add_argument("--report", help="Markdown report; default: bericht.md in the work folder")
    p.add_argument("--equivalent", default=os.path.join(skript_ordner, "mutanten-aequivalent.txt"),
                   help="survivors judged equivalent: one line per mutant id with a reason")
    p.add_argument(
        "--resume", action="store_true", help="keep results of an earlier run of the same tree"
    )
    p.add_argument(
        "--report-only",
        action="store_true",
        help="write the report from the last run's results (after editing the equivalence file)",
    )
    a = p.parse_args()

    baum = os.path.abspath(a.tree)
    dateien = verfolgte_dateien(baum)
    mutanten = alle_mutanten(baum, quelldateien(dateien, a.only))
    if a.rules:
        mutanten = [m for m in mutanten if re.search(a.rules, m.regel)]
    alle_anzahl = len(mutanten)
    mutanten = stichprobe(mutanten, a.limit, a.seed)

    if a.list:
        for m in mutanten:
            print("%s %s: %s: %s" % (m.id, m.ort(), m.regel, m.aenderung()))
        je_regel = {r: sum(m.regel == r for m in mutanten) for r in REGELN}
        print(
            "%d mutants (of %d): %s"
            % (
                len(mutanten),
                alle_anzahl,
                ", ".join("%s %d" % (r, n) for r, n in je_regel.items() if n),
            ),
            file=sys.stderr,
        )
        return 0

    arbeit = os.path.abspath(a.work or os.path.join(baum, "build-mutanten"))
    quelle = os.path.join(arbeit, "quelle")
    bau = os.path.join(arbeit, "bau")
    berichtpfad = os.path.abspath(a.report or os.path.join(arbeit, "bericht.md"))
    protokoll = os.path.join(arbeit, "ergebnisse.jsonl")
    kopfdatei = os.path.join(arbeit, "kopf.json")
    aequivalente = lies_aequivalente(a.equivalent)
    linker = standard_linker() if a.linker is None else a.linker

    stand_des_baums = fingerabdruck(baum, dateien)
    ergebnisse = {}
    if (a.resume or a.report_only) and os.path.exists(protokoll):
        with open(protokoll, encoding="utf-8") as f:
            for zeile in f:
                e = json.loads(zeile)
                if e.get("baum") == stand_des_baums:
                    ergebnisse[e["id"]] = e
    if a.report_only:
        if not os.path.exists(kopfdatei):
            raise SystemExit("no earlier run in " + arbeit)
        with open(kopfdatei, encoding="utf-8") as f:
            frueher = json.load(f)
        punkte, getoetet, gewertet = bericht(
            berichtpfad, frueher["kopf"], mutanten, ergebnisse, a.equivalent
        )
        print("score %.1f %% (%d of %d); report: %s" % (punkte, getoetet, gewertet, berichtpfad))
        return 0
    if not a.resume and os.path.exists(protokoll):
        os.remove(protokoll)
    os.makedirs(quelle, exist_ok=True)
    kopie_abgleichen(baum, dateien, quelle)

    kopf = [
        "Tree: `%s` at %s. Run started %s."
        % (baum, baum_stand(baum), datetime.datetime.now().strftime("%Y-%m-%d %H:%M")),
        "",
        "Mutants: %d of %d%s; files under %s."
        % (
            len(mutanten),
            alle_anzahl,
            " (sample, seed %d)" % a.seed if len(mutanten) < alle_anzahl else "",
            ", ".join("`%s`" % o for o in ORDNER),
        ),
        "",
        "Command: `tools/mutanten.py %s`" % " ".join(sys.argv[1:]),
    ]
    stand = Pruefstand(quelle, bau, a.build_jobs, a.jobs, a.timeout, a.slow, a.slow_steps, linker)
    stand.konfigurieren()
    stand.testprogramme()
    print("test programs: %s" % " ".join(stand.ziele), flush=True)
    stand.grundlauf()
    kopf += ["", stand.grund]

    def berichten():
        with open(kopfdatei, "w", encoding="utf-8") as f:
            json.dump({"kopf": kopf}, f)
        return bericht(berichtpfad, kopf, mutanten, ergebnisse, a.equivalent)

    aktuell = {"datei": None, "inhalt": None}

    def aufraeumen(signum=None, frame=None):
        anhalten()
        if aktuell["datei"] is not None:
            schreibe(quelle, aktuell["datei"], aktuell["inhalt"])
            aktuell["datei"] = None
        if signum is not None:
            berichten()
            print("stopped; report so far: %s" % berichtpfad, flush=True)
            sys.exit(130)

    signal.signal(signal.SIGTERM, aufraeumen)
    signal.signal(signal.SIGINT, aufraeumen)

    inhalte = {}
    try:
        for nr, m in enumerate(mutanten, 1):
            if m.id in ergebnisse:
                continue
            if m.datei not in inhalte:
                with open(os.path.join(quelle, m.datei), encoding="utf-8", newline="") as f:
                    inhalte[m.datei] = f.read()
            aktuell["datei"], aktuell["inhalt"] = m.datei, inhalte[m.datei]
            anwenden(quelle, m, inhalte[m.datei])
            t0 = time.monotonic()
            code, ausgabe = stand.bauen()
            bau_s = time.monotonic() - t0
            if code != 0:
                status, test, test_s = "not viable", erster_fehler(ausgabe), 0.0
            else:
                status, test, test_s = stand.pruefen()
            schreibe(quelle, m.datei, inhalte[m.datei])
            aktuell["datei"] = None
            e = {
                "id": m.id,
                "baum": stand_des_baums,
                "status": status,
                "test": test,
                "bau_s": bau_s,
                "test_s": test_s,
            }
            ergebnisse[m.id] = e
            with open(protokoll, "a", encoding="utf-8") as f:
                f.write(json.dumps(e) + "\n")
            zeichen = status + (" (%s)" % test if status == "killed" else "")
            if status == "survived" and m.id in aequivalente:
                zeichen += " [equivalent]"
            print(
                "[%d/%d] %-34s build %5.1f s, tests %5.1f s  %s %s: %s: %s"
                % (nr, len(mutanten), zeichen[:34], bau_s, test_s, m.id, m.ort(), m.regel,
                   m.aenderung()),
                flush=True,
            )
            berichten()
    finally:
        aufraeumen()

    punkte, getoetet, gewertet = berichten()
    print(
        "score %.1f %% (%d of %d killed); report: %s" % (punkte, getoetet, gewertet, berichtpfad),
        flush=True,
    )
    return 0


if __name__ == "__main__":
    sys.exit(main())

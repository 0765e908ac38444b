#!/usr/bin/python3
"""Mutation testing: small faults put into the program one at a time, each built and run against
the test suite, to measure the share of them the suite notices.

    tools/mutanten.py --list                  # the mutants, without building anything
    tools/mutanten.py --limit 80 --seed 1     # a reproducible sample
    tools/mutanten.py --report                # the report again, after editing the ledger

The tree is never touched: the tool works on a copy of the tracked files in build-mutanten/.
Results stay there for as long as the tree is the same, so a stopped run goes on where it
stopped. Standard library only, for Debian's /usr/bin/python3.
"""

import argparse
import datetime
import filecmp
import hashlib
import json
import os
import random
import re
import resource
import shutil
import signal
import subprocess
import sys
import time

from mutanten_regeln import REGELN, mutanten

WERKZEUG = os.path.dirname(os.path.abspath(__file__))
BAUM = os.path.dirname(WERKZEUG)
LEDGER = os.path.join(WERKZEUG, "mutanten-aequivalent.txt")
ARBEIT = os.path.join(BAUM, "build-mutanten")
QUELLE, BAU = os.path.join(ARBEIT, "quelle"), os.path.join(ARBEIT, "bau")
ERGEBNISSE = os.path.join(ARBEIT, "ergebnisse.jsonl")
KOPF, BERICHT = os.path.join(ARBEIT, "kopf.json"), os.path.join(ARBEIT, "bericht.md")
ORDNER = ("app/", "engine/", "help/", "keyboard/", "lessons/", "main_window/", "util/")
# The random session runs last and shorter; the desktop tests need real desktops and minutes.
SCHNELL, LANGSAM = ("-LE", "langsam|desktop"), ("-L", "langsam", "-LE", "desktop")
SCHRITTE = 3000
BAUZEIT = 1200  # seconds for a mutant's build: a header that half the program includes takes 5 min
ARTEN = ("killed", "survived", "equivalent", "not viable")


def ausfuehren(befehl, zeitlimit=None, umgebung=None):
    """Runs a command in a process group of its own: (exit code, output), the exit code None
    after the time limit. The whole group dies with it, so that no compiler writes an object
    file of a mutant after its source has been restored; and no process of it gets more than
    8 GB, so that a mutant that fills memory in a loop (say, in the lesson file's reader, which
    runs in the build) fails instead of taking the machine with it."""
    p = subprocess.Popen(
        befehl,
        stdout=subprocess.PIPE,
        stderr=subprocess.STDOUT,
        text=True,
        errors="replace",
        start_new_session=True,
        env=umgebung,
        preexec_fn=lambda: resource.setrlimit(resource.RLIMIT_AS, (8 << 30, 8 << 30)),
    )
    try:
        ausgabe = p.communicate(timeout=zeitlimit)[0]
        return p.returncode, ausgabe
    except BaseException as fehler:
        os.killpg(p.pid, signal.SIGKILL)
        ausgabe = p.communicate()[0]
        if isinstance(fehler, subprocess.TimeoutExpired):
            return None, ausgabe
        raise


def git(*argumente):
    code, ausgabe = ausfuehren(["git", "-C", BAUM, *argumente])
    if code != 0:
        raise SystemExit("git %s: %s" % (" ".join(argumente), ausgabe))
    return ausgabe


def lies(pfad):
    with open(pfad, encoding="utf-8", newline="") as f:
        return f.read()


def schreibe(pfad, text):
    with open(pfad, "w", encoding="utf-8", newline="") as f:
        f.write(text)


def stand_des_baums(dateien):
    """Results belong to the tree as it is, tests included; the tool's files and the documents
    build nothing, so editing them (the ledger above all) keeps the results."""
    h = hashlib.sha1()
    for d in dateien:
        if not d.startswith(("tools/mutanten", "docs/")) and not d.endswith(".md"):
            with open(os.path.join(BAUM, d), "rb") as f:
                h.update(d.encode() + b"\0" + hashlib.sha1(f.read()).digest())
    return h.hexdigest()


def kopie_abgleichen(dateien):
    """Gives the copy the tree's files; a file that is already equal keeps its time stamp, so
    that the build after a change in the tree stays small."""
    for d in dateien:
        ziel = os.path.join(QUELLE, d)
        if not os.path.exists(ziel) or not filecmp.cmp(os.path.join(BAUM, d), ziel, False):
            os.makedirs(os.path.dirname(ziel), exist_ok=True)
            shutil.copyfile(os.path.join(BAUM, d), ziel)
            shutil.copymode(os.path.join(BAUM, d), ziel)
    for wurzel, _, namen in os.walk(QUELLE):
        for name in namen:
            if os.path.relpath(os.path.join(wurzel, name), QUELLE) not in dateien:
                os.remove(os.path.join(wurzel, name))


def stichprobe(alle, grenze, saat):
    """Drawn from every rule in turn, so that the many numbers do not crowd out the rarer rules,
    each rule with a random order of its own, so that a change to one rule leaves the others'
    draw as it was; in source order, so that consecutive builds stay small."""
    if grenze is None or grenze >= len(alle):
        return alle
    gruppen = [[m for m in alle if m.regel == r] for r in REGELN]
    for regel, g in zip(REGELN, gruppen):
        random.Random(f"{saat} {regel}").shuffle(g)
    runden = range(max(map(len, gruppen), default=0))
    gewaehlt = {id(m) for m in [g[k] for k in runden for g in gruppen if k < len(g)][:grenze]}
    return [m for m in alle if id(m) in gewaehlt]


def ledger():
    """The survivors judged equivalent: id, then the reason."""
    eintraege = {}
    for zeile in lies(LEDGER).splitlines():
        if zeile.strip() and not zeile.startswith("#"):
            kennung, _, grund = zeile.partition(" ")
            eintraege[kennung] = grund.strip()
    return eintraege


# Building and testing: a debug build without optimisation and with one shared library per
# folder, so that a mutant recompiles one file and relinks one library.


def konfigurieren():
    befehl = ["cmake", "-S", QUELLE, "-B", BAU, "-DCMAKE_BUILD_TYPE=Debug"]
    befehl += ["-DCMAKE_CXX_FLAGS_DEBUG=-O0", "-DBUILD_SHARED_LIBS=ON"]
    befehl += ["-DCMAKE_LINK_DEPENDS_NO_SHARED=ON"]
    if shutil.which("ninja") and not os.path.exists(os.path.join(BAU, "CMakeCache.txt")):
        befehl += ["-G", "Ninja"]
    if shutil.which("ld.lld"):
        befehl += ["-DCMAKE_%s_LINKER_FLAGS=-fuse-ld=lld" % a for a in ("EXE", "SHARED", "MODULE")]
    code, ausgabe = ausfuehren(befehl)
    if code != 0:
        raise SystemExit("configure failed:\n" + ausgabe[-4000:])


def bauen(jobs, zeitlimit=None):
    return ausfuehren(["cmake", "--build", BAU, "-j", str(jobs)], zeitlimit)


def testen(jobs, auswahl, zeitlimit=None):
    """(caught, the failing test or "timeout", seconds, output)."""
    t0 = time.monotonic()
    code, ausgabe = ausfuehren(
        ["ctest", "--test-dir", BAU, "--stop-on-failure", "-j", str(jobs), *auswahl],
        zeitlimit,
        dict(os.environ, FINGALO_SCHRITTE=str(SCHRITTE)),
    )
    gefallen = re.findall(r"^\s*\d+ - (\S+) \(", ausgabe, re.M) or ["ctest"]
    return code != 0, "timeout" if code is None else gefallen[0], time.monotonic() - t0, ausgabe


def grundlauf(jobs):
    """Builds the untouched copy and checks that it is green. Returns the time limits of later
    test runs, four times the times measured here, and those times in words."""
    t0 = time.monotonic()
    code, ausgabe = bauen(jobs)
    if code != 0:
        raise SystemExit("the untouched tree does not build:\n" + ausgabe[-4000:])
    grenzen, worte = {}, ["built in %.0f s" % (time.monotonic() - t0)]
    for auswahl, name in ((SCHNELL, "fast"), (LANGSAM, "slow")):
        gefangen, test, dauer, ausgabe = testen(jobs, auswahl)
        if gefangen:
            raise SystemExit("the untouched tree fails %s:\n%s" % (test, ausgabe[-4000:]))
        grenzen[auswahl] = 4 * dauer + 30
        worte.append("%s tests %.0f s" % (name, dauer))
    return grenzen, "Untouched tree: " + ", ".join(worte) + "."


def pruefen(m, jobs, grenzen):
    """Puts the mutant into the copy, builds and tests it, and restores the file whatever
    happens: (status, what caught it or why it did not build)."""
    pfad = os.path.join(QUELLE, m.datei)
    original = lies(pfad)
    zeilen = original.splitlines(keepends=True)
    assert zeilen[m.zeile : m.zeile + len(m.vorher)] == m.vorher, m.ort()
    zeilen[m.zeile : m.zeile + len(m.vorher)] = m.nachher
    try:
        schreibe(pfad, "".join(zeilen))
        code, ausgabe = bauen(jobs, BAUZEIT)
        if code is None:
            return "not viable", "the build ran out of time"
        if code != 0:
            # The compiler's first error, else the last word of the step that failed.
            zeilen = [z.strip() for z in ausgabe.splitlines() if z.strip()]
            zeilen = [z for z in zeilen if not z.startswith(("[", "ninja:", "FAILED:"))]
            fehler = [z for z in zeilen if "error:" in z] or zeilen[-1:] or ["no build"]
            return "not viable", fehler[0][-200:]
        for auswahl in (SCHNELL, LANGSAM):
            gefangen, test, _, _ = testen(jobs, auswahl, grenzen[auswahl])
            if gefangen:
                return "killed", test
        return "survived", ""
    finally:
        schreibe(pfad, original)


def bericht(auswahl, ergebnisse, kopf):
    """Writes the report and returns its score line. The ledger is read afresh, so that
    survivors judged during a run count at once."""
    gleich = ledger()

    def art(m):
        status = ergebnisse.get(m.id, {}).get("status")
        return "equivalent" if status == "survived" and m.id in gleich else status

    def zeile(m, dazu=""):
        return f"- `{m.id}` {m.ort()}: {m.regel}: {m.aenderung()}{dazu}"

    def liste(a, dazu=lambda m: ""):
        return [zeile(m, dazu(m)) for m in auswahl if art(m) == a] or ["None."]

    n = {a: sum(art(m) == a for m in auswahl) for a in ARTEN + (None,)}
    gewertet = n["killed"] + n["survived"]
    anteil = 100.0 * n["killed"] / max(1, gewertet)
    ohne = 100.0 * n["killed"] / max(1, gewertet + n["equivalent"])
    sekunden = [ergebnisse[m.id]["sekunden"] for m in auswahl if m.id in ergebnisse]
    z = ["# Mutation report", "", *kopf, ""]
    z.append(
        f"**Score: {anteil:.1f} %**, {n['killed']} caught of {gewertet}, with {n['equivalent']}"
        f" judged equivalent left out; {ohne:.1f} % counting none as equivalent."
        f" {n['not viable']} did not compile" + (f"; {n[None]} not run yet." if n[None] else ".")
    )
    z += ["", f"Time: {sum(sekunden) / 60:.0f} min for {len(sekunden)} mutants.", ""]
    z += ["| rule | fault | mutants | " + " | ".join(ARTEN) + " |", "|---" * (len(ARTEN) + 3) + "|"]
    for regel in REGELN:
        eigene = [art(m) for m in auswahl if m.regel == regel]
        if eigene:
            z.append(
                f"| {regel} | {REGELN[regel]} | {len(eigene)} | "
                + " | ".join(str(eigene.count(a)) for a in ARTEN)
                + " |"
            )
    z += ["", "## Survivors", "", *liste("survived")]
    z += ["", "## Judged equivalent", "", *liste("equivalent", lambda m: " — " + gleich[m.id])]
    falsch = [zeile(m) for m in auswahl if art(m) == "killed" and m.id in gleich]
    if falsch:
        z += ["", "## In the ledger, but caught: remove these lines", "", *falsch]
    z += ["", "## Not viable", "", *liste("not viable", lambda m: f" ({ergebnisse[m.id]['test']})")]
    schreibe(BERICHT, "\n".join(z) + "\n")
    return f"score {anteil:.1f} % ({n['killed']} of {gewertet} caught); report: {BERICHT}"


def main():
    p = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    p.add_argument("--list", action="store_true", help="list the mutants and stop")
    p.add_argument("--report", action="store_true", help="write the report from stored results")
    p.add_argument("--only", metavar="REGEX", help="only files whose path matches")
    p.add_argument("--rules", metavar="REGEX", help="only rules whose name matches")
    p.add_argument("--limit", type=int, metavar="N", help="a sample of N, from every rule in turn")
    p.add_argument("--seed", type=int, default=1, help="seed of the sample (default 1)")
    p.add_argument(
        "--jobs", type=int, default=2, help="compile jobs and parallel tests (default 2)"
    )
    a = p.parse_args()

    dateien = [
        d for d in git("ls-files", "-z").split("\0") if os.path.isfile(os.path.join(BAUM, d))
    ]
    voll = mutanten(
        [d for d in dateien if d.startswith(ORDNER)], lambda d: lies(os.path.join(BAUM, d))
    )
    alle = [
        m for m in voll if re.search(a.only or "", m.datei) and re.search(a.rules or "", m.regel)
    ]
    auswahl = stichprobe(alle, a.limit, a.seed)
    if a.list:
        for m in auswahl:
            print(f"{m.id} {m.ort()}: {m.regel}: {m.aenderung()}")
        je_regel = ", ".join(f"{r} {sum(m.regel == r for m in auswahl)}" for r in REGELN)
        print(f"{len(auswahl)} mutants (of {len(alle)}): {je_regel}", file=sys.stderr)
        fremd = sorted(set(ledger()) - {m.id for m in voll})
        if fremd:
            print("ledger entries that match no mutant: " + " ".join(fremd), file=sys.stderr)
        return 0

    stand = stand_des_baums(dateien)
    os.makedirs(ARBEIT, exist_ok=True)
    ergebnisse = {}
    if os.path.exists(ERGEBNISSE):
        for zeile in lies(ERGEBNISSE).splitlines():
            e = json.loads(zeile)
            if e["stand"] == stand:
                ergebnisse[e["id"]] = e
    offen = [m for m in auswahl if m.id not in ergebnisse]
    if a.report or not offen:
        kopf = json.loads(lies(KOPF)) if os.path.exists(KOPF) else []
        print(bericht(auswahl, ergebnisse, kopf))
        return 0

    kopie_abgleichen(set(dateien))
    konfigurieren()
    grenzen, grund = grundlauf(a.jobs)
    print(grund, flush=True)
    geaendert = git("status", "--porcelain", "--untracked-files=no").strip()
    kopf = [
        f"Tree `{BAUM}` at {git('rev-parse', '--short', 'HEAD').strip()}"
        + (" with uncommitted changes" if geaendert else "")
        + f"; run started {datetime.datetime.now():%Y-%m-%d %H:%M}.",
        "",
        f"Mutants: {len(auswahl)} of {len(alle)}"
        + (f" (sample, seed {a.seed})" if len(auswahl) < len(alle) else "")
        + f", in {' '.join(ORDNER)}",
        "",
        f"Command: `tools/mutanten.py {' '.join(sys.argv[1:])}`",
        "",
        grund,
    ]
    schreibe(KOPF, json.dumps(kopf))
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(130))
    for nr, m in enumerate(offen, 1):
        t0 = time.monotonic()
        status, test = pruefen(m, a.jobs, grenzen)
        e = dict(id=m.id, stand=stand, status=status, test=test, sekunden=time.monotonic() - t0)
        ergebnisse[m.id] = e
        with open(ERGEBNISSE, "a", encoding="utf-8") as f:
            f.write(json.dumps(e) + "\n")
        print(
            f"[{nr}/{len(offen)}] {status:10} {e['sekunden']:4.0f} s  {m.id} {m.ort()}: "
            f"{m.regel}: {m.aenderung()}",
            flush=True,
        )
        bericht(auswahl, ergebnisse, kopf)
    print(bericht(auswahl, ergebnisse, kopf), flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())

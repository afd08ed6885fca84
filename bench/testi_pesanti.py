#!/usr/bin/env python3
"""Times scenario-tool compile and check on long and hostile description
texts, and measures their peak memory against the text's size.

    bench/testi_pesanti.py [--build DIR] [--prima DIR] [--giri N] [--casi NAME,...]
    bench/testi_pesanti.py --scrivi KIND MB FAULTS DIR

The texts are the example pair (examples/Valbruna_linea.txt and
examples/Valbruna_101-.txt) with a long part put into the line description:

- ripetute: MB of repeated "lunghezza percorso" entries in its general
  section, FAULTS of them with a malformed number, spread evenly;
- campo: one field of MB megabytes (a line of letters with no comma) in its
  gradient section, then FAULTS gradient entries with a malformed number;
- spazzatura: MB of lines such as "zzzz,  qqqq,  wwww,  xxxx" (no key word)
  in its gradient section, FAULTS gradient entries with a malformed number
  spread evenly among them.

Each case runs N times (default 3); with --prima, the scenario-tool of a
second build (an earlier version) runs too, each run of one beside a run of
the other and of `cp` of the pair, so that the machine's load weighs on all
alike. CPU time is user plus system time of the
child and peak memory its largest resident set size, as /usr/bin/time reports
them (Debian package `time`). Printed as min / median / max. With --scrivi only the pair is written, into DIR.
"""

import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time

RADICE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ESEMPI = os.path.join(RADICE, "examples")
MEGA = 1000 * 1000

# name -> (kind, MB, faults, command)
CASI = {
    "ripetute-20-compile": ("ripetute", 20, 0, "compile"),
    "ripetute-20-check": ("ripetute", 20, 0, "check"),
    "ripetute-60-compile": ("ripetute", 60, 0, "compile"),
    "ripetute-60-check": ("ripetute", 60, 0, "check"),
    "ripetute-60-50-check": ("ripetute", 60, 50, "check"),
    "ripetute-60-2000-check": ("ripetute", 60, 2000, "check"),
    "campo-16-compile": ("campo", 16, 0, "compile"),
    "campo-0.99-50-check": ("campo", 0.99, 50, "check"),
    "spazzatura-1-50-check": ("spazzatura", 1, 50, "check"),
    "spazzatura-4-50-check": ("spazzatura", 4, 50, "check"),
    "spazzatura-64-50-check": ("spazzatura", 64, 50, "check"),
    "spazzatura-64-compile": ("spazzatura", 64, 0, "compile"),
}


def righe_di(testo, quante, guasto, guasti):
    """`quante` copies of the line `testo`, `guasti` of them replaced by
    `guasto`, spread evenly."""
    ogni = quante // (guasti + 1) if guasti else 0
    parti = []
    fatti = 0
    blocco = max(ogni, 1) if guasti else quante
    resto = quante
    while resto > 0:
        n = min(blocco, resto)
        parti.append(testo * n)
        resto -= n
        if fatti < guasti:
            parti.append(guasto)
            fatti += 1
    parti.extend([guasto] * (guasti - fatti))
    return b"".join(parti)


def scrivi_coppia(tipo, megabyte, guasti, cartella):
    """Writes linea.txt and treno.txt into cartella; returns their paths."""
    with open(os.path.join(ESEMPI, "Valbruna_linea.txt"), "rb") as f:
        linea = f.read()
    with open(os.path.join(ESEMPI, "Valbruna_101-.txt"), "rb") as f:
        treno = f.read()
    dimensione = int(megabyte * MEGA)
    fine = b"\r\n" if b"\r\n" in linea else b"\n"
    if tipo == "ripetute":
        voce = b"lunghezza percorso,  24000" + fine
        inserto = righe_di(voce, dimensione // len(voce), b"lunghezza percorso,  24x00" + fine, guasti)
        segno = b"[generale]" + fine
    elif tipo == "campo":
        inserto = b"z" * dimensione + fine + (b"pendenza,  1x00,  5" + fine) * guasti
        segno = b"[pendenze]" + fine
    elif tipo == "spazzatura":
        riga = b"zzzz,  qqqq,  wwww,  xxxx" + fine
        inserto = righe_di(riga, dimensione // len(riga), b"pendenza,  1x00,  5" + fine, guasti)
        segno = b"[pendenze]" + fine
    else:
        sys.exit(f"unknown kind {tipo}")
    dove = linea.index(segno) + len(segno)
    os.makedirs(cartella, exist_ok=True)
    coppia = [os.path.join(cartella, "linea.txt"), os.path.join(cartella, "treno.txt")]
    with open(coppia[0], "wb") as f:
        f.write(linea[:dove] + inserto + linea[dove:])
    with open(coppia[1], "wb") as f:
        f.write(treno)
    return coppia


def esegui(argv, cartella):
    """CPU seconds, wall seconds and peak resident KiB of one run, as
    /usr/bin/time reports them (its child is forked from a small process,
    not from this one, whose memory a child's peak would count)."""
    misura = os.path.join(cartella, "misura")
    inizio = time.perf_counter()
    codice = subprocess.run(["/usr/bin/time", "-q", "-f", "%U %S %M", "-o", misura] + argv,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode
    parete = time.perf_counter() - inizio
    if codice not in (0, 1):
        sys.exit(f"{' '.join(argv)}: exit status {codice}")
    with open(misura) as f:
        utente, sistema, picco = f.read().split()[-3:]
    return float(utente) + float(sistema), parete, int(picco)


def mmm(valori, formato):
    return " / ".join(formato.format(v) for v in (min(valori), statistics.median(valori), max(valori)))


def main():
    argomenti = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    argomenti.add_argument("--build", default=os.path.join(RADICE, "build"))
    argomenti.add_argument("--prima", help="a second build to time beside the first (an earlier version)")
    argomenti.add_argument("--giri", type=int, default=3, help="runs of each case")
    argomenti.add_argument("--casi", default=",".join(CASI), help="cases to run, comma-separated")
    argomenti.add_argument("--scrivi", nargs=4, metavar=("KIND", "MB", "FAULTS", "DIR"),
                           help="only write the pair into DIR")
    a = argomenti.parse_args()
    if a.scrivi:
        scrivi_coppia(a.scrivi[0], float(a.scrivi[1]), int(a.scrivi[2]), a.scrivi[3])
        return
    strumenti = {"": os.path.join(os.path.abspath(a.build), "tool", "scenario-tool")}
    if a.prima:
        strumenti = {"before: ": os.path.join(os.path.abspath(a.prima), "tool", "scenario-tool"),
                     "after: ": strumenti[""]}
    for strumento in strumenti.values():
        if not os.access(strumento, os.X_OK):
            sys.exit(f"no {strumento}: build it first")
    print("| case | text bytes | CPU s min / median / max | wall s min / median / max "
          "| peak MiB | peak / text |")
    print("| --- | --- | --- | --- | --- | --- |")
    with tempfile.TemporaryDirectory() as lavoro:
        for nome in a.casi.split(","):
            tipo, megabyte, guasti, comando = CASI[nome]
            cartella = os.path.join(lavoro, nome)
            # Written by a child: this process stays small.
            subprocess.run([sys.executable, __file__, "--scrivi", tipo, str(megabyte), str(guasti), cartella],
                           check=True)
            coppia = [os.path.join(cartella, "linea.txt"), os.path.join(cartella, "treno.txt")]
            argv = {}
            for chi, strumento in strumenti.items():
                argv[chi] = [strumento, comando] + coppia + ["--line-name", "Pesante", "--train-number", "1"]
                if comando == "compile":
                    uscita = os.path.join(cartella, "uscita" + str(len(argv)))
                    os.makedirs(uscita)
                    argv[chi] += ["-o", uscita, "--force"]
            # cp of the pair beside them: what reading and writing the text costs.
            argv["cp: "] = ["cp"] + coppia + [os.path.join(cartella, "uscita")]
            os.makedirs(argv["cp: "][-1], exist_ok=True)
            misure = {chi: [] for chi in argv}
            for _ in range(a.giri):
                for chi in argv:
                    misure[chi].append(esegui(argv[chi], cartella))
            byte = sum(os.path.getsize(p) for p in coppia)
            for chi, m in misure.items():
                picco = max(x[2] for x in m) / 1024
                print(f"| {chi}{nome} | {byte} | {mmm([x[0] for x in m], '{:.2f}')} "
                      f"| {mmm([x[1] for x in m], '{:.2f}')} | {picco:.1f} | {picco * 1024 * 1024 / byte:.2f} |",
                      flush=True)
            for p in coppia:
                os.remove(p)


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Times compile and its floor (bench/pavimento_insieme) of two builds side by
side in one run, at 10 and 1000 km: what a change to the writing of files (the
syncs of the set replacement, say) costs, and whether compile keeps its
distance to the floor.

    bench/confronta_build.py BUILD_PRIMA BUILD_DOPO [--giri N]

Each BUILD is a bench build (`cmake --workflow --preset bench`, for the
earlier one in a checkout of the earlier commit). The four commands alternate,
their order rotating from round to round; ratios are taken round by round and
given as minimum / median / maximum. CPU time is user plus system time of
the child, wall time is taken around each run.
"""

import argparse
import os
import statistics
import tempfile
import time


def esegui(comando):
    inizio = time.perf_counter()
    pid = os.posix_spawn(comando[0], comando, os.environ,
                         file_actions=[(os.POSIX_SPAWN_OPEN, 1, os.devnull, os.O_WRONLY, 0)])
    _, stato, uso = os.wait4(pid, 0)
    if os.waitstatus_to_exitcode(stato) != 0:
        raise SystemExit(f"{' '.join(comando)} ended with {os.waitstatus_to_exitcode(stato)}")
    return uso.ru_utime + uso.ru_stime, time.perf_counter() - inizio


def main():
    argomenti = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    argomenti.add_argument("prima")
    argomenti.add_argument("dopo")
    argomenti.add_argument("--giri", type=int, default=20)
    a = argomenti.parse_args()
    print("| length | commands | CPU ratio min / median / max | wall ratio min / median / max "
          "| CPU ms (median) | wall ms (median) |")
    print("| --- | --- | --- | --- | --- | --- |")
    with tempfile.TemporaryDirectory() as lavoro:
        for km in (10, 1000):
            cartella = os.path.join(lavoro, f"linea-{km}")
            for sotto in ("sorgente", "c-prima", "c-dopo", "p-prima", "p-dopo"):
                os.makedirs(os.path.join(cartella, sotto))
            esegui([os.path.join(a.dopo, "bench", "genera_linea"), str(km * 1000), cartella])
            nomi = ["--line-name", "Lunga", "--train-number", "1", "--force"]

            def compila(build, uscita):
                return [os.path.join(build, "tool", "scenario-tool"), "compile", os.path.join(cartella, "linea.txt"),
                        os.path.join(cartella, "treno.txt"), "-o", os.path.join(cartella, uscita)] + nomi

            esegui(compila(a.dopo, "sorgente"))
            sorgente = os.path.join(cartella, "sorgente")
            file = sorted(os.path.join(sorgente, f) for f in os.listdir(sorgente))

            def pavimento(build, uscita):
                return [os.path.join(build, "bench", "pavimento_insieme"), os.path.join(cartella, uscita)] + file

            comandi = {"compile, after": compila(a.dopo, "c-dopo"), "compile, before": compila(a.prima, "c-prima"),
                       "floor, after": pavimento(a.dopo, "p-dopo"), "floor, before": pavimento(a.prima, "p-prima")}
            tempi = {nome: [] for nome in comandi}
            nomi_comandi = list(comandi)
            for giro in range(a.giri):
                k = giro % len(nomi_comandi)
                for nome in nomi_comandi[k:] + nomi_comandi[:k]:
                    tempi[nome].append(esegui(comandi[nome]))

            def rapporti(x, y, i):
                r = sorted(p[i] / q[i] for p, q in zip(tempi[x], tempi[y]))
                return f"{r[0]:.2f} / {statistics.median(r):.2f} / {r[-1]:.2f}"

            def mediana(x, i):
                return statistics.median(t[i] for t in tempi[x]) * 1000

            for x, y in (("compile, after", "compile, before"), ("floor, after", "floor, before"),
                         ("compile, after", "floor, after"), ("compile, before", "floor, before")):
                print(f"| {km} km | {x} / {y} | {rapporti(x, y, 0)} | {rapporti(x, y, 1)} "
                      f"| {mediana(x, 0):.1f} / {mediana(y, 0):.1f} | {mediana(x, 1):.1f} / {mediana(y, 1):.1f} |")
    print(f"\n{a.giri} rounds; load average at end {' '.join(f'{v:.2f}' for v in os.getloadavg())} "
          f"on {os.cpu_count()} cores")


if __name__ == "__main__":
    main()

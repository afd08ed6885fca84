#!/usr/bin/env python3
"""Times the program against its floor and against cp of its output, and
every command of scenario-tool (compile, check, dump, dump --all, plot, view,
decompile) against cp of its own output on generated lines, compile also
against its floor, all in one run with the commands alternating, and measures
peak memory.

    bench/confronta.py [--giri N] [--lotto K] [--build DIR] [--km 10,100,300,1000] [--ripetute 20,60]

Build first with `cmake --workflow --preset bench` (DIR defaults to
build-bench). Each round runs every command of a group K times in a row (the
order of the commands rotates from round to round); a command's time in a
round is the mean of its K runs. CPU time is user plus system time of the
child (wait4); wall time is measured around each run. Ratios are taken round
by round, each against the other command of the same round, and given as
minimum, median and maximum over the rounds. Peak memory is the largest
"Maximum resident set size" that /usr/bin/time -v reports over three runs.

The program's floor (build-bench/bench/pavimento) writes exactly the
program's bytes through the same safe replacement and computes nothing;
compile's floor (bench/pavimento_insieme) streams compile's own output files
through the same set replacement compile uses. cp copies a command's output
files (for check and dump, its standard output kept in a file) over copies of
themselves. Every timed run replaces the files of the run
before it, as a second run in the same folder does.
"""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

RADICE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
NOME_LINEA = "MilanoPGen-Alessandria"
NUMERO_TRENO = "2635"


def esegui(comando):
    """One run: (CPU seconds, wall seconds). The command must end with 0."""
    inizio = time.perf_counter()
    pid = os.posix_spawn(comando[0], comando, os.environ,
                         file_actions=[(os.POSIX_SPAWN_OPEN, 1, os.devnull, os.O_WRONLY, 0)])
    _, stato, uso = os.wait4(pid, 0)
    fine = time.perf_counter()
    if os.waitstatus_to_exitcode(stato) != 0:
        sys.exit(f"{' '.join(comando)} ended with {os.waitstatus_to_exitcode(stato)}")
    return uso.ru_utime + uso.ru_stime, fine - inizio


def picco_kib(comando):
    """Peak resident memory of the command, KiB, as /usr/bin/time -v gives it."""
    massimo = 0
    for _ in range(3):
        uscita = subprocess.run(["/usr/bin/time", "-v"] + comando, stdout=subprocess.DEVNULL,
                                stderr=subprocess.PIPE, text=True, check=True).stderr
        for riga in uscita.splitlines():
            if "Maximum resident set size" in riga:
                massimo = max(massimo, int(riga.split(":")[1]))
    return massimo


def cronometra(comandi, giri, lotto):
    """comandi: name -> argv. Returns name -> list of (cpu, wall) per round."""
    nomi = list(comandi)
    tempi = {n: [] for n in nomi}
    for giro in range(giri):
        ordine = nomi[giro % len(nomi):] + nomi[:giro % len(nomi)]
        for n in ordine:
            cpu = wall = 0.0
            for _ in range(lotto):
                c, w = esegui(comandi[n])
                cpu += c
                wall += w
            tempi[n].append((cpu / lotto, wall / lotto))
    return tempi


def rapporti(a, b, indice):
    return [x[indice] / y[indice] for x, y in zip(a, b)]


def mmm(valori, formato="{:.2f}"):
    return " / ".join(formato.format(v) for v in (min(valori), statistics.median(valori), max(valori)))


def mediana_ms(tempi, indice):
    return statistics.median(t[indice] for t in tempi) * 1000


def file_di(cartella, escluso=None):
    return sorted(os.path.join(cartella, f) for f in os.listdir(cartella)
                  if f != escluso and os.path.isfile(os.path.join(cartella, f)))


def stessi_byte(a, b):
    with open(a, "rb") as fa, open(b, "rb") as fb:
        return fa.read() == fb.read()


def prepara_copia(lavoro, nome, uscite):
    """A folder of the outputs to copy from and one holding copies to overwrite."""
    sorgente = os.path.join(lavoro, nome + "-uscita")
    destinazione = os.path.join(lavoro, nome + "-copia")
    os.makedirs(sorgente)
    os.makedirs(destinazione)
    for f in uscite:
        shutil.copy(f, sorgente)
        shutil.copy(f, destinazione)
    cp = shutil.which("cp")
    return [cp] + file_di(sorgente) + [destinazione + "/"], sum(os.path.getsize(f) for f in uscite)


def riga_tabella(celle):
    return "| " + " | ".join(celle) + " |"


def misura_programma(build, lavoro, giri, lotto):
    cartelle = {}
    for nome, eseguibile in (("programma", os.path.join(build, "compila_scenario")),
                             ("pavimento", os.path.join(build, "bench", "pavimento"))):
        if not os.access(eseguibile, os.X_OK):
            sys.exit(f"no {eseguibile}: run cmake --workflow --preset bench")
        cartella = os.path.join(lavoro, nome)
        os.makedirs(cartella)
        shutil.copy(eseguibile, cartella)
        cartelle[nome] = (cartella, os.path.join(cartella, os.path.basename(eseguibile)))
        esegui([cartelle[nome][1]])
    uscite = file_di(cartelle["programma"][0], escluso="compila_scenario")
    pavimento = file_di(cartelle["pavimento"][0], escluso="pavimento")
    if [os.path.basename(f) for f in uscite] != [os.path.basename(f) for f in pavimento] or \
            not all(stessi_byte(a, b) for a, b in zip(uscite, pavimento)):
        sys.exit("the floor does not write the program's bytes: rebuild the bench preset")
    cp, byte = prepara_copia(lavoro, "programma", uscite)
    comandi = {"programma": [cartelle["programma"][1]], "pavimento": [cartelle["pavimento"][1]], "cp": cp}
    tempi = cronometra(comandi, giri, lotto)
    picchi = {n: picco_kib(c) for n, c in comandi.items()}
    print(f"program output: {len(uscite)} files, {byte} bytes")
    print()
    print(riga_tabella(["", "CPU ratio min / median / max", "wall ratio min / median / max",
                        "CPU ms (median)", "peak memory"]))
    print(riga_tabella(["---"] * 5))
    for nome, altro in (("pavimento", "program / floor"), ("cp", "program / cp")):
        print(riga_tabella([altro, mmm(rapporti(tempi["programma"], tempi[nome], 0)),
                            mmm(rapporti(tempi["programma"], tempi[nome], 1)),
                            f"{mediana_ms(tempi['programma'], 0):.2f} / {mediana_ms(tempi[nome], 0):.2f}",
                            f"{picchi['programma'] / 1024:.1f} MiB / {picchi[nome] / 1024:.1f} MiB"]))


def uscita_su_file(comando, file):
    """Runs the command once with its standard output into file."""
    with open(file, "wb") as f:
        subprocess.run(comando, stdout=f, check=True)


def comandi_strumento(build, lavoro, km):
    """name -> (argv, the files of its output, floor argv or None) for one length."""
    strumento = os.path.join(build, "tool", "scenario-tool")
    cartella = os.path.join(lavoro, f"linea-{km}")
    os.makedirs(cartella)
    esegui([os.path.join(build, "bench", "genera_linea"), str(km * 1000), cartella])
    coppia = [os.path.join(cartella, "linea.txt"), os.path.join(cartella, "treno.txt")]
    nomi = ["--line-name", "Lunga", "--train-number", "1"]
    compilati = os.path.join(cartella, "compilati")
    os.makedirs(compilati)
    compila = [strumento, "compile"] + coppia + ["-o", compilati] + nomi
    esegui(compila)
    file_compilati = file_di(compilati)
    pavimento = os.path.join(cartella, "pavimento")
    os.makedirs(pavimento)
    comandi = {
        "compile": (compila, file_compilati,
                    [os.path.join(build, "bench", "pavimento_insieme"), pavimento] + file_compilati),
        "check": ([strumento, "check"] + coppia + nomi, None, None),
        "dump": ([strumento, "dump", os.path.join(compilati, "Lunga_linea.dat")], None, None),
        "dump --all": ([strumento, "dump", "--all", os.path.join(compilati, "Lunga_linea.dat")], None, None),
    }
    for nome, file in (("plot", "pianta.svg"), ("view", "pagina.html")):
        comandi[nome] = ([strumento, nome, compilati] + nomi + ["-o", os.path.join(cartella, file)], None, None)
    decompilati = os.path.join(cartella, "decompilati")
    os.makedirs(decompilati)
    forza = ["--force"] if "--force" in subprocess.run([strumento, "decompile", "--help"], capture_output=True,
                                                        text=True).stdout else []
    comandi["decompile"] = ([strumento, "decompile", compilati] + nomi + ["-o", decompilati] + forza, None, None)
    # The output of each command other than compile: its files, or its
    # standard output kept in a file, for cp to copy.
    for nome, (argv, uscite, floor) in list(comandi.items()):
        if uscite is not None:
            continue
        esegui(argv)
        if nome in ("plot", "view"):
            uscite = [argv[-1]]
        elif nome == "decompile":
            uscite = file_di(decompilati)
        else:
            uscite = [os.path.join(cartella, nome.replace(" --", "-") + ".txt")]
            uscita_su_file(argv, uscite[0])
        comandi[nome] = (argv, uscite, floor)
    return comandi


def misura_strumento(build, lavoro, giri, lotto, chilometri):
    for eseguibile in ("tool/scenario-tool", "bench/genera_linea", "bench/pavimento_insieme"):
        if not os.access(os.path.join(build, eseguibile), os.X_OK):
            sys.exit(f"no {os.path.join(build, eseguibile)}: run cmake --workflow --preset bench")
    print()
    print(riga_tabella(["scenario-tool", "output bytes", "CPU ratio to cp min / median / max",
                        "CPU ratio to floor min / median / max", "wall ratio to cp min / median / max",
                        "CPU ms (median, tool / cp)", "peak memory"]))
    print(riga_tabella(["---"] * 7))
    for km in chilometri:
        comandi = comandi_strumento(build, lavoro, km)
        gruppo = {}
        byte = {}
        for nome, (argv, uscite, floor) in comandi.items():
            cp, byte[nome] = prepara_copia(lavoro, f"{nome.replace(' --', '-')}-{km}", uscite)
            gruppo[nome] = argv
            gruppo["cp " + nome] = cp
            if floor is not None:
                gruppo["floor " + nome] = floor
        tempi = cronometra(gruppo, giri, lotto)
        for nome, (argv, _, floor) in comandi.items():
            a_floor = mmm(rapporti(tempi[nome], tempi["floor " + nome], 0)) if floor is not None else "-"
            print(riga_tabella([f"{nome}, {km} km", str(byte[nome]),
                                mmm(rapporti(tempi[nome], tempi["cp " + nome], 0)), a_floor,
                                mmm(rapporti(tempi[nome], tempi["cp " + nome], 1)),
                                f"{mediana_ms(tempi[nome], 0):.1f} / {mediana_ms(tempi['cp ' + nome], 0):.1f}",
                                f"{picco_kib(argv) / 1024:.1f} MiB"]))


def misura_lunghezze_ripetute(build, lavoro, megabyte):
    """A line description of `megabyte` MB made almost only of length entries,
    compiled and checked."""
    strumento = os.path.join(build, "tool", "scenario-tool")
    cartella = os.path.join(lavoro, f"ripetute-{megabyte}")
    uscita = os.path.join(cartella, "uscita")
    os.makedirs(uscita)
    esegui([os.path.join(build, "bench", "genera_linea"), "88000", cartella])
    voce = b"lunghezza percorso,  88000\r\n"
    with open(os.path.join(cartella, "linea.txt"), "wb") as f:
        f.write(b"[generale]\r\n" + voce * (megabyte * 1000 * 1000 // len(voce)) + b"[curve]\r\n[fine]\r\n")
    coppia = [os.path.join(cartella, "linea.txt"), os.path.join(cartella, "treno.txt")]
    nomi = ["--line-name", "Ripetuta", "--train-number", "1"]
    for nome, argv in (("compile", [strumento, "compile"] + coppia + ["-o", uscita] + nomi),
                       ("check", [strumento, "check"] + coppia + nomi)):
        tempi = [esegui(argv) for _ in range(3)]
        print(f"{megabyte} MB of repeated length entries, scenario-tool {nome} (3 runs): "
              f"CPU {mmm([t[0] for t in tempi], '{:.3f}')} s, wall {mmm([t[1] for t in tempi], '{:.3f}')} s "
              f"(min / median / max), peak memory {picco_kib(argv) / 1024:.1f} MiB")


def main():
    argomenti = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    argomenti.add_argument("--giri", type=int, default=30, help="rounds (at least 30 for docs/performance.md)")
    argomenti.add_argument("--lotto", type=int, default=5, help="runs of each command per round")
    argomenti.add_argument("--build", default=os.path.join(RADICE, "build-bench"))
    argomenti.add_argument("--km", default="10,100,300,1000", help="line lengths for scenario-tool, km")
    argomenti.add_argument("--ripetute", default="20,60", help="MB of repeated length entries (empty: none)")
    a = argomenti.parse_args()
    build = os.path.abspath(a.build)
    with tempfile.TemporaryDirectory() as lavoro:
        carico = os.getloadavg()
        print(f"{a.giri} rounds of {a.lotto} runs each; load average at start "
              f"{carico[0]:.2f} {carico[1]:.2f} {carico[2]:.2f} on {os.cpu_count()} cores")
        print()
        misura_programma(build, lavoro, a.giri, a.lotto)
        misura_strumento(build, lavoro, a.giri, a.lotto, [int(k) for k in a.km.split(",") if k])
        print()
        for megabyte in [int(m) for m in a.ripetute.split(",") if m]:
            misura_lunghezze_ripetute(build, lavoro, megabyte)
        carico = os.getloadavg()
        print()
        print(f"load average at end {carico[0]:.2f} {carico[1]:.2f} {carico[2]:.2f}")


if __name__ == "__main__":
    main()

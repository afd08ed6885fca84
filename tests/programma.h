// Runs the built program the way a user does: the executable copied into a
// folder and started there, from another working folder.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace scenario::test {

struct EsitoProgramma {
  int stato = -1;    // exit status, or -1 when it did not exit normally
  std::string out;   // standard output
  std::string err;   // standard error
};

// Copies the program into `cartella` (once) and runs it with the working folder
// set to "/". With `senza_privilegi`, a run as root drops to user "nobody" so
// that folder permissions apply.
EsitoProgramma esegui_programma(const std::string& cartella, bool senza_privilegi = false);

// Copies the program into `cartella` (once) and starts it there, as
// esegui_programma does, without waiting and with its output discarded.
// Returns the child's process id, or -1 when it could not be started.
pid_t avvia_programma(const std::string& cartella);

// Time enough for a started program to reach its first step: a child
// process on Linux, a process started under an emulator on Windows.
std::chrono::milliseconds tempo_di_avvio();

// Waits for a run started by avvia_programma; its exit status, or -1 when it
// did not exit normally.
int attendi_programma(pid_t id);

// A command run to completion with its cost: wall time and peak resident
// memory, as the system accounts them to the child.
struct CostoComando {
  int stato = -1;         // exit status, or -1 when it did not exit normally
  double secondi = 0;     // wall time
  long picco_kib = 0;     // peak resident set size, in KiB; 0 when the system
                          // gives no figure (Wine, at times, once the child ended)
};

// Runs `argomenti` (the executable's path first) with its output discarded.
CostoComando esegui_misurando(const std::vector<std::string>& argomenti);

// Kill tests (Linux only). Starts `argomenti` (the executable's path first)
// with its output discarded, without waiting: the child's id, or -1.
pid_t avvia_comando(const std::vector<std::string>& argomenti);
// Kills with SIGKILL a child started at `inizio`, once `ritardo` has passed
// since then, and waits for it; true when the kill landed before it ended.
bool uccidi_dopo(pid_t figlio, std::chrono::steady_clock::time_point inizio, std::chrono::microseconds ritardo);

// The wall time of `eseguibile --version`: what starting a command costs
// before it does anything (under an emulator, a second or so), for a time
// limit on what the command does.
inline double secondi_di_partenza(const std::string& eseguibile) {
  return esegui_misurando({eseguibile, "--version"}).secondi;
}

// The path of the program inside `cartella`.
std::string programma_in(const std::string& cartella);

}  // namespace scenario::test

// The program's whole job, from the wait message to the end of the run.
#pragma once

#include <string>

namespace scenario {

// Exit statuses of a run.
constexpr int kUscitaPulita = 0;       // compiled, no fault recorded
constexpr int kUscitaConGuasti = 1;    // a fault was recorded (reported on standard error)
constexpr int kUscitaSlotRiservato = 2;  // 1250 or 1251: no compiled file written
constexpr int kUscitaFileSystem = 3;   // a file could not be written, replaced or deleted

// Writes the five texts into `cartella`, compiles the two descriptions into the
// three compiled files and returns the exit status. A used reserved slot ends
// the program inside, through errore().
int Form_Load(const std::string& cartella);

}  // namespace scenario

// The exit statuses of the program and the tool.
#pragma once

namespace scenario {

constexpr int kUscitaPulita = 0;         // compiled, no fault recorded
constexpr int kUscitaConGuasti = 1;      // a fault was recorded (reported on standard error)
constexpr int kUscitaSlotRiservato = 2;  // a reserved slot was in use: no compiled file written
constexpr int kUscitaFileSystem = 3;     // a file could not be read, written, replaced or deleted

// The tool's own, beyond the program's 0 to 3.
constexpr int kUscitaUso = 64;            // wrong command line
constexpr int kUscitaDatiNonValidi = 65;  // a file that cannot be of the kind asked for
constexpr int kUscitaGiaPresente = 73;    // a file to be written already exists and --force was not given

}  // namespace scenario

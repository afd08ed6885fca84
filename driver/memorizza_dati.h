// The reading stage on the program's files: the line description, then the
// train description, read from the folder of `nomi` into the route model.
// Each text is deleted once read, on every path, so that a run never leaves a
// description behind. The readers themselves work on text in memory
// (readers/linea_lettore.h, readers/treno_lettore.h): this is the one place
// that knows the texts are files.
#pragma once

namespace scenario {

class NomiFile;
struct Compilatore;

// Both halves; the train half runs when the line half says so, and its text
// is deleted unread otherwise.
void memorizza_dati(Compilatore& stato, const NomiFile& nomi);

// The halves alone. A missing line description records kErroreLineaMancante,
// an unreadable one kErroreLettura; memorizza_linea returns whether the train half must run. A train
// description that cannot be read, or whose reading fails (kErroreLettura), takes the
// line description with it, should that still exist.
bool memorizza_linea(Compilatore& stato, const NomiFile& nomi);
void memorizza_treno(Compilatore& stato, const NomiFile& nomi);

}  // namespace scenario

// The live viewer's server: serves one page on 127.0.0.1 at a free port,
// prints its address, watches files and, whenever one of them changes,
// makes the page anew and tells every open page through a stream of
// server-sent events ("/eventi"), each event the new page's version. It runs
// until SIGINT or SIGTERM and then closes every connection and returns 0.
#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace scenario::servizio {

struct ServizioVivo {
  std::vector<std::string> sorvegliati;  // the files whose saves make a new page
  // The page of a version (from 1, one more after each change seen); the
  // page learns its version from it and reloads itself when the stream
  // tells a later one.
  std::function<std::string(uint64_t versione)> pagina;
  // Called after each new page is made, with its version (for a log line).
  std::function<void(uint64_t versione)> rifatta;
};

// The exit status: 0 after a signal; kUscitaFileSystem when no port could be
// had, with the reason on `err`. The address goes to `out` as one line
// "http://127.0.0.1:PORT/", flushed.
int servi(const ServizioVivo& servizio, std::ostream& out, std::ostream& err);

// Whether this build has the server (the Windows build has not).
bool servizio_disponibile();

}  // namespace scenario::servizio

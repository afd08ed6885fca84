#include "verifica/recupero.h"

#include <algorithm>
#include <array>
#include <optional>

#include "model/codici_errore.h"

namespace scenario::tool {
namespace {

// Faults that no single entry holds, or after which nothing can be read on.
constexpr std::array<int32_t, 12> kSenzaVoce = {
    kErroreLunghezzaOltre,      // no cell array
    kErroreProgressive,         // the kilometre-post systems, checked once at the end
    kErroreMarcaSegnale,        // layout pass
    kErroreFinestraOccupata,    // layout pass
    kErroreMarcaRallentamento,  // layout pass
    kErroreSenzaFine,           // layout pass
    kErroreSenzaLunghezza,      // no cell array
    kErroreLunghezzaNegativa,   // no cell array
    kErroreLineaMancante,
    kErroreSenzaGenerale,       // nothing of the line description is read
    kErroreSlotIntero,
    kErroreSlotCodice,
};

// Bytes the runs of one recovery may read, beyond four times the pair's size.
constexpr size_t kLettureOltre = size_t{64} << 20;
constexpr size_t kVolteCoppia = 4;

// Where a line of a text starts: the search for the next line to blank
// starts there, as the faults come in order of the reading.
struct Segnalibro {
  int riga = 1;
  size_t inizio = 0;
};

bool blank(char c) { return c == ' ' || c == '\t'; }

// Blanks line `riga` (from 1) of `testo`: its bytes become spaces, its line
// end stays, so that every line keeps its number and every byte its offset.
// A line of blanks reads as an empty field, as an empty line does. Gives the
// offset of the line's start, or npos when there was nothing to blank (the
// text has no such line, or it holds blanks alone). `da` is a line start
// found before, where the search starts when it does not lie past `riga`.
size_t svuota_riga(std::string* testo, int riga, Segnalibro* da) {
  if (da->riga > riga || da->inizio > testo->size()) *da = Segnalibro{};
  size_t inizio = da->inizio;
  for (int n = da->riga; n < riga; ++n) {
    while (inizio < testo->size() && (*testo)[inizio] != '\r' && (*testo)[inizio] != '\n') ++inizio;
    if (inizio >= testo->size()) return std::string::npos;
    if ((*testo)[inizio] == '\r' && inizio + 1 < testo->size() && (*testo)[inizio + 1] == '\n') ++inizio;
    ++inizio;
  }
  size_t fine = inizio;
  bool pieno = false;
  while (fine < testo->size() && (*testo)[fine] != '\r' && (*testo)[fine] != '\n') {
    pieno = pieno || !blank((*testo)[fine]);
    ++fine;
  }
  *da = Segnalibro{riga, inizio};
  if (!pieno) return std::string::npos;
  std::fill(testo->begin() + static_cast<ptrdiff_t>(inizio), testo->begin() + static_cast<ptrdiff_t>(fine), ' ');
  return inizio;
}

}  // namespace

bool guasto_di_una_voce(const Guasto& g) {
  return g.riga > 0 && !g.file.empty() &&
         std::find(kSenzaVoce.begin(), kSenzaVoce.end(), g.codice) == kSenzaVoce.end();
}

EsitoRecupero recupera(std::string_view linea, std::string_view treno, const std::string& nome_linea,
                       const std::string& nome_treno, const CompilaProva& compila, size_t massimo_prove) {
  EsitoRecupero r;
  // The runs read the caller's texts until a line of one is blanked: from
  // then on its copy.
  bool copia_linea = false;
  bool copia_treno = false;
  Segnalibro segno_linea;
  Segnalibro segno_treno;
  const size_t coppia = linea.size() + treno.size();
  const size_t letture_massime = kVolteCoppia * coppia + kLettureOltre;
  size_t letti = 0;
  std::optional<Cambio> cambio;
  for (;;) {
    Prova prova = compila(copia_linea ? std::string_view(r.linea) : linea,
                          copia_treno ? std::string_view(r.treno) : treno, cambio ? &*cambio : nullptr);
    ++r.prove;
    // Only the first fault of an entry counts: a fault after it may be an
    // effect of it (the train half after a line half that stopped reading).
    const std::vector<Guasto>& guasti = prova.guasti;
    const auto primo = std::find_if(guasti.begin(), guasti.end(), guasto_di_una_voce);
    std::string* testo = nullptr;
    if (primo != guasti.end()) {
      testo = primo->file == nome_linea ? &r.linea : primo->file == nome_treno ? &r.treno : nullptr;
    }
    const bool di_treno = testo == &r.treno;
    const size_t indice = static_cast<size_t>(primo - guasti.begin());
    const int riga = indice < prova.righe_voce.size() && prova.righe_voce[indice] > 0 ? prova.righe_voce[indice]
                                                                                     : (primo != guasti.end() ? primo->riga : 0);
    // The next run reads at least up to this fault, and perhaps the whole pair.
    const bool oltre = letti + coppia > letture_massime;
    if (testo != nullptr && r.prove < massimo_prove && !oltre) {
      bool& copiato = di_treno ? copia_treno : copia_linea;
      if (!copiato) *testo = std::string(di_treno ? treno : linea);
      copiato = true;
    }
    const size_t svuotata = testo == nullptr || r.prove >= massimo_prove || oltre
                                ? std::string::npos
                                : svuota_riga(testo, riga, di_treno ? &segno_treno : &segno_linea);
    if (svuotata == std::string::npos) {
      r.al_limite = testo != nullptr && (r.prove >= massimo_prove || oltre);
      if (prova.completa) prova.completa(prova);
      for (Diagnostica& d : prova.spiegazioni) r.diagnostiche.push_back(std::move(d));
      for (Diagnostica& d : prova.altre) r.diagnostiche.push_back(std::move(d));
      r.oltre = std::move(prova.oltre);
      break;
    }
    r.diagnostiche.push_back(std::move(prova.spiegazioni[indice]));
    // This run read from where it started up to the blanked line.
    const size_t fino_a = svuotata + (di_treno ? linea.size() : 0);
    letti += fino_a > prova.letto_da ? fino_a - prova.letto_da : 0;
    cambio = Cambio{di_treno, svuotata};
  }
  return r;
}

}  // namespace scenario::tool

#include "verifica/recupero.h"

#include <algorithm>
#include <array>

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

// Blanks line `riga` (from 1) of `testo`, keeping its line end so that the
// lines after it keep their numbers. The text's last line, with no line end
// after it, keeps one blank: the readers fail a field that takes the last byte
// of the file, and with the line gone the field before it would take it (a
// "[generale]" before a last entry would be read as missing). Gives the offset
// of the line's start, or npos when there was nothing to blank.
size_t svuota_riga(std::string* testo, int riga) {
  size_t inizio = 0;
  for (int n = 1; n < riga; ++n) {
    while (inizio < testo->size() && (*testo)[inizio] != '\r' && (*testo)[inizio] != '\n') ++inizio;
    if (inizio >= testo->size()) return std::string::npos;
    if ((*testo)[inizio] == '\r' && inizio + 1 < testo->size() && (*testo)[inizio + 1] == '\n') ++inizio;
    ++inizio;
  }
  size_t fine = inizio;
  while (fine < testo->size() && (*testo)[fine] != '\r' && (*testo)[fine] != '\n') ++fine;
  // An empty line, or a last line already blanked: nothing more to drop.
  if (fine == inizio || (fine == testo->size() && testo->compare(inizio, fine - inizio, " ") == 0)) {
    return std::string::npos;
  }
  if (fine == testo->size()) {
    testo->replace(inizio, fine - inizio, " ");
  } else {
    testo->erase(inizio, fine - inizio);
  }
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
  const size_t coppia = linea.size() + treno.size();
  const size_t letture_massime = kVolteCoppia * coppia + kLettureOltre;
  size_t letti = 0;
  for (;;) {
    Prova prova = compila(copia_linea ? std::string_view(r.linea) : linea,
                          copia_treno ? std::string_view(r.treno) : treno);
    ++r.prove;
    // Only the first fault of an entry counts: a fault after it may be an
    // effect of it (the train half after a line half that stopped reading).
    const std::vector<Guasto>& guasti = prova.guasti;
    const auto primo = std::find_if(guasti.begin(), guasti.end(), guasto_di_una_voce);
    std::string* testo = nullptr;
    if (primo != guasti.end()) {
      testo = primo->file == nome_linea ? &r.linea : primo->file == nome_treno ? &r.treno : nullptr;
    }
    const size_t indice = static_cast<size_t>(primo - guasti.begin());
    const int riga = indice < prova.righe_voce.size() && prova.righe_voce[indice] > 0 ? prova.righe_voce[indice]
                                                                                     : (primo != guasti.end() ? primo->riga : 0);
    // The next run reads at least up to this fault, and perhaps the whole pair.
    const bool oltre = letti + coppia > letture_massime;
    if (testo != nullptr && r.prove < massimo_prove && !oltre) {
      bool& copiato = testo == &r.linea ? copia_linea : copia_treno;
      if (!copiato) *testo = std::string(testo == &r.linea ? linea : treno);
      copiato = true;
    }
    const size_t svuotata = testo == nullptr || r.prove >= massimo_prove || oltre ? std::string::npos
                                                                                  : svuota_riga(testo, riga);
    if (svuotata == std::string::npos) {
      r.al_limite = testo != nullptr && (r.prove >= massimo_prove || oltre);
      for (Diagnostica& d : prova.spiegazioni) r.diagnostiche.push_back(std::move(d));
      for (Diagnostica& d : prova.altre) r.diagnostiche.push_back(std::move(d));
      r.oltre = std::move(prova.oltre);
      break;
    }
    r.diagnostiche.push_back(std::move(prova.spiegazioni[indice]));
    // This run read up to the blanked line (the train after the whole line).
    letti += svuotata + (testo == &r.treno ? linea.size() : 0);
  }
  return r;
}

}  // namespace scenario::tool

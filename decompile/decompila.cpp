#include "decompile/decompila.h"

#include <algorithm>
#include <set>

#include "decompile/compila_testi.h"
#include "decompile/recupera.h"
#include "decompile/scrivi_descrizioni.h"
#include "model/nomi_file.h"
#include "model/decodifica_file.h"
#include "model/dimensioni.h"
#include "model/flusso_tracciato.h"
#include "model/modello.h"

namespace scenario::decompila {
namespace {

constexpr int kGiriAbbattimenti = 8;

struct Testi {
  std::string linea;
  std::string treno;
};

Testi scrivi(const DescrizioneLinea& linea, DescrizioneTreno treno, const std::set<int32_t>& abbattimenti) {
  for (int32_t cella : abbattimenti) treno.abbattimenti.push_back({metri_di(static_cast<size_t>(cella)), kValoreMarca});
  std::stable_sort(treno.abbattimenti.begin(), treno.abbattimenti.end(),
                   [](const Valore& a, const Valore& b) { return a.posizione < b.posizione; });
  return {testo_linea(linea), testo_treno(treno, linea)};
}

// A cell holding abbattimento 180 is either a marker of the layout pass or an
// entry of that value. Start from markers alone, compile, and make an entry of
// each such cell that the pass did not fill; an entry changes where the pass
// puts its markers, so repeat until nothing changes.
std::set<int32_t> scegli_abbattimenti(const DescrizioneLinea& linea, const DescrizioneTreno& treno,
                                      const std::vector<Cella>& celle, const std::string& nome_linea,
                                      const std::string& numero_treno) {
  const std::vector<int32_t> incerte = celle_come_segnalini(celle);
  std::set<int32_t> scelte;
  if (incerte.empty()) return scelte;
  // Each round only adds entries; a handful settles every layout the pass
  // can make, and a file made by something else is not worth more compiles.
  for (int giro = 0; giro < kGiriAbbattimenti; ++giro) {
    const Testi t = scrivi(linea, treno, scelte);
    const Compilati c = compila_testi(t.linea, t.treno, nome_linea, numero_treno, false);
    std::vector<Cella> ottenute;
    Testo errore;
    if (!c.prodotti || !decodifica_celle(c.file.celle, &ottenute, &errore)) break;
    bool cambiate = false;
    for (int32_t q : incerte) {
      const size_t i = static_cast<size_t>(q);
      const bool segnalino = i < ottenute.size() && ottenute[i].tipo == kAbbattimento &&
                             ottenute[i].valore_a == kValoreMarca;
      if (!segnalino && scelte.insert(q).second) cambiate = true;
    }
    if (!cambiate) break;
  }
  return scelte;
}

void controlla(std::string_view tabella, std::string_view celle, const TracciatoAPezzi* tracciato, const Testi& testi,
               const std::string& nome_linea, const std::string& numero_treno, Decompilazione* d) {
  const bool con_tracciato = tracciato != nullptr;
  const Compilati c = compila_testi(testi.linea, testi.treno, nome_linea, numero_treno, con_tracciato, false);
  const NomiFile nomi("", nome_linea, numero_treno);
  if (!c.prodotti) {
    d->differenze.push_back({nomi.nome_tabella(), "whole file", "compile", "the input files", "nothing written: " + c.perche});
    return;
  }
  confronta_tabella(nomi.nome_tabella(), tabella, c.file.tabella, &d->differenze);
  confronta_celle(nomi.nome_celle(), celle, c.file.celle, &d->differenze);
  if (con_tracciato) {
    confronta_tracciato(nomi.nome_tracciato(), tracciato->leggi, tracciato->byte, c.tracciato ? &*c.tracciato : nullptr,
                        &d->differenze);
  }
}

}  // namespace

Decompilazione decompila(std::string_view tabella, std::string_view celle_file, const TracciatoAPezzi* tracciato,
                         const std::string& nome_linea, const std::string& numero_treno) {
  Decompilazione d;
  Elementi elementi{};
  std::vector<Cella> celle;
  FormaTracciato forma;
  Testo errore;
  const NomiFile nomi("", nome_linea, numero_treno);
  const auto rifiuta = [&](Rifiuto r, const std::string& file_rifiutato, const std::string& tipo,
                           const Testo& perche) {
    d.rifiuto = r;
    d.errore = file_rifiutato + " is not a compiled " + tipo + ": " + perche.inglese();
    d.perche = perche;
    return d;
  };
  if (!decodifica_elementi(tabella, &elementi, &errore)) {
    return rifiuta(Rifiuto::kTabella, nomi.nome_tabella(), "table file", errore);
  }
  if (!decodifica_celle(celle_file, &celle, &errore)) return rifiuta(Rifiuto::kCelle, nomi.nome_celle(), "cell file", errore);
  // Between the cells of a line of 0 m and of the longest line taken.
  const size_t minime = static_cast<size_t>(dimensioni_linea(0).ultima_cella) + 1;
  const size_t massime = static_cast<size_t>(dimensioni_linea(kLunghezzaMassima).ultima_cella) + 1;
  if (celle.size() < minime || celle.size() > massime) {
    rifiuta(Rifiuto::kNumeroCelle, nomi.nome_celle(), "cell file",
            Testo{"%1", {"it holds " + std::to_string(celle.size()) + " cells, a compiled line " +
                         std::to_string(minime) + " to " + std::to_string(massime)}});
    d.perche = Testo{"%1", {std::to_string(celle.size())}};
    return d;
  }
  if (tracciato != nullptr && !esamina_tracciato(tracciato->leggi, tracciato->byte, &forma, &errore)) {
    return rifiuta(Rifiuto::kTracciato, nomi.nome_tracciato(), "track-plan file", errore);
  }
  d.letta = true;

  DescrizioneLinea linea = recupera_linea(elementi, celle);
  if (tracciato != nullptr) {
    linea.curve_recuperate = true;
    PianoAPassi piano;
    piano.righe = forma.righe;
    piano.scorri = [&](const VisitaMetro& visita) { scorri_tracciato(tracciato->leggi, forma, visita); };
    if (std::string perche; !recupera_curve(piano, &linea.curve, &perche)) d.tracciato_estraneo = perche;
  }
  d.curve_recuperate = linea.curve_recuperate;
  const DescrizioneTreno treno = recupera_treno(elementi, celle);
  const Testi testi = scrivi(linea, treno, scegli_abbattimenti(linea, treno, celle, nome_linea, numero_treno));
  d.linea = testi.linea;
  d.treno = testi.treno;
  controlla(tabella, celle_file, tracciato, testi, nome_linea, numero_treno, &d);
  return d;
}

Decompilazione decompila(const FileCodificati& file, const std::string& nome_linea, const std::string& numero_treno) {
  if (!file.tracciato) return decompila(file.tabella, file.celle, nullptr, nome_linea, numero_treno);
  const TracciatoAPezzi tracciato{pezzi_di(*file.tracciato), file.tracciato->size()};
  return decompila(file.tabella, file.celle, &tracciato, nome_linea, numero_treno);
}

}  // namespace scenario::decompila

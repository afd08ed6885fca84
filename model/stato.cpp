#include "model/stato.h"

#include <utility>

#include "model/tipi_avviso.h"
#include "platform/da_tradurre.h"

namespace scenario {

void Compilatore::registra(int32_t codice) {
  codice_errore = codice;
  guasti.push_back(Guasto{codice, std::nullopt, file_corrente, riga_corrente, colonna_corrente, {}});
}

void Compilatore::registra(int32_t codice, int32_t posizione) {
  codice_errore = codice;
  posizione_errore = posizione;
  guasti.push_back(Guasto{codice, posizione, file_corrente, riga_corrente, colonna_corrente, {}});
}

void Compilatore::registra_su_file(int32_t codice, const std::string& file, std::string motivo) {
  codice_errore = codice;
  guasti.push_back(Guasto{codice, std::nullopt, file, 0, 0, std::move(motivo)});
}

void Compilatore::azzera(int32_t genera) {
  genera_tracciato = genera;
  codice_errore = 0;
  posizione_errore = 0;
  celle.clear();
  tracciato = Tracciato{};
  lunghezza_tracciato = 0;
  ultima_cella = -1;
  guasti.clear();
  avvertimenti.clear();
  avvertimenti_taciuti.clear();
  avvertimenti_per_tipo.clear();
  riga_ultima_chiave_ignota = 0;
  file_ultima_chiave_ignota.clear();
  errore_file_system = Status::Ok();
  for (Elemento& riga : elementi) riga = Elemento{};
  elementi[kRigaLinea].testo = nome_linea;
  elementi[kRigaTreno].testo = numero_treno;
}

void Compilatore::registra_cella(int32_t codice, int32_t posizione) {
  codice_errore = codice;
  posizione_errore = posizione;
  guasti.push_back(Guasto{codice, posizione, "", 0, 0, {}});
}

void Compilatore::posiziona(int32_t posizione) {
  posizione_errore = posizione;
  if (!guasti.empty() && guasti.back().codice == codice_errore) guasti.back().posizione = posizione;
}

void Compilatore::avverti(std::string_view tipo, std::string_view modello, std::vector<std::string> valori,
                          bool anche_nel_programma) {
  // The program prints its own warnings, every one; an unknown key is told
  // by its value, which a count would lose.
  // Of one kind in one file the first kAvvertimentiPerTipo are recorded, the
  // rest counted. Unknown keys are counted by whether a key lies near, which
  // the check tells apart; without its test all are of one kind.
  std::string_view conteggio = tipo;
  if (tipo == kAvvisoChiaveIgnota && !anche_nel_programma) {
    // One per line: a junk line of many fields costs one, not one a field.
    if (riga_corrente == riga_ultima_chiave_ignota && file_corrente == file_ultima_chiave_ignota) return;
    riga_ultima_chiave_ignota = riga_corrente;
    file_ultima_chiave_ignota = file_corrente;
    if (traccia != nullptr && traccia->chiave_vicina != nullptr && !valori.empty() &&
        !traccia->chiave_vicina(valori[0], file_corrente != file_linea)) {
      conteggio = kAvvisoSenzaChiave;
    }
  }
  if (!anche_nel_programma) {
    size_t& registrati = avvertimenti_per_tipo[{file_corrente, conteggio}];
    if (registrati >= kAvvertimentiPerTipo) {
      if (avvertimenti_taciuti.empty() || avvertimenti_taciuti.back().file != file_corrente ||
          avvertimenti_taciuti.back().tipo != conteggio) {
        avvertimenti_taciuti.push_back({.file = file_corrente, .tipo = conteggio});
      }
      ++avvertimenti_taciuti.back().quante;
      return;
    }
    ++registrati;
  }
  avvertimenti.push_back(Avvertimento{.testo = componi(modello, valori),
                                      .file = file_corrente,
                                      .riga = riga_corrente,
                                      .anche_nel_programma = anche_nel_programma,
                                      .modello = modello,
                                      .valori = std::move(valori),
                                      .colonna = colonna_corrente,
                                      .tipo = tipo});
}

}  // namespace scenario

#include "tool/vista_viva.h"

#include <filesystem>

#include "disegno/vista_html.h"
#include "model/decodifica_file.h"
#include "model/file_compilati.h"
#include "model/traccia.h"
#include "testi/testo.h"
#include "tool/lettura_descrizione.h"

namespace scenario::tool {
namespace {

// The route of a compile the program would write files for, decoded from the
// very bytes it would write, so the live page shows what the view of the
// compiled files would.
std::optional<Percorso> percorso_compilato(const Compilazione& c) {
  if (!c.esito.file_scritti) return std::nullopt;
  const FileCodificati file = codifica_file_compilati(c.stato);
  Elementi elementi{};
  std::vector<Cella> celle;
  PuntiTracciato tracciato;
  Testo errore;
  if (!decodifica_elementi(file.tabella, &elementi, &errore) || !decodifica_celle(file.celle, &celle, &errore)) {
    return std::nullopt;
  }
  const bool con_tracciato = file.tracciato && decodifica_tracciato(*file.tracciato, &tracciato, &errore);
  return leggi_percorso(elementi, celle, con_tracciato ? &tracciato : nullptr);
}

// Where each station of `p` stands in the train description: its entry's
// line, found by a compile of the same texts that keeps a record of the
// entries (the entry with the station's position and a name); 0 for none.
std::vector<int> righe_stazioni(const RichiestaVerifica& r, const Percorso& p) {
  TestiDaCompilare testi;
  testi.linea = r.linea;
  testi.treno = r.treno;
  testi.nome_linea = r.nome_linea;
  testi.numero_treno = r.numero_treno;
  testi.tracciato = false;
  Traccia traccia;
  testi.traccia = &traccia;
  compila_testi(testi);
  std::vector<int> righe;
  for (const StazionePercorso& s : p.stazioni) {
    int riga = 0;
    for (const VoceLetta& v : traccia.voci) {
      if (v.file == r.treno.nome && !v.testo.empty() && !v.valori.empty() && v.valori[0] == s.posizione) {
        riga = v.chiave.riga;
      }
    }
    righe.push_back(riga);
  }
  return righe;
}

std::string assoluto(const std::string& percorso) {
  std::error_code e;
  const std::filesystem::path p = std::filesystem::absolute(percorso, e);
  return e ? percorso : p.lexically_normal().string();
}

}  // namespace

std::string VistaViva::pagina(uint64_t versione) {
  RichiestaVerifica r = richiesta;
  Diagnostiche letture;
  bool lette = true;
  for (TestoDescrizione* t : {&r.linea, &r.treno}) {
    std::string errore;
    if (leggi_descrizione(t->nome, &t->testo, &errore) != 0) {
      Diagnostica d;
      d.tipo = "unreadable";
      d.file = t->nome;
      d.messaggio = errore;
      letture.aggiungi(d);
      lette = false;
    }
  }
  std::string stato;
  std::string diagnostiche;
  std::string stazioni = "[]";  // the train description's line of each station of the route shown
  if (lette) {
    const EsitoVerifica v = verifica(r);
    diagnostiche = json_diagnostiche(v.diagnostiche);
    if (std::optional<Percorso> p = percorso_compilato(v.esatta)) {
      ultimo = std::move(p);
      stazioni = "[";
      for (int riga : righe_stazioni(r, *ultimo)) stazioni += (stazioni.size() > 1 ? "," : "") + std::to_string(riga);
      stazioni += "]";
    }
    else if (ultimo) stato = "The pair gives no route: the drawing is the last route that compiled.";
    if (stato.empty()) {
      stato = v.diagnostiche.errori() > 0 ? "Compiled with errors." : v.diagnostiche.avvisi() > 0 ? "Compiled with warnings." : "Compiled cleanly.";
    }
  } else {
    diagnostiche = json_diagnostiche(letture);
    stato = "A file cannot be read: the drawing is the last route that compiled.";
  }
  if (!ultimo) stato = "No route has compiled yet.";
  const std::string vivo = "{\"versione\": " + std::to_string(versione) + ", \"editor\": " + json_utf8(editor) +
                           ", \"percorsi\": {" + json_utf8(r.linea.nome) + ": " + json_utf8(assoluto(r.linea.nome)) +
                           ", " + json_utf8(r.treno.nome) + ": " + json_utf8(assoluto(r.treno.nome)) +
                           "}, \"treno\": " + json_utf8(r.treno.nome) + ", \"stazioni\": " + stazioni +
                           ", \"stato\": " + json_utf8("Version " + std::to_string(versione) + ". " + stato) +
                           ", " + diagnostiche + "}";
  Percorso vuoto;
  vuoto.linea = r.nome_linea;
  vuoto.treno = r.numero_treno;
  return pagina_vista(ultimo ? *ultimo : vuoto, vivo);
}

}  // namespace scenario::tool

#include "tool/vista_viva.h"

#include <filesystem>

#include "disegno/vista_html.h"
#include "model/decodifica_file.h"
#include "model/file_compilati.h"
#include "model/traccia.h"
#include "testi/testo.h"
#include "tool/lettura_descrizione.h"
#include "tool/sorgenti_vista.h"

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

std::string assoluto(const std::string& percorso) {
  std::error_code e;
  const std::filesystem::path p = std::filesystem::absolute(percorso, e);
  return e ? percorso : p.lexically_normal().string();
}

}  // namespace

std::string VistaViva::pagina(uint64_t versione) {
  RichiestaVerifica r = richiesta;
  // The checker's own compile keeps its record of the entries, from which
  // each object drawn finds where the author wrote it: one compile a save.
  r.con_traccia = true;
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
  Json diagnostiche = Json::object();
  Json luoghi = Json::object();  // where each object of the route shown stands in the pair
  if (lette) {
    const EsitoVerifica v = verifica(r);
    json_diagnostiche(v.diagnostiche, &diagnostiche);
    if (std::optional<Percorso> p = percorso_compilato(v.esatta)) {
      ultimo = std::move(p);
      if (v.traccia) luoghi = json_sorgenti(*v.traccia, *ultimo, r.linea.nome);
    }
    else if (ultimo) stato = "The pair gives no route: the drawing is the last route that compiled.";
    if (stato.empty()) {
      stato = v.diagnostiche.errori() > 0 ? "Compiled with errors." : v.diagnostiche.avvisi() > 0 ? "Compiled with warnings." : "Compiled cleanly.";
    }
  } else {
    json_diagnostiche(letture, &diagnostiche);
    stato = "A file cannot be read: the drawing is the last route that compiled.";
  }
  if (!ultimo) stato = "No route has compiled yet.";
  Json vivo = Json::object();
  vivo["versione"] = versione;
  vivo["editor"] = editor;
  vivo["percorsi"] = Json::object();
  vivo["percorsi"][utf8_percorso(r.linea.nome)] = assoluto(r.linea.nome);
  vivo["percorsi"][utf8_percorso(r.treno.nome)] = assoluto(r.treno.nome);
  vivo["file"] = Json::array({utf8_percorso(r.linea.nome), utf8_percorso(r.treno.nome)});
  vivo["sorgenti"] = std::move(luoghi);
  vivo["stato"] = "Version " + std::to_string(versione) + ". " + stato;
  vivo.update(diagnostiche);
  Percorso vuoto;
  vuoto.linea = r.nome_linea;
  vuoto.treno = r.numero_treno;
  return pagina_vista(ultimo ? *ultimo : vuoto, vivo);
}

}  // namespace scenario::tool

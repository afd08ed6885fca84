#include "lsp/server.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <exception>
#include <fstream>
#include <iostream>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>

#include "driver/compila_testi.h"
#include "lsp/celle_oggetti.h"
#include "lsp/completamento.h"
#include "lsp/coppia.h"
#include "lsp/messaggi.h"
#include "lsp/righe.h"
#include "lsp/significati.h"
#include "lsp/simboli.h"
#include "model/nomi_file.h"
#include "testi/citazione.h"
#include "verifica/tipi_diagnostica.h"
#include "verifica/verifica.h"

namespace scenario::lsp {
namespace {

using json = tool::Json;

// The protocol's error codes.
constexpr int kErroreLettura = -32700;
constexpr int kRichiestaNonValida = -32600;
constexpr int kMetodoIgnoto = -32601;
constexpr int kErroreInterno = -32603;

json posizione(size_t riga, size_t carattere) { return {{"line", riga}, {"character", carattere}}; }

json intervallo(size_t riga, size_t da, size_t a) { return {{"start", posizione(riga, da)}, {"end", posizione(riga, a)}}; }

// A diagnostic's place in the editor's units: its line from 0, and the field
// it marks from its column (a character of the text the check read) over its
// width; a diagnostic without a column marks the whole line.
json intervallo_di(const tool::Diagnostica& d, const Righe& righe) {
  if (d.riga <= 0) return intervallo(0, 0, 0);
  const auto n = static_cast<size_t>(d.riga - 1);
  const std::string_view r = righe.riga(n);
  if (d.colonna == 0) return intervallo(n, 0, unita_utf16(r, r.size()));
  const size_t da = byte_di_carattere(r, d.colonna - 1);
  const size_t a = byte_di_carattere(r, d.colonna - 1 + std::max<size_t>(d.larghezza, 1));
  return intervallo(n, unita_utf16(r, da), unita_utf16(r, a));
}

// A message or hint as the editor shows it: one that quotes a field of a
// megabyte (a paste gone wrong) is cut, at a character's start, after
// kTestoMassimo bytes.
constexpr size_t kTestoMassimo = 1000;
std::string accorcia(const std::string& testo) {
  if (testo.size() <= kTestoMassimo) return testo;
  size_t fine = kTestoMassimo;
  while (fine > 0 && (static_cast<unsigned char>(testo[fine]) & 0xC0) == 0x80) --fine;
  return testo.substr(0, fine) + "\xE2\x80\xA6";
}

int gravita_lsp(tool::Gravita g) {
  switch (g) {
    case tool::Gravita::kErrore:
      return 1;
    case tool::Gravita::kAvviso:
      return 2;
    case tool::Gravita::kNota:
      return 3;
  }
  return 1;
}

// Every "PATH:LINE" in `testo` whose PATH is one of the pair's, as a Location.
std::vector<json> luoghi_nominati(const std::string& testo, const std::vector<std::pair<std::string, std::string>>& file) {
  std::vector<json> out;
  for (const auto& [visibile, uri] : file) {
    const std::string cerca = visibile + ":";
    for (size_t da = testo.find(cerca); da != std::string::npos; da = testo.find(cerca, da + 1)) {
      size_t i = da + cerca.size();
      size_t riga = 0;
      const size_t inizio = i;
      while (i < testo.size() && testo[i] >= '0' && testo[i] <= '9' && i - inizio < 9) {
        riga = riga * 10 + static_cast<size_t>(testo[i++] - '0');
      }
      if (i == inizio || riga == 0) continue;
      out.push_back({{"uri", uri}, {"range", intervallo(riga - 1, 0, 0)}});
    }
  }
  return out;
}

bool dentro(const json& r, size_t riga) {
  return r["start"]["line"].get<size_t>() <= riga && riga <= r["end"]["line"].get<size_t>();
}


// A quick fix: one replacement in one document, for one diagnostic.
json correzione(const std::string& titolo, const json& diagnostica, const std::string& uri, const json& dove,
                const std::string& nuovo) {
  return {{"title", titolo},
          {"kind", "quickfix"},
          {"isPreferred", true},
          {"diagnostics", json::array({diagnostica})},
          {"edit", {{"changes", {{uri, json::array({{{"range", dove}, {"newText", nuovo}}})}}}}}};
}

// The did-you-mean replacement of a misspelt key: the hint names the key as
// it should be, "did you mean `velocita`?".
std::optional<json> sostituzione_chiave(const json& diagnostica, const std::string& suggerimento,
                                        const std::string& uri) {
  const size_t apre = suggerimento.find('`');
  const size_t chiude = apre == std::string::npos ? apre : suggerimento.find('`', apre + 1);
  if (chiude == std::string::npos) return std::nullopt;
  const std::string nuovo = suggerimento.substr(apre + 1, chiude - apre - 1);
  return correzione("Replace with `" + nuovo + "`", diagnostica, uri, diagnostica["range"], nuovo);
}

// The allowed position a hint gives, written over the entry's position
// field (its first value) as the document now holds it.
std::optional<json> posizione_consentita(const json& diagnostica, int64_t posizione, const std::string& uri,
                                         const std::string& testo) {
  const size_t riga = diagnostica["range"]["start"]["line"].get<size_t>();
  const std::string_view r = Righe(testo).riga(riga);
  const std::vector<CampoRiga> campi = campi_riga(r);
  if (campi.size() < 2) return std::nullopt;
  size_t fine = campi[1].fine;
  while (fine > campi[1].inizio && (r[fine - 1] == ' ' || r[fine - 1] == '\t')) --fine;
  const std::string nuovo = std::to_string(posizione);
  return correzione("Move to " + nuovo + " m", diagnostica, uri,
                    intervallo(riga, unita_utf16(r, campi[1].inizio), unita_utf16(r, fine)), nuovo);
}

}  // namespace

Server::Server(Invio invia, std::ostream& log) : invia_(std::move(invia)), log_(log) {}

void Server::illeggibile(const std::string& perche) {
  log_ << "scenario-tool lsp: unreadable message: " << perche << "\n";
  invia_({{"jsonrpc", "2.0"}, {"id", nullptr}, {"error", {{"code", kErroreLettura}, {"message", perche}}}});
}

void Server::gestisci(const json& m, Orologio::time_point adesso) {
  if (!m.is_object() || !m.contains("method") || !m["method"].is_string()) {
    if (m.is_object() && m.contains("id") && !m.contains("method")) return;  // an answer to us: none is asked
    invia_({{"jsonrpc", "2.0"},
            {"id", m.is_object() && m.contains("id") ? m["id"] : json()},
            {"error", {{"code", kRichiestaNonValida}, {"message", "not a request or a notification"}}}});
    return;
  }
  const std::string metodo = m["method"].get<std::string>();
  const json parametri = m.contains("params") ? m["params"] : json::object();
  if (!m.contains("id")) {
    try {
      notifica(metodo, parametri, adesso);
    } catch (const std::exception& e) {
      log_ << "scenario-tool lsp: " << metodo << ": " << e.what() << "\n";
    }
    return;
  }
  json risposta = {{"jsonrpc", "2.0"}, {"id", m["id"]}};
  try {
    if (spento_ && metodo != "shutdown") {
      risposta["error"] = {{"code", kRichiestaNonValida}, {"message", "the server is shut down"}};
    } else {
      risposta["result"] = richiesta(metodo, parametri);
    }
  } catch (const std::out_of_range&) {
    risposta["error"] = {{"code", kMetodoIgnoto}, {"message", "unknown method " + metodo}};
  } catch (const std::exception& e) {
    log_ << "scenario-tool lsp: " << metodo << ": " << e.what() << "\n";
    risposta["error"] = {{"code", kErroreInterno}, {"message", e.what()}};
  }
  invia_(risposta);
}

json Server::richiesta(const std::string& metodo, const json& p) {
  if (metodo == "initialize") {
    return {{"capabilities",
             {{"textDocumentSync", {{"openClose", true}, {"change", 1}, {"save", {{"includeText", false}}}}},
              {"hoverProvider", true},
              {"completionProvider", {{"triggerCharacters", json::array({"["})}}},
              {"documentSymbolProvider", true},
              {"definitionProvider", true},
              {"referencesProvider", true},
              {"codeActionProvider", {{"codeActionKinds", json::array({"quickfix"})}}}}},
            {"serverInfo", {{"name", "scenario-tool"}, {"version", SCENARIO_VERSION}}}};
  }
  if (metodo == "shutdown") {
    spento_ = true;
    return nullptr;
  }
  if (metodo == "textDocument/hover") return hover(p);
  if (metodo == "textDocument/completion") return completamento(p);
  if (metodo == "textDocument/documentSymbol") return simboli_documento(p);
  if (metodo == "textDocument/definition") return definizione(p);
  if (metodo == "textDocument/references") return riferimenti(p);
  if (metodo == "textDocument/codeAction") return azioni(p);
  throw std::out_of_range(metodo);
}

void Server::notifica(const std::string& metodo, const json& p, Orologio::time_point adesso) {
  if (metodo == "exit") {
    uscito_ = true;
  } else if (metodo == "textDocument/didOpen") {
    apri(p.at("textDocument"), adesso);
  } else if (metodo == "textDocument/didChange") {
    const std::string uri = p.at("textDocument").at("uri").get<std::string>();
    const auto it = aperti_.find(uri);
    if (it == aperti_.end()) return;
    // Full synchronisation: the last change holds the whole text.
    const json& cambi = p.at("contentChanges");
    if (!cambi.is_array() || cambi.empty()) return;
    it->second.testo = cambi.back().at("text").get<std::string>();
    in_attesa_[uri] = adesso + kAttesa;
  } else if (metodo == "textDocument/didSave") {
    const std::string uri = p.at("textDocument").at("uri").get<std::string>();
    if (aperti_.count(uri) != 0) in_attesa_[uri] = adesso;
  } else if (metodo == "textDocument/didClose") {
    const std::string uri = p.at("textDocument").at("uri").get<std::string>();
    aperti_.erase(uri);
    in_attesa_.erase(uri);
    pubblica(uri, {});
  }
}

void Server::apri(const json& d, Orologio::time_point adesso) {
  const std::string uri = d.at("uri").get<std::string>();
  Documento doc;
  doc.percorso = percorso_da_uri(uri);
  if (doc.percorso.empty()) doc.percorso = uri;
  doc.testo = d.at("text").get<std::string>();
  const std::string lingua = d.value("languageId", "");
  if (const std::optional<Descrizione> dal_nome = descrizione_da_nome(doc.percorso)) {
    doc.descrizione = *dal_nome;
  } else if (lingua == "scenario-train") {
    doc.descrizione = Descrizione::kTreno;
  }
  aperti_[uri] = std::move(doc);
  in_attesa_[uri] = adesso;
}

std::optional<Orologio::time_point> Server::prossimo_controllo() const {
  std::optional<Orologio::time_point> primo;
  for (const auto& [uri, quando] : in_attesa_) {
    if (!primo || quando < *primo) primo = quando;
  }
  return primo;
}

void Server::controlla(Orologio::time_point adesso) {
  while (true) {
    const auto it = std::find_if(in_attesa_.begin(), in_attesa_.end(), [&](const auto& a) { return a.second <= adesso; });
    if (it == in_attesa_.end()) return;
    const std::string uri = it->first;
    in_attesa_.erase(it);
    try {
      controlla_coppia(uri);
    } catch (const std::exception& e) {
      log_ << "scenario-tool lsp: checking " << uri << ": " << e.what() << "\n";
    }
  }
}

std::string Server::testo_di(const std::string& percorso, bool* esiste) const {
  for (const auto& [uri, d] : aperti_) {
    if (d.percorso == percorso) {
      *esiste = true;
      return d.testo;
    }
  }
  *esiste = false;
  if (percorso.empty()) return "";
  std::ifstream f(percorso, std::ios::binary);
  if (!f) return "";
  *esiste = true;
  std::string testo;
  char blocco[65536];
  while (f.read(blocco, sizeof blocco) || f.gcount() > 0) {
    testo.append(blocco, static_cast<size_t>(f.gcount()));
    if (testo.size() > kDescrizioneMassima) return "";
  }
  return testo;
}

std::string Server::uri_di(const std::string& percorso) const {
  for (const auto& [uri, d] : aperti_) {
    if (d.percorso == percorso) return uri;
  }
  return uri_da_percorso(percorso);
}

void Server::controlla_coppia(const std::string& uri) {
  const auto it = aperti_.find(uri);
  if (it == aperti_.end()) return;
  const Documento& doc = it->second;
  std::vector<std::string> percorsi_aperti;
  for (const auto& [u, d] : aperti_) percorsi_aperti.push_back(d.percorso);
  const std::string altro = compagno(doc.percorso, percorsi_aperti);
  bool altro_esiste = false;
  const std::string testo_altro = testo_di(altro, &altro_esiste);
  const std::string uri_altro = altro_esiste ? uri_di(altro) : "";
  in_attesa_.erase(uri_altro);  // this check covers it too

  const bool linea = doc.descrizione == Descrizione::kLinea;
  if (doc.testo.size() > kDescrizioneMassima || testo_altro.size() > kDescrizioneMassima) {
    Inviata troppo{{{"range", intervallo(0, 0, 0)},
                    {"severity", 1},
                    {"source", "scenario-tool"},
                    {"message", "the description is larger than 64 MiB: not checked"}},
                   "", "", {}, std::nullopt};
    pubblica(uri, {troppo});
    return;
  }
  tool::RichiestaVerifica r;
  r.linea = {linea ? doc.percorso : altro, linea ? doc.testo : testo_altro};
  r.treno = {linea ? altro : doc.percorso, linea ? testo_altro : doc.testo};
  if (const std::optional<IdentitaScenario> id = identita_da_descrizioni(r.linea.nome, r.treno.nome)) {
    r.nome_linea = id->nome_linea;
    r.numero_treno = id->numero_treno;
  }
  r.recupera = true;
  const tool::EsitoVerifica esito = tool::verifica(r);

  // Diagnostics of no file go to the document checked, at its start.
  const Righe righe_doc(doc.testo);
  const Righe righe_altro(testo_altro);
  const std::vector<std::pair<std::string, std::string>> file = {
      {tool::percorso_visibile(doc.percorso), uri}, {tool::percorso_visibile(altro), uri_altro}};
  std::vector<Inviata> di_doc, di_altro;
  for (const tool::Diagnostica& d : esito.diagnostiche.tenute()) {
    const bool nell_altro = !altro.empty() && d.file == altro;
    if (nell_altro && uri_altro.empty()) continue;
    const Righe& righe = nell_altro ? righe_altro : righe_doc;
    const bool senza_luogo = d.file.empty() || (!nell_altro && d.file != doc.percorso);
    Inviata i;
    i.diagnostica = {{"range", senza_luogo ? intervallo(0, 0, 0) : intervallo_di(d, righe)},
                     {"severity", gravita_lsp(d.gravita)},
                     {"code", d.tipo},
                     {"source", "scenario-tool"},
                     {"message", accorcia(d.messaggio)}};
    if (!d.suggerimento.empty()) {
      i.diagnostica["relatedInformation"] = json::array(
          {{{"location", {{"uri", nell_altro ? uri_altro : uri}, {"range", i.diagnostica["range"]}}},
            {"message", "hint: " + accorcia(d.suggerimento)}}});
    }
    i.tipo = d.tipo;
    i.suggerimento = d.suggerimento;
    i.posizione_consentita = senza_luogo ? std::nullopt : d.posizione_consentita;
    i.luoghi = luoghi_nominati(d.messaggio + "\n" + d.suggerimento, file);
    (nell_altro ? di_altro : di_doc).push_back(std::move(i));
  }
  pubblica(uri, std::move(di_doc));
  if (!uri_altro.empty()) pubblica(uri_altro, std::move(di_altro));
}

void Server::pubblica(const std::string& uri, std::vector<Inviata> diagnostiche) {
  json elenco = json::array();
  for (const Inviata& i : diagnostiche) elenco.push_back(i.diagnostica);
  invia_({{"jsonrpc", "2.0"},
          {"method", "textDocument/publishDiagnostics"},
          {"params", {{"uri", uri}, {"diagnostics", std::move(elenco)}}}});
  if (diagnostiche.empty()) {
    inviate_.erase(uri);
  } else {
    inviate_[uri] = std::move(diagnostiche);
  }
}

const Server::Documento* Server::documento(const json& p) const {
  const auto it = aperti_.find(p.at("textDocument").at("uri").get<std::string>());
  return it == aperti_.end() ? nullptr : &it->second;
}

json Server::hover(const json& p) const {
  const Documento* d = documento(p);
  if (d == nullptr) return nullptr;
  const Righe righe(d->testo);
  const auto riga = p.at("position").at("line").get<size_t>();
  const std::string_view r = righe.riga(riga);
  const size_t byte = byte_di_unita(r, p.at("position").at("character").get<size_t>());
  std::vector<Progressiva> sistemi;
  if (d->descrizione == Descrizione::kLinea) {
    sistemi = progressive(righe);
  } else {
    std::vector<std::string> aperti;
    for (const auto& [u, doc] : aperti_) aperti.push_back(doc.percorso);
    bool esiste = false;
    const std::string linea = testo_di(compagno(d->percorso, aperti), &esiste);
    sistemi = progressive(Righe(linea));
  }
  std::string testo = spiega(righe, riga, byte, d->descrizione, sistemi);
  if (testo.empty()) return nullptr;
  // Over an object's position (its first value): what else stands in its cells.
  const std::vector<CampoRiga> campi = campi_riga(r);
  if (campi.size() > 1 && byte >= campi[1].inizio && byte <= campi[1].fine) {
    Vicini v;
    vicini(*d, p.at("textDocument").at("uri").get<std::string>(), riga, false, &v);
    if (v.e_oggetto) {
      testo += v.oggetti.empty() ? "\n\nNothing else stands in its cells." : "\n\nIn its cells too:";
      for (const Vicino& o : v.oggetti) {
        const size_t barra = o.percorso.find_last_of("/\\");
        const std::string nome = barra == std::string::npos ? o.percorso : o.percorso.substr(barra + 1);
        testo += "\n- `" + nome + ":" + std::to_string(o.riga + 1) + "` " + std::string(o.testo);
      }
    }
  }
  return {{"contents", {{"kind", "markdown"}, {"value", testo}}}};
}

json Server::completamento(const json& p) const {
  const Documento* d = documento(p);
  if (d == nullptr) return json::array();
  const Righe righe(d->testo);
  const auto riga = p.at("position").at("line").get<size_t>();
  const size_t byte = byte_di_unita(righe.riga(riga), p.at("position").at("character").get<size_t>());
  return completamenti(righe, riga, byte, d->descrizione);
}

json Server::simboli_documento(const json& p) const {
  const Documento* d = documento(p);
  if (d == nullptr) return json::array();
  return simboli(Righe(d->testo), d->descrizione);
}

json Server::definizione(const json& p) const {
  const auto it = inviate_.find(p.at("textDocument").at("uri").get<std::string>());
  if (it == inviate_.end()) return nullptr;
  const auto riga = p.at("position").at("line").get<size_t>();
  json luoghi = json::array();
  for (const Inviata& i : it->second) {
    if (!dentro(i.diagnostica["range"], riga)) continue;
    for (const json& l : i.luoghi) luoghi.push_back(l);
  }
  if (luoghi.empty()) return nullptr;
  return luoghi;
}

void Server::vicini(const Documento& d, const std::string& uri, size_t riga, bool anche_questo, Vicini* out) const {
  std::vector<std::string> aperti;
  for (const auto& [u, doc] : aperti_) aperti.push_back(doc.percorso);
  const std::string altro = compagno(d.percorso, aperti);
  bool esiste = false;
  out->testo_altro = testo_di(altro, &esiste);
  const Descrizione descrizione_altro = d.descrizione == Descrizione::kLinea ? Descrizione::kTreno : Descrizione::kLinea;
  const Righe righe(d.testo), righe_altro(out->testo_altro);
  const std::vector<OggettoInCelle> qui = oggetti_in_celle(righe, d.descrizione);
  const auto scelto = std::find_if(qui.begin(), qui.end(), [&](const OggettoInCelle& o) { return o.riga == riga; });
  out->e_oggetto = scelto != qui.end();
  if (!out->e_oggetto) return;
  const auto aggiungi = [&](const std::vector<OggettoInCelle>& oggetti, const Righe& r, const std::string& u,
                            const std::string& percorso) {
    for (const OggettoInCelle& o : oggetti) {
      if (o.a < scelto->da || o.da > scelto->a) continue;
      if (&r == &righe && o.riga == riga && !anche_questo) continue;
      out->oggetti.push_back({u, percorso, o.riga, r.riga(o.riga)});
    }
  };
  aggiungi(qui, righe, uri, d.percorso);
  if (esiste) aggiungi(oggetti_in_celle(righe_altro, descrizione_altro), righe_altro, uri_di(altro), altro);
}

json Server::riferimenti(const json& p) const {
  const Documento* d = documento(p);
  if (d == nullptr) return nullptr;
  const auto riga = p.at("position").at("line").get<size_t>();
  const bool anche_questo = p.contains("context") && p["context"].value("includeDeclaration", false);
  Vicini v;
  vicini(*d, p.at("textDocument").at("uri").get<std::string>(), riga, anche_questo, &v);
  if (!v.e_oggetto) return nullptr;
  json luoghi = json::array();
  for (const Vicino& o : v.oggetti) {
    luoghi.push_back({{"uri", o.uri}, {"range", intervallo(o.riga, 0, unita_utf16(o.testo, o.testo.size()))}});
  }
  return luoghi;
}

json Server::azioni(const json& p) const {
  json out = json::array();
  const std::string uri = p.at("textDocument").at("uri").get<std::string>();
  const auto it = inviate_.find(uri);
  if (it == inviate_.end()) return out;
  const json& richiesto = p.at("range");
  const auto da = richiesto.at("start").at("line").get<size_t>();
  const auto a = richiesto.at("end").at("line").get<size_t>();
  const auto aperto = aperti_.find(uri);
  for (const Inviata& i : it->second) {
    const json& r = i.diagnostica["range"];
    if (r["end"]["line"].get<size_t>() < da || r["start"]["line"].get<size_t>() > a) continue;
    std::optional<json> azione;
    if (i.tipo == tool::tipo::kChiaveSconosciuta.nome) azione = sostituzione_chiave(i.diagnostica, i.suggerimento, uri);
    if (i.posizione_consentita && aperto != aperti_.end()) {
      azione = posizione_consentita(i.diagnostica, *i.posizione_consentita, uri, aperto->second.testo);
    }
    if (azione) out.push_back(std::move(*azione));
  }
  return out;
}

namespace {

// The messages read from the input, handed from the reading thread to the
// server's; an empty optional marks the end of the input.
struct Coda {
  std::mutex mutex;
  std::condition_variable arrivato;
  std::deque<std::optional<std::string>> messaggi;
};

void leggi_tutto(std::istream& in, const std::shared_ptr<Coda>& coda) {
  while (true) {
    std::string corpo;
    const Lettura l = leggi_messaggio(in, &corpo);
    if (l == Lettura::kScartato) corpo = "\x01 message larger than 256 MiB";
    {
      const std::lock_guard<std::mutex> chiuso(coda->mutex);
      coda->messaggi.push_back(l == Lettura::kFine ? std::nullopt : std::optional<std::string>(std::move(corpo)));
    }
    coda->arrivato.notify_one();
    if (l == Lettura::kFine) return;
  }
}

// The server's side: messages handled in order, checks run when the input
// pauses past their time. Returns the exit status.
int servi(Server& server, Coda& coda) {
  while (!server.uscito()) {
    std::unique_lock<std::mutex> chiuso(coda.mutex);
    const std::optional<Orologio::time_point> prossimo = server.prossimo_controllo();
    const auto ce_ne = [&] { return !coda.messaggi.empty(); };
    if (prossimo) {
      coda.arrivato.wait_until(chiuso, *prossimo, ce_ne);
    } else {
      coda.arrivato.wait(chiuso, ce_ne);
    }
    if (coda.messaggi.empty()) {
      chiuso.unlock();
      server.controlla(Orologio::now());
      continue;
    }
    std::optional<std::string> corpo = std::move(coda.messaggi.front());
    coda.messaggi.pop_front();
    chiuso.unlock();
    if (!corpo) return 1;  // the input ended without "exit"
    if (!corpo->empty() && (*corpo)[0] == '\x01') {
      server.illeggibile(corpo->substr(2));
      continue;
    }
    json messaggio;
    try {
      messaggio = json::parse(*corpo);
    } catch (const json::exception& e) {
      server.illeggibile(e.what());
      continue;
    }
    server.gestisci(messaggio, Orologio::now());
  }
  return server.stato_uscita();
}

}  // namespace

int esegui_server(std::istream& in, std::ostream& out, std::ostream& log) {
  Server server([&out](const json& m) { scrivi_messaggio(out, tool::scrivi_json(m)); }, log);
  auto coda = std::make_shared<Coda>();
  std::thread lettore([&in, coda] { leggi_tutto(in, coda); });
  const int stato = servi(server, *coda);
  // The reading thread may still wait on standard input when the server
  // ends ("exit" came): it is left behind, and the program's end stops it.
  // Any other stream is the caller's, which must outlive the reading: that
  // thread is waited for (it ends at the stream's end).
  if (&in == &std::cin) {
    lettore.detach();
  } else {
    lettore.join();
  }
  return stato;
}

}  // namespace scenario::lsp

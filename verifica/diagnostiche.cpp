#include "verifica/diagnostiche.h"

#include <cstdio>

#include "platform/traduzione.h"
#include "testi/citazione.h"
#include "testi/testo.h"

namespace scenario::tool {
namespace {

std::string luogo(const Diagnostica& d) {
  if (d.file.empty()) return "";
  std::string testo = percorso_visibile(d.file);
  if (d.riga > 0) {
    testo += ":" + std::to_string(d.riga);
    if (d.colonna > 0) testo += ":" + std::to_string(d.colonna);
  }
  return testo + ": ";
}

// A number, or null where the diagnostic has none.
Json json_numero(bool presente, long long valore) { return presente ? Json(valore) : Json(nullptr); }

Json json_diagnostica(const Diagnostica& d) {
  Json j = Json::object();
  j["severity"] = nome_gravita(d.gravita);
  j["kind"] = utf8(d.tipo);
  j["code"] = json_numero(d.codice.has_value(), d.codice.value_or(0));
  j["position"] = json_numero(d.posizione.has_value(), d.posizione.value_or(0));
  j["message"] = d.messaggio;
  j["file"] = utf8(d.file);
  j["line"] = json_numero(d.riga > 0, d.riga);
  j["column"] = json_numero(d.colonna > 0, static_cast<long long>(d.colonna));
  j["hint"] = d.suggerimento.empty() ? Json(nullptr) : Json(d.suggerimento);
  return j;
}

// The severity as the terminal shows it, in the user's language.
std::string parola_gravita(Gravita g) {
  switch (g) {
    case Gravita::kErrore:
      return traduci("error");
    case Gravita::kAvviso:
      return traduci("warning");
    case Gravita::kNota:
      return traduci("note");
  }
  return traduci("error");
}

}  // namespace

const char* nome_gravita(Gravita g) {
  switch (g) {
    case Gravita::kErrore:
      return "error";
    case Gravita::kAvviso:
      return "warning";
    case Gravita::kNota:
      return "note";
  }
  return "error";
}

bool Diagnostiche::da_tenere(const std::string& file, const std::string& tipo) const {
  const auto it = indice_.find({file, tipo});
  return it == indice_.end() || tipi_[it->second].quante < kMassimoPerTipo;
}

void Diagnostiche::aggiungi(Diagnostica d) {
  if (severo_ && d.gravita == Gravita::kAvviso) d.gravita = Gravita::kErrore;
  Tipo& tipo = conta_uno(d.file, d.tipo, d.gravita, 1);
  if (tipo.quante <= kMassimoPerTipo) tenute_.push_back(std::move(d));
}

void Diagnostiche::conta(const std::string& file, const std::string& tipo, Gravita gravita, size_t quante) {
  if (severo_ && gravita == Gravita::kAvviso) gravita = Gravita::kErrore;
  conta_uno(file, tipo, gravita, quante);
}

Diagnostiche::Tipo& Diagnostiche::conta_uno(const std::string& file, const std::string& tipo, Gravita gravita,
                                            size_t quante) {
  (gravita == Gravita::kErrore ? errori_ : gravita == Gravita::kAvviso ? avvisi_ : note_) += quante;
  auto [it, nuovo] = indice_.try_emplace({file, tipo}, tipi_.size());
  if (nuovo) tipi_.push_back(Tipo{file, tipo, gravita, 0});
  Tipo& t = tipi_[it->second];
  t.quante += quante;
  return t;
}

std::vector<Diagnostiche::Tipo> Diagnostiche::tipi() const { return tipi_; }

void stampa_diagnostiche(const Diagnostiche& d, std::ostream& out) {
  for (const Diagnostica& x : d.tenute()) {
    out << luogo(x) << parola_gravita(x.gravita) << ": " << x.messaggio << "\n";
    if (!x.citazione.empty()) out << cita_riga(x.citazione, x.colonna, x.larghezza);
    if (!x.suggerimento.empty()) out << componi(traduci(" hint: %1"), {x.suggerimento}) << "\n";
  }
  for (const Diagnostiche::Tipo& t : d.tipi()) {
    if (t.quante <= Diagnostiche::kMassimoPerTipo) continue;
    if (!t.file.empty()) out << percorso_visibile(t.file) << ": ";
    out << componi(traduci("\xE2\x80\xA6 and %1 more of kind %2"),
                   {std::to_string(t.quante - Diagnostiche::kMassimoPerTipo), t.tipo})
        << "\n";
  }
}

void json_diagnostiche(const Diagnostiche& d, Json* oggetto) {
  Json& o = *oggetto;
  o["faults"] = Json::array();
  o["warnings"] = Json::array();
  for (const Diagnostica& x : d.tenute()) o[x.gravita == Gravita::kErrore ? "faults" : "warnings"].push_back(json_diagnostica(x));
  o["kinds"] = Json::array();
  for (const Diagnostiche::Tipo& t : d.tipi()) {
    Json k = Json::object();
    k["kind"] = utf8(t.tipo);
    k["file"] = utf8(t.file);
    k["severity"] = nome_gravita(t.gravita);
    k["count"] = t.quante;
    o["kinds"].push_back(std::move(k));
  }
}

}  // namespace scenario::tool

#include "verifica/diagnostiche.h"

#include <cstdio>
#include <sstream>

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

std::string json_numero(bool presente, long long valore) { return presente ? std::to_string(valore) : "null"; }

void json_diagnostica(const Diagnostica& d, std::ostream& j) {
  j << "{\"severity\": \"" << nome_gravita(d.gravita) << "\", \"kind\": " << json_stringa(d.tipo)
    << ", \"code\": " << json_numero(d.codice.has_value(), d.codice.value_or(0))
    << ", \"position\": " << json_numero(d.posizione.has_value(), d.posizione.value_or(0))
    << ", \"message\": " << json_utf8(d.messaggio) << ", \"file\": " << json_utf8(d.file)
    << ", \"line\": " << json_numero(d.riga > 0, d.riga)
    << ", \"column\": " << json_numero(d.colonna > 0, static_cast<long long>(d.colonna))
    << ", \"hint\": " << (d.suggerimento.empty() ? "null" : json_utf8(d.suggerimento)) << "}";
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

std::string json_diagnostiche(const Diagnostiche& d) {
  std::ostringstream j;
  auto elenco = [&](const char* nome, bool errori) {
    j << "\"" << nome << "\": [";
    bool primo = true;
    for (const Diagnostica& x : d.tenute()) {
      if ((x.gravita == Gravita::kErrore) != errori) continue;
      j << (primo ? "" : ", ");
      json_diagnostica(x, j);
      primo = false;
    }
    j << "]";
  };
  elenco("faults", true);
  j << ", ";
  elenco("warnings", false);
  j << ", \"kinds\": [";
  const std::vector<Diagnostiche::Tipo> tipi = d.tipi();
  for (size_t i = 0; i < tipi.size(); ++i) {
    j << (i ? ", " : "") << "{\"kind\": " << json_stringa(tipi[i].tipo) << ", \"file\": " << json_utf8(tipi[i].file)
      << ", \"severity\": \"" << nome_gravita(tipi[i].gravita) << "\", \"count\": " << tipi[i].quante << "}";
  }
  j << "]";
  return j.str();
}

}  // namespace scenario::tool

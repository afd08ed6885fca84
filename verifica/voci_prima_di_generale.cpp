#include "verifica/voci_prima_di_generale.h"

#include <cctype>

#include "readers/lettore_campi.h"
#include "verifica/chiave_fuori_posto.h"
#include "verifica/scorri_righe.h"
#include "verifica/tipi_diagnostica.h"

namespace scenario::tool {
namespace {

constexpr std::string_view kBlank = " \t";

// The line holding "[generale]" first, from 1; 0 when none does.
int riga_generale(std::string_view testo) {
  ScorriRighe righe(testo);
  std::string_view riga;
  for (int n = 1; righe.prossima(&riga); ++n) {
    if (contiene_senza_maiuscole(riga, "[generale]")) return n;
  }
  return 0;
}

// A field of numbers alone: "-4", or "17   59" where blanks end a number.
bool solo_numeri(std::string_view campo) {
  bool cifra = false;
  for (size_t i = 0; i < campo.size(); ++i) {
    const char c = campo[i];
    if (std::isdigit(static_cast<unsigned char>(c)) != 0) {
      cifra = true;
    } else if (c == '-' && (i + 1 < campo.size() && std::isdigit(static_cast<unsigned char>(campo[i + 1])) != 0) &&
               (i == 0 || kBlank.find(campo[i - 1]) != std::string_view::npos)) {
      continue;
    } else if (kBlank.find(c) == std::string_view::npos) {
      return false;
    }
  }
  return cifra;
}

}  // namespace

std::vector<Diagnostica> voci_prima_di_generale(std::string_view testo, const std::string& file, bool di_linea) {
  std::vector<Diagnostica> voci;
  const int generale = riga_generale(testo);
  ScorriRighe righe(testo);
  std::string_view riga;
  for (int n = 1; n < generale && righe.prossima(&riga); ++n) {
    const size_t virgola = riga.find(',');
    if (virgola == std::string_view::npos) continue;
    const std::string_view valore = riga.substr(virgola + 1, riga.find(',', virgola + 1) - (virgola + 1));
    if (!solo_numeri(valore)) continue;
    const size_t primo = riga.find_first_not_of(kBlank);
    // No key before the comma, or a comment: a dash makes any field one.
    if (primo >= virgola || riga.substr(0, virgola).find('-') != std::string_view::npos) continue;
    const std::string_view campo = riga.substr(primo, riga.find_last_not_of(kBlank, virgola - 1) + 1 - primo);
    Diagnostica d = nuova_diagnostica(tipo::kPrimaDiGenerale);
    if (!spiega_prima_di_generale(campo, di_linea, &d)) continue;
    d.file = file;
    d.riga = n;
    d.colonna = primo + 1;
    d.larghezza = campo.size();
    voci.push_back(std::move(d));
  }
  return voci;
}

}  // namespace scenario::tool

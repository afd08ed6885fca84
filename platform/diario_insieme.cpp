#include "platform/diario_insieme.h"

#include <charconv>

#include "platform/file_system.h"
#include "platform/primitive_file.h"

namespace scenario {
namespace {

constexpr std::string_view kIntestazione = "scenario-set-journal 1\n";

void aggiungi_nome(std::string_view nome, std::string* out) {
  *out += std::to_string(nome.size());
  *out += ':';
  *out += nome;
}

bool leggi_numero(std::string_view* testo, char fine, size_t* numero) {
  const auto [resto, errore] = std::from_chars(testo->data(), testo->data() + testo->size(), *numero);
  if (errore != std::errc() || resto == testo->data() + testo->size() || *resto != fine) return false;
  testo->remove_prefix(static_cast<size_t>(resto - testo->data()) + 1);
  return true;
}

bool leggi_nome(std::string_view* testo, std::string* nome) {
  size_t lunghezza = 0;
  if (!leggi_numero(testo, ':', &lunghezza) || lunghezza > testo->size()) return false;
  *nome = std::string(testo->substr(0, lunghezza));
  testo->remove_prefix(lunghezza);
  return true;
}

std::function<void(int)>& seam_passo() {
  static std::function<void(int)> passo;
  return passo;
}

}  // namespace

std::string codifica_diario(const std::vector<VoceDiario>& voci) {
  std::string out(kIntestazione);
  out += std::to_string(voci.size());
  out += '\n';
  for (const VoceDiario& v : voci) {
    aggiungi_nome(v.bersaglio, &out);
    aggiungi_nome(v.nuovo, &out);
    aggiungi_nome(v.copia, &out);
    out += '\n';
  }
  return out;
}

bool decodifica_diario(std::string_view testo, std::vector<VoceDiario>* voci) {
  voci->clear();
  if (!testo.starts_with(kIntestazione)) return false;
  testo.remove_prefix(kIntestazione.size());
  size_t quante = 0;
  if (!leggi_numero(&testo, '\n', &quante) || quante > testo.size()) return false;
  for (size_t i = 0; i < quante; ++i) {
    VoceDiario v;
    if (!leggi_nome(&testo, &v.bersaglio) || !leggi_nome(&testo, &v.nuovo) || !leggi_nome(&testo, &v.copia) ||
        testo.empty() || testo.front() != '\n' || v.bersaglio.empty() || v.nuovo.empty()) {
      voci->clear();
      return false;
    }
    testo.remove_prefix(1);
    voci->push_back(std::move(v));
  }
  return testo.empty();
}

void completa_insieme_interrotto(const std::string& cartella) {
  const std::string diario = cartella + std::string(kNomeDiario);
  if (tipo_voce(diario) != TipoVoce::file) return;
  std::string testo;
  std::vector<VoceDiario> voci;
  if (!leggi_file(diario, &testo).ok()) return;
  if (decodifica_diario(testo, &voci)) {
    // Forward: every new file still under its temporary name put in place.
    bool avanti = true;
    for (const VoceDiario& v : voci) {
      const std::string nuovo = cartella + v.nuovo;
      if (tipo_voce(nuovo) == TipoVoce::file && !rinomina_sopra(nuovo, cartella + v.bersaglio)) avanti = false;
    }
    if (!avanti) {
      // Back: the earlier files over the new ones; a target that had none
      // loses its new file.
      for (const VoceDiario& v : voci) {
        const std::string bersaglio = cartella + v.bersaglio;
        if (!v.copia.empty() && tipo_voce(cartella + v.copia) == TipoVoce::file) {
          rinomina_sopra(cartella + v.copia, bersaglio);
        } else if (v.copia.empty()) {
          rimuovi_nome(bersaglio);
        }
        rimuovi_nome(cartella + v.nuovo);
      }
    }
    // The completed (or undone) set made durable before its record goes.
    sincronizza_cartella_di(diario);
    for (const VoceDiario& v : voci) {
      if (!v.copia.empty()) rimuovi_nome(cartella + v.copia);
    }
  }
  rimuovi_nome(diario);
}

void imposta_passo_insieme(std::function<void(int passo)> passo) { seam_passo() = std::move(passo); }

void passo_insieme(int passo) {
  if (seam_passo()) seam_passo()(passo);
}

}  // namespace scenario

#include "servizio/richiesta_vivo.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace scenario::servizio {
namespace {

bool uguali_senza_maiuscole(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// The names a browser on this machine gives the server: its address or
// "localhost", always with the port (the port is never 80).
bool host_ammesso(std::string_view host, uint16_t porta) {
  const std::string numero = ":" + std::to_string(porta);
  if (host.size() <= numero.size() || host.substr(host.size() - numero.size()) != numero) return false;
  const std::string_view nome = host.substr(0, host.size() - numero.size());
  return nome == "127.0.0.1" || uguali_senza_maiuscole(nome, "localhost");
}

}  // namespace

Risorsa instrada(std::string_view metodo, std::string_view bersaglio, std::string_view host, uint16_t porta) {
  if (!host_ammesso(host, porta)) return Risorsa::kHostEstraneo;
  if (metodo != "GET") return Risorsa::kMetodo;
  // A query is the page's own business (none is used); the path alone names the resource.
  const std::string_view percorso = bersaglio.substr(0, bersaglio.find('?'));
  if (percorso == "/") return Risorsa::kPagina;
  if (percorso == "/eventi") return Risorsa::kEventi;
  return Risorsa::kNonTrovata;
}

int stato_http(Risorsa r) {
  switch (r) {
    case Risorsa::kPagina:
    case Risorsa::kEventi:
      return 200;
    case Risorsa::kHostEstraneo:
      return 403;
    case Risorsa::kMetodo:
      return 405;
    case Risorsa::kNonTrovata:
      return 404;
  }
  return 404;
}

}  // namespace scenario::servizio

#include "lsp/coppia.h"

#include <algorithm>
#include <cctype>
#include <system_error>
#include <vector>

#include "lsp/coppie_dichiarate.h"
#include "platform/cartelle.h"

namespace scenario::lsp {
namespace {

constexpr std::string_view kFineLinea = "_linea.txt";
constexpr std::string_view kFineTreno = "-.txt";

bool finisce(std::string_view s, std::string_view fine) {
  return s.size() >= fine.size() && s.substr(s.size() - fine.size()) == fine;
}

std::string nome_file(const std::string& percorso) {
  const size_t barra = percorso.find_last_of('/');
  return barra == std::string::npos ? percorso : percorso.substr(barra + 1);
}

std::string cartella(const std::string& percorso) {
  const size_t barra = percorso.find_last_of('/');
  return barra == std::string::npos ? "" : percorso.substr(0, barra + 1);
}

// NAME of NAME_NUM-.txt, when the name has that shape (NUM holds no "_").
std::optional<std::string> linea_del_treno(const std::string& nome) {
  if (!finisce(nome, kFineTreno) || finisce(nome, kFineLinea)) return std::nullopt;
  const std::string senza = nome.substr(0, nome.size() - kFineTreno.size());
  const size_t trattino = senza.find_last_of('_');
  if (trattino == std::string::npos || trattino == 0 || trattino + 1 == senza.size()) return std::nullopt;
  return senza.substr(0, trattino);
}

int cifra_esadecimale(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::optional<Descrizione> descrizione_da_nome(const std::string& percorso) {
  if (const std::optional<CoppiaDichiarata> c = coppia_dichiarata(percorso)) return c->descrizione;
  const std::string nome = nome_file(percorso);
  if (finisce(nome, kFineLinea) && nome.size() > kFineLinea.size()) return Descrizione::kLinea;
  if (linea_del_treno(nome)) return Descrizione::kTreno;
  return std::nullopt;
}

std::string compagno(const std::string& percorso, const std::vector<std::string>& aperti) {
  if (const std::optional<CoppiaDichiarata> c = coppia_dichiarata(percorso)) return c->compagno;
  const std::string nome = nome_file(percorso);
  const std::string dir = cartella(percorso);
  if (const std::optional<std::string> linea = linea_del_treno(nome)) return dir + *linea + std::string(kFineLinea);
  if (!finisce(nome, kFineLinea)) return "";
  const std::string linea = nome.substr(0, nome.size() - kFineLinea.size());
  const auto treno_di_linea = [&](const std::string& p) {
    return cartella(p) == dir && linea_del_treno(nome_file(p)) == linea;
  };
  std::vector<std::string> trovati;
  for (const std::string& p : aperti) {
    if (treno_di_linea(p)) trovati.push_back(p);
  }
  if (trovati.empty() && !dir.empty()) {
    std::vector<std::string> nomi;
    if (file_in_cartella(dir, &nomi).ok()) {
      for (const std::string& n : nomi) {
        if (treno_di_linea(dir + n)) trovati.push_back(dir + n);
      }
    }
  }
  if (trovati.empty()) return "";
  return *std::min_element(trovati.begin(), trovati.end());
}

std::string percorso_da_uri(const std::string& uri) {
  constexpr std::string_view kSchema = "file://";
  if (uri.compare(0, kSchema.size(), kSchema) != 0) return "";
  std::string out;
  for (size_t i = kSchema.size(); i < uri.size(); ++i) {
    const int alto = i + 2 < uri.size() ? cifra_esadecimale(uri[i + 1]) : -1;
    const int basso = i + 2 < uri.size() ? cifra_esadecimale(uri[i + 2]) : -1;
    if (uri[i] == '%' && alto >= 0 && basso >= 0) {
      out += static_cast<char>(alto * 16 + basso);
      i += 2;
    } else {
      out += uri[i];
    }
  }
  return out;
}

std::string uri_da_percorso(const std::string& percorso) {
  static constexpr char kCifre[] = "0123456789ABCDEF";
  std::string out = "file://";
  for (const char c : percorso) {
    const auto b = static_cast<unsigned char>(c);
    if (std::isalnum(b) != 0 || c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
      out += c;
    } else {
      out += '%';
      out += kCifre[b >> 4];
      out += kCifre[b & 0xF];
    }
  }
  return out;
}

}  // namespace scenario::lsp

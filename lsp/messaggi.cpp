#include "lsp/messaggi.h"

#include <cctype>
#include <charconv>

namespace scenario::lsp {
namespace {

// A header line without its CR LF; false at the end of the stream or on a
// line longer than any header.
bool leggi_intestazione(std::istream& in, std::string* riga) {
  constexpr size_t kRigaMassima = 8192;
  riga->clear();
  for (int c; (c = in.get()) != std::char_traits<char>::eof();) {
    if (c == '\n') {
      if (!riga->empty() && riga->back() == '\r') riga->pop_back();
      return true;
    }
    if (riga->size() >= kRigaMassima) return false;
    riga->push_back(static_cast<char>(c));
  }
  return false;
}

bool inizia_senza_maiuscole(std::string_view riga, std::string_view prefisso) {
  if (riga.size() < prefisso.size()) return false;
  for (size_t i = 0; i < prefisso.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(riga[i])) != prefisso[i]) return false;
  }
  return true;
}

}  // namespace

Lettura leggi_messaggio(std::istream& in, std::string* corpo) {
  constexpr std::string_view kLunghezza = "content-length:";
  std::string riga;
  size_t lunghezza = 0;
  bool ha_lunghezza = false;
  while (true) {
    if (!leggi_intestazione(in, &riga)) return Lettura::kFine;
    if (riga.empty()) {
      if (ha_lunghezza) break;
      continue;  // blank lines between messages
    }
    if (inizia_senza_maiuscole(riga, kLunghezza)) {
      size_t i = kLunghezza.size();
      while (i < riga.size() && riga[i] == ' ') ++i;
      const auto [fine, errore] = std::from_chars(riga.data() + i, riga.data() + riga.size(), lunghezza);
      if (errore != std::errc() || fine != riga.data() + riga.size()) return Lettura::kFine;
      ha_lunghezza = true;
    }
  }
  if (lunghezza > kMessaggioMassimo) {
    in.ignore(static_cast<std::streamsize>(lunghezza));
    return static_cast<size_t>(in.gcount()) == lunghezza ? Lettura::kScartato : Lettura::kFine;
  }
  corpo->resize(lunghezza);
  in.read(corpo->data(), static_cast<std::streamsize>(lunghezza));
  return static_cast<size_t>(in.gcount()) == lunghezza ? Lettura::kMessaggio : Lettura::kFine;
}

void scrivi_messaggio(std::ostream& out, const std::string& corpo) {
  out << "Content-Length: " << corpo.size() << "\r\n\r\n" << corpo;
  out.flush();
}

}  // namespace scenario::lsp

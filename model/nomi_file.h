// Every file name the program touches, built from the scenario identity.
// Names are case-sensitive: they are built exactly as written here.
#pragma once

#include <string>

namespace scenario {

// Joins a folder and a name with "/". A folder that already ends in "/" gives
// a doubled separator, which the file system accepts.
std::string unisci_percorso(const std::string& cartella, const std::string& nome);

class NomiFile {
 public:
  NomiFile(std::string cartella, std::string nome_linea, std::string numero_treno);

  // Names alone, without the folder.
  std::string nome_descrizione_linea() const { return linea_ + "_linea.txt"; }
  std::string nome_descrizione_treno() const { return linea_ + "_" + treno_ + "-.txt"; }
  std::string nome_note() const { return documento("note.txt"); }
  std::string nome_rallentamenti() const { return documento("rallentamenti.txt"); }
  std::string nome_scheda() const { return documento("scheda_treno.txt"); }
  std::string nome_tracciato() const { return linea_ + "_linea.dat"; }
  std::string nome_tabella() const { return linea_ + "_" + treno_ + ".sim"; }
  std::string nome_celle() const { return linea_ + "_" + treno_ + ".dat"; }

  // Full paths in the folder.
  std::string descrizione_linea() const { return in_cartella(nome_descrizione_linea()); }
  std::string descrizione_treno() const { return in_cartella(nome_descrizione_treno()); }
  std::string note() const { return in_cartella(nome_note()); }
  std::string rallentamenti() const { return in_cartella(nome_rallentamenti()); }
  std::string scheda() const { return in_cartella(nome_scheda()); }
  std::string tracciato() const { return in_cartella(nome_tracciato()); }
  std::string tabella() const { return in_cartella(nome_tabella()); }
  std::string celle() const { return in_cartella(nome_celle()); }

 private:
  std::string documento(const char* nome) const { return linea_ + "_" + treno_ + "_" + nome; }
  std::string in_cartella(const std::string& nome) const { return unisci_percorso(cartella_, nome); }

  std::string cartella_;
  std::string linea_;
  std::string treno_;
};

}  // namespace scenario

// Every file name the program touches, built from the scenario identity, and
// the identity read back from such names. Names are case-sensitive: they are
// built exactly as written here.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace scenario {

// Joins a folder and a name with "/". A folder that already ends in "/" gives
// a doubled separator, which the file system accepts.
std::string unisci_percorso(const std::string& cartella, const std::string& nome);

// A scenario's identity: the line's name and the train's number.
struct IdentitaScenario {
  std::string nome_linea;
  std::string numero_treno;
};

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

  // The compiled files a compile writes, names alone: the track plan (when
  // one is made), the table and the cells.
  std::vector<std::string> nomi_compilati(bool tracciato) const;

 private:
  std::string documento(const char* nome) const { return linea_ + "_" + treno_ + "_" + nome; }
  std::string in_cartella(const std::string& nome) const { return unisci_percorso(cartella_, nome); }

  std::string cartella_;
  std::string linea_;
  std::string treno_;
};

// The identity a description pair names by itself, when both files (their
// last path component) are named as NomiFile names descriptions, with the same
// NAME; none otherwise.
std::optional<IdentitaScenario> identita_da_descrizioni(const std::string& linea, const std::string& treno);

// The identity a table file's name NAME_NUM.sim gives; none for a name of
// another shape. NAME may hold underscores, NUM does not.
std::optional<IdentitaScenario> identita_da_tabella(const std::string& nome);

}  // namespace scenario

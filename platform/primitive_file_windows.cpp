#include <windows.h>

#include "platform/nomi_temporanei.h"
#include "platform/primitive_file.h"
#include "platform/testo_windows.h"

namespace scenario {

TipoVoce tipo_voce(const std::string& percorso) {
  const DWORD attributi = ::GetFileAttributesW(utf16(percorso).c_str());
  if (attributi == INVALID_FILE_ATTRIBUTES) return TipoVoce::assente;
  if (attributi & FILE_ATTRIBUTE_REPARSE_POINT) return TipoVoce::collegamento;
  if (attributi & FILE_ATTRIBUTE_DIRECTORY) return TipoVoce::cartella;
  return TipoVoce::file;
}

Status secondo_nome(const std::string& bersaglio, std::string* copia) {
  const auto [cartella, nome] = dividi_percorso(bersaglio, "/\\");
  const std::string prefisso = (cartella == "." ? std::string() : cartella) + modello_temporaneo(nome);
  const std::string base = prefisso.substr(0, prefisso.size() - kCaratteriCasuali);
  // A hard link takes a name only when it is free: on a taken one, another
  // try. A volume without hard links (FAT, exFAT) gets a copy instead, which
  // also takes only a free name.
  bool per_copia = collegamenti_rifiutati_simulati();
  for (unsigned tentativo = 0;; ++tentativo) {
    const std::string candidato = base + caratteri_casuali();
    const std::wstring nuovo = utf16(candidato);
    const bool fatto = per_copia ? ::CopyFileW(utf16(bersaglio).c_str(), nuovo.c_str(), TRUE)
                                 : ::CreateHardLinkW(nuovo.c_str(), utf16(bersaglio).c_str(), nullptr);
    if (fatto) {
      *copia = candidato;
      return Status::Ok();
    }
    const DWORD codice = ::GetLastError();
    if (!per_copia && (codice == ERROR_INVALID_FUNCTION || codice == ERROR_NOT_SUPPORTED ||
                       codice == ERROR_ACCESS_DENIED || codice == ERROR_TOO_MANY_LINKS)) {
      per_copia = true;
      continue;
    }
    if ((codice != ERROR_ALREADY_EXISTS && codice != ERROR_FILE_EXISTS) || tentativo >= 100) {
      return errore_windows(N_("cannot keep the earlier %1: %2"), bersaglio, codice);
    }
  }
}

bool rinomina_sopra(const std::string& da, const std::string& a) {
  return ::MoveFileExW(utf16(da).c_str(), utf16(a).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

void rimuovi_nome(const std::string& percorso) { ::DeleteFileW(utf16(percorso).c_str()); }

// Every move is made with MOVEFILE_WRITE_THROUGH, which returns only once the
// move is on the disk: the folder has nothing more to flush.
void sincronizza_cartella_di(const std::string&) {}

}  // namespace scenario

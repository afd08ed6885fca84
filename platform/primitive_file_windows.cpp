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
  // A hard link takes a name only when it is free: on a taken one, another try.
  for (unsigned tentativo = 0;; ++tentativo) {
    const std::string candidato = base + caratteri_casuali();
    if (::CreateHardLinkW(utf16(candidato).c_str(), utf16(bersaglio).c_str(), nullptr)) {
      *copia = candidato;
      return Status::Ok();
    }
    const DWORD codice = ::GetLastError();
    if (codice != ERROR_ALREADY_EXISTS || tentativo >= 100) {
      return errore_windows(N_("cannot keep the earlier %1: %2"), bersaglio, codice);
    }
  }
}

bool rinomina_sopra(const std::string& da, const std::string& a) {
  return ::MoveFileExW(utf16(da).c_str(), utf16(a).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

void rimuovi_nome(const std::string& percorso) { ::DeleteFileW(utf16(percorso).c_str()); }

}  // namespace scenario

#include "platform/testo_windows.h"

#include <windows.h>

namespace scenario {

std::wstring utf16(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring testo(static_cast<size_t>(n), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), testo.data(), n);
  return testo;
}

std::string utf8(std::wstring_view utf16) {
  if (utf16.empty()) return {};
  const int n = ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), nullptr, 0,
                                      nullptr, nullptr);
  std::string testo(static_cast<size_t>(n), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), testo.data(), n, nullptr,
                        nullptr);
  return testo;
}

Status errore_windows(std::string_view modello, const std::string& percorso, unsigned long codice) {
  wchar_t* testo = nullptr;
  const DWORD n = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, codice,
      0, reinterpret_cast<wchar_t*>(&testo), 0, nullptr);
  std::string motivo;
  if (n > 0 && testo != nullptr) {
    motivo = utf8(std::wstring_view(testo, n));
    // The system's text ends with a full stop and a line break.
    while (!motivo.empty() && (motivo.back() == '\n' || motivo.back() == '\r' || motivo.back() == ' ' ||
                               motivo.back() == '.')) {
      motivo.pop_back();
    }
  }
  if (testo != nullptr) ::LocalFree(testo);
  if (motivo.empty()) motivo = "error " + std::to_string(codice);
  return Status::Error(Testo{modello, {percorso, motivo}});
}

}  // namespace scenario

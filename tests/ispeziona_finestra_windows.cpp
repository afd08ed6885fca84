// Test helper, run beside a held compila_scenario: finds the wait window by
// its title and prints what a user sees of it, one item a line:
//   client <width>x<height>
//   label <caption> <left>,<top> <width>x<height>
// With the argument "messaggio", finds the message box titled
// "compila_scenario" instead and prints its text and its buttons' captions:
//   text <text>
//   button <caption>    (one line each)
//   icon                (when the box shows one)
// Exits 1 when the window or its label is not found.
#include <windows.h>

#include <cstdio>
#include <string>

#include "platform/testo_windows.h"

namespace {

BOOL CALLBACK stampa_pulsante(HWND figlio, LPARAM) {
  wchar_t classe[32] = {};
  ::GetClassNameW(figlio, classe, 32);
  if (std::wstring(classe) == L"Button" && ::IsWindowVisible(figlio)) {
    wchar_t testo[64] = {};
    ::GetWindowTextW(figlio, testo, 64);
    std::printf("button %s\n", scenario::utf8(testo).c_str());
  }
  const LONG_PTR stile = ::GetWindowLongPtrW(figlio, GWL_STYLE);
  if (std::wstring(classe) == L"Static" && (stile & SS_TYPEMASK) == SS_ICON && ::IsWindowVisible(figlio) &&
      ::SendMessageW(figlio, STM_GETICON, 0, 0) != 0) {
    std::printf("icon\n");
  }
  return TRUE;
}

int messaggio() {
  const HWND scatola = ::FindWindowW(L"#32770", L"compila_scenario");
  if (scatola == nullptr) return 1;
  wchar_t testo[256] = {};
  ::GetDlgItemTextW(scatola, 0xFFFF, testo, 256);  // the box's text control
  std::printf("text %s\n", scenario::utf8(testo).c_str());
  ::EnumChildWindows(scatola, stampa_pulsante, 0);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "messaggio") return messaggio();
  const HWND finestra = ::FindWindowW(nullptr, L"Form1");
  if (finestra == nullptr) return 1;
  RECT area{};
  ::GetClientRect(finestra, &area);
  std::printf("client %ldx%ld\n", area.right - area.left, area.bottom - area.top);
  const HWND etichetta = ::FindWindowExW(finestra, nullptr, L"STATIC", nullptr);
  if (etichetta == nullptr) return 1;
  wchar_t testo[64] = {};
  ::GetWindowTextW(etichetta, testo, 64);
  RECT r{};
  ::GetWindowRect(etichetta, &r);
  ::MapWindowPoints(HWND_DESKTOP, finestra, reinterpret_cast<POINT*>(&r), 2);
  std::printf("label %s %ld,%ld %ldx%ld\n", scenario::utf8(testo).c_str(), r.left, r.top, r.right - r.left,
              r.bottom - r.top);
  return 0;
}

// The program's messages on Windows: the wait window "Form1" and the message
// box of the fatal error. The program is a GUI-subsystem executable with no
// console; the other messages still go to standard error, which a caller that
// redirects it reads.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "platform/messaggi.h"
#include "platform/testo_windows.h"

namespace scenario {
namespace {

constexpr wchar_t kTitoloProgramma[] = L"compila_scenario";
constexpr int kLarghezzaArea = 280;  // client area, in pixels
constexpr int kAltezzaArea = 179;

HWND finestra_attesa = nullptr;

LRESULT CALLBACK procedura_finestra(HWND finestra, UINT messaggio, WPARAM w, LPARAM l) {
  return ::DefWindowProcW(finestra, messaggio, w, l);
}

// The test build may hold the job for a number of milliseconds once the window
// is shown, so that a test can find the window, measure it and take its
// picture. Meanwhile the window answers the system, as it must to be found.
// It first prints the label's font as the system gave it (another process
// cannot read it): "font <face asked for> / <face given> <points> <weight>".
void trattieni_per_prova(HWND etichetta) {
#ifdef SCENARIO_GANCI_PROVA
  const char* valore = std::getenv("SCENARIO_TRATTIENI_MS");
  if (valore == nullptr) return;
  const HFONT carattere = reinterpret_cast<HFONT>(::SendMessageW(etichetta, WM_GETFONT, 0, 0));
  LOGFONTW lf{};
  if (carattere != nullptr && ::GetObjectW(carattere, sizeof lf, &lf) != 0) {
    const HDC dc = ::GetDC(etichetta);
    const HGDIOBJ prima = ::SelectObject(dc, carattere);
    wchar_t dato[LF_FACESIZE] = {};
    ::GetTextFaceW(dc, LF_FACESIZE, dato);
    const int punti = ::MulDiv(-lf.lfHeight, 72, ::GetDeviceCaps(dc, LOGPIXELSY));
    ::SelectObject(dc, prima);
    ::ReleaseDC(etichetta, dc);
    std::printf("font %s / %s %d %ld\n", utf8(lf.lfFaceName).c_str(), utf8(dato).c_str(), punti, lf.lfWeight);
    std::fflush(stdout);
  }
  const ULONGLONG fine = ::GetTickCount64() + std::strtoull(valore, nullptr, 10);
  while (::GetTickCount64() < fine) {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
    ::Sleep(20);
  }
#else
  (void)etichetta;
#endif
}

}  // namespace

void mostra_attesa() {
  const HINSTANCE istanza = ::GetModuleHandleW(nullptr);
  WNDCLASSW classe{};
  classe.lpfnWndProc = procedura_finestra;
  classe.hInstance = istanza;
  classe.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  classe.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  classe.lpszClassName = L"Form1";
  ::RegisterClassW(&classe);

  const DWORD stile = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT area{0, 0, kLarghezzaArea, kAltezzaArea};
  ::AdjustWindowRect(&area, stile, FALSE);
  finestra_attesa = ::CreateWindowExW(0, L"Form1", L"Form1", stile, CW_USEDEFAULT, CW_USEDEFAULT,
                                      area.right - area.left, area.bottom - area.top, nullptr, nullptr, istanza,
                                      nullptr);
  if (finestra_attesa == nullptr) return;  // no window system: the job runs all the same
  const HWND etichetta = ::CreateWindowExW(0, L"STATIC", L"Attendere", WS_CHILD | WS_VISIBLE | SS_LEFT, 64, 64,
                                           177, 53, finestra_attesa, nullptr, istanza, nullptr);
  // 24 points bold; where "MS Sans Serif" is missing the font mapper gives
  // the system's substitute.
  const HDC schermo = ::GetDC(nullptr);
  const int altezza = -::MulDiv(24, ::GetDeviceCaps(schermo, LOGPIXELSY), 72);
  ::ReleaseDC(nullptr, schermo);
  const HFONT carattere = ::CreateFontW(altezza, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                        DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif");
  if (etichetta != nullptr && carattere != nullptr) {
    ::SendMessageW(etichetta, WM_SETFONT, reinterpret_cast<WPARAM>(carattere), FALSE);
  }
  ::ShowWindow(finestra_attesa, SW_SHOWNORMAL);
  // Painted now, label included: the job that follows does not return to the
  // window system.
  ::RedrawWindow(finestra_attesa, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  trattieni_per_prova(etichetta);
}

void mostra_errore(std::string_view testo) {
  std::fwrite(testo.data(), 1, testo.size(), stderr);
  std::fputc('\n', stderr);
  std::fflush(stderr);
}

void mostra_errore_fatale(std::string_view testo) {
  ::MessageBoxW(finestra_attesa, utf16(testo).c_str(), kTitoloProgramma, MB_OK);
}

}  // namespace scenario

#include "tool/riepilogo.h"

#include "tool/voci_lette.h"

namespace scenario::tool {
namespace {

std::string conta(size_t n, const char* uno, const char* piu) { return std::to_string(n) + " " + (n == 1 ? uno : piu); }

}  // namespace

std::string riepilogo(const Compilatore& stato, const Traccia& traccia, size_t avvisi) {
  size_t stazioni = 0, segnali = 0, rallentamenti = 0;
  for (const VoceLetta& v : traccia.voci) {
    stazioni += e_voce(v, kVoceStazione);
    segnali += e_voce(v, kVoceSegnale);
    rallentamenti += e_voce(v, kVoceRallentamento);
  }
  return "line " + std::to_string(stato.elementi[kRigaValoriCorsa].dato2) + " m, " +
         conta(stazioni, "station", "stations") + ", " + conta(segnali, "signal", "signals") + ", " +
         conta(rallentamenti, "slowdown", "slowdowns") + ", " + conta(avvisi, "warning", "warnings");
}

}  // namespace scenario::tool

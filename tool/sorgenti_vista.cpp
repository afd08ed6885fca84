#include "tool/sorgenti_vista.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "readers/vocabolario.h"

namespace scenario::tool {
namespace {

// The entries of one kind, by the position they give first.
class Voci {
 public:
  // The entries taken by any of the key tests `chiavi` (a key word and the
  // second one, empty when the test has one).
  Voci(const Traccia& traccia, std::initializer_list<ParolaChiave> chiavi) {
    for (const VoceLetta& v : traccia.voci) {
      if (v.valori.empty()) continue;
      for (const ParolaChiave& c : chiavi) {
        if (Traccia::di_chiave(v, c.prima, c.seconda)) {
          voci_.push_back(&v);
          break;
        }
      }
    }
    std::stable_sort(voci_.begin(), voci_.end(),
                     [](const VoceLetta* a, const VoceLetta* b) { return a->valori[0] < b->valori[0]; });
  }

  // The entry whose position lies nearest `m`: of two as near, the one before
  // it; of several at one position, the last read, which is the one that
  // stands. Null when there is none.
  const VoceLetta* presso(int64_t m) const {
    const auto dopo = std::upper_bound(voci_.begin(), voci_.end(), m,
                                       [](int64_t x, const VoceLetta* v) { return x < v->valori[0]; });
    const VoceLetta* prima = dopo == voci_.begin() ? nullptr : *(dopo - 1);
    if (dopo == voci_.end()) return prima;
    if (prima == nullptr || (*dopo)->valori[0] - m < m - prima->valori[0]) return *dopo;
    return prima;
  }

 private:
  std::vector<const VoceLetta*> voci_;
};

template <typename T, typename Posizione>
Json lista(const std::vector<T>& oggetti, const Voci& voci, const std::string& linea, Posizione posizione) {
  Json out = Json::array();
  for (const T& o : oggetti) {
    const VoceLetta* v = voci.presso(posizione(o));
    if (v == nullptr) {
      out.push_back(0);
    } else {
      out.push_back(Json::array({v->file == linea ? 0 : 1, v->chiave.riga}));
    }
  }
  return out;
}

}  // namespace

Json json_sorgenti(const Traccia& traccia, const Percorso& p, const std::string& linea) {
  const auto inizio = [](const auto& o) { return static_cast<int64_t>(o.da); };
  Json j = Json::object();
  j["stazioni"] = lista(p.stazioni, Voci(traccia, {parole::kStazione}), linea,
                        [](const StazionePercorso& s) { return s.posizione; });
  j["segnali"] = lista(p.segnali, Voci(traccia, {parole::kSegnale}), linea,
                       [](const SegnalePercorso& s) { return s.posizione; });
  j["rallentamenti"] = lista(p.rallentamenti, Voci(traccia, {parole::kRallentamento}), linea,
                             [](const RallentamentoPercorso& r) { return r.inizio; });
  j["cartelli"] = lista(p.cartelli, Voci(traccia, {parole::kCartello}), linea,
                        [](const CartelloPercorso& c) { return c.posizione; });
  j["indicatori"] = lista(p.indicatori, Voci(traccia, {parole::kIndicatori}), linea,
                          [](const IndicatorePercorso& i) { return i.posizione; });
  j["curve"] = lista(p.curve, Voci(traccia, {parole::kCurva}), linea, inizio);
  j["pendenza"] = lista(p.pendenza, Voci(traccia, {parole::kPendenza}), linea, inizio);
  j["velocita"] = lista(p.velocita, Voci(traccia, {parole::kVelocita}), linea, inizio);
  j["montagna"] = lista(p.montagna, Voci(traccia, {parole::kMontagna}), linea, inizio);
  j["progressive"] = lista(p.progressive,
                           Voci(traccia, {parole::kProgressivaUno, parole::kProgressivaDue, parole::kProgressivaTre}), linea,
                           [](const SistemaProgressive& s) { return s.inizio; });
  return j;
}

}  // namespace scenario::tool

// The entries the check looks into, named by the words of the key test that
// takes each (the key tables of the readers hold the same words).
#pragma once

#include <string_view>

#include "model/traccia.h"

namespace scenario::tool {

struct ParoleVoce {
  std::string_view parola;
  std::string_view seconda = {};
};

// Line description.
inline constexpr ParoleVoce kVoceProgressivaTre{"tre", "progressiva"};
inline constexpr ParoleVoce kVoceProgressivaDue{"due", "progressiva"};
inline constexpr ParoleVoce kVoceProgressivaUno{"uno", "progressiva"};
inline constexpr ParoleVoce kVocePendenza{"pendenza"};
inline constexpr ParoleVoce kVoceMontagna{"montagna"};
inline constexpr ParoleVoce kVoceIndicatori{"indicatori_v"};
inline constexpr ParoleVoce kVoceCartello{"indicat", "cartello"};
// Train description.
inline constexpr ParoleVoce kVoceVelocita{"velocit"};
inline constexpr ParoleVoce kVoceAderenza{"aderenza"};
inline constexpr ParoleVoce kVoceSegnale{"segnale"};
inline constexpr ParoleVoce kVoceRallentamento{"rallentamento"};
inline constexpr ParoleVoce kVoceAbbattimento{"abbattimento"};
inline constexpr ParoleVoce kVoceStazione{"stazione"};
inline constexpr ParoleVoce kVoceOrologio{"orologio"};

inline bool e_voce(const VoceLetta& v, ParoleVoce p) { return Traccia::di_chiave(v, p.parola, p.seconda); }

}  // namespace scenario::tool

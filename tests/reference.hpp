// Test helpers: boards drawn as text, positions reached in play, and a
// line-by-line transcription of the search on the plain rules, against which
// the fast search is checked.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "calculia.hpp"
#include "quarlo4.hpp"

namespace reference {

using quarlo4::type_joueur;
using quarlo4::type_plateau;

// Six rows, top first, seven characters each: '.' empty, 'X' ORDINATEUR,
// 'O' UTILISATEUR.
type_plateau plateau_de(const std::vector<const char*>& lignes);

// Boards reached by seeded random legal moves, neither won nor full, with
// between `min_coups` and `max_coups` tokens.
std::vector<type_plateau> positions_de_jeu(unsigned graine, int nombre, int min_coups, int max_coups);

// Any mix of the three cell values: gaps, floating tokens, lines already won.
type_plateau plateau_quelconque(std::mt19937& alea);

calculia::type_valeur evaluer_plateau(const type_plateau& plateau, type_joueur joueur, int profondeur);
int tour_ordinateur(const type_plateau& plateau, int profondeur);
std::int32_t evaluer_plateau_inconnu(const type_plateau& plateau);

}  // namespace reference

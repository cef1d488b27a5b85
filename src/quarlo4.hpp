// Rules of the game as plain operations on a board value: no state, no GTK.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <type_traits>

namespace quarlo4 {

// Cell owner and side. Player 1's tokens are ORDINATEUR cells and player 2's
// are UTILISATEUR cells, whoever controls each player.
enum type_joueur : std::uint8_t { AUCUN = 0, ORDINATEUR = 1, UTILISATEUR = 2 };

constexpr int nbr_ligne = 6;
constexpr int nbr_colonne = 7;

// The other side; AUCUN has no opponent and maps to UTILISATEUR, as the
// evaluation's "otherwise" branch does.
constexpr type_joueur autre_cote(type_joueur cote) {
    return cote == UTILISATEUR ? ORDINATEUR : UTILISATEUR;
}

// A fixed array indexed from 1, as the game counts players, columns and
// alignment sizes. The offset lives here and nowhere else.
template <typename T, int N>
struct tableau {
    std::array<T, N> elements{};

    T& operator()(int k) { return elements.at(static_cast<std::size_t>(k - 1)); }
    const T& operator()(int k) const { return elements.at(static_cast<std::size_t>(k - 1)); }
    auto begin() { return elements.begin(); }
    auto end() { return elements.end(); }
    auto begin() const { return elements.begin(); }
    auto end() const { return elements.end(); }
    friend bool operator==(const tableau& a, const tableau& b) { return a.elements == b.elements; }
    friend bool operator!=(const tableau& a, const tableau& b) { return !(a == b); }
};

// Row 1 is the top row, column 1 the leftmost; the 42 cells lie row by row.
struct type_plateau {
    type_joueur cellules[nbr_ligne][nbr_colonne] = {};

    type_joueur& operator()(int ligne, int colonne) { return cellules[ligne - 1][colonne - 1]; }
    type_joueur operator()(int ligne, int colonne) const { return cellules[ligne - 1][colonne - 1]; }
};
static_assert(sizeof(type_plateau) == 42, "one byte a cell, no padding");
static_assert(std::is_trivially_copyable_v<type_plateau>, "a board is a plain value");

bool operator==(const type_plateau& a, const type_plateau& b);
inline bool operator!=(const type_plateau& a, const type_plateau& b) { return !(a == b); }

void initialiser_plateau(type_plateau& plateau);

// Drops the side's token above the topmost token of the column and returns its
// row, or 0 when the column is full (the board is then unchanged). Throws
// std::out_of_range for a column outside 1..7, before touching anything.
int placer_jeton(type_plateau& plateau, int colonne, type_joueur cote);

bool verifier_gagnant(const type_plateau& plateau, type_joueur cote);
bool verifier_nul(const type_plateau& plateau);

// N(k), k = 1..4: open windows holding exactly k of the side's tokens.
using type_alignements = tableau<int, 4>;

struct type_coup {
    int colonne = 0;
    std::int32_t note = 0;
};
inline bool operator==(const type_coup& a, const type_coup& b) {
    return a.colonne == b.colonne && a.note == b.note;
}
using type_coups = tableau<type_coup, nbr_colonne>;

// The note of a full column: the lowest 32-bit value sorts it last.
constexpr std::int32_t note_colonne_pleine = std::numeric_limits<std::int32_t>::min();

type_alignements nb(type_joueur cote, const type_plateau& plateau);
int note_situation(type_joueur cote, const type_plateau& plateau);
std::int32_t evaluation(type_joueur cote, const type_plateau& plateau);
type_coups coups_trouves(type_joueur cote, const type_plateau& plateau);

}  // namespace quarlo4

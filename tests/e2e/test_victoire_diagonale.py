"""Two humans: yellow wins along a rising diagonal, the win box comes, the
board is emptied, and red, who lost, opens the next game."""

import pilote as p

# Yellow ends up in column 1 row 1, 2 row 2, 3 row 3 and 4 row 4 (rows from
# the bottom); red fills under it, and once in column 7, far from any line of
# its own. Four in a row comes only with the last move.
COUPS = [1, 2, 2, 3, 3, 4, 3, 4, 4, 7, 4]


def partie(jeu):
    attendu = p.plateau_vide()
    for numero, colonne in enumerate(COUPS[:-1]):
        attendu = p.poser(attendu, colonne, (p.JAUNE, p.ROUGE)[numero % 2])
        jeu.jouer(colonne, attendu, f"move {numero + 1}, in column {colonne}")
    jeu.plateau.cliquer_colonne(COUPS[-1])
    p.repondre("Information")
    jeu.plateau.attendre(p.plateau_vide(), "the board emptied after the win")
    jeu.jouer(1, p.poser(p.plateau_vide(), 1, p.ROUGE), "red, the loser, opening the next game")


p.scenario(partie)

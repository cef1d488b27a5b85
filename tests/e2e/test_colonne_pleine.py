"""A seventh token in a column is refused with the "Error" box: the column
keeps its six tokens and the same player is still to move."""

import pilote as p


def colonne_pleine(jeu):
    attendu = p.plateau_vide()
    # Alternate colours never make four in a column.
    for numero in range(6):
        attendu = p.poser(attendu, 4, (p.JAUNE, p.ROUGE)[numero % 2])
        jeu.jouer(4, attendu, f"token {numero + 1} in column 4")
    jeu.plateau.cliquer_colonne(4)
    p.repondre("Error")
    jeu.plateau.attendre(attendu, "column 4 unchanged after the refusal")
    jeu.jouer(5, p.poser(attendu, 5, p.JAUNE), "yellow, whose turn it still is, in column 5")


p.scenario(colonne_pleine)

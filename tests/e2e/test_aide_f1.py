"""F1 shows the advice box; closing it leaves the board and the turn as they
were."""

import pilote as p


def aide(jeu):
    attendu = p.poser(p.plateau_vide(), 4, p.JAUNE)
    jeu.jouer(4, attendu, "yellow in column 4")
    attendu = p.poser(attendu, 3, p.ROUGE)
    jeu.jouer(3, attendu, "red in column 3")
    jeu.touche("F1")
    p.repondre("Information")
    jeu.plateau.attendre(attendu, "the board unchanged after the advice box")
    jeu.jouer(5, p.poser(attendu, 5, p.JAUNE), "yellow, still to move, in column 5")


p.scenario(aide)

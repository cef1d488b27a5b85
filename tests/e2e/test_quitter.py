"""Quitting asks first: "No" keeps the game going, "Yes" ends the program
with status 0."""

import pilote as p

OUI, NON = 0, 1  # the confirmation's buttons, from the left


def quitter(jeu):
    # "Quitter" through the menu: F10 opens "Fichier", Up wraps round to its
    # last item.
    jeu.touche("F10", "Up", "Return")
    p.repondre("Sortie", rang=NON)
    if not jeu.en_vie() or not p.fenetres(p.TITRE_JEU):
        raise p.Echec("the game is gone after answering no")
    jeu.jouer(4, p.poser(p.plateau_vide(), 4, p.JAUNE), "a move after answering no")
    # Its shortcut this time.
    jeu.touche("alt+F4")
    p.repondre("Sortie", rang=OUI)
    statut = jeu.attendre_fin()
    if statut != 0:
        raise p.Echec(f"exit status {statut} after answering yes, expected 0")


p.scenario(quitter)

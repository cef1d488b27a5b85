"""Player 2 set to the computer at "Dur" through the Options menu; the human
drops into the leftmost free column, the computer answers each move at once,
until the game's end box."""

import pilote as p

# 42 cells: the game ends by the human's 21st move and the answer to it.
COUPS_MAX = 21


def nombre_de_pions(lignes):
    return sum(ligne.count(p.JAUNE) + ligne.count(p.ROUGE) for ligne in lignes)


def reponses_possibles(lignes):
    """Each board the computer's red token can make from `lignes`."""
    return [p.poser(lignes, colonne, p.ROUGE) for colonne in range(1, p.COLONNES + 1)
            if lignes[0][colonne - 1] == p.VIDE]


def contre_ordinateur(jeu):
    # F10 opens the menu bar's first menu; Up from the top of a submenu
    # wraps round to its last item, "Dur".
    jeu.touche("F10", "Right", "Down", "Down", "Right", "Up", "Return")
    for coup in range(1, COUPS_MAX + 1):
        avant = jeu.plateau.lire()
        if p.VIDE not in avant[0]:
            break  # a draw: its box may still be opening
        # Should the game be over already, its box is modal: this click is lost.
        colonne = avant[0].index(p.VIDE) + 1
        joue = p.poser(avant, colonne, p.JAUNE)
        jeu.plateau.cliquer_colonne(colonne)

        def reponse():
            if p.fenetres("Information"):
                return "fin"
            apres = jeu.plateau.lire()
            return apres if nombre_de_pions(apres) >= nombre_de_pions(avant) + 2 else None
        apres = p.attendre(reponse, f"the computer's answer to move {coup} (column {colonne})")
        if apres == "fin":
            break
        if apres not in reponses_possibles(joue):
            raise p.Echec(f"move {coup}: yellow in column {colonne} then one red token expected, seen:\n"
                          + p.dessin(apres))
    # Win or draw, the end-of-game box has come or is coming.
    p.repondre("Information")
    # Had the computer lost, it would open the next game at once.
    vide = p.plateau_vide()
    p.attendre(lambda: jeu.plateau.lire() in [vide] + reponses_possibles(vide),
               "the board emptied after the end of the game")


p.scenario(contre_ordinateur)

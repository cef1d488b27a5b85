"""Plays the game from outside, as a person would, for the end-to-end tests.

Everything goes through the X server: xdotool moves the mouse, presses keys
and finds windows by title; screenshots (ImageMagick `import`) show the
board. No window manager runs under Xvfb, so nothing is placed by assumption:
the board is found on a screenshot inside the main window's geometry, and a
dialog's buttons on a screenshot inside the dialog's geometry. Every wait
polls a condition and gives up after a bounded delay.
"""

import os
import subprocess
import sys
import time

DELAI = 10.0  # seconds; a slow machine needs far less than this
PAS = 0.05    # seconds between two looks at the screen

VIDE, JAUNE, ROUGE = ".", "J", "R"
# Centre colours of pixmaps/vide.png, jaune.png and rouge.png.
COULEURS = {VIDE: (0x3A, 0x3F, 0x4A), JAUNE: (0xF5, 0xC4, 0x00), ROUGE: (0xD8, 0x1E, 0x1E)}
BLEU_PLATEAU = (0x1F, 0x4F, 0xBF)
LIGNES, COLONNES = 6, 7

TITRE_JEU = "Quarlo 4"
TITRE_NOMS = "Changement des Noms"


class Echec(Exception):
    """A check failed: the message says what was expected and what was seen."""


def attendre(condition, quoi, delai=DELAI):
    """Polls `condition` until it returns something true, and returns it."""
    fin = time.monotonic() + delai
    while True:
        resultat = condition()
        if resultat:
            return resultat
        if time.monotonic() > fin:
            raise Echec(f"still waiting, after {delai:.0f} s, for {quoi}")
        time.sleep(PAS)


def outil(commande, texte=True):
    """The completed run of a command-line tool; a hang is a failure too."""
    try:
        return subprocess.run(commande, capture_output=True, text=texte, timeout=DELAI)
    except subprocess.TimeoutExpired:
        raise Echec(f"{' '.join(commande)} hung") from None


def xdotool(*arguments):
    commande = ["xdotool", *map(str, arguments)]
    sortie = outil(commande)
    if sortie.returncode != 0:
        raise Echec(f"{' '.join(commande)} failed: {sortie.stderr.strip()}")
    return sortie.stdout


def fenetres(titre):
    """Ids of the mapped windows whose title is exactly `titre`."""
    # xdotool search exits with 1 when nothing matches: that is an answer.
    return outil(["xdotool", "search", "--onlyvisible", "--name", f"^{titre}$"]).stdout.split()


def attendre_fenetre(titre, delai=DELAI):
    """The id of the one window titled `titre`, once it is mapped."""
    def unique():
        ids = fenetres(titre)
        if len(ids) > 1:
            raise Echec(f"{len(ids)} windows titled {titre!r}, expected one")
        return ids[0] if ids else None
    return attendre(unique, f"a window titled {titre!r}", delai)


def attendre_disparition(titre, delai=DELAI):
    attendre(lambda: not fenetres(titre), f"the window {titre!r} to go away", delai)


def geometrie(fenetre):
    """(x, y, width, height) of a window, on the screen."""
    valeurs = dict(ligne.split("=", 1) for ligne in xdotool("getwindowgeometry", "--shell", fenetre).split())
    return tuple(int(valeurs[cle]) for cle in ("X", "Y", "WIDTH", "HEIGHT"))


def cliquer(x, y):
    # A button takes a click only once the pointer has entered it, so come
    # from one pixel aside in case the pointer already rests there (a box may
    # have opened under it). No --sync: it waits forever for a move that does
    # not happen, and the server keeps the order of the events anyway.
    xdotool("mousemove", int(x) - 1, int(y), "mousemove", int(x), int(y), "click", "1")


def touche(fenetre, *touches):
    """Presses keys in a window: with no window manager, focus is given by hand."""
    xdotool("windowfocus", "--sync", fenetre)
    xdotool("key", "--delay", "60", *touches)


class Capture:
    """A screenshot of the whole screen, read pixel by pixel."""

    def __init__(self):
        sortie = outil(["import", "-window", "root", "-depth", "8", "ppm:-"], texte=False)
        if sortie.returncode != 0:
            raise Echec(f"import could not take a screenshot: {sortie.stderr.decode(errors='replace').strip()}")
        magique, taille, maximum, self.octets = sortie.stdout.split(b"\n", 3)
        if magique != b"P6" or maximum != b"255":
            raise Echec(f"unexpected screenshot format {magique!r} {maximum!r}")
        self.largeur, self.hauteur = map(int, taille.split())

    def pixel(self, x, y):
        i = 3 * (int(y) * self.largeur + int(x))
        return tuple(self.octets[i:i + 3])


def proche(couleur, reference, tolerance):
    return all(abs(a - b) <= tolerance for a, b in zip(couleur, reference))


def sombre(couleur):
    return max(couleur) <= 0x30


def nom_couleur(couleur):
    """The cell content whose picture has this centre colour, or '?'."""
    for contenu, reference in COULEURS.items():
        if proche(couleur, reference, 24):
            return contenu
    return "?"


def boutons(capture, rect):
    """[(x, y), ...] centres of the buttons on the bottom row of a dialog.

    The theme draws a one-pixel black line under each button; the lowest such
    lines in the dialog are its action buttons, left to right."""
    x0, y0, largeur, hauteur = rect
    for y in range(y0 + hauteur - 1, y0, -1):
        segments, debut = [], None
        for x in range(x0, x0 + largeur + 1):
            noir = x < x0 + largeur and sombre(capture.pixel(x, y))
            if noir and debut is None:
                debut = x
            elif not noir and debut is not None:
                if x - debut >= 30:
                    segments.append((debut, x - 1))
                debut = None
        if segments:
            # The button's top edge is a few pixels up; its middle is safe at 10.
            return [((a + b) // 2, y - 10) for a, b in segments]
    raise Echec(f"no button found in the dialog at {rect}")


def repondre(titre, rang=0, delai=DELAI):
    """Clicks the `rang`-th button (from the left) of the window `titre`, and
    waits until that window has gone."""
    fenetre = attendre_fenetre(titre, delai)
    rect = geometrie(fenetre)
    # The window may be mapped before it is drawn: wait for its buttons.
    trouves = attendre(lambda: _boutons_ou_rien(rect), f"the buttons of {titre!r}")
    if rang >= len(trouves):
        raise Echec(f"{titre!r} shows {len(trouves)} buttons, wanted number {rang + 1}")
    cliquer(*trouves[rang])
    attendre_disparition(titre, delai)


def _boutons_ou_rien(rect):
    try:
        return boutons(Capture(), rect)
    except Echec:
        return None


class Plateau:
    """Where the cells and the column buttons are, found once on a screenshot."""

    def __init__(self, capture, rect):
        x0, y0, largeur, hauteur = rect
        par_ligne, par_colonne = {}, {}
        for y in range(y0, y0 + hauteur):
            for x in range(x0, x0 + largeur):
                if proche(capture.pixel(x, y), BLEU_PLATEAU, 12):
                    par_ligne[y] = par_ligne.get(y, 0) + 1
                    par_colonne[x] = par_colonne.get(x, 0) + 1
        # Lines with a few blue pixels only (an icon, a shadow) are not the board.
        lignes = [y for y, n in par_ligne.items() if n >= 40]
        colonnes = [x for x, n in par_colonne.items() if n >= 40]
        if not lignes or not colonnes:
            raise Echec(f"no board blue #1F4FBF in the main window {rect}: pictures not loaded?")
        self.gauche, self.haut = min(colonnes), min(lignes)
        self.pas_x = (max(colonnes) + 1 - self.gauche) / COLONNES
        self.pas_y = (max(lignes) + 1 - self.haut) / LIGNES
        if abs(self.pas_x - self.pas_y) > 2 or self.pas_x < 20:
            raise Echec(f"the blue area of the main window is not 7x6 square cells: "
                        f"cells {self.pas_x:.1f} x {self.pas_y:.1f} px")
        self.bas = self.haut + LIGNES * self.pas_y
        self.y_boutons = self._ligne_des_boutons(capture, y0 + hauteur)

    def centre(self, ligne, colonne):
        """Centre of a cell; row 1 is the top one, column 1 the leftmost."""
        return (self.gauche + self.pas_x * (colonne - 0.5), self.haut + self.pas_y * (ligne - 0.5))

    def _ligne_des_boutons(self, capture, limite):
        # Below the board: a gap of window background, then the buttons, from
        # their light top edge to their black bottom edge. Looked for left of
        # the label, in the middle of column 1.
        x = self.gauche + self.pas_x * 0.25
        fond = capture.pixel(x, self.bas + 1)
        y = int(self.bas) + 1
        while y < limite and capture.pixel(x, y) == fond:
            y += 1
        haut = y
        while y < limite and not sombre(capture.pixel(x, y)):
            y += 1
        if y >= limite or y - haut < 10:
            raise Echec("no column buttons found under the board")
        return (haut + y) // 2

    def lire(self, capture=None):
        """The board as six strings of seven cells, top row first."""
        capture = capture or Capture()
        return [
            "".join(nom_couleur(capture.pixel(*self.centre(ligne, colonne))) for colonne in range(1, COLONNES + 1))
            for ligne in range(1, LIGNES + 1)
        ]

    def cliquer_colonne(self, colonne):
        cliquer(self.centre(1, colonne)[0], self.y_boutons)

    def attendre(self, attendu, quoi, delai=DELAI):
        """Waits until the board reads `attendu` (six strings, top row first)."""
        vu = []

        def pareil():
            vu[:] = self.lire()
            return vu == attendu
        try:
            attendre(pareil, quoi, delai)
        except Echec as e:
            raise Echec(f"{e}\nexpected:\n{dessin(attendu)}\nseen:\n{dessin(vu)}") from None


def dessin(lignes):
    return "\n".join("  |" + ligne + "|" for ligne in lignes)


def plateau_vide():
    return [VIDE * COLONNES] * LIGNES


def poser(lignes, colonne, contenu):
    """The board `lignes` with `contenu` dropped into `colonne` (1..7)."""
    lignes = list(lignes)
    for ligne in range(LIGNES - 1, -1, -1):
        if lignes[ligne][colonne - 1] == VIDE:
            lignes[ligne] = lignes[ligne][:colonne - 1] + contenu + lignes[ligne][colonne:]
            return lignes
    raise Echec(f"column {colonne} is full in the expected board")


class Jeu:
    """One run of the program, ready to play: its names dialog answered."""

    def __init__(self, commande, repertoire=None, env=None):
        self.commande = commande
        repertoire = repertoire or os.path.dirname(os.path.abspath(commande[0]))
        self.processus = subprocess.Popen(commande, cwd=repertoire, env=env)
        try:
            self.fenetre = attendre(self._fenetre_tant_que_vivant, f"a window titled {TITRE_JEU!r}")
            # The names dialog opens over the board: Cancel, its left button.
            repondre(TITRE_NOMS, rang=0)
            self.rect = geometrie(self.fenetre)
            self.plateau = self._attendre_plateau()
        except BaseException:
            self.arreter()
            raise

    def _fenetre_tant_que_vivant(self):
        if not self.en_vie():
            raise Echec(f"{self.commande[0]} ended with status {self.processus.returncode} before its window opened")
        ids = fenetres(TITRE_JEU)
        return ids[0] if len(ids) == 1 else None

    def _attendre_plateau(self):
        """The board, once drawn empty: this also shows the pictures were found."""
        vu = ["nothing yet"]

        def plateau_vide_ou_rien():
            try:
                plateau = Plateau(Capture(), self.rect)
            except Echec as e:
                vu[0] = str(e)
                return None
            vu[0] = "this board:\n" + dessin(plateau.lire())
            return plateau if plateau.lire() == plateau_vide() else None
        try:
            return attendre(plateau_vide_ou_rien, "an empty board in the main window")
        except Echec as e:
            raise Echec(f"{e}; last seen: {vu[0]}") from None

    def en_vie(self):
        return self.processus.poll() is None

    def touche(self, *touches):
        touche(self.fenetre, *touches)

    def jouer(self, colonne, attendu, quoi):
        """Clicks a column button and waits for the board to read `attendu`,
        with no message box meanwhile."""
        self.plateau.cliquer_colonne(colonne)
        self.plateau.attendre(attendu, quoi)
        for titre in ("Information", "Error"):
            if fenetres(titre):
                raise Echec(f"unexpected {titre!r} box after: {quoi}")

    def attendre_fin(self, delai=DELAI):
        """The exit status, once the process has ended by itself."""
        try:
            return self.processus.wait(timeout=delai)
        except subprocess.TimeoutExpired:
            raise Echec(f"the program is still running {delai:.0f} s later") from None

    def arreter(self):
        if self.en_vie():
            self.processus.terminate()
            try:
                self.processus.wait(timeout=DELAI)
            except subprocess.TimeoutExpired:
                self.processus.kill()
                self.processus.wait()


def rapporter(etapes):
    """Runs a test's steps, prints the outcome, and exits with 0 on success,
    1 on a failed check."""
    if not os.environ.get("DISPLAY"):
        sys.exit(f"{sys.argv[0]}: no DISPLAY: run it under xvfb-run")
    debut = time.monotonic()
    try:
        etapes()
    except Echec as e:
        print(f"FAILED: {e}", file=sys.stderr)
        sys.exit(1)
    print(f"OK in {time.monotonic() - debut:.1f} s")


def scenario(fonction):
    """Runs fonction(jeu) on the program named on the command line, started
    from its own folder and ready to play, then stops the program."""
    if len(sys.argv) != 2 or not os.access(sys.argv[1], os.X_OK):
        sys.exit(f"usage: {sys.argv[0]} PROGRAM\n  PROGRAM: the game's executable, beside ../pixmaps/")

    def etapes():
        jeu = Jeu([os.path.abspath(sys.argv[1])])
        try:
            fonction(jeu)
        finally:
            jeu.arreter()
    rapporter(etapes)

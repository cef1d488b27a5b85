"""Installs the build into a temporary prefix, checks the layout, then starts
the installed launcher from elsewhere and checks that the game found its
pictures: an empty board of dark holes on blue."""

import os
import subprocess
import sys
import tempfile

import pilote as p

IMAGES = ["vide", "jaune", "rouge", "humain-jaune", "humain-rouge", "ordi-jaune", "ordi-rouge"]


def installer(cmake, construction, prefixe):
    sortie = subprocess.run([cmake, "--install", construction, "--prefix", prefixe],
                            capture_output=True, text=True, timeout=120)
    if sortie.returncode != 0:
        raise p.Echec(f"cmake --install failed:\n{sortie.stdout}{sortie.stderr}")


def verifier_fichiers(prefixe):
    partage = os.path.join(prefixe, "share")
    attendus = [os.path.join(prefixe, "bin", "quarlo4"), os.path.join(partage, "quarlo4", "bin", "jeu_quarlo4")]
    attendus += [os.path.join(partage, "quarlo4", "pixmaps", f"{nom}.png") for nom in IMAGES]
    manquants = [chemin for chemin in attendus if not os.path.isfile(chemin)]
    if manquants:
        raise p.Echec("not installed: " + ", ".join(manquants))
    icones = os.path.join(partage, "icons", "hicolor")
    tailles = [taille for taille in os.listdir(icones)
               if os.path.isfile(os.path.join(icones, taille, "apps", "quarlo4.png"))] if os.path.isdir(icones) else []
    if not tailles:
        raise p.Echec(f"no quarlo4.png icon under {icones}/<size>/apps")
    for taille in tailles:
        with open(os.path.join(icones, taille, "apps", "quarlo4.png"), "rb") as icone:
            if icone.read(8) != b"\x89PNG\r\n\x1a\n":
                raise p.Echec(f"the {taille} icon is not a PNG")

    bureau = os.path.join(partage, "applications", "quarlo4.desktop")
    if not os.path.isfile(bureau):
        raise p.Echec(f"not installed: {bureau}")
    with open(bureau, encoding="utf-8") as fichier:
        entrees = dict(ligne.rstrip("\n").split("=", 1) for ligne in fichier if "=" in ligne)
    lanceur = os.path.join(prefixe, "bin", "quarlo4")
    voulues = {"Name": "Quarlo 4", "Exec": f'"{lanceur}"', "Path": os.path.join(partage, "quarlo4", "bin"),
               "Icon": "quarlo4", "Categories": "Game;BoardGame;"}
    for cle, valeur in voulues.items():
        if entrees.get(cle) != valeur:
            raise p.Echec(f"{bureau}: {cle}={entrees.get(cle)!r}, expected {valeur!r}")
    validation = subprocess.run(["desktop-file-validate", bureau], capture_output=True, text=True, timeout=p.DELAI)
    if validation.returncode != 0 or validation.stdout.strip():
        raise p.Echec(f"desktop-file-validate {bureau}:\n{validation.stdout}{validation.stderr}")
    return lanceur


def lancer(lanceur):
    # From "/" and with the display given only as an option: the launcher has
    # to find its folder by itself and pass GTK's options through.
    env = {cle: valeur for cle, valeur in os.environ.items() if cle != "DISPLAY"}
    jeu = p.Jeu([lanceur, "--display", os.environ["DISPLAY"]], repertoire="/", env=env)
    try:
        jeu.touche("alt+F4")
        p.repondre("Sortie", rang=0)
        statut = jeu.attendre_fin()
        if statut != 0:
            raise p.Echec(f"the installed game ended with status {statut}")
    finally:
        jeu.arreter()


def main():
    if len(sys.argv) != 3 or not os.path.isfile(os.path.join(sys.argv[2], "cmake_install.cmake")):
        sys.exit(f"usage: {sys.argv[0]} CMAKE BUILD_DIR\n  BUILD_DIR: a configured and built tree of the game")
    cmake, construction = sys.argv[1:]

    def etapes():
        with tempfile.TemporaryDirectory(prefix="quarlo4-installation-") as prefixe:
            installer(cmake, construction, prefixe)
            lancer(verifier_fichiers(prefixe))
    p.rapporter(etapes)


main()

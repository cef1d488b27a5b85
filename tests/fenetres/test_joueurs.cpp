// Kinds and levels from the Options menu, the names dialog, and names shown
// exactly as typed wherever they appear.
#include "noms_pkg-callbacks.hpp"
#include "noms_pkg.hpp"
#include "outils.hpp"

using namespace fenetre_pkg;
using namespace outils;
using quarlo4::ORDINATEUR;
using quarlo4::UTILISATEUR;

using Joueurs = FenetreTest;

TEST_F(Joueurs, OrdinateurContreOrdinateurRefuse) {
    jeu->dur2.activate();
    ASSERT_EQ(donnees_joueurs(2).genre, ORDINATEUR);
    const guint messages = g_slist_length(jeu->barre_etat.gobj()->messages);
    jeu->facile1.activate();
    EXPECT_EQ(barre_etat(), "Mode Ordinateur contre Ordinateur impossible!");
    // Refused once: the level item's own "activate" while it is turned off
    // again must not refuse a second time.
    EXPECT_EQ(g_slist_length(jeu->barre_etat.gobj()->messages), messages + 1);
    EXPECT_TRUE(jeu->humain1.get_active());
    EXPECT_FALSE(jeu->facile1.get_active());
    EXPECT_EQ(donnees_joueurs(1).genre, UTILISATEUR);
    EXPECT_EQ(image_joueur(1), "humain-jaune");
    EXPECT_EQ(jetons(), 0);
    EXPECT_TRUE(jeu->dur2.get_active());
    EXPECT_EQ(donnees_joueurs(2).difficulte, DUR);
}

TEST_F(Joueurs, NiveauPourLeJoueurQuiALaMainJoueAussitot) {
    cliquer(1);
    jeu->moyen2.activate();
    EXPECT_EQ(donnees_joueurs(2).genre, ORDINATEUR);
    EXPECT_EQ(donnees_joueurs(2).difficulte, MOYEN);
    EXPECT_EQ(image_joueur(2), "ordi-rouge");
    EXPECT_EQ(jetons(), 2);
    EXPECT_EQ(joueur_courant, 1);
    EXPECT_TRUE(images_conformes());
}

TEST_F(Joueurs, NiveauPourLAutreJoueurJoueApresLeCoupSuivant) {
    cliquer(1);
    jeu->dur1.activate();
    EXPECT_EQ(donnees_joueurs(1).genre, ORDINATEUR);
    EXPECT_EQ(image_joueur(1), "ordi-jaune");
    EXPECT_EQ(jetons(), 1);
    cliquer(7);
    EXPECT_EQ(jetons(), 3);
    EXPECT_EQ(joueur_courant, 2);
}

TEST_F(Joueurs, ChangerDeGenreOuDeNiveauGardeNomEtScore) {
    donnees_joueurs(2).nom = "Zoé";
    donnees_joueurs(2).score = 4;
    jeu->facile2.activate();
    jeu->dur2.activate();
    EXPECT_EQ(donnees_joueurs(2).difficulte, DUR);
    EXPECT_EQ(donnees_joueurs(2).nom, "Zoé");
    EXPECT_EQ(donnees_joueurs(2).score, 4);
    jeu->humain2.activate();
    EXPECT_EQ(donnees_joueurs(2).genre, UTILISATEUR);
    EXPECT_EQ(donnees_joueurs(2).nom, "Zoé");
    EXPECT_EQ(donnees_joueurs(2).score, 4);
    EXPECT_EQ(image_joueur(2), "humain-rouge");
}

TEST_F(Joueurs, LeGroupeActifSuitToujoursLesDonnees) {
    Gtk::RadioMenuItem* items[2][4] = {{&jeu->humain1, &jeu->facile1, &jeu->moyen1, &jeu->dur1},
                                       {&jeu->humain2, &jeu->facile2, &jeu->moyen2, &jeu->dur2}};
    Repondeur repondeur;
    // Every item of both players in turn, the already active one included.
    for (int joueur : {1, 2, 1, 2}) {
        for (Gtk::RadioMenuItem* item : items[joueur - 1]) {
            item->activate();
            EXPECT_TRUE(menus_conformes());
            EXPECT_FALSE(donnees_joueurs(1).genre == ORDINATEUR && donnees_joueurs(2).genre == ORDINATEUR);
            EXPECT_EQ(donnees_joueurs(joueur_courant).genre, UTILISATEUR);
            EXPECT_TRUE(images_conformes());
        }
    }
}

namespace {

noms_pkg::noms_record* ouvrir_noms() {
    jeu->changer_noms.activate();
    traiter_evenements();
    return noms;
}

}  // namespace

TEST_F(Joueurs, DialogueDeDemarrageConfirmeSansRienSaisir) {
    noms = noms_pkg::gtk_new();
    noms->show_all();
    EXPECT_EQ(noms->get_title(), "Changement des Noms");
    EXPECT_EQ(noms->saisie_joueur1.get_text(), "");
    noms->bouton_ok.clicked();
    traiter_evenements();
    EXPECT_EQ(noms, nullptr);
    EXPECT_TRUE(fenetres_visibles<noms_pkg::noms_record>().empty());
    EXPECT_EQ(jeu->nom_joueur1.get_text(), "Joueur1");
    EXPECT_EQ(jeu->nom_joueur2.get_text(), "Joueur2");
    EXPECT_EQ(barre_etat(), "Premier a jouer Joueur1");
}

TEST_F(Joueurs, AnnulerOuFermerNeChangeRien) {
    ouvrir_noms()->saisie_joueur1.set_text("Alice");
    noms->bouton_annuler.clicked();
    traiter_evenements();
    EXPECT_EQ(noms, nullptr);
    ouvrir_noms()->saisie_joueur2.set_text("Bob");
    fermer_par_le_cadre(*noms);
    EXPECT_EQ(noms, nullptr);
    EXPECT_TRUE(fenetres_visibles<noms_pkg::noms_record>().empty());
    EXPECT_EQ(donnees_joueurs(1).nom, "Joueur1");
    EXPECT_EQ(donnees_joueurs(2).nom, "Joueur2");
    EXPECT_EQ(jeu->nom_joueur1.get_text(), "");
    EXPECT_EQ(barre_etat(), bienvenue);
}

TEST_F(Joueurs, LeMenuMontreLesNomsActuelsEtUneSaisieVideRedonneLeNomParDefaut) {
    donnees_joueurs(1).nom = "Alice";
    donnees_joueurs(2).nom = "Bob";
    cliquer(5);
    noms_pkg::noms_record* dialogue = ouvrir_noms();
    EXPECT_EQ(dialogue->saisie_joueur1.get_text(), "Alice");
    EXPECT_EQ(dialogue->saisie_joueur2.get_text(), "Bob");
    dialogue->saisie_joueur1.set_text("   ");
    dialogue->saisie_joueur2.set_text("");
    dialogue->bouton_ok.clicked();
    traiter_evenements();
    EXPECT_EQ(donnees_joueurs(1).nom, "   ");
    EXPECT_EQ(donnees_joueurs(2).nom, "Joueur2");
    EXPECT_EQ(jeu->nom_joueur1.get_text(), "   ");
    EXPECT_EQ(barre_etat(), "Premier a jouer Joueur2") << "player 2 is to move";
}

TEST_F(Joueurs, DeuxDialoguesOuvertsRepondusDansLesDeuxOrdres) {
    for (const bool ancien_d_abord : {true, false}) {
        noms_pkg::noms_record* ancien = ouvrir_noms();
        noms_pkg::noms_record* nouveau = ouvrir_noms();
        ASSERT_NE(ancien, nouveau);
        ASSERT_EQ(noms, nouveau);
        ancien->saisie_joueur1.set_text("ancien");
        nouveau->saisie_joueur1.set_text("nouveau");
        noms_pkg::noms_record* premier = ancien_d_abord ? ancien : nouveau;
        noms_pkg::noms_record* second = ancien_d_abord ? nouveau : ancien;
        const std::string attendu_premier = ancien_d_abord ? "ancien" : "nouveau";
        premier->bouton_ok.clicked();
        traiter_evenements();
        EXPECT_EQ(donnees_joueurs(1).nom, attendu_premier) << "each dialog's button acts on its own dialog";
        EXPECT_EQ(fenetres_visibles<noms_pkg::noms_record>(), std::vector<noms_pkg::noms_record*>{second});
        EXPECT_EQ(noms, ancien_d_abord ? nouveau : nullptr) << "noms follows the newest dialog only";
        second->bouton_ok.clicked();
        traiter_evenements();
        EXPECT_EQ(donnees_joueurs(1).nom, ancien_d_abord ? "nouveau" : "ancien");
        EXPECT_EQ(noms, nullptr);
        EXPECT_TRUE(fenetres_visibles<noms_pkg::noms_record>().empty());
    }
}

class NomsLitteraux : public FenetreTest, public testing::WithParamInterface<std::string> {};

TEST_P(NomsLitteraux, StockeEtMontreTelQuel) {
    const std::string nom = GetParam();
    ouvrir_noms()->saisie_joueur1.set_text(nom);
    noms->bouton_ok.clicked();
    traiter_evenements();
    EXPECT_EQ(donnees_joueurs(1).nom, nom);
    EXPECT_EQ(jeu->nom_joueur1.get_text(), nom);
    EXPECT_EQ(barre_etat(), "Premier a jouer " + nom);
    cliquer(1);
    cliquer(1);
    EXPECT_EQ(barre_etat(), "A toi " + nom);
    Repondeur repondeur;
    for (const int colonne : {2, 2, 3, 3, 4}) cliquer(colonne);
    ASSERT_EQ(repondeur.boites().size(), 1u);
    EXPECT_EQ(repondeur.textes()[0], "Joueur 1 alias '" + nom + "' a gagné!");
    EXPECT_EQ(ouvrir_noms()->saisie_joueur1.get_text(), nom);
}

INSTANTIATE_TEST_SUITE_P(Noms, NomsLitteraux,
                         testing::Values("Zoé", "李", "🙂 joueur", "   ", "<b>&amp;", "%s%n%d", "l'autre \"moi\"",
                                         "a\\b", std::string(10000, 'x')),
                         [](const testing::TestParamInfo<std::string>& info) {
                             return "nom" + std::to_string(info.index);
                         });

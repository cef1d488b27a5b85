// The main window as built, its accelerators, the About box and the quit
// confirmation.
#include <gdk/gdkkeysyms.h>
#include <gtkmm/main.h>

#include "fenetre_pkg-callbacks.hpp"
#include "my_dialog.hpp"
#include "outils.hpp"

using namespace fenetre_pkg;
using namespace outils;

namespace {

int attache(Gtk::Widget& enfant, const char* propriete) {
    guint valeur = 0;
    gtk_container_child_get(GTK_CONTAINER(jeu->table_plateau.gobj()), enfant.gobj(), propriete, &valeur, nullptr);
    return static_cast<int>(valeur);
}

}  // namespace

using Fenetre = FenetreTest;

TEST_F(Fenetre, PlateauVideEtBoutonsSousLeursColonnes) {
    EXPECT_EQ(jeu->get_title(), "Quarlo 4");
    for (int i = 1; i <= nbr_ligne; ++i) {
        for (int j = 1; j <= nbr_colonne; ++j) {
            EXPECT_EQ(image_case(i, j), "vide");
            EXPECT_EQ(attache(jeu->image_case(i, j), "left-attach"), j - 1);
            EXPECT_EQ(attache(jeu->image_case(i, j), "top-attach"), i - 1);
        }
    }
    for (int j = 1; j <= nbr_colonne; ++j) {
        Gtk::Button& bouton = jeu->boutons[j - 1];
        EXPECT_EQ(bouton.get_label(), " " + std::to_string(j));
        EXPECT_EQ(attache(bouton, "left-attach"), j - 1);
        EXPECT_EQ(attache(bouton, "top-attach"), nbr_ligne);
    }
    EXPECT_EQ(barre_etat(), bienvenue);
    EXPECT_EQ(image_joueur(1), "humain-jaune");
    EXPECT_EQ(image_joueur(2), "humain-rouge");
    EXPECT_EQ(jeu->score_joueur1.get_text(), "0");
    EXPECT_EQ(jeu->nom_joueur2.get_text(), "");
    EXPECT_EQ(jeu->titre_joueur1.get_text(), "Joueur 1 (Pions Jaunes)");
    EXPECT_EQ(jeu->titre_joueur2.get_text(), "Joueur 2 (Pions Rouges)");
}

TEST_F(Fenetre, LesPanneauxDifferentParLeurAlignement) {
    float x = 0, y = 0;
    jeu->cadre_joueur1.get_label_align(x, y);
    EXPECT_EQ(x, 0.5f);
    EXPECT_EQ(y, 0.5f);
    jeu->cadre_joueur2.get_label_align(x, y);
    EXPECT_EQ(x, 0.0f);
    EXPECT_EQ(y, 0.0f);
    jeu->nom_joueur1.get_alignment(x, y);
    EXPECT_EQ(y, 1.0f);
    jeu->nom_joueur2.get_alignment(x, y);
    EXPECT_EQ(y, 0.5f);
}

TEST_F(Fenetre, ConstruireLesMenusNeLanceAucunGestionnaire) {
    // A handler run while building would turn this computer back into a human.
    donnees_joueurs(1) = {quarlo4::ORDINATEUR, "Témoin", 3, DUR};
    const fenetre_access autre = gtk_new();
    EXPECT_EQ(donnees_joueurs(1).genre, quarlo4::ORDINATEUR);
    EXPECT_TRUE(autre->humain1.get_active());
    EXPECT_FALSE(autre->facile1.get_active());
    EXPECT_TRUE(autre->humain2.get_active());
    EXPECT_FALSE(autre->dur2.get_active());
    delete autre;
}

TEST_F(Fenetre, LesQuatreAccelerateurs) {
    {
        Repondeur repondeur;
        EXPECT_TRUE(accelerateur(GDK_F1));
        EXPECT_TRUE(accelerateur(GDK_F12));
        ASSERT_EQ(repondeur.boites().size(), 2u);
        EXPECT_EQ(repondeur.boites()[0].titre, "Information");
        EXPECT_EQ(repondeur.textes()[0], callbacks::texte_aide(quarlo4::ORDINATEUR, quarlo4::type_plateau{}));
        EXPECT_EQ(repondeur.textes()[1], callbacks::texte_a_propos());
    }
    EXPECT_TRUE(accelerateur(GDK_F2));
    EXPECT_EQ(joueur_courant, 2);
    EXPECT_EQ(barre_etat(), "Premier a jouer : Joueur2");

    EXPECT_TRUE(fenetres_visibles<my_dialog::window_record>().empty());
    EXPECT_TRUE(accelerateur(GDK_F4, Gdk::MOD1_MASK));
    EXPECT_EQ(fenetres_visibles<my_dialog::window_record>().size(), 1u);
    EXPECT_FALSE(accelerateur(GDK_F3));
}

TEST_F(Fenetre, APropos) {
    cliquer(4);
    const quarlo4::type_plateau avant = plateau;
    Repondeur repondeur;
    jeu->a_propos.activate();
    jeu->a_propos.activate();
    ASSERT_EQ(repondeur.boites().size(), 2u);
    const std::string texte = repondeur.textes()[0];
    EXPECT_EQ(repondeur.textes()[1], texte);
    EXPECT_EQ(std::count(texte.begin(), texte.end(), '\n'), 1);
    const std::string ligne1 = texte.substr(0, texte.find('\n'));
    const std::string ligne2 = texte.substr(texte.find('\n') + 1);
    EXPECT_EQ(ligne1.rfind("QUARLO 4 :: Interface graphique et IA cree par ", 0), 0u);
    EXPECT_NE(ligne1.find(" ("), std::string::npos);
    EXPECT_EQ(ligne1.back(), ')');
    EXPECT_EQ(ligne2.rfind("Mode console realise par ", 0), 0u);
    EXPECT_NE(ligne2.find(", "), std::string::npos);
    EXPECT_NE(ligne2.find(" et "), std::string::npos);
    EXPECT_EQ(plateau, avant);
    EXPECT_EQ(joueur_courant, 2);
}

TEST_F(Fenetre, QuitterPuisNonLaissePartieIntacte) {
    cliquer(3);
    const quarlo4::type_plateau avant = plateau;
    jeu->quitter.activate();
    traiter_evenements();
    auto confirmations = fenetres_visibles<my_dialog::window_record>();
    ASSERT_EQ(confirmations.size(), 1u);
    EXPECT_EQ(confirmations[0]->get_title(), "Sortie");
    EXPECT_EQ(confirmations[0]->question.get_text(), "Etes-vous certain de vouloir quitter la partie?");
    const std::size_t fenetres = nombre_fenetres();
    confirmations[0]->bouton_non.clicked();
    traiter_evenements();
    EXPECT_TRUE(fenetres_visibles<my_dialog::window_record>().empty());
    EXPECT_EQ(nombre_fenetres(), fenetres - 1) << "the answered window is freed";
    EXPECT_EQ(plateau, avant);
    EXPECT_EQ(joueur_courant, 2);
    EXPECT_TRUE(jeu->get_visible());
}

TEST_F(Fenetre, DeuxConfirmationsFermeesChacuneParLaSienne) {
    jeu->quitter.activate();
    jeu->quitter.activate();
    traiter_evenements();
    auto confirmations = fenetres_visibles<my_dialog::window_record>();
    ASSERT_EQ(confirmations.size(), 2u);
    my_dialog::window_record* restante = confirmations[1];
    confirmations[0]->bouton_non.clicked();
    traiter_evenements();
    ASSERT_EQ(fenetres_visibles<my_dialog::window_record>().size(), 1u);
    EXPECT_EQ(fenetres_visibles<my_dialog::window_record>()[0], restante);
    fermer_par_le_cadre(*restante);
    EXPECT_TRUE(fenetres_visibles<my_dialog::window_record>().empty());
}

TEST_F(Fenetre, FermerLaFenetrePrincipaleDemandeConfirmation) {
    fermer_par_le_cadre(*jeu);
    EXPECT_TRUE(jeu->get_visible());
    EXPECT_EQ(fenetres_visibles<my_dialog::window_record>().size(), 1u);
}

TEST_F(Fenetre, OuiTermineLaBouclePrincipale) {
    jeu->quitter.activate();
    jeu->quitter.activate();
    traiter_evenements();
    bool delai_depasse = false;
    Glib::signal_idle().connect_once([] { fenetres_visibles<my_dialog::window_record>().at(1)->bouton_oui.clicked(); });
    sigc::connection garde = Glib::signal_timeout().connect(
        [&delai_depasse] {
            delai_depasse = true;
            Gtk::Main::quit();
            return false;
        },
        5000);
    Gtk::Main::run();
    garde.disconnect();
    EXPECT_FALSE(delai_depasse);
    EXPECT_EQ(Gtk::Main::level(), 0u);
}

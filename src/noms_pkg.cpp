#include "noms_pkg.hpp"

#include <gtkmm/stock.h>

#include <memory>

#include "fenetre_pkg.hpp"
#include "noms_pkg-callbacks.hpp"
#include "quarlo4_intl.hpp"

namespace noms_pkg {

using quarlo4_intl::_;

noms_record::noms_record()
    : bouton_annuler(Gtk::Stock::CANCEL), bouton_ok(Gtk::Stock::OK), table_noms(2, 2, false) {}

namespace {

void saisie(Gtk::Entry& entree) {
    entree.set_editable(true);
    entree.set_max_length(0);
    entree.set_width_chars(30);
    entree.set_text("");
    entree.set_visibility(true);
    entree.set_invisible_char('*');
}

}  // namespace

void noms_record::initialize() {
    namespace cb = callbacks;

    set_title(_("Changement des Noms"));
    set_position(Gtk::WIN_POS_CENTER);
    set_modal(false);
    set_resizable(false);

    for (Gtk::Button* bouton : {&bouton_annuler, &bouton_ok}) {
        bouton->set_relief(Gtk::RELIEF_NORMAL);
        bouton->set_flags(Gtk::CAN_DEFAULT);
        get_action_area()->pack_start(*bouton, Gtk::PACK_EXPAND_WIDGET);
    }
    bouton_annuler.signal_clicked().connect(
        sigc::bind(sigc::ptr_fun(&cb::on_cancel_clicked), sigc::ref(bouton_annuler)));
    bouton_ok.signal_clicked().connect(sigc::bind(sigc::ptr_fun(&cb::on_ok_clicked), sigc::ref(bouton_ok)));

    table_noms.set_border_width(6);
    table_noms.set_row_spacings(10);
    table_noms.set_col_spacings(10);
    fenetre_pkg::etiquette(libelle_joueur1, _("Joueur 1"), 0.0, 0.5);
    table_noms.attach(libelle_joueur1, 0, 1, 0, 1, Gtk::FILL, Gtk::EXPAND | Gtk::FILL);
    fenetre_pkg::etiquette(libelle_joueur2, _("Joueur 2"), 0.0, 0.5);
    table_noms.attach(libelle_joueur2, 0, 1, 1, 2, Gtk::FILL, Gtk::EXPAND | Gtk::FILL);
    saisie(saisie_joueur1);
    table_noms.attach(saisie_joueur1, 1, 2, 0, 1);
    saisie(saisie_joueur2);
    table_noms.attach(saisie_joueur2, 1, 2, 1, 2);
    get_vbox()->pack_start(table_noms, Gtk::PACK_EXPAND_WIDGET);
}

noms_access gtk_new() {
    auto dialogue = std::make_unique<noms_record>();
    dialogue->initialize();
    noms_access cree = dialogue.release();
    cree->signal_hide().connect([cree] {
        if (fenetre_pkg::noms == cree) fenetre_pkg::noms = nullptr;
    });
    fenetre_pkg::detruire_a_la_fermeture(*cree);
    return cree;
}

}  // namespace noms_pkg

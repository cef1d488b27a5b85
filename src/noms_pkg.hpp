// The players' names dialog.
#pragma once

#include <gtkmm/button.h>
#include <gtkmm/dialog.h>
#include <gtkmm/entry.h>
#include <gtkmm/label.h>
#include <gtkmm/table.h>

namespace noms_pkg {

class noms_record : public Gtk::Dialog {
public:
    noms_record();

    Gtk::Button bouton_annuler;
    Gtk::Button bouton_ok;
    Gtk::Table table_noms;
    Gtk::Label libelle_joueur1;
    Gtk::Label libelle_joueur2;
    Gtk::Entry saisie_joueur1;
    Gtk::Entry saisie_joueur2;

    void initialize();
};
using noms_access = noms_record*;

// A new, hidden dialog with empty entries. It deletes itself once closed,
// and `fenetre_pkg::noms` forgets it at that moment if it referred to it.
noms_access gtk_new();

}  // namespace noms_pkg

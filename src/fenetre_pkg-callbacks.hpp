// Handlers of the main window: the game flow, the players' kinds and levels,
// the names, the quit confirmation, the move advice and the About box. Each
// takes the widget that emitted the signal and ignores it unless it says so.
#pragma once

#include <gtkmm/button.h>
#include <gtkmm/menuitem.h>
#include <gtkmm/radiomenuitem.h>

#include <string>

#include "quarlo4.hpp"

namespace fenetre_pkg::callbacks {

void on_button_clicked(Gtk::Button& bouton, int colonne);
void interaction_bouton(int colonne);
void ordinateur();
void on_nouveau(Gtk::MenuItem& item);

// Each acts only when its item is active once the emission has run: GTK also
// emits "activate" on the radio item being turned off.
void on_humain1(Gtk::RadioMenuItem& item);
void on_facile1(Gtk::RadioMenuItem& item);
void on_moyen1(Gtk::RadioMenuItem& item);
void on_dur1(Gtk::RadioMenuItem& item);
void on_humain2(Gtk::RadioMenuItem& item);
void on_facile2(Gtk::RadioMenuItem& item);
void on_moyen2(Gtk::RadioMenuItem& item);
void on_dur2(Gtk::RadioMenuItem& item);

void on_noms(Gtk::MenuItem& item);

void on_quitter(Gtk::MenuItem& item);
void on_oui_clicked(Gtk::Button& bouton);
// Closes the confirmation window that holds `bouton`.
void on_non_clicked(Gtk::Button& bouton);

void on_aide(Gtk::MenuItem& item);
// The advice for `cote` to move on `plateau`, as the advice box shows it.
std::string texte_aide(quarlo4::type_joueur cote, const quarlo4::type_plateau& plateau);

void on_about(Gtk::MenuItem& item);
std::string texte_a_propos();

}  // namespace fenetre_pkg::callbacks

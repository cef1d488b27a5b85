#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <gtkmm/main.h>

int main(int argc, char** argv) {
    // Every GTK warning or critical becomes fatal: a misuse of the toolkit
    // fails the test that caused it.
    gtk_test_init(&argc, &argv, nullptr);
    Gtk::Main kit(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

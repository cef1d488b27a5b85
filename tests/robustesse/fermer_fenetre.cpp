// Asks a window to close as a window manager does when its frame's close
// button is clicked: a WM_DELETE_WINDOW message. No window manager runs
// under Xvfb, and xdotool can only destroy a window outright.
//   fermer_fenetre ID      (ID as xdotool prints it, decimal or 0x hex)
#include <X11/Xlib.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    char* fin = nullptr;
    errno = 0;
    const unsigned long id = argc == 2 ? std::strtoul(argv[1], &fin, 0) : 0;
    if (argc != 2 || id == 0 || errno != 0 || *fin != '\0') {
        std::fprintf(stderr, "usage : %s ID_DE_FENETRE (un nombre, décimal ou 0x...)\n", argv[0]);
        return 2;
    }
    Display* affichage = XOpenDisplay(nullptr);
    if (affichage == nullptr) {
        std::fprintf(stderr, "%s : impossible d'ouvrir l'affichage « %s »\n", argv[0], XDisplayName(nullptr));
        return 1;
    }
    XEvent message{};
    message.xclient.type = ClientMessage;
    message.xclient.window = id;
    message.xclient.message_type = XInternAtom(affichage, "WM_PROTOCOLS", False);
    message.xclient.format = 32;
    message.xclient.data.l[0] = static_cast<long>(XInternAtom(affichage, "WM_DELETE_WINDOW", False));
    message.xclient.data.l[1] = CurrentTime;
    const Status envoye = XSendEvent(affichage, id, False, NoEventMask, &message);
    XSync(affichage, False);
    XCloseDisplay(affichage);
    if (envoye == 0) {
        std::fprintf(stderr, "%s : message refusé pour la fenêtre %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}

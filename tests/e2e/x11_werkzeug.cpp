// Small X11 helper for the end-to-end check of the real window:
//   x11_werkzeug schliessen <window-id>             asks the window to close (WM_DELETE_WINDOW),
//                                                  as a window manager's close button does
//   x11_werkzeug bild <window-id> X Y W H <datei>  writes that part of the window as a binary PPM
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

int Schliessen(Display* Anzeige, Window Fenster) {
    XEvent Ereignis{};
    Ereignis.xclient.type = ClientMessage;
    Ereignis.xclient.window = Fenster;
    Ereignis.xclient.message_type = XInternAtom(Anzeige, "WM_PROTOCOLS", False);
    Ereignis.xclient.format = 32;
    Ereignis.xclient.data.l[0] = static_cast<long>(XInternAtom(Anzeige, "WM_DELETE_WINDOW", False));
    Ereignis.xclient.data.l[1] = CurrentTime;
    XSendEvent(Anzeige, Fenster, False, NoEventMask, &Ereignis);
    XFlush(Anzeige);
    return 0;
}

int Bild(Display* Anzeige, Window Fenster, int x, int y, unsigned w, unsigned h, const char* Datei) {
    XImage* Abbild = XGetImage(Anzeige, Fenster, x, y, w, h, AllPlanes, ZPixmap);
    if (Abbild == nullptr) {
        std::fprintf(stderr, "XGetImage failed\n");
        return 1;
    }
    std::FILE* Ausgabe = std::fopen(Datei, "wb");
    if (Ausgabe == nullptr) {
        std::perror(Datei);
        XDestroyImage(Abbild);
        return 1;
    }
    std::fprintf(Ausgabe, "P6\n%u %u\n255\n", w, h);
    for (unsigned Zeile = 0; Zeile < h; ++Zeile) {
        for (unsigned Spalte = 0; Spalte < w; ++Spalte) {
            const unsigned long p = XGetPixel(Abbild, static_cast<int>(Spalte), static_cast<int>(Zeile));
            const unsigned char rgb[3] = {static_cast<unsigned char>(p >> 16),
                                          static_cast<unsigned char>(p >> 8),
                                          static_cast<unsigned char>(p)};
            std::fwrite(rgb, 1, 3, Ausgabe);
        }
    }
    std::fclose(Ausgabe);
    XDestroyImage(Abbild);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s schliessen|bild <window-id> ...\n", argv[0]);
        return 2;
    }
    Display* Anzeige = XOpenDisplay(nullptr);
    if (Anzeige == nullptr) {
        std::fprintf(stderr, "cannot open display\n");
        return 1;
    }
    const Window Fenster = std::strtoul(argv[2], nullptr, 0);
    const std::string Befehl = argv[1];
    int Ergebnis = 2;
    if (Befehl == "schliessen") {
        Ergebnis = Schliessen(Anzeige, Fenster);
    } else if (Befehl == "bild" && argc == 8) {
        Ergebnis = Bild(Anzeige, Fenster, std::atoi(argv[3]), std::atoi(argv[4]),
                        static_cast<unsigned>(std::atoi(argv[5])),
                        static_cast<unsigned>(std::atoi(argv[6])), argv[7]);
    }
    XCloseDisplay(Anzeige);
    return Ergebnis;
}

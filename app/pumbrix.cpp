// The program: one window, shown until it is closed.

#include "app/uumbrix.h"

#include <QApplication>
#include <QIcon>

#include <memory>

int main(int argc, char** argv) {
    QApplication Anwendung(argc, argv);
    // The name, not the display name: Qt appends a display name to every
    // window title, and the title here is the application's own.
    QApplication::setApplicationName(QString::fromUtf8(umbrix::Anwendungstitel));
    const auto Fenster = std::make_unique<umbrix::TFUmbrix>();
    QApplication::setWindowIcon(Fenster->windowIcon());
    Fenster->show();
    return QApplication::exec();
}

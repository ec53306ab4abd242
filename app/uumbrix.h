#pragma once

#include "map/kueste.h"
#include "map/raster.h"

#include <QWidget>

#include <cstdint>
#include <optional>
#include <vector>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTimer;

namespace umbrix {

// The application's title: the caption of every error report.
inline constexpr const char* Anwendungstitel = "Umbrix";
inline constexpr const char* ZuWenigTimer = "Not enough timers available";

// The main window: the map above a panel with the time fields, the buttons,
// the options and the two timers. It owns all state of the program.
//
// The handlers are public slots. Called directly they let an error (Fehler)
// propagate; run from an event (a click, a tick, a paint, showing or resizing)
// the error is reported in a message box and the program goes on.
class TFUmbrix : public QWidget {
    Q_OBJECT

public:
    explicit TFUmbrix(QWidget* Eltern = nullptr);
    ~TFUmbrix() override;

    QFrame* Panel1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QPushButton* BDarstellung;
    QPushButton* BSimulation;
    QPushButton* BAktuell;
    QLineEdit* ETag;
    QLineEdit* EMonat;
    QLineEdit* EStunden;
    QLineEdit* EMinuten;
    QRadioButton* RMinute;
    QRadioButton* RTag;
    QCheckBox* CSommerzeit;
    QCheckBox* CSonnenOrt;
    QCheckBox* CAktuell;
    QCheckBox* CGradNetz;
    QWidget* Paintbox1;
    QTimer* Timer2;
    QTimer* Timer1;

public slots:
    void CAktuellClick();
    void Timer2Timer();
    void CGradNetzClick();
    void BDarstellungClick();
    void BSimulationClick();
    void Timer1Timer();
    void BAktuellClick();
    void FormShow();
    void FormDestroy();

public:
    std::optional<Bitmap> Karte; // the cached base map, absent until the next draw
    int32_t KuestenAnzahl = 0;
    std::vector<KuestenPunkt> Kueste;

protected:
    void showEvent(QShowEvent* Ereignis) override;
    void resizeEvent(QResizeEvent* Ereignis) override;

private:
    void OberflaecheAnlegen();
    void Verdrahten();
    void Anordnen();
    void Zentrieren();

    // Runs a handler inside the catch-all that reports its error.
    bool Absichern(void (TFUmbrix::*Handler)());
    void Melden(const char* Nachricht);

    void UhrzeitEintragen();
    void BildZeigen();
    void PaintboxMalen();

    Bitmap Bild;                      // the last composed frame, storage reused
    bool NurZeigen = false;           // the pending paint shows Bild without composing
    QPainter* Malereignis = nullptr;  // set while a paint of Paintbox1 composes a frame
    bool BerichtOffen = false;        // an error report is on screen
    bool ZentriertGezeigt = false;    // the first showing has placed the window
    QScrollBar* Rollbalken = nullptr; // shown only while the client area is lower than the panel
};

// The main window for the whole run of the program.
extern TFUmbrix* FUmbrix;

} // namespace umbrix

// The window's names are the program's own; they are reachable unqualified too.
using umbrix::FUmbrix;
using umbrix::TFUmbrix;

#include "app/uumbrix.h"

#include "app/feldwert.h"
#include "app/meldung.h"
#include "app/simulation.h"
#include "map/bild.h"
#include "map/karte.h"
#include "sky/fehler.h"

#include <QCheckBox>
#include <QDate>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QTime>
#include <QTimer>

#include <algorithm>
#include <exception>
#include <functional>
#include <limits>
#include <utility>

namespace umbrix {

TFUmbrix* FUmbrix = nullptr;

namespace {

constexpr const char* Fenstertitel = "Umbrix, Tag- und Nachtgrenze";
constexpr const char* Symbolpfad = ":/umbrix.png";

constexpr int ClientBreite = 1036;
constexpr int ClientHoehe = 719;
constexpr int PanelHoehe = 86;
constexpr int BevelBreite = 1;

// "Verdana" where it exists; fontconfig's stand-in otherwise.
const QStringList Schriftfamilien{"Verdana", "DejaVu Sans"};
constexpr int FensterSchrifthoehe = 13;
constexpr int PanelSchrifthoehe = 12;

constexpr int SimulationsTakt = 10;        // ms
constexpr int AktualisierungsTakt = 10000; // ms

const QString SimulationText = QStringLiteral("Simulation");
const QString StoppText = QStringLiteral("Stopp");

struct Platz {
    int Links;
    int Oben;
    int Breite;
    int Hoehe;
};

QFont Schrift(int Pixelhoehe) {
    QFont F;
    F.setFamilies(Schriftfamilien);
    F.setPixelSize(Pixelhoehe);
    F.setWeight(QFont::Normal);
    return F;
}

void Platzieren(QWidget* W, Platz P) {
    W->setGeometry(P.Links, P.Oben, P.Breite, P.Hoehe);
}

QLineEdit* Eingabefeld(QWidget* Panel, Platz P) {
    auto* E = new QLineEdit(Panel);
    Platzieren(E, P);
    E->setMaxLength(std::numeric_limits<int>::max());
    return E;
}

QPushButton* Knopf(QWidget* Panel, const char* Text, Platz P) {
    auto* B = new QPushButton(QString::fromUtf8(Text), Panel);
    Platzieren(B, P);
    B->setAutoDefault(false);
    B->setDefault(false);
    return B;
}

template <class Art> Art* Beschriftet(QWidget* Panel, const char* Text, Platz P) {
    auto* W = new Art(QString::fromUtf8(Text), Panel);
    Platzieren(W, P);
    return W;
}

int32_t Feld(const QLineEdit* E) {
    return FeldWert(E->text().toStdString());
}

void Eintragen(QLineEdit* E, int Wert) {
    E->setText(QString::number(Wert));
}

// Enabling an enabled timer leaves its period running.
void TimerSchalten(QTimer* T, bool An) {
    if (!An) {
        T->stop();
        return;
    }
    if (T->isActive()) {
        return;
    }
    T->start();
    if (!T->isActive()) {
        throw Fehler(ZuWenigTimer);
    }
}

// The paint area: every paint goes to the window.
class Malflaeche : public QWidget {
public:
    Malflaeche(std::function<void()> Malen, QWidget* Eltern)
        : QWidget(Eltern), Malen_(std::move(Malen)) {}

protected:
    void paintEvent(QPaintEvent*) override { Malen_(); }

private:
    std::function<void()> Malen_;
};

} // namespace

TFUmbrix::TFUmbrix(QWidget* Eltern) : QWidget(Eltern) {
    FUmbrix = this;
    OberflaecheAnlegen();
    Verdrahten();
}

TFUmbrix::~TFUmbrix() {
    FormDestroy();
    if (FUmbrix == this) {
        FUmbrix = nullptr;
    }
}

void TFUmbrix::OberflaecheAnlegen() {
    setWindowTitle(QString::fromUtf8(Fenstertitel));
    setWindowIcon(QIcon(QString::fromUtf8(Symbolpfad)));
    setFont(Schrift(FensterSchrifthoehe));
    QPalette Hintergrund = palette();
    Hintergrund.setColor(QPalette::Window, Qt::white);
    setPalette(Hintergrund);
    setAutoFillBackground(true);

    Paintbox1 = new Malflaeche([this] { PaintboxMalen(); }, this);
    // Every paint covers the whole area, with a frame or with the background.
    Paintbox1->setAttribute(Qt::WA_OpaquePaintEvent);
    Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(BevelBreite);
    Panel1->setFont(Schrift(PanelSchrifthoehe));
    Panel1->setAutoFillBackground(true);
    Rollbalken = new QScrollBar(Qt::Vertical, this);
    Rollbalken->hide();
    connect(Rollbalken, &QScrollBar::valueChanged, this, &TFUmbrix::Anordnen);
    resize(ClientBreite, ClientHoehe);
    Anordnen();

    Label1 = Beschriftet<QLabel>(Panel1, "Tag", {24, 20, 22, 14});
    Label2 = Beschriftet<QLabel>(Panel1, "Monat", {120, 20, 39, 14});
    Label3 = Beschriftet<QLabel>(Panel1, "Stunden", {240, 20, 53, 14});
    Label4 = Beschriftet<QLabel>(Panel1, "Minuten", {368, 20, 50, 14});
    ETag = Eingabefeld(Panel1, {56, 16, 49, 22});
    EMonat = Eingabefeld(Panel1, {168, 16, 49, 22});
    EStunden = Eingabefeld(Panel1, {304, 16, 49, 22});
    EMinuten = Eingabefeld(Panel1, {432, 16, 49, 22});
    RMinute = Beschriftet<QRadioButton>(Panel1, "Minuten verändern", {744, 16, 145, 17});
    RTag = Beschriftet<QRadioButton>(Panel1, "Tage verändern", {744, 36, 129, 17});
    CSommerzeit = Beschriftet<QCheckBox>(Panel1, "Sommerzeit berücksichtigen", {24, 52, 209, 17});
    CSonnenOrt = Beschriftet<QCheckBox>(Panel1, "Sonnenort", {248, 52, 97, 17});
    CAktuell = Beschriftet<QCheckBox>(Panel1, "Aktualisieren", {360, 52, 113, 17});
    CGradNetz = Beschriftet<QCheckBox>(Panel1, "Gradnetz", {480, 52, 97, 17});
    BDarstellung = Knopf(Panel1, "Darstellen", {504, 14, 100, 25});
    BSimulation = Knopf(Panel1, "Simulation", {616, 14, 100, 25});
    BAktuell = Knopf(Panel1, "Aktuelle Zeit", {616, 48, 100, 25});

    QWidget* Reihenfolge[] = {ETag,         EMonat,      EStunden,   EMinuten, RMinute,
                              RTag,         CSommerzeit, CSonnenOrt, CAktuell, CGradNetz,
                              BDarstellung, BSimulation, BAktuell};
    for (std::size_t i = 1; i < std::size(Reihenfolge); ++i) {
        setTabOrder(Reihenfolge[i - 1], Reihenfolge[i]);
    }
    ETag->setFocus();

    RMinute->setChecked(true);
    CSommerzeit->setChecked(true);
    CSonnenOrt->setChecked(true);
    CGradNetz->setChecked(true);

    Timer1 = new QTimer(this);
    Timer1->setInterval(SimulationsTakt);
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer2 = new QTimer(this);
    Timer2->setInterval(AktualisierungsTakt);
    Timer2->setTimerType(Qt::PreciseTimer);
}

// Connected only after the initial states are set, so applying them runs no handler.
void TFUmbrix::Verdrahten() {
    // Only the selected radio button is a tab stop; the group is one stop.
    auto TabStopFolgen = [this] {
        for (QRadioButton* R : {RMinute, RTag}) {
            R->setFocusPolicy(R->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
        }
    };
    TabStopFolgen();
    connect(RMinute, &QRadioButton::toggled, this, TabStopFolgen);

    auto Bei = [this](auto* Sender, auto Signal, void (TFUmbrix::*Handler)()) {
        connect(Sender, Signal, this, [this, Handler] { Absichern(Handler); });
    };
    Bei(BDarstellung, &QPushButton::clicked, &TFUmbrix::BDarstellungClick);
    Bei(CSommerzeit, &QCheckBox::toggled, &TFUmbrix::BDarstellungClick);
    Bei(CSonnenOrt, &QCheckBox::toggled, &TFUmbrix::BDarstellungClick);
    Bei(CGradNetz, &QCheckBox::toggled, &TFUmbrix::CGradNetzClick);
    Bei(CAktuell, &QCheckBox::toggled, &TFUmbrix::CAktuellClick);
    Bei(BSimulation, &QPushButton::clicked, &TFUmbrix::BSimulationClick);
    Bei(BAktuell, &QPushButton::clicked, &TFUmbrix::BAktuellClick);
    Bei(Timer1, &QTimer::timeout, &TFUmbrix::Timer1Timer);
    Bei(Timer2, &QTimer::timeout, &TFUmbrix::Timer2Timer);
}

bool TFUmbrix::Absichern(void (TFUmbrix::*Handler)()) {
    try {
        (this->*Handler)();
        return true;
    } catch (const std::exception& Fehlschlag) {
        Melden(Fehlschlag.what());
        return false;
    }
}

// The report does not block: the event loop, and with it the timers, go on.
// While one report is open, further failures are not reported.
void TFUmbrix::Melden(const char* Nachricht) {
    if (BerichtOffen) {
        return;
    }
    BerichtOffen = true;
    auto* Bericht =
        new QMessageBox(QMessageBox::Critical, QString::fromUtf8(Anwendungstitel),
                        QString::fromStdString(Meldungstext(Nachricht)), QMessageBox::Ok, this);
    Bericht->setAttribute(Qt::WA_DeleteOnClose);
    Bericht->setWindowModality(Qt::ApplicationModal);
    connect(Bericht, &QMessageBox::finished, this, [this] { BerichtOffen = false; });
    Bericht->show();
}

void TFUmbrix::showEvent(QShowEvent* Ereignis) {
    QWidget::showEvent(Ereignis);
    if (Ereignis->spontaneous()) {
        return;
    }
    Absichern(&TFUmbrix::FormShow);
    if (!ZentriertGezeigt) {
        ZentriertGezeigt = true;
        Zentrieren();
    }
}

void TFUmbrix::resizeEvent(QResizeEvent* Ereignis) {
    QWidget::resizeEvent(Ereignis);
    Anordnen();
    Absichern(&TFUmbrix::FormShow);
}

// The panel keeps its height at the bottom and the paint area takes the rest.
// A client area lower than the panel scrolls vertically; a narrow one cuts the
// panel off on the right.
void TFUmbrix::Anordnen() {
    const int Hoehe = height();
    const bool Bildlauf = Hoehe < PanelHoehe;
    const int Breite = Bildlauf ? std::max(0, width() - Rollbalken->sizeHint().width()) : width();
    Rollbalken->setRange(0, Bildlauf ? PanelHoehe - Hoehe : 0);
    Rollbalken->setPageStep(Hoehe);
    Rollbalken->setGeometry(Breite, 0, width() - Breite, Hoehe);
    Rollbalken->setVisible(Bildlauf);
    const int Kartenhoehe = std::max(0, Hoehe - PanelHoehe);
    Paintbox1->setGeometry(0, 0, Breite, Kartenhoehe);
    Panel1->setGeometry(0, Kartenhoehe - Rollbalken->value(), Breite, PanelHoehe);
}

void TFUmbrix::Zentrieren() {
    const QScreen* Bildschirm = screen();
    if (Bildschirm == nullptr) {
        return;
    }
    const QRect Ganz = Bildschirm->geometry();
    const QSize Aussen = frameGeometry().size();
    move(Ganz.left() + std::max(0, (Ganz.width() - Aussen.width()) / 2),
         Ganz.top() + std::max(0, (Ganz.height() - Aussen.height()) / 2));
}

void TFUmbrix::UhrzeitEintragen() {
    const QTime Zeit = QTime::currentTime();
    Eintragen(EStunden, Zeit.hour());
    Eintragen(EMinuten, Zeit.minute());
    const QDate Datum = QDate::currentDate();
    Eintragen(ETag, Datum.day());
    Eintragen(EMonat, Datum.month());
}

void TFUmbrix::FormShow() {
    KuesteLaden(Kueste, KuestenAnzahl);
    Karte.reset();
    UhrzeitEintragen();
}

void TFUmbrix::FormDestroy() {
    Karte.reset();
    Kueste.clear();
    Kueste.shrink_to_fit();
}

void TFUmbrix::BDarstellungClick() {
    const int32_t W = Paintbox1->width();
    const int32_t H = Paintbox1->height();
    const Geometrie G = GeometrieBerechnen(W, H);
    // A base map of another size is left only by a failed reload of the
    // coastlines at a resize; it is rebuilt like an absent one.
    if (!Karte || Karte->Breite != W || Karte->Hoehe != H) {
        KarteAufbauen(Karte, W, H, G, Kueste, KuestenAnzahl, CGradNetz->isChecked());
    }
    const Bildvorgabe Vorgabe{
        .Tag = Feld(ETag),
        .Monat = Feld(EMonat),
        .Stunde = Feld(EStunden),
        .Minute = Feld(EMinuten),
        .Jahr = static_cast<uint16_t>(QDate::currentDate().year()),
        .Sommerzeit = CSommerzeit->isChecked(),
        .SonnenOrt = CSonnenOrt->isChecked(),
    };
    BildZeichnen(Bild, *Karte, G, Vorgabe);
    BildZeigen();
}

// Inside a paint of Paintbox1 the frame goes straight onto it; otherwise the
// paint box is repainted at once with the frame just composed.
void TFUmbrix::BildZeigen() {
    if (Malereignis != nullptr) {
        Malereignis->drawImage(0, 0, AlsQImage(Bild));
        return;
    }
    NurZeigen = true;
    Paintbox1->repaint();
    NurZeigen = false;
}

void TFUmbrix::PaintboxMalen() {
    QPainter Maler(Paintbox1);
    if (NurZeigen) {
        Maler.drawImage(0, 0, AlsQImage(Bild));
        return;
    }
    Malereignis = &Maler;
    const bool Gezeichnet = Absichern(&TFUmbrix::BDarstellungClick);
    Malereignis = nullptr;
    // Nothing of a failed frame is shown.
    if (!Gezeichnet) {
        Maler.fillRect(Paintbox1->rect(), palette().color(QPalette::Window));
    }
}

void TFUmbrix::CGradNetzClick() {
    Karte.reset();
    BDarstellungClick();
}

void TFUmbrix::BAktuellClick() {
    UhrzeitEintragen();
    BDarstellungClick();
}

void TFUmbrix::Timer2Timer() {
    BAktuellClick();
}

void TFUmbrix::CAktuellClick() {
    TimerSchalten(Timer2, CAktuell->isChecked());
}

void TFUmbrix::BSimulationClick() {
    TimerSchalten(Timer1, !Timer1->isActive());
    if (Timer1->isActive()) {
        CAktuell->setChecked(false);
        BSimulation->setText(StoppText);
    } else {
        BSimulation->setText(SimulationText);
    }
}

void TFUmbrix::Timer1Timer() {
    const int32_t Tag = Feld(ETag);
    const int32_t Monat = Feld(EMonat);
    const int32_t Stunde = Feld(EStunden);
    const int32_t Minute = Feld(EMinuten);
    const Zeitpunkt Neu =
        SimulationsSchritt(Tag, Monat, Stunde, Minute,
                           RMinute->isChecked() ? Schrittweite::ZweiMinuten : Schrittweite::EinTag);
    Eintragen(EMinuten, Neu.Minute);
    Eintragen(EStunden, Neu.Stunde);
    Eintragen(ETag, Neu.Tag);
    Eintragen(EMonat, Neu.Monat);
    BDarstellungClick();
}

} // namespace umbrix

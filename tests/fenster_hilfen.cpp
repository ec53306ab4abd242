#include "fenster_hilfen.h"

#include "app/feldwert.h"
#include "map/bild.h"
#include "map/karte.h"

#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTest>

#include <optional>

using namespace umbrix;

char* toString(const Felder& W) {
    return QTest::toString(W.Tag + ' ' + W.Monat + ' ' + W.Stunden + ' ' + W.Minuten);
}

Felder FelderLesen(const TFUmbrix& F) {
    return {F.ETag->text(), F.EMonat->text(), F.EStunden->text(), F.EMinuten->text()};
}

void FelderSetzen(TFUmbrix& F, const Felder& W) {
    F.ETag->setText(W.Tag);
    F.EMonat->setText(W.Monat);
    F.EStunden->setText(W.Stunden);
    F.EMinuten->setText(W.Minuten);
}

QList<QMessageBox*> OffeneBerichte() {
    QList<QMessageBox*> Offen;
    for (QWidget* W : QApplication::topLevelWidgets()) {
        auto* Box = qobject_cast<QMessageBox*>(W);
        if (Box != nullptr && Box->isVisible()) {
            Offen << Box;
        }
    }
    return Offen;
}

void BerichteSchliessen() {
    for (QMessageBox* Box : OffeneBerichte()) {
        Box->accept();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QImage Angezeigt(const TFUmbrix& F) {
    const QPoint Ort = F.Paintbox1->mapTo(&F, QPoint(0, 0));
    return F.screen()
        ->grabWindow(F.winId(), Ort.x(), Ort.y(), F.Paintbox1->width(), F.Paintbox1->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QImage Erwartet(const TFUmbrix& F, bool GradNetz) {
    const int32_t W = F.Paintbox1->width();
    const int32_t H = F.Paintbox1->height();
    const Geometrie G = GeometrieBerechnen(W, H);
    std::optional<Bitmap> Karte;
    KarteAufbauen(Karte, W, H, G, F.Kueste, F.KuestenAnzahl, GradNetz);
    const Bildvorgabe V{FeldWert(F.ETag->text().toStdString()),
                        FeldWert(F.EMonat->text().toStdString()),
                        FeldWert(F.EStunden->text().toStdString()),
                        FeldWert(F.EMinuten->text().toStdString()),
                        static_cast<uint16_t>(QDate::currentDate().year()),
                        F.CSommerzeit->isChecked(),
                        F.CSonnenOrt->isChecked()};
    Bitmap Bild;
    BildZeichnen(Bild, *Karte, G, V);
    return AlsQImage(Bild).convertToFormat(QImage::Format_RGB32).copy();
}

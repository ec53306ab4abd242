#pragma once

// What the window tests share: the four fields as one value, the open error
// reports, and the picture shown against the frame the map layer composes.
#include "app/uumbrix.h"

#include <QImage>
#include <QList>
#include <QMetaType>
#include <QString>

class QMessageBox;

struct Felder {
    QString Tag, Monat, Stunden, Minuten;
    bool operator==(const Felder&) const = default;
};
Q_DECLARE_METATYPE(Felder)

// For QCOMPARE's report of a mismatch.
char* toString(const Felder& W);

Felder FelderLesen(const TFUmbrix& F);
void FelderSetzen(TFUmbrix& F, const Felder& W);

QList<QMessageBox*> OffeneBerichte();
void BerichteSchliessen();

// What the screen shows of the paint area: the window's backing store, not a
// fresh rendering.
QImage Angezeigt(const TFUmbrix& F);

// The frame the map layer composes for the window's fields and options, on a
// base map built with or without the graticule.
QImage Erwartet(const TFUmbrix& F, bool GradNetz = true);

// The menu Tabelle: the tables of the tariff file as radio items; choosing one calculates the case
// in it.
#pragma once

#include <QString>

#include "tariftabellen.h"

class QMenu;

namespace korvalt {

class Hauptfenster;

// Adds the menu before Hilfe. Its items are made each time it opens, from the tables of the
// tariff file the case was loaded with, and the case's table is the checked one.
QMenu* tabellenmenueAnlegen(Hauptfenster& fenster);

// The item of a table: its caption without "Tariftabellen Stand ", in ordinary capitals ("Mai
// 2026", "Januar 2006 West"); a table by date as it names itself ("VKA nach Datum").
QString tabellenmenuetext(const Tariftabelle& tabelle);

}  // namespace korvalt

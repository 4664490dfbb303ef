// The reasons of failed file operations in German, and the number for the rest.
#include <gtest/gtest.h>

#include <cerrno>

#include "systemfehler.h"

using namespace korvalt;

TEST(Systemfehler, DeutscheGruendeUndSonstDieNummer) {
    const std::pair<int, const char*> faelle[] = {
        {ENOSPC, "Auf dem Datenträger ist kein Platz mehr frei"},
        {EDQUOT, "Der zugeteilte Speicherplatz (Quota) ist aufgebraucht"},
        {EFBIG, "Die Datei überschreitet die erlaubte Dateigröße"},
        {EROFS, "Der Datenträger ist schreibgeschützt"},
        {EACCES, "Keine Berechtigung"},
        {EPERM, "Keine Berechtigung"},
        {EISDIR, "Unter diesem Namen gibt es einen Ordner"},
        {ENOENT, "Der Ordner oder die Datei existiert nicht"},
        {ENAMETOOLONG, "Der Dateiname ist zu lang"},
        {EIO, "Ein- oder Ausgabefehler des Datenträgers"},
        {EXDEV, "Systemfehler Nr. 18"},
    };
    for (const auto& [nummer, text] : faelle) EXPECT_EQ(systemfehlerText(nummer), text) << nummer;
}

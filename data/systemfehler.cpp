// German texts for the errno values a file operation meets in practice.
#include "systemfehler.h"

#include <cerrno>

namespace korvalt {

std::string systemfehlerText(int nummer) {
    switch (nummer) {
        case ENOSPC:
            return "Auf dem Datenträger ist kein Platz mehr frei";
        case EDQUOT:
            return "Der zugeteilte Speicherplatz (Quota) ist aufgebraucht";
        case EFBIG:
            return "Die Datei überschreitet die erlaubte Dateigröße";
        case EROFS:
            return "Der Datenträger ist schreibgeschützt";
        case EACCES:
        case EPERM:
            return "Keine Berechtigung";
        case EISDIR:
            return "Unter diesem Namen gibt es einen Ordner";
        case ENOENT:
            return "Der Ordner oder die Datei existiert nicht";
        case ENAMETOOLONG:
            return "Der Dateiname ist zu lang";
        case ELOOP:
            return "Die symbolischen Verknüpfungen führen im Kreis";
        case EIO:
            return "Ein- oder Ausgabefehler des Datenträgers";
        default:
            return "Systemfehler Nr. " + std::to_string(nummer);
    }
}

}  // namespace korvalt

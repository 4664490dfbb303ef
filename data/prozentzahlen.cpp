// Percent and hour texts of the calendar settings.
#include "prozentzahlen.h"

#include "bruchrundung.h"
#include "dezimaltext.h"
#include "festertext.h"

namespace korvalt {

std::optional<int> anteilLesen(std::string_view text, std::string& fehler) {
    const auto wert = dezimalLesen(text, 2);
    if (!wert) {
        fehler = zitat(getrimmt(text)) +
                 " ist kein Arbeitszeitanteil (Prozent mit höchstens zwei Nachkommastellen, "
                 "etwa 87,5).";
        return std::nullopt;
    }
    if (*wert < kleinsterAnteil || *wert > vollzeitAnteil) {
        fehler = "Der Arbeitszeitanteil " + anteilText(static_cast<int>(*wert)) +
                 " liegt nicht zwischen 1 und 100 %.";
        return std::nullopt;
    }
    return static_cast<int>(*wert);
}

std::string anteilText(int anteil) {
    return ohneNullenAmEnde(dezimalText(anteil, 2)) + " %";
}

std::string wochenstundenText(int anteil) {
    const long long hundertstel =
        geteiltGerundet(std::int64_t{anteil} * vollzeitWochenstunden, 100);
    return ohneNullenAmEnde(dezimalText(hundertstel, 2)) + " Std./Woche";
}

std::optional<int> erhoehungLesen(std::string_view text, std::string& fehler) {
    const auto wert = dezimalLesen(text, 1);
    if (!wert) {
        fehler = zitat(getrimmt(text)) +
                 " ist keine jährliche Erhöhung (Prozent mit höchstens einer "
                 "Nachkommastelle, etwa 2,5).";
        return std::nullopt;
    }
    if (*wert > groessteErhoehung) {
        fehler = "Die angenommene Erhöhung von " + erhoehungsprozentText(static_cast<int>(*wert)) +
                 " liegt nicht zwischen 0 und 10 %.";
        return std::nullopt;
    }
    return static_cast<int>(*wert);
}

std::string erhoehungsprozentText(int zehntelProzent) {
    return dezimalText(zehntelProzent, 1) + " %";
}

std::string erhoehungText(const AngenommeneErhoehung& erhoehung) {
    return "angenommene Erhöhung " + erhoehungsprozentText(erhoehung.zehntelProzent) +
           " jährlich ab " + erhoehung.ab.text();
}

}  // namespace korvalt

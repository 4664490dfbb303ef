// What the year view shows of a case: both month series in cents, whether the annual bonus
// applies (and why not), the year rows and the sentence on the month from which the case pays off.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "falltabellen.h"
#include "jahresuebersicht.h"
#include "nettofall.h"
#include "sitzung.h"
#include "sonderzahlungssaetze.h"

namespace korvalt {

// Why the bonus cannot be computed for the 2006 table or a case without a start month.
inline constexpr const char* ohneSonderzahlungGrund =
    "Die Jahressonderzahlung wird nur für die Tabellen ab 2024 mit einem Beginn berechnet.";

// The case as the year view reads it. `saetze` are the rates of the annual bonus, null when they
// are missing or damaged; `saetzeFehler` then says what is wrong.
struct Jahresfall {
    const Falltabellen& tabellen;
    const Tariftabelle& tabelle;
    std::optional<KalenderMonat> beginn;
    const Sonderzahlungssaetze* saetze = nullptr;
    std::string saetzeFehler;
    // Employed before the start month: the case has a current step.
    bool imDienstVorBeginn = false;
    // The Sitzung's net pay of both cases; null without.
    const Nettofall* netto = nullptr;
};

struct Jahresdaten {
    bool inCent = false;  // the table's amounts: euro and cent, or whole euros (2006)
    // What the view, the chart, the printout and the sentence call the cases.
    Fallnamen namen;
    // The month pays from month 1 at index 0, up to each case's last month.
    std::vector<Long> centN;
    std::vector<Long> centI;
    // Whether the bonus can be computed for this case at all, and if not, why.
    bool sonderzahlungMoeglich = false;
    std::string sonderzahlungGrund;
    // Computed and counted: possible and switched on.
    bool mitSonderzahlung = false;
    // Why the bonus asked for could not be computed: its rates are missing or damaged. The
    // command line then ends with an error; the view names it.
    std::string sonderzahlungFehler;
    Jahresuebersicht uebersicht;
    // Net pay, where the case has it: both cases' month net pays (the bonus's net in its month),
    // their year rows and the month from which the individual case pays off in net, by the same
    // rule as in gross; the notes that go with them.
    std::vector<Long> nettoN;
    std::vector<Long> nettoI;
    std::optional<Jahresuebersicht> netto;
    std::vector<std::string> nettohinweise;
    // Why the case's tax settings give no net pay; "" when they do or there are none.
    std::string nettoGrund;
    // When each step comes, with the delay of the case's interruptions; empty without them.
    std::vector<std::string> stufendaten;
};

Jahresdaten jahresdatenBilden(const Jahresfall& fall, bool mitSonderzahlung);

// The session's case with the session's rates, the bonus counted when `mitSonderzahlung` and the
// case's own switch say so.
Jahresdaten jahresdatenBilden(const Sitzung& sitzung, bool mitSonderzahlung);

// Whether both cases pay the same in every month, bonuses included: neither then pays off, and
// no month is named as the one from which it does.
bool gleichBezahlt(const Jahresdaten& daten);
// The same of one overview, the gross or the net one.
bool gleichBezahlt(const Jahresuebersicht& uebersicht);

// The sentence above the year table: „Der Beispielfall liegt ab 09/2031 dauerhaft vorn.“ or „Der
// Beispielfall holt den Normalfall bis 12/2066 nicht ein.“ („… ein, liegt aber nicht vorn.“ when it
// ends level); month numbers („ab Monat 57“) without a start month. Cases that pay the same in
// every month get a sentence of their own. Cases with names of their own are named with them
// („Der Fall „Teilzeit“ liegt ab 08/2035 dauerhaft vorn.“), except the promotion check's, whose
// sentence speaks of the promotion (below).
std::string ausgleichSatz(const Jahresdaten& daten);

// The same sentence for net pay: „Netto liegt der Beispielfall ab 08/2035 dauerhaft vorn.“, „Netto
// holt der Beispielfall den Normalfall bis 12/2045 nicht ein.“ …; "" without net pay.
std::string nettoAusgleichSatz(const Jahresdaten& daten);

// The cumulated sentence of a promotion check reads „Die Höhergruppierung hat sich ab 08/2035
// ausgezahlt (kumuliert).“ („… bis 07/2046 nicht ausgezahlt (kumuliert).“), in net „Netto hat sich
// die Höhergruppierung …“.

// The second question, month by month: „Monat für Monat mehr ab 07/2038.“, „Monat für Monat nicht
// dauerhaft mehr.“ when the individual case is paid less in the last month or never more after
// the last month it is paid less, „Monat für Monat nie mehr.“ when it is paid more in no month;
// "" for cases paid the same in every month, which the first sentence says.
std::string monatlichSatz(const Jahresdaten& daten);
// The same in net: „Netto Monat für Monat mehr ab 07/2038.“; "" without net pay.
std::string nettoMonatlichSatz(const Jahresdaten& daten);
// The sentences on both questions, gross then net, those that are not "": what the year view, its
// printout, the year list's CSV and the file note say.
std::vector<std::string> ausgleichSaetze(const Jahresdaten& daten);

// The facts behind the sentence, in whole euros: „Bis 12/2045 kumuliert +25.849 €; größter
// Rückstand −7.466 € in 06/2029.“, or „…; nie im Rückstand.“; "" where the sentence stands alone.
std::string ausgleichZahlen(const Jahresdaten& daten);

// The marks of the cases in the heads of the year table: "N." and "B." with the default names,
// "(1)" and "(2)" for names of their own, too long for a narrow column; `fallnamenZeile` then gives
// them whole.
std::pair<std::string, std::string> fallzeichen(const Fallnamen& namen);

// „(1) ohne Höhergruppierung   (2) mit Höhergruppierung nach 9b zum 07/2026“ above the year
// table; "" for the default names, which the heads give themselves.
std::string fallnamenZeile(const Fallnamen& namen);

// An amount as the view shows it: "12.345,67" for the tables with cents, "12.346" for 2006.
std::string jahresbetragAnzeige(const Jahresdaten& daten, std::int64_t cent);

// A month of the case: "09/2031" with a start month, "Monat 57" without one.
std::string jahresmonatText(const Jahresuebersicht& uebersicht, int monat);

}  // namespace korvalt

// The month-by-month progression of one case through the steps of the four columns.
#include <algorithm>
#include <optional>

#include "aktuellestufe.h"
#include "rechner.h"
#include "stufengleich.h"
#include "teilzeit.h"
#include "zahlen.h"

namespace korvalt {

namespace {

// The guarantee tops a small gain up to 25 euros in groups 1..8 and to 50 euros in groups 9..15.
void garantieBestimmen(Single& garantie, Integer gruppe, Single gewinn) {
    Single grenze;
    if (gruppe >= 1 && gruppe <= 8)
        grenze = 25;
    else if (gruppe >= 9 && gruppe <= 15)
        grenze = 50;
    else
        return;
    garantie = gewinn >= grenze ? Single{0} : grenze - gewinn;
}

}  // namespace

const Tariftabelle& Rechner::tabelle() const {
    return daten_.tabellenkatalog.tabelle(t_.tabelle);
}

bool Rechner::stufenregel(int seite, int spalte, int stufe, Integer dauer) {
    Integer& monate = t_.stufenmonate(seite, spalte, stufe);
    Integer& ende = t_.stufenende(seite, spalte, stufe);
    if (t_.restmonate >= dauer) {
        monate = dauer;
        t_.restmonate = static_cast<Integer>(t_.restmonate - dauer);
        ende = dauer >= 1 ? static_cast<Integer>(t_.summemonate + dauer) : Integer{0};
        t_.summemonate = static_cast<Integer>(t_.summemonate + dauer);
        t_.bisherbetrag = t_.entgelt(spalte, stufe);
        return true;
    }
    if (t_.restmonate >= 1) {
        monate = t_.restmonate;
        ende = static_cast<Integer>(t_.summemonate + t_.restmonate);
        t_.summemonate = static_cast<Integer>(t_.summemonate + t_.restmonate);
        t_.restmonate = 0;
        t_.bisherbetrag = t_.entgelt(spalte, stufe);
        return true;
    }
    monate = 0;
    ende = 0;
    return false;
}

void Rechner::keineMonate(int seite, int spalte, int stufe) {
    t_.stufenmonate(seite, spalte, stufe) = 0;
    t_.stufenende(seite, spalte, stufe) = 0;
}

void Rechner::fortschreiten(Seite seite) {
    const int s = static_cast<int>(seite);
    // Each case starts from nothing, whatever ran before.
    t_.bisherbetrag = 0;
    t_.garantie(seite).fuellen(0);
    t_.letztermonat(s) = 0;
    t_.summemonate = 0;

    planAufstellen(seite);
    t_.fruehereAbschnitte(s).clear();
    if (tabelle().regel == Aufstiegsregel::stufengleich)
        stufengleichGehen(seite);
    else
        regel2006Gehen(seite);

    for (int spalte = 1; spalte <= 4; ++spalte)
        for (int stufe = 1; stufe <= 6; ++stufe) monateZuordnen(seite, spalte, stufe);
    for (const Stufenabschnitt& a : t_.fruehereAbschnitte(s))
        monateFuellen(seite, a.spalte, a.stufe, a.von, a.bis);
    t_.eigenesEnde(s) = t_.letztermonat(s);
}

bool Rechner::imKalender() const {
    return tabelle().inCent && t_.kalender.beginn.has_value();
}

int Rechner::periodengrenze() const {
    const auto periode = imKalender() ? t_.kalender.periode() : std::nullopt;
    return periode.value_or(letzterMonat);
}

Long Rechner::monatscent(Seite seite, int spalte, int stufe, int monat,
                         const Tabellenfolge* folge) const {
    const Long tabellencent =
        folge && t_.gruppe(spalte) >= 1
            ? folge->entgelt(*t_.kalender.kalendermonat(monat), t_.gruppe(spalte), stufe)
                  .value_or(0)
            : t_.entgeltCent(spalte, stufe);
    if (!plan(seite).bezahlt(monat)) return 0;
    return teilzeitCent(tabellencent, plan(seite).anteil(monat));
}

void Rechner::regel2006Gehen(Seite seite) {
    const int s = static_cast<int>(seite);
    auto& garantie = t_.garantie(seite);
    const auto& grdauer = t_.grdauer(seite);
    t_.restmonate = grdauer(1);
    for (int stufe = 1; stufe <= 6; ++stufe) stufenregel(s, 1, stufe, t_.stufendauer(s, 1, stufe));

    for (int spalte = 2; spalte <= 4; ++spalte) {
        // Months left over in the previous column are dropped.
        t_.restmonate = grdauer(spalte);
        for (int stufe = 2; stufe <= 6; ++stufe) {
            // The promotion enters the lowest step whose pay is at least the pay so far.
            if (t_.entgelt(spalte, stufe) < t_.bisherbetrag) {
                keineMonate(s, spalte, stufe);
                continue;
            }
            const Single gewinn = t_.entgelt(spalte, stufe) - t_.bisherbetrag;
            garantieBestimmen(garantie(spalte, stufe), t_.gruppe(spalte), gewinn);
            if (stufe == 6) garantie(spalte, 6) = 0;
            stufenregel(s, spalte, stufe, t_.stufendauer(s, spalte, stufe));
        }
    }
}

// The promotion keeps the step held in the last month of the previous column, at least step 2 (the
// next one when the column ends with the end of the step's time), and the time in it starts anew;
// from the table's first group the pay decides, in the table in force in the first month of the new
// group. No guarantee. A case with a current step holds it at its start month and has served part
// of it.
void Rechner::stufengleichGehen(Seite seite) {
    const int s = static_cast<int>(seite);
    const auto& grdauer = t_.grdauer(seite);
    // The step held and, when it was held in the table's first group, its column. Before any
    // month the case holds step 1, or its current step.
    struct Gehalten {
        int stufe = 1;
        std::optional<int> spalteDerErstenGruppe;
    } gehalten;
    Stufendauern spalte1 = spalteEins(t_, seite);
    if (t_.kalender.beginn && t_.kalender.aktuelleStufe) {
        spalte1 = aktuelleStufeAnrechnen(spalte1, *t_.kalender.aktuelleStufe, *t_.kalender.beginn);
        gehalten.stufe = stufeAmBeginn(spalte1, t_.kalender.aktuelleStufe->stufe);
        if (t_.gruppe(1) == 1) gehalten.spalteDerErstenGruppe = 1;
    }

    // The month of return from the harmful interruption last applied.
    int zurueckIm = 0;
    for (int spalte = 1; spalte <= 4; ++spalte) {
        // Months left over in the previous column are dropped.
        t_.restmonate = grdauer(spalte);
        int einstieg = 1;
        if (spalte >= 2) {
            const int ersterMonat = t_.summemonate + 1;
            std::optional<std::int64_t> bisherCent;
            if (gehalten.spalteDerErstenGruppe)
                bisherCent =
                    gruppenentgelteIm(ersterMonat, *gehalten.spalteDerErstenGruppe)(gehalten.stufe)
                        .value_or(0);
            // Back from a harmful interruption in the month of the promotion: the step goes back
            // first, then the promotion keeps it.
            if (const int r = plan(seite).schaedlicheRueckkehr(ersterMonat - 1, ersterMonat);
                r != 0 && r != zurueckIm) {
                gehalten.stufe = stufeNachRueckkehr(gehalten.stufe);
                zurueckIm = r;
            }
            einstieg =
                eintrittsstufe(gehalten.stufe, bisherCent, gruppenentgelteIm(ersterMonat, spalte));
        }
        // A column without months leaves the step held before it.
        const Gehalten vorher = gehalten;
        bool ganzGedient = false;     // the step held was served to the end of its duration
        bool zurueckgestuft = false;  // a harmful interruption sent the case back a step
        for (int stufe = spalte == 1 ? 1 : 2; stufe <= 6; ++stufe) {
            if (stufe < einstieg || !t_.stufeVorhanden(spalte, stufe)) {
                keineMonate(s, spalte, stufe);
                continue;
            }
            // Back in a step after an interruption, its whole time is served anew.
            const Integer dauer = spalte == 1 && !zurueckgestuft
                                      ? static_cast<Integer>(spalte1[std::size_t(stufe - 1)])
                                      : t_.stufendauer(s, spalte, stufe);
            const Schritt schritt =
                schrittBemessen(seite, stufe, dauer, t_.stufendauer(s, spalte, stufe));
            const bool voll = t_.restmonate >= schritt.laenge;
            if (!stufenregel(s, spalte, stufe, schritt.laenge)) continue;
            ganzGedient = voll && !schritt.zurueck;
            gehalten.stufe = stufe;
            gehalten.spalteDerErstenGruppe.reset();
            if (t_.gruppe(spalte) == 1) gehalten.spalteDerErstenGruppe = spalte;
            if (schritt.zurueck && voll) {
                zurueckStufen(s, spalte, stufe, schritt.zurueck);
                zurueckIm = schritt.rueckkehr;
                gehalten.stufe = schritt.zurueck;
                zurueckgestuft = true;
                einstieg = schritt.zurueck;
                stufe = schritt.zurueck - 1;
            }
        }
        if (grdauer(spalte) <= 0) {
            gehalten = vorher;
        } else if (ganzGedient) {
            // A step is reached on the first of the month it is due: when the column ends as the
            // step's time ends, the next step comes first and the promotion keeps it.
            for (int naechste = gehalten.stufe + 1; naechste <= 6; ++naechste)
                if (t_.stufeVorhanden(spalte, naechste)) {
                    gehalten.stufe = naechste;
                    break;
                }
        }
    }
}

Rechner::Schritt Rechner::schrittBemessen(Seite seite, int stufe, int dauer, int volleDauer) const {
    const Monatsplan& monate = plan(seite);
    const int von = t_.summemonate + 1;
    Schritt schritt{monate.kalenderlaenge(von, dauer), 0, 0};
    for (int ab = von; const int r = monate.schaedlicheRueckkehr(ab, von + schritt.laenge - 1);
         ab = r) {
        const int neu = stufeNachRueckkehr(stufe);
        if (neu < stufe) return {r - von, neu, r};
        // The same step, its whole time anew from the return.
        schritt.laenge = r - von + monate.kalenderlaenge(r, volleDauer);
    }
    return schritt;
}

void Rechner::zurueckStufen(int seite, int spalte, int stufe, int zurueck) {
    for (int k = zurueck; k <= stufe; ++k) {
        const Integer monate = t_.stufenmonate(seite, spalte, k);
        const Integer ende = t_.stufenende(seite, spalte, k);
        if (monate >= 1)
            t_.fruehereAbschnitte(seite).push_back({spalte, k, ende - monate + 1, ende});
    }
}

Integer Rechner::anfangsmonat(Seite seite, int spalte, int stufe) const {
    const int s = static_cast<int>(seite);
    const Integer monate = t_.stufenmonate(s, spalte, stufe);
    if (monate < 1) return 0;
    return static_cast<Integer>(t_.stufenende(s, spalte, stufe) - monate + 1);
}

void Rechner::monateZuordnen(Seite seite, int spalte, int stufe) {
    const int s = static_cast<int>(seite);
    auto& garantie = t_.garantie(seite);
    t_.restmonate = t_.stufenende(s, spalte, stufe);
    t_.anfangsmonat = anfangsmonat(seite, spalte, stufe);
    // A step the case never entered pays no guarantee.
    if (t_.anfangsmonat == 0 && spalte >= 2) garantie(spalte, stufe) = 0;

    // The month series hold months 0..600, and a case with Ende ends there: a longer case ends
    // there, its captions keep the true months.
    monateFuellen(seite, spalte, stufe, t_.anfangsmonat, t_.restmonate);
}

void Rechner::monateFuellen(Seite seite, int spalte, int stufe, int von, int bis) {
    const int s = static_cast<int>(seite);
    auto& garantie = t_.garantie(seite);
    const Integer bisMonat = static_cast<Integer>(std::min<int>(bis, periodengrenze()));
    if (bisMonat > t_.letztermonat(s)) t_.letztermonat(s) = bisMonat;

    // A table in whole euros pays the whole euros of the amount shown (cents cut off toward zero)
    // plus the guarantee to the cent; the tables with cents pay the table pay times the case's
    // working-time share, by date the pay of the table in force in each month.
    const Long tabellencent = t_.entgeltCent(spalte, stufe);
    Long cent = teilzeitCent(tabellencent, t_.anteil(seite));
    // Periods change the share or the pay from month to month.
    const bool monatsweise = !plan(seite).schlicht();
    Single monatsbetrag = static_cast<Single>(cent / 100.0);
    if (!tabelle().inCent) {
        const double angezeigt = static_cast<double>(tabellencent / 100);
        monatsbetrag =
            static_cast<Single>(angezeigt + static_cast<double>(garantie(spalte, stufe)));
        cent = alsLong(static_cast<double>(monatsbetrag) * 100.0);
    }
    const Tabellenfolge* folge = tabelle().inCent ? kalenderfolge() : nullptr;
    auto& betraege = t_.monatsbetrag(seite);
    auto& cents = t_.monatscent(seite);
    auto& gruppen = t_.monatsgruppe(seite);
    auto& stufen = t_.monatsstufe(seite);
    auto& zahlungen = t_.monatszahlung(seite);
    for (int m = von; m <= bisMonat; ++m) {
        zahlungen(m) = plan(seite).zahlung(m);
        if ((folge || monatsweise) && m >= 1) {
            cent = monatscent(seite, spalte, stufe, m, folge);
            monatsbetrag = static_cast<Single>(cent / 100.0);
        }
        betraege(m) = monatsbetrag;
        cents(m) = cent;
        gruppen(m) = t_.gruppe(spalte);
        stufen(m) = static_cast<Integer>(stufe);
    }
}

}  // namespace korvalt

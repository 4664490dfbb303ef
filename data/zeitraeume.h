// The periods of a working life: a change of the working-time share from a month on, and the
// interruptions without pay (parental leave, unpaid special leave, special leave counted towards
// the step time), each for both cases or one of them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "fallnamen.h"
#include "kalendermonat.h"

namespace korvalt {

enum class Zeitraumart {
    teilzeit,                 // a new share from `von` on
    elternzeit,               // the step clock stops; harmful beyond 5 years (VKA)
    sonderurlaub,             // the step clock stops; harmful beyond 3 years
    sonderurlaubAngerechnet,  // the employer counts it: the step clock runs on
};

// Which case a period belongs to.
enum class Zeitraumfall { beide, normal, individuell };

struct Zeitraum {
    Zeitraumart art = Zeitraumart::teilzeit;
    KalenderMonat von{2024, 3};
    // The last month of an interruption; none for a change of hours.
    std::optional<KalenderMonat> bis;
    // The new share of a change of hours, hundredths of a percent (100..10000).
    int anteil = 10000;
    // The child's birth month of a parental leave; none: the period's first month.
    std::optional<KalenderMonat> geburt;
    Zeitraumfall fuer = Zeitraumfall::beide;
    // What a later version wrote after the fields of the record the period was read from, written
    // back as read.
    std::string spaeter;

    bool unterbricht() const { return art != Zeitraumart::teilzeit; }
    // The step clock stops in its months.
    bool haeltUhrAn() const {
        return art == Zeitraumart::elternzeit || art == Zeitraumart::sonderurlaub;
    }
    int monate() const { return bis ? *bis - von + 1 : 0; }
    KalenderMonat geburtsmonat() const { return geburt.value_or(von); }
    bool operator==(const Zeitraum&) const = default;
};

using Zeitraeume = std::vector<Zeitraum>;

// A month's pay as the bonus's twelfths see it.
enum class Zahlung : std::uint8_t {
    bezahlt,
    unbezahlt,
    // A month of parental leave up to the end of the child's birth year, after a paid month: it
    // costs the bonus no twelfth.
    unbezahltOhneKuerzung,
};

// „Elternzeit“, „Sonderurlaub ohne Entgelt“, „Sonderurlaub, angerechnet“, „Teilzeit“.
std::string zeitraumartText(Zeitraumart art);
// One line per period, as the month list and the CSV end with them: „Elternzeit 01/2028 bis
// 12/2028 (Stufenlaufzeit ruht)“, „Teilzeit ab 01/2029: 100 %“; a period of one case names it.
std::string zeitraumText(const Zeitraum& z, const std::string& fallname = {});
// The lines of every period, in their order, a period of one case named by that case's name.
std::vector<std::string> zeitraumzeilen(const Zeitraeume& zeitraeume, const Fallnamen& namen);

}  // namespace korvalt

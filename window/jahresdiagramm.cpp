// The year view's chart: its figures from the case, and the module that draws them.
#include "jahresdiagramm.h"

#include <dlfcn.h>

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>
#include <vector>

#include "qtumwandlung.h"

namespace korvalt {

namespace {

// Characters of a case's name the legend shows whole beside the other four entries.
constexpr qsizetype laengsterLegendenname = 24;

// The x value of the start of month `index` (0 = month 1): a year with fractions from the start
// month, or the month number of the case.
double xWert(const Jahresdaten& d, int index) {
    const auto& beginn = d.uebersicht.beginn;
    if (!beginn) return index;
    return beginn->jahr() + (beginn->monat() - 1 + index) / 12.0;
}

// A month pay as a step line: level through each run of months with the same pay, a vertical step
// where it changes.
QList<QPointF> stufenlinie(const Jahresdaten& d, const std::vector<Long>& cent) {
    QList<QPointF> punkte;
    std::size_t anfang = 0;
    for (std::size_t i = 1; i <= cent.size(); ++i) {
        if (i < cent.size() && cent[i] == cent[anfang]) continue;
        const double euro = cent[anfang] / 100.0;
        punkte.append({xWert(d, int(anfang)), euro});
        punkte.append({xWert(d, int(i)), euro});
        anfang = i;
    }
    return punkte;
}

// Stands in for the chart when its module cannot be loaded.
class Diagrammhinweis : public Jahresdiagramm {
  public:
    Diagrammhinweis(QWidget* eltern, const QString& grund) : Jahresdiagramm(eltern) {
        setMinimumHeight(260);
        auto* layout = new QVBoxLayout(this);
        text_ = new QLabel(grund, this);
        text_->setWordWrap(true);
        text_->setAlignment(Qt::AlignCenter);
        layout->addWidget(text_);
    }
    void zeigen(const Diagrammdaten&) override {}
    void zeichnen(QPainter& maler, const QRectF& ziel) override {
        maler.drawText(ziel, Qt::AlignCenter | Qt::TextWordWrap, text_->text());
    }

  private:
    QLabel* text_;
};

}  // namespace

Diagrammdaten diagrammdatenBilden(const Jahresdaten& d, bool netto) {
    Diagrammdaten dd;
    netto = netto && d.netto;
    const Jahresuebersicht& u = netto ? *d.netto : d.uebersicht;
    const std::vector<Long>& reiheN = netto ? d.nettoN : d.centN;
    const std::vector<Long>& reiheI = netto ? d.nettoI : d.centI;
    const int monate = int(u.kumuliert.size());
    if (monate == 0) return dd;
    const QString zusatz = netto ? QStringLiteral(" netto") : QString();
    dd.xTitel = u.beginn ? QStringLiteral("Jahr") : QStringLiteral("Monat des Falls");
    dd.entgeltTitel =
        netto ? QStringLiteral("Nettolohn im Monat (€)") : QStringLiteral("Monatsentgelt (€)");
    dd.differenzTitel = "Differenz" + zusatz + " kumuliert (€)";
    // The legend is one row under the chart and cuts a long name short („mit Höhergruppierung
    // n…“), on screen and in print: long names of their own go by their marks, which the key line
    // of the view and of its printout gives whole.
    QString nameN = alsQString(d.namen.normal);
    QString nameI = alsQString(d.namen.individuell);
    if (!d.namen.standard() && std::max(nameN.size(), nameI.size()) > laengsterLegendenname) {
        const auto [n, i] = fallzeichen(d.namen);
        nameN = alsQString(n);
        nameI = alsQString(i);
    }
    dd.nameN = nameN + zusatz;
    dd.nameI = nameI + zusatz;
    dd.kumuliertName = "Differenz" + zusatz + " kumuliert";
    dd.xVon = xWert(d, 0);
    dd.xBis = xWert(d, monate);
    dd.entgeltN = stufenlinie(d, reiheN);
    dd.entgeltI = stufenlinie(d, reiheI);
    for (const auto* reihe : {&reiheN, &reiheI})
        for (Long cent : *reihe) dd.hoechstesEntgelt = std::max(dd.hoechstesEntgelt, cent / 100.0);

    // The cumulated difference after each month; where it grows by the same amount as before, the
    // point lies on the line and is left out.
    double kleinster = 0;
    double groesster = 0;
    for (int i = 0; i < monate; ++i) {
        const std::int64_t k = u.kumuliert[std::size_t(i)];
        const double euro = k / 100.0;
        kleinster = std::min(kleinster, euro);
        groesster = std::max(groesster, euro);
        const bool aufDerLinie =
            i > 0 && i + 1 < monate &&
            k - u.kumuliert[std::size_t(i - 1)] == u.kumuliert[std::size_t(i + 1)] - k;
        if (!aufDerLinie) dd.kumuliert.append({xWert(d, i + 1), euro});
    }
    // At least 100 euros high, so that whole-euro ticks stay apart when the difference is flat.
    dd.differenzVon = kleinster;
    dd.differenzBis = std::max(groesster, kleinster + 100);

    if (const auto& ab = u.ausgleichsmonat; ab && !gleichBezahlt(u)) {
        dd.ausgleichX = xWert(d, *ab - 1);
        dd.ausgleichName =
            alsQString((netto ? "netto vorn ab " : "vorn ab ") + jahresmonatText(u, *ab));
    }
    return dd;
}

namespace {

// lib/korvalt below the program's folder (the program of the build) and beside it (the installed
// program in bin, the tests and benchmarks in their folders of the build).
std::vector<std::filesystem::path> modulorte() {
    std::error_code fehler;
    const auto programm = std::filesystem::read_symlink("/proc/self/exe", fehler);
    if (fehler) return {};
    const auto ordner = programm.parent_path();
    return {ordner / KORVALT_MODULZIEL / diagrammmodulName,
            ordner / ".." / KORVALT_MODULZIEL / diagrammmodulName};
}

Jahresdiagramm* hinweisStattDiagramm(QWidget* eltern, const std::string& grund,
                                     std::string& fehler) {
    fehler = "Das Diagramm kann nicht gezeigt werden: " + grund;
    return new Diagrammhinweis(eltern, QString::fromLocal8Bit(fehler.c_str()));
}

}  // namespace

Jahresdiagramm* jahresdiagrammErzeugen(QWidget* eltern, std::string& fehler) {
    // Loaded by its path, once for the whole run, since its charts live as long as their windows.
    // The program's search path would not do: under a sanitizer, its loader opens the module.
    std::string gesucht;
    for (const auto& ort : modulorte()) {
        std::error_code fehlt;
        if (!std::filesystem::exists(ort, fehlt)) {
            gesucht += (gesucht.empty() ? "" : ", ") + ort.parent_path().string();
            continue;
        }
        void* modul = dlopen(ort.c_str(), RTLD_NOW | RTLD_LOCAL);
        const auto erzeugen =
            modul ? reinterpret_cast<Diagrammerzeuger>(dlsym(modul, diagrammerzeugerName))
                  : nullptr;
        if (erzeugen) return erzeugen(eltern);
        const char* grund = dlerror();
        return hinweisStattDiagramm(eltern, grund ? grund : ort.string(), fehler);
    }
    return hinweisStattDiagramm(
        eltern, std::string(diagrammmodulName) + " fehlt (gesucht in: " + gesucht + ")", fehler);
}

}  // namespace korvalt

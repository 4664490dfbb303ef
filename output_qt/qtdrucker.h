// The printer service on a QPrinter (the default printer or a PDF file): twips by the device's
// resolution, one line height of the current font per line, a new page when a page is full.
#pragma once

#include <memory>
#include <string>

#include <QFont>

#include "drucker.h"

class QPainter;
class QPrinter;

namespace korvalt {

// "Arial" and "courier new" print in the installed fonts with the same metrics.
QString druckschrift(std::string_view name);

// German reason for a printer that refused a job, or a PDF file that could not be written.
std::string druckfehlerText(const QPrinter& printer);

class QtDrucker : public Drucker {
  public:
    explicit QtDrucker(QPrinter& printer);
    ~QtDrucker() override;

    void schriftname(std::string_view name) override;
    void schriftgroesse(double punkte) override;
    void fett(bool an) override;
    void position(int twips) override;
    void text(std::string_view text, Zeile zeile = Zeile::bleibt) override;
    double textbreite(std::string_view text) const override;
    void zahl(std::int16_t wert, Zeile zeile = Zeile::bleibt) override;
    void leerzeile() override;
    double seitenhoehe() const override;
    double zeilenhoehe() const override;
    void neueSeite() override;
    void zurLetztenZeile() override;
    bool dokumentBeenden(std::string& fehler) override;

    int seitenzahl() const { return seiten_; }

  private:
    bool bereit();
    double zeilenabstand() const;
    double twips(double einheiten) const;
    void zeilenende();

    QPrinter& printer_;
    std::unique_ptr<QPainter> maler_;
    QFont schrift_;
    double x_ = 0;  // device units from the left edge of the printable area
    double y_ = 0;  // top of the current line
    bool zeileBegonnen_ = false;
    bool gescheitert_ = false;
    int seiten_ = 0;
};

}  // namespace korvalt

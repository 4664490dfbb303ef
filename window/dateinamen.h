// File names between the system's bytes and Qt's text. A name that is not UTF-8 (a Latin-1
// "café.korvalt", or a folder so named) Qt can only show with replacement characters and cannot
// encode back, so a name the user picked in a dialog is looked up, folder by folder, among the
// files there, and a proposal the dialog gives back unchanged keeps its bytes.
#pragma once

#include <QString>
#include <filesystem>

namespace korvalt {

// The name as Qt shows it.
QString dateinameAlsText(const std::filesystem::path& datei);
// The name of the file on the system that Qt shows as `datei`: `vorschlag` when Qt shows it so,
// else each part that Qt could not spell as the entry of its folder Qt shows so; a new file's
// name as Qt encodes it.
std::filesystem::path dateinameDesSystems(const QString& datei,
                                          const std::filesystem::path& vorschlag = {});

// The file a file dialog proposes, and the way back from its answer. Qt cannot open a folder
// whose name is not UTF-8: such a folder is held open while the dialog runs and given to Qt under
// the name of its descriptor (/proc/self/fd/N), so that the dialog shows its files and a file
// chosen there lands in it.
class Dialogvorschlag {
  public:
    explicit Dialogvorschlag(std::filesystem::path vorschlag);
    ~Dialogvorschlag();
    Dialogvorschlag(const Dialogvorschlag&) = delete;
    Dialogvorschlag& operator=(const Dialogvorschlag&) = delete;

    // What the dialog is given as its file.
    QString text() const;
    // The file the dialog's answer names, as the system names it.
    std::filesystem::path datei(const QString& antwort) const;

  private:
    std::filesystem::path vorschlag_;
    int ordnerFd_ = -1;
    QString stellvertreter_;  // the folder's name for Qt while it is held open
};

}  // namespace korvalt

// File names between the system's bytes and Qt's text.
#include "dateinamen.h"

#include <QFile>
#include <QFileInfo>

namespace korvalt {

QString dateinameAlsText(const std::filesystem::path& datei) {
    return QFile::decodeName(QByteArray::fromStdString(datei.native()));
}

std::filesystem::path dateinameDesSystems(const QString& datei) {
    const std::filesystem::path kodiert = QFile::encodeName(datei).toStdString();
    if (!datei.contains(QChar::ReplacementCharacter)) return kodiert;
    const QString name = QFileInfo(datei).fileName();
    std::error_code fehler;
    const std::filesystem::path ordner =
        kodiert.has_parent_path() ? kodiert.parent_path() : std::filesystem::path(".");
    for (const auto& eintrag : std::filesystem::directory_iterator(ordner, fehler))
        if (dateinameAlsText(eintrag.path().filename()) == name)
            return kodiert.parent_path() / eintrag.path().filename();
    return kodiert;
}

}  // namespace korvalt

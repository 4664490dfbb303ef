// File names between the system's bytes and Qt's text.
#include "dateinamen.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>

namespace korvalt {

namespace {

// `text`, relative to `basis` or absolute, with each part Qt could not spell replaced by the entry
// of its folder that Qt shows so.
std::filesystem::path aufloesen(const QString& text, const std::filesystem::path& basis) {
    const std::filesystem::path kodiert = QFile::encodeName(text).toStdString();
    if (!text.contains(QChar::ReplacementCharacter)) return basis / kodiert;
    std::filesystem::path gefunden = basis;
    for (const auto& teil : kodiert) {
        const QString teiltext = dateinameAlsText(teil);
        std::filesystem::path name = teil;
        if (teiltext.contains(QChar::ReplacementCharacter)) {
            std::error_code fehler;
            const std::filesystem::path ordner =
                gefunden.empty() ? std::filesystem::path(".") : gefunden;
            for (const auto& eintrag : std::filesystem::directory_iterator(ordner, fehler)) {
                if (dateinameAlsText(eintrag.path().filename()) != teiltext) continue;
                name = eintrag.path().filename();
                break;
            }
        }
        gefunden /= name;
    }
    return gefunden;
}

}  // namespace

QString dateinameAlsText(const std::filesystem::path& datei) {
    return QFile::decodeName(QByteArray::fromStdString(datei.native()));
}

std::filesystem::path dateinameDesSystems(const QString& datei,
                                          const std::filesystem::path& vorschlag) {
    if (!vorschlag.empty() && datei.contains(QChar::ReplacementCharacter) &&
        dateinameAlsText(vorschlag) == datei)
        return vorschlag;
    return aufloesen(datei, {});
}

Dialogvorschlag::Dialogvorschlag(std::filesystem::path vorschlag)
    : vorschlag_(std::move(vorschlag)) {
    const std::filesystem::path ordner = vorschlag_.parent_path();
    if (ordner.empty() || !dateinameAlsText(ordner).contains(QChar::ReplacementCharacter)) return;
    ordnerFd_ = ::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (ordnerFd_ < 0) return;
    const QString stellvertreter = QStringLiteral("/proc/self/fd/%1").arg(ordnerFd_);
    if (::access(QFile::encodeName(stellvertreter).constData(), F_OK) == 0)
        stellvertreter_ = stellvertreter;
}

Dialogvorschlag::~Dialogvorschlag() {
    if (ordnerFd_ >= 0) ::close(ordnerFd_);
}

QString Dialogvorschlag::text() const {
    if (stellvertreter_.isEmpty()) return dateinameAlsText(vorschlag_);
    return stellvertreter_ + '/' + dateinameAlsText(vorschlag_.filename());
}

std::filesystem::path Dialogvorschlag::datei(const QString& antwort) const {
    if (antwort == text()) return vorschlag_;
    const QString imOrdner = stellvertreter_ + '/';
    if (!stellvertreter_.isEmpty() && antwort.startsWith(imOrdner))
        return aufloesen(antwort.mid(imOrdner.size()), vorschlag_.parent_path());
    return dateinameDesSystems(antwort, vorschlag_);
}

}  // namespace korvalt

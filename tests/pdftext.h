// Test helper: the text of a PDF file through poppler's command-line tools.
#pragma once

#include <cstdio>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

namespace korvalt::test {

// Standard output of a shell command.
inline std::string ausgabeVon(const std::string& befehl) {
    std::string ausgabe;
    if (std::FILE* rohr = ::popen(befehl.c_str(), "r")) {
        char puffer[4096];
        std::size_t n;
        while ((n = std::fread(puffer, 1, sizeof puffer, rohr)) > 0) ausgabe.append(puffer, n);
        ::pclose(rohr);
    }
    return ausgabe;
}

// The text as `pdftotext -layout` lays it out, pages separated by form feeds.
inline std::string pdfText(const std::filesystem::path& pdf) {
    return ausgabeVon("pdftotext -layout '" + pdf.string() + "' -");
}

// A word of a PDF page and where it begins, in points from the page's top left corner.
struct PdfWort {
    int seite = 0;  // from 1
    double x = 0;
    double y = 0;
    std::string text;
    double rechts = 0;  // where it ends
};

// Every word of the file, page by page, as `pdftotext -bbox` finds them.
inline std::vector<PdfWort> pdfWoerter(const std::filesystem::path& pdf) {
    const std::string html = ausgabeVon("pdftotext -bbox '" + pdf.string() + "' -");
    static const std::regex muster(
        R"re(<page |<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="[0-9.]+">([^<]*)</word>)re");
    std::vector<PdfWort> woerter;
    int seite = 0;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), muster);
         it != std::sregex_iterator(); ++it) {
        const std::smatch& treffer = *it;
        if (!treffer[1].matched) {
            ++seite;
            continue;
        }
        woerter.push_back({seite, std::stod(treffer[1]), std::stod(treffer[2]), treffer[4],
                           std::stod(treffer[3])});
    }
    return woerter;
}

// Number of pages as `pdfinfo` reports it, 0 when the file is no PDF.
inline int pdfSeiten(const std::filesystem::path& pdf) {
    const std::string info = ausgabeVon("pdfinfo '" + pdf.string() + "' 2>/dev/null");
    std::smatch treffer;
    if (!std::regex_search(info, treffer, std::regex(R"(Pages:\s+([0-9]+))"))) return 0;
    return std::stoi(treffer[1]);
}

}  // namespace korvalt::test

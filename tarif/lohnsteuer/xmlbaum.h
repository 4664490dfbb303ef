// A small XML reader for the wage-tax programs: elements with their attributes and children;
// text, comments and processing instructions are passed over.
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace korvalt::pap {

struct Element {
    std::string name;
    std::map<std::string, std::string> attribute;  // values with their entities resolved
    std::vector<Element> kinder;
    int zeile = 0;  // where the element begins, for messages

    // The attribute's value; std::runtime_error naming the line when it is missing.
    const std::string& attribut(const std::string& schluessel) const;
    // The first child of that name, or nullptr.
    const Element* kind(std::string_view kindname) const;
};

// A fault in the file or in what it says, with the line it was found on.
struct Uebersetzungsfehler : std::runtime_error {
    Uebersetzungsfehler(int zeile, const std::string& was)
        : std::runtime_error("Zeile " + std::to_string(zeile) + ": " + was) {}
};

// The root element of the document (a UTF-8 byte-order mark in front is allowed).
Element xmlLesen(std::string_view text);

}  // namespace korvalt::pap

// Turns lessons/lektionen.txt into a C++ table of 30 lessons: their new keys, explanations and
// 15 exercise lines each. Runs at build time; any fault in the file stops the build with a
// message naming the file line, the lesson and the line.
//
// Format: free text until the first header; then "[Lektion N]" headers for N = 1..30 in order,
// each followed by its "neu:" and "erklärung:" lines and its 15 exercise lines. Empty lines
// between them are ignored.

#include "lessons/Kursmasse.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Kurs::AnzahlLektionen;
using Kurs::ZeilenJeLektion;
constexpr int MindestLaenge = Kurs::Mindestlaenge;
constexpr int HoechstLaenge = Kurs::Hoechstlaenge;

const std::string FeldNeu = "neu: ";
const std::string FeldErklaerung = "erklärung: ";

struct Lektion
{
    std::u32string neu;
    std::vector<std::u32string> erklaerung; // one entry per shown line
    std::vector<std::u32string> zeilen;
};

// The code points of a UTF-8 string, or nothing when it is not valid UTF-8.
std::optional<std::u32string> dekodiere(const std::string &s)
{
    std::u32string out;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        int folge = 0;
        char32_t c = 0;
        if (b < 0x80) {
            c = b;
        } else if ((b & 0xE0) == 0xC0) {
            c = b & 0x1F;
            folge = 1;
        } else if ((b & 0xF0) == 0xE0) {
            c = b & 0x0F;
            folge = 2;
        } else if ((b & 0xF8) == 0xF0) {
            c = b & 0x07;
            folge = 3;
        } else {
            return std::nullopt;
        }
        for (int k = 1; k <= folge; ++k) {
            if (i + std::size_t(k) >= s.size())
                return std::nullopt;
            const auto f = static_cast<unsigned char>(s[i + std::size_t(k)]);
            if ((f & 0xC0) != 0x80)
                return std::nullopt;
            c = (c << 6) | (f & 0x3F);
        }
        const char32_t kleinste[] = {0, 0x80, 0x800, 0x10000};
        if (c < kleinste[folge] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return std::nullopt;
        out.push_back(c);
        i += std::size_t(folge) + 1;
    }
    return out;
}

// A C++ UTF-16 literal for the line: printable ASCII as is, everything else escaped.
std::string literal(const std::u32string &zeile)
{
    std::ostringstream out;
    out << "u\"";
    for (char32_t c : zeile) {
        if (c == U'\\' || c == U'"') {
            out << '\\' << char(c);
        } else if (c >= 0x20 && c < 0x7F && c != U'?') { // '?' never starts a trigraph this way
            out << char(c);
        } else {
            char puffer[16];
            if (c > 0xFFFF)
                std::snprintf(puffer, sizeof puffer, "\\U%08X", unsigned(c));
            else
                std::snprintf(puffer, sizeof puffer, "\\u%04X", unsigned(c));
            out << puffer;
        }
    }
    out << '"';
    return out.str();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::cerr << "Aufruf: lektionstexte_erzeugen lektionen.txt Ausgabe.cpp\n";
        return 2;
    }
    const std::string quelle = argv[1];
    std::ifstream ein(quelle, std::ios::binary);
    if (!ein) {
        std::cerr << quelle << ": nicht lesbar\n";
        return 1;
    }

    std::vector<Lektion> lektionen;
    std::vector<std::string> fehler;
    auto melde = [&](int dateizeile, const std::string &text) {
        fehler.push_back(quelle + ":" + std::to_string(dateizeile) + ": " + text);
    };

    std::string roh;
    int dateizeile = 0;
    while (std::getline(ein, roh)) {
        ++dateizeile;
        if (!roh.empty() && roh.back() == '\r')
            roh.pop_back();
        if (dateizeile == 1 && roh.rfind("\xEF\xBB\xBF", 0) == 0)
            roh.erase(0, 3);
        if (roh.rfind("[Lektion ", 0) == 0) {
            const int erwartet = int(lektionen.size()) + 1;
            const std::string nummer = roh.substr(9, roh.size() > 10 ? roh.size() - 10 : 0);
            if (roh.back() != ']' || nummer != std::to_string(erwartet)) {
                melde(dateizeile, "\"" + roh + "\" steht, wo [Lektion " + std::to_string(erwartet) +
                                      "] beginnen sollte");
                break;
            }
            lektionen.emplace_back();
            continue;
        }
        if (lektionen.empty() || roh.empty())
            continue; // commentary before the first lesson, and blank separators
        const int lektion = int(lektionen.size());
        Lektion &aktuell = lektionen.back();
        // A lesson's fields stand before its first exercise line.
        const bool istNeu = roh.rfind(FeldNeu, 0) == 0;
        const bool istErklaerung = roh.rfind(FeldErklaerung, 0) == 0;
        if (aktuell.zeilen.empty() && (istNeu || istErklaerung)) {
            const std::string wert = roh.substr((istNeu ? FeldNeu : FeldErklaerung).size());
            const std::optional<std::u32string> text = dekodiere(wert);
            const std::string ort = "Lektion " + std::to_string(lektion) + ": ";
            if (!text || text->empty()) {
                melde(dateizeile, ort + "leere oder ungültige Angabe");
            } else if (istNeu) {
                if (!aktuell.neu.empty())
                    melde(dateizeile, ort + "zweite Angabe \"neu:\"");
                aktuell.neu = *text;
            } else {
                aktuell.erklaerung.push_back(*text);
            }
            continue;
        }
        const int zeile = int(aktuell.zeilen.size()) + 1;
        const std::string ort =
            "Lektion " + std::to_string(lektion) + ", Zeile " + std::to_string(zeile) + ": ";
        const std::optional<std::u32string> text = dekodiere(roh);
        if (!text) {
            melde(dateizeile, ort + "kein gültiges UTF-8");
            continue;
        }
        const int laenge = int(text->size());
        if (laenge < MindestLaenge || laenge > HoechstLaenge)
            melde(dateizeile, ort + std::to_string(laenge) + " Zeichen, erlaubt sind " +
                                  std::to_string(MindestLaenge) + " bis " +
                                  std::to_string(HoechstLaenge));
        if (text->front() == U' ' || text->back() == U' ')
            melde(dateizeile, ort + "Leerzeichen am Anfang oder Ende");
        for (char32_t c : *text) {
            if (c < 0x20 || c == 0x7F) {
                melde(dateizeile, ort + "Steuerzeichen (etwa ein Tabulator)");
                break;
            }
        }
        aktuell.zeilen.push_back(*text);
    }

    if (fehler.empty()) {
        if (int(lektionen.size()) != AnzahlLektionen)
            melde(dateizeile, "es gibt " + std::to_string(lektionen.size()) + " Lektionen statt " +
                                  std::to_string(AnzahlLektionen));
        for (std::size_t i = 0; i < lektionen.size(); ++i) {
            if (lektionen[i].zeilen.size() != ZeilenJeLektion)
                fehler.push_back(quelle + ": Lektion " + std::to_string(i + 1) + " hat " +
                                 std::to_string(lektionen[i].zeilen.size()) + " Zeilen statt " +
                                 std::to_string(ZeilenJeLektion));
        }
        if (!lektionen.empty() && lektionen.front().erklaerung.empty())
            fehler.push_back(quelle + ": Lektion 1 braucht eine Erklärung");
    }
    if (!fehler.empty()) {
        for (const std::string &f : fehler)
            std::cerr << f << '\n';
        return 1;
    }

    std::ostringstream out;
    out << "// Generated from lessons/lektionen.txt at build time. Edit that file, not this "
           "one.\n\n"
        << "#include \"lessons/Lektionsdaten.h\"\n\n"
        << "const std::array<Lektionseintrag, Kurs::AnzahlLektionen> Lektionsdaten::Tabelle{{\n";
    for (const Lektion &lektion : lektionen) {
        out << "    {" << literal(lektion.neu) << ",\n     ";
        if (lektion.erklaerung.empty()) {
            out << "nullptr";
        } else {
            std::u32string erklaerung;
            for (std::size_t i = 0; i < lektion.erklaerung.size(); ++i)
                erklaerung += (i ? U"\r" : U"") + lektion.erklaerung[i];
            out << literal(erklaerung);
        }
        out << ",\n     {{\n";
        for (const auto &zeile : lektion.zeilen)
            out << "         " << literal(zeile) << ",\n";
        out << "     }}},\n";
    }
    out << "}};\n";

    const std::filesystem::path ziel(argv[2]);
    std::error_code ordnerFehler;
    std::filesystem::create_directories(ziel.parent_path(), ordnerFehler);
    std::ofstream aus(ziel, std::ios::binary | std::ios::trunc);
    aus << out.str();
    aus.close();
    if (!aus) {
        std::cerr << argv[2] << ": nicht schreibbar\n";
        return 1;
    }
    return 0;
}

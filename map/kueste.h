#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The coastline file: one point per line, "latitude longitude penflag".
namespace umbrix {

struct KuestenPunkt {
    double Breite; // latitude, degrees north
    double Laenge; // longitude, degrees east; above 180 stands for the value minus 360
    int32_t Stift; // 0: a new line starts here; otherwise a segment from the point before

    bool operator==(const KuestenPunkt&) const = default;
};

// The array always has at least this many records; record 0 stays all zero.
inline constexpr std::size_t KuestenMindestlaenge = 32000;

// Splits one line into its three fields and stores them in this order:
// Breite, Laenge, Stift. A field that fails its rule throws Fehler and leaves
// that output and those after it untouched.
void ZeileZerlegen(std::string Zeile, double& Breite, double& Laenge, int32_t& Stift);

// Reads the whole file Datei into Kueste: line k into record k, KuestenAnzahl
// the number of lines. Kueste is sized to at least KuestenMindestlaenge before
// the file is opened and grows when the file has more lines than it has
// records after record 0. On failure throws Fehler; KuestenAnzahl keeps its
// value and the records before the failing line hold the new values.
void KuesteLaden(std::vector<KuestenPunkt>& Kueste, int32_t& KuestenAnzahl,
                 const std::string& Datei = "erde2.000");

} // namespace umbrix

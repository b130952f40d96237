#pragma once

#include <string>
#include <vector>

namespace scengen::testing {

// A small scenario by hand: a 3000 m line with one curve and one caption, a
// train with two stations and one signal. It compiles cleanly.
inline const std::vector<std::string> kTinyLine = {
    "[generale]",
    "lunghezza percorso, 3000",
    "[pendenze]",
    "pendenza, 0, 5",
    "curvad4, 500, 300",
    "[indicazioni]",
    "cartello_indicatore, 1200, (Galleria )(PICCOLA)( 200 m. )",
    "[fine]",
};
inline const std::vector<std::string> kTinyTrain = {
    "[generale]",
    "velocita, 0, 60",
    "aderenza, 0, 100",
    "orologio, 8 0 0",
    "stazione, 0, 2, 600, 1, 0, 0, 1,1,0, 2,1,1, 1, 8,0,0, ALFA",
    "stazione, 2500, 2, 600, 1, 0, 0, 1,1,0, 2,1,1, 0, 8,5,0, BETA",
    "segnale, 1500, 1, 5, 1, 0, 0, 0, 0,0,0, 0",
    "[fine]",
};

}  // namespace scengen::testing

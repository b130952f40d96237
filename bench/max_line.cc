#include "bench/max_line.h"

#include <string>

namespace scengen::bench {
namespace {

constexpr int kLength = 1000000;
constexpr int kBlock = 10000;  // the pattern repeats every 10 km
constexpr int kBlocks = kLength / kBlock;

void line(std::string* text, const std::string& l) {
  *text += l;
  *text += "\r\n";
}

std::string n(int v) { return std::to_string(v); }

}  // namespace

std::string max_line_text() {
  std::string t;
  line(&t, "[generale]");
  line(&t, "lunghezza percorso, " + n(kLength));
  line(&t, "progressiva chilometrica uno, 500000, 600000, 0");
  line(&t, "sfondo uno, 88000");
  line(&t, "[curve]");
  // A curve every 500 m, alternately left and right, 50 to 250 m long.
  for (int p = 800, i = 0; p < kLength - 1000; p += 500, ++i) {
    line(&t, std::string(i % 2 ? "curvas" : "curvad") + n(4 + i % 3) + ", " + n(p) + ", " +
                 n(50 + 50 * (i % 5)));
  }
  line(&t, "[pendenze]");
  for (int p = 700, i = 0; p < kLength; p += 500, ++i) {
    line(&t, "pendenza, " + n(p) + ", " + n(i % 7 * 4 - 12));
  }
  line(&t, "[montagne]");
  for (int k = 0; k < 80; ++k) {
    const int b = k * 12500 + 2000;
    line(&t, "montagna, " + n(b) + ", " + n(b + 4000) + ", " + n(1 + k % 4));
  }
  // A speed board at the start of every block.
  for (int k = 0; k < kBlocks; ++k) {
    line(&t, "indicatori_vmax, " + n(k * kBlock + 600) + ", 80, 80, 80, 0, , , , 0");
  }
  line(&t, "[indicazioni]");
  // Captions take the items from 80 down, stations from 1 up: 18 and 60
  // leave one free.
  for (int k = 0; k < 18; ++k) {
    line(&t, "cartello_indicatore, " + n(k * 50000 + 750) + ", (Galleria)(MONTE " + n(k) +
                 ")( 1000 m. )");
  }
  line(&t, "[fine]");
  return t;
}

std::string max_train_text() {
  std::string t;
  line(&t, "[generale]");
  line(&t, "numero vetture, 3");
  line(&t, "percentuale massa frenata, 120");
  line(&t, "sabbia, 300");
  line(&t, "orologio, 17 16 30");
  line(&t, "[aderenze]");
  for (int p = 0; p < kLength; p += 5000)
    line(&t, "aderenza, " + n(p) + ", " + n(90 + p / 5000 % 11));
  line(&t, "[vel_limite]");
  for (int p = 0; p < kLength; p += 2000)
    line(&t, "velocita, " + n(p) + ", " + n(60 + p / 2000 % 5 * 10));
  line(&t, "[stazioni]");
  // One station in each of the first 60 blocks, stopping at 8500 m.
  for (int k = 0; k < 60; ++k) {
    line(&t, "stazione, " + n(k * kBlock + 8500) + ", 12, 300, 0, 0, 0, 1,1,0, 4,1,1, 60, " +
                 n(17 + k / 60) + ", " + n(k % 60) + ", 0, STAZIONE " + n(k));
  }
  // A 60 km/h slowdown from 5000 m to 6000 m of every block: its warning
  // board at 3800 m looks back at the signal at 3150 m, and the signal at
  // 6150 m gets the exit mark.
  line(&t, "[rallentamenti]");
  for (int k = 0; k < kBlocks; ++k) {
    line(&t, "rallentamento, " + n(k * kBlock + 5000) + ", 60, 1000, 0, 0, 0");
  }
  line(&t, "[segnali]");
  for (int k = 0; k < kBlocks; ++k) {
    for (int s : {1650, 3150, 4650, 6150, 7650, 9150}) {
      line(&t, "segnale, " + n(k * kBlock + s) + ", 1, 5, 1, 0, 0, 0, 0,0,0, 0");
    }
  }
  line(&t, "[fine]");
  return t;
}

}  // namespace scengen::bench

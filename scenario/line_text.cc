#include "scenario/line_text.h"

#include "scenario/text_lines.h"

namespace scengen {
namespace {

// The line Tolvo - Sarmaleonte, 96 km, as the compiler reads it. Many rows
// end with a blank ("curvas5,  4300 , 350 "): that is how they are written.
constexpr std::string_view kLineText = R"(
[generale]
lunghezza percorso,    96000
progressiva chilometrica uno,    8450,    3600,    0
progressiva chilometrica due,    81200,    95900,    1
progressiva chilometrica tre,    0,    0,    0
sfondo uno,    88000
sfondo due,    1
sfondo tre,    16900
ripetizione segnali 4 codici,    0    ,0
[curve]
curvas4,  800,  400
curvad5,  1300,  250
curvad5,  2650,  100
curvas4,  3750 , 300 
curvad6,  4100 , 100 
curvas6,  4700 , 100 
curvad6,  5250 , 100 
curvad4,  5750 , 50 
curvad5,  6350 , 50 
curvas4,  6800 , 350 
curvad5,  7350 , 200 
curvad6,  8000 , 50 
curvas5,  8500 , 100 
curvas5,  9000 , 150 
curvad5,  9550 , 200 
curvas5,  10150 , 200 
curvad4,  10700 , 400 
curvad5,  11150 , 150 
curvas5,  11700 , 150 
curvad4,  12150 , 300 
curvas4,  12750 , 200 
curvas4,  13200 , 300 
curvad5,  13750 , 400 
curvas4,  14200 , 450 
curvad5,  14650 , 100 
curvas5,  15200 , 250 
curvad6,  15750 , 50 
curvas4,  16200 , 200 
curvas5,  16750 , 200 
curvad6,  17250 , 250 
curvas5,  17650 , 50 
curvas6,  18200 , 50 
curvad5,  18650 , 50 
curvas4,  19200 , 200 
curvad4,  19650 , 150 
curvas4,  20150 , 2450 
curvad5,  22700 , 450 
curvad5,  23200 , 400 
curvad5,  23700 , 350 
curvas4,  24350 , 450 
curvad5,  24800 , 100 
curvas5,  25450 , 250 
curvad4,  25900 , 550 
curvas5,  26550 , 200 
curvad5,  27100 , 250 
curvas5,  27550 , 250 
curvad6,  28150 , 50 
curvas5,  28650 , 100 
curvad6,  29250 , 50 
curvas5,  37850,  250
curvas5,  38400,  200
curvad5,  38900,  200
curvas5,  39400 , 150 
curvad5,  39900 , 250 
curvas5,  40300 , 50 
curvas3,  40800 , 550 
curvad5,  41350 , 200 
curvas5,  41950 , 250 
curvad4,  42450 , 300 
curvad5,  43000 , 350 
curvas5,  43600 , 250 
curvas5,  44100 , 300 
curvad6,  44650 , 200 
curvas4,  45200 , 550 
curvad5,  45850 , 150 
curvas3,  46250 , 50 
curvas3,  46400 , 150 
curvad5,  46550 , 100 
curvas6,  47200 , 50 
curvad5,  47650 , 150 
curvas5,  48250 , 100 
curvad6,  48800 , 100 
curvas4,  49400 , 250 
curvas4,  49950 , 150 
curvad5,  50400 , 250 
curvas4,  51050 , 250 
curvas5,  51550 , 150 
curvad5,  52150 , 400 
curvas4,  52600 , 500 
curvas5,  53200 , 200 
curvad5,  53750 , 300 
curvas6,  54250 , 150 
curvad5,  54900 , 300 
curvas4,  55450 , 300 
curvad5,  56000 , 200 
curvas6,  56550 , 200 
curvad5,  57100 , 200 
curvas6,  57650 , 150 
curvad6,  58150 , 150 
curvad5,  58700 , 100 
curvas6,  59250 , 200 
curvad6,  59750 , 400 
curvas5,  60300 , 200 
curvas5,  60900 , 50 
curvad6,  61400 , 50 
curvas5,  61900 , 100 
curvas4,  62350 , 50 
curvas5,  62800 , 100 
curvad5,  63400 , 400 
curvas4,  63850 , 300 
curvad4,  64300 , 300 
curvas6,  64850 , 100 
curvas5,  65300 , 100 
curvad5,  65850 , 250 
curvas5,  66350 , 150 
curvad5,  66800 , 50 
curvas5,  67400 , 50 
curvad4,  67800 , 400 
curvas5,  68350 , 250 
curvad5,  68900 , 50 
curvad5,  69400 , 200 
curvas5,  69850 , 200 
curvas5,  70300 , 50 
curvad5,  70800 , 150 
curvas5,  71350 , 150 
curvad4,  71900 , 200 
curvad5,  72300 , 200 
curvas4,  72800 , 500 
curvas3,  73300 , 50 
curvad5,  73450 , 200 
curvas5,  73900 , 200 
curvad6,  74500 , 150 
curvas5,  75100 , 150 
curvas5,  75600 , 100 
curvad4,  76200 , 50 
curvad4,  76700 , 100 
curvas5,  77250 , 200 
curvad5,  77850 , 300 
curvas4,  78300 , 250 
curvas5,  78850 , 150 
curvad5,  79400 , 150 
curvas6,  80050 , 50 
curvas4,  80600 , 350 
curvad5,  81150 , 250 
curvas5,  81600 , 300 
curvad5,  82250 , 200 
curvas5,  82750 , 250 
curvad4,  83250 , 150 
curvad5,  83800 , 250 
curvas5,  84250 , 200 
curvas6,  84850 , 50 
curvas5,  85300 , 150 
curvad5,  85850 , 300 
curvas5,  86300 , 200 
curvad5,  86850 , 100 
curvas5,  87250 , 150 
curvad5,  87750 , 100 
curvas5,  88350 , 50 
curvas5,  88850 , 200 
curvad4,  89250 , 350 
curvas5,  89800 , 150 
curvad6,  90300 , 100 
curvas5,  90850 , 150 
curvad5,  91300 , 150 
curvas4,  91750 , 100 
curvad5,  92250 , 50 
curvas6,  92850 , 100 
curvad5,  93350 , 100 
curvas5,  93800 , 150 
curvad6,  94250 , 200 
curvad6,  94850 , 150 
curvad4,  95250 , 400 
[pendenze]
- Altitudine iniziale Tolvo = 538 m.
pendenza,  700 , 13 
pendenza,  8250 , 0 
pendenza,  8650 , 8 
pendenza,  9900 , 0 
pendenza,  10200,   16
pendenza,  12750,   0
pendenza,  13150,   19
pendenza,  19150,   0
pendenza,  19450,   23
pendenza,  22800 , 26 
pendenza,  27900 , 0 
pendenza,  28500 , 27 
pendenza,  29600 , 0 
pendenza,  30450 ,-7 
pendenza,  37800 ,-16 
pendenza,  38400 , 0 
pendenza,  38700 ,-20 
pendenza,  46650 , 0 
pendenza,  46950 ,-20 
pendenza,  50500 , 0 
pendenza,  50800 ,-17 
pendenza,  51950 ,-14 
pendenza,  54350 , 0 
pendenza,  54650 ,-20 
pendenza,  67000 , 0 
pendenza,  67400 ,-22 
pendenza,  73900 , 0 
pendenza,  74800 ,-21 
pendenza,  78650 , 0 
pendenza,  78900 ,-23 
pendenza,  82650 , 0 
pendenza,  82950 ,-15 
pendenza,  83800 , 0 
pendenza,  84100 ,-15 
pendenza,  86350 ,-14 
pendenza,  90800 , 0 
pendenza,  91100 ,-5 
pendenza,  95150 ,-3 
pendenza,  95400 , 0 
[montagne]
montagna,  800 , 2050 , 12 
montagna,  2400 , 2850 , 11 
montagna,  3350 , 3450 , 12 
montagna,  4450 , 5350 , 11 
montagna,  5700 , 6000 , 11 
montagna,  6850 , 7550 , 11 
montagna,  7850 , 8600 , 12 
montagna,  8850 , 9300 , 11 
montagna,  10000 , 10850 , 12 
montagna,  11200 , 11500 , 11 
montagna,   12250,  13050,  12
montagna,  13500 , 14150 , 11 
montagna,   14450,  15250,  11
montagna,   15600,  16200,  11
montagna,  16700 , 17650 , 11 
montagna,   17850,  17950,  11
montagna,  18300 , 18850 , 11 
montagna,  19350 , 20300 , 11 
montagna,   20500,  22000,  12
montagna,   22350,  22900,  11
montagna,  23150 , 23300 , 11 
montagna,  24300 , 24450 , 11 
montagna,  25200 , 26300 , 12 
montagna,  26700 , 27150 , 11 
montagna,  27500 , 27600 , 12 
montagna,  28650 , 29200 , 11 
montagna,  29650 , 37750 , 11 
montagna,  38200 , 38500 , 11 
montagna,  39000 , 40250 , 12 
montagna,  40650 , 41450 , 11 
montagna,   41800,  42350,  11
montagna,  43000 , 43650 , 12 
montagna,  44300 , 45750 , 12 
montagna,  46150 , 46500 , 11 
montagna,   47000,  47500,  12
montagna,  48050 , 48700 , 11 
montagna,  48900 , 50500 , 12 
montagna,  50800 , 51850 , 11 
montagna,   52050,  53900,  12
montagna,  54800 , 55950 , 12 
montagna,   56250,  57500,  12
montagna,  57700 , 58050 , 11 
montagna,  59150 , 59900 , 11 
montagna,  60100 , 60750 , 11 
montagna,   61550,  61600,  1
montagna,  62200 , 64050 , 12 
montagna,  64500 , 64550 , 2 
montagna,   64650,  64700,  2
montagna,  64900 , 65700 , 11 
montagna,  65950 , 66700 , 12 
montagna,  66900 , 66950 , 11 
montagna,   68100,  68150,  2
montagna,  69000 , 69050 , 2 
montagna,  69300 , 69350 , 11 
montagna,  70450 , 71150 , 11 
montagna,  71500 , 72200 , 12 
montagna,  72550 , 72850 , 11 
montagna,  73450 , 74150 , 12 
montagna,   74900,  76100,  12
montagna,  76550 , 76750 , 11 
montagna,  77500 , 78200 , 12 
montagna,   78750,  79400,  11
montagna,  79650 , 79800 , 11 
montagna,  80700 , 80950 , 12 
montagna,   81850,  82100,  11
montagna,  83100 , 83800 , 11 
montagna,  84000 , 84750 , 12 
montagna,  85100 , 85850 , 11 
montagna,  86200 , 86900 , 11 
montagna,  87400 , 87750 , 11 
montagna,  88600 , 89300 , 11 
montagna,  89550 , 90400 , 11 
montagna,   90800,  91250,  11
montagna,  92050 , 92900 , 11 
montagna,  93300 , 93450 , 12 
[cartelli]
indicatori_vmax,  600,  80,  80,  80,  0,  ,  ,  ,  0
[indicazioni]
cartello_indicatore,  750,   (Galleria )(ROCCAVERA)( 1276 m. )
cartello_indicatore,  20450,   (Gall.elic.)(VALLESCURA)( 1502 m.  )
cartello_indicatore,  22200,   (Viadotto)(RIOSCURO)
cartello_indicatore,  25150,   (Galleria)(CASTAGNA)( 1086 m.)
cartello_indicatore,  29600,   (   Galleria   )(MONTE SERRANTE)(  8099 m.     )
cartello_indicatore,  34000,   (BORALIA)
cartello_indicatore,  38950,   (Galleria)(CAVRENNA)( 1273 m.)
cartello_indicatore,  44250,   (Gall.elic.)(PRATOSECCO)( 1467 m.  )
cartello_indicatore,  48850,   (Galleria)(BELVISTA)( 1584 m.)
cartello_indicatore,  52000,   (Gall.elic.)(SASSOMORTO)( 1857 m.  )
cartello_indicatore,  54750,   (Galleria)(LAGORETO)(1154 m. )
cartello_indicatore,  56200,   ( Galleria )(CORNAVELLA)( 1249 m.  )
cartello_indicatore,  62150,   (Gall.elic.)(VALLEGRANA)( 1883 m.  )
cartello_indicatore,  64050,   ( Viadotto )(RIOSPINOSO)
cartello_indicatore,  74850,   (Galleria)(ROVETANO)(1186 m. )
cartello_indicatore,  81100,   (ALVENA)
[fine]
)";

}  // namespace

const std::vector<std::string>& line_text() {
  static const std::vector<std::string> lines = split_lines(kLineText);
  return lines;
}

}  // namespace scengen

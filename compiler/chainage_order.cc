#include "compiler/chainage_order.h"

#include <array>

namespace scengen {
namespace {

struct Change {
  int32_t position = 0;
  int32_t chainage = 0;
  int32_t flag = 0;
};

}  // namespace

void progressive_ordina(TrackModel& model) {
  Item& i81 = model.items[kChainageItemFirst];
  Item& i82 = model.items[kChainageItemFirst + 1];
  Item& i83 = model.items[kChainageItemFirst + 2];
  const Change r81{i81.number_1, i81.number_2, i81.number_3};
  const Change r82{i82.number_1, i82.number_2, i82.number_3};
  const Change r83{i83.number_1, i83.number_2, i83.number_3};
  const int64_t p81 = r81.position, p82 = r82.position, p83 = r83.position;

  std::array<Change, 3> order{};  // all zero unless a case below applies
  if (p81 + p82 + p83 != 0) {
    if (p81 > p82 && p81 > p83)
      order = p82 > p83 ? std::array{r81, r82, r83} : std::array{r81, r83, r82};
    if (p82 > p81 && p82 > p83)
      order = p81 > p83 ? std::array{r82, r81, r83} : std::array{r82, r83, r81};
    if (p83 > p81 && p83 > p82)
      order = p81 > p82 ? std::array{r83, r81, r82} : std::array{r83, r82, r81};
  } else {
    if (r81.chainage > 0) order = {r81, r82, r83};
    if (r82.chainage > 0) order = {r82, r81, r83};
    if (r83.chainage > 0) order = {r83, r82, r81};
  }

  for (int n = 0; n < 3; ++n) {
    Item& item = model.items[kChainageItemFirst + n];
    item.number_1 = order[n].position;
    item.number_2 = order[n].chainage;
    item.number_3 = order[n].flag;
    // A chainage that counts down is stored 100 m higher. Computed in 64
    // bits; the field keeps the low 32.
    if (item.number_3 == 1) item.number_2 = static_cast<int32_t>(int64_t{item.number_2} + 100);
  }
}

}  // namespace scengen

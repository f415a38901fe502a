#include "ListField.h"

namespace pagekit {

int ListField::Decode(int reg) {
  held_ = bits_.Get(reg);
  return HasItem(held_) ? held_ : -1;
}

int ListField::Encode(int position) const { return bits_.Place(HasItem(position) ? position : held_); }

int ListField::Put(int reg, int position) const {
  return HasItem(position) ? bits_.Put(reg, position) : reg & 0xFF;
}

}  // namespace pagekit

#pragma once
// A register field shown as a choice in a drop-down list whose item positions
// are the field's codes. A code without an item leaves the list as it was; a
// list without a choice gives back the code the chip held, so Apply writes what
// the chip already has instead of inventing a value.

#include "BitField.h"

namespace pagekit {

class ListField {
 public:
  constexpr ListField(BitField bits, int itemCount) : bits_(bits), itemCount_(itemCount) {}

  // The list position that shows the register's field, or -1 when its code has
  // no item. Remembers the code for Encode.
  int Decode(int reg);
  // The field's bits for a list position; -1 (no choice) gives the code last decoded.
  int Encode(int position) const;
  // The register value with the field set to a list position; -1 keeps the
  // field as the register value holds it.
  int Put(int reg, int position) const;

  BitField Bits() const { return bits_; }
  int ItemCount() const { return itemCount_; }
  int HeldCode() const { return held_; }

 private:
  bool HasItem(int position) const { return position >= 0 && position < itemCount_; }

  BitField bits_;
  int itemCount_;
  int held_ = 0;
};

}  // namespace pagekit

#pragma once
// A register field shown as a choice in a drop-down list whose item positions
// are the field's codes. The field holds the list's texts, so the page fills
// its list from them and the count of codes with an item is always the list's.
// A code without an item leaves the list with no choice; a list without a
// choice gives back the code the chip held, so Apply writes what the chip
// already has instead of inventing a value.

#include <QStringList>
#include <utility>

#include "BitField.h"

namespace pagekit {

class ListField {
 public:
  ListField(BitField bits, QStringList items) : bits_(bits), items_(std::move(items)) {}

  // The list position that shows the register's field, or -1 when its code has
  // no item. Remembers the code for Encode.
  int Decode(int reg);
  // The field's bits for a list position; -1 (no choice) gives the code last decoded.
  int Encode(int position) const;
  // The register value with the field set to a list position; -1 keeps the
  // field as the register value holds it.
  int Put(int reg, int position) const;

  BitField Bits() const { return bits_; }
  // The texts of the list, in code order.
  const QStringList& Items() const { return items_; }
  int ItemCount() const { return static_cast<int>(items_.size()); }
  int HeldCode() const { return held_; }

 private:
  bool HasItem(int position) const { return position >= 0 && position < ItemCount(); }

  BitField bits_;
  QStringList items_;
  int held_ = 0;
};

}  // namespace pagekit

#pragma once
// A field of bits inside one register byte: where its code sits and how a code
// is taken out of a register value or put into one.

namespace pagekit {

struct BitField {
  int low = 0;    // lowest bit of the field
  int width = 1;  // number of bits

  constexpr int Mask() const { return ((1 << width) - 1) << low; }
  constexpr int Get(int reg) const { return (reg & Mask()) >> low; }
  // A code in its place. Bits beyond the field's width are dropped, so a code
  // that does not fit can never reach a neighbouring field.
  constexpr int Place(int code) const { return (code & ((1 << width) - 1)) << low; }
  // The register value with this field replaced and every other bit kept.
  constexpr int Put(int reg, int code) const { return (reg & 0xFF & ~Mask()) | Place(code); }
};

}  // namespace pagekit

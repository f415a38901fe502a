// The register field codecs every per-device page is built on.

#include <gtest/gtest.h>

#include "pagekit/BitField.h"
#include "pagekit/ListField.h"

using pagekit::BitField;
using pagekit::ListField;

namespace {

// A list of count items; only their count matters to the codec.
QStringList Items(int count) {
  QStringList items;
  for (int i = 0; i < count; ++i) items << QString::number(i);
  return items;
}

struct FieldCase {
  BitField field;
  int reg;
  int code;    // what Get gives for reg
  int put;     // code written with Put
  int result;  // reg after Put
};
void PrintTo(const FieldCase& c, std::ostream* os) {
  *os << "bits " << c.field.low << "+" << c.field.width << " of " << c.reg;
}

class BitFieldCases : public ::testing::TestWithParam<FieldCase> {};

TEST_P(BitFieldCases, GetsAndPutsOnlyItsOwnBits) {
  const FieldCase& c = GetParam();
  EXPECT_EQ(c.field.Get(c.reg), c.code);
  EXPECT_EQ(c.field.Put(c.reg, c.put), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, BitFieldCases,
    ::testing::Values(FieldCase{{3, 5}, 0x05, 0, 31, 0xFD},    // CS1 gain keeps bits 2:0
                      FieldCase{{3, 5}, 0xFE, 31, 0, 0x06},    // CS1 limit of 0xFE
                      FieldCase{{0, 3}, 0xFE, 6, 3, 0xFB},     // fast OCP delay
                      FieldCase{{5, 3}, 0xB9, 5, 0, 0x19},     // OCP bandwidth
                      FieldCase{{6, 2}, 0x99, 2, 0, 0x19},     // OrFET reverse-off threshold
                      FieldCase{{0, 2}, 0x99, 1, 3, 0x9B},     // OrFET comparator bandwidth
                      FieldCase{{3, 1}, 0x99, 1, 0, 0x91},     // OrFET reverse-off disable bit
                      FieldCase{{0, 8}, 0x5A, 0x5A, 0xA5, 0xA5},
                      FieldCase{{0, 5}, 0xE0, 0, 32, 0xE0}));  // a code too wide for the field spills nowhere

TEST(ListField, DecodesCodesWithAnItemToTheirPosition) {
  ListField delay{{0, 3}, Items(6)};
  EXPECT_EQ(delay.Decode(0x0B), 3);
  EXPECT_EQ(delay.Encode(3), 3);
  EXPECT_EQ(delay.Encode(5), 5);
}

TEST(ListField, CodeWithoutItemShowsNothingAndIsWrittenBackUnchanged) {
  ListField delay{{0, 3}, Items(6)};
  EXPECT_EQ(delay.Decode(0xFF), -1);
  EXPECT_EQ(delay.HeldCode(), 7);
  // No choice: the code the chip held, not the item count.
  EXPECT_EQ(delay.Encode(-1), 7);
  // A choice the user made still wins.
  EXPECT_EQ(delay.Encode(2), 2);
}

TEST(ListField, WithoutChoiceAPositionNeverReachesANeighbour) {
  ListField limit{{0, 5}, Items(32)};
  limit.Decode(0x1F);
  EXPECT_EQ(limit.Encode(-1), 0x1F);
  EXPECT_EQ(limit.Encode(32), 0x1F) << "a position past the list is no choice";
  ListField offset{{0, 7}, Items(64)};
  EXPECT_EQ(offset.Decode(0xD0), -1);
  EXPECT_EQ(offset.Encode(-1), 0x50);
}

TEST(ListField, PutWithoutChoiceKeepsWhatTheRegisterHolds) {
  ListField freq{{0, 4}, Items(12)};
  EXPECT_EQ(freq.Decode(0x2D), -1);
  EXPECT_EQ(freq.Put(0x6E, -1), 0x6E);
  EXPECT_EQ(freq.Put(0x6E, 5), 0x65);
}

}  // namespace

#pragma once
// The items of the settings pages' lists, computed once here so the decode of a
// register and the list it selects from always agree text for text.

#include <QStringList>

namespace settings {

// "0", "1", ... up to count - 1.
QStringList NumberItems(int count);
// count whole percentages from first on: "105%", "106%", ...
QStringList PercentItems(int first, int count);

// Share-bus bandwidth, 32 items from "100Hz" to "5kHz".
QStringList ShareBandwidthItems();
// CS1 over-current limit, 32 items from "105%" to "130%".
QStringList CS1LimitItems();
// CS2 over-current limit, 32 items from "100%" to "132%".
QStringList CS2LimitItems();
// Over-current protection bandwidth, 8 items from "100Hz" to "5kHz".
QStringList OCPBandwidthItems();
// Output-voltage trim, 256 items from "65%" to "125%".
QStringList OutputTrimItems();

}  // namespace settings

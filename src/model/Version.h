#pragma once
// The program's version, shown on the splash window.

constexpr int kVersionMajor = 2;
constexpr int kVersionMinor = 0;
constexpr int kVersionRevision = 5;

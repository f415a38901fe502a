#pragma once
// The telemetry poll that refreshes the device records a few registers per
// master-timer tick, the fault-flag decode, and the fixed readings of simulation.

#include <QString>
#include <cstdint>

// One step of the poll (one of five phases) for every device found.
void PollDeviceReadings();
// Reads and decodes the fault registers and the first flag of one chip into its record.
void ReadFaultFlags(int32_t DevAddr);
// Overwrites the readings of both records with the fixed simulation values.
void LoadSimulatedReadings();
// The six reading scale values at their defaults.
void SetReadingFullScales();
// "Power Supply", "OrFET", "PGood Fault" for codes 0 to 2, else "".
QString GetFaultSourceName(int16_t Code);

// The poll's phase, 0 to 4, shared by both devices.
int16_t PollPhase();

// A 12-bit reading: the register read twice, first x 16 + second / 16 (a real division).
float Read12BitCode(int32_t DevAddr, int32_t RegAddr);

// Records, count, addresses, scales and the poll phase back to program start.
void ResetDeviceState();

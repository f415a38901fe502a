#pragma once
// The program's start-up: splash, discovery, the simulation question, the device picker.

void Main();

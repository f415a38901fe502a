int ProbeValue() { return 1; }

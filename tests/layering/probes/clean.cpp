// Builds: a widget-free target with Qt Core and our own widget-free headers.
#include <QString>

#include "model/NumberText.h"

QString ProbeText() { return numtext::Plain(1.5); }

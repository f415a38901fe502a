// Must not build: a target that uses Qt Core at most reaching a Qt Gui header.
#include <QtGui/QColor>

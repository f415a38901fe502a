// Must not build: a widget-free target reaching a Qt Widgets header.
#include <QtWidgets/QWidget>

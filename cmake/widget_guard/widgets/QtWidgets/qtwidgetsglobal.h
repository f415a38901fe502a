// Every Qt Widgets header starts by including this one. A widget-free target
// finds this file first, so any widget header it reaches stops the build here.
#error "a widget header in a widget-free target"

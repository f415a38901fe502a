// Every Qt Gui header starts by including this one. A target that may use Qt
// Core at most finds this file first, so any Gui header it reaches stops the build here.
#error "a Qt Gui header in a target that uses Qt Core at most"

// Must not build: a widget-free target reaching one of our widget headers.
#include "platform/forms/Form.h"

#include "app/gui/tablora_app.h"

wxIMPLEMENT_APP(tablora::TabloraApp);

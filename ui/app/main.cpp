#include "ui/app/listora_app.h"

wxIMPLEMENT_APP(listora::CListoraApp);

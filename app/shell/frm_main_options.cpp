// The Edit menu's Options command.
#include "app/shell/frm_main.h"
#include "app/shell/frm_properties.h"

namespace pitchlog {

void frmMain::Properties_Click() { frmProperties::Get().exec(); }

}  // namespace pitchlog

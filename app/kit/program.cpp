#include "app/kit/program.h"

namespace pitchlog {

Application App;
std::shared_ptr<kelvane::IPitchlog> gobjKelvane;
QString gstrAppTitle;
int32_t glngMyTeamColour = 0;
int32_t glngMyTeamGhost = 0;
int32_t glngMyOtherTeamColour = 0;
int32_t glngMyOtherTeamGhost = 0;

}  // namespace pitchlog

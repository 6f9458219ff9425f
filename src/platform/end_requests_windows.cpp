#include "platform/end_requests.h"

namespace lumo::platform {

// A Windows program with windows learns of a session's end through its windows (Qt closes them
// and quits), so there is nothing more to watch here.
std::unique_ptr<EndRequests> watchEndRequests()
{
    return std::make_unique<EndRequests>();
}

} // namespace lumo::platform

#include "platform/immediate_process_control.h"

#include <cstdio>
#include <cstdlib>

namespace lumo::platform {

void ImmediateProcessControl::endNow(int exitCode)
{
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

} // namespace lumo::platform

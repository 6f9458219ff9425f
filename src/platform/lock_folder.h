#pragma once

#include <QString>

namespace lumo::platform {

// The folder for the single-instance lock: one that only this user can write to, so that no
// other user can plant a lock and keep this user's program from starting. The per-user runtime
// folder where it is usable, else a private folder of the user's own. Empty when neither can
// be had.
[[nodiscard]] QString privateLockFolder();

} // namespace lumo::platform

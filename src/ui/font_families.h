#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace lumo::ui::fonts {

// The families the window layouts name.
enum class Family { Verdana, MsSansSerif };

// The family to name for `designed`: itself where it is installed, else the first of
// `standIns` that is, else `designed` again, left to the system's own substitution.
[[nodiscard]] QString pickFamily(const QString& designed, const QStringList& standIns,
                                 const std::function<bool(const QString&)>& installed);

// The family every control drawn in `family` names: looked up among the installed families
// once per process, so that no control sends the font system searching for a substitute of a
// family that is not there.
[[nodiscard]] const QString& resolvedFamily(Family family);

} // namespace lumo::ui::fonts

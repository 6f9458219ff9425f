#include "ui/font_families.h"

#include <QFontDatabase>
#include <array>
#include <cstddef>

namespace lumo::ui::fonts {

namespace {
struct FamilyRow {
    Family family;
    const char* designed;
    // Installed families nearest in width and height, nearest first: DejaVu Sans
    // (fonts-dejavu-core) is about as wide as Verdana; Liberation Sans (fonts-liberation2) has
    // Arial's metrics, which the classic dialog face shares.
    std::array<const char*, 2> standIns;
};

constexpr std::array kFamilies{
    FamilyRow{Family::Verdana, "Verdana", {"DejaVu Sans", nullptr}},
    FamilyRow{Family::MsSansSerif, "MS Sans Serif", {"Liberation Sans", "DejaVu Sans"}},
};

struct Resolved {
    std::array<QString, kFamilies.size()> names;
};

Resolved resolveAll()
{
    // One look at the installed families for all of them: QFontDatabase::families() lists the
    // font files' own families, never the names a substitution rule makes up.
    const QStringList installed = QFontDatabase::families();
    const auto isInstalled = [&installed](const QString& family) {
        return installed.contains(family, Qt::CaseInsensitive);
    };
    Resolved resolved;
    for (std::size_t i = 0; i < kFamilies.size(); ++i) {
        QStringList standIns;
        for (const char* standIn : kFamilies[i].standIns) {
            if (standIn != nullptr) {
                standIns << QString::fromLatin1(standIn);
            }
        }
        resolved.names[i] =
            pickFamily(QString::fromLatin1(kFamilies[i].designed), standIns, isInstalled);
    }
    return resolved;
}
} // namespace

QString pickFamily(const QString& designed, const QStringList& standIns,
                   const std::function<bool(const QString&)>& installed)
{
    if (installed(designed)) {
        return designed;
    }
    for (const QString& standIn : standIns) {
        if (installed(standIn)) {
            return standIn;
        }
    }
    return designed;
}

const QString& resolvedFamily(Family family)
{
    static const Resolved resolved = resolveAll();
    for (std::size_t i = 0; i < kFamilies.size(); ++i) {
        if (kFamilies[i].family == family) {
            return resolved.names[i];
        }
    }
    return resolved.names.front();
}

} // namespace lumo::ui::fonts

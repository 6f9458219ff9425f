#pragma once

#include <QLatin1String>
#include <QString>

namespace lumo::testing {

// The address of the maker's page with `key`, spelled out here so that a test states the address
// it expects instead of asking the code under test for it.
inline QString pageAt(const char* key)
{
    return QStringLiteral(LUMO_SITE_BASE "/lumo-free-soul-urge-number/ssd.php?page=") +
           QLatin1String(key);
}

} // namespace lumo::testing

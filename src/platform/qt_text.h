#pragma once

#include "product.h"

#include <QString>
#include <string_view>

namespace lumo {

[[nodiscard]] inline QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

[[nodiscard]] inline QString applicationTitle()
{
    return toQString(product::kApplicationTitle);
}

[[nodiscard]] inline QString windowCaption()
{
    return toQString(product::kWindowCaption);
}

} // namespace lumo

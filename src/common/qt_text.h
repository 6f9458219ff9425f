#pragma once

#include "core/product.h"

#include <QString>
#include <string_view>

namespace lumo {

// The one way a text constant (UTF-8, held as `inline constexpr char k...[]`) becomes a QString.
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

// Leading and trailing space characters removed; tabs, carriage returns and line feeds stay,
// unlike QString::trimmed.
[[nodiscard]] inline QString trimSpaces(const QString& text)
{
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text.at(first) == QLatin1Char(' ')) {
        ++first;
    }
    while (end > first && text.at(end - 1) == QLatin1Char(' ')) {
        --end;
    }
    return text.mid(first, end - first);
}

} // namespace lumo

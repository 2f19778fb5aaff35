#pragma once

#include "core/colour.hpp"

#include <QColor>
#include <QString>

#include <string_view>

namespace torvanel {

inline QString to_qstring(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QColor qcolor_of(Colour colour)
{
    return QColor(colour.red(), colour.green(), colour.blue());
}

} // namespace torvanel

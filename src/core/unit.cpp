#include "core/unit.hpp"

namespace torvanel {

std::string_view unit_symbol(Unit unit)
{
    switch (unit) {
    case Unit::Volt:
        return "V";
    case Unit::Ohm:
        return "\u03a9";
    case Unit::Ampere:
        return "A";
    case Unit::Watt:
        return "W";
    case Unit::None:
        break;
    }
    return "";
}

std::string_view unit_name(Unit unit)
{
    switch (unit) {
    case Unit::Volt:
        return "volt";
    case Unit::Ohm:
        return "ohm";
    case Unit::Ampere:
        return "ampere";
    case Unit::Watt:
        return "watt";
    case Unit::None:
        break;
    }
    return "";
}

std::string_view quantity_symbol(Unit unit)
{
    switch (unit) {
    case Unit::Volt:
        return "V";
    case Unit::Ohm:
        return "R";
    case Unit::Ampere:
        return "I";
    case Unit::Watt:
        return "P";
    case Unit::None:
        break;
    }
    return "";
}

} // namespace torvanel

// The scenarios every view passes, on the Win32 window.
#include "win32_view.hpp"

namespace torvanel::win32 {
namespace {

class Parity : public ::testing::TestWithParam<parity::Scenario> {};

TEST_P(Parity, Win32View)
{
    Win32View view;
    parity::play(GetParam(), view);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, Parity, ::testing::ValuesIn(parity::scenarios()), parity::scenario_name);

} // namespace
} // namespace torvanel::win32

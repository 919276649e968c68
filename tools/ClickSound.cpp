#include "ClickSound.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

// One ringing mode of the block: frequency, starting level and time to fall to 1/e.
struct Mode
{
    double hz;
    double level;
    double decaySeconds;
};

// A small block struck by a stick: a strong mode, a weaker one well above it that dies first,
// and a little body below. The accent is the same block half again as high.
constexpr std::array<Mode, 3> BLOCK = {
    {{1250.0, 1.0, 0.009}, {3330.0, 0.35, 0.004}, {560.0, 0.25, 0.014}}};
constexpr double ACCENT_PITCH = 1.5;
constexpr double TICK_PEAK = 0.22;
constexpr double ACCENT_PEAK = 0.25;
constexpr double SECONDS = 0.06;

} // namespace

std::vector<double> ClickSound::Make(bool accent, int rate)
{
    rate = std::max(rate, 1000);
    const int total = static_cast<int>(SECONDS * rate);
    const int rise = std::max(1, rate / 2000);
    const int fall = rate / 100;
    const double pitch = accent ? ACCENT_PITCH : 1.0;
    std::vector<double> out(static_cast<std::size_t>(total));
    double peak = 1e-9;
    for (int i = 0; i < total; ++i) {
        const double t = double(i) / rate;
        double level = 0.0;
        for (const Mode& mode : BLOCK) {
            level += mode.level * std::exp(-t / mode.decaySeconds) *
                     std::sin(2.0 * std::numbers::pi * mode.hz * pitch * t);
        }
        const double onset =
            i < rise ? 0.5 * (1.0 - std::cos(std::numbers::pi * double(i) / rise)) : 1.0;
        const double edge = std::min(1.0, double(total - 1 - i) / fall);
        out[static_cast<std::size_t>(i)] = level * onset * edge;
        peak = std::max(peak, std::abs(out[static_cast<std::size_t>(i)]));
    }
    const double gain = (accent ? ACCENT_PEAK : TICK_PEAK) / peak;
    for (double& level : out) {
        level *= gain;
    }
    return out;
}

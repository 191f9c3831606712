#pragma once

// What the two settings may hold, in the units of their spins; both programs keep to these. The
// stored milliseconds are 100 times an interval position (0 when background status is off) and
// 1000 times a timeout position.
namespace settings
{
// Background status interval: tenths of a second, 0.1 to 240.0 seconds.
constexpr int kIntervalMinTenths = 1;
constexpr int kIntervalMaxTenths = 2400;
constexpr unsigned kMillisecondsPerTenth = 100;

// I/O timeout: whole seconds.
constexpr int kTimeoutMinSeconds = 5;
constexpr int kTimeoutMaxSeconds = 600;
constexpr unsigned kMillisecondsPerSecond = 1000;
} // namespace settings

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

/// The percentage shown for position k of a bar with the given maximum:
/// q = maximum / 100, p = k / q, each rounded to a 64-bit significand (to
/// nearest, ties to even), then p rounded to the nearest integer, ties to
/// even. Exact on every host, whatever long double is.
/// aMaximum must be positive and 0 <= k.
int ExtendedPercent(long long k, long long aMaximum);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Uniform numbers in [0, 1). Every number is drawn after mixing the time of day
// into the generator, so picks made within one clock tick still differ.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double Next() = 0;

    // A pick of one of k things, 1-based: Int(r * k) + 1.
    int Pick(int k) { return static_cast<int>(Next() * k) + 1; }
};

// SPDX-License-Identifier: GPL-3.0-or-later
// A breach planted for the layout check to find.
#pragma once

#include <QtWidgets/QLabel>

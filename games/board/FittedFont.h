// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Graphics.h"

#include <string_view>

namespace tumbledown {

// The font narrowed, down to 70% of its width, until the line fits in width
// pixels: a long line is squeezed rather than spilling past its frame.
Font fittedFont(const Font& font, std::string_view line, int width);

} // namespace tumbledown

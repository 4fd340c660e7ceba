// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <string>

namespace tumbledown {

// "Description (*.EXT)|*.EXT|" pairs into a file dialog's name filters, with
// the patterns matching in any letter case.
QString toQtFileFilter(const std::string& filter);

} // namespace tumbledown

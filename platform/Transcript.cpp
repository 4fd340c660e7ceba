// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Transcript.h"

namespace tumbledown {

bool Transcript::open(const std::string& path) {
    out_.open(path, std::ios::out | std::ios::trunc | std::ios::binary);
    return out_.is_open();
}

void Transcript::write(std::initializer_list<std::string_view> fields) {
    if (watcher_ && fields.size() > 0)
        watcher_(*fields.begin());
    if (!out_.is_open())
        return;
    out_ << (now_ ? now_() : 0);
    for (std::string_view field : fields)
        out_ << '\t' << escape(field);
    out_ << '\n';
    out_.flush(); // a crash must not lose the lines that lead up to it
}

std::string Transcript::escape(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '\\':
            escaped += "\\\\";
            break;
        case '\t':
            escaped += "\\t";
            break;
        case '\n':
            escaped += "\\n";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

Transcript& transcript() {
    static Transcript instance;
    return instance;
}

} // namespace tumbledown

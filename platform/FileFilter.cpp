// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FileFilter.h"

#include <QStringList>

namespace tumbledown {

namespace {
QString anyCase(const QString& pattern) {
    QString result;
    for (QChar c : pattern) {
        if (c.isLetter())
            result += QString("[%1%2]").arg(c.toUpper()).arg(c.toLower());
        else
            result += c;
    }
    return result;
}
} // namespace

QString toQtFileFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const int paren = description.indexOf('(');
        if (paren >= 0)
            description = description.left(paren);
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(';', Qt::SkipEmptyParts))
            patterns << anyCase(pattern.trimmed());
        if (!patterns.isEmpty())
            filters << description.trimmed() + " (" + patterns.join(' ') + ")";
    }
    return filters.join(";;");
}

} // namespace tumbledown

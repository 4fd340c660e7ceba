// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The tool's JSON read by Qt's parser, so that a malformed report fails: a
// value with the few accessors the tests use.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <string>
#include <vector>

namespace tumbledown::levels::testing {

struct JsonValue {
    QJsonValue value;
    std::string text;
    double number = 0;
    bool boolean = false;
    bool isBool = false;
    std::vector<JsonValue> items;

    explicit JsonValue(const QJsonValue& v = {})
        : value(v), text(v.toString().toStdString()), number(v.toDouble()), boolean(v.toBool()),
          isBool(v.isBool()) {
        for (const QJsonValue& item : v.toArray())
            items.emplace_back(item);
    }
    JsonValue operator[](const std::string& key) const {
        return JsonValue(value.toObject().value(QString::fromStdString(key)));
    }
    bool has(const std::string& key) const {
        return value.toObject().contains(QString::fromStdString(key));
    }
};

// The document; a parse error gives a null value, which every check then fails.
inline JsonValue parseJson(const std::string& text) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    return error.error == QJsonParseError::NoError && doc.isObject() ? JsonValue(doc.object())
                                                                     : JsonValue();
}

} // namespace tumbledown::levels::testing

// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Just enough of a JSON reader to hold the tool's output to its documented
// form: objects, arrays, strings without escapes, numbers and booleans.

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace tumbledown::levels::testing {

struct JsonValue {
    enum class Type { Null, Bool, Number, String, Array, Object } type = Type::Null;
    bool boolean = false;
    double number = 0;
    std::string text;
    std::vector<JsonValue> items;
    std::map<std::string, JsonValue> fields;
    std::vector<std::string> order; // the fields in the order written

    const JsonValue& operator[](const std::string& key) const {
        const auto it = fields.find(key);
        if (it == fields.end())
            throw std::runtime_error("no field " + key);
        return it->second;
    }
    bool has(const std::string& key) const { return fields.count(key) != 0; }
};

class JsonReader {
public:
    explicit JsonReader(const std::string& text) : s_(text) {}

    JsonValue document() {
        JsonValue v = value();
        space();
        if (i_ != s_.size())
            fail("text after the value");
        return v;
    }

private:
    [[noreturn]] void fail(const std::string& what) {
        throw std::runtime_error("JSON: " + what + " at " + std::to_string(i_));
    }
    void space() {
        while (i_ < s_.size() &&
               (s_[i_] == ' ' || s_[i_] == '\n' || s_[i_] == '\t' || s_[i_] == '\r'))
            ++i_;
    }
    void expect(char c) {
        space();
        if (i_ >= s_.size() || s_[i_] != c)
            fail(std::string("expected ") + c);
        ++i_;
    }
    std::string string() {
        expect('"');
        const std::size_t end = s_.find('"', i_);
        if (end == std::string::npos)
            fail("unterminated string");
        std::string out = s_.substr(i_, end - i_);
        if (out.find('\\') != std::string::npos)
            fail("escapes are not expected");
        i_ = end + 1;
        return out;
    }
    JsonValue value() {
        space();
        if (i_ >= s_.size())
            fail("missing value");
        JsonValue v;
        const char c = s_[i_];
        if (c == '{') {
            v.type = JsonValue::Type::Object;
            ++i_;
            space();
            if (s_[i_] == '}') {
                ++i_;
                return v;
            }
            for (;;) {
                const std::string key = string();
                expect(':');
                if (v.fields.count(key))
                    fail("duplicate key " + key);
                v.order.push_back(key);
                v.fields[key] = value();
                space();
                if (s_[i_] == ',') {
                    ++i_;
                    continue;
                }
                expect('}');
                return v;
            }
        }
        if (c == '[') {
            v.type = JsonValue::Type::Array;
            ++i_;
            space();
            if (s_[i_] == ']') {
                ++i_;
                return v;
            }
            for (;;) {
                v.items.push_back(value());
                space();
                if (s_[i_] == ',') {
                    ++i_;
                    continue;
                }
                expect(']');
                return v;
            }
        }
        if (c == '"') {
            v.type = JsonValue::Type::String;
            v.text = string();
            return v;
        }
        if (s_.compare(i_, 4, "true") == 0 || s_.compare(i_, 5, "false") == 0) {
            v.type = JsonValue::Type::Bool;
            v.boolean = s_[i_] == 't';
            i_ += v.boolean ? 4 : 5;
            return v;
        }
        std::size_t used = 0;
        try {
            v.number = std::stod(s_.substr(i_), &used);
        } catch (const std::exception&) {
            fail("bad number");
        }
        if (used == 0)
            fail("bad value");
        v.type = JsonValue::Type::Number;
        i_ += used;
        return v;
    }

    const std::string& s_;
    std::size_t i_ = 0;
};

} // namespace tumbledown::levels::testing

#include "platform/foundation/Value.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace fv {

const Value& Value::null() {
    static const Value kNull;
    return kNull;
}

std::optional<bool> Value::asBool() const {
    if (auto* b = std::get_if<bool>(&v_)) return *b;
    return std::nullopt;
}

std::optional<std::int64_t> Value::asInteger() const {
    if (auto* i = std::get_if<std::int64_t>(&v_)) return *i;
    return std::nullopt;
}

std::optional<double> Value::asReal() const {
    if (auto* d = std::get_if<double>(&v_)) return *d;
    if (auto* i = std::get_if<std::int64_t>(&v_)) return static_cast<double>(*i);
    return std::nullopt;
}

std::optional<std::string> Value::asString() const {
    if (auto* s = std::get_if<std::string>(&v_)) return *s;
    return std::nullopt;
}

const Value::Bytes* Value::asData() const {
    return std::get_if<Bytes>(&v_);
}

std::optional<fv::Date> Value::asDate() const {
    if (auto* d = std::get_if<fv::Date>(&v_)) return *d;
    return std::nullopt;
}

const Value::Array* Value::asArray() const {
    auto* a = std::get_if<std::shared_ptr<Array>>(&v_);
    return a ? a->get() : nullptr;
}

const Value::Dictionary* Value::asDictionary() const {
    auto* d = std::get_if<std::shared_ptr<Dictionary>>(&v_);
    return d ? d->get() : nullptr;
}

bool Value::boolValue(bool fallback) const {
    switch (type()) {
        case Type::Bool:
            return *asBool();
        case Type::Integer:
            return *asInteger() != 0;
        case Type::Real:
            return *asReal() != 0.0;
        case Type::String: {
            const std::string& s = std::get<std::string>(v_);
            if (s == "YES" || s == "yes" || s == "true" || s == "TRUE" || s == "1") return true;
            if (s == "NO" || s == "no" || s == "false" || s == "FALSE" || s == "0") return false;
            return fallback;
        }
        default:
            return fallback;
    }
}

std::int64_t Value::integerValue(std::int64_t fallback) const {
    switch (type()) {
        case Type::Bool:
            return *asBool() ? 1 : 0;
        case Type::Integer:
            return *asInteger();
        case Type::Real: {
            double d = *asReal();
            if (std::isnan(d) || d >= 9.2e18 || d <= -9.2e18) return fallback;
            return static_cast<std::int64_t>(d);
        }
        case Type::String: {
            const std::string& s = std::get<std::string>(v_);
            std::int64_t out = 0;
            auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
            return ec == std::errc() && p == s.data() + s.size() && !s.empty() ? out : fallback;
        }
        default:
            return fallback;
    }
}

double Value::doubleValue(double fallback) const {
    switch (type()) {
        case Type::Bool:
            return *asBool() ? 1.0 : 0.0;
        case Type::Integer:
        case Type::Real:
            return *asReal();
        case Type::String: {
            const std::string& s = std::get<std::string>(v_);
            // Digits past 64 bits (a card number read from JSON) would come back rounded.
            std::int64_t whole = 0;
            const auto integer = std::from_chars(s.data(), s.data() + s.size(), whole);
            if (integer.ec == std::errc::result_out_of_range && integer.ptr == s.data() + s.size())
                return fallback;
            double out = 0;
            auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
            return ec == std::errc() && p == s.data() + s.size() && !s.empty() ? out : fallback;
        }
        default:
            return fallback;
    }
}

std::string Value::stringValue(const std::string& fallback) const {
    switch (type()) {
        case Type::String:
            return std::get<std::string>(v_);
        case Type::Bool:
        case Type::Integer:
        case Type::Real:
            return description();
        default:
            return fallback;
    }
}

const Value& Value::operator[](const std::string& key) const {
    if (const Dictionary* d = asDictionary()) {
        auto it = d->find(key);
        if (it != d->end()) return it->second;
    }
    return null();
}

const Value& Value::operator[](std::size_t index) const {
    if (const Array* a = asArray(); a && index < a->size()) return (*a)[index];
    return null();
}

bool Value::contains(const std::string& key) const {
    const Dictionary* d = asDictionary();
    return d && d->count(key) > 0;
}

std::size_t Value::size() const {
    if (const Array* a = asArray()) return a->size();
    if (const Dictionary* d = asDictionary()) return d->size();
    return 0;
}

Value::Array& Value::mutableArray() {
    auto* a = std::get_if<std::shared_ptr<Array>>(&v_);
    if (!a) {
        v_ = std::make_shared<Array>();
        a = std::get_if<std::shared_ptr<Array>>(&v_);
    } else if (a->use_count() > 1) {
        *a = std::make_shared<Array>(**a);
    }
    return **a;
}

Value::Dictionary& Value::mutableDictionary() {
    auto* d = std::get_if<std::shared_ptr<Dictionary>>(&v_);
    if (!d) {
        v_ = std::make_shared<Dictionary>();
        d = std::get_if<std::shared_ptr<Dictionary>>(&v_);
    } else if (d->use_count() > 1) {
        *d = std::make_shared<Dictionary>(**d);
    }
    return **d;
}

Value& Value::set(const std::string& key, Value value) {
    if (value.isNull()) {
        remove(key);
    } else {
        mutableDictionary()[key] = std::move(value);
    }
    return *this;
}

bool Value::remove(const std::string& key) {
    if (!contains(key)) return false;
    return mutableDictionary().erase(key) > 0;
}

Value& Value::append(Value value) {
    mutableArray().push_back(std::move(value));
    return *this;
}

namespace {

std::string shortestReal(double d) {
    if (std::isnan(d)) return "nan";
    if (std::isinf(d)) return d > 0 ? "inf" : "-inf";
    char buf[64];
    auto [p, ec] = std::to_chars(buf, buf + sizeof buf, d);
    return ec == std::errc() ? std::string(buf, p) : std::string();
}

}  // namespace

std::string Value::description() const {
    switch (type()) {
        case Type::Null:
            return "<null>";
        case Type::Bool:
            return *asBool() ? "1" : "0";
        case Type::Integer:
            return std::to_string(*asInteger());
        case Type::Real:
            return shortestReal(*asReal());
        case Type::String:
            return std::get<std::string>(v_);
        case Type::Data:
            return "<" + std::to_string(asData()->size()) + " bytes>";
        case Type::Date:
            return shortestReal(asDate()->secondsSince1970);
        case Type::Array: {
            std::string out = "(";
            bool first = true;
            for (const Value& v : *asArray()) {
                out += first ? "" : ", ";
                out += v.description();
                first = false;
            }
            return out + ")";
        }
        case Type::Dictionary: {
            std::string out = "{";
            bool first = true;
            for (const auto& [k, v] : *asDictionary()) {
                out += first ? "" : "; ";
                out += k + " = " + v.description();
                first = false;
            }
            return out + "}";
        }
    }
    return {};
}

bool Value::operator==(const Value& other) const {
    if (type() != other.type()) return false;
    switch (type()) {
        case Type::Array:
            return *asArray() == *other.asArray();
        case Type::Dictionary:
            return *asDictionary() == *other.asDictionary();
        default:
            return v_ == other.v_;
    }
}

}  // namespace fv

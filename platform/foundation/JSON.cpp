#include "platform/foundation/JSON.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "platform/foundation/Utf8.h"

namespace fv {

namespace {

using nlohmann::json;

// Builds the value tree straight from the parser's events, so nesting is bounded before anything
// deep is built.
class Builder : public nlohmann::json_sax<json> {
  public:
    bool null() override { return add(Value()); }
    bool boolean(bool b) override { return add(Value(b)); }
    bool number_integer(number_integer_t i) override { return add(Value(static_cast<long long>(i))); }
    bool number_unsigned(number_unsigned_t u) override {
        if (u <= static_cast<number_unsigned_t>(INT64_MAX)) return add(Value(static_cast<long long>(u)));
        return add(Value(std::to_string(u)));
    }
    bool number_float(number_float_t d, const string_t& text) override {
        // An integer too long for 64 bits arrives here already rounded; its digits are kept instead.
        if (text.find_first_of(".eE") == string_t::npos) return add(Value(text));
        return std::isfinite(d) && add(Value(d));
    }
    bool string(string_t& s) override { return add(Value(std::move(s))); }
    bool binary(binary_t&) override { return false; }
    bool start_object(std::size_t) override { return open(Value(Value::Dictionary{})); }
    bool key(string_t& k) override {
        keys_.back() = std::move(k);
        return true;
    }
    bool end_object() override { return close(); }
    bool start_array(std::size_t) override { return open(Value(Value::Array{})); }
    bool end_array() override { return close(); }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
        return false;
    }

    std::optional<Value> result;

  private:
    bool open(Value container) {
        if (stack_.size() >= JSON::kMaxDepth) return false;
        stack_.push_back(std::move(container));
        keys_.emplace_back();
        return true;
    }

    bool close() {
        Value done = std::move(stack_.back());
        stack_.pop_back();
        keys_.pop_back();
        return add(std::move(done));
    }

    bool add(Value v) {
        if (stack_.empty()) {
            result = std::move(v);
        } else if (stack_.back().isArray()) {
            stack_.back().mutableArray().push_back(std::move(v));
        } else {
            // Not set(): a JSON null is a value of its own and keeps its key.
            stack_.back().mutableDictionary()[keys_.back()] = std::move(v);
        }
        return true;
    }

    std::vector<Value> stack_;
    std::vector<std::string> keys_;
};

std::optional<json> toJson(const Value& v, std::size_t depth) {
    switch (v.type()) {
        case Value::Type::Null:
            return json(nullptr);
        case Value::Type::Bool:
            return json(*v.asBool());
        case Value::Type::Integer:
            return json(*v.asInteger());
        case Value::Type::Real: {
            const double d = *v.asReal();
            if (!std::isfinite(d)) return std::nullopt;
            return json(d);
        }
        case Value::Type::String: {
            auto s = v.asString();
            if (!utf8::isValid(*s)) return std::nullopt;
            return json(std::move(*s));
        }
        case Value::Type::Data:
        case Value::Type::Date:
            return std::nullopt;
        case Value::Type::Array: {
            if (depth >= JSON::kMaxDepth) return std::nullopt;
            json out = json::array();
            for (const Value& item : *v.asArray()) {
                auto j = toJson(item, depth + 1);
                if (!j) return std::nullopt;
                out.push_back(std::move(*j));
            }
            return out;
        }
        case Value::Type::Dictionary: {
            if (depth >= JSON::kMaxDepth) return std::nullopt;
            json out = json::object();
            for (const auto& [key, item] : *v.asDictionary()) {
                if (!utf8::isValid(key)) return std::nullopt;
                auto j = toJson(item, depth + 1);
                if (!j) return std::nullopt;
                out[key] = std::move(*j);
            }
            return out;
        }
    }
    return std::nullopt;
}

thread_local std::size_t parsedOnThisThread = 0;

}  // namespace

std::size_t JSON::bytesParsedOnThisThread() {
    return parsedOnThisThread;
}

std::optional<Value> JSON::parse(std::string_view text) {
    parsedOnThisThread += text.size();
    // The parser takes a NUL for the end of the text and would accept whatever follows it; a raw NUL
    // is never valid JSON anyway.
    if (text.find('\0') != std::string_view::npos) return std::nullopt;
    try {
        Builder builder;
        if (!json::sax_parse(text, &builder) || !builder.result) return std::nullopt;
        return std::move(builder.result);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::optional<std::string> JSON::serialize(const Value& value, bool pretty) {
    try {
        auto j = toJson(value, 0);
        if (!j) return std::nullopt;
        return j->dump(pretty ? 2 : -1, ' ', false, json::error_handler_t::strict);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

}  // namespace fv

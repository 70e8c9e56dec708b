#pragma once
// The one dynamic value of property lists, JSON, user defaults and the dictionaries screens hand each
// other. Access is typed and checked: a wrong type or a missing key reads as none, never throws.
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace fv {

// A point in time as seconds since 1970-01-01 00:00:00 UTC.
struct Date {
    double secondsSince1970 = 0;
    bool operator==(const Date&) const = default;
};

class Value {
  public:
    enum class Type { Null, Bool, Integer, Real, String, Data, Date, Array, Dictionary };
    using Bytes = std::vector<std::uint8_t>;
    using Array = std::vector<Value>;
    // Keys are matched by exact text, blanks included.
    using Dictionary = std::map<std::string, Value>;

    Value() = default;
    Value(std::nullptr_t) {}
    Value(bool b) : v_(b) {}
    Value(int i) : v_(std::int64_t{i}) {}
    Value(long i) : v_(std::int64_t{i}) {}
    Value(long long i) : v_(std::int64_t{i}) {}
    Value(unsigned i) : v_(std::int64_t{i}) {}
    Value(double d) : v_(d) {}
    Value(const char* s) : v_(std::string(s)) {}
    Value(std::string s) : v_(std::move(s)) {}
    Value(Bytes d) : v_(std::move(d)) {}
    Value(fv::Date d) : v_(d) {}
    Value(Array a) : v_(std::make_shared<Array>(std::move(a))) {}
    Value(Dictionary d) : v_(std::make_shared<Dictionary>(std::move(d))) {}

    Type type() const { return static_cast<Type>(v_.index()); }
    bool isNull() const { return type() == Type::Null; }
    bool isBool() const { return type() == Type::Bool; }
    bool isInteger() const { return type() == Type::Integer; }
    bool isReal() const { return type() == Type::Real; }
    bool isNumber() const { return isInteger() || isReal(); }
    bool isString() const { return type() == Type::String; }
    bool isData() const { return type() == Type::Data; }
    bool isDate() const { return type() == Type::Date; }
    bool isArray() const { return type() == Type::Array; }
    bool isDictionary() const { return type() == Type::Dictionary; }

    // Exact-type reads: none when the value holds another type.
    std::optional<bool> asBool() const;
    std::optional<std::int64_t> asInteger() const;  // integers only
    std::optional<double> asReal() const;           // integers and reals
    std::optional<std::string> asString() const;
    const Bytes* asData() const;
    std::optional<fv::Date> asDate() const;
    const Array* asArray() const;
    const Dictionary* asDictionary() const;

    // Lenient reads with a fallback, for settings and dictionaries handed between screens.
    bool boolValue(bool fallback = false) const;  // bools, numbers (non-zero), "YES"/"true"/"1"
    std::int64_t integerValue(std::int64_t fallback = 0) const;
    double doubleValue(double fallback = 0) const;  // the fallback for integer text beyond 64 bits
    std::string stringValue(const std::string& fallback = "") const;

    // Checked lookup: a missing key, an index out of range or a non-container gives a null value.
    const Value& operator[](const std::string& key) const;
    const Value& operator[](const char* key) const { return (*this)[std::string(key)]; }
    const Value& operator[](std::size_t index) const;
    // Makes v[0] unambiguous; a negative index reads as null.
    const Value& operator[](int index) const {
        return index < 0 ? null() : (*this)[static_cast<std::size_t>(index)];
    }
    bool contains(const std::string& key) const;
    std::size_t size() const;  // elements of an array or dictionary, else 0

    // Mutation; a null value becomes the container on first use, another type is replaced.
    Value& set(const std::string& key, Value value);  // a null value removes the key
    bool remove(const std::string& key);
    Value& append(Value value);
    Array& mutableArray();
    Dictionary& mutableDictionary();

    // The "%@" description: strings as themselves, integers in decimal, reals in shortest form,
    // booleans "1"/"0", containers in a readable bracketed form.
    std::string description() const;

    bool operator==(const Value& other) const;
    bool operator!=(const Value& other) const { return !(*this == other); }

    static const Value& null();

  private:
    // Containers are shared and copied on write, so Values copy cheaply with value semantics.
    std::variant<std::monostate, bool, std::int64_t, double, std::string, Bytes, fv::Date,
                 std::shared_ptr<Array>, std::shared_ptr<Dictionary>>
        v_;
};

}  // namespace fv

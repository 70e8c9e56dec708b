// Reading a geolocation service's reply: each service's own field names, checked into one location.
#include "locations/IPAddressGeocoder.h"

#include <charconv>
#include <string_view>

#include "platform/foundation/JSON.h"
#include "platform/foundation/Locale.h"
#include "platform/foundation/RunLoop.h"

namespace fv {
namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// The whole text as a number, in C-locale notation whatever the process locale.
template <typename Number>
std::optional<Number> numberIn(std::string_view text) {
    text = trimmed(text);
    Number n{};
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return n;
}

// Services give coordinates as numbers, some as numeric texts.
std::optional<double> degrees(const Value& value) {
    if (auto n = value.asReal()) return *n;
    if (auto text = value.asString()) return numberIn<double>(*text);
    return std::nullopt;
}

std::optional<std::string> text(const Value& value) {
    return value.asString();
}

NSError noLocationError(const std::string& why) {
    return NSError{"", IPAddressGeocoder::kErrorNoLocation, why, {}};
}

// The six values a service's reply gives, as the service gave them.
struct Reading {
    Value ip, latitude, longitude, city, country, countryCode;
};

Reading readService(IPAddressGeocoder::Service service, const Value& body) {
    Reading r;
    switch (service) {
        case 0:
            r = {body["ip"],   body["latitude"],     body["longitude"],
                 body["city"], body["country_name"], body["country_code"]};
            break;
        case 1:
            r = {body["query"], body["lat"], body["lon"], body["city"], body["country"], body["countryCode"]};
            break;
        case 2: {
            r.ip = body["ip"];
            r.city = body["city"];
            r.countryCode = body["country"];
            if (auto loc = body["loc"].asString()) {
                auto comma = loc->find(',');
                if (comma != std::string::npos) {
                    auto lat = numberIn<float>(std::string_view(*loc).substr(0, comma));
                    auto lon = numberIn<float>(std::string_view(*loc).substr(comma + 1));
                    if (lat && lon) {
                        r.latitude = static_cast<double>(*lat);
                        r.longitude = static_cast<double>(*lon);
                    }
                }
            }
            if (auto code = r.countryCode.asString()) {
                if (auto name = NSLocale::countryDisplayName(*code)) r.country = *name;
            }
            break;
        }
        case 3: {
            const Value& data = body["data"];
            r = {data["ipv4"],      data["latitude"],     data["longitude"],
                 data["city_name"], data["country_name"], {}};
            break;
        }
        case 4:
            r = {body["ip"],   body["location"]["latitude"], body["location"]["longitude"],
                 body["city"], body["country"]["name"],      body["country"]["code"]};
            break;
        case 5:
            r = {body["ip"],   body["latitude"], body["longitude"],
                 body["city"], body["country"],  body["country_code"]};
            break;
        case 6:
            r = {{}, body["latitude"], body["longitude"], {}, body["country"], body["country_code"]};
            break;
        default:
            break;
    }
    return r;
}

}  // namespace

IPAddressGeocoder::ServiceReply IPAddressGeocoder::readServiceReply(Service service, std::string_view body) {
    ServiceReply reply;
    auto parsed = JSON::parse(body);
    if (!parsed) {
        reply.error = NSError{NSCocoaErrorDomain,
                              NSPropertyListReadCorruptError,
                              "The geolocation service's reply is not valid JSON.",
                              {}};
        return reply;
    }
    if (!parsed->isDictionary()) {
        reply.error = noLocationError("The geolocation service's reply is not a JSON object.");
        return reply;
    }
    const Reading r = readService(service, *parsed);
    auto latitude = degrees(r.latitude);
    auto longitude = degrees(r.longitude);
    if (!latitude || !longitude) {
        reply.error = noLocationError("The geolocation service's reply holds no location.");
        return reply;
    }
    if (!CLLocationCoordinate2DIsValid(CLLocationCoordinate2DMake(*latitude, *longitude))) {
        reply.error = noLocationError("The geolocation service's reply holds no valid location.");
        return reply;
    }
    reply.location = CLLocation(*latitude, *longitude, Date{RunLoop::main().wallTime()});
    reply.city = text(r.city);
    reply.country = text(r.country);
    reply.countryCode = text(r.countryCode);

    Value::Dictionary info{{"raw", *parsed}, {"latitude", r.latitude}, {"longitude", r.longitude}};
    if (auto ip = text(r.ip)) info["ip"] = *ip;
    if (reply.city) info["city"] = *reply.city;
    if (reply.country) info["country"] = *reply.country;
    if (reply.countryCode) info["countryCode"] = *reply.countryCode;
    reply.locationInfo = Value(std::move(info));
    return reply;
}

}  // namespace fv

#pragma once

// The named fields of a configuration record as JSON, for the front ends that speak JSON (the command line,
// the module simulator). Header-only so that the core itself needs no JSON library.

#include "devcfg/DeviceRecordFields.h"

#include <nlohmann/json.hpp>

namespace DeviceRecordJson {

// A number for one- and two-byte numbers, a string for the rest; a masked secret is "********".
inline nlohmann::json Value(const WLAN_ADVANCED_CONFIG_INFO& record, const DeviceRecordFields::Field& field,
                            bool showSecrets) {
    using DeviceRecordFields::Kind;
    const std::string text = DeviceRecordFields::Text(record, field, showSecrets);
    const bool masked = field.secret && !showSecrets;
    if (!masked && (field.kind == Kind::Number || field.kind == Kind::Number16))
        return std::stoul(text);
    return text;
}

inline nlohmann::json ToJson(const WLAN_ADVANCED_CONFIG_INFO& record, bool showSecrets) {
    nlohmann::json out = nlohmann::json::object();
    for (const DeviceRecordFields::Field& field : DeviceRecordFields::All())
        out[std::string(field.name)] = Value(record, field, showSecrets);
    return out;
}

// Sets the fields that object names (numbers as numbers or digits); false with error on an unknown name or
// a value that does not fit, the record then unchanged.
inline bool FromJson(const nlohmann::json& object, WLAN_ADVANCED_CONFIG_INFO& record, std::string& error) {
    if (!object.is_object()) {
        error = "the record is an object of fields";
        return false;
    }
    WLAN_ADVANCED_CONFIG_INFO changed = record;
    for (const auto& [name, value] : object.items()) {
        const DeviceRecordFields::Field* field = DeviceRecordFields::Find(name);
        if (!field) {
            error = "no field \"" + name + "\"";
            return false;
        }
        std::string text;
        if (value.is_string())
            text = value.get<std::string>();
        else if (value.is_number_unsigned() || (value.is_number_integer() && value.get<long long>() >= 0))
            text = std::to_string(value.get<unsigned long long>());
        else {
            error = name + ": a text or a number is wanted";
            return false;
        }
        if (!DeviceRecordFields::SetText(changed, *field, text, error))
            return false;
    }
    record = changed;
    return true;
}

} // namespace DeviceRecordJson

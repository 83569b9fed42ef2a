#include "cli/SetIpBatchFile.h"

#include "app/StringTable.h"
#include "cli/CliArguments.h"
#include "app/CsvText.h"
#include "netsearch/IpSettingsRules.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <set>

namespace SetIpBatchFile {

namespace {

const char* const kColumns[] = {"mac", "mode", "ip", "subnet", "gateway", "port", "inactivity", "name"};
const char* const kRequired[] = {"mac", "mode", "ip", "subnet", "gateway"};

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string Trimmed(const std::string& text) {
    const size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

std::string Dotted(const std::optional<SettingsRequest::Address>& address) {
    return address ? Ipv4Text(address->data()) : std::string("?");
}

// The column and message of a refusal by the value checks; column "" when the outcome passes.
std::pair<std::string, std::string> Refusal(const SettingsPlan& plan, const SettingsRequest& request) {
    using Outcome = SettingsPlan::Outcome;
    switch (plan.outcome) {
    case Outcome::Send:
    case Outcome::Same:
    case Outcome::GatewayOutsideSubnet:
    case Outcome::NoSystemName:
        return {};
    case Outcome::InactivityTooLong:
        return {"inactivity", "the inactivity time must be 0 to " + std::to_string(kMaxInactiveTime)};
    case Outcome::PortTooLarge:
        return {"port", "the port number must be 0 to " + std::to_string(kMaxPortNumber)};
    case Outcome::ForbiddenPort:
        return {"port", LoadString(StringId::InvalidPortNumber)};
    case Outcome::UnusableAddress:
        return {"ip", LoadString(StringId::IpAddressCannotBeUsed)};
    case Outcome::BadSubnetMask:
        return {"subnet",
                LoadString(StringId::SubnetMaskNotContiguous) + " (" + Dotted(request.subnet) + ")"};
    case Outcome::NetworkOrBroadcastAddress:
        return {"ip", LoadString(StringId::AddressIsNetworkOrBroadcast) + " (" + Dotted(request.ip) + ")"};
    case Outcome::NameLength:
        return {"name",
                LoadString(StringId::SystemNameLengthError) + " (" + std::to_string(plan.nameLength) + ")"};
    }
    return {"", "the settings were refused"};
}

} // namespace

std::string RefusalMessage(const SettingsPlan& plan, const SettingsRequest& request, std::string& column) {
    auto [name, message] = Refusal(plan, request);
    column = name;
    return message;
}

std::vector<Problem> Read(const std::string& text, bool gatewaysAgreed, std::vector<Row>& rows) {
    rows.clear();
    std::vector<Problem> problems;
    std::vector<CsvText::Record> records;
    std::string error;
    if (!CsvText::Parse(text, records, error)) {
        const int line = std::stoi(error.substr(5)); // "line N: ..."
        problems.push_back({line, "", error.substr(error.find(": ") + 2)});
        return problems;
    }
    if (records.empty()) {
        problems.push_back({1, "", "the file is empty; it needs a header row (mac,mode,ip,subnet,gateway)"});
        return problems;
    }

    // The header: known columns, each once, the required ones all there.
    std::map<std::string, size_t> index;
    const CsvText::Record& header = records.front();
    for (size_t i = 0; i < header.fields.size(); ++i) {
        const std::string name = Lower(Trimmed(header.fields[i]));
        if (std::find(std::begin(kColumns), std::end(kColumns), name) == std::end(kColumns))
            problems.push_back({header.line, header.fields[i],
                                "unknown column; the columns are mac, mode, ip, subnet, gateway, port, "
                                "inactivity and name"});
        else if (!index.emplace(name, i).second)
            problems.push_back({header.line, name, "the column is named twice"});
    }
    for (const char* name : kRequired)
        if (!index.count(name))
            problems.push_back({header.line, name, "the column is missing"});
    if (!problems.empty())
        return problems;

    std::map<std::string, int> lineOfMac;
    for (size_t r = 1; r < records.size(); ++r) {
        const CsvText::Record& record = records[r];
        const size_t before = problems.size();
        const auto cell = [&](const char* name) {
            const auto found = index.find(name);
            if (found == index.end() || found->second >= record.fields.size())
                return std::string();
            return Trimmed(record.fields[found->second]);
        };
        const auto problem = [&](const std::string& column, const std::string& message) {
            problems.push_back({record.line, column, message});
        };
        if (record.fields.size() > header.fields.size())
            problem("", "the row has " + std::to_string(record.fields.size()) + " fields, the header " +
                            std::to_string(header.fields.size()));

        Row row;
        row.line = record.line;
        SettingsRequest& request = row.request;
        row.mac = CliArguments::NormaliseMac(cell("mac"));
        if (row.mac.empty())
            problem("mac", "'" + cell("mac") + "' is not a MAC address such as 00:1A:2B:3C:4D:5E");
        else if (const auto [other, added] = lineOfMac.emplace(row.mac, record.line); !added)
            problem("mac", "the printer " + row.mac + " has a row already (line " +
                               std::to_string(other->second) + ")");

        const std::string mode = Lower(cell("mode"));
        if (mode != "dhcp" && mode != "manual")
            problem("mode", "'" + cell("mode") + "' is neither dhcp nor manual");
        request.dhcp = mode == "dhcp";
        for (const char* name : {"ip", "subnet", "gateway"}) {
            const std::string value = cell(name);
            auto& field = std::string(name) == "ip"       ? request.ip
                          : std::string(name) == "subnet" ? request.subnet
                                                          : request.gateway;
            if (value.empty()) {
                if (mode == "manual")
                    problem(name, "a manual row needs an IPv4 address here");
                continue;
            }
            if (mode == "dhcp") {
                problem(name, "a dhcp row leaves the addresses empty");
                continue;
            }
            field = CliArguments::ParseAddress(value);
            if (!field)
                problem(name, "'" + value + "' is not an IPv4 address");
        }
        for (const char* name : {"port", "inactivity"}) {
            const std::string value = cell(name);
            if (value.empty())
                continue;
            const auto number = CliArguments::ParseNumber(value);
            if (!number)
                problem(name, "'" + value + "' is not a number");
            (std::string(name) == "port" ? request.port : request.inactivity) = number;
        }
        if (index.count("name") && index["name"] < record.fields.size() &&
            !record.fields[index["name"]].empty())
            request.name = record.fields[index["name"]];

        if (problems.size() == before) {
            // The checks of the settings page, on the values alone.
            const SettingsPlan check = CheckSettingsValues(request);
            const auto [column, message] = Refusal(check, request);
            if (!message.empty())
                problem(column, message);
            else if (check.outcome == SettingsPlan::Outcome::GatewayOutsideSubnet && !gatewaysAgreed)
                problem("gateway", LoadString(StringId::GatewayOutsideSubnetQuestion) + " (" +
                                       Dotted(request.gateway) + ") Give --yes to send it anyway.");
            else if (check.outcome == SettingsPlan::Outcome::GatewayOutsideSubnet)
                request.gatewayConfirmed = true;
        }
        if (problems.size() == before)
            rows.push_back(std::move(row));
    }
    if (records.size() == 1)
        problems.push_back({header.line, "", "the file has a header row but no printer rows"});
    if (!problems.empty())
        rows.clear();
    return problems;
}

} // namespace SetIpBatchFile

// The udev rule that lets the user at the seat open the maker's USB printers: its syntax as udev reads it,
// and what it does to which device, by a small evaluator of the keys it may use. Where this system's
// udevadm can verify rule files, it does too.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kRuleFile = std::string(QUORLINK_SOURCE_DIR) + "/udev/60-quorlink.rules";

struct Term {
    std::string key;  // "SUBSYSTEM", "ATTR", "ENV", "TAG", "GOTO", "LABEL", ...
    std::string attr; // the part in braces: ATTR{idVendor} → "idVendor"
    std::string op;   // "==", "!=", "=", "+=", "-=", ":="
    std::string value;
};
using Rule = std::vector<Term>;

// Parses one rule line as udev does: comma-separated KEY[{attr}] OP "value" terms. Empty on a fault,
// which error then names.
Rule ParseLine(const std::string& line, std::string& error) {
    Rule rule;
    size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
    };
    while (true) {
        skipBlanks();
        if (i >= line.size())
            break;
        Term term;
        while (i < line.size() && ((line[i] >= 'A' && line[i] <= 'Z') || line[i] == '_'))
            term.key += line[i++];
        if (term.key.empty()) {
            error = "no key at column " + std::to_string(i + 1);
            return {};
        }
        if (i < line.size() && line[i] == '{') {
            const size_t close = line.find('}', i);
            if (close == std::string::npos) {
                error = "unclosed { after " + term.key;
                return {};
            }
            term.attr = line.substr(i + 1, close - i - 1);
            i = close + 1;
        }
        skipBlanks();
        for (const char* op : {"==", "!=", "+=", "-=", ":=", "="})
            if (line.compare(i, std::char_traits<char>::length(op), op) == 0) {
                term.op = op;
                break;
            }
        if (term.op.empty()) {
            error = "no operator after " + term.key;
            return {};
        }
        i += term.op.size();
        skipBlanks();
        if (i >= line.size() || line[i] != '"') {
            error = "the value of " + term.key + " is not quoted";
            return {};
        }
        const size_t close = line.find('"', i + 1);
        if (close == std::string::npos) {
            error = "unclosed value of " + term.key;
            return {};
        }
        term.value = line.substr(i + 1, close - i - 1);
        i = close + 1;
        rule.push_back(term);
        skipBlanks();
        if (i < line.size()) {
            if (line[i] != ',') {
                error = "no comma after " + term.key;
                return {};
            }
            ++i;
        }
    }
    return rule;
}

bool IsMatch(const std::string& op) {
    return op == "==" || op == "!=";
}

// The keys the rule file may use, and whether each matches or assigns.
const std::map<std::string, bool> kKeys = { // key → matches (true) or assigns (false)
    {"ACTION", true}, {"SUBSYSTEM", true}, {"KERNEL", true}, {"ATTR", true},   {"ATTRS", true}, {"ENV", true},
    {"TAG", false},   {"GOTO", false},     {"LABEL", false}, {"GROUP", false}, {"MODE", false}};

std::vector<Rule> ReadRules(std::vector<std::string>& errors) {
    std::ifstream in(kRuleFile);
    EXPECT_TRUE(in) << kRuleFile;
    std::vector<Rule> rules;
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (line.find_first_not_of(" \t") == std::string::npos || line[line.find_first_not_of(" \t")] == '#')
            continue;
        if (!line.empty() && line.back() == '\\')
            errors.push_back("line " + std::to_string(number) + ": continued lines are not used here");
        std::string error;
        Rule rule = ParseLine(line, error);
        if (rule.empty()) {
            errors.push_back("line " + std::to_string(number) + ": " + error);
            continue;
        }
        for (const Term& term : rule) {
            const auto known = kKeys.find(term.key);
            if (known == kKeys.end()) {
                errors.push_back("line " + std::to_string(number) + ": unknown key " + term.key);
            } else if (known->second != IsMatch(term.op)) {
                errors.push_back("line " + std::to_string(number) + ": " + term.key + " cannot take " +
                                 term.op);
            } else if ((term.key == "ATTR" || term.key == "ATTRS" || term.key == "ENV") &&
                       term.attr.empty()) {
                errors.push_back("line " + std::to_string(number) + ": " + term.key + " needs {name}");
            }
        }
        rules.push_back(rule);
    }
    return rules;
}

// One uevent as the rules see it.
struct Event {
    std::string action, subsystem, devtype;
    std::map<std::string, std::string> attributes;
};

// The tags the rules give the device of event (exact matches only, which is all the file uses).
std::set<std::string> TagsFor(const std::vector<Rule>& rules, const Event& event) {
    std::set<std::string> tags;
    for (size_t r = 0; r < rules.size(); ++r) {
        const Rule& rule = rules[r];
        bool matches = true;
        for (const Term& term : rule) {
            if (!IsMatch(term.op))
                continue;
            std::string actual;
            if (term.key == "ACTION")
                actual = event.action;
            else if (term.key == "SUBSYSTEM")
                actual = event.subsystem;
            else if (term.key == "ENV" && term.attr == "DEVTYPE")
                actual = event.devtype;
            else if (term.key == "ATTR" || term.key == "ATTRS") {
                const auto found = event.attributes.find(term.attr);
                actual = found == event.attributes.end() ? "" : found->second;
            }
            matches = matches && ((actual == term.value) == (term.op == "=="));
        }
        if (!matches)
            continue;
        for (const Term& term : rule) {
            if (term.key == "TAG" && term.op == "+=")
                tags.insert(term.value);
            if (term.key == "GOTO") {
                // Carry on after the label.
                size_t label = r + 1;
                while (label < rules.size() && !(rules[label].size() == 1 && rules[label][0].key == "LABEL" &&
                                                 rules[label][0].value == term.value))
                    ++label;
                EXPECT_LT(label, rules.size()) << "GOTO " << term.value << " without its LABEL";
                r = label;
                break;
            }
        }
    }
    return tags;
}

TEST(UdevRule, TheFileIsWellFormed) {
    std::vector<std::string> errors;
    const std::vector<Rule> rules = ReadRules(errors);
    EXPECT_TRUE(errors.empty()) << ::testing::PrintToString(errors);
    EXPECT_FALSE(rules.empty());
    // Every GOTO has its LABEL after it.
    for (size_t r = 0; r < rules.size(); ++r)
        for (const Term& term : rules[r])
            if (term.key == "GOTO") {
                bool found = false;
                for (size_t l = r + 1; l < rules.size(); ++l)
                    found = found || (rules[l].size() == 1 && rules[l][0].key == "LABEL" &&
                                      rules[l][0].value == term.value);
                EXPECT_TRUE(found) << term.value;
            }
}

TEST(UdevRule, OnlyTheMakersUsbDevicesAreGivenToTheUserAtTheSeat) {
    std::vector<std::string> errors;
    const std::vector<Rule> rules = ReadRules(errors);
    const std::map<std::string, std::string> maker = {{"idVendor", "3f9a"}, {"idProduct", "a007"}};
    const std::map<std::string, std::string> other = {{"idVendor", "3f9b"}, {"idProduct", "a007"}};
    const struct {
        Event event;
        bool uaccess;
    } cases[] = {
        {{"add", "usb", "usb_device", maker}, true},
        {{"change", "usb", "usb_device", maker}, true},
        {{"bind", "usb", "usb_device", maker}, true},
        {{"remove", "usb", "usb_device", maker}, false},
        {{"add", "usb", "usb_device", other}, false},
        {{"add", "usb", "usb_device", {{"idVendor", "3F9A"}}}, false}, // sysfs writes it in lower case
        {{"add", "usb", "usb_interface", maker}, false},
        {{"add", "tty", "", maker}, false}, // a serial line of the printer stays with dialout
        {{"add", "usbmisc", "", maker}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TagsFor(rules, c.event).count("uaccess") == 1, c.uaccess)
            << c.event.action << " " << c.event.subsystem << " " << c.event.devtype << " "
            << (c.event.attributes.count("idVendor") ? c.event.attributes.at("idVendor") : "");
}

TEST(UdevRule, UdevadmVerifiesItWhereItCan) {
    if (std::system("udevadm verify --help > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "this udevadm has no verify command; the file's syntax is checked above";
    EXPECT_EQ(std::system(("udevadm verify '" + kRuleFile + "'").c_str()), 0);
}

} // namespace

#include "app/CsvText.h"

namespace CsvText {

bool Parse(const std::string& text, std::vector<Record>& records, std::string& error) {
    records.clear();
    size_t at = text.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
    int line = 1;
    Record record;
    record.line = line;
    std::string field;
    bool quoted = false;     // inside a quoted field
    bool wasQuoted = false;  // the current field was quoted (nothing but its end may follow)
    bool anyContent = false; // the record holds more than blanks
    const auto endField = [&] {
        record.fields.push_back(field);
        field.clear();
        wasQuoted = false;
    };
    const auto endRecord = [&] {
        endField();
        if (anyContent)
            records.push_back(std::move(record));
        record = Record{};
        anyContent = false;
    };
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (quoted) {
            if (c == '"') {
                if (at + 1 < text.size() && text[at + 1] == '"') {
                    field += '"';
                    ++at;
                } else {
                    quoted = false;
                    wasQuoted = true;
                }
            } else {
                if (c == '\n')
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == ',') {
            endField();
            anyContent = true;
        } else if (c == '\r' && at + 1 < text.size() && text[at + 1] == '\n') {
            continue; // the LF ends the record
        } else if (c == '\n') {
            endRecord();
            record.line = ++line;
        } else if (wasQuoted) {
            error = "line " + std::to_string(line) + ": text after a closing quote";
            return false;
        } else if (c == '"') {
            if (!field.empty()) {
                error =
                    "line " + std::to_string(line) + ": a quote inside a field that does not start with one";
                return false;
            }
            quoted = true;
            anyContent = true;
        } else {
            field += c;
            if (c != ' ' && c != '\t' && c != '\r')
                anyContent = true;
        }
    }
    if (quoted) {
        error = "line " + std::to_string(record.line) + ": a quoted field is not closed";
        return false;
    }
    endRecord();
    return true;
}

std::string Field(const std::string& value) {
    const bool plain = value.find_first_of(",\"\r\n") == std::string::npos &&
                       (value.empty() || (value.front() != ' ' && value.back() != ' '));
    if (plain)
        return value;
    std::string out = "\"";
    for (const char c : value) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + "\"";
}

std::string Row(const std::vector<std::string>& fields) {
    std::string out;
    for (size_t i = 0; i < fields.size(); ++i)
        out += (i ? "," : "") + Field(fields[i]);
    return out + "\r\n";
}

} // namespace CsvText

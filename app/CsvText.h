#pragma once

#include <string>
#include <vector>

// Comma-separated text as RFC 4180 has it: fields joined by ",", records ended by CRLF (a bare LF is taken
// too), a field in double quotes may hold commas, line breaks and quotes written twice.
namespace CsvText {

struct Record {
    int line = 0; // the file's line the record starts on, from 1
    std::vector<std::string> fields;
};

// Splits text into records. A UTF-8 byte order mark at the start is passed over; a record of nothing but
// blanks is left out. False with a message naming the line when a quoted field is not closed or a quote
// stands inside an unquoted field.
bool Parse(const std::string& text, std::vector<Record>& records, std::string& error);

// value as one field: in quotes (inner quotes doubled) when it holds a comma, a quote, a line break, or
// blanks at either end; as it stands otherwise.
std::string Field(const std::string& value);
// fields as one record, ended by CRLF.
std::string Row(const std::vector<std::string>& fields);

} // namespace CsvText

#pragma once

#include <functional>
#include <optional>
#include <string>

// Asks the user for the name of a new print queue; the Qt layer shows a small dialog, tests script it.
class IQueueNameAsker {
public:
    struct Question {
        std::string caption; // the dialog's title
        std::string prompt;  // the label above the field
        std::string name;    // offered in the field
    };
    // A name's check: "" when it is taken, else the message shown while the dialog stays open with the edit.
    using Check = std::function<std::string(const std::string& name)>;

    virtual ~IQueueNameAsker() = default;
    // The name the user confirmed (one check passed); nothing when cancelled.
    virtual std::optional<std::string> AskQueueName(const Question& question, const Check& check) = 0;
};

#pragma once

#include "ui/IMessageBox.h"

#include <cstdio>
#include <string>

// The message boxes of the core's exchanges on the command line: a failure becomes one line on stderr after
// the command's name, a notice is kept for the command to print. A question is answered as the command
// says: running a command that writes to the printer is the user's Yes; every other question is No.
class CliMessageBox : public IMessageBox {
public:
    // quiet: failures are only kept, for the command to say them its own way (a field check's refusal
    // with the field's name).
    explicit CliMessageBox(std::string command, bool quiet = false)
        : m_command(std::move(command)), m_quiet(quiet) {}

    void ShowError(const std::string& text) override {
        if (!m_quiet)
            std::fprintf(stderr, "%s: %s\n", m_command.c_str(), OneLine(text).c_str());
        m_lastError = text;
    }
    void ShowInformation(const std::string& text) override { m_lastInformation = text; }
    // A warning goes to stderr at once and the command goes on.
    void ShowWarning(const std::string& text) override {
        std::fprintf(stderr, "%s: warning: %s\n", m_command.c_str(), OneLine(text).c_str());
    }
    bool AskYesNo(const std::string&) override { return m_answer; }
    void AnswerQuestions(bool yes) { m_answer = yes; }

    const std::string& LastError() const { return m_lastError; }
    const std::string& LastInformation() const { return m_lastInformation; }
    bool ErrorShown() const { return !m_lastError.empty(); }

    static std::string OneLine(std::string text) {
        for (char& c : text)
            if (c == '\n' || c == '\r')
                c = ' ';
        return text;
    }

private:
    std::string m_command;
    bool m_quiet = false;
    std::string m_lastError;
    std::string m_lastInformation;
    bool m_answer = false;
};

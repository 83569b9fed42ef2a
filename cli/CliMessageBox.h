#pragma once

#include "ui/IMessageBox.h"

#include <cstdio>
#include <string>

// The message boxes of the core's exchanges on the command line: a failure becomes one line on stderr after
// the command's name, a notice is kept for the command to print. A question is answered as the command
// says: running a command that writes to the printer is the user's Yes; every other question is No.
class CliMessageBox : public IMessageBox {
public:
    // err: where failures and warnings go (a port's own buffer when several ports run at once); none: they
    // are only kept, for the command to say them its own way (a field check's refusal with the field's name).
    explicit CliMessageBox(std::string command, std::FILE* err = stderr)
        : m_command(std::move(command)), m_err(err) {}
    CliMessageBox(std::string command, bool quiet)
        : CliMessageBox(std::move(command), quiet ? nullptr : stderr) {}

    void ShowError(const std::string& text) override {
        // A failure while a file is read or written names the file ("office.qlt: No such file or directory").
        const bool named = m_subject.empty() || text.rfind(m_subject + ":", 0) == 0;
        const std::string line = named ? text : m_subject + ": " + text;
        if (m_err)
            std::fprintf(m_err, "%s: %s\n", m_command.c_str(), OneLine(line).c_str());
        m_lastError = line;
    }
    void ShowInformation(const std::string& text) override { m_lastInformation = text; }
    // A warning goes to stderr at once and the command goes on.
    void ShowWarning(const std::string& text) override {
        std::fprintf(m_err ? m_err : stderr, "%s: warning: %s\n", m_command.c_str(), OneLine(text).c_str());
    }
    bool AskYesNo(const std::string&) override { return m_answer; }
    void AnswerQuestions(bool yes) { m_answer = yes; }
    // The file the next failures concern, named before their text; "" for none.
    void SetSubject(std::string path) { m_subject = std::move(path); }

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
    std::FILE* m_err;
    std::string m_subject;
    std::string m_lastError;
    std::string m_lastInformation;
    bool m_answer = false;
};

#pragma once

#include "ui/IMessageBox.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

// Message boxes for tests: records every box shown and answers questions from a script (then the default).
class FakeMessageBox : public IMessageBox {
public:
    enum class Kind { Error, Information, Warning, Question, Plain };
    struct Shown {
        Kind kind;
        std::string text;
    };

    // Answers for the next questions, in order (true = Yes); when they run out, defaultAnswer.
    std::deque<bool> answers;
    bool defaultAnswer = false;
    // Runs while a box is "up" (after it was recorded), e.g. to check the state behind a modal box.
    std::function<void(const Shown&)> onShow;

    void ShowError(const std::string& text) override { Record(Kind::Error, text); }
    void ShowInformation(const std::string& text) override { Record(Kind::Information, text); }
    void ShowWarning(const std::string& text) override { Record(Kind::Warning, text); }
    void ShowPlain(const std::string& text) override { Record(Kind::Plain, text); }
    bool AskYesNo(const std::string& text) override {
        Record(Kind::Question, text);
        if (answers.empty())
            return defaultAnswer;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    const std::vector<Shown>& shown() const { return m_shown; }
    // The texts of the boxes of one kind, in order.
    std::vector<std::string> Texts(Kind kind) const {
        std::vector<std::string> texts;
        for (const auto& box : m_shown)
            if (box.kind == kind)
                texts.push_back(box.text);
        return texts;
    }
    std::vector<std::string> Errors() const { return Texts(Kind::Error); }
    std::vector<std::string> Questions() const { return Texts(Kind::Question); }
    std::vector<std::string> Informations() const { return Texts(Kind::Information); }
    std::vector<std::string> Warnings() const { return Texts(Kind::Warning); }
    std::vector<std::string> Plains() const { return Texts(Kind::Plain); }

private:
    void Record(Kind kind, const std::string& text) {
        m_shown.push_back({kind, text});
        if (onShow)
            onShow(m_shown.back());
    }

    std::vector<Shown> m_shown;
};

#include "ui/wlanadv/WindowThreadServices.h"

void WindowThreadServices::ShowError(const std::string& text) {
    if (m_targets.messages)
        m_worker.Invoke([&] { m_targets.messages->ShowError(text); });
}

void WindowThreadServices::ShowInformation(const std::string& text) {
    if (m_targets.messages)
        m_worker.Invoke([&] { m_targets.messages->ShowInformation(text); });
}

void WindowThreadServices::ShowWarning(const std::string& text) {
    if (m_targets.messages)
        m_worker.Invoke([&] { m_targets.messages->ShowWarning(text); });
}

void WindowThreadServices::ShowPlain(const std::string& text) {
    if (m_targets.messages)
        m_worker.Invoke([&] { m_targets.messages->ShowPlain(text); });
}

bool WindowThreadServices::AskYesNo(const std::string& text) {
    // Without anyone to ask the exchange goes on, as it does without a message box.
    bool answer = true;
    if (m_targets.messages)
        m_worker.Invoke([&] { answer = m_targets.messages->AskYesNo(text); });
    return answer;
}

void WindowThreadServices::ShowWait() {
    if (m_targets.cursor)
        m_worker.Invoke([&] { m_targets.cursor->ShowWait(); });
}

void WindowThreadServices::ShowArrow() {
    if (m_targets.cursor)
        m_worker.Invoke([&] { m_targets.cursor->ShowArrow(); });
}

void WindowThreadServices::WaitFor(int nCountdownMs) {
    if (m_targets.waiting)
        m_worker.Invoke([&] { m_targets.waiting->WaitFor(nCountdownMs); });
}

std::vector<int> WindowThreadServices::VisibleItemIdentifiers(int nGrid) {
    std::vector<int> identifiers;
    if (m_targets.grid)
        m_worker.Invoke([&] { identifiers = m_targets.grid->VisibleItemIdentifiers(nGrid); });
    return identifiers;
}

void WindowThreadServices::RebuildGroups() {
    if (m_targets.grid)
        m_worker.Invoke([&] { m_targets.grid->RebuildGroups(); });
}

bool WindowThreadServices::DataValidation4Group1() {
    bool valid = true;
    if (m_targets.validator)
        m_worker.Invoke([&] { valid = m_targets.validator->DataValidation4Group1(); });
    return valid;
}

bool WindowThreadServices::DataValidation4Group2() {
    bool valid = true;
    if (m_targets.validator)
        m_worker.Invoke([&] { valid = m_targets.validator->DataValidation4Group2(); });
    return valid;
}

#pragma once

// The main window's private messages. Pages never call one another; they send these to the main window,
// whose handlers switch the sheets and call into the pages.
namespace MainWindowMessage {
inline constexpr unsigned M1 = 0x401; // tab changed; first: address of the new active tab index
inline constexpr unsigned M2 = 0x402; // open a printer's settings; first: PrinterInfoMap*, second: MAC text
inline constexpr unsigned M3 = 0x403; // back to the list, search again
inline constexpr unsigned M4 = 0x404; // back to the list
inline constexpr unsigned Close = 0x405;   // end the program
inline constexpr unsigned Restart = 0x406; // end the program and start it again (language switch)
} // namespace MainWindowMessage

// How a page reaches the main window. SendMessage runs the handler before it returns; PostMessage runs it
// later, from the event loop.
class IMainWindowMessages {
public:
    virtual ~IMainWindowMessages() = default;
    virtual int SendMessage(unsigned message, const void* first = nullptr, const void* second = nullptr) = 0;
    virtual void PostMessage(unsigned message, const void* first = nullptr, const void* second = nullptr) = 0;
};

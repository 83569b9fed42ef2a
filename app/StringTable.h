#pragma once

#include "app/ITextCatalog.h"

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Numbers of the string-table entries; every text the user sees is looked up by number, so that the
// language catalog in use translates it.
namespace StringId {
inline constexpr int IpAddress = 103;
inline constexpr int MacAddress = 104;
inline constexpr int SystemName = 105;
inline constexpr int Type = 106;
inline constexpr int Refresh = 107;
inline constexpr int Dhcp = 108;
inline constexpr int ListWired = 109;
inline constexpr int ListWireless = 110;
inline constexpr int SwitchLanguageQuestion = 111;
inline constexpr int ConfigurationTab1 = 112;
inline constexpr int InvalidPortNumber = 113;
inline constexpr int SaveConfigurationQuestion = 114;
inline constexpr int SaveNetworkFailed = 115;
inline constexpr int SystemNameLengthError = 117;
inline constexpr int SettingsWired = 118;
inline constexpr int SettingsWireless = 119;
inline constexpr int IpAddressCannotBeUsed = 120;
inline constexpr int ConfigurationTab2 = 145;
inline constexpr int DeviceConnection = 146;
inline constexpr int NoAvailablePorts = 147;
inline constexpr int ParityEven = 148;
inline constexpr int ParityOdd = 149;
inline constexpr int ParityNone = 150;
inline constexpr int FlowControlHardware = 151;
inline constexpr int FlowControlXonXoff = 152;
inline constexpr int FlowControlNone = 153;
inline constexpr int PinCodeLengthError = 249;
inline constexpr int SsidLengthError = 250;
inline constexpr int EapIdLengthError = 251;
inline constexpr int EapPasswordLengthError = 252;
inline constexpr int PskKeyLengthError = 253;
inline constexpr int PskKeyValueError = 254;
inline constexpr int Wep64KeyLengthError = 255;
inline constexpr int Wep64KeyValueError = 256;
inline constexpr int Wep128KeyLengthError = 257;
inline constexpr int Wep128KeyValueError = 258;
inline constexpr int DeviceSystemNameLengthError = 259;
inline constexpr int UserIdLengthError = 260;
inline constexpr int UserPasswordLengthError = 261;
inline constexpr int ReadCommunityLengthError = 262;
inline constexpr int WriteCommunityLengthError = 263;
inline constexpr int TrapIpAddressLengthError = 264;
inline constexpr int TrapIpAddressFormatError = 265;
inline constexpr int TrapCommunityLengthError = 266;
inline constexpr int NoNetworkConnection = 279;
inline constexpr int SubnetMaskNotContiguous = 320;
inline constexpr int AddressIsNetworkOrBroadcast = 321;
inline constexpr int GatewayOutsideSubnetQuestion = 322;
inline constexpr int NoBrowserStarted = 323; // %s is the address
// Why a port did not open and what to do (%1 the device, %2 the group to join or the system's error, %3
// the user's account name), and the notice for a print queue that may not be paused (%1 the queue, %2 the
// account name).
inline constexpr int SerialPermissionAdvice = 340;
inline constexpr int UsbPermissionAdvice = 341;
inline constexpr int PortBusyAdvice = 342;
inline constexpr int PortNoCarrierAdvice = 343;
inline constexpr int PortNotFoundAdvice = 344;
inline constexpr int PortOtherFailure = 345;
inline constexpr int SpoolerPauseRefused = 346;
// The settings page's number fields, checked at Save: the allowed range, the typed text kept.
inline constexpr int PortNumberRange = 590;
inline constexpr int InactiveTimeRange = 591;
// 510..549: print queues for the printers found. Refusals for want of rights: %1 the queue, %2 the account.
inline constexpr int QueueAddRefused = 510;
inline constexpr int QueueChangeRefused = 511;
inline constexpr int QueueAddFailed = 512;       // %1 the queue, %2 the print server's reason
inline constexpr int QueueAddedWithDriver = 513; // %1 the queue, %2 its device URI, %3 the driver
inline constexpr int QueueAddedRaw = 514;        // %1 the queue, %2 its device URI
inline constexpr int AddPrintQueueAction = 515;  // the printer list's context-menu entry
inline constexpr int QueueNameCaption = 516;     // the queue-name dialog's title
inline constexpr int QueueNamePrompt = 517;      // %1 the printer's MAC address
inline constexpr int QueueNameInvalid = 518;
inline constexpr int QueuesMoveQuestion = 519; // %1 the old address, %2 the queues, one a line, %3 the new
inline constexpr int QueueMoved = 520;         // %1 the queue, %2 its new device URI
inline constexpr int QueueMoveFailed = 521;    // %1 the queue, %2 the print server's reason
// 420..469: names and descriptions read by screen readers.
inline constexpr int AddressFieldDescription = 420;
inline constexpr int MainSheetName = 421;     // the printer list's and WLAN (Advanced) page's tabs
inline constexpr int SettingsSheetName = 422; // the network settings page's tab
inline constexpr int PrinterListName = 423;   // the table of printers found
inline constexpr int IconButtonName = 424;    // the WLAN (Advanced) page's small icon button
// What a screen reader says of a property grid's row besides "name, value".
inline constexpr int GridItemReadOnly = 425;    // the value cannot be changed
inline constexpr int GridItemChanged = 426;     // the value was changed (shown bold)
inline constexpr int GridItemOpensDialog = 427; // the key that opens the item's dialog
// 490..509: the search.
inline constexpr int SearchPrintersHeard = 490; // the search dialog while it runs; %1 is the count
// 430..449: the WLAN (Advanced) page's notices.
inline constexpr int UnsavedWlanEditsLost = 430; // before the language switch's restart question
inline constexpr int AppTitle = 57344;
inline constexpr int ParseUnsignedInteger = 61715; // a number field that does not hold an unsigned number
inline constexpr int ParseStringTooLong = 61720;   // a text field over its limit; %1 is the limit
} // namespace StringId

namespace StringTable {

inline constexpr const char* kContext = "StringTable";

// The built-in English text of entry id, or nullptr for a number the program does not have.
const char* English(int id);
// Every entry, in number order.
const std::vector<std::pair<int, const char*>>& Entries();

// Entry id in the current language (English when the catalog lacks it; "" for an unknown number).
std::string Load(int id);
// A text of a window (a dialog's caption, label or button) in the current language.
std::string Dialog(std::string_view window, std::string_view english);
// text with arguments[0] in place of %1, arguments[1] of %2 and so on (a translation may reorder them or
// use one twice); a % without an argument stays as it is.
std::string Fill(const std::string& text, const std::vector<std::string>& arguments);

// Makes catalog the source of every later text; nullptr returns to the built-in English.
void SetCatalog(std::shared_ptr<const ITextCatalog> catalog);
std::shared_ptr<const ITextCatalog> Catalog();

} // namespace StringTable

// Shorthand for StringTable::Load.
inline std::string LoadString(int id) {
    return StringTable::Load(id);
}

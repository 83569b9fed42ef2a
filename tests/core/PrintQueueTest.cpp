// Print queues for the printers found: the quorlink:// URI and the hosts of other network URIs, the queues
// that an address change moves, adding a queue with the maker's driver or raw, the windows' action and
// question through their models, and the settings page's report of a saved address change.
#include "app/StringTable.h"
#include "cli/CliQueue.h"
#include "devport/PrintQueueMender.h"
#include "devport/PrintQueueSetup.h"
#include "devport/PrintQueueUri.h"
#include "ui/CVRXPageNetConnectionSetting.h"
#include "ui/PrintQueueActions.h"

#include "FakeCupsApi.h"
#include "FakeCursor.h"
#include "FakeMessageBox.h"
#include "FakeNetworkEndpoint.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <deque>

namespace {

using ::testing::ElementsAre;

TEST(PrintQueueUri, MacUrisAndTheHostsOfNetworkUris) {
    EXPECT_EQ(PrintQueueUri::ForMac("00:1a:2b:3c:4d:5e"), "quorlink://00-1A-2B-3C-4D-5E");
    EXPECT_EQ(PrintQueueUri::ForMac("00-1A-2B-3C-4D-5E"), "quorlink://00-1A-2B-3C-4D-5E");
    for (const char* notMac :
         {"", "00:1A:2B:3C:4D", "00:1A:2B:3C:4D:5G", "00:1A:2B:3C:4D:5E:6F", "001A2B3C4D5E"})
        EXPECT_EQ(PrintQueueUri::ForMac(notMac), "") << notMac;

    struct MacCase {
        const char* uri;
        std::optional<std::string> mac;
    };
    for (const MacCase& c :
         {MacCase{"quorlink://00-1A-2B-3C-4D-5E", "00:1A:2B:3C:4D:5E"},
          MacCase{"quorlink://00-1a-2b-3c-4d-5e/", "00:1A:2B:3C:4D:5E"},
          MacCase{"quorlink://00:1A:2B:3C:4D:5E", "00:1A:2B:3C:4D:5E"},
          MacCase{"quorlink://printer", std::nullopt}, MacCase{"socket://00-1A-2B-3C-4D-5E", std::nullopt}})
        EXPECT_EQ(PrintQueueUri::MacOf(c.uri), c.mac) << c.uri;

    struct HostCase {
        const char* uri;
        std::optional<std::string> host;
        const char* moved; // with the host 203.0.113.9
    };
    for (const HostCase& c : {
             HostCase{"socket://192.0.2.71", "192.0.2.71", "socket://203.0.113.9"},
             HostCase{"socket://192.0.2.71:9100", "192.0.2.71", "socket://203.0.113.9:9100"},
             HostCase{"socket://192.0.2.71:9100?waiteof=false", "192.0.2.71",
                      "socket://203.0.113.9:9100?waiteof=false"},
             HostCase{"lpd://192.0.2.71/labels", "192.0.2.71", "lpd://203.0.113.9/labels"},
             HostCase{"lpd://user@192.0.2.71/labels", "192.0.2.71", "lpd://user@203.0.113.9/labels"},
             HostCase{"ipp://192.0.2.71/ipp/print", "192.0.2.71", "ipp://203.0.113.9/ipp/print"},
             HostCase{"ipps://192.0.2.71:631/ipp/print", "192.0.2.71", "ipps://203.0.113.9:631/ipp/print"},
             HostCase{"usb://VORANEX/RK7?serial=1", std::nullopt, ""},
             HostCase{"quorlink://00-1A-2B-3C-4D-5E", std::nullopt, ""},
             HostCase{"socket://", std::nullopt, ""},
         }) {
        EXPECT_EQ(PrintQueueUri::HostOf(c.uri), c.host) << c.uri;
        EXPECT_EQ(PrintQueueUri::WithHost(c.uri, "203.0.113.9"), c.moved) << c.uri;
    }
}

std::vector<CupsQueue> QueuesOfAnOffice() {
    return {
        {"SOCKET", "", "socket://192.0.2.7:9100", CupsQueue::kIdle, ""},
        {"SOCKET_PLAIN", "", "socket://192.0.2.7", CupsQueue::kIdle, ""},
        {"LPD", "", "lpd://192.0.2.7/labels", CupsQueue::kIdle, ""},
        {"IPP", "", "ipp://192.0.2.7/ipp/print", CupsQueue::kIdle, ""},
        {"LONGER_ADDRESS", "", "socket://192.0.2.71:9100", CupsQueue::kIdle,
         ""}, // another printer: .7 is not .71
        {"OTHER", "", "socket://192.0.2.8:9100", CupsQueue::kIdle, ""},
        {"BY_MAC", "", "quorlink://02-00-00-00-00-07", CupsQueue::kIdle, ""},
        {"USB", "", "usb://VORANEX/RK7", CupsQueue::kIdle, ""},
    };
}

TEST(PrintQueueMender, OnlyTheQueuesOfTheOldAddressMoveToTheNewOneOrTheMac) {
    const auto queues = QueuesOfAnOffice();
    const auto moves = PrintQueueMender::Plan(queues, "192.0.2.7", "192.0.2.70", "02:00:00:00:00:07", false);
    std::vector<std::string> seen;
    for (const QueueMove& move : moves)
        seen.push_back(move.queue + " " + move.from + " -> " + move.to);
    EXPECT_THAT(seen, ElementsAre("SOCKET socket://192.0.2.7:9100 -> socket://192.0.2.70:9100",
                                  "SOCKET_PLAIN socket://192.0.2.7 -> socket://192.0.2.70",
                                  "LPD lpd://192.0.2.7/labels -> lpd://192.0.2.70/labels",
                                  "IPP ipp://192.0.2.7/ipp/print -> ipp://192.0.2.70/ipp/print"));

    const auto following =
        PrintQueueMender::Plan(queues, "192.0.2.7", "192.0.2.70", "02:00:00:00:00:07", true);
    ASSERT_EQ(following.size(), 4u);
    for (const QueueMove& move : following)
        EXPECT_EQ(move.to, "quorlink://02-00-00-00-00-07") << move.queue;

    EXPECT_TRUE(PrintQueueMender::Plan(queues, "192.0.2.7", "192.0.2.7", "02:00:00:00:00:07", false).empty());
    EXPECT_TRUE(
        PrintQueueMender::Plan(queues, "192.0.2.9", "192.0.2.70", "02:00:00:00:00:07", false).empty());

    FakeCupsApi cups;
    cups.queues = queues;
    cups.failures["LPD"] = {false, CupsResult::kForbidden, "Forbidden"};
    const auto results = PrintQueueMender::Apply(cups, moves);
    ASSERT_EQ(results.size(), 4u);
    EXPECT_TRUE(results[0].ok);
    EXPECT_TRUE(results[2].RefusedForRights());
    EXPECT_EQ(cups.Find("SOCKET")->deviceUri, "socket://192.0.2.70:9100");
    EXPECT_EQ(cups.Find("LPD")->deviceUri, "lpd://192.0.2.7/labels");
    EXPECT_EQ(cups.Find("OTHER")->deviceUri, "socket://192.0.2.8:9100");
    EXPECT_EQ(cups.Find("LONGER_ADDRESS")->deviceUri, "socket://192.0.2.71:9100");
}

TEST(PrintQueueSetup, NamesAndTheDriverChosenAndSaid) {
    EXPECT_EQ(PrintQueueSetup::DefaultName("00:1a:2b:3c:4d:5e"), "VORANEX_001A2B3C4D5E");
    for (const char* good : {"VORANEX_001A2B3C4D5E", "Front-desk", "a"})
        EXPECT_TRUE(PrintQueueSetup::ValidName(good)) << good;
    for (const std::string& bad :
         {std::string(), std::string("front desk"), std::string("a/b"), std::string("a#b"),
          std::string("a\\b"), std::string("it's"), std::string(128, 'x')})
        EXPECT_FALSE(PrintQueueSetup::ValidName(bad)) << bad;

    struct Case {
        const char* what;
        bool makerDriver;
        std::string ppd;
        bool raw;
        std::string call;
        std::string said;
    };
    const Case cases[] = {
        {"the maker's driver when installed", true, "", false,
         "add Q quorlink://02-00-00-00-00-07 drv:///voranex.drv/rk7.ppd",
         "The print queue Q was added for quorlink://02-00-00-00-00-07 with the driver "
         "drv:///voranex.drv/rk7.ppd."},
        {"raw without one", false, "", false, "add Q quorlink://02-00-00-00-00-07 raw",
         "The print queue Q was added for quorlink://02-00-00-00-00-07 as a raw queue"},
        {"raw when asked, though installed", true, "", true, "add Q quorlink://02-00-00-00-00-07 raw",
         "as a raw queue"},
        {"the PPD given", false, "/tmp/rk7.ppd", false, "add Q quorlink://02-00-00-00-00-07 /tmp/rk7.ppd",
         "with the driver /tmp/rk7.ppd."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeCupsApi cups;
        if (c.makerDriver)
            cups.drivers["VORANEX"] = "drv:///voranex.drv/rk7.ppd";
        const QueueSetupOutcome outcome = PrintQueueSetup::Add(cups, "02:00:00:00:00:07", "Q", c.ppd, c.raw);
        EXPECT_TRUE(outcome.result.ok);
        EXPECT_EQ(cups.Changes().back(), c.call);
        EXPECT_NE(PrintQueueSetup::Describe(outcome).find(c.said), std::string::npos)
            << PrintQueueSetup::Describe(outcome);
    }

    FakeCupsApi refusing;
    refusing.failures["Q"] = {false, CupsResult::kAuthenticationCanceled, "Authentication canceled"};
    const QueueSetupOutcome refused = PrintQueueSetup::Add(refusing, "02:00:00:00:00:07", "Q", "", false);
    EXPECT_FALSE(refused.result.ok);
    EXPECT_NE(PrintQueueSetup::Describe(refused).find("(sudo adduser"), std::string::npos);
    EXPECT_NE(PrintQueueSetup::Describe(refused).find("\"lpadmin\""), std::string::npos);

    FakeCupsApi untouched;
    EXPECT_FALSE(PrintQueueSetup::Add(untouched, "02:00:00:00:00:07", "bad name", "", false).result.ok);
    EXPECT_FALSE(PrintQueueSetup::Add(untouched, "not a mac", "Q", "", false).result.ok);
    EXPECT_TRUE(untouched.Changes().empty()) << "nothing may reach the server before the checks pass";
}

// The queue-name question as a user answers it: each typed name in turn goes through the dialog's check;
// the first one it takes is confirmed, and no name left means Cancel.
class ScriptedQueueNameAsker : public IQueueNameAsker {
public:
    std::deque<std::string> typed;
    std::vector<Question> asked;
    std::vector<std::string> refusals; // what the check said to the names it refused

    std::optional<std::string> AskQueueName(const Question& question, const Check& check) override {
        asked.push_back(question);
        while (!typed.empty()) {
            const std::string name = typed.front();
            typed.pop_front();
            const std::string problem = check(name);
            if (problem.empty())
                return name;
            refusals.push_back(problem);
        }
        return std::nullopt;
    }
};

TEST(PrintQueueActions, AddPrintQueueAsksTheNameChecksItAndSaysWhatItDid) {
    EXPECT_EQ(PrintQueueActions::AddActionText(), "Add print queue…");
    EXPECT_FALSE(PrintQueueActions::CanAddFor(""));
    EXPECT_TRUE(PrintQueueActions::CanAddFor("02:00:00:00:00:07"));

    FakeCupsApi cups;
    FakeMessageBox messages;
    PrintQueueActions actions(cups, messages);
    ScriptedQueueNameAsker asker;
    asker.typed = {"front desk", "Front-desk"};
    EXPECT_TRUE(actions.AddQueueFor("02:00:00:00:00:07", asker));
    ASSERT_EQ(asker.asked.size(), 1u);
    EXPECT_EQ(asker.asked[0].caption, "Add print queue");
    EXPECT_EQ(asker.asked[0].prompt, "Name of the new print queue for the printer 02:00:00:00:00:07:");
    EXPECT_EQ(asker.asked[0].name, "VORANEX_020000000007");
    EXPECT_THAT(asker.refusals, ElementsAre(LoadString(StringId::QueueNameInvalid)));
    EXPECT_THAT(cups.Changes(),
                ElementsAre("drivers VORANEX", "add Front-desk quorlink://02-00-00-00-00-07 raw"));
    EXPECT_THAT(messages.Informations(),
                ElementsAre(StringTable::Fill(LoadString(StringId::QueueAddedRaw),
                                              {"Front-desk", "quorlink://02-00-00-00-00-07"})));

    // Cancel: nothing asked of the server.
    FakeCupsApi untouched;
    PrintQueueActions cancelled(untouched, messages);
    ScriptedQueueNameAsker cancelling;
    EXPECT_FALSE(cancelled.AddQueueFor("02:00:00:00:00:07", cancelling));
    EXPECT_TRUE(untouched.Changes().empty());
    // No printer selected: not even the question.
    EXPECT_FALSE(cancelled.AddQueueFor("", cancelling));
    EXPECT_EQ(cancelling.asked.size(), 1u);

    // Without the rights: the lpadmin advice as a warning; never a password question.
    FakeCupsApi refusing;
    refusing.failures["Q"] = {false, CupsResult::kNotAuthorized, "Forbidden"};
    FakeMessageBox told;
    PrintQueueActions refused(refusing, told);
    ScriptedQueueNameAsker naming;
    naming.typed = {"Q"};
    EXPECT_FALSE(refused.AddQueueFor("02:00:00:00:00:07", naming));
    ASSERT_EQ(told.Warnings().size(), 1u);
    EXPECT_NE(told.Warnings()[0].find("lpadmin"), std::string::npos);
    EXPECT_TRUE(told.Questions().empty());
}

TEST(PrintQueueActions, AfterAnAddressChangeTheQueuesAreAskedAboutAndMovedOnlyAfterYes) {
    struct Case {
        const char* what;
        std::string newIp;
        bool answer;
        std::string socketAfter;
        bool asked;
    };
    const Case cases[] = {
        {"yes moves them", "192.0.2.70", true, "socket://192.0.2.70:9100", true},
        {"no keeps them", "192.0.2.70", false, "socket://192.0.2.7:9100", true},
        {"DHCP: they follow the MAC", "", true, "quorlink://02-00-00-00-00-07", true},
        {"same address: nothing asked", "192.0.2.7", true, "socket://192.0.2.7:9100", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeCupsApi cups;
        cups.queues = QueuesOfAnOffice();
        FakeMessageBox messages;
        messages.answers = {c.answer};
        PrintQueueActions actions(cups, messages);
        actions.OnAddressChanged("02:00:00:00:00:07", "192.0.2.7", c.newIp);
        EXPECT_EQ(cups.Find("SOCKET")->deviceUri, c.socketAfter);
        EXPECT_EQ(cups.Find("OTHER")->deviceUri, "socket://192.0.2.8:9100");
        EXPECT_EQ(cups.Find("BY_MAC")->deviceUri, "quorlink://02-00-00-00-00-07");
        ASSERT_EQ(messages.Questions().size(), c.asked ? 1u : 0u);
        if (!c.asked)
            continue;
        const std::string question = messages.Questions()[0];
        EXPECT_NE(question.find("SOCKET (socket://192.0.2.7:9100)\nSOCKET_PLAIN (socket://192.0.2.7)\nLPD "
                                "(lpd://192.0.2.7/labels)\nIPP (ipp://192.0.2.7/ipp/print)"),
                  std::string::npos)
            << question;
        EXPECT_EQ(question.find("OTHER"), std::string::npos);
        if (c.answer)
            EXPECT_EQ(messages.Informations().size(), 1u);
        else
            EXPECT_TRUE(messages.Informations().empty());
    }

    // No print server: nothing asked, nothing shown.
    FakeCupsApi absent;
    absent.listResult = {false, 0x0503, "cannot connect"};
    FakeMessageBox quiet;
    PrintQueueActions actions(absent, quiet);
    EXPECT_FALSE(actions.OnAddressChanged("02:00:00:00:00:07", "192.0.2.7", "192.0.2.70"));
    EXPECT_TRUE(quiet.shown().empty());

    // Refused: the advice once, what was changed said too.
    FakeCupsApi refusing;
    refusing.queues = QueuesOfAnOffice();
    refusing.failures["LPD"] = refusing.failures["IPP"] = {false, CupsResult::kForbidden, "Forbidden"};
    FakeMessageBox told;
    told.answers = {true};
    PrintQueueActions partly(refusing, told);
    EXPECT_FALSE(partly.OnAddressChanged("02:00:00:00:00:07", "192.0.2.7", "192.0.2.70"));
    ASSERT_EQ(told.Warnings().size(), 1u);
    const std::string warning = told.Warnings()[0];
    EXPECT_NE(warning.find("The print queue SOCKET now prints to socket://192.0.2.70:9100."),
              std::string::npos);
    EXPECT_NE(warning.find("change the print queue LPD"), std::string::npos) << warning;
    EXPECT_EQ(warning.find("change the print queue IPP"), std::string::npos) << "one advice is enough";
}

class NoMainWindow : public IMainWindowMessages {
public:
    int SendMessage(unsigned, const void*, const void*) override { return 1; }
    void PostMessage(unsigned, const void*, const void*) override {}
};

TEST(PrintQueueActions, TheSettingsPageReportsASavedAddressChange) {
    ETHERNET_INFO wired{};
    const std::uint8_t mac[6] = {0x02, 0, 0, 0, 0, 0x07};
    std::memcpy(wired.MacAddr, mac, 6);
    const std::uint8_t ip[4] = {192, 0, 2, 7}, subnet[4] = {255, 255, 255, 0}, gateway[4] = {192, 0, 2, 1};
    std::memcpy(wired.Ip, ip, 4);
    std::memcpy(wired.Subnet, subnet, 4);
    std::memcpy(wired.Gateway, gateway, 4);
    wired.Port[0] = 0x23;
    wired.Port[1] = 0x8C;
    wired.I_activeTime[1] = 60;

    struct Case {
        const char* what;
        bool dhcp;
        bool sent;
        std::vector<std::string> reported;
    };
    const Case cases[] = {
        {"a new fixed address", false, true, {"02:00:00:00:00:07 192.0.2.7 -> 192.0.2.70"}},
        {"DHCP: the new address is not known", true, true, {"02:00:00:00:00:07 192.0.2.7 -> "}},
        {"a save that did not go out", false, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeNetworkEndpoint endpoint;
        endpoint.SetQlinkResult(c.sent);
        FakeMessageBox messages;
        messages.defaultAnswer = true;
        FakeCursor cursor;
        NoMainWindow mainWindow;
        CVRXPageNetConnectionSetting page(endpoint, messages, cursor, mainWindow);
        std::vector<std::string> reported;
        page.SetAddressChangeListener(
            [&](const std::string& m, const std::string& from, const std::string& to) {
                reported.push_back(m + " " + from + " -> " + to);
            });
        page.SetPrinterNetworkInfo(MakePrinterNetworkInfo(wired, LoadString(StringId::SettingsWired)));
        if (c.dhcp)
            page.OnBnClickedRadioDhcp();
        else
            page.OnAddressChanged(CVRXPageNetConnectionSetting::IDC_IPADDRESS_IP, {192, 0, 2, 70});
        page.OnBnClickedBtnSave();
        EXPECT_EQ(reported, c.reported);
    }
}

TEST(CliQueue, UpdateOptionsAreTakenOutAndFollowMacNeedsUpdate) {
    struct Case {
        std::vector<std::string> args;
        bool ok, update, followMac;
        std::vector<std::string> rest;
    };
    const Case cases[] = {
        {{"02:00:00:00:00:07", "--ip", "192.0.2.70"},
         true,
         false,
         false,
         {"02:00:00:00:00:07", "--ip", "192.0.2.70"}},
        {{"--update-queues", "02:00:00:00:00:07"}, true, true, false, {"02:00:00:00:00:07"}},
        {{"--batch", "f.csv", "--follow-mac", "--update-queues"}, true, true, true, {"--batch", "f.csv"}},
        {{"02:00:00:00:00:07", "--follow-mac"}, false, false, true, {"02:00:00:00:00:07"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        QueueUpdateOptions options;
        std::string error;
        EXPECT_EQ(TakeQueueUpdateOptions(args, options, error), c.ok) << error;
        EXPECT_EQ(options.update, c.update);
        EXPECT_EQ(options.followMac, c.followMac);
        EXPECT_EQ(args, c.rest);
    }

    // Without --update-queues the queues are named and left as they are.
    FakeCupsApi cups;
    cups.queues = QueuesOfAnOffice();
    char buffer[4096] = {};
    std::FILE* out = fmemopen(buffer, sizeof buffer - 1, "w");
    EXPECT_TRUE(MendQueuesAfterMove(cups, "02:00:00:00:00:07", "192.0.2.7", "192.0.2.70", {}, out));
    std::fclose(out);
    EXPECT_NE(std::string(buffer).find("  LPD (lpd://192.0.2.7/labels)\n"), std::string::npos) << buffer;
    EXPECT_NE(std::string(buffer).find("--update-queues"), std::string::npos) << buffer;
    EXPECT_TRUE(cups.Changes().empty());
}

} // namespace

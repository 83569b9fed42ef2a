// A port the user may not open, as an ordinary user meets it: the command line and the connection dialog
// run as nobody (through setpriv, from the root test run) against ptys made for each case, and say why
// the port did not open and what to do. Skipped where the test does not run as root.
#include "app/StringTable.h"

#include "DeviceSimProcess.h"
#include "PtyPair.h"
#include "Unprivileged.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <grp.h>
#include <sys/ioctl.h>
#include <sys/stat.h>

namespace {

class AsNobody : public ::testing::Test {
protected:
    void SetUp() override {
        if (const std::string why = Unprivileged::WhyNot(); !why.empty())
            GTEST_SKIP() << why;
        const std::string program = DeviceSimProcess::Program("QL_CLI", "quorlink");
        ASSERT_FALSE(program.empty()) << "QL_CLI or QL_BIN_DIR";
        cli = user.Reachable(program);
    }

    // No print server to hold queues on, and a state folder of nobody's own.
    std::vector<std::pair<std::string, std::string>> Env() const {
        return {{"CUPS_SERVER", user.dir().file("no-cups-server.sock")},
                {"XDG_STATE_HOME", user.dir().file("state")}};
    }

    static std::string Advice(int id, const std::string& path, const std::string& group = {}) {
        return StringTable::Fill(StringTable::English(id), {path, group, "nobody"});
    }

    Unprivileged user;
    std::string cli;
};

// The pty's slave node as a case wants it.
void Own(const std::string& path, uid_t uid, gid_t gid, mode_t mode) {
    ASSERT_EQ(::chown(path.c_str(), uid, gid), 0) << path << ": " << std::strerror(errno);
    ASSERT_EQ(::chmod(path.c_str(), mode), 0) << path << ": " << std::strerror(errno);
}

TEST_F(AsNobody, ASerialPortOnlyRootMayOpenGivesTheDialoutAdviceAndStatus2) {
    PtyPair pty;
    Own(pty.slavePath(), 0, 0, 0600);
    const Unprivileged::Run run = user.Start({cli, "device", "read", "--port", pty.slavePath()}, Env());
    EXPECT_EQ(run.status, 2) << run.err;
    EXPECT_EQ(run.err, "quorlink device read: " +
                           Advice(StringId::SerialPermissionAdvice, pty.slavePath(), "dialout") + "\n");
    EXPECT_NE(run.err.find("sudo adduser nobody dialout"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(pty.Receive(100), ""); // nothing went on the line
}

TEST_F(AsNobody, EachReasonAPortDoesNotOpenForGivesItsOwnAdvice) {
    const group* uucp = ::getgrnam("uucp");
    struct Case {
        const char* what;
        uid_t uid;
        gid_t gid;
        mode_t mode;
        bool exclusive; // the test holds the line exclusively
        int advice;
        std::string group;
    };
    std::vector<Case> cases = {
        {"root only", 0, 0, 0600, false, StringId::SerialPermissionAdvice, "dialout"},
        {"held by another program", Unprivileged::kUid, 0, 0600, true, StringId::PortBusyAdvice, ""},
    };
    // A line whose group may use it names that group.
    if (uucp)
        cases.push_back(
            {"group uucp", 0, uucp->gr_gid, 0660, false, StringId::SerialPermissionAdvice, "uucp"});
    for (const Case& c : cases) {
        PtyPair pty;
        Own(pty.slavePath(), c.uid, c.gid, c.mode);
        if (c.exclusive) {
            ASSERT_EQ(::ioctl(pty.slave(), TIOCEXCL), 0);
        }
        const Unprivileged::Run run = user.Start({cli, "device", "read", "--port", pty.slavePath()}, Env());
        if (c.exclusive)
            ::ioctl(pty.slave(), TIOCNXCL);
        EXPECT_EQ(run.status, 2) << c.what << ": " << run.err;
        EXPECT_EQ(run.err, "quorlink device read: " + Advice(c.advice, pty.slavePath(), c.group) + "\n")
            << c.what;
    }

    const std::string gone = user.dir().file("ttyGone");
    const Unprivileged::Run run = user.Start({cli, "device", "read", "--port", gone}, Env());
    EXPECT_EQ(run.status, 2) << run.err;
    EXPECT_EQ(run.err, "quorlink device read: " + Advice(StringId::PortNotFoundAdvice, gone) + "\n");
}

TEST_F(AsNobody, TheConnectionDialogEndsWith2AndGivesItsCallerTheSerialAdvice) {
    const std::string probe = DeviceSimProcess::Program("QL_PORT_OPEN_PROBE", "port-open-probe");
    ASSERT_FALSE(probe.empty()) << "QL_PORT_OPEN_PROBE or QL_BIN_DIR";
    const std::string program = user.Reachable(probe);
    PtyPair pty;
    Own(pty.slavePath(), 0, 0, 0600);
    const Unprivileged::Run run = user.Start({program, pty.slavePath()}, Env());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("result 2\nreason permission denied\nadvice " +
                           Advice(StringId::SerialPermissionAdvice, pty.slavePath(), "dialout") + "\n"),
              std::string::npos)
        << run.out;
    // The log says so with the path and the error.
    EXPECT_NE(run.out.find("log CPortCom::OpenPort : " + pty.slavePath() + ": permission denied (errno 13, " +
                           std::strerror(EACCES) + "); members of the group dialout may open it\n"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("log CheckDeviceConnection : " + pty.slavePath() + ": permission denied"),
              std::string::npos)
        << run.out;
}

TEST_F(AsNobody, ALineOfTheUsersOwnIsReadToTheEnd) {
    DeviceSimProcess sim(nlohmann::json{{"record", {{"bySSID", "Office"}}}});
    ASSERT_TRUE(sim.Ready()) << sim.Output();
    const std::string pty = sim.PtyPath();
    Own(pty, Unprivileged::kUid, Unprivileged::kGid, 0600);
    const Unprivileged::Run run = user.Start({cli, "device", "read", "--port", pty, "--json"}, Env());
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json read = nlohmann::json::parse(run.out, nullptr, false);
    EXPECT_EQ(read["record"]["bySSID"], "Office") << run.out;
    EXPECT_EQ(run.err, "");
}

} // namespace

#include "app/CheckOS.h"

#include "CapturedLog.h"

#include <gtest/gtest.h>

TEST(CheckOS, ClassifiesEveryRowOfTheTable) {
    struct Case {
        OsVersionInfo info;
        int expected;
    } cases[] = {
        {{1, 4, 0, 0, 0, false}, 2000}, {{1, 4, 10, 0, 0, false}, 2001}, {{1, 4, 90, 0, 0, false}, 2002},
        {{1, 5, 0, 0, 0, false}, 2011}, {{2, 10, 0, 0, 1, false}, 2016}, {{2, 10, 0, 0, 3, false}, 2017},
        {{2, 6, 0, 0, 1, false}, 2008}, {{2, 6, 0, 0, 2, false}, 2009},  {{2, 6, 1, 0, 1, false}, 2011},
        {{2, 6, 1, 0, 3, false}, 2010}, {{2, 6, 2, 0, 1, false}, 2012},  {{2, 6, 2, 0, 0, false}, 2014},
        {{2, 6, 3, 0, 1, false}, 2013}, {{2, 6, 3, 0, 2, false}, 2015},  {{2, 5, 2, 0, 1, true}, 2007},
        {{2, 5, 2, 0, 1, false}, 2006}, {{2, 5, 1, 0, 1, false}, 2005},  {{2, 5, 0, 0, 1, false}, 2004},
        {{2, 4, 0, 0, 1, false}, 2003}, {{2, 3, 51, 0, 1, false}, 2003}, {{2, 6, 4, 0, 1, false}, 2011},
        {{0, 6, 1, 0, 0, false}, 2011},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ClassifyOS(c.info), c.expected)
            << c.info.platformId << " " << c.info.majorVersion << "." << c.info.minorVersion;
    }
}

TEST(CheckOS, ThisPlatformIsAnythingElseAndTheLogShowsWhatWasFound) {
    const OsVersionInfo info = CurrentOsVersionInfo();
    EXPECT_EQ(info.platformId, 0);
    EXPECT_GT(info.majorVersion, 0); // the kernel's release
    CapturedLog log;
    EXPECT_EQ(CheckOS(), 2011);
    const auto number = [](const char* field, int value) {
        return std::string("CheckOS : osvi.") + field + " = " + std::to_string(value);
    };
    const std::vector<std::string> expected = {"CheckOS : START",
                                               "CheckOS : OSVERSIONINFO",
                                               number("dwPlatformId", 0),
                                               number("dwMajorVersion", info.majorVersion),
                                               number("dwMinorVersion", info.minorVersion),
                                               number("wProductType", 0),
                                               number("dwBuildNumber", info.buildNumber),
                                               "CheckOS : nOSVersion = 2011",
                                               "CheckOS : END"};
    EXPECT_EQ(log.LinesStartingWith("CheckOS"), expected);
}

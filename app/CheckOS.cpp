#include "app/CheckOS.h"

#include "app/DiagnosticLog.h"

#include <cstdio>
#include <sys/utsname.h>

int ClassifyOS(const OsVersionInfo& info) {
    const bool workstation = info.productType == 1;
    const int major = info.majorVersion;
    const int minor = info.minorVersion;
    if (info.platformId == 1) {
        if (major == 4 && minor == 0)
            return 2000;
        if (major == 4 && minor == 10)
            return 2001;
        if (major == 4 && minor == 90)
            return 2002;
    } else if (info.platformId == 2) {
        if (major == 10)
            return workstation ? 2016 : 2017;
        if (major == 6 && minor == 0)
            return workstation ? 2008 : 2009;
        if (major == 6 && minor == 1)
            return workstation ? 2011 : 2010;
        if (major == 6 && minor == 2)
            return workstation ? 2012 : 2014;
        if (major == 6 && minor == 3)
            return workstation ? 2013 : 2015;
        if (major == 5 && minor == 2)
            return info.serverR2 ? 2007 : 2006;
        if (major == 5 && minor == 1)
            return 2005;
        if (major == 5 && minor == 0)
            return 2004;
        if (major <= 4)
            return 2003;
    }
    return 2011;
}

OsVersionInfo CurrentOsVersionInfo() {
    OsVersionInfo info;
    utsname name{};
    if (::uname(&name) == 0)
        std::sscanf(name.release, "%d.%d.%d", &info.majorVersion, &info.minorVersion, &info.buildNumber);
    return info;
}

int CheckOS() {
    WriteLog("\r\n");
    WriteLog("CheckOS : START");
    const OsVersionInfo info = CurrentOsVersionInfo();
    WriteLog("CheckOS : OSVERSIONINFO");
    WriteLog("CheckOS : osvi.dwPlatformId = %d", info.platformId);
    WriteLog("CheckOS : osvi.dwMajorVersion = %d", info.majorVersion);
    WriteLog("CheckOS : osvi.dwMinorVersion = %d", info.minorVersion);
    WriteLog("CheckOS : osvi.wProductType = %d", info.productType);
    WriteLog("CheckOS : osvi.dwBuildNumber = %d", info.buildNumber);
    const int version = ClassifyOS(info);
    WriteLog("CheckOS : nOSVersion = %d", version);
    WriteLog("CheckOS : END");
    return version;
}

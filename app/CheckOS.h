#pragma once

// The operating-system facts CheckOS classifies.
struct OsVersionInfo {
    int platformId = 0; // 1 = Windows 9x family, 2 = NT family, 0 = anything else
    int majorVersion = 0;
    int minorVersion = 0;
    int buildNumber = 0;
    int productType = 0; // 1 = workstation, anything else counts as a server
    bool serverR2 = false;
};

// The classification code of the operating system (2000 .. 2017; 2011 for anything else).
int ClassifyOS(const OsVersionInfo& info);

// The facts of the running system, from uname: the kernel's release numbers, platform 0.
OsVersionInfo CurrentOsVersionInfo();

// Classifies the running system and logs what it found.
int CheckOS();

#pragma once

#include "devport/ProcessIdentity.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

// The print queues a process holds paused, written down before it pauses them so that a crash cannot
// leave them held for good: the next start of the program resumes the queues of a process that has ended.
// One file per process in the journal folder, named after its owner; replaced as a whole (written beside
// and renamed) so that a crash never leaves half a journal.
class CSpoolerJournal {
public:
    struct Contents {
        ProcessIdentity owner;
        std::string server;              // where the queues were paused (ICupsApi::Server)
        std::vector<std::string> queues; // sorted
    };

    // The journal of owner in folder.
    CSpoolerJournal(std::string folder, ProcessIdentity owner);

    // $XDG_STATE_HOME/quorlink-tool, or ~/.local/state/quorlink-tool; "" when there is no home folder.
    static std::string DefaultFolder();

    const std::string& Folder() const { return m_folder; }
    const std::string& Path() const { return m_path; }
    const ProcessIdentity& Owner() const { return m_owner; }

    // Replaces the journal with queues held on server; an empty set removes it. Creates the folder when
    // missing. False, with the reason in error, when it cannot be written (the old journal then stands).
    bool Write(const std::string& server, const std::set<std::string>& queues, std::string& error) const;

    // The journal files in folder, sorted; none when the folder does not exist.
    static std::vector<std::string> Files(const std::string& folder);
    // A journal file's contents; nothing when it cannot be read or is not a journal.
    static std::optional<Contents> Read(const std::string& path);
    static std::string Format(const Contents& contents);
    static std::optional<Contents> Parse(const std::string& text);

private:
    std::string m_folder;
    ProcessIdentity m_owner;
    std::string m_path;
};

#pragma once

#include "devport/ICupsApi.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

// A CUPS server for tests: a list of queues that pausing and resuming change, scripted failures, and a
// record of every request ("list", "pause NAME", "resume NAME").
class FakeCupsApi : public ICupsApi {
public:
    explicit FakeCupsApi(std::string server = "/run/fake-cups.sock") : server(std::move(server)) {}

    std::string Server() const override { return server; }
    CupsResult ListQueues(std::vector<CupsQueue>& out) override {
        calls.push_back("list");
        out.clear();
        if (!listResult.ok)
            return listResult;
        out = queues;
        return {};
    }
    CupsResult PauseQueue(const std::string& name, const std::string& reason) override {
        calls.push_back("pause " + name);
        if (beforePause)
            beforePause(name);
        if (const auto failure = failures.find(name); failure != failures.end())
            return failure->second;
        CupsQueue* queue = Find(name);
        if (!queue)
            return {false, CupsResult::kNotFound, "The printer or class does not exist."};
        queue->state = CupsQueue::kStopped;
        queue->stateMessage = reason;
        return {};
    }
    CupsResult ResumeQueue(const std::string& name) override {
        calls.push_back("resume " + name);
        if (const auto failure = failures.find(name); failure != failures.end())
            return failure->second;
        CupsQueue* queue = Find(name);
        if (!queue)
            return {false, CupsResult::kNotFound, "The printer or class does not exist."};
        queue->state = CupsQueue::kIdle;
        queue->stateMessage.clear();
        return {};
    }

    CupsQueue* Find(const std::string& name) {
        for (auto& queue : queues)
            if (queue.name == name)
                return &queue;
        return nullptr;
    }
    // The requests other than listing, in order.
    std::vector<std::string> Changes() const {
        std::vector<std::string> changes;
        for (const auto& call : calls)
            if (call != "list")
                changes.push_back(call);
        return changes;
    }

    std::string server;
    std::vector<CupsQueue> queues;
    CupsResult listResult;                      // a failure here fails every listing
    std::map<std::string, CupsResult> failures; // pause and resume of these queues fail so
    std::function<void(const std::string&)> beforePause;
    std::vector<std::string> calls;
};
